#include "AutoRecovery.h"

#include "files/PictureFile.h"

#include <QFileInfo>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString kTitle = QStringLiteral("Tavimbre");

}  // namespace

AutoRecovery::AutoRecovery(Document& doc, Dialogs& dialogs) : doc_(doc), dialogs_(dialogs) {
    // The timer's turn, held back by a drag, comes again soon after.
    const auto due = [this] {
        if (dragging_ && dragging_())
            retry_.start(kRetryMs);
        else
            writeInBackground();
    };
    QObject::connect(&timer_, &QTimer::timeout, &timer_, due);
    QObject::connect(&copyTimer_, &QTimer::timeout, &copyTimer_, [this] { copyMore(); });
    retry_.setSingleShot(true);
    QObject::connect(&retry_, &QTimer::timeout, &retry_, due);
}

AutoRecovery::~AutoRecovery() {
    copy_.reset();
    if (pending_.valid()) pending_.wait();
}

void AutoRecovery::writeNow() {
    finish();
    writeInBackground();
    finish();
}

void AutoRecovery::writeInBackground() {
    if (writing() || !doc_.pictureChanged()) return;
    if (dragging_ && dragging_()) return;
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
    pending_ = std::async(std::launch::async, [this, image = std::move(image), id = pendingId_]() mutable {
        // The window's thread comes first when the cores are busy.
        setpriority(PRIO_PROCESS, pid_t(gettid()), 10);
        const bool ok = store_.write(image, id.path, id.title);
        image = QImage();  // its memory goes back here, not where the outcome is taken
        // Told on the window's thread; the timer's end removes a call not
        // yet made, and a copy taken meanwhile is not waited for again.
        QMetaObject::invokeMethod(&timer_, [this] {
            if (pending_.valid() && pending_.wait_for(std::chrono::seconds(0)) == std::future_status::ready) collect();
        }, Qt::QueuedConnection);
        return ok;
    });
}

void AutoRecovery::finish() {
    if (copy_) {
        copy_->step(-1);
        copyMore();
    }
    collect();
}

void AutoRecovery::collect() {
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
    if (writing()) return;  // the copy's end settles
    if (hasCopy_ && !doc_.pictureChanged()) discard();
}

void AutoRecovery::discard() {
    retry_.stop();
    copyTimer_.stop();
    copy_.reset();
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
