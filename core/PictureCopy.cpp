#include "PictureCopy.h"

#include "core/Canvas.h"

#include <QElapsedTimer>
#include <cstring>

PictureCopy::PictureCopy(Canvas& canvas) : canvas_(&canvas) {
    const QImage& from = canvas.Image();
    copy_ = QImage(from.size(), from.format());
    if (copy_.isNull()) {  // no memory: there is nothing to copy into
        canvas_ = nullptr;
        return;
    }
    copy_.setDotsPerMeterX(from.dotsPerMeterX());
    copy_.setDotsPerMeterY(from.dotsPerMeterY());
    left_ = (from.height() + kBandRows - 1) / kBandRows;
    copied_.assign(size_t(left_), false);
    canvas.setCopy(this);
}

PictureCopy::~PictureCopy() { unhook(); }

void PictureCopy::unhook() {
    if (canvas_) canvas_->setCopy(nullptr);
    canvas_ = nullptr;
    kept_ = QImage();
}

const QImage& PictureCopy::source() const { return kept_.isNull() ? canvas_->Image() : kept_; }

void PictureCopy::copyBand(int band) {
    if (copied_[size_t(band)]) return;
    // Read through a const image: reading never detaches the canvas's pixels.
    const QImage& from = source();
    const int first = band * kBandRows;
    const int rows = std::min(kBandRows, from.height() - first);
    const qsizetype line = std::min(from.bytesPerLine(), copy_.bytesPerLine());
    for (int y = first; y < first + rows; ++y) std::memcpy(copy_.scanLine(y), from.constScanLine(y), size_t(line));
    copied_[size_t(band)] = true;
    if (--left_ == 0) unhook();
}

bool PictureCopy::step(int budgetMs) {
    QElapsedTimer clock;
    clock.start();
    while (left_ > 0) {
        while (copied_[size_t(next_)]) ++next_;
        copyBand(next_);
        if (budgetMs >= 0 && clock.elapsed() >= budgetMs) break;
    }
    return done();
}

void PictureCopy::aboutToPaint(const QRect& pixels) {
    const QRect r = pixels.intersected(copy_.rect());
    if (r.isEmpty()) return;
    for (int band = r.top() / kBandRows; band <= r.bottom() / kBandRows && left_ > 0; ++band) copyBand(band);
}

void PictureCopy::aboutToReplace() {
    // A shared reference: the canvas goes on with another image. Should it
    // paint this one in place after all, that paint makes its own copy.
    if (kept_.isNull()) kept_ = canvas_->Image();
}
