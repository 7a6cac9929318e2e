// A figure's pixels applied to the picture, and the figures drawn last.
#include "Raster.h"

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
