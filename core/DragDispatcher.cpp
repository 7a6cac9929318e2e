#include "DragDispatcher.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr VbColor kEraserBlue = 0x00FF0000;

// Points that are not numbers compare equal to each other here.
bool samePoint(float ax, float ay, float bx, float by) {
    auto same = [](float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); };
    return same(ax, bx) && same(ay, by);
}

}  // namespace

void DragDispatcher::MouseDown(int button, int /*shift*/, float x, float y) {
    if (dragging()) {
        if (button != held_) return;  // another button during a drag
        Cancel();                     // the release of the last press never came
    }
    held_ = 0;
    if (locked_ != Tool::None && tool_ != locked_) rearm();  // typing, or a label stamped by Return, left 33
    doc_.beginStep();
    begin(x, y, s_.lineLook, tool_ == Tool::Line && firstLegAt ? firstLegAt(x, y) : FirstLeg::Longer);
    host_.stampText(x, y);
    held_ = button;
    cancelled_ = false;
    moved_ = false;
}

void DragDispatcher::MouseMove(int button, int /*shift*/, float x, float y) {
    canvas_.FillStyle = 1;
    if (button == MouseButton::Left && !cancelled_) {
        s_.curX = x;
        s_.curY = y;
        canvas_.DrawMode = Canvas::kCopyPen;
        canvas_.DrawWidth = penWidth_ = host_.penWidth();
        moveAction();
        moved_ = true;
        s_.prevX = x;
        s_.prevY = y;
    }
    host_.followPointer(x, y);
}

void DragDispatcher::MouseUp(int button, int /*shift*/, float x, float y) {
    if (held_ != 0 && button != held_) return;
    const bool cancelled = cancelled_;
    held_ = 0;
    cancelled_ = false;
    if (cancelled) return;
    s_.curX = x;
    s_.curY = y;
    canvas_.FillStyle = 1;
    remember(x, y, drawRelease());
    endStep();
    if (locked_ != Tool::None)
        rearm();
    else
        tool_ = Tool::Finished;
}

// What a press sets up: the drag's start, a line's look and the way its
// elbow leaves the press, and a plain line's rubber band, which starts as a
// line of length zero.
void DragDispatcher::begin(float x, float y, const LineLook& look, FirstLeg leg) {
    doc_.canvasClean = false;
    s_.startX = x;
    s_.startY = y;
    if (tool_ == Tool::Line) {
        look_ = look;
        s_.firstLeg = leg;
    }
    const bool band = tool_ == Tool::Line && look_.plain();
    s_.prevX = band ? x : -1;
    s_.prevY = band ? y : -1;
}

// A figure, line or arrow drawn from the start to (x, y) is remembered; the
// eraser's drag and a drag that drew nothing are not. A line keeps its elbow.
void DragDispatcher::remember(float x, float y, PixelRecord pixels) {
    if (tool_ == Tool::Eraser || !Tool::traits(tool_) || Tool::drawsNothing(tool_, s_.startX, s_.startY, x, y)) return;
    const QPointF press(s_.startX, s_.startY), release(x, y);
    Bend bend = Bend::None;
    if (tool_ == Tool::Line && look_.route == LineRoute::Elbow)
        bend = acrossFirst(press, release, s_.firstLeg) ? Bend::AcrossFirst : Bend::DownFirst;
    doc_.drawn(tool_, press, release, canvas_.DrawWidth, bend, std::move(pixels), look_, s_.firstLeg, s_.drawColor);
}

void DragDispatcher::drawAt(int tool, float x0, float y0, float x1, float y1, const LineLook& look) {
    if (dragging()) return;
    const int current = std::exchange(tool_, tool);
    begin(x0, y0, look, FirstLeg::Longer);
    moved_ = false;
    s_.curX = x1, s_.curY = y1;
    canvas_.FillStyle = 1;
    canvas_.DrawWidth = host_.penWidth();
    remember(x1, y1, drawRelease());
    tool_ = current;
}

void DragDispatcher::lock(int code) { locked_ = Tool::traits(code) ? code : int(Tool::None); }

// What a click on the locked tool's button does, but the pending text stays.
void DragDispatcher::rearm() {
    tool_ = locked_;
    if (locked_ != Tool::Eraser) doc_.toolsClean = false;
}

