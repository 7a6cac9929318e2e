#include "PdfExport.h"

#include "core/Progress.h"
#include "files/CheckedWrite.h"

#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace {

constexpr double kPictureDpi = 96.0;
constexpr double kMarginMillimetres = 10.0;
// The pixels of one band of a large picture put on a page.
constexpr qint64 kBandPixels = 4'000'000;

}  // namespace

QRectF pictureOnPage(QSize picture, const QRectF& area, double dpi) {
    if (picture.isEmpty() || area.isEmpty() || dpi <= 0) return {};
    QSizeF size(picture.width() * dpi / kPictureDpi, picture.height() * dpi / kPictureDpi);
    if (size.width() > area.width() || size.height() > area.height()) size.scale(area.size(), Qt::KeepAspectRatio);
    return QRectF(area.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

// A large picture goes onto the page a band of rows at a time, and the share
// of its rows painted is told after each band; the writes of the page's own
// data are told by that share alone. Each band but the last takes the next
// band's first row too, so that no seam can show between them.
void paintPicture(QPainter& painter, const QRectF& area, double dpi, const QImage& picture) {
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const QRectF page = pictureOnPage(picture.size(), area, dpi);
    if (page.isEmpty()) return;
    const int height = picture.height();
    const int band = std::max(1, int(std::min<qint64>(height, kBandPixels / picture.width())));
    const double scale = page.height() / height;
    for (int top = 0; top < height; top += band) {
        const int rows = std::min(band + 1, height - top);
        {
            const progress::Listener quiet([](double) {});
            painter.drawImage(QRectF(page.left(), page.top() + top * scale, page.width(), rows * scale), picture,
                              QRectF(0, top, picture.width(), rows));
        }
        progress::report(double(std::min(top + band, height)) / height);
    }
}

QString paintPictureOnPage(QPagedPaintDevice& device, const QImage& picture) {
    QPainter painter;
    if (!painter.begin(&device)) return QStringLiteral("The page cannot be painted");
    paintPicture(painter, QRectF(0, 0, device.width(), device.height()), device.logicalDpiX(), picture);
    const progress::Listener quiet([](double) {});
    return painter.end() ? QString() : QStringLiteral("The page cannot be finished");
}

QString exportPdf(const QImage& picture, const QString& path, const QString& title) {
    const QString reason = writeChecked(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Tavimbre"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      picture.width() > picture.height() ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait,
                                      QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                                                kMarginMillimetres),
                                      QPageLayout::Millimeter));
        return paintPictureOnPage(pdf, picture);
    });
    if (reason.isEmpty()) return {};
    return QStringLiteral("The picture could not be exported to \"%1\": %2").arg(path, reason);
}
