#include "CanvasView.h"

#include "core/Canvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

int shiftMask(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

// Qt's button bits for left, right and middle match the canvas's 1, 2 and 4.
int buttonBits(Qt::MouseButtons b) { return int(b & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)); }

float twips(qreal pixels) { return float(pixels * Canvas::kTwipsPerPixel); }

}  // namespace

CanvasView::CanvasView(Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFixedSize(canvas_.Image().size());
    canvas_.clearSizeChanged();
    canvas_.takeDirty();
    frameEnd_.setSingleShot(true);
    connect(&frameEnd_, &QTimer::timeout, this, &CanvasView::flushPending);
}

void CanvasView::flushPending() {
    frameEnd_.stop();
    if (pending_.isEmpty()) return;
    update(pending_);
    pending_ = QRegion();
    sinceRepaint_.start();
}

void CanvasView::refresh() {
    if (canvas_.sizeChanged()) {
        canvas_.clearSizeChanged();
        setFixedSize(canvas_.Image().size());
    }
    pending_ += canvas_.takeDirty();
    if (pending_.isEmpty() || frameEnd_.isActive()) return;
    const qint64 elapsed = sinceRepaint_.isValid() ? sinceRepaint_.elapsed() : kFrameMs;
    if (elapsed >= kFrameMs)
        flushPending();
    else
        frameEnd_.start(int(kFrameMs - elapsed));
}

void CanvasView::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    for (const QRect& r : e->region()) p.drawImage(r, canvas_.Image(), r);
}

void CanvasView::mousePressEvent(QMouseEvent* e) {
    if (onDown) onDown(buttonBits(e->button()), shiftMask(e->modifiers()), twips(e->position().x()), twips(e->position().y()));
}

void CanvasView::mouseMoveEvent(QMouseEvent* e) {
    if (onMove) onMove(buttonBits(e->buttons()), shiftMask(e->modifiers()), twips(e->position().x()), twips(e->position().y()));
}

void CanvasView::mouseReleaseEvent(QMouseEvent* e) {
    if (onUp) onUp(buttonBits(e->button()), shiftMask(e->modifiers()), twips(e->position().x()), twips(e->position().y()));
    if (onClick && rect().contains(e->position().toPoint())) onClick();
}
