// Keeps this instance's recovery copy in step with the picture: written while
// the picture has unsaved changes (on a timer every 30 seconds, or at once
// when asked), removed once the picture counts as unchanged or the user lets
// the changes go. At start it offers the newest copy an ended instance left.
//
// The timer's copies are encoded and written on a worker thread. The
// window's thread only copies the picture, a band of rows at a time between
// its other work (and first the rows a paint is about to change), so that it
// never waits long and the copy holds the picture as it was when begun.
#pragma once

#include "core/Document.h"
#include "core/PictureCopy.h"
#include "files/Dialogs.h"
#include "files/Recovery.h"

#include <QFutureWatcher>
#include <QThreadPool>
#include <QTimer>
#include <functional>
#include <memory>

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
    // returns once it is written. A copy that cannot be written is told
    // once; drawing goes on.
    void writeNow();
    // The same in the background: the window's thread goes on at once, as
    // when the timer is due. Asked while a copy is under way, the copy asked
    // for is begun once that one ends; asked during a drag, after it.
    void writeInBackground();
    // Waits for a copy under way and takes its outcome.
    void finish();
    // A copy is being made or written, or is due shortly.
    bool writing() const { return copy_ || encoding_ || retry_.isActive(); }
    // After each command: a picture that counts as unchanged needs no copy.
    void settle();
    // The user let the changes go (the window closes): the copy goes too,
    // once a copy under way is done.
    void discard();
    // Asks about the newest copy no running instance holds: Yes opens it as
    // a changed picture under its old name, No deletes it, Cancel keeps it
    // for the next start.
    void offer();
    bool hasCopy() const { return hasCopy_; }

private:
    // The longest the window's thread copies at once.
    static constexpr int kSliceMs = 2;
    void copyMore();
    // Encodes and writes IMAGE on the worker thread.
    void encode(QImage image);
    // Takes the written copy's outcome, waiting for it if need be; a copy
    // asked for meanwhile is begun once the window's thread is free.
    void collect();

    Document& doc_;
    Dialogs& dialogs_;
    RecoveryStore store_;
    QTimer timer_;
    QTimer copyTimer_;                   // copies a slice whenever the window is idle
    QTimer retry_;                       // a copy due shortly: held back by a drag, or asked for during another
    std::function<bool()> dragging_;
    std::unique_ptr<PictureCopy> copy_;  // the picture being copied, if any
    QFuture<bool> pending_;              // the copy being written, while encoding_
    QFutureWatcher<bool> watcher_;       // tells the window's thread once its outcome is there
    bool encoding_ = false;
    bool again_ = false;                 // asked for while a copy was under way
    FileIdentity pendingId_;             // the picture's name in the copy under way
    qint64 pendingKey_ = 0;              // the picture's cache key in that copy
    qint64 written_ = 0;                 // the picture's cache key when the copy was written
    bool hasCopy_ = false;
    bool failureTold_ = false;
    QThreadPool worker_;                 // one thread, which the store outlives
};
