#pragma once

#include "document/picture.h"

#include <QByteArray>
#include <QByteArrayView>

namespace quindor {

// Length of the one PNG stream at the start of data: the signature and every chunk up to and
// including IEND. -1 when data does not start with a complete, well-formed chunk sequence.
qsizetype PngStreamLength(QByteArrayView data);

// Decodes one PNG stream (as delimited by PngStreamLength). Colours are always taken; the
// per-pixel alpha only for colour types 4 and 6. Pictures with an alpha channel or a tRNS
// chunk are marked blended, every picture is marked for linear resampling. Refuses pictures
// whose decoded size the compressed data could not possibly produce. False on any error.
// `writable`, when given, is the same bytes as `png`, lent as scratch space: they are
// unspecified afterwards.
bool DecodePng(QByteArrayView png, Picture& out, char* writable = nullptr);

// Encodes a picture as 8-bit RGBA (colour type 6), zlib level 5. Empty on failure.
QByteArray EncodePng(const QImage& image);

} // namespace quindor
