#include "Recovery.h"
#include "core/FileIdentity.h"

#include "files/CheckedWrite.h"
#include "files/PictureFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRandomGenerator>
#include <QStandardPaths>

namespace {

// The process id keeps ids of running instances apart; time and a random
// number keep them apart from those of ended ones with the same id.
QString uniqueId() {
    return QStringLiteral("%1-%2-%3")
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentMSecsSinceEpoch())
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

// The lock taken for this instance, or null while a running instance holds
// it. A lock whose holder has ended is taken over.
std::shared_ptr<QLockFile> claimed(const QString& lockPath) {
    auto lock = std::make_shared<QLockFile>(lockPath);
    lock->setStaleLockTime(0);
    return lock->tryLock(0) ? lock : nullptr;
}

// Fills in the file, title and time from the side file. A missing or damaged
// one leaves no file, the title "Untitled" and the time of the copy itself.
void readSide(RecoveryStore::Found& found) {
    found.title = untitledTitle();
    found.when = QFileInfo(found.png).lastModified();
    QFile file(found.side);
    if (!file.open(QIODevice::ReadOnly)) return;
    const QJsonObject side = QJsonDocument::fromJson(file.read(64 * 1024)).object();
    found.path = side.value(QLatin1String("path")).toString();
    if (const QString title = side.value(QLatin1String("title")).toString(); !title.isEmpty()) found.title = title;
    const QDateTime written =
        QDateTime::fromString(side.value(QLatin1String("written")).toString(), Qt::ISODateWithMs);
    if (written.isValid()) found.when = written.toLocalTime();
}

}  // namespace

QString RecoveryStore::defaultFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return data.isEmpty() ? QString() : data + QLatin1String("/recovery");
}

RecoveryStore::RecoveryStore(QString folder)
    : folder_(std::move(folder)), base_(QDir(folder_).filePath(uniqueId())), lock_(base_ + QLatin1String(".lock")) {
    lock_.setStaleLockTime(0);
}

bool RecoveryStore::write(const QImage& image, const QString& path, const QString& title, const QByteArray& chart) {
    error_.clear();
    auto fail = [this](const QString& reason) {
        error_ = QCoreApplication::translate("Recovery", "The recovery copy could not be written to \"%1\": %2")
                     .arg(folder_, reason);
        return false;
    };
    if (!lock_.isLocked()) {
        if (folder_.isEmpty() || !QDir().mkpath(folder_))
            return fail(QCoreApplication::translate("Recovery", "The folder cannot be made"));
        if (!lock_.tryLock(0)) return fail(lockProblem());
    }
    if (const QString reason = writePicture(image, base_ + QLatin1String(".png"), true, nullptr, chart); !reason.isEmpty())
        return fail(reason);
    const QJsonObject side{{QLatin1String("path"), path},
                           {QLatin1String("title"), title},
                           {QLatin1String("written"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)}};
    const QByteArray json = QJsonDocument(side).toJson();
    if (const QString reason = writeChecked(base_ + QLatin1String(".json"), [&json](QIODevice& file) {
            return file.write(json) == json.size() ? QString() : file.errorString();
        });
        !reason.isEmpty()) {
        // A first copy without its side file is no copy: nothing of it stays.
        if (!whole_) QFile::remove(base_ + QLatin1String(".png"));
        return fail(reason);
    }
    whole_ = true;
    return true;
}

QString RecoveryStore::lockProblem() const {
    const QString cannot = QCoreApplication::translate("Recovery", "Its lock file cannot be made");
    if (lock_.error() == QLockFile::LockFailedError) return cannot;  // another holds it
    // QLockFile keeps the system's reason to itself: the file is written
    // once more, as any other, to hear it.
    const QString lockPath = base_ + QLatin1String(".lock");
    const QString reason = writeChecked(lockPath, [](QIODevice& file) {
        const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid()) + '\n';
        return file.write(pid) == pid.size() ? QString() : file.errorString();
    });
    if (reason.isEmpty()) {
        QFile::remove(lockPath);
        return cannot;
    }
    return QCoreApplication::translate("Recovery", "Its lock file cannot be made: %1").arg(reason);
}

void RecoveryStore::remove() {
    QFile::remove(base_ + QLatin1String(".png"));
    QFile::remove(base_ + QLatin1String(".json"));
    lock_.unlock();
    whole_ = false;
}

std::optional<RecoveryStore::Found> RecoveryStore::newestStale(const QString& folder) {
    if (folder.isEmpty()) return std::nullopt;  // QDir would read it as the current folder
    std::optional<Found> newest;
    const QDir dir(folder);
    for (const QFileInfo& png : dir.entryInfoList({QStringLiteral("*.png")}, QDir::Files)) {
        const QString base = dir.filePath(png.completeBaseName());
        Found found{png.filePath(), base + QLatin1String(".json"), {}, {}, {}, claimed(base + QLatin1String(".lock"))};
        if (!found.claim) continue;
        readSide(found);
        // Only the newest stays claimed; the others' locks go with them.
        if (!newest || found.when > newest->when) newest = found;
    }
    return newest;
}

QString RecoveryStore::question(const Found& found, const QDateTime& now) {
    // The date is written as the question's language writes it: the
    // translation names the locale of its month names and its order.
    const QLocale c(QCoreApplication::translate("Recovery", "C", "the locale of the date in the recovery question"));
    const QString day = found.when.date() == now.date()
                            ? QCoreApplication::translate("Recovery", "today")
                            : c.toString(found.when.date(), QCoreApplication::translate("Recovery", "d MMMM yyyy"));
    return QCoreApplication::translate("Recovery",
                                       "Tavimbre was closed with unsaved changes to %1 (%2 %3). Recover them?")
        .arg(found.title, day, c.toString(found.when.time(), QStringLiteral("HH:mm")));
}

bool RecoveryStore::discard(const Found& found) {
    if (!QFile::remove(found.png) && QFileInfo::exists(found.png)) return false;
    QFile::remove(found.side);
    return true;
}

QString RecoveryStore::setAside(const Found& found) {
    const QFileInfo png(found.png);
    const QDir aside(png.dir().filePath(QStringLiteral("damaged")));
    const QString moved = aside.filePath(png.fileName());
    if (!aside.mkpath(QStringLiteral(".")) || !QFile::rename(found.png, moved)) return {};
    QFile::rename(found.side, aside.filePath(QFileInfo(found.side).fileName()));
    return moved;
}
