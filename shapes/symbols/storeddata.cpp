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
    // From the convex end's centre line to where the hollow end begins;
    // dragged to the left, the bar runs back over its convex end, and the
    // room lies between the hollow end and the drag's start.
    LabelSite label(const Corners& c) const override {
        const Corners o = ordered(c);
        const double rx = (o.y1 - o.y0) / 2.0 / kCapDivisor;
        if (c.x1 >= c.x0) return LabelSite::inside(c.x0 + rx, o.y0, c.x1 - rx, o.y1);
        return LabelSite::inside(c.x1, o.y0, c.x0, o.y1);
    }
};

const ShapeRegistration registration("storeddata", [] { return std::make_unique<storeddata>(); });

}  // namespace
