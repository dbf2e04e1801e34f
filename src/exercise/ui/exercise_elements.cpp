#include "exercise/ui/exercise_elements.h"

#include "core/colour.h"
#include "document/installed_fonts.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>

namespace quindor {

QColor CardFillColour() {
    return ToQColor(MakeWinColor(255, 243, 144));
}

QColor RightFillColour() {
    return ToQColor(MakeWinColor(155, 255, 143));
}

QColor WrongFillColour() {
    return ToQColor(MakeWinColor(255, 150, 143));
}

QColor InputFieldColour() {
    return ToQColor(MakeWinColor(238, 238, 255));
}

namespace {

QFont CardFont(int points) {
    static const QFont arial = InstalledFont(QStringLiteral("Arial"));
    QFont font = arial;
    font.setPointSize(points);
    font.setBold(true);
    return font;
}

constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;

} // namespace

int FitCardFontPoints(const QString& caption, QSize card) {
    const QRect area(0, 0, card.width() - 4, card.height());
    for (int points = 11; points > 7; --points) {
        const QRect needed = QFontMetrics(CardFont(points)).boundingRect(area, kTextFlags, caption);
        if (needed.width() <= area.width() && needed.height() <= area.height())
            return points;
    }
    return 7;
}

ElementPanel::ElementPanel(const QString& name, QWidget* parent)
    : QFrame(parent), fill_(CardFillColour()) {
    setObjectName(name);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(false);
}

void ElementPanel::setCaption(const QString& caption) {
    caption_ = caption;
    setAccessibleName(caption);
    update();
}

void ElementPanel::setText(const QString& text) {
    caption_ = text;
    update();
}

void ElementPanel::setPicture(const Picture& picture) {
    picture_ = picture.Image;
    update();
}

void ElementPanel::setFill(const QColor& fill) {
    fill_ = fill;
    repaint();
}

void ElementPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), fill_);
    // A raised look: light top and left, dark bottom and right inside the black border.
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(fill_.lighter(130));
    painter.drawLine(1, 1, width() - 2, 1);
    painter.drawLine(1, 1, 1, height() - 2);
    painter.setPen(fill_.darker(140));
    painter.drawLine(1, height() - 2, width() - 2, height() - 2);
    painter.drawLine(width() - 2, 1, width() - 2, height() - 2);
    if (!picture_.isNull()) {
        const QRect area = rect().adjusted(1, 1, -1, -1);
        const QSize scaled = picture_.size().scaled(area.size(), Qt::KeepAspectRatio);
        QRect target(QPoint(0, 0), scaled);
        target.moveCenter(area.center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, picture_);
        return;
    }
    painter.setFont(CardFont(FitCardFontPoints(caption_, size())));
    painter.setPen(ToQColor(MakeWinColor(33, 32, 31)));
    painter.drawText(rect().adjusted(2, 0, -2, 0), kTextFlags, caption_);
}

void ElementPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    raise();
    home_ = pos();
    dragged_ = false;
    emit pressed(this, event->position().toPoint());
}

void ElementPanel::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    dragged_ = true;
    emit moved(this, mapToParent(event->position().toPoint()));
}

void ElementPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit released(this);
}

TickCountPanel::TickCountPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("RiFaPan3"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    QFont heading = InstalledFont(QStringLiteral("Arial"));
    heading.setPixelSize(15);
    heading.setBold(true);
    auto* title = new QLabel(QStringLiteral("Antwort-Häkchen"), this);
    title->setFont(heading);
    grid->addWidget(title, 0, 0, 1, 2);
    QFont counts = InstalledFont(QStringLiteral("Arial"));
    counts.setPixelSize(21);
    counts.setBold(true);
    const struct {
        const char* label;
        WinColor colour;
    } rows[] = {{"Richtig:", MakeWinColor(0, 128, 0)},
                {"Falsch:", MakeWinColor(255, 0, 0)},
                {"Fehlend:", MakeWinColor(255, 128, 0)}};
    for (int row = 0; row < 3; ++row) {
        auto* label = new QLabel(QString::fromUtf8(rows[row].label), this);
        auto* number = new QLabel(this);
        for (QLabel* l : {label, number}) {
            l->setFont(counts);
            QPalette palette = l->palette();
            palette.setColor(QPalette::WindowText, ToQColor(rows[row].colour));
            l->setPalette(palette);
        }
        grid->addWidget(label, row + 1, 0);
        grid->addWidget(number, row + 1, 1);
        numbers_[static_cast<size_t>(row)] = number;
    }
    grid->setColumnStretch(1, 1);
    hide();
}

void TickCountPanel::setCounts(const TickCount& ticks) {
    numbers_[0]->setText(QString::number(ticks.right));
    numbers_[1]->setText(QString::number(ticks.wrong));
    numbers_[2]->setText(QString::number(ticks.missing));
}

} // namespace quindor
