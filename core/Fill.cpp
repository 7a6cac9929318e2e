#include "Fill.h"

#include "core/Progress.h"

#include <algorithm>

void PixelSet::add(int y, int left, int right) {
    for (int x = left; x <= right;) {
        const int end = std::min(right, x | 63);  // the last pixel of this word
        const int n = end - x + 1;
        bits_[index(y, x)] |= (n == 64 ? ~std::uint64_t(0) : ((std::uint64_t(1) << n) - 1)) << (x & 63);
        x = end + 1;
    }
}

int PixelSet::first(bool in, int y, int x, int right) const {
    while (x <= right) {
        const std::uint64_t word = (in ? bits_[index(y, x)] : ~bits_[index(y, x)]) >> (x & 63);
        if (word) return std::min(right + 1, x + __builtin_ctzll(word));
        x = (x | 63) + 1;
    }
    return right + 1;
}

namespace {

// A run of alike pixels not yet taken, seen in the row beside a span.
struct Run {
    int y, left, right;
};

// Every span taken is a whole run of alike pixels not taken before, so a
// free alike pixel never lies in a row beside a taken one: a run of alike
// pixels is either all taken or all free, and one bit tells which.
template <typename Alike>
QRect take(const QImage& image, QPoint seed, Alike alike, PixelSet& taken) {
    const int w = image.width(), h = image.height();
    auto row = [&](int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y)); };
    // A run is pushed at most once from the row above it and once from the
    // row below: the stack never holds more entries than the picture has pixels.
    std::vector<Run> stack{{seed.y(), seed.x(), seed.x()}};
    QRect bounds;
    for (unsigned runs = 1; !stack.empty(); ++runs) {
        if (runs % 4096 == 0) progress::report(-1);  // how much is left is not known
        Run s = stack.back();
        stack.pop_back();
        if (taken.contains(s.left, s.y)) continue;  // taken whole since it was pushed
        const QRgb* line = row(s.y);
        while (s.left > 0 && alike(line[s.left - 1])) --s.left;
        while (s.right + 1 < w && alike(line[s.right + 1])) ++s.right;
        taken.add(s.y, s.left, s.right);
        bounds |= QRect(s.left, s.y, s.right - s.left + 1, 1);
        for (int y : {s.y - 1, s.y + 1}) {
            if (y < 0 || y >= h) continue;
            const QRgb* next = row(y);
            for (int x = taken.first(false, y, s.left, s.right); x <= s.right; x = taken.first(false, y, x, s.right)) {
                if (!alike(next[x])) {
                    ++x;
                    continue;
                }
                const int start = x;
                while (x <= s.right && alike(next[x])) ++x;
                stack.push_back({y, start, x - 1});
            }
        }
    }
    return bounds;
}

}  // namespace

FillArea fillArea(const QImage& image, QPoint seed, int tolerance) {
    FillArea area(image.size());
    if (!image.rect().contains(seed)) return area;
    const QRgb target = image.pixel(seed);
    if (tolerance <= 0) {
        area.bounds_ = take(image, seed, [target](QRgb p) { return ((p ^ target) & 0xFFFFFF) == 0; }, area.pixels_);
    } else {
        tolerance = std::min(tolerance, 255);
        area.bounds_ = take(image, seed, [=](QRgb p) { return alikeColours(p, target, tolerance); }, area.pixels_);
    }
    return area;
}
