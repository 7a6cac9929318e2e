// The scroll area the picture's frame and view sit in: the zoom's levels,
// and the scrolling that keeps a picture point in its place on the screen
// when the zoom changes. Zoom changes only how the picture is shown: the
// canvas, its pixels and the twips of every figure stay.
#pragma once

#include <QScrollArea>
#include <functional>

class CanvasView;

class CanvasScroller : public QScrollArea {
public:
    // Takes FRAME, which holds VIEW, as its widget.
    CanvasScroller(QWidget* frame, CanvasView& view, QWidget* parent);

    void zoomIn();
    void zoomOut();
    // Zooms to PERCENT about the middle of what shows.
    void zoomAboutCentre(int percent);
    // The largest level that shows the whole picture; below the smallest,
    // the largest whole percentage that does.
    void zoomToFit();
    // Scrolls, as little as it takes, to show the picture pixels PART.
    void showPixels(const QRect& part);
    // The picture pixel at the top left of what shows, rounded up.
    QPoint firstPixelShown() const;
    // Told after every change of the zoom.
    std::function<void()> onZoomed;

private:
    // Zooms to PERCENT keeping the picture point at AT, a point of the view
    // in its own pixels, where it is on the screen.
    void zoomAt(int percent, QPointF at);

    CanvasView& view_;
};
