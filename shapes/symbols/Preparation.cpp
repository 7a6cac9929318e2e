// Preparation: a hexagon with pointed left and right ends, a quarter of the
// width deep. Drawn for every drag direction.
#include "Polygon.h"

namespace {

class Preparation final : public PolygonSymbol {
public:
    Preparation() : PolygonSymbol(PreviewFrame::Margin) {}

private:
    std::vector<Point> corners(const Corners& c) const override {
        const float w = c.x1 - c.x0;
        const float ym = (c.y0 + c.y1) / 2;
        const float quarter = c.x0 + w / 4;
        const float threeQuarters = c.x0 + (w * 3) / 4;
        return {
            {quarter, c.y0}, {c.x0, ym}, {quarter, c.y1}, {threeQuarters, c.y1}, {c.x1, ym}, {threeQuarters, c.y0},
        };
    }
    // Between the pointed ends, the whole height.
    LabelSite label(const Corners& c) const override {
        const Corners o = ordered(c);
        const float w = o.x1 - o.x0;
        return LabelSite::inside(o.x0 + w / 4, o.y0, o.x1 - w / 4, o.y1);
    }
};

const ShapeRegistration registration("Preparation", [] { return std::make_unique<Preparation>(); });

}  // namespace
