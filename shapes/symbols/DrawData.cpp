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
};

const ShapeRegistration registration("DrawData", [] { return std::make_unique<DrawData>(); });

}  // namespace
