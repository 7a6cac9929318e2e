// The flood fill's area: the 4-connected pixels around a seed whose colour
// lies within a tolerance of the seed's, found row span by row span.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <cstdlib>
#include <vector>

// Two colours are alike when no channel differs by more than TOLERANCE
// (0 to 255; 0 is the same colour only).
inline bool alikeColours(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// A set of a picture's pixels, one bit a pixel.
class PixelSet {
public:
    PixelSet(int width, int height) : stride_((size_t(width) + 63) / 64), bits_(stride_ * size_t(height)) {}
    bool contains(int x, int y) const { return bits_[index(y, x)] >> (x & 63) & 1; }
    void add(int y, int left, int right);
    // The first pixel from X to RIGHT of row Y that is (IN) or is not in the
    // set, or RIGHT + 1.
    int first(bool in, int y, int x, int right) const;

private:
    size_t index(int y, int x) const { return size_t(y) * stride_ + size_t(x >> 6); }
    size_t stride_;
    std::vector<std::uint64_t> bits_;
};

class FillArea {
public:
    explicit FillArea(QSize size) : pixels_(size.width(), size.height()) {}
    QRect bounds() const { return bounds_; }
    // Calls SPAN(y, left, right) for each run of the area's pixels, row by
    // row from the top.
    template <typename SpanFn>
    void forEachSpan(SpanFn&& span) const {
        for (int y = bounds_.top(); y <= bounds_.bottom(); ++y)
            for (int x = pixels_.first(true, y, bounds_.left(), bounds_.right()); x <= bounds_.right();) {
                const int end = pixels_.first(false, y, x, bounds_.right());
                span(y, x, end - 1);
                x = pixels_.first(true, y, end, bounds_.right());
            }
    }

private:
    friend FillArea fillArea(const QImage&, QPoint, int);
    PixelSet pixels_;
    QRect bounds_;
};

// The area around SEED in IMAGE (an RGB32 image); empty when SEED is off the
// image. Besides the area's bit a pixel, it takes a stack of at most one
// entry a pixel while it works; nothing recurses.
FillArea fillArea(const QImage& image, QPoint seed, int tolerance);
