// The question asked before unsaved changes to the picture are discarded.
#include "files/FileCommands.h"

#include "app/frmmain.h"

int FileCommands::askToSaveChanges(frmmain& w, Asker asker) {
    const QString blanks = asker == Asker::Open ? QStringLiteral(" ") : QStringLiteral("  ");
    const QString text = QStringLiteral("The  ") + w.form.fileTitle + blanks +
                         QStringLiteral("file has changed. Do you want to save the changes?");
    w.form.msgAnswer =
        QString::number(w.dialogs.MsgBox(text, MsgStyle::YesNoCancelQuestion, QStringLiteral("Tavimbre")));
    return w.form.msgAnswer.toInt();
}
