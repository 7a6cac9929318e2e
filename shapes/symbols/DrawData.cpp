// The data symbol: a parallelogram whose top edge is the right two thirds of
// the drag's width and whose bottom edge is the left two thirds.
#include "shapes/ShapeModule.h"

namespace {

class DrawData final : public ShapeModule {
    void figure(Canvas& canvas, Pass pass, const Corners& c, VbColor drawColor) override {
        const float w = c.x1 - c.x0;
        const float a = c.x0 + w / 3;
        const float b = c.x0 + (w + w) / 3;
        const std::optional<VbColor> color = finalColor(pass, drawColor);
        if (pass != Pass::Final) frame(canvas, c);
        canvas.Line(a, c.y0, c.x0, c.y1, color);  // left side
        canvas.Line(c.x1, c.y0, b, c.y1, color);  // right side
        canvas.Line(a, c.y0, c.x1, c.y0, color);  // top
        canvas.Line(c.x0, c.y1, b, c.y1, color);  // bottom
    }
    // Between the slanted sides over the middle half of the height: each
    // side is a third of the width off the upright, so a quarter of the
    // width in from either end there.
    LabelSite label(const Corners& c) const override {
        const Corners o = ordered(c);
        const float w = o.x1 - o.x0, h = o.y1 - o.y0;
        return LabelSite::inside(o.x0 + w / 4, o.y0 + h / 4, o.x1 - w / 4, o.y1 - h / 4);
    }
};

const ShapeRegistration registration("DrawData", [] { return std::make_unique<DrawData>(); });

}  // namespace
