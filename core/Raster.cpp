#include "Raster.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The pen's tip for wide strokes: a disc as a 16-gon with fixed corners.
constexpr int kTipCorners = 16;

const std::array<QPointF, kTipCorners>& unitTip() {
    static const auto corners = [] {
        std::array<QPointF, kTipCorners> c;
        for (int i = 0; i < kTipCorners; ++i) c[i] = QPointF(std::cos(i * M_PI / 8), std::sin(i * M_PI / 8));
        return c;
    }();
    return corners;
}

// The tip's corners around its centre, in turn.
void addTip(std::vector<QPointF>& out, const QPointF& centre, double r) {
    for (const QPointF& u : unitTip()) out.push_back(centre + u * r);
}

// Far-off coordinates are brought near the picture without changing any
// pixel that lies on it: nothing of the figure beyond this margin shows.
constexpr double kFar = 1e8;

// Pixel i is covered when its centre i + 0.5 lies in [from, to): the first
// is firstCentre(from), the last firstCentre(to) - 1. Exact within kFar,
// where taking 0.5 away rounds nothing; a coordinate beyond kFar, or none
// (NaN), is held at the margin, so that the pixel number always fits. The
// ceiling is taken by hand: the conversion truncates towards zero, which
// is the ceiling below zero and the floor above it. Every figure's rows
// and ends come through here, so it stays a few instructions.
int firstCentre(double from) {
    if (!(from > -kFar)) from = -kFar;
    if (!(from < kFar)) from = kFar;
    const double at = from - 0.5;
    const int truncated = int(at);
    return truncated + (double(truncated) < at);
}

}  // namespace

void Coverage::reset(const QRect& clip) {
    clip_ = clip;
    spans_.clear();
    normalised_ = true;
}

// A stroke from A to B is the hull of the tips at both ends: the corners of
// B's tip that face along the stroke and those of A's that face back, from
// the corner farthest out on one side of the stroke to the one farthest
// out on the other, which two edges parallel to the stroke join. The
// corners come in the tip's own turn, so the hull needs no sorting.
void Coverage::addHull(const QPointF& a, const QPointF& b, double r) {
    const QPointF d = b - a;
    int side = 0;  // the corner farthest out to the stroke's one side
    double farthest = -HUGE_VAL;
    for (int i = 0; i < kTipCorners; ++i) {
        const double out = unitTip()[i].x() * d.y() - unitTip()[i].y() * d.x();
        if (out > farthest) {
            farthest = out;
            side = i;
        }
    }
    constexpr int kHalf = kTipCorners / 2;
    points_.clear();
    for (int k = 0; k <= kHalf; ++k) points_.push_back(b + unitTip()[(side + k) % kTipCorners] * r);
    for (int k = 0; k <= kHalf; ++k) points_.push_back(a + unitTip()[(side + kHalf + k) % kTipCorners] * r);
    addConvex(points_.data(), int(points_.size()));
}

void Coverage::addSpan(int y, int x0, int x1) {
    if (y < clip_.top() || y > clip_.bottom()) return;
    x0 = std::max(x0, clip_.left());
    x1 = std::min(x1, clip_.right());
    if (x0 > x1) return;
    // Most figures come row by row; only spans out of order need a sort.
    if (!spans_.empty() && (y < spans_.back().y || (y == spans_.back().y && x0 <= spans_.back().x1 + 1)))
        normalised_ = false;
    spans_.push_back({y, x0, x1});
}

// Along the major axis every pixel step gets one pixel, its minor coordinate
// rounded from the exact line; both end points are covered.
void Coverage::addThin(const QPointF& a, const QPointF& b) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const bool steep = std::fabs(dy) > std::fabs(dx);
    const double a0 = steep ? a.y() : a.x(), a1 = steep ? b.y() : b.x();
    const double m0 = steep ? a.x() : a.y(), m1 = steep ? b.x() : b.y();
    const double lo = std::max(std::min(a0, a1), -kFar), hi = std::min(std::max(a0, a1), kFar);
    const int visibleLo = steep ? clip_.top() : clip_.left();
    const int visibleHi = steep ? clip_.bottom() : clip_.right();
    const long long from = std::max<long long>(std::llround(lo), visibleLo);
    const long long to = std::min<long long>(std::llround(hi), visibleHi);
    const double slope = a1 == a0 ? 0 : (m1 - m0) / (a1 - a0);
    int runStart = 0, runMinor = 0;
    bool inRun = false;
    for (long long t = from; t <= to; ++t) {
        const double minorExact = m0 + (double(t) - a0) * slope;
        const int minor = int(std::clamp(std::floor(minorExact + 0.5), -kFar, kFar));
        if (steep) {
            addSpan(int(t), minor, minor);
            continue;
        }
        // A shallow line's pixels on one row join into one span.
        if (inRun && minor == runMinor) continue;
        if (inRun) addSpan(runMinor, runStart, int(t) - 1);
        inRun = true;
        runStart = int(t);
        runMinor = minor;
    }
    if (inRun) addSpan(runMinor, runStart, int(to));
}

