#include "ReducedView.h"

#include <QElapsedTimer>
#include <algorithm>
#include <vector>

void ReducedView::begin(const QImage& picture, int percent) {
    percent_ = std::clamp(percent, 1, 99);
    pictureSize_ = picture.size();
    reduced_ = QImage();
    nextRow_ = 0;
    if (picture.isNull()) return;
    reduced_ = QImage(int(qint64(picture.width() - 1) * percent_ / 100) + 1,
                      int(qint64(picture.height() - 1) * percent_ / 100) + 1, QImage::Format_RGB32);
    reduced_.fill(Qt::white);
}

QRect ReducedView::reduceMore(const QImage& picture, int budgetMs) {
    if (whole() || picture.size() != pictureSize_) return {};
    constexpr int kRows = 8;
    QElapsedTimer clock;
    clock.start();
    const int top = nextRow_;
    do {
        const QRect rows(0, nextRow_, reduced_.width(), std::min(kRows, reduced_.height() - nextRow_));
        reduce(picture, rows);
        nextRow_ += rows.height();
    } while (!whole() && (budgetMs < 0 || clock.elapsed() < budgetMs));
    return QRect(0, top, reduced_.width(), nextRow_ - top);
}

void ReducedView::update(const QImage& picture, const QRect& pixels) {
    if (reduced_.isNull() || picture.size() != pictureSize_) return;
    reduce(picture, reducedRect(pixels.intersected(picture.rect())));
}

QRect ReducedView::reducedRect(const QRect& pixels) const {
    if (pixels.isEmpty() || percent_ == 0) return {};
    auto at = [this](int x) { return int(qint64(x) * percent_ / 100); };
    return QRect(QPoint(at(pixels.left()), at(pixels.top())), QPoint(at(pixels.right()), at(pixels.bottom())))
        .intersected(reduced_.rect());
}

void ReducedView::reduce(const QImage& source, const QRect& reduced) {
    if (reduced.isEmpty()) return;
    const QImage picture = source.depth() == 32 ? source : source.convertToFormat(QImage::Format_RGB32);
    const int width = reduced.width();
    const size_t n = static_cast<size_t>(width);
    std::vector<quint32> red(n), green(n), blue(n);
    std::vector<int> columns(n + 1);  // each reduced column's first picture column
    for (int i = 0; i <= width; ++i) columns[size_t(i)] = std::min(first(reduced.left() + i), picture.width());
    for (int sy = reduced.top(); sy <= reduced.bottom(); ++sy) {
        const int y0 = first(sy), y1 = std::min(first(sy + 1), picture.height());
        std::fill(red.begin(), red.end(), 0u);
        std::fill(green.begin(), green.end(), 0u);
        std::fill(blue.begin(), blue.end(), 0u);
        for (int y = y0; y < y1; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            for (int i = 0; i < width; ++i) {
                // Red and blue add up side by side in one word: a row holds
                // at most 100 picture pixels of a reduced one, whose sum
                // of 255s stays within each half.
                quint32 redBlue = 0, g = 0;
                for (int x = columns[size_t(i)]; x < columns[size_t(i) + 1]; ++x) {
                    redBlue += line[x] & 0x00FF00FFu;
                    g += line[x] & 0x0000FF00u;
                }
                red[size_t(i)] += redBlue >> 16, green[size_t(i)] += g >> 8, blue[size_t(i)] += redBlue & 0xFFFFu;
            }
        }
        QRgb* out = reinterpret_cast<QRgb*>(reduced_.scanLine(sy)) + reduced.left();
        for (int i = 0; i < width; ++i) {
            const quint32 n = quint32(columns[size_t(i) + 1] - columns[size_t(i)]) * quint32(y1 - y0);
            out[i] = qRgb(int((red[size_t(i)] + n / 2) / n), int((green[size_t(i)] + n / 2) / n),
                          int((blue[size_t(i)] + n / 2) / n));
        }
    }
}
