// The next figure in one key: where a figure of the same size goes when it
// is chained from a source figure in one of four directions, the chain gap
// of white between their outlines, the drag that draws it, and the
// connector that joins the middles of their facing sides. Everything is in
// twips, as the drag's corners are.
#pragma once

#include "core/FigureMemory.h"

#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>

class Grid;
class ShapeTools;

namespace Chain {

enum class Direction { Up, Down, Left, Right };

constexpr int kMinGap = 10, kMaxGap = 400, kDefaultGap = 40;  // pixels

struct Plan {
    DrawnFigure figure;     // the new figure as the memory will hold it
    QPointF press, release;  // the drag that draws it: its top-left and bottom-right corners
    QPointF from;           // the connector's press, on the source's facing side
    QPointF to;             // its release, on the new figure's facing side
};

// The new figure of TOOL, its outline the gap (pixels) away from SOURCE's
// in direction D, its rectangle as large as the source's, its left side
// kept for Up and Down and its top for Left and Right; with snap on, its
// leading edge lies on the grid line nearest that place, its outline never
// on or behind the source's. Empty, with WHY set, when its outline would not
// lie wholly inside a picture of PICTURE pixels. SHAPES say how far each
// symbol's outline reaches past its drag.
std::optional<Plan> plan(const DrawnFigure& source, int tool, Direction d, int gap, const Grid& grid, QSize picture,
                         const ShapeTools& shapes, QString& why);

}  // namespace Chain
