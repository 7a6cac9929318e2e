// A button of the tool palette: flat, in the palette's colour (its palette's
// Button role) inside a thin frame, its picture above its caption. It paints
// itself: the frame darkens under the pointer and turns dotted while the
// button has the focus; the face darkens while the button is held down.
#pragma once

#include <QToolButton>

class PaletteButton : public QToolButton {
public:
    explicit PaletteButton(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
