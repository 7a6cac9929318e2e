#include "Widths.h"

#include <QComboBox>

void WidthBoxes::attach(QComboBox* drawBox, QComboBox* eraserBox) {
    draw_ = drawBox;
    eraser_ = eraserBox;
}

void WidthBoxes::fill() {
    for (int n = 1; n <= kMaxDraw; ++n) draw_->addItem(QString::number(n));
    for (int n = 1; n <= kMaxEraser; ++n) eraser_->addItem(QString::number(n));
}

void WidthBoxes::selectDraw(int index) { draw_->setCurrentIndex(index); }

int WidthBoxes::parseWidth(const QString& text, int max) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n >= 1 && n <= max ? n : 0;
}

int WidthBoxes::drawWidth() {
    const int index = draw_->currentIndex();
    if (index >= 0)
        if (int n = parseWidth(draw_->itemText(index), kMaxDraw)) lastDraw_ = n;
    return lastDraw_;
}

int WidthBoxes::eraserWidth() {
    if (int n = parseWidth(eraser_->currentText(), kMaxEraser)) lastEraser_ = n;
    return lastEraser_;
}
