// Stored data: a bar with a convex left end and a concave right end, both
// left halves of ellipses 1.8 times as tall as wide. The outline carries the
// draw colour in every pass; only the preview frame has none.
#include "Angles.h"
#include "shapes/ShapeModule.h"

#include <cmath>

namespace {

constexpr double kCapDivisor = 1.8;
constexpr float kCapAspect = 1.8f;

class storeddata final : public ShapeModule {
    void figure(Canvas& canvas, Pass pass, const Corners& c, VbColor drawColor) override {
        const double r = std::fabs(c.y1 - c.y0) / 2.0;
        const double rx = r / kCapDivisor;
        const float ym = c.y0 + (c.y1 - c.y0) / 2;
        const float xa = float(c.x0 + rx);
        if (pass != Pass::Final) frame(canvas, c);
        canvas.Line(xa, c.y0, c.x1, c.y0, drawColor);
        canvas.Line(xa, c.y1, c.x1, c.y1, drawColor);
        canvas.Circle(xa, ym, float(r), drawColor, kHalfPi, kThreeHalvesPi, kCapAspect);
        canvas.Circle(c.x1, ym, float(r), drawColor, kHalfPi, kThreeHalvesPi, kCapAspect);
    }
};

const ShapeRegistration registration("storeddata", [] { return std::make_unique<storeddata>(); });

}  // namespace
