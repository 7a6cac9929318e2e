// The decision box: a diamond through the midpoints of the drag rectangle's
// sides. Its preview carries the 50-twip frame; no preview line has a colour.
#include "shapes/ShapeModule.h"

namespace {

class Decisionbox final : public ShapeModule {
    void figure(Canvas& canvas, Pass pass, const Corners& c, VbColor drawColor) override {
        const float mx = c.x0 + (c.x1 - c.x0) / 2;
        const float my = c.y0 + (c.y1 - c.y0) / 2;
        std::optional<VbColor> color;
        if (pass == Pass::Final) {
            color = drawColor;
        } else {
            frame(canvas, c);
        }
        canvas.Line(mx, c.y0, c.x0, my, color);  // top to left
        canvas.Line(c.x0, my, mx, c.y1, color);  // left to bottom
        canvas.Line(mx, c.y1, c.x1, my, color);  // bottom to right
        canvas.Line(c.x1, my, mx, c.y0, color);  // right to top
    }
    // The rectangle inside the diamond whose corners touch its sides: half
    // the drag's width and half its height, about the centre.
    LabelSite label(const Corners& c) const override {
        const Corners o = ordered(c);
        const float w = o.x1 - o.x0, h = o.y1 - o.y0;
        return LabelSite::inside(o.x0 + w / 4, o.y0 + h / 4, o.x1 - w / 4, o.y1 - h / 4);
    }
};

const ShapeRegistration registration("Decisionbox", [] { return std::make_unique<Decisionbox>(); });

}  // namespace