void DragDispatcher::Cancel() {
    if (!dragging()) return;
    cancelled_ = true;
    if (moved_) erasePreview();
    s_.prevX = -1;
    s_.prevY = -1;
    endStep();
}

void DragDispatcher::endStep() { host_.closeDragStep(tool_ == Tool::Eraser); }

// Takes the last preview off the canvas, at the widths it was drawn with,
// as the next move would have.
void DragDispatcher::erasePreview() {
    const float x0 = s_.startX, y0 = s_.startY, px = s_.prevX, py = s_.prevY;
    canvas_.FillStyle = 1;
    canvas_.DrawWidth = penWidth_;
    canvas_.DrawMode = Canvas::kInvert;
    switch (tool_) {
    case Tool::Line:
        if (!look_.plain()) {
            canvas_.Connector(x0, y0, px, py, look_, s_.firstLeg);
            return;
        }
        // The band's first move inverted the dot at the start under it.
        canvas_.Line(x0, y0, px, py);
        canvas_.Line(x0, y0, x0, y0);
        return;
    case Tool::Circle:
        canvas_.Box(x0 - 50, y0 - 50, px + 50, py + 50);
        canvas_.Circle((x0 + px) / 2, (y0 + py) / 2, std::fabs((py - y0) / 2 - 2));
        return;
    case Tool::Process:
        canvas_.Box(x0, y0, px, py);
        return;
    case Tool::Eraser:
        eraserStep(false, eraserWidth_);  // whatever it erased stays erased
        return;
    default:
        if (ShapeTool* shape = shapes_.forTool(tool_)) shape->ErasePreview(canvas_, s_);
    }
}

void DragDispatcher::moveAction() {
    const float x0 = s_.startX, y0 = s_.startY;
    const float px = s_.prevX, py = s_.prevY, cx = s_.curX, cy = s_.curY;
    switch (tool_) {
    case Tool::Line:
        canvas_.DrawMode = Canvas::kInvert;
        if (!look_.plain()) {
            // One figure each, so that a head over the shaft or the elbow's
            // corner is inverted once. A band is up after the first move,
            // wherever it ended.
            if (moved_) canvas_.Connector(x0, y0, px, py, look_, s_.firstLeg);
            canvas_.Connector(x0, y0, cx, cy, look_, s_.firstLeg);
            return;
        }
        canvas_.Line(x0, y0, px, py);
        canvas_.Line(x0, y0, cx, cy);
        return;
    case Tool::Circle:
        canvas_.DrawMode = Canvas::kInvert;
        if (s_.previewed()) {
            canvas_.Box(x0 - 50, y0 - 50, px + 50, py + 50);
            canvas_.Circle((x0 + px) / 2, (y0 + py) / 2, std::fabs((py - y0) / 2 - 2));
        }
        canvas_.Box(x0 - 50, y0 - 50, cx + 50, cy + 50);
        canvas_.Circle((x0 + cx) / 2, (y0 + cy) / 2, std::fabs((cy - y0) / 2 - 2));
        return;
    case Tool::Process:
        canvas_.DrawMode = Canvas::kInvert;
        if (s_.previewed()) canvas_.Box(x0, y0, px, py);
        canvas_.Box(x0, y0, cx, cy);
        return;
    case Tool::Eraser:
        eraserStep(true, eraserWidth_ = host_.eraserWidth());
        return;
    default:
        if (ShapeTool* shape = shapes_.forTool(tool_)) {
            canvas_.DrawMode = Canvas::kInvert;
            shape->Preview(canvas_, s_);
        }
    }
}

// The release's figure, with the pixels it painted.
PixelRecord DragDispatcher::drawRelease() {
    Recording recording(canvas_);
    releaseAction();
    return recording.take();
}

