#include "app/app_resources.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace quindor {

namespace {

QPixmap Canvas() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPen Outline() {
    return QPen(Qt::white, 1.5);
}

QCursor ArrowWithBadge(const std::function<void(QPainter&)>& badge) {
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(1, 1);
    arrow.lineTo(1, 19);
    arrow.lineTo(6, 14);
    arrow.lineTo(10, 22);
    arrow.lineTo(13, 21);
    arrow.lineTo(9, 13);
    arrow.lineTo(15, 13);
    arrow.closeSubpath();
    p.setPen(Outline());
    p.setBrush(Qt::black);
    p.drawPath(arrow);
    badge(p);
    p.end();
    return QCursor(pixmap, 1, 1);
}

} // namespace

QCursor CursorTable::cursor(int slot) const {
    const auto made = cursors_.constFind(slot);
    if (made != cursors_.constEnd())
        return *made;
    const auto maker = makers_.constFind(slot);
    if (maker == makers_.constEnd())
        return QCursor(Qt::ArrowCursor);
    return cursors_[slot] = (*maker)();
}

void CursorTable::registerProgramCursors() {
    // Each cursor is drawn the first time a tool asks for it, not while the program starts.
    // DRAGBLACK: a black arrow carrying a small sheet.
    makers_[CursorLibraryDrag] = [] { return QCursor(Qt::DragMoveCursor); };
    makers_[CursorDrag] = [] {
        return ArrowWithBadge([](QPainter& p) {
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::white);
            p.drawRect(16, 18, 12, 9);
        });
    };
    // PFEILMOVE: an arrow with a four-way cross for moving cards.
    makers_[CursorMoveCard] = [] {
        return ArrowWithBadge([](QPainter& p) {
            p.setPen(QPen(Qt::black, 2));
            p.drawLine(17, 23, 29, 23);
            p.drawLine(23, 17, 23, 29);
        });
    };
    // RADIER32: an eraser block, hot spot at its lower left edge.
    makers_[CursorEraser] = [] {
        QPixmap pixmap = Canvas();
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(16, 16);
        p.rotate(-35);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0xF0, 0x8C, 0xA0));
        p.drawRect(-11, -6, 16, 12);
        p.setBrush(Qt::white);
        p.drawRect(5, -6, 7, 12);
        p.end();
        return QCursor(pixmap, 6, 24);
    };
    // TEXTEINGABE: an I-beam with serifs.
    makers_[CursorTextInput] = [] {
        QPixmap pixmap = Canvas();
        QPainter p(&pixmap);
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(16, 6, 16, 26);
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(16, 6, 16, 26);
        p.drawLine(12, 6, 20, 6);
        p.drawLine(12, 26, 20, 26);
        p.end();
        return QCursor(pixmap, 16, 16);
    };
    // HAND: an open hand for shifting the view.
    makers_[CursorHand] = [] {
        QPixmap pixmap = Canvas();
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
        for (int i = 0; i < 4; ++i)
            p.drawRoundedRect(QRectF(8 + i * 4.5, 4 + (i == 0 || i == 3 ? 3 : 0), 4, 14), 2, 2);
        p.drawRoundedRect(QRectF(3, 14, 6, 4), 2, 2);
        p.drawRoundedRect(QRectF(7, 14, 19, 14), 5, 5);
        p.end();
        return QCursor(pixmap, 16, 16);
    };
    // STIFT5: a pen, tip at the lower left.
    makers_[CursorPen] = [] {
        QPixmap pixmap = Canvas();
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0x2B, 0x5C, 0xB8));
        QPainterPath pen;
        pen.moveTo(1, 31);
        pen.lineTo(4, 22);
        pen.lineTo(24, 2);
        pen.lineTo(30, 8);
        pen.lineTo(10, 28);
        pen.closeSubpath();
        p.drawPath(pen);
        p.end();
        return QCursor(pixmap, 1, 31);
    };
    // STEMPEL: a stamp with its handle.
    makers_[CursorStamp] = [] {
        QPixmap pixmap = Canvas();
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0x8B, 0x5A, 0x2B));
        p.drawEllipse(QRectF(11, 1, 10, 8));
        p.drawRect(14, 8, 4, 10);
        p.setBrush(QColor(0xC0, 0x30, 0x30));
        p.drawRect(6, 18, 20, 6);
        p.end();
        return QCursor(pixmap, 16, 26);
    };
}

WindowPictures WindowPictures::create() {
    WindowPictures pictures;
    QImage background(64, 64, QImage::Format_RGB32);
    {
        QPainter p(&background);
        QLinearGradient gradient(0, 0, 0, 64);
        gradient.setColorAt(0.0, QColor(0xE4, 0xE9, 0xEE));
        gradient.setColorAt(1.0, QColor(0xCF, 0xD8, 0xE0));
        p.fillRect(background.rect(), gradient);
    }
    pictures.mainBackground = background;

    QImage board(160, 96, QImage::Format_ARGB32_Premultiplied);
    board.fill(Qt::transparent);
    {
        QPainter p(&board);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x8B, 0x5A, 0x2B), 5));
        p.setBrush(QColor(0x2F, 0x4F, 0x3F));
        p.drawRoundedRect(QRectF(4, 4, 152, 80), 4, 4);
        p.setPen(QPen(QColor(255, 255, 255, 200), 2));
        p.drawLine(24, 30, 90, 30);
        p.drawLine(24, 48, 120, 48);
        p.drawLine(24, 66, 70, 66);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF5, 0xF5, 0xF0));
        p.drawRect(110, 82, 18, 6);
    }
    pictures.boardPicture = board;

    // Panels take their colours from sample pixels of the pictures.
    pictures.windowColour = QColor(background.pixel(4, 4));
    pictures.learningPanelColour = QColor(background.pixel(4, 32));
    pictures.cardPanelColour = QColor(background.pixel(4, 60));
    pictures.infoPanelColour = QColor(0xFF, 0xFB, 0xE6);
    pictures.statusPanelColour = QColor(background.pixel(32, 16));
    return pictures;
}

} // namespace quindor
