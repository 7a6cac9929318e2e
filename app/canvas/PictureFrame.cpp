#include "PictureFrame.h"

#include "app/canvas/CanvasView.h"
#include "core/Canvas.h"
#include "core/DragDispatcher.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kHandle = 6;  // a handle's side in screen pixels
constexpr int kReach = 3;   // how far beside a handle a press still takes it

// The dashed outline of the size a handle asks for, just outside it, over
// the picture and the grey alike: dark dashes on white.
class AskedOutline : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect().adjusted(0, 0, -1, -1);
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(r);
        p.setPen(QPen(palette().color(QPalette::Shadow), 1, Qt::DashLine));
        p.drawRect(r);
    }
};

}  // namespace

PictureFrame::PictureFrame(CanvasView& view, const Canvas& canvas, GestureRouter& gestures, QWidget* parent)
    : QWidget(parent), view_(view), canvas_(canvas), gestures_(gestures), outline_(new AskedOutline(this)),
      label_(new QLabel(this)) {
    setBackgroundRole(QPalette::Dark);
    setAutoFillBackground(true);
    setMouseTracking(true);
    view_.setParent(this);
    view_.move(kMargin, kMargin);
    view_.installEventFilter(this);
    label_->setBackgroundRole(QPalette::ToolTipBase);
    label_->setForegroundRole(QPalette::ToolTipText);
    label_->setAutoFillBackground(true);
    label_->setFrameShape(QFrame::Box);
    label_->setMargin(2);
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    label_->hide();
    // Both show over the view, when the picture is made smaller too.
    outline_->setAttribute(Qt::WA_TransparentForMouseEvents);
    outline_->hide();
    outline_->raise();
    label_->raise();
    follow();
}

QRect PictureFrame::handleRect(Handle h) const {
    const QRect v = view_.geometry();
    const int x = h & Right ? v.right() + 2 : v.center().x() - kHandle / 2;
    const int y = h & Bottom ? v.bottom() + 2 : v.center().y() - kHandle / 2;
    return QRect(x, y, kHandle, kHandle);
}

PictureFrame::Handle PictureFrame::handleAt(QPoint p) const {
    for (Handle h : {Corner, Right, Bottom})
        if (handleRect(h).adjusted(-kReach, -kReach, kReach, kReach).contains(p)) return h;
    return None;
}

// The far corner goes to the picture pixel the pointer is on, as the view
// maps it, counted from the one at the view's far corner: the pointer is
// taken where the handle was grabbed, so that a press without a move asks
// for no change at any zoom.
QSize PictureFrame::sizeAt(QPoint p) const {
    const QSize picture = canvas_.Image().size();
    const QRect v = view_.geometry();
    const QPoint at = view_.pixelAt(p - grab_ - v.topLeft()), was = view_.pixelAt(QPointF(v.width(), v.height()));
    auto side = [](int pictureSide, int moved) {
        return int(std::clamp(qint64(pictureSide) + moved, qint64(1), qint64(std::max(Canvas::kMaxSide, pictureSide))));
    };
    return QSize(held_ & Right ? side(picture.width(), at.x() - was.x()) : picture.width(),
                 held_ & Bottom ? side(picture.height(), at.y() - was.y()) : picture.height());
}

QRect PictureFrame::outline() const {
    return QRect(view_.geometry().topLeft(), QSize(view_.toWidget(asked_.width()), view_.toWidget(asked_.height())));
}

// The frame holds the view and its margin, and while a handle is held the
// outline and its label too.
void PictureFrame::follow() {
    const QRect v = view_.geometry();
    QSize size(v.right() + 1 + kMargin, v.bottom() + 1 + kMargin);
    if (held_ != None) {
        const QRect o = outline();
        outline_->setGeometry(o.adjusted(-1, -1, 1, 1));
        outline_->show();
        label_->setText(QStringLiteral("%1 x %2").arg(asked_.width()).arg(asked_.height()));
        label_->adjustSize();
        label_->move(o.right() + kMargin, o.bottom() + kMargin);
        size = size.expandedTo(QSize(label_->geometry().right() + 1 + kMargin, label_->geometry().bottom() + 1 + kMargin));
    }
    resize(size);
    update();
    if (onAsked) onAsked();
}

bool PictureFrame::cancel() {
    if (held_ == None) return false;
    held_ = None;
    label_->hide();
    outline_->hide();
    follow();
    return true;
}

bool PictureFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &view_ && event->type() == QEvent::Resize) follow();
    return QWidget::eventFilter(watched, event);
}

void PictureFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor dark = palette().color(QPalette::Shadow);
    p.setPen(dark);
    p.drawRect(view_.geometry().adjusted(-1, -1, 0, 0));
    for (Handle h : {Right, Bottom, Corner}) {
        const QRect r = handleRect(h);
        p.fillRect(r, palette().color(QPalette::Highlight));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

// A press on the grey beside the picture does nothing.
void PictureFrame::mousePressEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    if (event->button() == Qt::LeftButton && handleAt(p.toPoint()) != None)
        gestures_.press(this, MouseButton::Left, 0, float(p.x()), float(p.y()));
}

void PictureFrame::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    if (gestures_.move(int(event->buttons()), 0, float(p.x()), float(p.y()))) return;
    static const Qt::CursorShape shapes[] = {Qt::ArrowCursor, Qt::SizeHorCursor, Qt::SizeVerCursor,
                                             Qt::SizeFDiagCursor};
    setCursor(shapes[handleAt(p.toPoint())]);
}

void PictureFrame::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPointF p = event->position();
    gestures_.release(MouseButton::Left, 0, float(p.x()), float(p.y()));
}

void PictureFrame::press(int, int, float x, float y) {
    const QPoint p(qRound(x), qRound(y));
    held_ = handleAt(p);
    grab_ = p - (view_.geometry().bottomRight() + QPoint(1, 1));
    asked_ = canvas_.Image().size();
    label_->show();
    follow();
}

void PictureFrame::move(int, int, float x, float y) {
    asked_ = sizeAt(QPoint(qRound(x), qRound(y)));
    follow();
}

void PictureFrame::release(int, int, float x, float y) {
    const QSize size = sizeAt(QPoint(qRound(x), qRound(y)));
    cancel();
    if (size != canvas_.Image().size() && onResize) onResize(size);
}
