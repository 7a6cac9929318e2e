#include "ArrowShape.h"

#include <algorithm>
#include <optional>

namespace arrows {

float resolve(Coord c, float a, float b) {
    float v = a;
    switch (c.anchor) {
    case Anchor::Start: v = a; break;
    case Anchor::Quarter: v = (b - a) / 4 + a; break;
    case Anchor::Half: v = (b - a) / 2 + a; break;
    case Anchor::ThreeQuarter: v = (b - a) * 3 / 4 + a; break;
    case Anchor::End: v = b; break;
    case Anchor::Middle: v = (a + b) / 2; break;
    }
    // No addition for a zero offset, so a negative zero stays as it is.
    return c.offset == 0 ? v : v + float(c.offset);
}

bool ArrowShape::accepts(const Corners& c) const {
    return direction_ == Direction::Any || rightAndBelow(c);
}

void ArrowShape::figure(Canvas& canvas, Pass pass, const Corners& c, VbColor drawColor) {
    std::optional<VbColor> color;
    if (pass == Pass::Final) {
        color = drawColor;
    } else if (frame_ == PreviewFrame::Margin) {
        frame(canvas, c);
    } else if (frame_ == PreviewFrame::DragRect) {
        canvas.Box(c.x0, c.y0, c.x1, c.y1);
    }
    for (const Segment& s : outline_) {
        canvas.Line(resolve(s.from.x, c.x0, c.x1), resolve(s.from.y, c.y0, c.y1),
                    resolve(s.to.x, c.x0, c.x1), resolve(s.to.y, c.y0, c.y1), color);
    }
}

LabelSite ArrowShape::label(const Corners& c) const {
    const float ax = resolve(label_.a.x, c.x0, c.x1), ay = resolve(label_.a.y, c.y0, c.y1);
    const float bx = resolve(label_.b.x, c.x0, c.x1), by = resolve(label_.b.y, c.y0, c.y1);
    if (label_.kind == LabelSpec::Kind::Connector) return LabelSite::beside(ax, ay, bx, by, kHeadReach);
    return LabelSite::inside(std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by));
}

}  // namespace arrows
