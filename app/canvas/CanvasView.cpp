#include "CanvasView.h"

#include "app/window/BusyCursor.h"
#include "core/Canvas.h"
#include "core/Grid.h"
#include "core/Selection.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

int shiftMask(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

// Qt's button bits for left, right and middle match the canvas's 1, 2 and 4.
int buttonBits(Qt::MouseButtons b) { return int(b & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)); }

}  // namespace

CanvasView::CanvasView(Canvas& canvas, const Selection& selection, QWidget* parent)
    : QWidget(parent), canvas_(canvas), selection_(selection) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    fitSize();
    canvas_.clearSizeChanged();
    canvas_.takeDirty();
    frameEnd_.setSingleShot(true);
    connect(&frameEnd_, &QTimer::timeout, this, &CanvasView::flushPending);
    connect(&reducing_, &QTimer::timeout, this, &CanvasView::reduceMore);
    moveDue_.setSingleShot(true);
    connect(&moveDue_, &QTimer::timeout, this, &CanvasView::handOnWaitingMove);
}

// Whole widget pixels only, each inside the picture: a reduced view leaves
// off the last fraction of a widget pixel rather than show what is not there.
void CanvasView::fitSize() {
    const QSize s = canvas_.Image().size();
    setFixedSize(std::max(1, toWidget(s.width())), std::max(1, toWidget(s.height())));
}

// Below 100 % in whole numbers, as the reduced image maps its pixels.
int CanvasView::toWidget(int picturePixel) const {
    if (zoom_ < 100) return int(std::floor(double(qint64(picturePixel) * zoom_) / 100));
    return int(std::floor(picturePixel * scale_));
}

QPointF CanvasView::toPicture(QPointF widgetPoint) const { return widgetPoint / scale_; }

// Widget pixel w shows picture pixel p when toWidget(p) <= w < toWidget(p + 1)
// magnified, and the pixels p with toWidget(p) == w reduced: the first of
// them is the one the reduced image starts its average with.
QPoint CanvasView::pixelAt(QPointF widgetPoint) const {
    auto pixel = [this](double at) {
        const double w = std::floor(at);
        const double p = zoom_ < 100 ? std::ceil(w * 100 / zoom_) : std::ceil((w + 1) * 100 / zoom_) - 1;
        return p > -Canvas::kFarPixels ? int(std::min(p, double(Canvas::kFarPixels))) : -Canvas::kFarPixels;
    };
    return QPoint(pixel(widgetPoint.x()), pixel(widgetPoint.y()));
}

QPointF CanvasView::twipsAt(QPointF widgetPoint) const {
    return QPointF(pixelAt(widgetPoint)) * Canvas::kTwipsPerPixel;
}

QRect CanvasView::widgetRect(const QRect& picture) const {
    if (zoom_ == 100) return picture;
    if (zoom_ < 100) return QRect(QPoint(toWidget(picture.left()), toWidget(picture.top())),
                                  QPoint(toWidget(picture.right()), toWidget(picture.bottom())));
    return QRect(QPoint(toWidget(picture.left()), toWidget(picture.top())),
                 QPoint(int(std::ceil((picture.right() + 1) * scale_)) - 1,
                        int(std::ceil((picture.bottom() + 1) * scale_)) - 1));
}

QRegion CanvasView::widgetRegion(const QRegion& picture) {
    // Each rectangle of a repaint costs about what painting a few hundred
    // pixels does (a call to draw and a request to the display, measured on
    // the real window): a region of many small ones is repainted as its
    // bounding rectangle when that is cheaper, and so is every reduced view's.
    constexpr qint64 kPixelsPerRect = 500;
    const QRect bounds = widgetRect(picture.boundingRect());
    if (zoom_ % 100 != 0 || picture.rectCount() * kPixelsPerRect >= qint64(bounds.width()) * bounds.height())
        return bounds;
    if (zoom_ == 100) return picture;
    // A whole multiple maps every band of the region onto a band: the rects
    // keep their order, and the region is made in one go.
    rects_.clear();
    for (const QRect& r : picture) rects_.push_back(widgetRect(r));
    QRegion widget;
    widget.setRects(rects_.data(), int(rects_.size()));
    return widget;
}

