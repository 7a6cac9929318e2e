// The canvas's edits of pixels it is given or finds: whitened parts, images
// put in, flood fills, turns and crops.
#include "Canvas.h"

#include "core/Fill.h"

#include <QCoreApplication>
#include <QPainter>

void Canvas::Whiten(const QRect& pixels) {
    if (trace_)
        trace_(QStringLiteral("whiten %1 %2 %3 %4")
                   .arg(pixels.x())
                   .arg(pixels.y())
                   .arg(pixels.width())
                   .arg(pixels.height()));
    const QRect r = pixels.intersected(image_.rect());
    if (r.isEmpty()) return;
    aboutToPaint(QRectF(r));
    QPainter(&image_).fillRect(r, Qt::white);
    markDirty(QRectF(r));
}

void Canvas::PutImage(const QPoint& at, const QImage& image, bool whiteIsClear) {
    if (trace_)
        trace_(QStringLiteral("putimage %1 %2 %3 %4%5")
                   .arg(at.x())
                   .arg(at.y())
                   .arg(image.width())
                   .arg(image.height())
                   .arg(whiteIsClear ? QStringLiteral(" clear") : QString()));
    const QRect r = QRect(at, image.size()).intersected(image_.rect());
    if (r.isEmpty()) return;
    aboutToPaint(QRectF(r));
    QPainter p(&image_);
    if (whiteIsClear) {
        p.drawImage(r.topLeft(), whiteMadeClear(image.copy(r.translated(-at))));
    } else {
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(r.topLeft(), image, r.translated(-at));
    }
    markDirty(QRectF(r));
}

namespace {

// A fill's area from this many pixels is kept as the whole picture, so that
// its tiles never need more memory than the undo history holds.
constexpr qint64 kWholeFillFrom = qint64(16) << 20;

}  // namespace

QRect Canvas::FloodFill(const QPoint& at, VbColor color, int tolerance, const std::function<bool(QSize)>& mayKeepWhole) {
    if (trace_) trace_(QStringLiteral("fill %1 %2 %3 %4").arg(at.x()).arg(at.y()).arg(color).arg(tolerance));
    const QRgb ink = toQColor(color).rgb();
    if (!image_.rect().contains(at) || (tolerance <= 0 && (image_.pixel(at) & 0xFFFFFF) == (ink & 0xFFFFFF)))
        return {};
    const FillArea area = fillArea(image_, at, tolerance);
    const QRect bounds = area.bounds();
    // A fill reaching over half the picture, or over many pixels, is kept as
    // the whole image: then the history copies nothing it could not keep,
    // spends no time on each tile, and is asked before it is too large.
    const qint64 reach = qint64(bounds.width()) * bounds.height();
    if (reach * 2 >= qint64(image_.width()) * image_.height() || reach >= kWholeFillFrom) {
        if (mayKeepWhole && !mayKeepWhole(image_.size())) return {};
        aboutToReplace();
    } else
        area.forEachSpan([&](int y, int left, int right) { aboutToPaint(QRectF(left, y, right - left + 1, 1)); });
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    area.forEachSpan([&](int y, int left, int right) {
        QRgb* row = reinterpret_cast<QRgb*>(bits + y * stride);
        std::fill(row + left, row + right + 1, ink);
    });
    markDirty(QRectF(bounds));
    return bounds;
}

QString Canvas::TurnPicture(Turn turn) {
    QImage made = turned(image_, turn);
    if (made.isNull())
        return QCoreApplication::translate("Canvas", "Not enough memory to turn a picture of %1 x %2 pixels")
            .arg(image_.width())
            .arg(image_.height());
    takeImage(std::move(made), QStringLiteral("turn %1").arg(turnName(turn)));
    return {};
}

QString Canvas::Crop(const QRect& pixels) {
    const QRect r = pixels.intersected(image_.rect());
    if (r.isEmpty()) return QCoreApplication::translate("Canvas", "The part to crop to lies outside the picture");
    if (r == image_.rect()) return {};
    QImage made = image_.copy(r);
    if (made.isNull())
        return QCoreApplication::translate("Canvas", "Not enough memory for a picture of %1 x %2 pixels")
            .arg(r.width())
            .arg(r.height());
    takeImage(std::move(made), QStringLiteral("crop %1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()));
    return {};
}
