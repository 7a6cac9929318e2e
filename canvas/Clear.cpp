#include "app/frmmain.h"

// Wipes the picture after a question; no flag changes.
void frmmain::cmdClear_Click() {
    form.msgAnswer = QString::number(
        dialogs.MsgBox(QStringLiteral("Are you sure you want to clear the picture?"), MsgStyle::YesNo,
                       QStringLiteral("Tavimbre")));
    if (form.msgAnswer.toInt() == Answer::Yes) clearPicture();
}

// The picture is wiped even when its larger canvas cannot shrink back.
void frmmain::clearPicture() {
    canvas.Cls();
    if (const QString problem = canvas.PictureNone(); !problem.isEmpty())
        dialogs.Message(QStringLiteral("Tavimbre"),
                        QStringLiteral("The canvas could not return to its own size: %1").arg(problem));
}
