#include "core/rounding.h"
#include "document/document.h"
#include "layouts/cluster_layout.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace quindor {

namespace {

constexpr WinColor kMarkerFill = 0xE8ECEC;
constexpr WinColor kMarkerText = 0x0000FF;
const QColor kMarkerOutline(96, 96, 96);

// A colour chosen from the system's list is stored as its index with the top byte set; it
// shows in the colour that element has on this computer now.
QColor ResolveColour(WinColor c) {
    const uint32_t top = static_cast<uint32_t>(c) >> 24;
    if (top != 0x80 && top != 0xFF)
        return ToQColor(c);
    static constexpr QPalette::ColorRole kRoles[] = {
        QPalette::Button,
        QPalette::Window,
        QPalette::Highlight,
        QPalette::Mid,
        QPalette::Window,
        QPalette::Base,
        QPalette::Shadow,
        QPalette::WindowText,
        QPalette::Text,
        QPalette::HighlightedText,
        QPalette::Mid,
        QPalette::Mid,
        QPalette::Dark,
        QPalette::Highlight,
        QPalette::HighlightedText,
        QPalette::Button,
        QPalette::Dark,
        QPalette::PlaceholderText,
        QPalette::ButtonText,
        QPalette::WindowText,
        QPalette::Light,
        QPalette::Shadow,
        QPalette::Midlight,
        QPalette::ToolTipText,
        QPalette::ToolTipBase,
    };
    const size_t index = static_cast<size_t>(c & 0xFF);
    const QPalette::ColorRole role = index < std::size(kRoles) ? kRoles[index] : QPalette::Window;
    QColor colour = QGuiApplication::palette().color(role);
    colour.setAlpha(255);
    return colour;
}

void DrawMarker(QPainter& painter, QPoint centre, int radius, int pageWidth) {
    if (radius <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kMarkerOutline, 1));
    painter.setBrush(ToQColor(kMarkerFill));
    painter.drawEllipse(QRectF(centre.x() - radius + 0.5, centre.y() - radius + 0.5, 2 * radius - 1,
                               2 * radius - 1));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, RoundHalfEven(pageWidth / 870.0 * 20.0)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(ToQColor(kMarkerText));
    painter.drawText(QRect(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                     Qt::AlignCenter, QStringLiteral("?"));
    painter.restore();
}

} // namespace

void DrawBasketBackground(const Document& document, QPainter& painter, QSize page,
                          bool exerciseRunning) {
    const HeaderDataTyp& h = document.Header;
    if (h.DokTyp != DocumentType::Cluster || page.isEmpty())
        return;
    const ClusterGeometry g = ComputeClusterGeometry(h, page);
    if (g.baskets == 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int height = g.bottomEdge + 1 - g.top;
    for (int i = 0; i < g.baskets; ++i) {
        const ColumnDataTyp& column = h.Column(i);
        QColor colour = ResolveColour(column.Farbe);
        colour.setAlpha(RoundHalfEven(std::clamp(column.Deck, 0, 100) / 100.0 * 255.0));
        painter.fillRect(QRect(g.basketX(i), g.top, g.columnWidth, height), colour);
    }
    if (h.Linie == 1) {
        painter.setPen(QPen(ResolveColour(h.LinieCol), 1));
        for (int i = 1; i < g.baskets; ++i)
            painter.drawLine(g.basketX(i), g.top, g.basketX(i), g.bottomEdge - 1);
    }
    painter.restore();
    if (!exerciseRunning)
        return;
    const int radius = BasketMarkerRadius(page.width(), g.rows);
    const int y = RoundHalfEven(g.top + radius * 1.4);
    for (int i = 0; i < g.baskets; ++i) {
        const int x = g.left + RoundHalfEven(g.columnWidth * (i + 0.5));
        DrawMarker(painter, QPoint(x, y), radius, page.width());
    }
}

} // namespace quindor
