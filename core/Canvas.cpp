#include "Canvas.h"

#include "core/PictureCopy.h"
#include "core/UndoHistory.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QtMath>
#include <algorithm>
#include <array>
#include <utility>
#include <vector>
#include <charconv>
#include <cmath>

const QSize Canvas::kDefaultSize(742, 689);

namespace {

constexpr double kTwoPi = 6.283185307179586;
// The primitives, as the recent figures know them.
enum FigureKind { kLine, kBox, kCircle, kConnector };
// QImage dots per metre at 96 dpi, so that point sizes match twips.
constexpr int kDotsPerMeter96 = 3780;

// A figure's parts that share a point in twips share its pixel too.
double px(float twips) { return Canvas::toPixels(twips); }

QString optionalText(const std::optional<VbColor>& v) { return v ? QString::number(*v) : QStringLiteral("-"); }
QString optionalText(const std::optional<float>& v) { return v ? Canvas::number(*v) : QStringLiteral("-"); }

}  // namespace

Canvas::Canvas(QSize pixels) : Font(defaultFont()), ownSize_(pixels) {
    blankImage(pixels, image_);
    adopt(image_);
}

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

QString Canvas::blankImage(QSize size, QImage& image) {
    if (qint64(size.width()) * size.height() > kMaxPicturePixels)
        return QCoreApplication::translate("Canvas",
                                           "The canvas it needs would be %1 x %2 pixels, more than the %3 megapixels "
                                           "this program opens")
            .arg(size.width())
            .arg(size.height())
            .arg(kMaxPicturePixels / 1'000'000);
    QImage made(size, QImage::Format_RGB32);
    if (made.isNull())
        return QCoreApplication::translate("Canvas", "Not enough memory for a canvas of %1 x %2 pixels")
            .arg(size.width()).arg(size.height());
    made.setDotsPerMeterX(kDotsPerMeter96);
    made.setDotsPerMeterY(kDotsPerMeter96);
    made.fill(Qt::white);
    image = std::move(made);
    return {};
}

void Canvas::adopt(QImage image) {
    sizeChanged_ = true;
    image_ = std::move(image);
    dirty_ = image_.rect();
}

void Canvas::markDirty(const QRectF& pixels) {
    // Kept in double until clipped: coordinates may lie far off the canvas.
    const QRect r = pixels.intersected(QRectF(image_.rect())).toAlignedRect();
    if (!r.isEmpty()) dirty_ += r;
}

void Canvas::aboutToPaint(const QRectF& pixels) {
    const QRect r = pixels.intersected(QRectF(image_.rect())).toAlignedRect();
    if (copy_) copy_->aboutToPaint(r);
    if (history_) history_->aboutToPaint(r);
}

void Canvas::aboutToReplace() {
    if (copy_) copy_->aboutToReplace();
    if (history_) history_->aboutToReplace();
}

QRegion Canvas::takeDirty() {
    QRegion r = tiles_.take(image_.size());
    if (!dirty_.isEmpty()) r += std::exchange(dirty_, QRegion());
    return r;
}

template <typename BuildFn>
void Canvas::paint(std::optional<VbColor> color, int kind, const std::array<double, 7>& values, BuildFn&& build) {
    const RecentFigures::Key key{kind, std::max(1, DrawWidth), image_.rect(), values};
    const FigurePixels* figure = recent_.find(key);
    if (!figure) {
        cover_.reset(key.clip);
        build(cover_, key.width);
        cover_.finish(built_);
        figure = &built_;
        // Only figures of a modest size are kept: a line down a picture ten
        // million rows tall is not kept sixteen times over.
        if (built_.spans.size() <= kKeptSpans) figure = &(recent_.keep(key) = built_);
    }
    if (outline_) {
        outline_->insert(outline_->end(), figure->spans.begin(), figure->spans.end());
        return;
    }
    if (recording_ && DrawMode != kInvert) {
        const QRgb c = DrawMode == kWhiteness ? qRgb(255, 255, 255) : toQColor(color.value_or(ForeColor)).rgb();
        for (const FigurePixels::Span& sp : figure->spans)
            for (int x = sp.x0; x <= sp.x1; ++x)
                recording_->push_back({x, sp.y, image_.pixel(x, sp.y), c});
        if (dry_) return;
    }
    if (!figure->bounds.isEmpty()) {
        aboutToPaint(figure->bounds);
        if (DrawMode == kInvert)
            figure->invert(image_);
        else
            figure->fill(image_,
                         DrawMode == kWhiteness ? qRgb(255, 255, 255) : toQColor(color.value_or(ForeColor)).rgb());
        tiles_.mark(*figure, image_.size());
    }
    if (built_.spans.capacity() > kKeptSpans) built_ = {};  // its memory goes back at once
}

