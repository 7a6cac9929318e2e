// The File menu, Exit and the closing of the window.
#include "app/window/frmmain.h"

using FileCommands::Asker;

void frmmain::new1_Click() { FileCommands::newPicture(files_); }

void frmmain::open1_Click() { FileCommands::open(files_); }

void frmmain::save1_Click() { FileCommands::save(files_); }

void frmmain::saveas1_Click() { FileCommands::saveUnderChosenName(files_); }

void frmmain::openFile(const QString& path) {
    cancelDrag();
    doc.selection.end();
    doc.beginStep();
    FileCommands::openNamed(files_, path);
    doc.endStep();
    refreshCanvas();
}

// From the menu, Yes saves and leaves the window open. Inside a close, a
// Cancel, or a Yes whose save does not take place, keeps the window open.
void frmmain::exit1_Click() {
    // Inside a close the close under way goes on; no second one is started.
    auto askToClose = [this] {
        if (!unloading_) close();
    };
    if (!doc.pictureChanged()) {
        askToClose();
        return;
    }
    const int answer = FileCommands::askToSaveChanges(files_, Asker::NewOrExit);
    if (answer == Answer::Yes) {
        if (!FileCommands::save(files_) && unloading_) form.cancelClose = true;
    } else if (answer == Answer::No) {
        form.closeConfirmed = true;
        askToClose();
    } else if (unloading_) {
        form.cancelClose = true;
    }
}

void frmmain::Form_Unload(bool& cancel) {
    cancel = false;
    if (!form.closeConfirmed) {
        unloading_ = true;
        exit1_Click();
        unloading_ = false;
    }
    if (form.cancelClose) {
        cancel = true;
        form.cancelClose = false;
    }
}
