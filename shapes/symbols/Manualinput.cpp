// Manual input: a quadrilateral whose top side slopes up to the right, drawn
// 50 twips inside the dragged rectangle; the preview frames the rectangle
// itself. Only for drags not left of and not above the start.
#include "Polygon.h"

namespace {

class Manualinput final : public PolygonSymbol {
public:
    Manualinput() : PolygonSymbol(PreviewFrame::Drag) {}

private:
    bool accepts(const Corners& c) const override { return rightAndBelow(c); }
    std::vector<Point> corners(const Corners& c) const override {
        const float h = c.y1 - c.y0;
        return {
            {c.x0 + 50, h / 4 + (c.y0 + 50)},  // left side, top end: the slope starts here
            {c.x0 + 50, c.y1 - 50},
            {c.x1 - 50, c.y1 - 50},
            {c.x1 - 50, c.y0 + 50},
        };
    }
    // Below the sloping top where it is lowest, inside the drawn-in sides.
    LabelSite label(const Corners& c) const override {
        return LabelSite::inside(c.x0 + 50, (c.y1 - c.y0) / 4 + (c.y0 + 50), c.x1 - 50, c.y1 - 50);
    }
};

const ShapeRegistration registration("Manualinput", [] { return std::make_unique<Manualinput>(); });

}  // namespace
