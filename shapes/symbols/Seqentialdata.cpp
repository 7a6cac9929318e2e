// Sequential data: a circle as tall as the drag, centred in it, with a tail
// along the bottom edge to the right. Only for drags not left of and not
// above the start.
#include "shapes/ShapeModule.h"

#include <algorithm>
#include <cmath>

namespace {

class Seqentialdata final : public ShapeModule {
    bool accepts(const Corners& c) const override { return rightAndBelow(c); }
    void figure(Canvas& canvas, Pass pass, const Corners& c, VbColor drawColor) override {
        const float mx = c.x0 + (c.x1 - c.x0) / 2;
        const float my = c.y0 + (c.y1 - c.y0) / 2;
        const double r = std::fabs(c.y1 - c.y0) / 2.0;
        const std::optional<VbColor> color = finalColor(pass, drawColor);
        if (pass != Pass::Final) frame(canvas, c);
        canvas.Circle(mx, my, float(r), color);
        canvas.Line(mx, c.y1, c.x1, c.y1, color);  // the tail
    }
    // The square inside the circle.
    LabelSite label(const Corners& c) const override {
        const float mx = c.x0 + (c.x1 - c.x0) / 2, my = c.y0 + (c.y1 - c.y0) / 2;
        const double half = std::fabs(c.y1 - c.y0) / 2.0 * std::sqrt(0.5);
        return LabelSite::inside(mx - half, my - half, mx + half, my + half);
    }
    // The circle of a drag narrower than tall.
    QMarginsF beyond(const Corners& c) const override {
        const qreal side = std::max(0.0, (std::fabs(c.y1 - c.y0) - (c.x1 - c.x0)) / 2.0);
        return {side, 0, side, 0};
    }
};

const ShapeRegistration registration("Seqentialdata", [] { return std::make_unique<Seqentialdata>(); });

}  // namespace