void Canvas::Line(float x1, float y1, float x2, float y2, std::optional<VbColor> color) {
    if (tracing())
        trace_(QStringLiteral("line %1 %2 %3 %4 %5 %6 %7")
                   .arg(DrawMode).arg(DrawWidth)
                   .arg(number(x1), number(y1), number(x2), number(y2), optionalText(color)));
    const QPointF a(px(x1), px(y1)), b(px(x2), px(y2));
    paint(color, kLine, {a.x(), a.y(), b.x(), b.y()},
          [&](Coverage& c, int width) { c.addStroke(a, b, width); });
}

void Canvas::Box(float x1, float y1, float x2, float y2, std::optional<VbColor> color) {
    if (tracing())
        trace_(QStringLiteral("box %1 %2 %3 %4 %5 %6 %7")
                   .arg(DrawMode).arg(DrawWidth)
                   .arg(number(x1), number(y1), number(x2), number(y2), optionalText(color)));
    // A box with no inside is a line of square ends: its opposite edges
    // cover the same pixels, once.
    const int l = int(px(x1)), t = int(px(y1)), r = int(px(x2)), b = int(px(y2));
    paint(color, kBox, {double(l), double(t), double(r), double(b)},
          [&](Coverage& c, int width) { c.addBox(l, t, r, b, width); });
}

void Canvas::Connector(float x1, float y1, float x2, float y2, const LineLook& look, FirstLeg leg,
                       std::optional<VbColor> color) {
    if (tracing())
        trace_(QStringLiteral("connector %1 %2 %3 %4 %5 %6 ")
                   .arg(DrawMode).arg(DrawWidth)
                   .arg(number(x1), number(y1), number(x2), number(y2)) +
               QStringList{nameOf(look.ends), nameOf(look.style), nameOf(look.route), nameOf(leg), optionalText(color)}
                   .join(QLatin1Char(' ')));
    const QPointF a(px(x1), px(y1)), b(px(x2), px(y2));
    const double shape = (int(look.ends) * 3 + int(look.style)) * 2 + int(look.route);
    paint(color, kConnector, {a.x(), a.y(), b.x(), b.y(), shape, double(leg)},
          [&](Coverage& c, int width) { addConnector(c, a, b, look, leg, width); });
}

void Canvas::Circle(float x, float y, float radius, std::optional<VbColor> color,
                    std::optional<float> start, std::optional<float> end, std::optional<float> aspect) {
    if (tracing())
        trace_(QStringLiteral("circle %1 %2 %3 %4 %5 %6 %7 %8 %9")
                   .arg(DrawMode).arg(DrawWidth)
                   .arg(number(x), number(y), number(radius), optionalText(color), optionalText(start),
                        optionalText(end), optionalText(aspect)));
    // Radii and angles that are no number, or absurd, are held to what can show.
    auto radiusOf = [](double v) { return v > 0 ? std::min(std::floor(v + 0.5), 1e8) : 0.0; };
    auto angleOf = [](double v) { return std::isfinite(v) ? std::fmod(std::fabs(v), kTwoPi) : 0.0; };
    const double a = std::isfinite(aspect.value_or(1.0f)) ? std::fabs(aspect.value_or(1.0f)) : 1.0;
    const double r = std::fabs(radius / kTwipsPerPixel);
    // Below aspect 1 the radius is the horizontal one, above 1 the vertical one.
    const double rx = radiusOf(a < 1.0 ? r : r / a);
    const double ry = radiusOf(a < 1.0 ? r * a : r);
    const QPointF c(px(x), px(y));
    const bool arc = start || end;
    const double s = angleOf(start.value_or(0.0f));
    const double e = end ? angleOf(*end) : kTwoPi;
    paint(color, kCircle, {c.x(), c.y(), rx, ry, double(arc), s, e}, [&](Coverage& cover, int width) {
        if (rx == 0 && ry == 0) {  // nothing but its centre: a dot
            cover.addStroke(c, c, width);
            return;
        }
        const QRectF rect(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry);
        QPainterPath path;
        if (!arc) {
            path.addEllipse(rect);
        } else {
            double sweep = e - s;
            if (sweep < 0) sweep += kTwoPi;  // an end below the start wraps through 0
            path.arcMoveTo(rect, qRadiansToDegrees(s));
            path.arcTo(rect, qRadiansToDegrees(s), qRadiansToDegrees(sweep));
        }
        for (const QPolygonF& poly : path.toSubpathPolygons()) cover.addPolyline(poly, width);
    });
}

