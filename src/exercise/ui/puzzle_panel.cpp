#include "exercise/ui/puzzle_panel.h"

#include "core/colour.h"
#include "view/ui/keyboard_chooser.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace quindor {

PuzzleTile::PuzzleTile(int tile, QWidget* parent) : QAbstractButton(parent), tile_(tile) {
    setObjectName(QStringLiteral("SPuzzlePan%1").arg(tile));
    setProperty(kOwnFocusFrame, true);
    setProperty("tag", tile);
    setFocusPolicy(Qt::StrongFocus);
    setText(QStringLiteral("Puzzleteil %1").arg(tile + 1));
}

void PuzzleTile::setPart(const QImage& board, const QRect& part) {
    board_ = board;
    part_ = part;
    update();
}

void PuzzleTile::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.fillRect(rect(), Qt::white);
    // The part is cut to the tile's size; only a tile between a resize and the new parts
    // stretches it.
    painter.drawImage(QRect(1, 1, std::max(1, w - 4), std::max(1, h - 4)), board_, part_);
    // A raised edge of one pixel inside a black border.
    painter.setPen(ToQColor(MakeWinColor(128, 128, 128)));
    painter.drawLine(1, h - 2, w - 2, h - 2);
    painter.drawLine(w - 2, 1, w - 2, h - 2);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, w - 1, h - 1);
    if (hasFocus()) {
        painter.setPen(QPen(KeyboardFocusColour(), 3));
        painter.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}

void PuzzleTile::mousePressEvent(QMouseEvent* event) {
    // The tile moves as the button goes down, not when it is released.
    if (event->button() == Qt::LeftButton)
        emit tilePressed(tile_);
}

void PuzzleTile::mouseReleaseEvent(QMouseEvent*) {}

void PuzzleTile::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            emit tilePressed(tile_);
        return;
    default:
        // The arrow keys and everything else belong to the board.
        event->ignore();
    }
}

void PuzzleTile::keyReleaseEvent(QKeyEvent* event) {
    event->ignore();
}

PuzzlePanel::PuzzlePanel(RandomGenerator& random, QWidget* parent)
    : QWidget(parent), puzzle_(random) {
    setObjectName(QStringLiteral("SchiebepuzzlePan"));
    setProperty(kOwnFocusFrame, true);
    setAccessibleName(QStringLiteral("Schiebepuzzle"));
    setAccessibleDescription(
        QStringLiteral("Pfeiltasten schieben das Teil neben der Lücke hinein; Tab wählt ein "
                       "Teil, Leertaste schiebt es."));
    setFocusPolicy(Qt::StrongFocus);
    if (parent)
        parent->installEventFilter(this);
    followParent();
    hide();
}

bool PuzzlePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        followParent();
    return QWidget::eventFilter(watched, event);
}

void PuzzlePanel::followParent() {
    if (QWidget* area = parentWidget())
        setGeometry(area->rect().adjusted(9, 8, -8, -8));
}

PuzzleTile* PuzzlePanel::tile(int number) const {
    return number >= 0 && number < static_cast<int>(tiles_.size())
               ? tiles_[static_cast<size_t>(number)]
               : nullptr;
}

void PuzzlePanel::start(int tilesPerSide, bool neighboursOnly, const QImage& picture,
                        int64_t startTicks) {
    stop();
    // The format the painter draws without converting.
    picture_ = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    puzzle_.Start(tilesPerSide, neighboursOnly,
                  PuzzleBoardLayout(size(), picture_.size(), tilesPerSide), startTicks);
    const int n = puzzle_.size();
    for (int k = 0; k < n * n; ++k) {
        auto* tile = new PuzzleTile(k, this);
        connect(tile, &PuzzleTile::tilePressed, this, &PuzzlePanel::ClickTile);
        tile->setVisible(k != puzzle_.hiddenTile());
        tiles_.push_back(tile);
    }
    cutTiles();
    Place();
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
    update();
}

void PuzzlePanel::relayout() {
    if (!running())
        return;
    puzzle_.Relayout(PuzzleBoardLayout(size(), picture_.size(), puzzle_.size()));
    cutTiles();
    Place();
    update();
}

void PuzzlePanel::cutTiles() {
    // Each tile shows its source part one pixel inside its border. The parts are alike up
    // to a pixel of rounding, so one stretch of the whole picture by the first part's factors
    // serves them all and is far cheaper than stretching 36 parts one by one.
    const int n = puzzle_.size();
    const QRect first = PuzzleTileSource(picture_.size(), n, 0, 0);
    const QSize inner(std::max(1, puzzle_.tileRect(0).width() - 4),
                      std::max(1, puzzle_.tileRect(0).height() - 4));
    const double fx = static_cast<double>(inner.width()) / first.width();
    const double fy = static_cast<double>(inner.height()) / first.height();
    // The page picture is taken at the size of the work area, so the stretch is nearly 1:1
    // and a smoothing pass would change nothing a learner sees; a picture of another size is
    // smoothed.
    const auto nearOne = [](double f) { return f > 0.95 && f < 1.05; };
    board_ = picture_.scaled(std::max(1, qRound(picture_.width() * fx)),
                             std::max(1, qRound(picture_.height() * fy)), Qt::IgnoreAspectRatio,
                             nearOne(fx) && nearOne(fy) ? Qt::FastTransformation
                                                        : Qt::SmoothTransformation);
    for (PuzzleTile* tile : tiles_) {
        const int k = tile->tile();
        const QRect source = PuzzleTileSource(picture_.size(), n, k % n, k / n);
        const QPoint at(std::min(qRound(source.left() * fx), board_.width() - inner.width()),
                        std::min(qRound(source.top() * fy), board_.height() - inner.height()));
        tile->setPart(board_, QRect(QPoint(std::max(0, at.x()), std::max(0, at.y())), inner));
    }
}

