#include "PaletteButton.h"

#include <QMouseEvent>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace {

const QColor kPressedFace(0xb4, 0xc8, 0xe8);
const QColor kFrame(0x7f, 0x8f, 0xa6);
const QColor kHoverFrame(0x2f, 0x5f, 0x9f);
const QColor kFocusFrame(0x20, 0x30, 0x50);

// The one-pixel frame's four sides, bottom, right, left and top in turn:
// solid sides as rectangles, dotted ones as antialiased lines along the edge.
void drawFrame(QPainter& p, const QRect& r, const QColor& color, bool dotted) {
    const qreal w = r.width(), h = r.height();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (dotted) {
        p.setPen(QPen(QBrush(color), 1, Qt::DotLine, Qt::FlatCap));
        for (const QLineF& side : {QLineF(0, h - 1, w - 1, h - 1), QLineF(w - 1, 0, w - 1, h - 1),
                                   QLineF(0, 0, 0, h - 1), QLineF(0, 0, w - 1, 0)})
            p.drawLine(side);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        for (const QRectF& side : {QRectF(0, h - 1, w, 1), QRectF(w - 1, 0, 1, h), QRectF(0, 0, 1, h),
                                   QRectF(0, 0, w, 1)})
            p.drawRect(side);
    }
    p.restore();
}

}  // namespace

PaletteButton::PaletteButton(QWidget* parent) : QToolButton(parent) { setAttribute(Qt::WA_Hover); }

void PaletteButton::setCurrent(bool current) {
    if (current == current_) return;
    current_ = current;
    update();
}

void PaletteButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !onDoubleClick) return QToolButton::mouseDoubleClickEvent(event);
    event->accept();
    onDoubleClick();
}

void PaletteButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionToolButton opt;
    initStyleOption(&opt);
    p.fillRect(rect(), (opt.state & QStyle::State_Sunken) || current_ ? kPressedFace : palette().color(QPalette::Button));
    const bool focus = opt.state & QStyle::State_HasFocus;
    drawFrame(p, rect(), focus ? kFocusFrame : opt.state & QStyle::State_MouseOver ? kHoverFrame : kFrame, focus);
    opt.rect = rect().adjusted(1, 1, -1, -1);
    p.drawControl(QStyle::CE_ToolButtonLabel, opt);
}
