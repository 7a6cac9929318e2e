// The change question and New.
#include "files/FileCommands.h"

#include <QCoreApplication>

namespace {

// The path of a picture New made; its title is "Untitled" in the user's language.
const QString kUntitled = QStringLiteral("Untitled");

void clearPicture(FileContext& c) {
    if (const QString problem = c.doc.clearToDefaultSize(); !problem.isEmpty())
        c.dialogs.Message(QStringLiteral("Tavimbre"), problem);
}

}  // namespace

int FileCommands::askToSaveChanges(FileContext& c, Asker asker) {
    // Open's question has one blank after the name, New's and Exit's two.
    const char* const question =
        asker == Asker::Open ? QT_TRANSLATE_NOOP("FileCommands", "The  %1 file has changed. Do you want to save the changes?")
                             : QT_TRANSLATE_NOOP("FileCommands", "The  %1  file has changed. Do you want to save the changes?");
    const QString text = QCoreApplication::translate("FileCommands", question).arg(c.doc.identity().title);
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
    const QString untitled = untitledTitle();
    c.doc.setIdentity({kUntitled, untitled, true, untitled});
}
