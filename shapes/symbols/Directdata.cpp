// Direct data: a cylinder on its side. Its ends are ellipses as tall as the
// drag and 1.8 times narrower; the left end shows its left half only, the
// right end is whole. Only for drags not left of and not above the start.
#include "Angles.h"
#include "shapes/ShapeModule.h"

#include <cmath>

namespace {

constexpr double kEndDivisor = 1.8;
constexpr float kEndAspect = 1.8f;

class Directdata final : public ShapeModule {
    bool accepts(const Corners& c) const override { return rightAndBelow(c); }
    void figure(Canvas& canvas, Pass pass, const Corners& c, VbColor drawColor) override {
        const float h = c.y1 - c.y0;
        const float r = std::fabs(h) / 2;
        const double q = r / kEndDivisor;
        const float ym = c.y0 + h / 2;
        const float left = float(c.x0 + q), right = float(c.x1 - q);
        const std::optional<VbColor> color = finalColor(pass, drawColor);
        if (pass != Pass::Final) frame(canvas, c);
        canvas.Line(left, c.y0, right, c.y0, color);
        canvas.Line(left, c.y1, right, c.y1, color);
        canvas.Circle(left, ym, r, color, kHalfPi, kThreeHalvesPi, kEndAspect);
        canvas.Circle(right, ym, r, color, kHalfPi, kThreeHalvesPi, kEndAspect);
        canvas.Circle(right, ym, r, color, kThreeHalvesPi, kHalfPi, kEndAspect);
    }
    // From the left end's centre line to where the whole right end begins.
    LabelSite label(const Corners& c) const override {
        const double q = std::fabs(c.y1 - c.y0) / 2 / kEndDivisor;
        return LabelSite::inside(c.x0 + q, c.y0, c.x1 - 2 * q, c.y1);
    }
};

const ShapeRegistration registration("Directdata", [] { return std::make_unique<Directdata>(); });

}  // namespace
