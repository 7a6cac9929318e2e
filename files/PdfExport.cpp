#include "PdfExport.h"

#include "core/Progress.h"
#include "files/CheckedWrite.h"

#include <QPainter>
#include <QPdfWriter>
#include <QCoreApplication>
#include <chrono>
#include <future>

namespace {

constexpr double kPictureDpi = 96.0;
constexpr double kMarginMillimetres = 10.0;
constexpr int kTellEveryMs = 50;

}  // namespace

QRectF pictureOnPage(QSize picture, const QRectF& area, double dpi) {
    if (picture.isEmpty() || area.isEmpty() || dpi <= 0) return {};
    QSizeF size(picture.width() * dpi / kPictureDpi, picture.height() * dpi / kPictureDpi);
    if (size.width() > area.width() || size.height() > area.height()) size.scale(area.size(), Qt::KeepAspectRatio);
    return QRectF(area.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

void paintPicture(QPainter& painter, const QRectF& area, double dpi, const QImage& picture) {
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(pictureOnPage(picture.size(), area, dpi), picture);
}

// The picture goes onto the page whole, as one image, which for a large
// picture takes seconds that cannot be cut into parts: the page is painted
// on a thread of its own while the window's thread says, when it begins,
// every 50 ms and when the page is done, how far the work has got.
QString paintPictureOnPage(QPagedPaintDevice& device, const QImage& picture) {
    auto page = std::async(std::launch::async, [&device, &picture] {
        QPainter painter;
        if (!painter.begin(&device)) return QCoreApplication::translate("PdfExport", "The page cannot be painted");
        paintPicture(painter, QRectF(0, 0, device.width(), device.height()), device.logicalDpiX(), picture);
        return painter.end() ? QString() : QCoreApplication::translate("PdfExport", "The page cannot be finished");
    });
    progress::report(-1);
    while (page.wait_for(std::chrono::milliseconds(kTellEveryMs)) != std::future_status::ready) progress::report(-1);
    const QString problem = page.get();
    if (problem.isEmpty()) progress::report(1);
    return problem;
}

QString writePdf(const QImage& picture, const QString& path, const QString& title, const QPageLayout& layout) {
    return writeChecked(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Tavimbre"));
        pdf.setPageLayout(layout);
        return paintPictureOnPage(pdf, picture);
    });
}

QString exportPdf(const QImage& picture, const QString& path, const QString& title) {
    const QPageLayout a4(QPageSize(QPageSize::A4),
                         picture.width() > picture.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                         QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                         QPageLayout::Millimeter);
    const QString reason = writePdf(picture, path, title, a4);
    if (reason.isEmpty()) return {};
    return QCoreApplication::translate("PdfExport", "The picture could not be exported to \"%1\": %2")
        .arg(path, reason);
}
