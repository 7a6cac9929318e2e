// Pieces the picture-file commands of the main window share.
#pragma once

#include <QString>

class frmmain;
struct CommonDialog;

namespace FileCommands {

// New and Exit ask with two blanks before "file", Open with one.
enum class Asker { NewOrExit, Open };

// The change question; the answer is kept in msgAnswer and returned.
int askToSaveChanges(frmmain& w, Asker asker);

// The Save command. True when the picture was written.
bool save(frmmain& w);

// Save under a name chosen in the dialog, asking before a file is
// replaced. True when the picture was written.
bool saveUnderChosenName(frmmain& w);

// The file dialog's settings, made before each command shows it.
void prepareFileDialog(CommonDialog& d);

}  // namespace FileCommands
