#include "AutoRecovery.h"

#include "files/PictureFile.h"

#include <QFileInfo>

namespace {

const QString kTitle = QStringLiteral("Tavimbre");

}  // namespace

AutoRecovery::AutoRecovery(Document& doc, Dialogs& dialogs) : doc_(doc), dialogs_(dialogs) {
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { writeNow(); });
}

void AutoRecovery::writeNow() {
    if (!doc_.pictureChanged()) return;
    const QImage image = doc_.selection.shown();  // what floats included
    if (hasCopy_ && image.cacheKey() == written_) return;
    if (store_.write(image, doc_.identity().path, doc_.identity().title)) {
        written_ = image.cacheKey();
        hasCopy_ = true;
    } else if (!failureTold_) {
        failureTold_ = true;
        dialogs_.Message(kTitle, store_.errorString());
    }
}

void AutoRecovery::settle() {
    if (hasCopy_ && !doc_.pictureChanged()) discard();
}

void AutoRecovery::discard() {
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
    doc_.beginStep();
    const QString problem = doc_.replacePicture(picture.image, found->png);
    doc_.endStep();
    if (!problem.isEmpty()) {
        dialogs_.Message(kTitle, cannotOpen(found->png, problem));
        return;
    }
    // The picture keeps its old name; it has still to be saved.
    const bool untitled = !QFileInfo(found->path).isAbsolute();
    doc_.setIdentity({found->path, found->title, untitled, untitled ? found->title : found->path});
    doc_.markChanged();
    writeNow();  // this instance's own copy first, then the old one goes
    if (hasCopy_) RecoveryStore::discard(*found);
}
