#include "FigureMove.h"

#include "core/Document.h"
#include "core/DragDispatcher.h"
#include "core/Grid.h"

#include <cmath>

void FigureMove::press(int button, int, float x, float y) {
    if (button != MouseButton::Left) return;
    const DrawnFigure* figure = doc_.figures().under(QPointF(x, y));
    if (!figure || !figure->id) return;
    figure_ = figure->id;
    pressed_ = QPointF(x, y);
    corner_ = figure->rect.topLeft();
    shownAt_ = QPoint();
    preview_ = FigurePixels();
    doc_.beginStep();
    if (onPicked) onPicked(figure_);
}

QPoint FigureMove::offset(float x, float y) const {
    QPointF corner = corner_ + (QPointF(x, y) - pressed_);
    float cx = float(corner.x()), cy = float(corner.y());
    grid_.snapPoint(cx, cy);
    const QPointF by = (QPointF(cx, cy) - corner_) / Canvas::kTwipsPerPixel;
    return QPoint(int(std::lround(by.x())), int(std::lround(by.y())));
}

void FigureMove::showPreview(QPoint by) {
    if (!preview_.spans.empty()) doc_.canvas.InvertPixels(preview_);
    preview_ = by.isNull() ? FigurePixels() : doc_.movePreview(figure_, by);
    if (!preview_.spans.empty()) doc_.canvas.InvertPixels(preview_);
    shownAt_ = by;
}

void FigureMove::move(int buttons, int, float x, float y) {
    if (!figure_ || !(buttons & MouseButton::Left)) return;
    const QPoint by = offset(x, y);
    if (by != shownAt_) showPreview(by);
}

void FigureMove::release(int button, int, float x, float y) {
    if (!figure_ || button != MouseButton::Left) return;
    const int figure = figure_;
    const QPoint by = offset(x, y);
    showPreview(QPoint());
    if (!by.isNull()) doc_.moveFigure(figure, by);
    end();
}

bool FigureMove::cancel() {
    if (!figure_) return false;
    showPreview(QPoint());
    end();
    return true;
}

void FigureMove::end() {
    figure_ = 0;
    if (onEnded) onEnded();
}
