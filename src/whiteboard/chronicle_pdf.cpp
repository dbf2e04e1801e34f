#include "whiteboard/chronicle_pdf.h"

#include "whiteboard/picture_files.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace quindor {

QByteArray ChroniclePdf(const std::vector<ChronicleEntry>& entries, int* missing) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(QStringLiteral("Chronik"));
    writer.setCreator(QStringLiteral("Quindor"));
    writer.setResolution(150);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QPainter painter;
    int pages = 0;
    int unreadable = 0;
    for (const ChronicleEntry& entry : entries) {
        const QImage picture = ReadPictureFile(entry.path);
        if (picture.isNull()) {
            ++unreadable;
            continue;
        }
        if (pages == 0 ? !painter.begin(&writer) : !writer.newPage())
            return {};
        ++pages;
        const QRect page = painter.viewport();
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(14);
        painter.setFont(font);
        const int heading = painter.fontMetrics().height() * 2;
        painter.drawText(QRect(page.left(), page.top(), page.width(), heading),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         entry.caption() + QStringLiteral(" \u2013 ") +
                             entry.filed.date().toString(QStringLiteral("dd.MM.yyyy")));
        const QRect room = page.adjusted(0, heading, 0, 0);
        QSize size = picture.size().scaled(room.size(), Qt::KeepAspectRatio);
        const QRect target(QPoint(room.left() + (room.width() - size.width()) / 2, room.top()),
                           size);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, picture);
    }
    if (missing)
        *missing = unreadable;
    if (pages == 0)
        return {};
    painter.end();
    buffer.close();
    return bytes;
}

} // namespace quindor
