#include "Dispatcher.h"

#include <cmath>

namespace {

constexpr VbColor kEraserBlue = 0x00FF0000;

}  // namespace

bool DragDispatcher::releaseRestricted(int code) {
    return (code >= 14 && code <= 19) || code == 21 || code == 22 || (code >= 24 && code <= 26) ||
           (code >= 28 && code <= 32);
}

void DragDispatcher::MouseDown(int button, int /*shift*/, float x, float y) {
    if (dragging()) return;
    held_ = 0;
    form_.canvasClean = false;
    s_.startX = x;
    s_.startY = y;
    if (form_.currentTool == Tool::Line) {
        // The line's rubber band starts as a line of length zero.
        s_.prevX = x;
        s_.prevY = y;
    } else {
        s_.prevX = -1;
        s_.prevY = -1;
    }
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

bool DragDispatcher::MouseUp(int button, int /*shift*/, float x, float y) {
    if (held_ != 0 && button != held_) return false;
    const bool cancelled = cancelled_;
    held_ = 0;
    cancelled_ = false;
    if (cancelled) return false;
    s_.curX = x;
    s_.curY = y;
    canvas_.FillStyle = 1;
    releaseAction();
    form_.currentTool = Tool::Finished;
    return true;
}

void DragDispatcher::Cancel() {
    if (!dragging()) return;
    cancelled_ = true;
    if (moved_) erasePreview();
    s_.prevX = -1;
    s_.prevY = -1;
}

// Takes the last preview off the canvas, at the widths it was drawn with,
// as the next move would have.
void DragDispatcher::erasePreview() {
    const float x0 = s_.startX, y0 = s_.startY, px = s_.prevX, py = s_.prevY;
    canvas_.FillStyle = 1;
    canvas_.DrawWidth = penWidth_;
    canvas_.DrawMode = Canvas::kInvert;
    switch (form_.currentTool) {
    case Tool::Line:
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
        if (ShapeModule* shape = shapes_.forTool(form_.currentTool)) shape->ErasePreview(canvas_, s_);
    }
}

void DragDispatcher::moveAction() {
    const float x0 = s_.startX, y0 = s_.startY;
    const float px = s_.prevX, py = s_.prevY, cx = s_.curX, cy = s_.curY;
    switch (form_.currentTool) {
    case Tool::Line:
        canvas_.DrawMode = Canvas::kInvert;
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
        if (ShapeModule* shape = shapes_.forTool(form_.currentTool)) {
            canvas_.DrawMode = Canvas::kInvert;
            shape->Preview(canvas_, s_);
        }
    }
}

void DragDispatcher::releaseAction() {
    const float x0 = s_.startX, y0 = s_.startY;
    const float px = s_.prevX, py = s_.prevY, cx = s_.curX, cy = s_.curY;
    const int code = form_.currentTool;
    switch (code) {
    case Tool::Line:
        // The last rubber band is not erased: the finished line covers it.
        canvas_.DrawMode = Canvas::kCopyPen;
        canvas_.Line(x0, y0, cx, cy, s_.drawColor);
        return;
    case Tool::Circle:
        if (s_.previewed()) {
            canvas_.DrawMode = Canvas::kInvert;
            canvas_.Box(x0 - 50, y0 - 50, px + 50, py + 50);  // the frame only
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
        ShapeModule* shape = shapes_.forTool(code);
        if (!shape) return;
        if (releaseRestricted(code) && !(x0 <= cx && y0 <= cy)) {
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
