// New, Exit and the closing of the window.
#include "files/FileCommands.h"

#include "app/frmmain.h"

using FileCommands::Asker;

// A New answered Yes whose save does not take place keeps the picture.
void frmmain::new1_Click() {
    if (form.pictureChanged()) {
        const int answer = FileCommands::askToSaveChanges(*this, Asker::NewOrExit);
        if (answer == Answer::Yes) {
            if (!FileCommands::save(*this)) return;
        } else if (answer != Answer::No) {
            return;
        }
        clearPicture();
        form.canvasClean = true;
    } else {
        clearPicture();
    }
    form.isUntitled = true;
    form.filePath = QStringLiteral("Untitled");
    form.fileTitle = QStringLiteral("Untitled");
    setCaption(form.filePath);
}

// From the menu, Yes saves and leaves the window open. Inside a close, a
// Cancel, or a Yes whose save does not take place, keeps the window open.
void frmmain::exit1_Click() {
    // Inside a close the close under way goes on; no second one is started.
    auto askToClose = [this] {
        if (!unloading_) close();
    };
    if (!form.pictureChanged()) {
        askToClose();
        return;
    }
    const int answer = FileCommands::askToSaveChanges(*this, Asker::NewOrExit);
    if (answer == Answer::Yes) {
        if (!FileCommands::save(*this) && unloading_) form.cancelClose = true;
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
