// The widget that shows the canvas and turns mouse events into the canvas
// handlers' calls, in twips. It repaints only what the canvas dirtied.
#pragma once

#include <QElapsedTimer>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <functional>

class Canvas;

class CanvasView : public QWidget {
    Q_OBJECT
public:
    using MouseHandler = std::function<void(int button, int shift, float x, float y)>;

    explicit CanvasView(Canvas& canvas, QWidget* parent = nullptr);

    MouseHandler onDown, onMove, onUp;
    std::function<void()> onClick;

    // Schedules the repaint of what the canvas changed since the last call.
    // Repaints come at most once a frame: a change within a frame of the
    // last repaint waits for the frame's end, with the changes after it.
    void refresh();
    // Schedules what is waiting for the frame's end at once.
    void flushPending();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    static constexpr int kFrameMs = 16;
    Canvas& canvas_;
    QRegion pending_;
    QElapsedTimer sinceRepaint_;
    QTimer frameEnd_;
};
