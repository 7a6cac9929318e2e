#include "Polygon.h"

void PolygonSymbol::figure(Canvas& canvas, Pass pass, const Corners& c, VbColor drawColor) {
    if (pass != Pass::Final) {
        if (frameKind_ == PreviewFrame::Margin)
            frame(canvas, c);
        else
            canvas.Box(c.x0, c.y0, c.x1, c.y1);
    }
    const std::vector<Point> p = corners(c);
    for (size_t i = 0; i < p.size(); ++i) {
        const Point& to = p[(i + 1) % p.size()];
        canvas.Line(p[i].x, p[i].y, to.x, to.y, finalColor(pass, drawColor));
    }
}
