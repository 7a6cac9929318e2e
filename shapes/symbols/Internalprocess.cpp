// Internal process: a rectangle whose corners are quarter circles of a fixed
// 200-twip radius. Only for drags not left of and not above the start.
#include "Angles.h"
#include "shapes/ShapeModule.h"

#include <cmath>

namespace {

constexpr float kRadius = 200.0f;

class Internalprocess final : public ShapeModule {
    bool accepts(const Corners& c) const override { return rightAndBelow(c); }
    void figure(Canvas& canvas, Pass pass, const Corners& c, VbColor drawColor) override {
        const float r = kRadius;
        const std::optional<VbColor> color = finalColor(pass, drawColor);
        if (pass != Pass::Final) frame(canvas, c);
        canvas.Line(c.x0, c.y0 + r, c.x0, c.y1 - r, color);  // left
        canvas.Line(c.x0 + r, c.y1, c.x1 - r, c.y1, color);  // bottom
        canvas.Line(c.x1, c.y1 - r, c.x1, c.y0 + r, color);  // right
        canvas.Line(c.x0 + r, c.y0, c.x1 - r, c.y0, color);  // top
        canvas.Circle(c.x0 + r, c.y0 + r, r, color, kHalfPi, kPiSingle);        // top left
        canvas.Circle(c.x0 + r, c.y1 - r, r, color, kPiSingle, kThreeHalvesPi);  // bottom left
        canvas.Circle(c.x1 - r, c.y0 + r, r, color, 0, kHalfPi);                // top right
        canvas.Circle(c.x1 - r, c.y1 - r, r, color, kThreeHalvesPi, 0);         // bottom right
    }
    // The drag, drawn in until its corners meet the rounded ones.
    LabelSite label(const Corners& c) const override {
        const double in = kRadius * (1 - std::sqrt(0.5));
        return LabelSite::inside(c.x0 + in, c.y0 + in, c.x1 - in, c.y1 - in);
    }
};

const ShapeRegistration registration("Internalprocess", [] { return std::make_unique<Internalprocess>(); });

}  // namespace
