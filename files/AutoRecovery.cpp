#include "AutoRecovery.h"

#include "files/PictureFile.h"

#include <QFileInfo>
#include <QPromise>
#include <utility>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString kTitle = QStringLiteral("Tavimbre");

}  // namespace

AutoRecovery::AutoRecovery(Document& doc, Dialogs& dialogs) : doc_(doc), dialogs_(dialogs) {
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { writeInBackground(); });
    QObject::connect(&copyTimer_, &QTimer::timeout, &copyTimer_, [this] { copyMore(); });
    retry_.setSingleShot(true);
    QObject::connect(&retry_, &QTimer::timeout, &retry_, [this] { writeInBackground(); });
    // Sent only once the outcome is there; an outcome already taken while
    // waiting for it is not taken again.
    QObject::connect(&watcher_, &QFutureWatcher<bool>::finished, &watcher_, [this] {
        if (encoding_ && pending_.isFinished()) collect();
    });
    worker_.setMaxThreadCount(1);
}

AutoRecovery::~AutoRecovery() {
    copy_.reset();
    worker_.waitForDone();
}

void AutoRecovery::writeNow() {
    finish();
    retry_.stop();  // the copy due is made now
    writeInBackground();
    finish();
}

void AutoRecovery::writeInBackground() {
    if (retry_.isActive()) return;  // a copy is due shortly anyway
    if (copy_ || encoding_) {
        again_ = true;
        return;
    }
    if (!doc_.pictureChanged()) {
        settle();
        return;
    }
    // While a drag is under way its rubber band may be in the picture: the
    // copy comes shortly after.
    if (dragging_ && dragging_()) {
        retry_.start(kRetryMs);
        return;
    }
    QImage image = doc_.selection.shown();  // what floats included
    if (hasCopy_ && image.cacheKey() == written_) return;
    pendingKey_ = image.cacheKey();
    pendingId_ = doc_.identity();
    // The canvas's own pixels are copied before they are written; what the
    // window shows with parts floating is an image of its own, which nothing
    // paints on, so it is written as it is.
    if (image.cacheKey() != doc_.canvas.Image().cacheKey()) {
        encode(std::move(image));
        return;
    }
    auto copy = std::make_unique<PictureCopy>(doc_.canvas);
    if (copy->done()) return;  // no memory for a copy now: the timer tries again
    copy_ = std::move(copy);
    copyTimer_.start(0);
}

void AutoRecovery::copyMore() {
    if (!copy_ || !copy_->step(kSliceMs)) return;
    copyTimer_.stop();
    QImage image = copy_->take();
    copy_.reset();
    encode(std::move(image));
}

void AutoRecovery::encode(QImage image) {
    auto promise = std::make_shared<QPromise<bool>>();
    pending_ = promise->future();
    encoding_ = true;
    promise->start();
    worker_.start([this, promise, image = std::move(image), id = pendingId_]() mutable {
        // The window's thread comes first when the cores are busy.
        setpriority(PRIO_PROCESS, pid_t(gettid()), 10);
        const bool ok = store_.write(image, id.path, id.title);
        image = QImage();  // its memory goes back here, not where the outcome is taken
        promise->addResult(ok);
        promise->finish();
    });
    watcher_.setFuture(pending_);
}

void AutoRecovery::finish() {
    if (copy_) {
        copy_->step(-1);
        copyMore();
    }
    collect();
}

void AutoRecovery::collect() {
    if (!encoding_) return;
    pending_.waitForFinished();
    encoding_ = false;
    if (pending_.resultCount() > 0 && pending_.result()) {
        written_ = pendingKey_;
        hasCopy_ = true;
    } else if (!failureTold_) {
        failureTold_ = true;
        // Not inside long work under way: the window holds it until then.
        dialogs_.Notice(kTitle, store_.errorString());
    }
    pending_ = QFuture<bool>();
    settle();
    // Begun from the window's own turn, never in the middle of a command.
    if (std::exchange(again_, false)) retry_.start(0);
}

void AutoRecovery::settle() {
    if (copy_ || encoding_) return;  // the copy's end settles
    if (hasCopy_ && !doc_.pictureChanged()) discard();
}

void AutoRecovery::discard() {
    retry_.stop();
    copyTimer_.stop();
    copy_.reset();
    again_ = false;
    if (encoding_) pending_.waitForFinished();
    encoding_ = false;
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
