// A label for the last figure drawn. Inside a symbol or a block arrow it is
// fitted to the room the outline leaves free: its words broken into lines no
// wider than the room (a longer word with a hyphen), every line centred
// across it and the block centred down it, in a smaller size when it does
// not fit; no pixel of it ever leaves the room. Beside a connector it is
// one line next to the connector's middle, clear of it. Either way it is
// printed as ordinary text lines.
#pragma once

#include "core/LabelSite.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class Canvas;
class Document;
struct DrawnFigure;

namespace Label {

// Free room between a label and its figure's outline, in pixels, beyond the
// width of the pen that drew the outline.
constexpr double kAirPixels = 2;
// A label too large for its figure is shrunk one point at a time, down to
// this; below the readable size its figure grows first, where it may.
constexpr double kSmallestPoints = 6;
constexpr double kReadablePoints = 7.75;

struct Line {
    QString text;
    float x, y;  // its top-left corner in twips, as Print takes it
};

struct Placed {
    std::vector<Line> lines;
    double points = 0;  // the size of the canvas's font they are printed in
    bool fits = true;   // false: larger than the room even at the smallest size
};

// The lines of TEXT (blanks between words collapse to one) fitted into ROOM,
// in twips, less the pen's width and the air on every side: in the canvas's
// font at its own size when they fit, else at the first size one point
// smaller each time that fits; else, a word wider than the room broken with
// a hyphen, at the first such size that fits; else at the smallest size,
// what fits of them: the lines the room is tall enough for, each cut at the
// room's edge.
// Sizes below SMALLEST are not tried.
Placed inside(const Canvas& canvas, const QString& text, const QRectF& room, int penWidth,
              double smallest = kSmallestPoints);

// How far along a connector leaving a decision's corner its label sits:
// beside the middle of this first stretch of it.
constexpr double kLeadPixels = 40;
// The point of a connector its label sits beside: its middle.
QPointF anchor(const QLineF& connector);
// TEXT on one line in the canvas's font beside the connector's anchor, clear
// of the connector by the pen's width, the air and REACH twips (what its
// heads reach either side of it): above a connector within 1 in 4 of level,
// right of one within 1 in 4 of upright; for any other slant, with its
// nearest corner towards the anchor in the quarter around it that the
// connector leaves free: above and right of a connector that falls to the
// right, above and left of one that rises at under 45 degrees, below and
// right of one that rises more steeply. Where that side leaves the picture,
// the label goes to the other side, and so it does where it would touch
// AVOID (an elbow's other leg), if the other side is clear of it.
Placed beside(const Canvas& canvas, const QString& text, const QLineF& connector, float reach, int penWidth,
              const std::optional<QLineF>& avoid = std::nullopt);

// Grown: its figure grew to hold it; Smaller: printed below the readable
// size (cut at the smallest), its figure unable to grow; TooLarge: a block
// arrow's, cut at the smallest size.
enum class Stamp { Done, Grown, Smaller, TooLarge, NoText, NoFigure };
// Prints TEXT as the label of the document's last figure, within the step
// its command opened; TooLarge when it is printed at the smallest size
// and still does not fit. The canvas's font is left as it was. With no
// words, or no figure since the picture was last wiped or replaced, nothing
// is printed.
// SITE_OF tells where the label of a tool's figure dragged between two
// corners goes.
using SiteOf = std::function<LabelSite(int tool, float x0, float y0, float x1, float y1)>;
// A label that fits at no readable size grows its figure by steps of
// GROWSTEP pixels (see Document::grownToFit), in the same step; with
// GROWSTEP 0, or where the figure cannot grow, it is printed smaller.
Stamp stamp(Document& doc, const QString& text, const SiteOf& siteOf, int growStep = 0);
// The same for FIGURE, which the label then belongs to.
Stamp stampOn(Document& doc, const DrawnFigure& figure, const QString& text, const SiteOf& siteOf, int growStep = 0);
// Where TEXT goes as FIGURE's label, at no size below SMALLEST, and the
// lines printed there in the canvas's colour, at the size placed.
Placed placeFor(const Document& doc, const DrawnFigure& figure, const QString& text, const SiteOf& siteOf,
                double smallest = kSmallestPoints);
void print(Canvas& canvas, const Placed& placed);

}  // namespace Label
