#include "AutoRecovery.h"

#include "files/PictureFile.h"

#include <QCoreApplication>
#include <QFileInfo>
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
    QObject::connect(&retry_, &QTimer::timeout, &retry_, [this] {
        if (state_ != State::Due) return;
        state_ = State::Idle;
        begin();
    });
    noticeTimer_.setSingleShot(true);
    QObject::connect(&noticeTimer_, &QTimer::timeout, &noticeTimer_, [this] { showNotices(); });
    QObject::connect(&endedPoll_, &QTimer::timeout, &endedPoll_, [this] {
        if (ended_.load(std::memory_order_acquire)) collect();
    });
}

AutoRecovery::~AutoRecovery() {
    copy_.reset();
    if (worker_.joinable()) worker_.join();
}

void AutoRecovery::writeNow() {
    finish();
    if (state_ == State::Due) {  // the copy due is made now
        retry_.stop();
        state_ = State::Idle;
    }
    begin();
    finish();
    showNotices();
}

void AutoRecovery::writeInBackground() {
    switch (state_) {
    case State::Idle:
        begin();
        break;
    case State::Due:  // a copy begins shortly anyway
        break;
    case State::Copying:
    case State::Writing:
        again_ = true;
        break;
    }
}

void AutoRecovery::begin() {
    if (!doc_.pictureChanged()) {
        settle();
        return;
    }
    // While a drag is under way its rubber band may be in the picture: the
    // copy comes shortly after.
    if (dragging_ && dragging_()) {
        due(kRetryMs);
        return;
    }
    QImage image = doc_.selection.shown();  // what floats included
    if (written_ == image.cacheKey()) return;
    pendingKey_ = image.cacheKey();
    pendingId_ = doc_.identity();
    // The chart describes the canvas's own pixels: a copy with parts
    // floating keeps none.
    pendingChart_ = image.cacheKey() == doc_.canvas.Image().cacheKey() ? doc_.chart() : Chart();
    // The canvas's own pixels are copied before they are written; what the
    // window shows with parts floating is an image of its own, which nothing
    // paints on, so it is written as it is.
    if (image.cacheKey() != doc_.canvas.Image().cacheKey()) {
        write(std::move(image));
        return;
    }
    auto copy = std::make_unique<PictureCopy>(doc_.canvas);
    if (copy->done()) return;  // no memory for a copy now: the timer tries again
    copy_ = std::move(copy);
    state_ = State::Copying;
    copyTimer_.start(0);
}

void AutoRecovery::due(int ms) {
    state_ = State::Due;
    retry_.start(ms);
}

void AutoRecovery::copyMore() {
    if (state_ != State::Copying || !copy_->step(kSliceMs)) return;
    copyTimer_.stop();
    QImage image = copy_->take();
    copy_.reset();
    write(std::move(image));
}

void AutoRecovery::write(QImage image) {
    state_ = State::Writing;
    ended_.store(false, std::memory_order_relaxed);
    // The thread's start and its join order its work with the window's
    // thread.
    // The chart's records stay shared with the window's until the worker
    // is joined, so that the window's thread copies any it changes.
    writingChart_ = std::move(pendingChart_);
    worker_ = std::thread([this, image = std::move(image), id = pendingId_]() mutable {
        // The window's thread comes first when the cores are busy.
        setpriority(PRIO_PROCESS, pid_t(gettid()), 10);
        const Chart& chart = writingChart_;
        QByteArray text = ChartText::holdsAnything(chart) ? ChartText::write(chart, image) : QByteArray();
        if (text.size() > ChartText::kMaxBytes) text.clear();  // too long to be read back
        workerWrote_ = store_.write(image, id.path.shown(), id.title, text);
        image = QImage();  // its memory goes back here, not where the outcome is taken
        ended_.store(true, std::memory_order_release);
    });
    endedPoll_.start(kPollMs);
}

void AutoRecovery::finish() {
    if (state_ == State::Copying) {
        copy_->step(-1);
        copyMore();
    }
    collect();
}

void AutoRecovery::collect() {
    if (state_ != State::Writing) return;
    endedPoll_.stop();
    worker_.join();
    writingChart_ = Chart();
    state_ = State::Idle;
    if (workerWrote_) {
        written_ = pendingKey_;
        failing_ = false;
    } else if (!std::exchange(failing_, true)) {
        tell(store_.errorString());  // told once each time copies stop
    }
    settle();
    // Begun from the window's own turn, never in the middle of a command.
    if (std::exchange(again_, false)) due(0);
}

void AutoRecovery::settle() {
    if (state_ == State::Copying || state_ == State::Writing) return;  // the copy's end settles
    if (written_ && !doc_.pictureChanged()) discard();
}

void AutoRecovery::discard() {
    retry_.stop();
    copyTimer_.stop();
    copy_.reset();
    again_ = false;
    if (state_ == State::Writing) {
        endedPoll_.stop();
        worker_.join();
        if (workerWrote_) failing_ = false;
    }
    state_ = State::Idle;
    store_.remove();
    written_.reset();
}

void AutoRecovery::tell(const QString& text) {
    notices_ << text;
    noticeTimer_.start(0);
}

void AutoRecovery::showNotices() {
    noticeTimer_.stop();
    // A notice may run an event loop, in which another may be queued.
    while (!notices_.isEmpty()) dialogs_.Notice(kTitle, notices_.takeFirst());
}

bool AutoRecovery::offer() {
    while (const std::optional<RecoveryStore::Found> found = RecoveryStore::newestStale()) {
        // A copy that cannot be read is told of once and set aside; the
        // next one is offered in its place.
        const LoadedPicture picture = loadPicture(found->png);
        if (picture.image.isNull()) {
            const QString aside = RecoveryStore::setAside(*found);
            dialogs_.Message(kTitle, aside.isEmpty() ? picture.error
                                                     : picture.error + QLatin1String("\n\n") +
                                                           QCoreApplication::translate(
                                                               "Recovery", "The copy has been moved to \"%1\".")
                                                               .arg(aside));
            if (aside.isEmpty()) return false;  // it stays where it is: it would be found again
            continue;
        }
        const int answer = dialogs_.MsgBox(RecoveryStore::question(*found), MsgStyle::YesNoCancelQuestion, kTitle);
        if (answer == Answer::No) RecoveryStore::discard(*found);
        if (answer != Answer::Yes) return false;
        // The picture keeps its old name, in the same step: undo takes both
        // back. It has still to be saved.
        const bool untitled = !QFileInfo(found->path).isAbsolute();
        const FileIdentity id{found->path, found->title, untitled, untitled ? found->title : found->path};
        if (const QString problem = doc_.replacePicture(picture.image, found->png, id, picture.chart);
            !problem.isEmpty()) {
            dialogs_.Message(kTitle, cannotOpen(found->png, problem));
            return false;
        }
        doc_.markChanged();
        doc_.chartInFile = picture.chartFound;
        writeNow();  // this instance's own copy first, then the old one goes
        if (hasCopy()) RecoveryStore::discard(*found);
        return true;
    }
    return false;
}
