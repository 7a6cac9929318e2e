// The change question and New.
#include "files/FileCommands.h"

namespace {

const QString kUntitled = QStringLiteral("Untitled");

void clearPicture(FileContext& c) {
    if (const QString problem = c.doc.clearToDefaultSize(); !problem.isEmpty())
        c.dialogs.Message(QStringLiteral("Tavimbre"), problem);
}

}  // namespace

int FileCommands::askToSaveChanges(FileContext& c, Asker asker) {
    const QString blanks = asker == Asker::Open ? QStringLiteral(" ") : QStringLiteral("  ");
    const QString text = QStringLiteral("The  ") + c.doc.identity().title + blanks +
                         QStringLiteral("file has changed. Do you want to save the changes?");
    c.msgAnswer = QString::number(c.dialogs.MsgBox(text, MsgStyle::YesNoCancelQuestion, QStringLiteral("Tavimbre")));
    return c.msgAnswer.toInt();
}

// A New answered Yes whose save does not take place keeps the picture.
void FileCommands::newPicture(FileContext& c) {
    if (c.doc.pictureChanged()) {
        const int answer = askToSaveChanges(c, Asker::NewOrExit);
        if (answer == Answer::Yes) {
            if (!save(c)) return;
        } else if (answer != Answer::No) {
            return;
        }
        clearPicture(c);
        c.doc.canvasClean = true;
    } else {
        clearPicture(c);
    }
    c.doc.setIdentity({kUntitled, kUntitled, true, kUntitled});
}
