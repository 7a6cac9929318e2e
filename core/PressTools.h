// The tools that act at one press on the canvas, beside the selection: Fill,
// which fills at every press until it is left, and Pick Colour, which ends
// at its press; and the fill's tolerance. Choosing the tool in use again
// leaves it, as a checked menu item or toolbar button does.
#pragma once

#include <QString>

class PressTools {
public:
    enum Tool { None, Fill, PickColor };
    static constexpr int kMaxTolerance = 255;

    Tool current() const { return current_; }
    // TOOL chosen; the one in use chosen again is left.
    void choose(Tool tool) { current_ = current_ == tool ? None : tool; }
    void leave() { current_ = None; }
    // The colour a fill takes as the pressed one's, per channel (0 to 255).
    int tolerance() const { return tolerance_; }
    void setTolerance(int value);
    // What the dump says: fill, pickcolor or nothing.
    QString key() const;
    // What the status bar names: "Fill", "Pick Colour" or nothing.
    QString name() const;

private:
    Tool current_ = None;
    int tolerance_ = 0;
};
