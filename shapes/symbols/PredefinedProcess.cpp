// Predefined process: a box with an inner vertical line 200 twips inside
// each side. The box is the symbol itself, so the preview has no other frame.
// Only for drags not left of and not above the start.
#include "shapes/ShapeModule.h"

#include <algorithm>

namespace {

constexpr float kInset = 200;

class PredefinedProcess final : public ShapeModule {
    bool accepts(const Corners& c) const override { return rightAndBelow(c); }
    void figure(Canvas& canvas, Pass pass, const Corners& c, VbColor drawColor) override {
        const std::optional<VbColor> color = finalColor(pass, drawColor);
        canvas.Box(c.x0, c.y0, c.x1, c.y1, color);
        canvas.Line(c.x0 + kInset, c.y0, c.x0 + kInset, c.y1, color);
        canvas.Line(c.x1 - kInset, c.y0, c.x1 - kInset, c.y1, color);
    }
    // Between the two inner lines, inside the box (where a narrow box has
    // them swapped, too).
    LabelSite label(const Corners& c) const override {
        const float a = c.x0 + kInset, b = c.x1 - kInset;
        return LabelSite::inside(std::max(c.x0, std::min(a, b)), c.y0, std::min(c.x1, std::max(a, b)), c.y1);
    }
};

const ShapeRegistration registration("PredefinedProcess", [] { return std::make_unique<PredefinedProcess>(); });

}  // namespace