void Canvas::Print(const QString& text) {
    if (tracing()) trace_(QStringLiteral("print %1 %2 %3").arg(number(CurrentX), number(CurrentY), text));
    if (text.isEmpty() || outline_) return;
    const QFont f = printFont();
    const QPointF topLeft(px(CurrentX), px(CurrentY));
    const QFontMetricsF fm(f, &image_);
    const QPointF baseline = topLeft + QPointF(0, fm.ascent());
    // Italic and large glyphs reach past the advance box; their own bounds,
    // with a margin for the pen and the underline, are what changes.
    const QRectF advance(topLeft, QSizeF(fm.horizontalAdvance(text), fm.height()));
    const QRectF touched =
        advance.united(fm.tightBoundingRect(text).translated(baseline)).adjusted(-2, -2, 4, 2);
    if (recording_) recordText(baseline, touched, text, f);
    if (!recording_ || !dry_) {
        aboutToPaint(touched);
        QPainter p(&image_);
        p.setFont(f);
        p.setPen(toQColor(ForeColor));
        p.drawText(baseline, text);
        p.end();
        markDirty(touched);
    }
    CurrentY += float(fm.height() * kTwipsPerPixel);
}

QFont Canvas::printFont() const {
    QFont f = Font;
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QFontMetricsF Canvas::TextMetrics() const { return QFontMetricsF(printFont(), &image_); }

void Canvas::Cls() {
    if (trace_) trace_(QStringLiteral("cls"));
    aboutToPaint(QRectF(image_.rect()));
    image_.fill(Qt::white);
    dirty_ = image_.rect();
    CurrentX = 0;
    CurrentY = 0;
}

// The new image is made before the history keeps the old one, so that a
// failure leaves both as they were. The content is drawn over white: a
// picture's transparent pixels show white, the canvas's own are opaque.
QString Canvas::replaceImage(QSize size, const QImage& content, const QString& traceLine) {
    QImage image;
    if (QString problem = blankImage(size, image); !problem.isEmpty()) return problem;
    QPainter(&image).drawImage(0, 0, content);
    takeImage(std::move(image), traceLine);
    return {};
}

void Canvas::takeImage(QImage image, const QString& traceLine) {
    if (trace_ && !traceLine.isEmpty()) trace_(traceLine);
    image.setDotsPerMeterX(kDotsPerMeter96);
    image.setDotsPerMeterY(kDotsPerMeter96);
    aboutToReplace();
    ownSize_ = image.size();
    adopt(std::move(image));
}

QString Canvas::Picture(const QImage& picture, const QString& path) {
    return replaceImage(picture.size(), picture, QStringLiteral("picture %1").arg(path));
}

QString Canvas::PictureNone() {
    if (trace_) trace_(QStringLiteral("picture none"));
    if (image_.size() == ownSize_) return {};
    return replaceImage(ownSize_, image_, {});
}

QString Canvas::Resize(QSize size) {
    if (size.width() < 1 || size.height() < 1)
        return QCoreApplication::translate("Canvas", "A canvas of %1 x %2 pixels has no pixels")
            .arg(size.width()).arg(size.height());
    if (size == image_.size()) {
        ownSize_ = size;
        return {};
    }
    return replaceImage(size, image_, QStringLiteral("resize %1 %2").arg(size.width()).arg(size.height()));
}

void Canvas::restoreTile(const QPoint& at, const QImage& tile) {
    if (copy_) copy_->aboutToPaint(QRect(at, tile.size()));
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(at, tile);
    markDirty(QRectF(QRect(at, tile.size())));
}

void Canvas::restoreImage(const QImage& image) {
    sizeChanged_ = sizeChanged_ || image.size() != image_.size();
    if (copy_) copy_->aboutToReplace();
    image_ = image;
    ownSize_ = image_.size();
    dirty_ = image_.rect();
}
