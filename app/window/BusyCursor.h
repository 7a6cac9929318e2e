// Cursors over the whole application: the busy one while work on a large
// picture runs on the window's thread (that work holds the thread, so no
// second command can start before it ends: the input waits in the queue),
// and the normal one over it while a dialog waits for the user.
#pragma once

#include "files/Dialogs.h"

#include <QApplication>

// SHAPE over the whole application while this lives, when SHOWN.
class CursorWhile {
public:
    CursorWhile(bool shown, Qt::CursorShape shape) : shown_(shown) {
        if (shown_) QApplication::setOverrideCursor(shape);
    }
    ~CursorWhile() {
        if (shown_) QApplication::restoreOverrideCursor();
    }
    CursorWhile(const CursorWhile&) = delete;
    CursorWhile& operator=(const CursorWhile&) = delete;

private:
    bool shown_;
};

// The busy cursor, for work on a picture of that size that takes a while.
class BusyCursor : public CursorWhile {
public:
    explicit BusyCursor(QSize picture) : CursorWhile(takesAWhile(picture), Qt::WaitCursor) {}
};

// A dialog waits for the user: over the busy cursor of the command that
// opened it, the normal one shows until it closes.
class UsersTurn : public CursorWhile {
public:
    UsersTurn() : CursorWhile(QApplication::overrideCursor() != nullptr, Qt::ArrowCursor) {}
};
