#include "Chain.h"

#include "core/Canvas.h"
#include "core/Grid.h"
#include "core/ShapeTool.h"
#include "core/ToolCode.h"

#include <QCoreApplication>

namespace {

constexpr double kTwips = Canvas::kTwipsPerPixel;

// The leading edge's coordinate: AT, or with snap the grid line nearest it
// beyond EDGE (SIGN +1 going right or down, -1 going left or up).
double leadingEdge(double at, double edge, int sign, const Grid& grid) {
    if (!grid.snap) return at;
    double snapped = grid.nearest(float(at));
    const double step = grid.spacing() * kTwips;
    while ((snapped - edge) * sign <= 0) snapped += sign * step;
    return snapped;
}

// What a figure of TOOL dragged over DRAG, top left to bottom right, draws
// its outline around: its module says how far a wave or a round end reaches
// past the drag; a circle is drawn as high as the drag, centred in it.
QRectF outlineOf(int tool, const QRectF& drag, const ShapeTools& shapes) {
    if (tool == Tool::Circle) return FigureMemory::remembered(tool, drag.topLeft(), drag.bottomRight()).rect;
    const ShapeTool* module = shapes.forTool(tool);
    if (!module) return drag;
    return drag.marginsAdded(
        module->outlineBeyond(float(drag.left()), float(drag.top()), float(drag.right()), float(drag.bottom())));
}

// The outline of a figure where it lies: that of the figure as drawn,
// turned as it has been since.
QRectF outlineNow(const DrawnFigure& figure, const ShapeTools& shapes) {
    const QLineF drag = figure.drag();
    const QRectF drawn = outlineOf(figure.tool, QRectF(drag.p1(), drag.p2()).normalized(), shapes);
    return QRectF(figure.place(drawn.topLeft()), figure.place(drawn.bottomRight())).normalized();
}

// The drag that draws a figure of TOOL over F: a circle's is 2 twips higher
// and lower, its radius being half the drag's height less 2.
QRectF dragOver(int tool, const QRectF& f) { return tool == Tool::Circle ? f.adjusted(0, -2, 0, 2) : f; }

}  // namespace

std::optional<Chain::Plan> Chain::plan(const DrawnFigure& source, int tool, Direction d, int gap, const Grid& grid,
                                       QSize picture, const ShapeTools& shapes, QString& why) {
    const QRectF s = source.rect;
    // A circle is remembered by the square around it.
    const QRectF from = source.tool == Tool::Circle ? s : outlineNow(source, shapes);
    const double g = gap * kTwips;
    // The gap lies between the outlines: the new rectangle's leading edge
    // goes as far past the gap as its outline reaches before it.
    QRectF f = s;
    const QRectF o = outlineOf(tool, dragOver(tool, f), shapes);
    switch (d) {
    case Direction::Down: {
        const double edge = from.bottom() + (f.top() - o.top());
        f.moveTop(leadingEdge(edge + g, edge, +1, grid));
        break;
    }
    case Direction::Up: {
        const double edge = from.top() - (o.bottom() - f.bottom());
        f.moveBottom(leadingEdge(edge - g, edge, -1, grid));
        break;
    }
    case Direction::Right: {
        const double edge = from.right() + (f.left() - o.left());
        f.moveLeft(leadingEdge(edge + g, edge, +1, grid));
        break;
    }
    case Direction::Left: {
        const double edge = from.left() - (o.right() - f.right());
        f.moveRight(leadingEdge(edge - g, edge, -1, grid));
        break;
    }
    }
    const QRectF drag = dragOver(tool, f);
    const QRectF inside(0, 0, (picture.width() - 1) * kTwips, (picture.height() - 1) * kTwips);
    if (!inside.contains(outlineOf(tool, drag, shapes))) {
        why = QCoreApplication::translate("Chain", "The next figure would not fit inside the picture.");
        return std::nullopt;
    }
    Plan p{FigureMemory::remembered(tool, drag.topLeft(), drag.bottomRight(), source.penWidth), drag.topLeft(),
           drag.bottomRight(), {}, {}};
    // Straight from side to side: across the chain, both ends take the
    // source's connection point, which lies on its outline as the new
    // figure's does.
    const auto was = FigureMemory::points(source);
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
