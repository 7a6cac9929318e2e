// Loop limit: a rectangle with its two top corners cut off, a sixth of the
// width and of the height. Only for drags not left of and not above the start.
#include "Polygon.h"

namespace {

class Looplimit final : public PolygonSymbol {
public:
    Looplimit() : PolygonSymbol(PreviewFrame::Margin) {}

private:
    bool accepts(const Corners& c) const override { return rightAndBelow(c); }
    std::vector<Point> corners(const Corners& c) const override {
        const float w = c.x1 - c.x0;
        const float h = c.y1 - c.y0;
        const float cutY = c.y0 + h / 6;
        return {
            {c.x0 + w / 6, c.y0}, {c.x0, cutY}, {c.x0, c.y1}, {c.x1, c.y1}, {c.x1, cutY}, {c.x0 + (w * 5) / 6, c.y0},
        };
    }
    // Below the cut corners, the whole width.
    LabelSite label(const Corners& c) const override {
        return LabelSite::inside(c.x0, c.y0 + (c.y1 - c.y0) / 6, c.x1, c.y1);
    }
};

const ShapeRegistration registration("Looplimit", [] { return std::make_unique<Looplimit>(); });

}  // namespace
