#include "PackedImage.h"

#include "core/Progress.h"

#include <algorithm>
#include <cstring>

namespace {

// Calls FN(block rectangle) for each block of an image of SIZE, in order.
template <typename Fn>
void eachBlock(QSize size, int width, int height, Fn&& fn) {
    for (int y = 0; y < size.height(); y += height) {
        progress::report(double(y) / size.height());
        for (int x = 0; x < size.width(); x += width)
            fn(QRect(x, y, std::min(width, size.width() - x), std::min(height, size.height() - y)));
    }
}

}  // namespace

void PackedImage::pack() {
    if (packed() || plain_.isNull() || plain_.depth() != 32) return;
    format_ = plain_.format();
    dotsPerMeterX_ = plain_.dotsPerMeterX();
    dotsPerMeterY_ = plain_.dotsPerMeterY();
    std::vector<Block> blocks;
    QByteArray rows;
    eachBlock(size_, kBlockWidth, kBlockHeight, [&](const QRect& r) {
        const QRgb first = reinterpret_cast<const QRgb*>(plain_.constScanLine(r.top()))[r.left()];
        bool uniform = true;
        for (int y = r.top(); y <= r.bottom() && uniform; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(plain_.constScanLine(y)) + r.left();
            uniform = std::all_of(line, line + r.width(), [first](QRgb v) { return v == first; });
        }
        if (uniform) {
            blocks.push_back({first, {}});
            return;
        }
        const int lineBytes = r.width() * 4;
        rows.resize(qsizetype(lineBytes) * r.height());
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::memcpy(rows.data() + qsizetype(y - r.top()) * lineBytes, plain_.constScanLine(y) + r.left() * 4,
                        size_t(lineBytes));
        blocks.push_back({0, qCompress(rows, 1)});
    });
    blocks_ = std::move(blocks);
    plain_ = QImage();
}

QImage PackedImage::image() const {
    if (!packed()) return plain_;
    QImage img(size_, format_);
    if (img.isNull()) return img;
    img.setDotsPerMeterX(dotsPerMeterX_);
    img.setDotsPerMeterY(dotsPerMeterY_);
    auto block = blocks_.begin();
    bool whole = true;
    eachBlock(size_, kBlockWidth, kBlockHeight, [&](const QRect& r) {
        const int lineBytes = r.width() * 4;
        if (block->zipped.isEmpty()) {
            for (int y = r.top(); y <= r.bottom(); ++y) {
                QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y)) + r.left();
                std::fill(line, line + r.width(), block->fill);
            }
        } else {
            const QByteArray rows = qUncompress(block->zipped);
            whole = whole && rows.size() == qsizetype(lineBytes) * r.height();
            for (int y = r.top(); y <= r.bottom() && whole; ++y)
                std::memcpy(img.scanLine(y) + r.left() * 4, rows.constData() + qsizetype(y - r.top()) * lineBytes,
                            size_t(lineBytes));
        }
        ++block;
    });
    return whole ? img : QImage();  // null when memory ran out
}

std::size_t PackedImage::bytes() const {
    if (!packed()) return std::size_t(plain_.sizeInBytes());
    std::size_t sum = blocks_.size() * sizeof(Block);
    for (const Block& b : blocks_) sum += std::size_t(b.zipped.size());
    return sum;
}

bool PackedImage::same(const PackedImage& other) const {
    if (size_ != other.size_) return false;
    if (packed() != other.packed()) return image() == other.image();
    if (!packed()) return plain_ == other.plain_;
    // The same pixels compress to the same bytes.
    return format_ == other.format_ &&
           std::equal(blocks_.begin(), blocks_.end(), other.blocks_.begin(), other.blocks_.end(),
                      [](const Block& a, const Block& b) { return a.fill == b.fill && a.zipped == b.zipped; });
}
