// Parallel mode: two horizontal lines across the drag at a third and two
// thirds of its height. The preview frames the dragged rectangle itself,
// which is never part of the symbol. Drawn for every drag direction.
#include "shapes/ShapeModule.h"

namespace {

class Parallelmode final : public ShapeModule {
    void figure(Canvas& canvas, Pass pass, const Corners& c, VbColor drawColor) override {
        const float h = c.y1 - c.y0;
        const float third = c.y0 + h / 3;
        const float twoThirds = c.y0 + (h + h) / 3;
        const std::optional<VbColor> color = finalColor(pass, drawColor);
        if (pass != Pass::Final) canvas.Box(c.x0, c.y0, c.x1, c.y1);
        canvas.Line(c.x0, third, c.x1, third, color);
        canvas.Line(c.x0, twoThirds, c.x1, twoThirds, color);
    }
    // Between the two lines.
    LabelSite label(const Corners& c) const override {
        const Corners o = ordered(c);
        const float h = o.y1 - o.y0;
        return LabelSite::inside(o.x0, o.y0 + h / 3, o.x1, o.y1 - h / 3);
    }
};

const ShapeRegistration registration("Parallelmode", [] { return std::make_unique<Parallelmode>(); });

}  // namespace
