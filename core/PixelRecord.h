// The pixels one item of the chart painted, and what lay under each of them
// before: its covered spans, row by row, with a colour before and a colour
// painted for every pixel, in span order. A record costs what the item
// painted, never what the picture holds.
#pragma once

#include "core/Raster.h"

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <functional>
#include <vector>

class PixelRecord {
public:
    using Span = FigurePixels::Span;

    // One pixel gathered while an item paints: the first colour before it
    // and the last painted on it count.
    struct Dab {
        int x, y;
        QRgb before, painted;
    };
    // The record of DABS, in any order, a pixel any number of times.
    static PixelRecord from(std::vector<Dab> dabs);
    // The record of SPANS (by row, then x; none overlap or touch) with a
    // colour before and painted for each of their pixels, in span order.
    static PixelRecord fromSpans(std::vector<Span> spans, std::vector<QRgb> before, std::vector<QRgb> painted);

    const std::vector<Span>& spans() const { return spans_; }
    const QRect& bounds() const { return bounds_; }
    bool empty() const { return spans_.empty(); }
    std::size_t size() const { return before_.size(); }
    // The place of pixel (X, Y) in span order, -1 when the item did not paint it.
    int indexOf(int x, int y) const;
    // Each pixel, its place in span order with it.
    template <typename Visit>
    void forEach(Visit visit) const {
        int i = 0;
        for (const Span& s : spans_)
            for (int x = s.x0; x <= s.x1; ++x, ++i) visit(x, s.y, i);
    }

    QRgb before(int i) const { return before_[size_t(i)]; }
    QRgb painted(int i) const { return painted_[size_t(i)]; }
    void setBefore(int i, QRgb c) { before_[size_t(i)] = c; }

    // The same pixels BY further on.
    PixelRecord translated(QPoint by) const;
    // Each pixel where MAP takes it, the ones it takes off PICTURE left out.
    PixelRecord mapped(const std::function<QPoint(int x, int y)>& map, const QRect& picture) const;
    // Only the pixels inside PART.
    PixelRecord clipped(const QRect& part) const;
    // The spans of the pixels alone, for an inverted preview.
    void addTo(std::vector<Span>& spans) const { spans.insert(spans.end(), spans_.begin(), spans_.end()); }

    std::size_t bytes() const {
        return sizeof(*this) + spans_.size() * (sizeof(Span) + sizeof(int)) + rowStart_.size() * sizeof(int) +
               2 * before_.size() * sizeof(QRgb);
    }

private:
    // Finds the bounds and the indices of the spans.
    void index();

    std::vector<Span> spans_;  // by row, then x; none overlap or touch
    QRect bounds_;
    std::vector<int> rowStart_;  // the first span of each row of the bounds, and one past the last
    std::vector<int> firstPixel_;  // each span's first pixel in span order
    std::vector<QRgb> before_, painted_;
};
