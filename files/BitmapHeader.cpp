#include "BitmapHeader.h"

#include <cstdlib>
#include <limits>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;  // BITMAPINFOHEADER and its successors
constexpr quint32 kUncompressed = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3;

quint32 u32(const QByteArray& b, int at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 u16(const QByteArray& b, int at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
    return quint16(p[0] | p[1] << 8);
}

}  // namespace

qint64 bitmapLengthClaimed(const QByteArray& h) {
    if (h.size() < kFileHeaderSize + kInfoHeaderSize || !h.startsWith("BM")) return 0;
    if (u32(h, kFileHeaderSize) < quint32(kInfoHeaderSize)) return 0;  // OS/2 headers
    const qint64 dataOffset = u32(h, 10);
    const qint64 width = qint32(u32(h, 18));
    const qint64 height = std::llabs(qint32(u32(h, 22)));
    const qint64 bitsPerPixel = u16(h, 28);
    const quint32 compression = u32(h, 30);
    const qint64 imageSize = u32(h, 34);
    if (compression == kRle8 || compression == kRle4) return imageSize > 0 ? dataOffset + imageSize : 0;
    if (compression != kUncompressed && compression != kBitfields) return 0;
    if (width <= 0 || bitsPerPixel <= 0) return 0;
    const qint64 rowBytes = bitmapRowBytes(width, bitsPerPixel);
    // Headers of extreme sizes claim more than any file holds, and say so
    // without the product overflowing.
    constexpr qint64 kMost = std::numeric_limits<qint64>::max();
    if (height > 0 && rowBytes > (kMost - dataOffset) / height) return kMost;
    return dataOffset + rowBytes * height;
}

bool bitmapIsTruncated(const QByteArray& headers, qint64 fileSize) {
    const qint64 claimed = bitmapLengthClaimed(headers);
    return claimed > 0 && fileSize < claimed;
}
