#include "WorkingBar.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QProgressBar>
#include <QStatusBar>

namespace {

constexpr int kPaintEveryMs = 50;
constexpr int kWidth = 200;

}  // namespace

WorkingBar::WorkingBar(QMainWindow* window)
    : window_(window), listener_([this](double done) { hear(done); }) {
    clock_.start();
}

WorkingBar::~WorkingBar() { delete bar_; }

void WorkingBar::hear(double done) {
    const qint64 now = clock_.elapsed();
    if (!window_ || !window_->isVisible() || now < kShowAfterMs || now - paintedAt_ < kPaintEveryMs) return;
    paintedAt_ = now;
    QStatusBar* status = window_->statusBar();
    if (!bar_) {
        // Placed by hand: the status bar's layout is not run while the work holds the thread.
        bar_ = new QProgressBar(status);
        bar_->setRange(0, 100);
        const int height = std::min(status->height() - 4, bar_->sizeHint().height());
        bar_->setGeometry(status->width() - kWidth - 24, (status->height() - height) / 2, kWidth, height);
        bar_->show();
        bar_->raise();
        // What a dialog just closed left on the screen is painted over: the
        // window's own exposure is taken and painted, nothing else (no input,
        // no timer) runs.
        for (int round = 0; round < 2; ++round)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers);
    }
    if (done >= 0) {
        bar_->setTextVisible(true);
        bar_->setValue(int(done * 100));
    } else {
        bar_->setTextVisible(false);
        bar_->setValue(int(now / 20 % 101));  // fills again and again while the work goes on
    }
    bar_->repaint();
}
