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
#include <vector>

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

    // Sets each covered pixel to colour, or inverts it; returns the pixels'
    // bounding rectangle.
    QRect bounds();
    // The covered pixels, coarsely: in bands of a few rows, the spans a few
    // pixels apart or less joined. An outline's region holds little of its
    // inside, so that a repaint, magnified most of all, stays small.
    QRegion region();
    void invert(QImage& image);
    void fill(QImage& image, QRgb colour);

private:
    struct Span {
        int y, x0, x1;
    };
    void addConvex(const QPointF* points, int count);
    void addHull();
    void addThin(const QPointF& a, const QPointF& b);
    void normalise();
    template <typename Op>
    void apply(QImage& image, Op op);

    QRect clip_;
    std::vector<Span> spans_;
    bool normalised_ = true;
    std::vector<QPointF> points_;  // the tips' corners, then their hull
    std::vector<QPointF> hull_;
    std::vector<QRect> rects_;  // region()'s, reused
};

