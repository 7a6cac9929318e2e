// The terminal symbol (Start and Terminate): a bar with half-circle ends.
// Its two arc angles are module state: each DrawShape sets them for its end
// point, and ErasePreview reuses those of the preview it erases.
#include "Angles.h"
#include "shapes/ShapeModule.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

class startandend final : public ShapeModule {
    double arcAngle1 = 0;
    double arcAngle2 = 0;

    void figure(Canvas& canvas, Pass pass, const Corners& c, VbColor drawColor) override {
        if (pass != Pass::Erase) {
            arcAngle1 = kPiTenDigits / 2;
            arcAngle2 = (kPiTenDigits / 2) * 3;
            if (c.x1 < c.x0) std::swap(arcAngle1, arcAngle2);  // the half circles turn about
        }
        // The erase draws the very pixels of the preview, which carries the
        // draw colour on its outline: invert mode ignores it either way.
        std::optional<VbColor> color;
        if (pass != Pass::Erase) color = drawColor;
        if (pass != Pass::Final) frame(canvas, c);
        const float h = (c.y1 - c.y0) / 2;  // signed: negative for an upward drag
        const float r = std::fabs(c.y1 - c.y0) / 2;
        const float a1 = float(arcAngle1), a2 = float(arcAngle2);
        canvas.Line(c.x0 + h, c.y0, c.x1 - h, c.y0, color);
        canvas.Line(c.x0 + h, c.y1, c.x1 - h, c.y1, color);
        canvas.Circle(c.x0 + h, c.y0 + h, r, color, a1, a2);
        canvas.Circle(c.x1 - h, c.y0 + h, r, color, a2, a1);
    }
    // Between the centres of the round ends, the whole height. Dragged up or
    // to the left (not both) the straight edges run past the drag and the
    // ends face away from each other whatever the width; otherwise a drag
    // narrower than tall crosses them over.
    LabelSite label(const Corners& c) const override {
        const float h = (c.y1 - c.y0) / 2;
        const float a = c.x0 + h, b = c.x1 - h;
        const float top = std::min(c.y0, c.y1), bottom = std::max(c.y0, c.y1);
        const bool leftward = c.x1 < c.x0, upward = c.y1 < c.y0;
        if (leftward != upward) return LabelSite::inside(std::min(a, b), top, std::max(a, b), bottom);
        return leftward ? LabelSite::inside(b, top, a, bottom) : LabelSite::inside(a, top, b, bottom);
    }
    // The round ends, crossed over in a drag narrower than half its height.
    QMarginsF beyond(const Corners& c) const override {
        const qreal side = std::max(0.0f, (c.y1 - c.y0) / 2 - (c.x1 - c.x0));
        return {side, 0, side, 0};
    }
};

const ShapeRegistration registration("startandend", [] { return std::make_unique<startandend>(); });

}  // namespace
