// The tools that act at one press on the canvas, beside the selection: Fill,
// which fills at every press until it is left, Pick Colour, which ends at
// its press, and Arrange Figures, whose press picks a figure and whose drag
// moves it; and the fill's tolerance. Choosing the tool in use again leaves
// it, as a checked menu item or toolbar button does.
#pragma once

#include <QString>
#include <utility>

class PressTools {
public:
    enum Tool { None, Fill, PickColor, Arrange };
    static constexpr int kMaxTolerance = 255;

    Tool current() const { return current_; }
    // TOOL chosen; the one in use chosen again is left.
    void choose(Tool tool) { current_ = current_ == tool ? None : tool; }
    void leave() { left_ = std::exchange(current_, None); }
    // The tool the last leave() ended, None when none was in use then.
    Tool left() const { return left_; }
    // The colour a fill takes as the pressed one's, per channel (0 to 255).
    int tolerance() const { return tolerance_; }
    void setTolerance(int value);
    // What the dump says: fill, pickcolor, arrange or nothing.
    QString key() const;
    // What the status bar names: "Fill", "Pick Colour", "Arrange Figures" or nothing.
    QString name() const;

private:
    Tool current_ = None;
    Tool left_ = None;
    int tolerance_ = 0;
};
