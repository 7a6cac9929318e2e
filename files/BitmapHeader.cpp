#include "BitmapHeader.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kCoreHeaderSize = 12;  // BITMAPCOREHEADER, OS/2's first
constexpr int kInfoHeaderSize = 40;  // BITMAPINFOHEADER
constexpr quint32 kUncompressed = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3;
// A run-length code of two bytes repeats a pixel at most 255 times, and a
// run never reaches past the end of its row; every other code fills fewer
// pixels for its bytes, or skips pixels and leaves them undecoded.
constexpr qint64 kMostPixelsPerRun = 255, kRunBytes = 2;

quint32 u32(const QByteArray& b, int at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 u16(const QByteArray& b, int at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
    return quint16(p[0] | p[1] << 8);
}

struct Headers {
    qint64 dataOffset, width, height, bitsPerPixel;
    quint32 compression;
    qint64 imageSize;  // as given for compressed data; 0 when not
};

// The fields Qt's reader takes: 32-bit ones from the Windows headers (and
// OS/2's second, of their layout), 16-bit ones from any other size.
std::optional<Headers> headersOf(const QByteArray& h) {
    if (h.size() < kFileHeaderSize + kCoreHeaderSize || !h.startsWith("BM")) return std::nullopt;
    const quint32 infoSize = u32(h, kFileHeaderSize);
    const qint64 dataOffset = u32(h, 10);
    if (infoSize == 40 || infoSize == 64 || infoSize == 108 || infoSize == 124) {
        if (h.size() < kFileHeaderSize + kInfoHeaderSize) return std::nullopt;
        return Headers{dataOffset, qint32(u32(h, 18)), std::llabs(qint32(u32(h, 22))), u16(h, 28), u32(h, 30),
                       u32(h, 34)};
    }
    return Headers{dataOffset, qint16(u16(h, 18)), std::abs(qint16(u16(h, 20))), u16(h, 24), kUncompressed, 0};
}

}  // namespace

QSize bitmapSizeClaimed(const QByteArray& headers) {
    const auto h = headersOf(headers);
    if (!h) return {};
    constexpr qint64 kMostInt = std::numeric_limits<int>::max();
    return {int(std::clamp<qint64>(h->width, -1, kMostInt)), int(std::min(h->height, kMostInt))};
}

qint64 bitmapLengthClaimed(const QByteArray& headers) {
    const auto h = headersOf(headers);
    if (!h || h->width <= 0 || h->height <= 0) return 0;
    // Headers of extreme sizes claim more than any file holds, and say so
    // without the product overflowing.
    constexpr qint64 kMost = std::numeric_limits<qint64>::max();
    auto rows = [&](qint64 rowBytes, qint64 between) {
        if (h->height > 0 && rowBytes + between > (kMost - h->dataOffset) / h->height) return kMost;
        return h->dataOffset + (rowBytes + between) * h->height - (h->height > 0 ? between : 0);
    };
    if (h->compression == kRle8 || h->compression == kRle4) {
        const qint64 runs = (h->width + kMostPixelsPerRun - 1) / kMostPixelsPerRun;
        return std::max(rows(runs * kRunBytes, kRunBytes), h->imageSize > 0 ? h->dataOffset + h->imageSize : 0);
    }
    if (h->compression != kUncompressed && h->compression != kBitfields) return 0;
    if (h->bitsPerPixel <= 0) return 0;
    return rows(bitmapRowBytes(h->width, h->bitsPerPixel), 0);
}

bool bitmapIsTruncated(const QByteArray& headers, qint64 fileSize) {
    const qint64 claimed = bitmapLengthClaimed(headers);
    return claimed > 0 && fileSize < claimed;
}
