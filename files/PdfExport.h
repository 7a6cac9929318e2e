// The picture on a printed or PDF page: centred in the page's paintable
// area, at its own size when it fits (a pixel is 1/96 inch, as the canvas
// measures twips), else scaled down to fit, keeping its shape.
#pragma once

#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

// Where a picture of PICTURE pixels lies in AREA, a paintable area measured
// in device pixels of DPI dots per inch.
QRectF pictureOnPage(QSize picture, const QRectF& area, double dpi);

// Paints PICTURE into AREA (device pixels at DPI) of any painter's target;
// images go into a PDF without loss.
void paintPicture(QPainter& painter, const QRectF& area, double dpi, const QImage& picture);

// Paints PICTURE on a page of DEVICE, a QPdfWriter or a QPrinter, whose page
// layout is already set, telling the window's thread meanwhile that the
// work goes on. Returns why it cannot, or empty.
QString paintPictureOnPage(QPagedPaintDevice& device, const QImage& picture);

// Writes PICTURE as a one-page PDF at PATH on a page of LAYOUT, titled
// TITLE; the file is replaced only once it is whole (writeChecked). Returns
// why it could not be written, in the system's words, or empty.
QString writePdf(const QImage& picture, const QString& path, const QString& title, const QPageLayout& layout);

// Writes PICTURE as a one-page PDF at PATH: an A4 page with 10 mm margins,
// turned landscape for a picture wider than tall, titled TITLE. The file is
// replaced atomically, as a save replaces it. Returns the error, or empty.
QString exportPdf(const QImage& picture, const QString& path, const QString& title);
