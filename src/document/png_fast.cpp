#include "document/png_fast.h"

#include <libdeflate.h>

#include <QtEndian>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quindor::png {

namespace {

constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr int kBytesPerPixel = 4;
// Joining the IDAT payloads in the caller's buffer keeps what lay between them aside; beyond
// this much (large ancillary chunks between the IDATs) a separate buffer is cheaper.
constexpr qsizetype kMaxInPlaceGapBytes = 1 << 20;
constexpr size_t kMaxIdatChunk = 0x7FFFFFFF;

struct DecompressorDeleter {
    void operator()(libdeflate_decompressor* d) const { libdeflate_free_decompressor(d); }
};
struct CompressorDeleter {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

uint32_t ChunkCrc(const char* typeAndData, size_t size) {
    return libdeflate_crc32(0, typeAndData, size);
}

[[maybe_unused]] inline uint8_t PaethPredictor(int a, int b, int c) {
    const int pa = std::abs(b - c);
    const int pb = std::abs(a - c);
    const int pc = std::abs(a + b - 2 * c);
    if (pa <= pb && pa <= pc)
        return static_cast<uint8_t>(a);
    return static_cast<uint8_t>(pb <= pc ? b : c);
}

#if defined(__SSE2__)
inline __m128i LoadPixel(const uint8_t* p) {
    int32_t v;
    std::memcpy(&v, p, 4);
    return _mm_unpacklo_epi8(_mm_cvtsi32_si128(v), _mm_setzero_si128());
}

inline void StorePixel(uint8_t* p, __m128i v16) {
    const int32_t v = _mm_cvtsi128_si32(_mm_packus_epi16(v16, v16));
    std::memcpy(p, &v, 4);
}

inline __m128i Abs16(__m128i v) {
    return _mm_max_epi16(v, _mm_sub_epi16(_mm_setzero_si128(), v));
}
#endif

// The row reconstructions read the filtered row at `in` and write the pixels to `out`, which
// lies at or before `in` in the same buffer (rows move up by one filter byte each): every step
// loads its bytes of `in` before it stores over them, so working forwards is safe. `prior` is
// the reconstructed row above (zeros for the first row).

void UnfilterNone(uint8_t* out, const uint8_t* in, size_t size) {
    std::memmove(out, in, size);
}

void UnfilterSub(uint8_t* out, const uint8_t* in, size_t size) {
    uint32_t a = 0;
    for (size_t i = 0; i < size; i += kBytesPerPixel) {
        uint32_t v;
        std::memcpy(&v, in + i, 4);
        // four byte-wise additions without carries between the lanes
        const uint32_t sum = ((v & 0x7F7F7F7Fu) + (a & 0x7F7F7F7Fu)) ^ ((v ^ a) & 0x80808080u);
        std::memcpy(out + i, &sum, 4);
        a = sum;
    }
}

void UnfilterUp(uint8_t* out, const uint8_t* in, const uint8_t* prior, size_t size) {
    size_t i = 0;
#if defined(__SSE2__)
    for (; i + 16 <= size; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(prior + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_add_epi8(v, b));
    }
#endif
    for (; i < size; ++i)
        out[i] = static_cast<uint8_t>(in[i] + prior[i]);
}

void UnfilterAverage(uint8_t* out, const uint8_t* in, const uint8_t* prior, size_t size) {
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    __m128i a = zero;
    for (size_t i = 0; i < size; i += kBytesPerPixel) {
        const __m128i b = LoadPixel(prior + i);
        const __m128i value =
            _mm_add_epi16(LoadPixel(in + i), _mm_srli_epi16(_mm_add_epi16(a, b), 1));
        a = _mm_and_si128(value, _mm_set1_epi16(0xFF));
        StorePixel(out + i, a);
    }
#else
    for (size_t i = 0; i < kBytesPerPixel; ++i)
        out[i] = static_cast<uint8_t>(in[i] + (prior[i] >> 1));
    for (size_t i = kBytesPerPixel; i < size; ++i)
        out[i] = static_cast<uint8_t>(in[i] + ((out[i - kBytesPerPixel] + prior[i]) >> 1));
#endif
}

#if defined(__SSE2__)
// Paeth reconstruction, one pixel (four channels) per step in 16-bit lanes.
void UnfilterPaeth(uint8_t* out, const uint8_t* in, const uint8_t* prior, size_t size) {
    const __m128i mask = _mm_set1_epi16(0xFF);
    __m128i a = _mm_setzero_si128();
    __m128i c = _mm_setzero_si128();
    for (size_t i = 0; i < size; i += kBytesPerPixel) {
        const __m128i b = LoadPixel(prior + i);
        const __m128i pa = Abs16(_mm_sub_epi16(b, c));
        const __m128i pb = Abs16(_mm_sub_epi16(a, c));
        const __m128i pc = Abs16(_mm_sub_epi16(_mm_add_epi16(a, b), _mm_add_epi16(c, c)));
        // take a where pa <= pb and pa <= pc; else b where pb <= pc; else c
        const __m128i notA = _mm_or_si128(_mm_cmpgt_epi16(pa, pb), _mm_cmpgt_epi16(pa, pc));
        const __m128i notB = _mm_cmpgt_epi16(pb, pc);
        const __m128i bc = _mm_or_si128(_mm_and_si128(notB, c), _mm_andnot_si128(notB, b));
        const __m128i pred = _mm_or_si128(_mm_and_si128(notA, bc), _mm_andnot_si128(notA, a));
        const __m128i value = _mm_and_si128(_mm_add_epi16(LoadPixel(in + i), pred), mask);
        StorePixel(out + i, value);
        a = value;
        c = b;
    }
}
#else
void UnfilterPaeth(uint8_t* out, const uint8_t* in, const uint8_t* prior, size_t size) {
    for (size_t i = 0; i < size; ++i) {
        const int a = i >= kBytesPerPixel ? out[i - kBytesPerPixel] : 0;
        const int c = i >= kBytesPerPixel ? prior[i - kBytesPerPixel] : 0;
        out[i] = static_cast<uint8_t>(in[i] + PaethPredictor(a, prior[i], c));
    }
}
#endif

// Reconstructs one row; false for an unknown filter type.
bool UnfilterRow(int filter, uint8_t* out, const uint8_t* in, const uint8_t* prior, size_t size) {
    switch (filter) {
    case 0:
        UnfilterNone(out, in, size);
        return true;
    case 1:
        UnfilterSub(out, in, size);
        return true;
    case 2:
        UnfilterUp(out, in, prior, size);
        return true;
    case 3:
        UnfilterAverage(out, in, prior, size);
        return true;
    case 4:
        UnfilterPaeth(out, in, prior, size);
        return true;
    default:
        return false;
    }
}

// The first row has a row of zeros above it: Up becomes None, Average and Paeth become
// Sub-like; the general reconstruction with a zero row gives the same result.
bool UnfilterFirstRow(int filter, uint8_t* out, const uint8_t* in, size_t size) {
    if (filter == 2)
        filter = 0;
    if (filter == 0 || filter == 1)
        return UnfilterRow(filter, out, in, nullptr, size);
    std::vector<uint8_t> zeros(size, 0);
    return UnfilterRow(filter, out, in, zeros.data(), size);
}

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

void FreeImageBuffer(void* buffer) {
    std::free(buffer);
}

} // namespace

bool DecodeRgba8(QByteArrayView png, QImage& out, char* writable) {
    if (png.size() < 8 + 25 || std::memcmp(png.data(), kSignature, 8) != 0)
        return false;
    const char* data = png.data();
    // IHDR must come first: 13 bytes of data.
    if (qFromBigEndian<uint32_t>(data + 8) != 13 || std::memcmp(data + 12, "IHDR", 4) != 0 ||
        ChunkCrc(data + 12, 17) != qFromBigEndian<uint32_t>(data + 29))
        return false;
    const uint32_t width = qFromBigEndian<uint32_t>(data + 16);
    const uint32_t height = qFromBigEndian<uint32_t>(data + 20);
    const auto* ihdr = reinterpret_cast<const uint8_t*>(data + 24);
    // bit depth 8, colour type 6, deflate, standard filters, no interlace
    if (ihdr[0] != 8 || ihdr[1] != 6 || ihdr[2] != 0 || ihdr[3] != 0 || ihdr[4] != 0)
        return false;
    if (width == 0 || height == 0 || width > (1u << 15) || height > (1u << 15))
        return false;

    // Where the compressed stream lies: the payload of the one IDAT chunk the program writes,
    // or the payloads of several chunks (other writers) joined.
    struct Span {
        qsizetype offset;
        qsizetype size;
    };
    std::vector<Span> idat;
    qsizetype compressedSize = 0;
    qsizetype pos = 33;
    bool ended = false;
    while (!ended && png.size() - pos >= 12) {
        const uint32_t length = qFromBigEndian<uint32_t>(data + pos);
        if (length > 0x7FFFFFFFu || static_cast<qsizetype>(length) > png.size() - pos - 12)
            return false;
        const char* type = data + pos + 4;
        const bool critical = (type[0] & 0x20) == 0;
        if (std::memcmp(type, "IDAT", 4) == 0) {
            if (ChunkCrc(type, length + 4) != qFromBigEndian<uint32_t>(type + 4 + length))
                return false;
            if (length > 0)
                idat.push_back({pos + 8, static_cast<qsizetype>(length)});
            compressedSize += length;
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            ended = true;
        } else if (critical) {
            // PLTE or an unknown critical chunk: leave it to the general decoder.
            return false;
        }
        pos += 12 + static_cast<qsizetype>(length);
    }
    if (!ended || idat.empty())
        return false;

    const size_t stride = static_cast<size_t>(width) * kBytesPerPixel;
    const size_t rawSize = (stride + 1) * height;
    // Deflate cannot expand data by more than about 1032:1; refuse claims beyond that.
    if (rawSize > static_cast<size_t>(compressedSize) * 1032 + 4096)
        return false;

    const char* compressed = data + idat.front().offset;
    std::unique_ptr<char, FreeDeleter> joined;
    // What lies between the payloads when they are joined in the caller's buffer, to put the
    // stream back as it was should the fast path fail after all.
    std::string gaps;
    bool joinedInPlace = false;
    if (idat.size() > 1) {
        // Several chunks: close the gaps (checksum, length and type between the payloads) in
        // the caller's buffer when it is lent, else join them in one buffer of the exact size.
        const qsizetype span = idat.back().offset + idat.back().size - idat.front().offset;
        joinedInPlace = writable && span - compressedSize <= kMaxInPlaceGapBytes;
        char* target = joinedInPlace ? writable + idat.front().offset : nullptr;
        if (joinedInPlace) {
            for (size_t i = 1; i < idat.size(); ++i) {
                const qsizetype from = idat[i - 1].offset + idat[i - 1].size;
                gaps.append(data + from, static_cast<size_t>(idat[i].offset - from));
            }
        } else {
            joined.reset(static_cast<char*>(std::malloc(static_cast<size_t>(compressedSize))));
            if (!joined)
                return false;
            target = joined.get();
        }
        qsizetype filled = 0;
        for (const Span& part : idat) {
            std::memmove(target + filled, data + part.offset, static_cast<size_t>(part.size));
            filled += part.size;
        }
        compressed = target;
    }
    const auto restore = [&] {
        if (!joinedInPlace)
            return;
        qsizetype filled = compressedSize;
        for (size_t i = idat.size(); i-- > 0;) {
            filled -= idat[i].size;
            std::memmove(writable + idat[i].offset, writable + idat.front().offset + filled,
                         static_cast<size_t>(idat[i].size));
        }
        size_t taken = 0;
        for (size_t i = 1; i < idat.size(); ++i) {
            const qsizetype from = idat[i - 1].offset + idat[i - 1].size;
            const size_t size = static_cast<size_t>(idat[i].offset - from);
            std::memcpy(writable + from, gaps.data() + taken, size);
            taken += size;
        }
    };

    // One allocation that becomes the image: the filtered rows are inflated into it, and each
    // row is then reconstructed one filter byte further up, so the pixels end where the image
    // expects them. No zero fill, no second buffer.
    std::unique_ptr<uint8_t, FreeDeleter> buffer(static_cast<uint8_t*>(std::malloc(rawSize)));
    std::unique_ptr<libdeflate_decompressor, DecompressorDeleter> inflater(
        libdeflate_alloc_decompressor());
    size_t produced = 0;
    if (!buffer || !inflater ||
        libdeflate_zlib_decompress(inflater.get(), compressed, static_cast<size_t>(compressedSize),
                                   buffer.get(), rawSize, &produced) != LIBDEFLATE_SUCCESS ||
        produced != rawSize) {
        restore();
        return false;
    }
    joined.reset();

    uint8_t* pixels = buffer.get();
    bool reconstructed = UnfilterFirstRow(pixels[0], pixels, pixels + 1, stride);
    for (size_t y = 1; reconstructed && y < height; ++y) {
        const uint8_t* in = pixels + y * (stride + 1);
        uint8_t* row = pixels + y * stride;
        reconstructed = UnfilterRow(in[0], row, in + 1, row - stride, stride);
    }
    if (!reconstructed) {
        restore();
        return false;
    }
    QImage image(pixels, static_cast<int>(width), static_cast<int>(height),
                 static_cast<qsizetype>(stride), QImage::Format_RGBA8888, FreeImageBuffer, pixels);
    if (image.isNull()) {
        restore();
        return false;
    }
    buffer.release();
    out = std::move(image);
    return true;
}

namespace {

// Sum of the filtered bytes taken as signed values: the usual estimate of how well a row will
// compress.
inline uint32_t RowCost(const uint8_t* row, size_t size) {
    uint32_t sum = 0;
    for (size_t i = 0; i < size; ++i) {
        const int v = static_cast<int8_t>(row[i]);
        sum += static_cast<uint32_t>(v < 0 ? -v : v);
    }
    return sum;
}

void FilterRow(int filter, const uint8_t* row, const uint8_t* prior, uint8_t* out, size_t size) {
    constexpr size_t bpp = kBytesPerPixel;
    switch (filter) {
    case 1:
        for (size_t i = 0; i < bpp; ++i)
            out[i] = row[i];
        for (size_t i = bpp; i < size; ++i)
            out[i] = static_cast<uint8_t>(row[i] - row[i - bpp]);
        break;
    case 2:
        for (size_t i = 0; i < size; ++i)
            out[i] = static_cast<uint8_t>(row[i] - prior[i]);
        break;
    case 3:
        for (size_t i = 0; i < bpp; ++i)
            out[i] = static_cast<uint8_t>(row[i] - (prior[i] >> 1));
        for (size_t i = bpp; i < size; ++i)
            out[i] = static_cast<uint8_t>(row[i] - ((row[i - bpp] + prior[i]) >> 1));
        break;
    case 4:
        for (size_t i = 0; i < bpp; ++i)
            out[i] = static_cast<uint8_t>(row[i] - prior[i]);
        for (size_t i = bpp; i < size; ++i)
            out[i] = static_cast<uint8_t>(row[i] -
                                          PaethPredictor(row[i - bpp], prior[i], prior[i - bpp]));
        break;
    default:
        std::memcpy(out, row, size);
        break;
    }
}

void AppendChunk(QByteArray& png, const char* type, const char* data, size_t size) {
    char header[8];
    qToBigEndian(static_cast<uint32_t>(size), header);
    std::memcpy(header + 4, type, 4);
    png.append(header, 8);
    png.append(data, static_cast<qsizetype>(size));
    uint32_t crc = libdeflate_crc32(0, type, 4);
    // A null buffer would restart the checksum, as in zlib.
    if (size > 0)
        crc = libdeflate_crc32(crc, data, size);
    char crcBytes[4];
    qToBigEndian(crc, crcBytes);
    png.append(crcBytes, 4);
}

} // namespace

QByteArray EncodeRgba8(const QImage& rgba) {
    if (rgba.isNull() || rgba.format() != QImage::Format_RGBA8888)
        return QByteArray();
    const int width = rgba.width();
    const int height = rgba.height();
    const size_t stride = static_cast<size_t>(width) * kBytesPerPixel;

    // Each row gets the filter whose output looks cheapest to compress.
    std::vector<uint8_t> filtered((stride + 1) * static_cast<size_t>(height));
    std::vector<uint8_t> candidate(stride);
    const std::vector<uint8_t> zeroRow(stride, 0);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = rgba.constScanLine(y);
        const uint8_t* prior = y > 0 ? rgba.constScanLine(y - 1) : zeroRow.data();
        uint8_t* target = filtered.data() + static_cast<size_t>(y) * (stride + 1);
        uint32_t best = UINT32_MAX;
        for (int filter = 0; filter <= 4; ++filter) {
            FilterRow(filter, row, prior, candidate.data(), stride);
            const uint32_t cost = RowCost(candidate.data(), stride);
            if (cost < best) {
                best = cost;
                target[0] = static_cast<uint8_t>(filter);
                std::memcpy(target + 1, candidate.data(), stride);
            }
        }
    }