// Each row's left and right come from the edges that cross the line
// through its pixel centres; the rows are taken a stretch at a time, each
// edge visiting only the rows it spans.
void Coverage::addConvex(const QPointF* poly, int n) {
    double top = poly[0].y(), bottom = poly[0].y();
    for (int i = 0; i < n; ++i) {
        top = std::min(top, poly[i].y());
        bottom = std::max(bottom, poly[i].y());
    }
    const int y0 = std::max(firstCentre(top), clip_.top());
    const int y1 = std::min(firstCentre(bottom) - 1, clip_.bottom());
    constexpr int kStretch = 256;
    for (int from = y0; from <= y1; from += kStretch) {
        const int to = std::min(y1, from + kStretch - 1);
        left_.assign(size_t(to - from + 1), HUGE_VAL);
        right_.assign(size_t(to - from + 1), -HUGE_VAL);
        for (int i = 0; i < n; ++i) {
            const QPointF& p = poly[i];
            const QPointF& q = poly[i + 1 == n ? 0 : i + 1];
            // An edge crosses the rows whose centre lies in [its top, its
            // bottom); firstCentre() finds them exactly.
            const double lo = std::min(p.y(), q.y()), hi = std::max(p.y(), q.y());
            if (!(lo < hi)) continue;
            const int first = std::max(from, firstCentre(lo));
            const int last = std::min(to, firstCentre(hi) - 1);
            for (int y = first; y <= last; ++y) {
                const double yc = y + 0.5;
                const double x = p.x() + (yc - p.y()) * (q.x() - p.x()) / (q.y() - p.y());
                double& left = left_[size_t(y - from)];
                double& right = right_[size_t(y - from)];
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        for (int y = from; y <= to; ++y) {
            const double left = left_[size_t(y - from)], right = right_[size_t(y - from)];
            if (left > right) continue;
            addSpan(y, firstCentre(left), firstCentre(right) - 1);
        }
    }
}

void Coverage::addStroke(const QPointF& from, const QPointF& to, int width) {
    if (width <= 1) {
        addThin(from, to);
        return;
    }
    // An odd width centres on the pixel, an even one on its corner.
    const QPointF shift = width % 2 ? QPointF(0.5, 0.5) : QPointF(0, 0);
    if (from == to) {
        points_.clear();
        addTip(points_, from + shift, width / 2.0);
        addConvex(points_.data(), kTipCorners);
        return;
    }
    addHull(from + shift, to + shift, width / 2.0);
}

void Coverage::addPolyline(const QPolygonF& points, int width) {
    for (int i = 0; i + 1 < points.size(); ++i) addStroke(points[i], points[i + 1], width);
    if (points.size() == 1) addStroke(points[0], points[0], width);
}

// A pen of width w centred on pixel line c covers pixels c - w/2 .. c - w/2 + w - 1.
void Coverage::addBox(int x1, int y1, int x2, int y2, int width) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const int w = std::max(1, width);
    auto lo = [w](int c) { return c - w / 2; };
    auto hi = [w](int c) { return c - w / 2 + w - 1; };
    const int top = std::max(lo(y1), clip_.top() - 1), bottom = std::min(hi(y2), clip_.bottom() + 1);
    const bool hollow = hi(x1) + 1 < lo(x2) && hi(y1) + 1 < lo(y2);
    for (int y = top; y <= bottom; ++y) {
        if (hollow && y > hi(y1) && y < lo(y2)) {
            addSpan(y, lo(x1), hi(x1));
            addSpan(y, lo(x2), hi(x2));
        } else {
            addSpan(y, lo(x1), hi(x2));
        }
    }
}

// Sorts the spans and merges those that overlap or touch.
void Coverage::normalise() {
    if (normalised_) return;
    std::sort(spans_.begin(), spans_.end(),
              [](const Span& a, const Span& b) { return a.y < b.y || (a.y == b.y && a.x0 < b.x0); });
    size_t kept = 0;
    for (size_t i = 0; i < spans_.size(); ++i) {
        const Span s = spans_[i];
        if (kept > 0 && spans_[kept - 1].y == s.y && s.x0 <= spans_[kept - 1].x1 + 1)
            spans_[kept - 1].x1 = std::max(spans_[kept - 1].x1, s.x1);
        else
            spans_[kept++] = s;
    }
    spans_.resize(kept);
    normalised_ = true;
}

QRect Coverage::bounds() const {
    if (spans_.empty()) return {};
    int left = spans_[0].x0, right = spans_[0].x1;
    for (const Span& s : spans_) {
        left = std::min(left, s.x0);
        right = std::max(right, s.x1);
    }
    return QRect(QPoint(left, spans_.front().y), QPoint(right, spans_.back().y));
}

void Coverage::finish(FigurePixels& figure) {
    normalise();
    figure.bounds = bounds();
    figure.spans.swap(spans_);
}
