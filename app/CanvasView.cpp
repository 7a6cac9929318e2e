#include "CanvasView.h"

#include "app/Canvas.h"

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
}

void CanvasView::refresh() {
    if (canvas_.sizeChanged()) {
        canvas_.clearSizeChanged();
        setFixedSize(canvas_.Image().size());
    }
    const QRegion r = canvas_.takeDirty();
    if (!r.isEmpty()) update(r);
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
