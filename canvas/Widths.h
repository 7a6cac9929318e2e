// The draw-width and eraser-width boxes. Each keeps the last valid width, so
// that text which is not a whole number from the box's list never yields a
// width outside the list and never stops the program.
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
    // The selected index of the draw box: -1 while typed text matches no entry.
    int drawIndex() const { return drawIndex_; }
    void selectDraw(int index);

    // A whole number from 1 to max, or 0 when the text is not one.
    static int parseWidth(const QString& text, int max);

private:
    QComboBox* draw_ = nullptr;
    QComboBox* eraser_ = nullptr;
    int drawIndex_ = -1;
    int lastDraw_ = 2;
    int lastEraser_ = 5;
};
