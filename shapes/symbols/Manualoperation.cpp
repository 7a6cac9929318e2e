// Manual operation: a trapezoid, wide at the top and half as wide at the
// bottom. Only for drags not left of and not above the start.
#include "Polygon.h"

namespace {

class Manualoperation final : public PolygonSymbol {
public:
    Manualoperation() : PolygonSymbol(PreviewFrame::Margin) {}

private:
    bool accepts(const Corners& c) const override { return rightAndBelow(c); }
    std::vector<Point> corners(const Corners& c) const override {
        const float w = c.x1 - c.x0;
        return {
            {c.x0, c.y0},
            {c.x0 + w / 4, c.y1},
            {c.x1 - (c.x1 - c.x0) / 4, c.y1},
            {c.x1, c.y0},
        };
    }
    // Upright above the narrow bottom edge, the whole height.
    LabelSite label(const Corners& c) const override {
        const float w = c.x1 - c.x0;
        return LabelSite::inside(c.x0 + w / 4, c.y0, c.x1 - w / 4, c.y1);
    }
};

const ShapeRegistration registration("Manualoperation", [] { return std::make_unique<Manualoperation>(); });

}  // namespace
