#include "WorkingBar.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QProgressBar>
#include <QStatusBar>

namespace {

constexpr int kPaintEveryMs = 50;
constexpr int kWidth = 200;

// While the window paints what it must, nothing that could start a command
// gets through: a close asked for by the window manager or a drop is turned
// down (the user can ask again once the work is done).
class TurnDownCommands : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
        case QEvent::Close:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
            e->ignore();
            return true;
        default: return false;
        }
    }
};

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
        // window's exposure is taken and painted; no input, no timer and
        // nothing that starts a command is let through meanwhile.
        TurnDownCommands filter;
        QCoreApplication::instance()->installEventFilter(&filter);
        for (int round = 0; round < 2; ++round)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers);
        QCoreApplication::instance()->removeEventFilter(&filter);
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
