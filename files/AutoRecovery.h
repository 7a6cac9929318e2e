// Keeps this instance's recovery copy in step with the picture: written while
// the picture has unsaved changes (on a timer every 30 seconds, or at once
// when asked), removed once the picture counts as unchanged or the user lets
// the changes go. At start it offers the newest copy an ended instance left.
#pragma once

#include "core/Document.h"
#include "files/Dialogs.h"
#include "files/Recovery.h"

#include <QTimer>

class AutoRecovery {
public:
    static constexpr int kIntervalMs = 30'000;

    AutoRecovery(Document& doc, Dialogs& dialogs);

    // The window's timer; script runs write only when told to.
    void startTimer() { timer_.start(kIntervalMs); }
    // Writes the copy now when the picture has changes not yet in it. A
    // copy that cannot be written is told once; drawing goes on.
    void writeNow();
    // After each command: a picture that counts as unchanged needs no copy.
    void settle();
    // The user let the changes go (the window closes): the copy goes too.
    void discard();
    // Asks about the newest copy no running instance holds: Yes opens it as
    // a changed picture under its old name, No deletes it, Cancel keeps it
    // for the next start.
    void offer();
    bool hasCopy() const { return hasCopy_; }

private:
    Document& doc_;
    Dialogs& dialogs_;
    RecoveryStore store_;
    QTimer timer_;
    qint64 written_ = 0;  // the picture's cache key when the copy was written
    bool hasCopy_ = false;
    bool failureTold_ = false;
};
