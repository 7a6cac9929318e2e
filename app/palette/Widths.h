// The draw-width and eraser-width boxes. The pen width is the list entry the
// draw box has selected: text typed into its edit field leaves the selection,
// and so the width, alone. The eraser width is the text the eraser box shows;
// text there that is not a whole number from its list keeps the last valid
// width, so no text ever yields a width outside the list or stops the program.
#pragma once

#include <QString>

class QComboBox;

class WidthBoxes {
public:
    static constexpr int kMaxDraw = 10;
    static constexpr int kMaxEraser = 20;

    void attach(QComboBox* drawBox, QComboBox* eraserBox);
    // Fills both lists with "1".."10" and "1".."20".
    void fill();
    // The pen width: the list entry at the selected index of the draw box.
    int drawWidth();
    // The eraser width: the text the eraser box shows.
    int eraserWidth();
    void selectDraw(int index);

    // A whole number from 1 to max, or 0 when the text is not one.
    static int parseWidth(const QString& text, int max);

private:
    QComboBox* draw_ = nullptr;
    QComboBox* eraser_ = nullptr;
    int lastDraw_ = 2;
    int lastEraser_ = 5;
};