void DragDispatcher::releaseAction() {
    const float x0 = s_.startX, y0 = s_.startY;
    const float px = s_.prevX, py = s_.prevY, cx = s_.curX, cy = s_.curY;
    const int code = tool_;
    switch (code) {
    case Tool::Line:
        // A release where the last move drew the plain band needs no erase:
        // the finished line covers it. A release elsewhere (after moves made
        // with a second button down, which draw nothing) erases it first. A
        // connector's preview is always erased.
        if (look_.plain() ? moved_ && !samePoint(px, py, cx, cy) : moved_) erasePreview();
        drawConnector(canvas_, x0, y0, cx, cy, look_, s_.firstLeg, s_.drawColor);
        return;
    case Tool::Circle:
        if (moved_ && !samePoint(px, py, cx, cy)) {
            erasePreview();
        } else if (s_.previewed()) {
            canvas_.DrawMode = Canvas::kInvert;
            canvas_.Box(x0 - 50, y0 - 50, px + 50, py + 50);  // the frame only; the circle covers its band
        }
        canvas_.DrawMode = Canvas::kCopyPen;
        canvas_.Circle((x0 + cx) / 2, (y0 + cy) / 2, std::fabs((cy - y0) / 2 - 2), s_.drawColor);
        return;
    case Tool::Process:
        if (s_.previewed()) {
            canvas_.DrawMode = Canvas::kInvert;
            canvas_.Box(x0, y0, px, py);
        }
        canvas_.DrawMode = Canvas::kCopyPen;
        canvas_.Box(x0, y0, cx, cy, s_.drawColor);
        return;
    case Tool::Eraser:
        eraserStep(false, host_.eraserWidth());
        return;
    default:
        ShapeTool* shape = shapes_.forTool(code);
        if (!shape) return;
        if (Tool::drawsNothing(code, x0, y0, cx, cy)) {
            // No figure; but a preview from an earlier move may still be up
            // when the release lands elsewhere, and must not stay behind.
            if (s_.previewed()) {
                canvas_.DrawMode = Canvas::kInvert;
                shape->ErasePreview(canvas_, s_);
            }
            return;
        }
        canvas_.DrawMode = Canvas::kInvert;
        shape->ErasePreview(canvas_, s_);
        canvas_.DrawMode = Canvas::kCopyPen;
        shape->DrawShape(canvas_, s_, true);
    }
}

void DragDispatcher::drawFinished(int tool, float x0, float y0, float x1, float y1, VbColor colour) {
    canvas_.DrawMode = Canvas::kCopyPen;
    canvas_.FillStyle = 1;
    switch (tool) {
    case Tool::Process:
        canvas_.Box(x0, y0, x1, y1, colour);
        return;
    case Tool::Circle:
        canvas_.Circle((x0 + x1) / 2, (y0 + y1) / 2, std::fabs((y1 - y0) / 2 - 2), colour);
        return;
    default:
        if (ShapeTool* shape = shapes_.forTool(tool)) {
            DragState drawn = s_;
            drawn.startX = x0, drawn.startY = y0, drawn.curX = x1, drawn.curY = y1;
            drawn.prevX = drawn.prevY = -1;
            drawn.drawColor = colour;
            shape->DrawShape(canvas_, drawn, true);
        }
    }
}

// Where the label of the current tool's figure goes: the line is a
// connector, the circle holds it in the square inside it, the process box
// in itself.
LabelSite DragDispatcher::labelSite(int tool, float x0, float y0, float x1, float y1) const {
    switch (tool) {
    case Tool::Line:
        return LabelSite::beside(x0, y0, x1, y1, 0);
    case Tool::Circle: {
        const double cx = (double(x0) + x1) / 2, cy = (double(y0) + y1) / 2;
        const double half = std::fabs((y1 - y0) / 2 - 2) * std::sqrt(0.5);
        return LabelSite::inside(cx - half, cy - half, cx + half, cy + half);
    }
    default:
        if (const ShapeTool* shape = shapes_.forTool(tool)) return shape->labelSite(x0, y0, x1, y1);
        return LabelSite::inside(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1));
    }
}

// Whitens the square's outline at the previous pointer position and, on a
// move, draws the blue square at the new one. The pen width ends at 1.
void DragDispatcher::eraserStep(bool drawSquare, int width) {
    canvas_.DrawWidth = width;
    s_.eraserSize = float(double(width) * 10);
    const float e = s_.eraserSize;
    if (s_.previewed()) {
        canvas_.DrawMode = Canvas::kWhiteness;
        canvas_.Box(s_.prevX - e, s_.prevY - e, s_.prevX + e, s_.prevY + e);
    }
    if (drawSquare) {
        canvas_.DrawMode = Canvas::kCopyPen;
        canvas_.Box(s_.curX - e, s_.curY - e, s_.curX + e, s_.curY + e, kEraserBlue);
    }
    canvas_.DrawWidth = 1;
}
