// The drag gesture on the canvas: press, moves and release. The dispatcher
// draws the line, circle, process box and eraser itself and hands every other
// drawing tool to its shape module.
#pragma once

#include "app/Canvas.h"
#include "app/FormState.h"
#include "app/Inialenum.h"
#include "shapes/ShapeModule.h"

// What the dispatcher needs of the window around the canvas.
class DragHost {
public:
    virtual ~DragHost() = default;
    virtual int penWidth() = 0;     // from the draw-width box
    virtual int eraserWidth() = 0;  // from the eraser-width box
    virtual void stampText(float x, float y) = 0;  // prints and empties the pending text
    virtual void followPointer(float x, float y) = 0;  // the floating text preview
};

namespace MouseButton {
constexpr int Left = 1, Right = 2, Middle = 4;
}

class DragDispatcher {
public:
    DragDispatcher(FormState& form, Inialenum& state, Canvas& canvas, const ShapeSet& shapes, DragHost& host)
        : form_(form), s_(state), canvas_(canvas), shapes_(shapes), host_(host) {}

    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);

    // Tools whose figure exists only for a release right of and below the press.
    static bool releaseRestricted(int code);

private:
    void moveAction();
    void releaseAction();
    void eraserStep(bool drawSquare);

    FormState& form_;
    Inialenum& s_;
    Canvas& canvas_;
    const ShapeSet& shapes_;
    DragHost& host_;
};
