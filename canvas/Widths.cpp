#include "Widths.h"

#include <QComboBox>
#include <QLineEdit>

void WidthBoxes::attach(QComboBox* drawBox, QComboBox* eraserBox) {
    draw_ = drawBox;
    eraser_ = eraserBox;
    // Typing picks the entry it spells exactly, and leaves none picked otherwise.
    QObject::connect(draw_, &QComboBox::editTextChanged, draw_,
                     [this](const QString& text) { drawIndex_ = draw_->findText(text, Qt::MatchExactly); });
    QObject::connect(draw_, &QComboBox::currentIndexChanged, draw_, [this](int index) { drawIndex_ = index; });
}

void WidthBoxes::fill() {
    for (int n = 1; n <= kMaxDraw; ++n) draw_->addItem(QString::number(n));
    for (int n = 1; n <= kMaxEraser; ++n) eraser_->addItem(QString::number(n));
}

void WidthBoxes::selectDraw(int index) {
    draw_->setCurrentIndex(index);
    drawIndex_ = index;
}

int WidthBoxes::parseWidth(const QString& text, int max) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n >= 1 && n <= max ? n : 0;
}

int WidthBoxes::drawWidth() {
    if (drawIndex_ >= 0 && drawIndex_ < draw_->count())
        if (int n = parseWidth(draw_->itemText(drawIndex_), kMaxDraw)) lastDraw_ = n;
    return lastDraw_;
}

int WidthBoxes::eraserWidth() {
    if (int n = parseWidth(eraser_->currentText(), kMaxEraser)) lastEraser_ = n;
    return lastEraser_;
}
