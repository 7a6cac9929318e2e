// A figure's pixels applied to the picture, the figures drawn last, and the
// tiles they changed.
#include "Raster.h"

#include <algorithm>
#include <cstring>

namespace {

template <typename Op>
void apply(const std::vector<FigurePixels::Span>& spans, QImage& image, Op op) {
    if (spans.empty()) return;
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (const FigurePixels::Span& s : spans) {
        QRgb* row = reinterpret_cast<QRgb*>(bits + s.y * stride);
        for (int x = s.x0; x <= s.x1; ++x) row[x] = op(row[x]);
    }
}

}  // namespace

void FigurePixels::invert(QImage& image) const {
    apply(spans, image, [](QRgb p) { return p ^ 0x00FFFFFFu; });
}

void FigurePixels::fill(QImage& image, QRgb colour) const {
    apply(spans, image, [colour](QRgb) { return colour | 0xFF000000u; });
}

const FigurePixels* RecentFigures::find(const Key& key) const {
    for (int i = 0; i < kKept; ++i)
        if (keys_[i] == key) return &figures_[i];
    return nullptr;
}

FigurePixels& RecentFigures::keep(const Key& key) {
    const int i = next_;
    next_ = (next_ + 1) % kKept;
    keys_[i] = key;
    return figures_[i];
}

void DirtyTiles::mark(const FigurePixels& figure, QSize picture) {
    if (figure.spans.empty()) return;
    if (picture != picture_) {
        picture_ = picture;
        columns_ = (picture.width() + (1 << kShift) - 1) >> kShift;
        const int rows = (picture.height() + (1 << kShift) - 1) >> kShift;
        marked_.assign(size_t(columns_) * size_t(rows), 0);
        lastRow_ = -1;
    }
    for (const FigurePixels::Span& s : figure.spans) {
        uchar* row = marked_.data() + size_t(s.y >> kShift) * size_t(columns_);
        std::fill(row + (s.x0 >> kShift), row + (s.x1 >> kShift) + 1, uchar(1));
    }
    const int first = figure.spans.front().y >> kShift, last = figure.spans.back().y >> kShift;
    firstRow_ = lastRow_ < 0 ? first : std::min(firstRow_, first);
    lastRow_ = std::max(lastRow_, last);
}

QRegion DirtyTiles::take(QSize picture) {
    if (picture != picture_) {
        picture_ = QSize();  // the marks are of another size: the next mark starts over
        lastRow_ = -1;
    }
    rects_.clear();
    size_t previous = 0;  // the first rect of the row of tiles before
    const int tile = 1 << kShift;
    for (int r = firstRow_; r <= lastRow_; ++r) {
        uchar* row = marked_.data() + size_t(r) * size_t(columns_);
        const size_t first = rects_.size();
        for (int c = 0; c < columns_;) {
            const auto* on = static_cast<const uchar*>(std::memchr(row + c, 1, size_t(columns_ - c)));
            if (!on) break;
            c = int(on - row);
            int end = c;
            while (end + 1 < columns_ && row[end + 1]) ++end;
            rects_.push_back(QRect(QPoint(c * tile, r * tile),
                                   QPoint(std::min((end + 1) * tile, picture_.width()) - 1,
                                          std::min((r + 1) * tile, picture_.height()) - 1)));
            c = end + 1;
        }
        std::fill(row, row + columns_, uchar(0));
        // A row of tiles with the same runs as the row above joins it.
        const bool same = first > previous && rects_.size() - first == first - previous &&
                          rects_[previous].bottom() + 1 == r * tile &&
                          std::equal(rects_.begin() + first, rects_.end(), rects_.begin() + previous,
                                     [](const QRect& a, const QRect& b) {
                                         return a.left() == b.left() && a.right() == b.right();
                                     });
        if (same) {
            for (size_t k = previous; k < first; ++k) rects_[k].setBottom(rects_[first].bottom());
            rects_.resize(first);
        } else {
            previous = first;
        }
    }
    lastRow_ = -1;
    QRegion region;
    region.setRects(rects_.data(), int(rects_.size()));
    return region;
}
