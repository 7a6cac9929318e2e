#include "app/frmmain.h"

// Wipes the picture after a question; no flag changes.
void frmmain::cmdClear_Click() {
    form.msgAnswer = QString::number(
        dialogs.MsgBox(QStringLiteral("Are you sure you want to clear the picture?"), MsgStyle::YesNo,
                       QStringLiteral("Tavimbre")));
    if (form.msgAnswer.toInt() == Answer::Yes) clearPicture();
}

void frmmain::clearPicture() {
    canvas.Cls();
    canvas.PictureNone();
}
