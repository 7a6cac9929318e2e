// A copy of the picture kept in the program's data folder, so that the work
// of an instance that ends without saving (killed, crashed, or a script run
// that simply ends) can be offered back at the next start.
//
// Each instance has its own copy, <id>.png, a side file <id>.json naming the
// picture's file and title, and a lock <id>.lock held from the first write
// until remove() or the end of the instance. A copy whose lock is gone, or
// was left by a process that no longer runs, belongs to no one: it is stale
// and may be offered. The instance that offers a copy first claims it by
// taking its lock, so that no other start offers the same copy meanwhile.
// The store never decides when to write; its owner does.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>

class RecoveryStore {
public:
    // A stale copy found in a folder.
    struct Found {
        QString png;    // the copy; it may prove unreadable when opened
        QString side;   // its side file (it may be missing)
        QString path;   // the picture's own file, empty when it had none
        QString title;  // the picture's title, "Untitled" when unknown
        QDateTime when; // when the copy was written, local time
        // The copy's lock, held by this instance until the last Found that
        // shares it is gone.
        std::shared_ptr<QLockFile> claim;
    };

    // <application data folder>/recovery (XDG_DATA_HOME is honoured).
    static QString defaultFolder();

    explicit RecoveryStore(QString folder = defaultFolder());
    // Releases the lock but keeps the copy: an instance that ends without
    // remove() leaves its work to be offered, as a killed one does.
    ~RecoveryStore() = default;
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Replaces this instance's copy atomically (the old copy stays whole on
    // failure, and a first copy leaves nothing), keeping CHART, a chart's
    // text, when there is one. False with errorString() set when it cannot be written.
    // It may run on a worker thread while the owner waits for it before
    // any other call.
    bool write(const QImage& image, const QString& path, const QString& title, const QByteArray& chart = {});
    // Deletes this instance's copy, side file and lock.
    void remove();
    QString errorString() const { return error_; }

    // The newest copy in the folder that no running instance holds, claimed
    // for this one; the stale locks it meets are removed.
    static std::optional<Found> newestStale(const QString& folder = defaultFolder());
    // The start-up question for a found copy, its time given as "today
    // 10:42" or, on another day, "3 March 2025 10:42".
    static QString question(const Found& found, const QDateTime& now = QDateTime::currentDateTime());
    // Deletes a found copy and its side file (its lock goes with the claim);
    // false when the copy is still there afterwards.
    static bool discard(const Found& found);
    // Moves a found copy that cannot be read, and its side file, into the
    // folder's "damaged" folder, where no start finds it; returns where the
    // copy went, or empty when it could not be moved.
    static QString setAside(const Found& found);

private:
    // Why the lock could not be taken, in the system's words when it has any.
    QString lockProblem() const;

    QString folder_;
    QString base_;  // folder and id, without extension
    QLockFile lock_;
    QString error_;
    bool whole_ = false;  // a copy and its side file were written
};
