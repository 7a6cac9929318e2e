// The picture on the grey of its scroll area, as paint programs show it: the
// canvas view at a small margin with a one-pixel dark edge, and handles on
// its right edge, bottom edge and corner that resize the picture by
// dragging, the new size in pixels shown beside the dashed outline of the
// new edges, over the picture when it is made smaller. The
// frame follows the view's size, whatever the zoom makes it.
#pragma once

#include "core/GestureRouter.h"

#include <QWidget>
#include <functional>

class Canvas;
class CanvasView;
class QLabel;

// A handle's drag is a gesture of the canvas's router, so that it never
// overlaps a drawing or a selection's drag.
class PictureFrame : public QWidget, private GestureOwner {
    Q_OBJECT
public:
    static constexpr int kMargin = 8;

    // Takes VIEW, the widget that shows CANVAS, as its child.
    PictureFrame(CanvasView& view, const Canvas& canvas, GestureRouter& gestures, QWidget* parent = nullptr);

    // Told the size in picture pixels a handle was let go at, when it differs.
    std::function<void(QSize)> onResize;
    // The size a held handle asks for, empty while none is held; told of
    // every change.
    QSize asked() const { return held_ == None ? QSize() : asked_; }
    std::function<void()> onAsked;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // GestureOwner, in frame coordinates.
    void press(int button, int shift, float x, float y) override;
    void move(int buttons, int shift, float x, float y) override;
    void release(int button, int shift, float x, float y) override;
    // Ends a handle's drag without resizing.
    bool cancel() override;

    enum Handle { None = 0, Right = 1, Bottom = 2, Corner = Right | Bottom };
    QRect handleRect(Handle h) const;  // in frame coordinates
    Handle handleAt(QPoint p) const;
    // The picture size the pointer at P asks for with the handle held.
    QSize sizeAt(QPoint p) const;
    // The asked size's place, in frame coordinates.
    QRect outline() const;
    void follow();

    CanvasView& view_;
    const Canvas& canvas_;
    GestureRouter& gestures_;
    QWidget* outline_;
    QLabel* label_;
    Handle held_ = None;
    QPoint grab_;  // where on the handle it was taken, from the picture's far corner
    QSize asked_;
};