void PuzzlePanel::Place() {
    const int n = puzzle_.size();
    for (PuzzleTile* tile : tiles_) {
        const int k = tile->tile();
        tile->setGeometry(puzzle_.tileRect(k));
        const bool movable = puzzle_.mayMove(k);
        tile->setCursor(movable ? Qt::PointingHandCursor : Qt::ArrowCursor);
        const QPoint place = puzzle_.placeOf(k);
        tile->setAccessibleDescription(
            QStringLiteral("Feld %1 von %2, Zeile %3, Spalte %4%5")
                .arg(place.y() * n + place.x() + 1)
                .arg(n * n)
                .arg(place.y() + 1)
                .arg(place.x() + 1)
                .arg(movable ? QStringLiteral(", verschiebbar") : QString()));
    }
}

void PuzzlePanel::ClickTile(int tile) {
    if (puzzle_.ClickTile(tile))
        afterMove(tile);
}

void PuzzlePanel::afterMove(int tile) {
    Place();
    // The tile and the gap it left, which the hidden tile now marks.
    update(puzzle_.tileRect(tile).united(puzzle_.tileRect(puzzle_.hiddenTile())));
    emit moved();
    if (puzzle_.solved())
        emit solved();
}

void PuzzlePanel::keyPressEvent(QKeyEvent* event) {
    if (!running()) {
        QWidget::keyPressEvent(event);
        return;
    }
    SlideDirection direction;
    switch (event->key()) {
    case Qt::Key_Left:
        direction = SlideDirection::Left;
        break;
    case Qt::Key_Right:
        direction = SlideDirection::Right;
        break;
    case Qt::Key_Up:
        direction = SlideDirection::Up;
        break;
    case Qt::Key_Down:
        direction = SlideDirection::Down;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const int tile = puzzle_.slide(direction);
    if (tile >= 0)
        afterMove(tile);
}

void PuzzlePanel::showHiddenTile() {
    if (PuzzleTile* hidden = tile(puzzle_.hiddenTile())) {
        hidden->setGeometry(puzzle_.tileRect(puzzle_.hiddenTile()));
        hidden->show();
        hidden->repaint();
    }
}

void PuzzlePanel::stop() {
    for (PuzzleTile* tile : tiles_) {
        tile->hide();
        // A tile's own press may have ended the game: let go of it after its event.
        tile->deleteLater();
    }
    tiles_.clear();
    hide();
}

void PuzzlePanel::resizeEvent(QResizeEvent*) {
    relayout();
}

void PuzzlePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(MakeWinColor(240, 240, 240)));
    if (!running())
        return;
    const QRect board = puzzle_.boardRect();
    painter.fillRect(board, ToQColor(MakeWinColor(219, 219, 212)));
    if (hasFocus()) {
        painter.setPen(QPen(KeyboardFocusColour(), 3));
        painter.drawRect(board.adjusted(-5, -5, 4, 4));
    }
}

PuzzleStatusPanel::PuzzleStatusPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("SPuzzleStatusPan"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    QFont bold = small;
    bold.setBold(true);
    int row = 0;
    const auto add = [&](const QString& label, const char* name) {
        auto* value = new QLabel(this);
        value->setObjectName(QString::fromLatin1(name));
        value->setFont(bold);
        auto* caption = new QLabel(label, this);
        caption->setBuddy(value);
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1, Qt::AlignRight);
        ++row;
        return value;
    };
    correct_ = add(QStringLiteral("Richtig:"), "RichtigValue");
    wrong_ = add(QStringLiteral("Falsch:"), "FalschValue");
    quota_ = add(QStringLiteral("Lösungsquote:"), "QuoteValue");
    moves_ = add(QStringLiteral("Züge:"), "ZuegeValue");
    grid->addWidget(new QLabel(QStringLiteral("Benötigte Zeit:"), this), row, 0, 1, 2);
    clock_ = new QLabel(this);
    clock_->setObjectName(QStringLiteral("ZeitValue"));
    QFont big = bold;
    big.setPointSize(14);
    clock_->setFont(big);
    grid->addWidget(clock_, row + 1, 0, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
}

void PuzzleStatusPanel::setStatus(const PuzzleStatusTexts& texts) {
    correct_->setText(texts.correct);
    wrong_->setText(texts.wrong);
    quota_->setText(texts.quota);
    moves_->setText(texts.moves);
    setClock(texts.time);
}

void PuzzleStatusPanel::setClock(const QString& text) {
    if (clock_->text() != text)
        clock_->setText(text);
}

} // namespace quindor
