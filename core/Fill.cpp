#include "Fill.h"

#include <algorithm>
#include <vector>

namespace {

// One bit a pixel: set once the pixel belongs to a span found.
class Taken {
public:
    Taken(int width, int height) : stride_((size_t(width) + 63) / 64), bits_(stride_ * size_t(height)) {}
    bool operator()(int x, int y) const { return bits_[index(y, x)] >> (x & 63) & 1; }
    void take(int y, int left, int right) {
        for (int x = left; x <= right; ++x) bits_[index(y, x)] |= std::uint64_t(1) << (x & 63);
    }

private:
    size_t index(int y, int x) const { return size_t(y) * stride_ + size_t(x >> 6); }
    size_t stride_;
    std::vector<std::uint64_t> bits_;
};

}  // namespace

QRect fillArea(const QImage& image, QPoint seed, int tolerance,
               const std::function<void(int y, int left, int right)>& span) {
    if (!image.rect().contains(seed)) return {};
    const int w = image.width(), h = image.height();
    tolerance = std::clamp(tolerance, 0, 255);
    const QRgb target = image.pixel(seed);
    Taken taken(w, h);
    auto row = [&](int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y)); };
    auto fits = [&](const QRgb* line, int x, int y) {
        return (tolerance == 0 ? (line[x] & 0xFFFFFF) == (target & 0xFFFFFF) : alikeColours(line[x], target, tolerance))
               && !taken(x, y);
    };
    // Each entry is a pixel that fits and starts a run not yet taken; a
    // pixel is pushed at most once from the row above and once from below.
    std::vector<QPoint> stack{seed};
    QRect bounds;
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        const QRgb* line = row(p.y());
        if (!fits(line, p.x(), p.y())) continue;  // taken since it was pushed
        int left = p.x(), right = p.x();
        while (left > 0 && fits(line, left - 1, p.y())) --left;
        while (right + 1 < w && fits(line, right + 1, p.y())) ++right;
        taken.take(p.y(), left, right);
        span(p.y(), left, right);
        bounds |= QRect(left, p.y(), right - left + 1, 1);
        for (int y : {p.y() - 1, p.y() + 1}) {
            if (y < 0 || y >= h) continue;
            const QRgb* next = row(y);
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool f = fits(next, x, y);
                if (f && !inRun) stack.push_back({x, y});
                inRun = f;
            }
        }
    }
    return bounds;
}
