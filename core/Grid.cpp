#include "Grid.h"

#include "core/Canvas.h"

#include <cmath>

namespace {

// The multiples of STEP from FIRST to LAST, both included.
std::vector<int> multiples(int step, int first, int last) {
    std::vector<int> out;
    const long long from = (long long)std::ceil(double(first) / step) * step;
    for (long long v = from; v <= last; v += step) out.push_back(int(v));
    return out;
}

}  // namespace

bool Grid::setSpacing(int pixels) {
    if (pixels < kMinSpacing || pixels > kMaxSpacing) return false;
    spacing_ = pixels;
    return true;
}

float Grid::nearest(float twips) const {
    if (!std::isfinite(twips)) return twips;
    const double step = spacing_ * Canvas::kTwipsPerPixel;
    return float(std::floor(double(twips) / step + 0.5) * step);
}

Grid::Lines Grid::lines(const QRect& visible, double scale) const {
    if (!(spacing_ * scale >= kMinScreenGap) || visible.isEmpty()) return {};
    return {multiples(spacing_, visible.left(), visible.right()), multiples(spacing_, visible.top(), visible.bottom())};
}
