// Internal storage: a box with one vertical and one horizontal line a sixth
// of the way in from its left and top edges. The box is the symbol itself,
// so the preview has no other frame. Only for drags not left of and not above
// the start.
#include "shapes/ShapeModule.h"

namespace {

class Internalstorage final : public ShapeModule {
    bool accepts(const Corners& c) const override { return rightAndBelow(c); }
    void figure(Canvas& canvas, Pass pass, const Corners& c, VbColor drawColor) override {
        const float w = c.x1 - c.x0;
        const float h = c.y1 - c.y0;
        const std::optional<VbColor> color = finalColor(pass, drawColor);
        canvas.Box(c.x0, c.y0, c.x1, c.y1, color);
        canvas.Line(c.x0 + w / 6, c.y0, c.x0 + w / 6, c.y1, color);
        canvas.Line(c.x0, c.y0 + h / 6, c.x1, c.y0 + h / 6, color);
    }
    // Right of the inner vertical line and below the inner horizontal one.
    LabelSite label(const Corners& c) const override {
        return LabelSite::inside(c.x0 + (c.x1 - c.x0) / 6, c.y0 + (c.y1 - c.y0) / 6, c.x1, c.y1);
    }
};

const ShapeRegistration registration("Internalstorage", [] { return std::make_unique<Internalstorage>(); });

}  // namespace
