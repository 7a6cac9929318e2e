// Off-page reference: a pentagon pointing down, its sides half the height.
// Only for drags not left of and not above the start.
#include "Polygon.h"

namespace {

class Offpagereference final : public PolygonSymbol {
public:
    Offpagereference() : PolygonSymbol(PreviewFrame::Margin) {}

private:
    bool accepts(const Corners& c) const override { return rightAndBelow(c); }
    std::vector<Point> corners(const Corners& c) const override {
        const float w = c.x1 - c.x0;
        const float h = c.y1 - c.y0;
        const float sideEnd = c.y0 + h / 2;
        return {{c.x0, c.y0}, {c.x0, sideEnd}, {c.x0 + w / 2, c.y1}, {c.x1, sideEnd}, {c.x1, c.y0}};
    }
    // The upright part above the point, the whole width.
    LabelSite label(const Corners& c) const override {
        return LabelSite::inside(c.x0, c.y0, c.x1, c.y0 + (c.y1 - c.y0) / 2);
    }
};

const ShapeRegistration registration("Offpagereference", [] { return std::make_unique<Offpagereference>(); });

}  // namespace
