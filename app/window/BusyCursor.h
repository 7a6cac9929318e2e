// The busy cursor over the whole application while work on a large picture
// runs on the window's thread. That work holds the thread, so no second
// command can start before it ends: the input waits in the queue.
#pragma once

#include <QApplication>
#include <QSize>

class BusyCursor {
public:
    // Pictures from about four megapixels take long enough to be noticed.
    static bool isLarge(QSize picture) { return qint64(picture.width()) * picture.height() >= 4'000'000; }

    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
