#include "exercise/ui/uebung_pan.h"

#include "core/colour.h"
#include "core/rounding.h"
#include "document/installed_fonts.h"
#include "exercise/exercise_texts.h"
#include "exercise/normalised_text.h"
#include "view/learning_clicks.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QThread>

#include <cmath>

namespace quindor {

namespace {

constexpr int kCardWidth = 180;
constexpr int kCardHeight = 46;
bool IsPictureCard(const ObjDataTyp& o) {
    return IsPictureQueryKind(o.Typ) && (!o.Picture.isEmpty() || IsBasketOrPairPictureKind(o.Typ));
}

// The red frame around the target under a dragged card; the mouse goes through it.
class Highlight : public QWidget {
public:
    explicit Highlight(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("UebHighlight"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(ToQColor(MakeWinColor(255, 0, 0)), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
};

// Room around the text of an input field: one pixel of frame on every side, the two pixels
// QLineEdit keeps beside its text and the one above and below it, one pixel for the cursor.
constexpr int kFieldMarginX = 1 + 2;
constexpr int kFieldMarginY = 1 + 1;

QString FieldStyle(const QColor& fill, const QColor& text) {
    return QStringLiteral("QLineEdit { background: %1; color: %2; border: 1px solid #7878a0; "
                          "padding: 0px; }")
        .arg(fill.name(), text.name());
}

} // namespace

ExercisePanel::ExercisePanel(DocumentSession& session, ProgramState& state, ViewComposer& view,
                             QWidget* parent)
    : QWidget(parent), session_(session), state_(state), view_(view), banner_(new QLabel(this)),
      highlight_(new Highlight(this)) {
    setObjectName(QStringLiteral("UebungPan"));
    banner_->setObjectName(QStringLiteral("RiFaPan"));
    QFont font = InstalledFont(QStringLiteral("Arial"));
    font.setPixelSize(40);
    font.setBold(true);
    banner_->setFont(font);
    banner_->setAlignment(Qt::AlignCenter);
    banner_->hide();
    setMouseTracking(true);
    hide();
}

void ExercisePanel::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton && point.x() < documentAreaWidth_)
        emit pageClicked(point - pageRect().topLeft());
}

void ExercisePanel::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint() - pageRect().topLeft();
    const bool opens =
        ExerciseClickAt(view_, session_.document(), point).effect != ClickEffect::None;
    setCursor(opens ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

const DocumentTypeRow& ExercisePanel::documentType() const {
    return session_.header().Type();
}

QueryMode ExercisePanel::queryMode() const {
    return run_ ? run_->queryMode() : QueryMode::Free;
}

QRect ExercisePanel::pageRect() const {
    const QImage& display = view_.displayPicture();
    return QRect(QPoint(std::max(0, (documentAreaWidth_ - display.width()) / 2), 0),
                 display.size());
}

QPoint ExercisePanel::pageToPanel(double fx, double fy) const {
    const ViewGeometry& g = view_.geometry();
    const QPoint image(RoundHalfEven(fx * g.PageImageSize.width()),
                       RoundHalfEven(fy * g.PageImageSize.height()));
    return image - g.ViewOrigin + pageRect().topLeft();
}

QPointF ExercisePanel::panelToPage(QPointF point) const {
    const ViewGeometry& g = view_.geometry();
    const QPointF image = point - QPointF(pageRect().topLeft()) + QPointF(g.ViewOrigin);
    return {image.x() / std::max(1, g.PageImageSize.width()),
            image.y() / std::max(1, g.PageImageSize.height())};
}

QWidget* ExercisePanel::elementPanel(int panel) const {
    if (const auto it = cards_.find(panel); it != cards_.end())
        return it->second;
    if (const auto it = fields_.find(panel); it != fields_.end())
        return it->second;
    return nullptr;
}

int ExercisePanel::numberOf(const QWidget* panel) const {
    for (const auto& [number, card] : cards_) {
        if (card == panel)
            return number;
    }
    return -1;
}

bool ExercisePanel::showSettingsDialog() {
    return dialogs_.settings && dialogs_.settings();
}

QString ExercisePanel::askLearnerName() {
    return dialogs_.learnerName ? dialogs_.learnerName() : QString();
}

ResultChoice ExercisePanel::showResult(const UebDataTyp& run) {
    return dialogs_.result ? dialogs_.result(run) : ResultChoice{};
}

void ExercisePanel::protocolFinished(const QString& protocol) {
    emit protocolCompleted(protocol);
}

void ExercisePanel::enterExercise() {
    view_.setExerciseQuery(queryMode(), -1);
    // The page of a run differs from the learning view's even in an area of the same size.
    freshView_ = true;
    emit entered();
    show();
    raise();
}

void ExercisePanel::leaveExercise() {
    hide();
    emit left();
}

void ExercisePanel::createElementPanels(const std::vector<QueryPair>& list) {
    removeElementPanels();
    list_ = list;
    inputShown_ = false;
    singleCard_ = -1;
    const Document& document = session_.document();
    if (panelsOnPage()) {
        createPagePanels();
        documentAreaWidth_ = width() - 185;
        return;
    }
    if (run_ && run_->inputMode()) {
        for (size_t i = 0; i < list_.size(); ++i) {
            auto* field = new QLineEdit(this);
            field->setObjectName(QStringLiteral("UebElemPan%1").arg(i));
            field->setAccessibleName(QString::number(i + 1));
            field->setMaxLength(255);
            field->setStyleSheet(FieldStyle(InputFieldColour(), ToQColor(MakeWinColor(0, 0, 255))));
            field->installEventFilter(this);
            fields_[static_cast<int>(i)] = field;
        }
        for (int i = 0; i < document.ObjectCount(); ++i) {
            if (document.Object(i).Typ != ObjectKind::ChoiceOk)
                continue;
            ok_ = new ElementPanel(QStringLiteral("UebElemPan%1").arg(i), this);
            ok_->setCaption(QStringLiteral("OK"));
            ok_->setCursor(Qt::PointingHandCursor);
            connect(ok_, &ElementPanel::released, this, [this] {
                if (run_)
                    run_->CheckAction(-1);
            });
            break;
        }
        documentAreaWidth_ = width() - 185;
        return;
    }
    for (int i = static_cast<int>(list_.size()) - 1; i >= 0; --i) {
        const ObjDataTyp& o = document.Object(list_[static_cast<size_t>(i)].CardObject);
        auto* card = new ElementPanel(QStringLiteral("UebElemPan%1").arg(i), this);
        int height = kCardHeight;
        if (IsPictureCard(o)) {
            card->setPicture(o.Picture);
            card->setAccessibleName(QStringLiteral("Bildkärtchen ") + o.Cap);
            const QSize picture = o.Picture.Image.size();
            if (o.BildkarteAnpassen && picture.height() > kCardHeight - 4)
                height =
                    std::max(kCardHeight, RoundHalfEven((kCardWidth - 44.0) * picture.height() /
                                                            std::max(1, picture.width()) +
                                                        4));
        } else {
            card->setCaption(NormaliseText(o.Cap));
        }
        card->resize(kCardWidth, height);
        card->setCursor(cardCursor_);
        connect(card, &ElementPanel::pressed, this, &ExercisePanel::cardPressed);
        connect(card, &ElementPanel::moved, this, &ExercisePanel::cardMoved);
        connect(card, &ElementPanel::released, this, &ExercisePanel::cardReleased);
        card->show();
        card->raise();
        cards_[i] = card;
    }
    stackCards();
}

void ExercisePanel::removeElementPanels() {
    // A panel may be the one whose release ended the run: let go of it after its event.
    for (auto& [index, card] : cards_) {
        card->hide();
        card->deleteLater();
    }
    for (auto& [index, field] : fields_) {
        field->hide();
        field->deleteLater();
    }
    if (ok_) {
        ok_->hide();
        ok_->deleteLater();
    }
    cards_.clear();
    fields_.clear();
    answerSlots_.clear();
    ok_ = nullptr;
    marked_ = -1;
    highlight_->hide();
    banner_->hide();
    if (tickCount_)
        tickCount_->hide();
}

void ExercisePanel::stackCards() {
    int stackLeft = width() - kCardWidth;
    int stackBottom = height() - 2;
    int bottom = stackBottom;
    bool first = true;
    // The cards stand one above the other, 2 pixels apart, the first entry's at the top. A
    // column that would reach within 100 pixels of the top goes on in a new stack, 12 pixels
    // further left and 7 higher, in front of the last.
    for (auto it = cards_.rbegin(); it != cards_.rend(); ++it) {
        ElementPanel* card = it->second;
        if (card->isHidden())
            continue;
        if (!first && bottom - card->height() < 100) {
            stackLeft -= 12;
            stackBottom -= 7;
            bottom = stackBottom;
        }
        first = false;
        card->move(stackLeft, bottom - card->height());
        card->raise();
        bottom -= card->height() + 2;
    }
    documentAreaWidth_ = stackLeft - 5;
}

void ExercisePanel::placeSingleCard(ElementPanel* card) {
    card->move(width() - kCardWidth, (height() - card->height()) / 2);
    card->raise();
    documentAreaWidth_ = width() - 185;
}

void ExercisePanel::layoutElementPanels() {
    if (!run_)
        return;
    if (panelsOnPage()) {
        layoutPagePanels();
    } else if (run_->inputMode()) {
        documentAreaWidth_ = width() - 185;
        if (inputShown_)
            layoutInputFields(false);
    } else if (run_->data().AbfrageModusItemIndex == 1 && cards_.count(singleCard_)) {
        placeSingleCard(cards_[singleCard_]);
    } else {
        stackCards();
    }
}

void ExercisePanel::presentCard(int listIndex) {
    for (auto& [index, card] : cards_)
        card->setVisible(index == listIndex);
    singleCard_ = listIndex;
    const int before = documentAreaWidth_;
    if (cards_.count(listIndex))
        placeSingleCard(cards_[listIndex]);
    if (documentAreaWidth_ != before)
        redrawView();
}

void ExercisePanel::presentInput() {
    documentAreaWidth_ = width() - 185;
    redrawView();
    layoutInputFields(!inputShown_);
    inputShown_ = true;
}

void ExercisePanel::layoutInputFields(bool firstTime) {
    const Document& document = session_.document();
    const double s = view_.pageImage().width() / 870.0;
    for (auto& [index, field] : fields_) {
        const ObjDataTyp& t = document.Object(list_[static_cast<size_t>(index)].TargetObject);
        QFont font(document.FontName);
        const int pixels = t.Typ == ObjectKind::Gap ? std::abs(document.Header.GapFontHeight)
                                                    : RoundHalfEven((2.0 * t.Fsize + 22.0) * s);
        font.setPixelSize(std::max(1, pixels));
        field->setFont(font);
        const QFontMetrics m(font);
        const QString caption = NormaliseText(t.Cap);
        const int w =
            std::max({m.horizontalAdvance(QStringLiteral(" XX")),
                      m.horizontalAdvance(QLatin1Char(' ') + caption),
                      m.horizontalAdvance(QLatin1Char(' ') +
                                          QString(std::max(0, document.Header.MinLuecke), u'X'))}) -
            2;
        const int h = m.height();
        const QPoint p = pageToPanel(t.Kx, t.Ky);
        const int lift = RoundHalfEven(2 * s);
        QPoint topLeft;
        if (t.Typ == ObjectKind::Gap) {
            topLeft = {p.x() - (w + 1) / 2, p.y() - h - 4 - 2 * RoundHalfEven(s)};
        } else {
            switch (t.KAusrAkt) {
            case 2:
                topLeft = {p.x() - (w + 1) / 2, p.y() - h - lift};
                break;
            case 3:
                topLeft = {p.x() - w, p.y() - RoundHalfEven(h / 2.0)};
                break;
            case 4:
                topLeft = {p.x() - (w + 1) / 2, p.y() + lift};
                break;
            default:
                topLeft = {p.x(), p.y() - RoundHalfEven(h / 2.0)};
                break;
            }
        }
        // w and h are the text's; the frame, the edit's own text margins and the cursor come
        // on top, centred on that text box, so the whole answer stays in view.
        const QRect text(topLeft, QSize(std::max(1, w), h));
        field->setGeometry(
            text.adjusted(-kFieldMarginX, -kFieldMarginY, kFieldMarginX + 1, kFieldMarginY));
        if (firstTime && run_ && run_->data().AnzZeichenVorgeben) {
            field->setText(QStringLiteral("<%1>").arg(caption.size()));
            field->setStyleSheet(
                FieldStyle(InputFieldColour(), ToQColor(MakeWinColor(128, 128, 128))));
        }
        field->show();
        field->raise();
    }
    if (ok_) {
        const int side = RoundHalfEven(view_.pageImage().width() * 34.0 / 870.0);
        ok_->setGeometry(width() - 1 - kCardWidth, height() - 1 - side, kCardWidth, side);
        ok_->show();
        ok_->raise();
    }
}

bool ExercisePanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* field = qobject_cast<QLineEdit*>(watched)) {
            const QString text = field->text();
            if (text.startsWith(u'<') && text.endsWith(u'>')) {
                field->clear();
                field->setStyleSheet(
                    FieldStyle(InputFieldColour(), ToQColor(MakeWinColor(0, 0, 255))));
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ExercisePanel::hidePanel(int number) {
    if (QWidget* panel = elementPanel(number))
        panel->hide();
}

void ExercisePanel::hideAnswerPanels() {
    for (auto& [number, card] : cards_)
        card->hide();
}

void ExercisePanel::removePanel(int number) {
    if (const auto it = cards_.find(number); it != cards_.end()) {
        it->second->hide();
        it->second->deleteLater();
        cards_.erase(it);
    }
}

void ExercisePanel::setPanelLook(int number, PanelLook look) {
    if (const auto it = cards_.find(number); it != cards_.end()) {
        it->second->setFill(look == PanelLook::Right   ? RightFillColour()
                            : look == PanelLook::Wrong ? WrongFillColour()
                                                       : CardFillColour());
    }
}

void ExercisePanel::slideHome(int listIndex) {
    const auto it = cards_.find(listIndex);
    if (it == cards_.end())
        return;
    ElementPanel* card = it->second;
    const QPoint from = card->pos();
    const QPoint to = card->home();
    const QPoint d = to - from;
    // At least one step, also when the card moved by a pixel or less.
    const int steps = std::max(1, RoundHalfEven(std::sqrt(d.x() * d.x() + d.y() * d.y()) / 2.0));
    for (int k = 1; k <= steps; ++k) {
        card->move(from + d * (static_cast<double>(k) / steps));
        if (pauseScale_ > 0) {
            card->repaint();
            QThread::usleep(static_cast<unsigned long>(1000 * pauseScale_));
        }
    }
}

QString ExercisePanel::fieldText(int listIndex) {
    const auto it = fields_.find(listIndex);
    return it == fields_.end() ? QString() : it->second->text();
}

bool ExercisePanel::fieldVisible(int listIndex) {
    const auto it = fields_.find(listIndex);
    return it != fields_.end() && !it->second->isHidden();
}

void ExercisePanel::setFieldLook(int listIndex, PanelLook look) {
    if (const auto it = fields_.find(listIndex); it != fields_.end()) {
        const QColor fill = look == PanelLook::Right   ? RightFillColour()
                            : look == PanelLook::Wrong ? WrongFillColour()
                                                       : InputFieldColour();
        it->second->setStyleSheet(FieldStyle(fill, ToQColor(MakeWinColor(0, 0, 255))));
    }
}

void ExercisePanel::showBanner(Banner banner) {
    if (banner == Banner::None) {
        banner_->hide();
        if (tickCount_)
            tickCount_->hide();
        return;
    }
    const bool right = banner == Banner::Right;
    banner_->setText(right ? QStringLiteral("Richtig!") : QStringLiteral("Falsch!"));
    QPalette palette = banner_->palette();
    palette.setColor(QPalette::WindowText,
                     ToQColor(right ? MakeWinColor(0, 128, 0) : MakeWinColor(255, 0, 0)));
    banner_->setPalette(palette);
    banner_->show();
    banner_->raise();
    banner_->repaint();
}

void ExercisePanel::drawInstruction() {
    banner_->setGeometry(documentAreaWidth_ + 5, 50, std::max(0, width() - documentAreaWidth_ - 8),
                         56);
    banner_->hide();
    if (tickCount_) {
        placeTickCount();
        tickCount_->hide();
    }
    update();
}

void ExercisePanel::placeTickCount() {
    tickCount_->move(documentAreaWidth_ + 5, 50);
    tickCount_->resize(std::max(0, width() - documentAreaWidth_ - 8),
                       tickCount_->sizeHint().height());
}

void ExercisePanel::clearHighlight() {
    highlight_->hide();
}

void ExercisePanel::showHighlight(int object) {
    const FracRect& r = session_.document().Object(object).CardRect;
    const QRect area(pageToPanel(r.Left, r.Top), pageToPanel(r.Right, r.Bottom));
    highlight_->setGeometry(area.adjusted(-4, -4, 4, 4));
    highlight_->show();
    highlight_->raise();
}

void ExercisePanel::markTarget(int object) {
    marked_ = object;
    view_.setExerciseQuery(queryMode(), object);
    update();
}

void ExercisePanel::redrawObject(int object) {
    view_.RedrawObject(object);
    update();
}

void ExercisePanel::redrawView() {
    composeForArea();
    update();
}

void ExercisePanel::composeForArea() {
    const QSize area(documentAreaWidth_, height());
    if (area.width() <= 0 || area.height() <= 0)
        return;
    if (freshView_ || view_.pictureArea() != area) {
        view_.ComposeView(area);
        freshView_ = false;
    } else {
        // Only object states changed (a query solved, another question shown).
        view_.RecomposeObjects();
    }
}

void ExercisePanel::refreshClock(const QString& label, const QString& text, bool visible) {
    emit clockChanged(label, text, visible);
}

void ExercisePanel::refreshStatistics(const UebDataTyp& run) {
    emit statisticsChanged(run);
}

void ExercisePanel::pause(int milliseconds) {
    repaint();
    if (pauseWatcher_)
        pauseWatcher_(milliseconds);
    if (pauseScale_ > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds * pauseScale_));
}

void ExercisePanel::cardPressed(ElementPanel*, QPoint local) {
    pressOffset_ = local;
}

void ExercisePanel::cardMoved(ElementPanel* card, QPoint parentPoint) {
    if (!run_)
        return;
    // Kept inside the panel; the press point moves along, so the card follows the mouse
    // again as soon as it turns back.
    QPoint topLeft = parentPoint - pressOffset_;
    topLeft.setX(std::clamp(topLeft.x(), 0, std::max(0, width() - card->width())));
    topLeft.setY(std::clamp(topLeft.y(), 0, std::max(0, height() - card->height())));
    pressOffset_ = parentPoint - topLeft;
    card->move(topLeft);
    const QRectF rect(panelToPage(topLeft),
                      panelToPage(topLeft + QPoint(card->width(), card->height())));
    const QPointF leftMid = panelToPage(QPointF(topLeft.x(), topLeft.y() + card->height() / 2.0));
    const int target = run_->FindDropTarget(leftMid, rect);
    if (target >= 0 && documentType().baskets)
        showBasketHighlight(target);
    else if (target >= 0)
        showHighlight(target);
}

void ExercisePanel::cardReleased(ElementPanel* card) {
    if (!run_ || card->isHidden())
        return;
    const int number = numberOf(card);
    if (number >= 0)
        run_->panelReleased(number);
}

void ExercisePanel::resizeEvent(QResizeEvent*) {
    if (isHidden() || state_.ViewMode != Mode::Exercise)
        return;
    layoutElementPanels();
    redrawView();
    drawInstruction();
}

void ExercisePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(pageRect().topLeft(), view_.displayPicture());
    if (marked_ >= 0 && marked_ < session_.document().ObjectCount()) {
        const FracRect& r = session_.document().Object(marked_).CardRect;
        painter.setPen(QPen(ToQColor(MakeWinColor(255, 128, 0)), 3));
        painter.drawRect(QRect(pageToPanel(r.Left, r.Top), pageToPanel(r.Right, r.Bottom))
                             .adjusted(-3, -3, 3, 3));
    }
    painter.fillRect(QRect(documentAreaWidth_, 0, 3, height()),
                     ToQColor(MakeWinColor(225, 225, 217)));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(documentAreaWidth_ + 5, 1, width() - documentAreaWidth_ - 5, height()),
                     Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                     InstructionText(session_.header().DokTyp, queryMode()));
}

} // namespace quindor
