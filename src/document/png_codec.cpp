#include "document/png_codec.h"

#include "document/png_fast.h"

#include <spng.h>

#include <QtEndian>

#include <cstring>
#include <memory>

namespace quindor {

namespace {

constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Deflate cannot expand data by more than about 1032:1.
constexpr qint64 kMaxInflateRatio = 1032;
constexpr uint32_t kMaxDimension = 1u << 15;

struct ContextDeleter {
    void operator()(spng_ctx* ctx) const { spng_ctx_free(ctx); }
};
using Context = std::unique_ptr<spng_ctx, ContextDeleter>;

} // namespace

qsizetype PngStreamLength(QByteArrayView data) {
    if (data.size() < 8 || std::memcmp(data.data(), kSignature, 8) != 0)
        return -1;
    qsizetype pos = 8;
    while (true) {
        if (data.size() - pos < 12)
            return -1;
        const uint32_t length = qFromBigEndian<uint32_t>(data.data() + pos);
        if (length > 0x7FFFFFFFu || static_cast<qsizetype>(length) > data.size() - pos - 12)
            return -1;
        const bool end = std::memcmp(data.data() + pos + 4, "IEND", 4) == 0;
        pos += 12 + static_cast<qsizetype>(length);
        if (end)
            return pos;
    }
}

namespace {

// Sum of the IDAT payloads, to bound what the image can claim to decode to.
qint64 CompressedImageBytes(QByteArrayView png) {
    qint64 total = 0;
    qsizetype pos = 8;
    while (png.size() - pos >= 12) {
        const uint32_t length = qFromBigEndian<uint32_t>(png.data() + pos);
        if (std::memcmp(png.data() + pos + 4, "IDAT", 4) == 0)
            total += length;
        pos += 12 + static_cast<qsizetype>(length);
    }
    return total;
}

// Size of the filtered scanlines the IDAT stream must inflate to (non-interlaced layout).
qint64 RawImageBytes(const spng_ihdr& ihdr) {
    int channels = 1;
    switch (ihdr.color_type) {
    case SPNG_COLOR_TYPE_TRUECOLOR:
        channels = 3;
        break;
    case SPNG_COLOR_TYPE_GRAYSCALE_ALPHA:
        channels = 2;
        break;
    case SPNG_COLOR_TYPE_TRUECOLOR_ALPHA:
        channels = 4;
        break;
    default:
        break;
    }
    const qint64 bits = static_cast<qint64>(ihdr.width) * channels * ihdr.bit_depth;
    return ((bits + 7) / 8 + 1) * static_cast<qint64>(ihdr.height);
}

} // namespace

bool DecodePng(QByteArrayView png, Picture& out, char* writable) {
    // The program's own pictures take the fast path; the general decoder reads the rest. The
    // fast path refuses before it changes anything, so the general decoder sees the bytes intact.
    QImage fast;
    if (png::DecodeRgba8(png, fast, writable)) {
        out.Image = std::move(fast);
        out.Blended = true;
        out.Linear = true;
        return true;
    }
    Context ctx(spng_ctx_new(0));
    if (!ctx)
        return false;
    spng_set_image_limits(ctx.get(), kMaxDimension, kMaxDimension);
    spng_set_chunk_limits(ctx.get(), 1u << 26, 1u << 26);
    // Ancillary chunks with a bad checksum are dropped rather than failing the picture.
    spng_set_crc_action(ctx.get(), SPNG_CRC_ERROR, SPNG_CRC_DISCARD);
    if (spng_set_png_buffer(ctx.get(), png.data(), static_cast<size_t>(png.size())) != 0)
        return false;

    spng_ihdr ihdr{};
    if (spng_get_ihdr(ctx.get(), &ihdr) != 0 || ihdr.width == 0 || ihdr.height == 0)
        return false;
    if (RawImageBytes(ihdr) > CompressedImageBytes(png) * kMaxInflateRatio + 4096)
        return false;

    size_t size = 0;
    if (spng_decoded_image_size(ctx.get(), SPNG_FMT_RGBA8, &size) != 0)
        return false;
    const bool alphaChannel = ihdr.color_type == SPNG_COLOR_TYPE_GRAYSCALE_ALPHA ||
                              ihdr.color_type == SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
    spng_trns trns{};
    const bool hasTrns = spng_get_trns(ctx.get(), &trns) == 0;

    QImage image(static_cast<int>(ihdr.width), static_cast<int>(ihdr.height),
                 alphaChannel ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888);
    if (image.isNull() || static_cast<size_t>(image.sizeInBytes()) != size)
        return false;
    // Without SPNG_DECODE_TRNS a tRNS chunk leaves every pixel opaque: only an alpha channel
    // carries transparency into the picture.
    if (spng_decode_image(ctx.get(), image.bits(), size, SPNG_FMT_RGBA8, 0) != 0)
        return false;
    out.Image = std::move(image);
    out.Blended = alphaChannel || hasTrns;
    out.Linear = true;
    return true;
}

QByteArray EncodePng(const QImage& source) {
    if (source.isNull())
        return QByteArray();
    return png::EncodeRgba8(source.convertToFormat(QImage::Format_RGBA8888));
}

} // namespace quindor