void CanvasView::setZoom(int percent) {
    if (percent <= 0 || percent == zoom_) return;
    zoom_ = percent;
    scale_ = percent / 100.0;
    fitSize();
    rebuildReduced();
    selectionAreaShown_ = selectionArea();
    pending_ = QRegion();
    update();
}

QSize CanvasView::pictureSize() const { return canvas_.Image().size(); }

QRect CanvasView::selectionArea() const {
    const QRect& marked = selection_.rect();
    QRect area = marked.isEmpty() ? QRect() : widgetRect(marked).adjusted(-1, -1, 1, 1);
    if (!selection_.hole().isEmpty()) area |= widgetRect(selection_.hole());
    return area;
}

// The frame lies two widget pixels outside the figure's pixels, clear of its outline.
QRect CanvasView::figureArea() const { return figure_.isEmpty() ? QRect() : widgetRect(figure_).adjusted(-2, -2, 2, 2); }

void CanvasView::markFigure(const QRect& pixels) {
    if (pixels == figure_) return;
    update(figureArea());
    figure_ = pixels;
    update(figureArea());
}

void CanvasView::rebuildReduced() {
    reducing_.stop();
    if (zoom_ >= 100) {
        reduced_ = ReducedView();
        return;
    }
    const QImage& image = canvas_.Image();
    reduced_.begin(image, zoom_);
    // A picture reduced within a frame is reduced at once; a larger one a
    // slice at a time between frames, so the window never waits for it.
    if (qint64(image.width()) * image.height() <= kReduceAtOnce)
        reduced_.reduceMore(image, -1);
    else
        reducing_.start(0);
}

void CanvasView::reduceMore() {
    update(reduced_.reduceMore(canvas_.Image(), kFrameMs / 2));
    if (reduced_.whole()) reducing_.stop();
}

void CanvasView::flushPending() {
    frameEnd_.stop();
    if (pending_.isEmpty()) return;
    update(pending_);
    pending_ = QRegion();
    sinceRepaint_.start();
}

void CanvasView::refresh() {
    QRegion dirty = canvas_.takeDirty();
    if (canvas_.sizeChanged()) {
        canvas_.clearSizeChanged();
        fitSize();
        if (zoom_ < 100) {
            rebuildReduced();
            dirty = QRegion();
            update();
        }
    }
    if (zoom_ < 100 && !dirty.isEmpty()) {
        const BusyCursor busy(dirty.boundingRect().size());
        for (const QRect& r : dirty) reduced_.update(canvas_.Image(), r);
    }
    if (selection_.revision() != selectionShown_) {
        selectionShown_ = selection_.revision();
        const QRect before = std::exchange(selectionAreaShown_, selectionArea());
        update(before | selectionAreaShown_);
    }
    pending_ += widgetRegion(dirty);
    if (pending_.isEmpty() || frameEnd_.isActive()) return;
    const qint64 elapsed = sinceRepaint_.isValid() ? sinceRepaint_.elapsed() : kFrameMs;
    if (elapsed >= kFrameMs)
        flushPending();
    else
        frameEnd_.start(int(kFrameMs - elapsed));
}

void CanvasView::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QImage& image = canvas_.Image();
    for (const QRect& r : e->region()) {
        // Qt's fast image paths need a rectangular clip; the event's own
        // is the whole region.
        p.setClipRect(r);
        // Below 100 % each widget pixel is a pixel of the reduced image;
        // magnified pixels are sharp squares.
        if (zoom_ <= 100) {
            p.drawImage(r, zoom_ < 100 ? reduced_.image() : image, r);
            continue;
        }
        // The whole picture pixels under r onto their widget squares.
        const QRect source = QRect(QPoint(int(std::floor(r.left() / scale_)), int(std::floor(r.top() / scale_))),
                                   QPoint(int(std::ceil((r.right() + 1) / scale_)) - 1,
                                          int(std::ceil((r.bottom() + 1) / scale_)) - 1))
                                 .intersected(image.rect());
        const QRectF target(source.x() * scale_, source.y() * scale_, source.width() * scale_,
                            source.height() * scale_);
        p.drawImage(target, image, QRectF(source));
    }
    paintGrid(p, e->region());
    if (!figure_.isEmpty()) {
        p.setClipRegion(e->region());
        p.setPen(QPen(palette().color(QPalette::Highlight), 1));
        p.drawRect(figureArea().adjusted(0, 0, -1, -1));
    }
    const QRect marked = selection_.rect();
    if (marked.isEmpty()) return;
    p.setClipRegion(e->region());
    if (!selection_.hole().isEmpty()) p.fillRect(widgetRect(selection_.hole()), Qt::white);
    if (!selection_.floating().isNull()) p.drawImage(widgetRect(marked), selection_.floatingShown());
    // Black dashes on white, seen on any picture.
    const QRect outline = widgetRect(marked).adjusted(0, 0, -1, -1);
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(outline);
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawRect(outline);
}