    std::unique_ptr<libdeflate_compressor, CompressorDeleter> deflater(
        libdeflate_alloc_compressor(5));
    if (!deflater)
        return QByteArray();
    std::vector<char> compressed(libdeflate_zlib_compress_bound(deflater.get(), filtered.size()));
    const size_t compressedSize = libdeflate_zlib_compress(
        deflater.get(), filtered.data(), filtered.size(), compressed.data(), compressed.size());
    if (compressedSize == 0)
        return QByteArray();

    QByteArray png;
    png.reserve(static_cast<qsizetype>(compressedSize) + 1024);
    png.append(reinterpret_cast<const char*>(kSignature), 8);
    char ihdr[13];
    qToBigEndian(static_cast<uint32_t>(width), ihdr);
    qToBigEndian(static_cast<uint32_t>(height), ihdr + 4);
    ihdr[8] = 8;  // bit depth
    ihdr[9] = 6;  // colour type RGBA
    ihdr[10] = 0; // deflate
    ihdr[11] = 0; // adaptive filtering
    ihdr[12] = 0; // not interlaced
    AppendChunk(png, "IHDR", ihdr, sizeof ihdr);
    // One IDAT chunk for the whole stream (a chunk may hold up to 2^31 - 1 bytes): a reader
    // then inflates straight from the file's bytes, without joining chunks first.
    for (size_t offset = 0; offset < compressedSize; offset += kMaxIdatChunk) {
        const size_t size = std::min(static_cast<size_t>(kMaxIdatChunk), compressedSize - offset);
        AppendChunk(png, "IDAT", compressed.data() + offset, size);
    }
    AppendChunk(png, "IEND", nullptr, 0);
    return png;
}

} // namespace quindor::png
