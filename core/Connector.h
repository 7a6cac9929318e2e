// The line tool's connectors: a line with arrowheads at its ends, dashes or
// dots along it, and an elbow that takes it round one right angle. The look
// is chosen in Tools > Line Ends, Line Style and Line Route; a plain line
// (no heads, solid, straight) is drawn as the canvas's Line.
#pragma once

#include "core/Raster.h"

#include <QString>
#include <cstdint>
#include <optional>

class Canvas;

enum class LineEnds { None, End, Both };
enum class LineStyle { Solid, Dashed, Dotted };
enum class LineRoute { Straight, Elbow };
// Which way an elbow's first leg leaves the press: along the longer of the
// drag's two directions, or square to the side of a figure pressed on.
enum class FirstLeg { Longer, Horizontal, Vertical };

struct LineLook {
    LineEnds ends = LineEnds::None;
    LineStyle style = LineStyle::Solid;
    LineRoute route = LineRoute::Straight;

    bool plain() const { return ends == LineEnds::None && style == LineStyle::Solid && route == LineRoute::Straight; }
};

// The names the dump and the trace give them.
QString nameOf(LineEnds ends);
QString nameOf(LineStyle style);
QString nameOf(LineRoute route);
QString nameOf(FirstLeg leg);

// Whether an elbow from A to B goes across first.
bool acrossFirst(QPointF a, QPointF b, FirstLeg leg);

// The head's size in pixels for a pen width: 10 long and 8 wide at width 1,
// each 2 more for every further pixel.
inline double headLength(int width) { return 8.0 + 2.0 * width; }
inline double headWidth(int width) { return 6.0 + 2.0 * width; }

// The connector from pixel point A to B gathered into COVER: its shaft at
// the pen width, in its style, and its heads filled. A connector of length
// zero is the pen's dot.
void addConnector(Coverage& cover, QPointF a, QPointF b, const LineLook& look, FirstLeg leg, int width);

// The calls a line pressed at (x0, y0) and released at (x1, y1) makes to
// draw its finished figure in COLOR, in copy-pen mode at the canvas's pen
// width: the canvas's Line for a plain look, its Connector otherwise.
void drawConnector(Canvas& canvas, float x0, float y0, float x1, float y1, const LineLook& look, FirstLeg leg,
                   std::int32_t color);
