// The picture-file commands: New, Open, Save, Save As and the question asked
// before unsaved changes are lost. They work on a Document through the
// dialogs, with the file dialog's own state and the last answer given.
#pragma once

#include "core/Document.h"
#include "files/Dialogs.h"

#include <QString>
#include <functional>

struct FileContext {
    Document& doc;
    Dialogs& dialogs;
    CommonDialog& fileDialog;
    QString& msgAnswer;  // answer code of the last question box
    // Tells the status bar what the user should know but need not answer.
    std::function<void(const QString&)> note = [](const QString&) {};
};

namespace FileCommands {

// New and Exit ask with two blanks before "file", Open with one.
enum class Asker { NewOrExit, Open };

// The change question; the answer is kept in msgAnswer and returned.
int askToSaveChanges(FileContext& c, Asker asker);

// The Save command. True when the picture was written.
bool save(FileContext& c);

// Whether a file chosen to be written may be written: true when there is
// none of that name, otherwise the answer to the replace question.
bool mayReplace(FileContext& c, const QString& path);

// Save under a name chosen in the dialog, asking before a file is
// replaced. True when the picture was written.
bool saveUnderChosenName(FileContext& c);

// New: after the change question, wipes the picture, returns the canvas to
// its default size and names the picture Untitled.
void newPicture(FileContext& c);

// Open: the change question, the dialog, then the picture it names.
void open(FileContext& c);

// A picture named on the command line or dropped on the window, opened as
// Open would after its dialog. The file is found by the bytes of its name,
// which need not be UTF-8.
void openNamed(FileContext& c, const LocalPath& path);

// The file dialog's settings, made before each command shows it.
void prepareFileDialog(CommonDialog& d);

}  // namespace FileCommands
