#include "ImageOps.h"

#include <QTransform>

namespace {

bool whiteRow(const QRgb* row, int from, int to) {
    for (int x = from; x < to; ++x)
        if ((row[x] & 0xFFFFFF) != 0xFFFFFF) return false;
    return true;
}

}  // namespace

QString turnName(Turn turn) {
    switch (turn) {
    case Turn::FlipHorizontal: return QStringLiteral("fliph");
    case Turn::FlipVertical: return QStringLiteral("flipv");
    case Turn::RotateRight: return QStringLiteral("right");
    case Turn::RotateLeft: return QStringLiteral("left");
    case Turn::Rotate180: return QStringLiteral("180");
    }
    return {};
}

QImage turned(const QImage& image, Turn turn) {
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    switch (turn) {
    case Turn::FlipHorizontal: return rgb.mirrored(true, false);
    case Turn::FlipVertical: return rgb.mirrored(false, true);
    case Turn::Rotate180: return rgb.mirrored(true, true);
    case Turn::RotateRight: return rgb.transformed(QTransform().rotate(90));
    case Turn::RotateLeft: return rgb.transformed(QTransform().rotate(-90));
    }
    return rgb;
}

QRect contentBounds(const QImage& image) {
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    auto row = [&](int y) { return reinterpret_cast<const QRgb*>(rgb.constScanLine(y)); };
    const int w = rgb.width(), h = rgb.height();
    int top = 0, bottom = h - 1;
    while (top < h && whiteRow(row(top), 0, w)) ++top;
    if (top == h) return {};
    while (whiteRow(row(bottom), 0, w)) --bottom;
    int left = w, right = -1;
    for (int y = top; y <= bottom; ++y) {
        const QRgb* r = row(y);
        for (int x = 0; x < left; ++x)
            if ((r[x] & 0xFFFFFF) != 0xFFFFFF) left = x;
        for (int x = w - 1; x > right; --x)
            if ((r[x] & 0xFFFFFF) != 0xFFFFFF) right = x;
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage whiteMadeClear(const QImage& part) {
    QImage clear = part.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32);
    if (clear.isNull()) return clear;
    for (int y = 0; y < clear.height(); ++y) {
        QRgb* r = reinterpret_cast<QRgb*>(clear.scanLine(y));
        for (int x = 0; x < clear.width(); ++x) r[x] = (r[x] & 0xFFFFFF) == 0xFFFFFF ? 0u : r[x] | 0xFF000000u;
    }
    return clear;
}
