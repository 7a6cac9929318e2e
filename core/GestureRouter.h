// A gesture is one button's press, the moves while it is held and its
// release. The press chooses one owner; that owner alone gets the gesture's
// moves and its release, or its cancel. Whatever else the pointer does in
// the meantime reaches nobody: a second button's press, the moves of a
// cancelled gesture, a release with no press of its own. A new kind of
// gesture (a fill, a colour picker) is one more owner, chosen at the press.
#pragma once

#include <QPoint>
#include <functional>

class DragDispatcher;
class Selection;

class GestureOwner {
public:
    virtual ~GestureOwner() = default;
    virtual void press(int button, int shift, float x, float y) = 0;
    // BUTTONS are all the buttons held, the gesture's among them.
    virtual void move(int buttons, int shift, float x, float y) = 0;
    virtual void release(int button, int shift, float x, float y) = 0;
    // Ends the gesture without its result; tells whether anything was under way.
    virtual bool cancel() = 0;
};

class GestureRouter {
public:
    // The press of BUTTON starts a gesture of OWNER (none: nobody takes its
    // moves and release, and other buttons' presses wait for its release).
    // During a gesture another button's press is ignored; a second press of
    // its own button (the release was lost) ends it first.
    void press(GestureOwner* owner, int button, int shift, float x, float y);
    // False when no gesture under way took the move.
    bool move(int buttons, int shift, float x, float y);
    void release(int button, int shift, float x, float y);
    // Cancels the gesture under way; its remaining moves and release reach nobody.
    bool cancel();
    GestureOwner* owner() const { return cancelled_ ? nullptr : owner_; }

private:
    GestureOwner* owner_ = nullptr;
    int button_ = 0;  // the gesture's button, 0 for none
    bool cancelled_ = false;
};

// The palette's tool draws: the drag dispatcher owns the gesture.
class ToolGesture : public GestureOwner {
public:
    explicit ToolGesture(DragDispatcher& dispatcher) : d_(dispatcher) {}
    void press(int button, int shift, float x, float y) override;
    void move(int buttons, int shift, float x, float y) override;
    void release(int button, int shift, float x, float y) override;
    bool cancel() override;

private:
    DragDispatcher& d_;
};

// Select is on: a left-button gesture marks or moves the selection, in the
// picture pixels that hold the twips.
class SelectionGesture : public GestureOwner {
public:
    explicit SelectionGesture(Selection& selection) : s_(selection) {}
    void press(int button, int shift, float x, float y) override;
    void move(int buttons, int shift, float x, float y) override;
    void release(int button, int shift, float x, float y) override;
    bool cancel() override;

private:
    Selection& s_;
};

// A tool that acts once, at the pressed picture pixel (a fill, a colour
// picker); the rest of its gesture does nothing.
class PressGesture : public GestureOwner {
public:
    explicit PressGesture(std::function<void(QPoint pixel)> act) : act_(std::move(act)) {}
    void press(int button, int shift, float x, float y) override;
    void move(int, int, float, float) override {}
    void release(int, int, float, float) override {}
    bool cancel() override { return false; }

private:
    std::function<void(QPoint)> act_;
};
