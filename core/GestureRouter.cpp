#include "GestureRouter.h"

#include "core/DragDispatcher.h"
#include "core/Selection.h"

void GestureRouter::press(GestureOwner* owner, int button, int shift, float x, float y) {
    if (button_ != 0 && !cancelled_) {
        if (button != button_) return;
        if (owner_) owner_->cancel();
    }
    owner_ = nullptr;
    button_ = 0;
    cancelled_ = false;
    // A cancel the press itself raises (stamping the pending text empties
    // the text box) finds no gesture yet. A press nobody takes is still a
    // gesture: another button's press during it is ignored.
    if (owner) owner->press(button, shift, x, y);
    owner_ = owner;
    button_ = button;
}

bool GestureRouter::move(int buttons, int shift, float x, float y) {
    if (button_ == 0 || cancelled_ || !owner_) return false;
    owner_->move(buttons, shift, x, y);
    return true;
}

void GestureRouter::release(int button, int shift, float x, float y) {
    if (button_ == 0 || button != button_) return;
    GestureOwner* owner = owner_;
    const bool cancelled = cancelled_;
    owner_ = nullptr;
    button_ = 0;
    cancelled_ = false;
    if (!cancelled && owner) owner->release(button, shift, x, y);
}

bool GestureRouter::cancel() {
    if (button_ == 0 || cancelled_) return false;
    cancelled_ = true;
    return owner_ && owner_->cancel();
}

void ToolGesture::press(int button, int shift, float x, float y) { d_.MouseDown(button, shift, x, y); }
void ToolGesture::move(int buttons, int shift, float x, float y) { d_.MouseMove(buttons, shift, x, y); }
void ToolGesture::release(int button, int shift, float x, float y) { d_.MouseUp(button, shift, x, y); }

bool ToolGesture::cancel() {
    if (!d_.dragging()) return false;
    d_.Cancel();
    return true;
}

namespace {

QPoint pixelsAt(float x, float y) { return QPoint(Canvas::toPixels(x), Canvas::toPixels(y)); }

}  // namespace

void SelectionGesture::press(int, int, float x, float y) { s_.press(pixelsAt(x, y)); }

void SelectionGesture::move(int buttons, int, float x, float y) {
    if (buttons & MouseButton::Left) s_.drag(pixelsAt(x, y));
}

void SelectionGesture::release(int, int, float x, float y) { s_.release(pixelsAt(x, y)); }
bool SelectionGesture::cancel() { return s_.cancelDrag(); }

void PressGesture::press(int, int, float x, float y) { act_(pixelsAt(x, y)); }
