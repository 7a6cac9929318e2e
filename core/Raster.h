// The canvas's own rasteriser for outlines. A figure is first gathered as
// the pixels it covers, row by row, and then applied once: every pixel of a
// figure is touched exactly once, so an inverted figure drawn twice restores
// the picture, and a figure's parts never cancel where they meet. It paints
// on the calling thread alone.
#pragma once

#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QRgb>
#include <QRect>
#include <QRegion>
#include <array>
#include <vector>

// A figure's pixels once gathered: the covered spans of each row and their
// bounding rectangle.
struct FigurePixels {
    struct Span {
        int y, x0, x1;
    };
    std::vector<Span> spans;  // by row, then x; none overlap or touch
    QRect bounds;

    // Sets each covered pixel to colour, or inverts it.
    void invert(QImage& image) const;
    void fill(QImage& image, QRgb colour) const;
};

class Coverage {
public:
    // Starts a new figure on a picture of this rectangle; the buffers of the
    // last figure are kept for reuse, so a figure allocates nothing new.
    void reset(const QRect& clip);

    // Pixels x0..x1 of row y, both included; clipped to the picture.
    void addSpan(int y, int x0, int x1);
    // A straight stroke of the given pen width between two pixel points.
    // Width 1 follows the pixel grid; wider pens sweep a round tip, so that a
    // stroke of length zero is the tip's dot and lies under any longer
    // stroke from the same point.
    void addStroke(const QPointF& a, const QPointF& b, int width);
    // Connected strokes; shared points are covered once.
    void addPolyline(const QPolygonF& points, int width);
    // The outline of the box with corners at these pixel lines.
    void addBox(int x1, int y1, int x2, int y2, int width);
    // The inside of a convex polygon, its corners in turn: a pixel is covered
    // when its centre lies inside.
    void addConvexPolygon(const QPolygonF& corners) { addConvex(corners.constData(), int(corners.size())); }
    // The picture's rectangle the figure is clipped to.
    const QRect& clip() const { return clip_; }

    // The figure gathered, into FIGURE; the coverage keeps FIGURE's old
    // buffers for the next one.
    void finish(FigurePixels& figure);

private:
    using Span = FigurePixels::Span;
    void addConvex(const QPointF* points, int count);
    void addHull(const QPointF& a, const QPointF& b, double r);
    void addThin(const QPointF& a, const QPointF& b);
    void normalise();
    QRect bounds() const;

    QRect clip_;
    std::vector<Span> spans_;
    bool normalised_ = true;
    std::vector<QPointF> points_;  // a tip's corners, or a stroke's hull
    std::vector<double> left_, right_;  // addConvex()'s, a row each
};

// The pixels figures changed since the last repaint, a tile at a time. A
// figure is marked in a few steps a row, and its old and new pixels come
// out as one region of few rectangles, each at most a tile beyond them: a
// rubber band's repaint holds little of the figure's inside, magnified
// most of all, and costs few rectangles.
class DirtyTiles {
public:
    void mark(const FigurePixels& figure, QSize picture);
    // The tiles marked since the last call, clipped to the picture; none
    // when the picture has had its size changed since (it is repainted
    // whole then).
    QRegion take(QSize picture);

private:
    static constexpr int kShift = 4;  // tiles of 16 x 16 pixels
    QSize picture_;
    int columns_ = 0;
    int firstRow_ = 0, lastRow_ = -1;  // the rows of tiles marked
    std::vector<uchar> marked_;  // 1 for a marked tile, a row of tiles at a time
    std::vector<QRect> rects_;  // take()'s, reused
};

// The figures drawn last, each under the call that made it. A rubber band
// is erased with the very calls that drew it a move before: their pixels
// are found here instead of gathered again.
class RecentFigures {
public:
    // A primitive, its pen width, the picture's rectangle and its numbers.
    struct Key {
        int kind = -1;
        int width = 0;
        QRect clip;
        std::array<double, 7> values{};
        bool operator==(const Key& o) const {
            return kind == o.kind && width == o.width && clip == o.clip && values == o.values;
        }
    };
    const FigurePixels* find(const Key& key) const;
    // The place for a new figure under KEY, in place of the oldest.
    FigurePixels& keep(const Key& key);

private:
    static constexpr int kKept = 16;
    std::array<Key, kKept> keys_;
    std::array<FigurePixels, kKept> figures_;
    int next_ = 0;
};
