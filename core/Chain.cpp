#include "Chain.h"

#include "core/Canvas.h"
#include "core/Grid.h"
#include "core/ToolCode.h"

#include <QCoreApplication>

namespace {

constexpr double kTwips = Canvas::kTwipsPerPixel;

// The leading edge's coordinate: AT, or with snap the grid line nearest it
// beyond the source's edge EDGE (SIGN +1 going right or down, -1 going left
// or up).
double leadingEdge(double at, double edge, int sign, const Grid& grid) {
    if (!grid.snap) return at;
    double snapped = grid.nearest(float(at));
    const double step = grid.spacing() * kTwips;
    while ((snapped - edge) * sign <= 0) snapped += sign * step;
    return snapped;
}

}  // namespace

std::optional<Chain::Plan> Chain::plan(const DrawnFigure& source, int tool, Direction d, int gap, const Grid& grid,
                                       QSize picture, QString& why) {
    const QRectF s = source.drag.normalized();
    const double g = gap * kTwips;
    QRectF f = s;
    switch (d) {
    case Direction::Down: f.moveTop(leadingEdge(s.bottom() + g, s.bottom(), +1, grid)); break;
    case Direction::Up: f.moveBottom(leadingEdge(s.top() - g, s.top(), -1, grid)); break;
    case Direction::Right: f.moveLeft(leadingEdge(s.right() + g, s.right(), +1, grid)); break;
    case Direction::Left: f.moveRight(leadingEdge(s.left() - g, s.left(), -1, grid)); break;
    }
    // A circle's drag is as high as the circle and 2 twips more each way:
    // its radius is half the drag's height less 2.
    const double grow = tool == Tool::Circle ? 2 : 0;
    const QPointF press(f.left(), f.top() - grow), release(f.right(), f.bottom() + grow);
    const QRectF inside(0, 0, (picture.width() - 1) * kTwips, (picture.height() - 1) * kTwips);
    if (!inside.contains(QRectF(press, release))) {
        why = QCoreApplication::translate("Chain", "The next figure would not fit inside the picture.");
        return std::nullopt;
    }
    Plan p{{tool, f, source.penWidth}, press, release, {}, {}};
    // Straight from side to side: across the chain, both ends take the
    // source's connection point.
    const auto was = FigureMemory::points(DrawnFigure{source.tool, s, source.penWidth});
    const auto is = FigureMemory::points(p.figure);
    using Side = FigureMemory::Side;
    auto at = [](const auto& points, Side side) { return points[int(side)].at; };
    switch (d) {
    case Direction::Down:
        p.from = at(was, Side::Bottom), p.to = {p.from.x(), at(is, Side::Top).y()};
        break;
    case Direction::Up:
        p.from = at(was, Side::Top), p.to = {p.from.x(), at(is, Side::Bottom).y()};
        break;
    case Direction::Right:
        p.from = at(was, Side::Right), p.to = {at(is, Side::Left).x(), p.from.y()};
        break;
    case Direction::Left:
        p.from = at(was, Side::Left), p.to = {at(is, Side::Right).x(), p.from.y()};
        break;
    }
    return p;
}
