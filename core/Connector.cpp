#include "Connector.h"

#include "core/Canvas.h"

#include <algorithm>
#include <cmath>

QString nameOf(LineEnds ends) {
    switch (ends) {
    case LineEnds::End: return QStringLiteral("end");
    case LineEnds::Both: return QStringLiteral("both");
    default: return QStringLiteral("none");
    }
}

QString nameOf(LineStyle style) {
    switch (style) {
    case LineStyle::Dashed: return QStringLiteral("dashed");
    case LineStyle::Dotted: return QStringLiteral("dotted");
    default: return QStringLiteral("solid");
    }
}

QString nameOf(LineRoute route) {
    return route == LineRoute::Elbow ? QStringLiteral("elbow") : QStringLiteral("straight");
}

QString nameOf(FirstLeg leg) {
    switch (leg) {
    case FirstLeg::Horizontal: return QStringLiteral("horizontal");
    case FirstLeg::Vertical: return QStringLiteral("vertical");
    default: return QStringLiteral("longer");
    }
}

namespace {

QPointF unit(const QPointF& from, const QPointF& to) {
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    return length > 0 ? d / length : QPointF();
}

double lengthOf(const QPointF& from, const QPointF& to) { return std::hypot(to.x() - from.x(), to.y() - from.y()); }

// A filled head with its tip on the pixel TIP, pointing along DIR. It is
// centred on the tip pixel's centre, so it covers a row or column more on
// the line's own than its width says, whatever the pen. The tip's own pixel
// is covered too, so the connector reaches its end point.
void addHead(Coverage& cover, const QPointF& tip, const QPointF& dir, int width) {
    const QPointF centre = tip + QPointF(0.5, 0.5);
    const QPointF base = centre - dir * headLength(width);
    const QPointF across = QPointF(-dir.y(), dir.x()) * (headWidth(width) / 2 + 0.5);
    cover.addConvexPolygon(QPolygonF({centre, base + across, base - across}));
    cover.addStroke(tip, tip, 1);
}

// The part [from, to] of the segment P-Q, as fractions of its length, that
// comes near the picture; false when none does.
bool nearPicture(const QRectF& area, const QPointF& p, const QPointF& q, double& from, double& to) {
    const double d[2] = {q.x() - p.x(), q.y() - p.y()};
    const double lo[2] = {area.left() - p.x(), area.top() - p.y()};
    const double hi[2] = {area.right() - p.x(), area.bottom() - p.y()};
    from = 0;
    to = 1;
    for (int i = 0; i < 2; ++i) {
        if (d[i] == 0) {
            if (lo[i] > 0 || hi[i] < 0) return false;
            continue;
        }
        double a = lo[i] / d[i], b = hi[i] / d[i];
        if (a > b) std::swap(a, b);
        from = std::max(from, a);
        to = std::min(to, b);
    }
    return from <= to;
}

// The shaft in dashes or dots: pieces of length ON every PERIOD along the
// legs, the first at the start and the last ending at the end, so that
// both ends are drawn. Only the pieces near the picture are gathered: a
// shaft reaching far off it costs what its visible part costs.
void addPattern(Coverage& cover, const QPolygonF& legs, double on, double period, int last, int width) {
    const QRectF area = QRectF(cover.clip()).adjusted(-width - 2, -width - 2, width + 2, width + 2);
    double legStart = 0;
    for (int i = 0; i + 1 < legs.size(); ++i) {
        const QPointF p = legs[i], q = legs[i + 1];
        const double length = lengthOf(p, q);
        double from = 0, to = 0;
        if (length > 0 && nearPicture(area, p, q, from, to)) {
            const QPointF d = (q - p) / length;
            const double s0 = legStart + from * length, s1 = legStart + to * length;
            const int first = std::max(0, int(std::floor((s0 - on) / period)));
            const int stop = std::min(last, int(std::ceil(s1 / period)));
            for (int k = first; k <= stop; ++k) {
                const double a = std::max(k * period, s0), b = std::min(k * period + on, s1);
                if (a <= b) cover.addStroke(p + d * (a - legStart), p + d * (b - legStart), width);
            }
        }
        legStart += length;
    }
}

void addShaft(Coverage& cover, const QPolygonF& legs, LineStyle style, int width) {
    double total = 0;
    for (int i = 0; i + 1 < legs.size(); ++i) total += lengthOf(legs[i], legs[i + 1]);
    if (style == LineStyle::Solid || total == 0) {
        cover.addPolyline(legs, width);
        return;
    }
    if (style == LineStyle::Dotted) {
        // A dot every three pen widths, spread to end on the end point.
        const int gaps = std::max(1, int(std::lround(total / (3.0 * width))));
        addPattern(cover, legs, 0, total / gaps, gaps, width);
        return;
    }
    // Dashes of five pen widths, three apart, stretched to fit.
    const double on = 5.0 * width, off = 3.0 * width;
    if (total <= on) {
        cover.addPolyline(legs, width);
        return;
    }
    const int dashes = std::max(2, int(std::lround((total + off) / (on + off))));
    const double k = total / (dashes * on + (dashes - 1) * off);
    addPattern(cover, legs, on * k, (on + off) * k, dashes - 1, width);
}

// Moves END towards FROM by up to BY, but not past FROM.
QPointF pulledBack(const QPointF& from, const QPointF& end, double by) {
    const double length = lengthOf(from, end);
    return end + unit(end, from) * std::min(by, length);
}

}  // namespace

bool acrossFirst(QPointF a, QPointF b, FirstLeg leg) {
    const double dx = std::fabs(b.x() - a.x()), dy = std::fabs(b.y() - a.y());
    return leg == FirstLeg::Horizontal || (leg == FirstLeg::Longer && dx >= dy);
}

void addConnector(Coverage& cover, QPointF a, QPointF b, const LineLook& look, FirstLeg leg, int width) {
    QPolygonF legs{a};
    if (look.route == LineRoute::Elbow) {
        const QPointF corner = acrossFirst(a, b, leg) ? QPointF(b.x(), a.y()) : QPointF(a.x(), b.y());
        if (corner != a && corner != b) legs << corner;
    }
    if (b == a) {
        cover.addStroke(a, a, width);  // a click: the pen's dot
        return;
    }
    legs << b;
    const int n = int(legs.size());
    // The heads point along the legs they end; the shaft stops inside them,
    // half a head short, so that a wide pen's round end stays under the head.
    const bool atEnd = look.ends != LineEnds::None, atStart = look.ends == LineEnds::Both;
    const QPointF endDir = unit(legs[n - 2], b), startDir = unit(legs[1], a);
    const double half = headLength(width) / 2;
    const double share = n == 2 && atStart && atEnd ? lengthOf(a, b) / 2 : HUGE_VAL;  // one leg, two heads
    QPolygonF shaft = legs;
    if (atEnd) shaft[n - 1] = pulledBack(legs[n - 2], b, std::min(half, share));
    if (atStart) shaft[0] = pulledBack(legs[1], a, std::min(half, share));
    addShaft(cover, shaft, look.style, width);
    if (atEnd) addHead(cover, b, endDir, width);
    if (atStart) addHead(cover, a, startDir, width);
}

void drawConnector(Canvas& canvas, float x0, float y0, float x1, float y1, const LineLook& look, FirstLeg leg,
                   std::int32_t color) {
    canvas.DrawMode = Canvas::kCopyPen;
    if (look.plain())
        canvas.Line(x0, y0, x1, y1, color);
    else
        canvas.Connector(x0, y0, x1, y1, look, leg, color);
}
