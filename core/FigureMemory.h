// The figures drawn in this session, for snapping and for labels: the tool
// and rectangle of every figure (the symbols, the process box and the
// circle; not lines or arrows) drawn since the picture was last wiped or
// replaced, the last figure, line or arrow drawn, which Return labels, and
// the last line or arrow drawn, which Ctrl+Return labels.
// They belong to the picture as its pixels do: the undo history keeps them
// with every step, and a crop, a turn, a new size or a moved part takes
// them along, or forgets the ones whose pixels it cut. A PNG file keeps
// them with the chart.
#pragma once

#include "core/Orientation.h"

#include <QLineF>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

enum class Turn;

// Whether a line goes round a right angle, and which way it leaves its
// press: across first or down first, in the figure as drawn.
enum class Bend { None, AcrossFirst, DownFirst };

// A figure as the memory keeps it: where it lies, its corners in order, and
// how it has been turned or flipped since it was drawn; the drag that drew
// it is that rectangle as drawn, from the corner its press was at.
struct DrawnFigure {
    int tool = 0;
    // Where it lies on the picture, in twips, its corners in order (a line's
    // two ends are opposite corners); a circle's is the square around the
    // circle drawn.
    QRectF rect;
    int penWidth = 1;  // the pen it was drawn with, which its label keeps clear of
    Orientation orientation;  // since it was drawn
    bool leftward = false, upward = false;  // where the release lay from the press, as drawn
    Bend bend = Bend::None;
    // The same figure however it moves or turns, unique in its chart; 0
    // for a figure not drawn on the picture.
    int id = 0;

    // The picture pixels the rectangle covers, edges included.
    QRect pixels() const;
    // The press and the release as drawn: not turned, centred where the
    // figure lies now. What the shape modules measure their figure by.
    QLineF drag() const;
    // A point of the figure as drawn (in the frame of drag()) where it lies now.
    QPointF place(QPointF drawn) const { return rect.center() + orientation.map(drawn - rect.center()); }
    bool operator==(const DrawnFigure& o) const {
        return tool == o.tool && rect == o.rect && penWidth == o.penWidth && orientation == o.orientation &&
               leftward == o.leftward && upward == o.upward && bend == o.bend;
    }
};

class FigureMemory {
public:
    enum class Side { Top, Bottom, Left, Right };
    // A connection point: the middle of a figure's side (a decision's
    // corner; where a symbol's side is slanted, curved or inset, the point
    // of its outline level with that middle), in twips.
    struct Point {
        QPointF at;
        Side side;
        int tool;
    };

    // Whether TOOL's figures are remembered: the symbols, the process box and the circle.
    static bool isFigure(int tool);
    // Whether TOOL draws a connector: the line and the arrows that are a line with heads.
    static bool isLine(int tool);
    // Where TURN takes the point P (twips) of a picture of SIZE pixels, so
    // that the pixel holding it goes where the turn takes that pixel.
    static QPointF turnedPoint(QPointF p, Turn turn, QSize size);
    // The figure a drag of TOOL from PRESS to RELEASE draws, as it is remembered.
    static DrawnFigure remembered(int tool, QPointF press, QPointF release, int penWidth = 1);
    // The four connection points of a figure, in the order of Side.
    static std::array<Point, 4> points(const DrawnFigure& figure);
    // What the status bar calls a point: "Bottom of the process box".
    static QString describe(const Point& point);

    const std::vector<DrawnFigure>& figures() const { return figures_; }
    const std::optional<DrawnFigure>& last() const { return last_; }
    const std::optional<DrawnFigure>& lastLine() const { return lastLine_; }

    // The figure under a point, the newest first; null for none.
    const DrawnFigure* under(QPointF at) const;
    // The connection point nearest to AT, no further than REACH twips.
    std::optional<Point> nearestPoint(QPointF at, double reach) const;
    // The side of a figure that AT lies on, within REACH twips of it (of a
    // decision, its corners); the newest figure first.
    std::optional<Point> sideAt(QPointF at, double reach) const;

    // A drag of TOOL from PRESS to RELEASE drew on a picture of SIZE pixels
    // (a line going round BEND); one that lies wholly off the picture leaves
    // nothing to remember.
    // Returns the id it is remembered by, 0 for none.
    int drawn(int tool, QPointF press, QPointF release, QSize size, int penWidth = 1, Bend bend = Bend::None);
    // The figure (or the last line) of F's id put where F says; one taken
    // away, and the last figure then the newest left.
    void update(const DrawnFigure& f);
    void remove(int id);
    // The picture was wiped or replaced.
    void forget();
    // The picture of SIZE pixels was cut down to PART. A crop to what is
    // drawn cuts no figure and keeps every one that still shows; another
    // keeps those whose pixels lay wholly inside it.
    void cropped(const QRect& part, bool toContent, QSize size);
    // The picture went from one size to another, its pixels at the top
    // left: the figures that showed wholly inside the new size stay.
    void resized(QSize from, QSize to);
    // The picture of SIZE (before the turn) was turned.
    void turned(Turn turn, QSize size);
    // The part FROM moved to TO (FROM empty for a paste), turned or not, its
    // white covering what lay below or not, on a picture of SIZE: the
    // figures wholly inside it move with it, the ones it cut or covered go.
    void moved(const QRect& from, const QRect& to, bool turnedPart, bool covers, QSize size);
    // The part was made white: the figures it touched go.
    void whitened(const QRect& part);

    // Memory held, for the undo history's budget.
    std::size_t bytes() const { return sizeof(*this) + figures_.size() * sizeof(DrawnFigure); }
    bool operator==(const FigureMemory& o) const {
        return figures_ == o.figures_ && last_ == o.last_ && lastLine_ == o.lastLine_;
    }
    bool operator!=(const FigureMemory& o) const { return !(*this == o); }

private:
    // The chart kept in a file is written from and read into these.
    friend struct ChartText;
    // Each figure, the last one too, put where MAP says, or forgotten when
    // MAP gives nothing.
    template <typename Map>
    void remap(Map map);

    std::vector<DrawnFigure> figures_;
    std::optional<DrawnFigure> last_, lastLine_;
    int nextId_ = 0;
};
