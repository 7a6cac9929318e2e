#include "Canvas.h"

#include "app/UndoHistory.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <array>
#include <vector>
#include <charconv>
#include <cmath>

const QSize Canvas::kDefaultSize(742, 689);

namespace {

constexpr double kTwoPi = 6.283185307179586;
// QImage dots per metre at 96 dpi, so that point sizes match twips.
constexpr int kDotsPerMeter96 = 3780;

// Twips to whole pixels, as the display itself addresses them: a figure's
// parts that share a point in twips then share its pixel too.
double px(float twips) { return std::floor(twips / Canvas::kTwipsPerPixel + 0.5); }

// The pen's tip for wide strokes: a disc as a 16-gon with fixed corners.
QPolygonF disc(const QPointF& centre, double r) {
    static const auto unit = [] {
        std::array<QPointF, 16> corners;
        for (int i = 0; i < 16; ++i) corners[i] = QPointF(std::cos(i * M_PI / 8), std::sin(i * M_PI / 8));
        return corners;
    }();
    QPolygonF poly;
    poly.reserve(16);
    for (const QPointF& u : unit) poly << centre + u * r;
    return poly;
}

double cross(const QPointF& o, const QPointF& a, const QPointF& b) {
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

// The convex hull of a point set (monotone chain).
QPolygonF hull(std::vector<QPointF> pts) {
    std::sort(pts.begin(), pts.end(), [](const QPointF& a, const QPointF& b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    QPolygonF out(int(pts.size() * 2));
    int k = 0;
    for (const QPointF& p : pts) {
        while (k >= 2 && cross(out[k - 2], out[k - 1], p) <= 0) --k;
        out[k++] = p;
    }
    for (int i = int(pts.size()) - 2, lower = k + 1; i >= 0; --i) {
        while (k >= lower && cross(out[k - 2], out[k - 1], pts[i]) <= 0) --k;
        out[k++] = pts[i];
    }
    out.resize(k - 1);
    return out;
}

// A wide line is the pen's disc swept from one end to the other: the hull
// of the discs at both ends. A zero-length line leaves the disc alone, and
// since the hull contains both discs, the dot that starts a rubber band lies
// wholly under the band and never shows beside it. An odd width centres on
// the pixel, an even one on its corner.
void wideStroke(QPainter& p, QPointF a, QPointF b, double width) {
    if (int(width) % 2 == 1) {
        a += QPointF(0.5, 0.5);
        b += QPointF(0.5, 0.5);
    }
    const QPolygonF tipA = disc(a, width / 2);
    if (a == b) {
        p.drawConvexPolygon(tipA);
        return;
    }
    const QPolygonF tipB = disc(b, width / 2);
    std::vector<QPointF> pts(tipA.begin(), tipA.end());
    pts.insert(pts.end(), tipB.begin(), tipB.end());
    p.drawConvexPolygon(hull(std::move(pts)));
}

// A straight stroke with the painter's pen; zero length leaves a dot.
void stroke(QPainter& p, const QPointF& a, const QPointF& b) {
    const QPen pen = p.pen();
    if (pen.width() <= 1) {
        p.drawLine(a, b);  // a zero-length line leaves its one pixel
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(pen.color());
    wideStroke(p, a, b, pen.widthF());
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
}

QString optionalText(const std::optional<VbColor>& v) { return v ? QString::number(*v) : QStringLiteral("-"); }
QString optionalText(const std::optional<float>& v) { return v ? Canvas::number(*v) : QStringLiteral("-"); }

}  // namespace

Canvas::Canvas(QSize pixels) : Font(defaultFont()), ownSize_(pixels) { resetImage(pixels); }

QFont Canvas::defaultFont() {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(9.75);
    f.setBold(true);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QColor Canvas::toQColor(VbColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QString Canvas::number(float v) {
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, int(res.ptr - buf));
}

void Canvas::resetImage(QSize size) {
    image_ = QImage(size, QImage::Format_RGB32);
    image_.setDotsPerMeterX(kDotsPerMeter96);
    image_.setDotsPerMeterY(kDotsPerMeter96);
    image_.fill(Qt::white);
    sizeChanged_ = true;
    dirty_ = image_.rect();
}

void Canvas::markDirty(const QRectF& pixels) {
    // Kept in double until clipped: coordinates may lie far off the canvas.
    const QRect r = pixels.intersected(QRectF(image_.rect())).toAlignedRect();
    if (!r.isEmpty()) dirty_ = dirty_.united(r);
}

void Canvas::aboutToPaint(const QRectF& pixels) {
    if (history_) history_->aboutToPaint(pixels.intersected(QRectF(image_.rect())).toAlignedRect());
}

void Canvas::aboutToReplace() {
    if (history_) history_->aboutToReplace();
}

QRect Canvas::takeDirty() {
    QRect r = dirty_;
    dirty_ = QRect();
    return r;
}

template <typename PaintFn>
void Canvas::paint(std::optional<VbColor> color, const QRectF& bounds, PaintFn&& fn) {
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    QColor penColor = toQColor(color.value_or(ForeColor));
    if (DrawMode == kInvert) {
        p.setCompositionMode(QPainter::RasterOp_NotDestination);
    } else {
        p.setCompositionMode(QPainter::CompositionMode_Source);
        if (DrawMode == kWhiteness) penColor = Qt::white;
    }
    const int width = std::max(1, DrawWidth);
    p.setPen(QPen(penColor, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const double grow = width / 2.0 + 2.0;
    const QRectF touched = bounds.normalized().adjusted(-grow, -grow, grow, grow);
    aboutToPaint(touched);
    fn(p);
    markDirty(touched);
}

void Canvas::Line(float x1, float y1, float x2, float y2, std::optional<VbColor> color) {
    if (trace_)
        trace_(QStringLiteral("line %1 %2 %3 %4 %5 %6 %7")
                   .arg(DrawMode).arg(DrawWidth)
                   .arg(number(x1), number(y1), number(x2), number(y2), optionalText(color)));
    const QPointF a(px(x1), px(y1)), b(px(x2), px(y2));
    paint(color, QRectF(a, b), [&](QPainter& p) { stroke(p, a, b); });
}

void Canvas::Box(float x1, float y1, float x2, float y2, std::optional<VbColor> color) {
    if (trace_)
        trace_(QStringLiteral("box %1 %2 %3 %4 %5 %6 %7")
                   .arg(DrawMode).arg(DrawWidth)
                   .arg(number(x1), number(y1), number(x2), number(y2), optionalText(color)));
    const QPointF a(px(x1), px(y1)), b(px(x2), px(y2));
    const bool flatY = a.y() == b.y();
    const bool flatX = a.x() == b.x();
    paint(color, QRectF(a, b), [&](QPainter& p) {
        // A box with no inside is a line: its opposite edges would otherwise
        // cover the same pixels and cancel in invert mode.
        if (flatY || flatX)
            stroke(p, a, b);
        else
            p.drawRect(QRectF(a, b).normalized());
    });
}

void Canvas::Circle(float x, float y, float radius, std::optional<VbColor> color,
                    std::optional<float> start, std::optional<float> end, std::optional<float> aspect) {
    if (trace_)
        trace_(QStringLiteral("circle %1 %2 %3 %4 %5 %6 %7 %8 %9")
                   .arg(DrawMode).arg(DrawWidth)
                   .arg(number(x), number(y), number(radius), optionalText(color), optionalText(start),
                        optionalText(end), optionalText(aspect)));
    const double a = std::fabs(aspect.value_or(1.0f));
    const double r = std::fabs(radius / kTwipsPerPixel);
    // Below aspect 1 the radius is the horizontal one, above 1 the vertical one.
    const double rx = std::floor((a < 1.0 ? r : r / a) + 0.5);
    const double ry = std::floor((a < 1.0 ? r * a : r) + 0.5);
    const QPointF c(px(x), px(y));
    const QRectF rect(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry);
    paint(color, rect, [&](QPainter& p) {
        if (rx == 0 && ry == 0) {  // nothing but its centre: a dot
            stroke(p, c, c);
            return;
        }
        QPainterPath path;
        if (!start && !end) {
            path.addEllipse(rect);
        } else {
            const double s = std::fabs(start.value_or(0.0f));
            const double e = std::fabs(end.value_or(float(kTwoPi)));
            double sweep = e - s;
            if (sweep < 0) sweep += kTwoPi;  // an end below the start wraps through 0
            path.arcMoveTo(rect, qRadiansToDegrees(s));
            path.arcTo(rect, qRadiansToDegrees(s), qRadiansToDegrees(sweep));
        }
        p.drawPath(path);
    });
}

void Canvas::Print(const QString& text) {
    if (trace_) trace_(QStringLiteral("print %1 %2 %3").arg(number(CurrentX), number(CurrentY), text));
    if (text.isEmpty()) return;
    QPainter p(&image_);
    QFont f = Font;
    f.setStyleStrategy(QFont::NoAntialias);
    p.setFont(f);
    p.setPen(toQColor(ForeColor));
    const QPointF topLeft(px(CurrentX), px(CurrentY));
    const QFontMetricsF fm(f, &image_);
    const QRectF touched = QRectF(topLeft, QSizeF(fm.horizontalAdvance(text), fm.height())).adjusted(-2, -2, 4, 2);
    aboutToPaint(touched);
    p.drawText(topLeft + QPointF(0, fm.ascent()), text);
    markDirty(touched);
    CurrentY += float(fm.height() * kTwipsPerPixel);
}

void Canvas::Cls() {
    if (trace_) trace_(QStringLiteral("cls"));
    aboutToPaint(QRectF(image_.rect()));
    image_.fill(Qt::white);
    dirty_ = image_.rect();
    CurrentX = 0;
    CurrentY = 0;
}

void Canvas::Picture(const QImage& picture, const QString& path) {
    if (trace_) trace_(QStringLiteral("picture %1").arg(path));
    aboutToReplace();
    resetImage(ownSize_.expandedTo(picture.size()));
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(0, 0, picture);
}

void Canvas::PictureNone() {
    if (trace_) trace_(QStringLiteral("picture none"));
    if (image_.size() == ownSize_) return;
    aboutToReplace();
    const QImage old = image_;
    resetImage(ownSize_);
    QPainter(&image_).drawImage(0, 0, old);
}

void Canvas::restoreTile(const QPoint& at, const QImage& tile) {
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(at, tile);
    markDirty(QRectF(QRect(at, tile.size())));
}

void Canvas::restoreImage(const QImage& image) {
    sizeChanged_ = sizeChanged_ || image.size() != image_.size();
    image_ = image;
    dirty_ = image_.rect();
}
