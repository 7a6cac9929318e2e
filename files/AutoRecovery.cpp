#include "AutoRecovery.h"

#include "files/PictureFile.h"

#include <QFileInfo>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString kTitle = QStringLiteral("Tavimbre");

}  // namespace

AutoRecovery::AutoRecovery(Document& doc, Dialogs& dialogs) : doc_(doc), dialogs_(dialogs) {
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { writeInBackground(); });
}

AutoRecovery::~AutoRecovery() {
    if (pending_.valid()) pending_.wait();
}

void AutoRecovery::writeNow() {
    finish();
    writeInBackground();
    finish();
}

void AutoRecovery::writeInBackground() {
    if (pending_.valid() || !doc_.pictureChanged()) return;
    QImage image = snapshot();
    if (hasCopy_ && image.cacheKey() == written_) return;
    pendingKey_ = image.cacheKey();
    const FileIdentity id = doc_.identity();
    pending_ = std::async(std::launch::async, [this, image = std::move(image), id]() mutable {
        // The window's thread comes first when the cores are busy.
        setpriority(PRIO_PROCESS, pid_t(gettid()), 10);
        // The copy is made here and the shared snapshot let go at once: a
        // stroke drawn while the copy is encoded then finds its picture no
        // longer shared, and the canvas need not copy it on the window's thread.
        QImage own = image.copy();
        if (own.isNull()) own = image;  // no memory for a copy: the shared one is written
        image = QImage();
        const bool ok = store_.write(own, id.path, id.title);
        // Told on the window's thread; the timer's end removes a call not yet made.
        QMetaObject::invokeMethod(&timer_, [this] { finish(); }, Qt::QueuedConnection);
        return ok;
    });
}

void AutoRecovery::finish() {
    if (!pending_.valid()) return;
    if (pending_.get()) {
        written_ = pendingKey_;
        hasCopy_ = true;
    } else if (!failureTold_) {
        failureTold_ = true;
        dialogs_.Message(kTitle, store_.errorString());
    }
    settle();
}

void AutoRecovery::settle() {
    if (pending_.valid()) return;  // the copy's end settles
    if (hasCopy_ && !doc_.pictureChanged()) discard();
}

void AutoRecovery::discard() {
    if (pending_.valid()) pending_.get();
    store_.remove();
    hasCopy_ = false;
}

void AutoRecovery::offer() {
    const std::optional<RecoveryStore::Found> found = RecoveryStore::newestStale();
    if (!found) return;
    const int answer = dialogs_.MsgBox(RecoveryStore::question(*found), MsgStyle::YesNoCancelQuestion, kTitle);
    if (answer == Answer::No) RecoveryStore::discard(*found);
    if (answer != Answer::Yes) return;
    // A copy that cannot be read is told of and kept.
    const LoadedPicture picture = loadPicture(found->png);
    if (picture.image.isNull()) {
        dialogs_.Message(kTitle, picture.error);
        return;
    }
    // The picture keeps its old name, in the same step: undo takes both
    // back. It has still to be saved.
    const bool untitled = !QFileInfo(found->path).isAbsolute();
    const FileIdentity id{found->path, found->title, untitled, untitled ? found->title : found->path};
    if (const QString problem = doc_.replacePicture(picture.image, found->png, id); !problem.isEmpty()) {
        dialogs_.Message(kTitle, cannotOpen(found->png, problem));
        return;
    }
    doc_.markChanged();
    writeNow();  // this instance's own copy first, then the old one goes
    if (hasCopy_) RecoveryStore::discard(*found);
}
