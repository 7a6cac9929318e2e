// The canvas's records of what it paints: the pixels of a figure or a text
// noted with the colours they had, pixels put back from such a record, and
// a move's preview inverted.
#include "Canvas.h"

#include <QPainter>

// The glyphs' own pixels: drawn alone on a clear image of the part they
// touch, in the same font at the same place within a pixel.
void Canvas::recordText(const QPointF& baseline, const QRectF& touched, const QString& text, const QFont& font) {
    const QRect part = touched.toAlignedRect().intersected(image_.rect());
    if (part.isEmpty()) return;
    QImage glyphs(part.size(), QImage::Format_ARGB32_Premultiplied);
    glyphs.fill(Qt::transparent);
    {
        QPainter g(&glyphs);
        g.setFont(font);
        g.setPen(toQColor(ForeColor));
        g.drawText(baseline - QPointF(part.topLeft()), text);
    }
    const QRgb c = toQColor(ForeColor).rgb();
    for (int y = 0; y < part.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(glyphs.constScanLine(y));
        for (int x = 0; x < part.width(); ++x)
            if (qAlpha(row[x]) != 0)
                recording_->push_back({part.left() + x, part.top() + y, image_.pixel(part.left() + x, part.top() + y), c});
    }
}

void Canvas::SetPixels(const std::vector<PixelRecord::Dab>& dabs) {
    QRect bounds;
    for (const PixelRecord::Dab& d : dabs)
        if (image_.rect().contains(d.x, d.y)) bounds |= QRect(d.x, d.y, 1, 1);
    if (bounds.isEmpty()) return;
    aboutToPaint(bounds);
    for (const PixelRecord::Dab& d : dabs)
        if (image_.rect().contains(d.x, d.y)) image_.setPixel(d.x, d.y, d.painted);
    markDirty(bounds);
}

void Canvas::InvertPixels(const FigurePixels& pixels) {
    if (pixels.bounds.isEmpty()) return;
    aboutToPaint(pixels.bounds);
    pixels.invert(image_);
    tiles_.mark(pixels, image_.size());
}

Recording::Recording(Canvas& canvas, bool dry)
    : canvas_(canvas), mode_(canvas.DrawMode), width_(canvas.DrawWidth), colour_(canvas.ForeColor),
      x_(canvas.CurrentX), y_(canvas.CurrentY), font_(canvas.Font) {
    canvas_.setRecording(&dabs_, dry);
}

// A dry recording leaves the canvas as it found it; one that paints leaves
// it as the painting did.
Recording::~Recording() {
    const bool dry = canvas_.dry_;
    canvas_.setRecording(nullptr, false);
    if (!dry) return;
    canvas_.DrawMode = mode_;
    canvas_.DrawWidth = width_;
    canvas_.ForeColor = colour_;
    canvas_.CurrentX = x_;
    canvas_.CurrentY = y_;
    canvas_.Font = font_;
}
