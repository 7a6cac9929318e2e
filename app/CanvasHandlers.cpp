// The canvas's handlers, and text stamping: typed text floats beside the
// pointer over the canvas and is printed into the picture, top-left corner
// at the point, at the next press.
#include "app/frmmain.h"

#include <QLineEdit>

void frmmain::Picture1_MouseDown(int Button, int Shift, float X, float Y) { dispatcher_.MouseDown(Button, Shift, X, Y); }

void frmmain::Picture1_MouseMove(int Button, int Shift, float X, float Y) { dispatcher_.MouseMove(Button, Shift, X, Y); }

void frmmain::Picture1_MouseUp(int Button, int Shift, float X, float Y) { dispatcher_.MouseUp(Button, Shift, X, Y); }

void frmmain::Picture1_Click() { doc.canvasClean = false; }

void frmmain::txtinsert_Change() {
    form.currentTool = Tool::TextPending;
    Text1->show();
    moveText1(0, 0);  // back to the canvas's top-left corner
    Text1->setText(txtinsert->text());
    doc.toolsClean = false;
}

void frmmain::stampText(float x, float y) {
    canvas.CurrentX = x;
    canvas.CurrentY = y;
    canvas.Print(txtinsert->text());
    txtinsert->setText(QString());  // raises txtinsert_Change only when it held text
    Text1->hide();
}
