// The drag gesture on the canvas: press, moves and release. The dispatcher
// draws the line, circle, process box and eraser itself and hands every other
// drawing tool to its shape module.
#pragma once

#include "core/Document.h"
#include "core/DragState.h"
#include "core/ShapeTool.h"
#include "core/ToolCode.h"

#include <functional>

// What the dispatcher needs of the window around the canvas.
class DragHost {
public:
    virtual ~DragHost() = default;
    virtual int penWidth() = 0;     // from the draw-width box
    virtual int eraserWidth() = 0;  // from the eraser-width box
    virtual void stampText(float x, float y) = 0;  // prints and empties the pending text
    virtual void followPointer(float x, float y) = 0;  // the floating text preview
    // Closes the drag's step; ERASED when it was the eraser's, whose button
    // leaves the picture unchanged, so that the pixels it whitened count.
    virtual void closeDragStep(bool erased) = 0;
};

namespace MouseButton {
constexpr int Left = 1, Right = 2, Middle = 4;
}

class DragDispatcher {
public:
    // currentTool is the window's: the palette and the text box set it.
    DragDispatcher(Document& doc, int& currentTool, DragState& state, const ShapeTools& shapes, DragHost& host)
        : doc_(doc), tool_(currentTool), s_(state), canvas_(doc.canvas), shapes_(shapes), host_(host) {}

    // A drag is one button's press, moves and release, and one step of the
    // undo history with the text its press stamps. The press of another
    // button while it lasts is ignored, and so is that button's release.
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);

    // A drag under way whose button is still down, and that button.
    bool dragging() const { return held_ != 0 && !cancelled_; }
    int dragButton() const { return held_; }
    bool previewShown() const { return dragging() && moved_; }
    // Erases the preview that is up and ends the drag without its figure:
    // the rest of its moves and its release draw nothing.
    void Cancel();
    // TOOL's figure drawn as a press at (x0, y0) and a release at (x1, y1)
    // with no move between would draw it, in the step under way: a line in
    // LOOK, and remembered as a drag's figure is. The text pending stays,
    // and so does the current tool. Not during a drag.
    void drawAt(int tool, float x0, float y0, float x1, float y1, const LineLook& look = {});

    // TOOL's finished figure from (x0, y0) to (x1, y1) in COLOUR, at the
    // canvas's pen width, as a release draws it after no preview; nothing
    // is remembered and the drag under way is left as it is.
    void drawFinished(int tool, float x0, float y0, float x1, float y1, VbColor colour);

    // A locked tool stays: each release chooses it again, as a click on its
    // palette button would, except that text typed meanwhile is kept and is
    // stamped by the next press, whose drag then draws nothing. Only drawing
    // tools lock; Tool::None unlocks.
    void lock(int code);
    // Where the label of TOOL's figure dragged from (x0, y0) to (x1, y1) goes.
    LabelSite labelSite(int tool, float x0, float y0, float x1, float y1) const;
    int lockedTool() const { return locked_; }
    // The tool the next press draws with: the locked one, else the current.
    int nextTool() const { return locked_ != Tool::None ? locked_ : tool_; }

    // Asked at a line's press: the way its elbow leaves a press on the side
    // of a figure, square to that side. Unset, or answering Longer, the
    // first leg follows the longer of the drag's two directions.
    std::function<FirstLeg(float x, float y)> firstLegAt;

private:
    void rearm();
    void begin(float x, float y, const LineLook& look, FirstLeg leg);
    void remember(float x, float y, PixelRecord pixels);
    PixelRecord drawRelease();
    void moveAction();
    void releaseAction();
    void eraserStep(bool drawSquare, int width);
    void erasePreview();
    void endStep();

    Document& doc_;
    int& tool_;
    DragState& s_;
    Canvas& canvas_;
    const ShapeTools& shapes_;
    DragHost& host_;
    int locked_ = Tool::None;  // the tool that stays, or None
    int held_ = 0;            // the button of the drag under way, 0 for none
    bool cancelled_ = false;  // its preview is gone; its button is still down
    bool moved_ = false;      // a left-button move has drawn a preview
    int penWidth_ = 1, eraserWidth_ = 1;  // the widths the preview was drawn with
    LineLook look_;  // the line's look, taken at its press
};
