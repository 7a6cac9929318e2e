// The widget that shows the canvas, magnified or reduced, and turns mouse
// events into the canvas handlers' calls, in picture twips. It repaints only
// what the canvas dirtied.
#pragma once

#include "core/ReducedView.h"

#include <QElapsedTimer>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class Canvas;
class Grid;
class QPainter;
class Selection;

class CanvasView : public QWidget {
    Q_OBJECT
public:
    using MouseHandler = std::function<void(int button, int shift, float x, float y)>;

    // Shows CANVAS, and SELECTION over it.
    CanvasView(Canvas& canvas, const Selection& selection, QWidget* parent = nullptr);

    MouseHandler onDown, onMove, onUp;
    // Whether the picture is still being reduced for the zoom, a slice at a time.
    bool reducing() const { return reducing_.isActive(); }
    std::function<void()> onClick;
    // The pointer left the view.
    std::function<void()> onLeave;
    // Whether the moves of the drag under way may wait for the frame's end.
    // Those that may and come within a frame of the last move handed on
    // wait, and only the last of them is handed on, before anything else
    // the mouse does: a rubber band is drawn no more often than it shows.
    // A drag that must see every point (the eraser's) answers no.
    std::function<bool()> movesMayWait;
    // Ctrl+wheel: notches away from the user (negative towards), and the
    // pointer's place in the widget.
    std::function<void(int notches, QPointF at)> onZoomWheel;

    // Schedules the repaint of what the canvas and the selection changed
    // since the last call.
    // Repaints come at most once a frame: a change within a frame of the
    // last repaint waits for the frame's end, with the changes after it.
    void refresh();
    // Schedules what is waiting for the frame's end at once.
    void flushPending();
    // Hands on at once a move that waits for the frame's end.
    void handOnWaitingMove();

    // The magnification in percent. The picture never changes with it: the
    // widget is the picture's size times it, and every mouse point is
    // turned back into picture twips.
    int zoom() const { return zoom_; }
    void setZoom(int percent);
    // A picture pixel's widget coordinate.
    int toWidget(int picturePixel) const;
    // The picture pixel under a widget point, at any zoom: the one whose
    // magnified square holds it, or the first of those its reduced pixel
    // shows. The pointer, the status bar, the grid's snapping and the resize
    // handles all take their pixel from here.
    QPoint pixelAt(QPointF widgetPoint) const;
    // The same pixel in twips, as the canvas handlers get it.
    QPointF twipsAt(QPointF widgetPoint) const;
    // A widget point's place on the picture, in fractions of a pixel: what a
    // zoom keeps where it is on the screen.
    QPointF toPicture(QPointF widgetPoint) const;
    QSize pictureSize() const;
    // The grid shown over the picture while GRID says so; null for none.
    void setGrid(const Grid* grid) { grid_ = grid; }
    // A frame in the desktop's highlight colour around these picture
    // pixels, over the picture and never part of it; empty for none.
    void markFigure(const QRect& pixels);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    struct Move {
        int button, shift;
        float x, y;
    };
    void handOn(const Move& m);
    Move moveOf(QMouseEvent* e, Qt::MouseButtons buttons) const;

    static constexpr int kFrameMs = 16;
    // The most picture pixels reduced for a new zoom at once (about 13 ms).
    static constexpr qint64 kReduceAtOnce = 8'000'000;
    // The widget pixels that show these picture pixels, rounded outwards.
    QRect widgetRect(const QRect& picture) const;
    QRegion widgetRegion(const QRegion& picture);
    void fitSize();
    // Below 100 % the picture shows reduced by averaging; at other zooms
    // there is no reduced image.
    void rebuildReduced();
    void reduceMore();

    // The selection, in picture pixels, shows over the picture with a dashed
    // outline; what floats shows at its place, over its hole in white. None
    // of it is ever drawn into the canvas. These are the widget pixels its
    // outline, floating pixels and hole cover.
    QRect selectionArea() const;
    QRect figureArea() const;  // the widget pixels the figure's frame covers
    // The grid's lines over the picture within REGION, one screen pixel
    // wide through the middle of the picture pixels they pass, multiplied
    // onto the picture so that its lines stay as dark as they are; the grid
    // points, where two lines multiply, show a shade darker.
    void paintGrid(QPainter& p, const QRegion& region) const;

    Canvas& canvas_;
    const Selection& selection_;
    const Grid* grid_ = nullptr;
    QRect figure_;  // picture pixels framed
    quint64 selectionShown_ = 0;  // the selection's revision last scheduled for repaint
    QRect selectionAreaShown_;    // the widget pixels it covered then
    int zoom_ = 100;
    double scale_ = 1.0;
    ReducedView reduced_;
    int wheelAngle_ = 0;  // the part of a notch the wheel has turned so far
    QRegion pending_;     // widget pixels
    std::vector<QRect> rects_;  // widgetRegion()'s, reused
    QElapsedTimer sinceRepaint_;
    QTimer frameEnd_;
    QTimer reducing_;  // reduces a slice of a large picture whenever the window is idle
    std::optional<Move> waitingMove_;
    QElapsedTimer sinceMove_;  // since the last move handed on
    QTimer moveDue_;
};
