// Text stamping: typed text floats beside the pointer over the canvas and is
// printed into the picture, top-left corner at the point, at the next press.
#include "app/frmmain.h"

#include <QLineEdit>

void frmmain::txtinsert_Change() {
    form.currentTool = Tool::TextPending;
    Text1->show();
    moveText1(0, 0);  // back to the canvas's top-left corner
    Text1->setText(txtinsert->text());
    form.toolsClean = false;
}

void frmmain::stampText(float x, float y) {
    canvas.CurrentX = x;
    canvas.CurrentY = y;
    canvas.Print(txtinsert->text());
    txtinsert->setText(QString());  // raises txtinsert_Change only when it held text
    Text1->hide();
}

void frmmain::Picture1_Click() { form.canvasClean = false; }
