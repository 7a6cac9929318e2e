#include "Chain.h"

#include "core/Canvas.h"
#include "core/Grid.h"

namespace {

constexpr float kTwips = Canvas::kTwipsPerPixel;

// The leading edge's coordinate: AT, or with snap the grid line nearest it
// that still leaves room past the source's edge EDGE (SIGN +1 going right
// or down, -1 going left or up).
float leadingEdge(float at, float edge, int sign, const Grid& grid) {
    if (!grid.snap) return at;
    float snapped = grid.nearest(at);
    const float step = grid.spacing() * kTwips;
    while ((snapped - edge) * sign <= 0) snapped += sign * step;
    return snapped;
}

}  // namespace

std::optional<Chain::Plan> Chain::plan(const QRectF& source, Direction d, int gap, const Grid& grid, QSize picture,
                                       QString& why) {
    const QRectF s = source.normalized();
    const float g = float(gap) * kTwips;
    QRectF f = s;
    switch (d) {
    case Direction::Down: f.moveTop(leadingEdge(float(s.bottom()) + g, float(s.bottom()), +1, grid)); break;
    case Direction::Up: f.moveBottom(leadingEdge(float(s.top()) - g, float(s.top()), -1, grid)); break;
    case Direction::Right: f.moveLeft(leadingEdge(float(s.right()) + g, float(s.right()), +1, grid)); break;
    case Direction::Left: f.moveRight(leadingEdge(float(s.left()) - g, float(s.left()), -1, grid)); break;
    }
    const QRectF inside(0, 0, (picture.width() - 1) * kTwips, (picture.height() - 1) * kTwips);
    if (!inside.contains(f)) {
        why = QStringLiteral("The next figure would not fit inside the picture.");
        return std::nullopt;
    }
    Plan p{f, {}, {}};
    const bool vertical = d == Direction::Up || d == Direction::Down;
    if (vertical) {
        const qreal x = s.center().x();
        p.from = {x, d == Direction::Down ? s.bottom() : s.top()};
        p.to = {x, d == Direction::Down ? f.top() : f.bottom()};
    } else {
        const qreal y = s.center().y();
        p.from = {d == Direction::Right ? s.right() : s.left(), y};
        p.to = {d == Direction::Right ? f.left() : f.right(), y};
    }
    return p;
}
