// Arrange Figures' gesture: a left-button press inside a figure's rectangle
// (the newest where figures overlap) picks it, and a drag moves it with its
// labels and connectors. While the button is held the move shows as an
// inverted preview; the release makes it, in the step the press opened.
// With Snap on the figure's top-left corner lands on grid points.
#pragma once

#include "core/GestureRouter.h"
#include "core/Raster.h"

#include <QPoint>
#include <QPointF>
#include <functional>

class Document;
class Grid;

class FigureMove : public GestureOwner {
public:
    FigureMove(Document& doc, const Grid& grid) : doc_(doc), grid_(grid) {}
    // The figure a press picked.
    std::function<void(int figure)> onPicked;
    // Closes the step the press opened.
    std::function<void()> onEnded;

    void press(int button, int shift, float x, float y) override;
    void move(int buttons, int shift, float x, float y) override;
    void release(int button, int shift, float x, float y) override;
    bool cancel() override;
    // Whether a figure is being dragged.
    bool moving() const { return figure_ != 0; }

private:
    // The whole pixels the figure moves by for the pointer at (X, Y).
    QPoint offset(float x, float y) const;
    void showPreview(QPoint by);
    void end();

    Document& doc_;
    const Grid& grid_;
    int figure_ = 0;  // the figure dragged, 0 for none
    QPointF pressed_, corner_;  // twips
    QPoint shownAt_;            // the offset the preview shows
    FigurePixels preview_;      // the pixels it inverted, empty for none
};
