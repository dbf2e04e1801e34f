#include "whiteboard/picture_files.h"

#include "core/file_replace.h"
#include "document/png_codec.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

namespace quindor {

PictureFormat PictureFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("jpg"))
        return PictureFormat::Jpeg;
    if (suffix == QLatin1String("png"))
        return PictureFormat::Png;
    return PictureFormat::Bitmap;
}

bool HasPictureExtension(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("bmp") || suffix == QLatin1String("png") ||
           suffix == QLatin1String("jpg");
}

QByteArray EncodePicture(const QImage& picture, PictureFormat format) {
    if (picture.isNull())
        return {};
    if (format == PictureFormat::Png)
        return EncodePng(picture);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format == PictureFormat::Jpeg ? "jpg" : "bmp");
    if (format == PictureFormat::Jpeg)
        writer.setQuality(99);
    // Neither format keeps transparency; the picture is shown on white.
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, picture);
    }
    if (!writer.write(opaque))
        return {};
    return bytes;
}

QString CannotCreateMessage(const QString& path) {
    return QStringLiteral("Datei konnte nicht erstellt werden:\r\n") +
           QDir::toNativeSeparators(path);
}

bool WritePictureFile(const QImage& picture, const QString& path, Messages& messages) {
    const QByteArray bytes = EncodePicture(picture, PictureFormatOf(path));
    if (bytes.isEmpty() || !ReplaceFileContent(path, bytes)) {
        messages.error(CannotCreateMessage(path));
        return false;
    }
    return true;
}

bool WriteNewPictureFile(const QImage& picture, const QString& path, Messages& messages) {
    const QByteArray bytes = EncodePicture(picture, PictureFormatOf(path));
    if (bytes.isEmpty() || !WriteNewFile(path, bytes)) {
        messages.error(CannotCreateMessage(path));
        return false;
    }
    return true;
}

QImage ReadPictureFile(const QString& path) {
    const PictureFormat format = PictureFormatOf(path);
    QImageReader reader(path, format == PictureFormat::Jpeg  ? "jpg"
                              : format == PictureFormat::Png ? "png"
                                                             : "bmp");
    const QImage picture = reader.read();
    if (picture.isNull())
        return picture;
    return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace quindor
