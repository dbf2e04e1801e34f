#pragma once

#include "core/messages.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quindor {

// Picture files as the whiteboard writes and reads them. The extension decides the format,
// compared in lower case: ".jpg" JPEG (quality 99), ".png" PNG (compression level 5, with
// transparency), anything else a Windows bitmap.
enum class PictureFormat { Bitmap, Png, Jpeg };
PictureFormat PictureFormatOf(const QString& path);
// Whether the extension is one of ".bmp", ".png" and ".jpg".
bool HasPictureExtension(const QString& path);

QByteArray EncodePicture(const QImage& picture, PictureFormat format);
// "Datei konnte nicht erstellt werden:" and the path on a line of its own.
QString CannotCreateMessage(const QString& path);

// Writes the picture, replacing a file of that name as a whole; reports a failure.
bool WritePictureFile(const QImage& picture, const QString& path, Messages& messages);
// Writes the picture into a file of that name that must not exist yet; an existing file is
// left as it is and reported like any failure.
bool WriteNewPictureFile(const QImage& picture, const QString& path, Messages& messages);
// The picture of a file, null when it cannot be read.
QImage ReadPictureFile(const QString& path);

} // namespace quindor
