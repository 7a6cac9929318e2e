// Keeps this instance's recovery copy in step with the picture: written while
// the picture has unsaved changes (on a timer every 30 seconds, or at once
// when asked), removed once the picture counts as unchanged or the user lets
// the changes go. At start it offers the newest copy an ended instance left.
//
// The timer's copies are encoded and written on a worker thread. The
// window's thread only copies the picture, a band of rows at a time between
// its other work (and first the rows a paint is about to change), so that it
// never waits long and the copy holds the picture as it was when begun.
//
// One copy at most is under way, and where it is is one state; each change
// of state is one of the private functions below. A failure is never told
// from inside a change of state: its notice is queued and shown from the
// window's own turn, once that change has returned.
#pragma once

#include "core/Document.h"
#include "core/PictureCopy.h"
#include "files/Dialogs.h"
#include "files/Recovery.h"

#include <QStringList>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

class AutoRecovery {
public:
    static constexpr int kIntervalMs = 30'000;
    static constexpr int kRetryMs = 500;

    AutoRecovery(Document& doc, Dialogs& dialogs);
    // Waits for a copy under way, so that it is left whole.
    ~AutoRecovery();

    // The window's timer; script runs write only when told to.
    void startTimer() { timer_.start(kIntervalMs); }
    // While this says a drag is under way, its rubber band may be in the
    // picture: no copy is begun then, and the timer's turn comes again
    // shortly after.
    void holdWhile(std::function<bool()> dragging) { dragging_ = std::move(dragging); }
    // Writes the copy now when the picture has changes not yet in it, and
    // returns once it is written and a failure told.
    void writeNow();
    // The same in the background: the window's thread goes on at once, as
    // when the timer is due. Asked while a copy is under way, the copy asked
    // for is begun once that one ends; asked during a drag, after it.
    void writeInBackground();
    // Waits for a copy under way and takes its outcome.
    void finish();
    // A copy is being made or written, or is due shortly.
    bool writing() const { return state_ != State::Idle; }
    // After each command: a picture that counts as unchanged needs no copy.
    void settle();
    // The user let the changes go (the window closes, or the picture was
    // saved): the copy goes too, once a copy under way is written.
    void discard();
    // Offers the newest copy no running instance holds: Yes opens it as a
    // changed picture under its old name, No deletes it, Cancel keeps it for
    // the next start. A copy that cannot be read is told of and set aside,
    // and the next one is offered. True when a copy was taken.
    bool offer();
    bool hasCopy() const { return written_.has_value(); }

private:
    enum class State {
        Idle,     // no copy under way
        Due,      // one begins when retry_ fires
        Copying,  // the window's thread copies the picture into copy_
        Writing,  // worker_ encodes and writes it
    };
    // The longest the window's thread copies at once.
    static constexpr int kSliceMs = 2;
    // How often the window's thread looks whether the worker has ended.
    static constexpr int kPollMs = 10;

    // Idle: begins a copy of the picture as it is now, when it needs one.
    void begin();
    // Any state but Copying and Writing: a copy begins in MS milliseconds.
    void due(int ms);
    // Copying: copies a slice; once the copy is whole, it is written.
    void copyMore();
    // Copying or Idle: IMAGE is handed to the worker.
    void write(QImage image);
    // Writing: waits for the worker and takes its outcome. Idle after it,
    // or Due when a copy was asked for meanwhile.
    void collect();
    // The notice is shown once the change of state under way has returned.
    void tell(const QString& text);
    void showNotices();

    Document& doc_;
    Dialogs& dialogs_;
    RecoveryStore store_;
    QTimer timer_;
    QTimer copyTimer_;  // copies a slice whenever the window is idle, while Copying
    QTimer retry_;      // ends Due
    QTimer endedPoll_;  // while Writing
    QTimer noticeTimer_;
    std::function<bool()> dragging_;

    State state_ = State::Idle;
    bool again_ = false;                 // Copying or Writing: another copy was asked for meanwhile
    std::unique_ptr<PictureCopy> copy_;  // Copying: the picture being copied
    // Writing: the worker thread, which sets ended_ last of all; its outcome
    // is read once it has been joined. The window's thread looks at ended_
    // every few milliseconds meanwhile: a signal sent from the worker would
    // pass through Qt, whose hand-offs not every checker sees.
    std::thread worker_;
    std::atomic<bool> ended_{false};
    bool workerWrote_ = false;
    FileIdentity pendingId_;             // the picture's name in the copy under way
    qint64 pendingKey_ = 0;              // the picture's cache key in that copy
    Chart pendingChart_;                 // the chart drawn on it, none when parts float
    Chart writingChart_;                 // Writing: the worker's, read only
    std::optional<qint64> written_;      // the picture's cache key in the folder's copy, if any
    bool failing_ = false;               // the last copy failed (and that was told)
    QStringList notices_;
};
