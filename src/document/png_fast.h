#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

namespace quindor::png {

// The PNG flavour the program writes itself (8-bit RGBA, not interlaced) gets its own codec on
// libdeflate, which inflates and deflates about twice as fast as zlib; every other PNG goes
// through the general decoder.

// Decodes an 8-bit RGBA, non-interlaced PNG stream into an RGBA8888 image, inflating straight
// into the image's own buffer. False (and out untouched) when the stream is of another kind or
// damaged; the caller then tries the general decoder, which also produces the precise verdict.
// `writable`, when given, is the same bytes as `png`, which the decoder may then use as scratch
// space (to join the payloads of several IDAT chunks without a copy); they are unspecified
// afterwards.
bool DecodeRgba8(QByteArrayView png, QImage& out, char* writable = nullptr);

// Encodes RGBA8888 pixels as an 8-bit RGBA PNG with adaptive row filters and deflate level 5.
QByteArray EncodeRgba8(const QImage& rgba);

} // namespace quindor::png
