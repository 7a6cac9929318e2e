// A button of the tool palette: flat, in the palette's colour (its palette's
// Button role) inside a thin frame, its picture above its caption. It paints
// itself: the frame darkens under the pointer and turns dotted while the
// button has the focus; the face darkens while the button is held down, and
// while its tool is the current one.
#pragma once

#include <QToolButton>
#include <functional>

class PaletteButton : public QToolButton {
public:
    explicit PaletteButton(QWidget* parent);

    // The second press of a double-click: it comes after the click of the
    // first and gives no click of its own.
    std::function<void()> onDoubleClick;
    void setCurrent(bool current);
    bool isCurrent() const { return current_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool current_ = false;
};