void CanvasView::paintGrid(QPainter& p, const QRegion& region) const {
    if (!grid_ || !grid_->shown) return;
    const QRect r = region.boundingRect();
    const QRect visible = QRect(QPoint(int(std::floor(r.left() / scale_)), int(std::floor(r.top() / scale_))),
                                QPoint(int(std::floor(r.right() / scale_)), int(std::floor(r.bottom() / scale_))))
                              .intersected(canvas_.Image().rect());
    const Grid::Lines lines = grid_->lines(visible, scale_);
    if (lines.columns.empty() && lines.rows.empty()) return;
    p.save();
    p.setClipRegion(region);
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    const QColor faint(0xc8, 0xd4, 0xe6);  // a light blue-grey
    const QRect shown = widgetRect(visible);
    auto middle = [this](int pixel) { return int(std::floor((pixel + 0.5) * scale_)); };
    // Where two lines cross, the point is a shade darker: the grid points show.
    for (int c : lines.columns) p.fillRect(QRect(middle(c), shown.top(), 1, shown.height()), faint);
    for (int r : lines.rows) p.fillRect(QRect(shown.left(), middle(r), shown.width(), 1), faint);
    p.restore();
}

CanvasView::Move CanvasView::moveOf(QMouseEvent* e, Qt::MouseButtons buttons) const {
    const QPointF at = twipsAt(e->position());
    return {buttonBits(buttons), shiftMask(e->modifiers()), float(at.x()), float(at.y())};
}

void CanvasView::handOn(const Move& m) {
    sinceMove_.start();
    if (onMove) onMove(m.button, m.shift, m.x, m.y);
}

// A move still waits only while its drag goes on: one a command ended
// draws nothing, and is dropped.
void CanvasView::handOnWaitingMove() {
    moveDue_.stop();
    if (!waitingMove_) return;
    const Move m = *waitingMove_;
    waitingMove_.reset();
    if (movesMayWait && movesMayWait()) handOn(m);
}

void CanvasView::mousePressEvent(QMouseEvent* e) {
    handOnWaitingMove();
    const Move m = moveOf(e, e->button());
    if (onDown) onDown(m.button, m.shift, m.x, m.y);
}

void CanvasView::mouseMoveEvent(QMouseEvent* e) {
    const Move m = moveOf(e, e->buttons());
    if (m.button == 0 || !movesMayWait || !movesMayWait()) {
        handOnWaitingMove();
        handOn(m);
        return;
    }
    waitingMove_ = m;  // in place of any that waits: only the last one shows
    const qint64 elapsed = sinceMove_.isValid() ? sinceMove_.elapsed() : kFrameMs;
    if (elapsed >= kFrameMs)
        handOnWaitingMove();
    else if (!moveDue_.isActive())
        moveDue_.start(int(kFrameMs - elapsed));
}

void CanvasView::mouseReleaseEvent(QMouseEvent* e) {
    handOnWaitingMove();
    const Move m = moveOf(e, e->button());
    if (onUp) onUp(m.button, m.shift, m.x, m.y);
    if (onClick && rect().contains(e->position().toPoint())) onClick();
}

void CanvasView::wheelEvent(QWheelEvent* e) {
    handOnWaitingMove();
    if (!(e->modifiers() & Qt::ControlModifier) || !onZoomWheel) {
        e->ignore();  // the scroll area scrolls
        return;
    }
    wheelAngle_ += e->angleDelta().y();
    const int notches = wheelAngle_ / QWheelEvent::DefaultDeltasPerStep;
    wheelAngle_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    if (notches != 0) onZoomWheel(notches, e->position());
    e->accept();
}

void CanvasView::leaveEvent(QEvent* e) {
    if (onLeave) onLeave();
    QWidget::leaveEvent(e);
}
