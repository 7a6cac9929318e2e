// The busy cursor over the whole application while work on a large picture
// runs on the window's thread. That work holds the thread, so no second
// command can start before it ends: the input waits in the queue.
#pragma once

#include "files/Dialogs.h"

#include <QApplication>

class BusyCursor {
public:
    explicit BusyCursor(QSize picture) : shown_(takesAWhile(picture)) {
        if (shown_) QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor() {
        if (shown_) QApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool shown_;
};
