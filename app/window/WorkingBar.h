// Shows that long work on the window's thread goes on. Once the work has run
// for half a second, a bar at the right of the status bar shows how far it
// has got, or, when that is not known, moves to show that it goes on. It is
// painted at once whenever the work reports, since the window's thread is
// busy and paints nothing else meanwhile; the window takes no input before
// the work ends, so no second command can start.
#pragma once

#include "core/Progress.h"

#include <QElapsedTimer>

class QMainWindow;
class QProgressBar;

class WorkingBar {
public:
    static constexpr int kShowAfterMs = 500;

    explicit WorkingBar(QMainWindow* window);
    ~WorkingBar();
    WorkingBar(const WorkingBar&) = delete;
    WorkingBar& operator=(const WorkingBar&) = delete;

private:
    void hear(double done);

    QMainWindow* window_;
    QElapsedTimer clock_;
    qint64 paintedAt_ = 0;
    QProgressBar* bar_ = nullptr;  // made the first time it is shown
    progress::Listener listener_;
};
