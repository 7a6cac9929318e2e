// The widget that shows the canvas and turns mouse events into the canvas
// handlers' calls, in twips. It repaints only what the canvas dirtied.
#pragma once

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
    void refresh();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    Canvas& canvas_;
};
