#include "CheckedWrite.h"

#include "core/Progress.h"

#include <QCryptographicHash>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>

namespace {

// A file written beside its target, unbuffered by Qt, so that every write
// the disk refuses is seen with the system's reason. It keeps its own
// buffer of whole chunks, reports how far the writing has got, and offers
// the rest of a write the disk took only in part again.
class CheckedFile : public QSaveFile {
public:
    CheckedFile(const QString& path, qint64 expected, QCryptographicHash* digest)
        : QSaveFile(path), expected_(expected), digest_(digest) {}
    bool fellShort() const { return short_; }
    // Hands what is buffered to the disk; false when it did not take it all.
    bool push() {
        qint64 done = 0;
        while (done < buffer_.size()) {
            const qint64 wrote = QSaveFile::writeData(buffer_.constData() + done, buffer_.size() - done);
            if (wrote <= 0) break;
            done += wrote;
        }
        short_ = short_ || done < buffer_.size();
        if (digest_) digest_->addData(buffer_);
        buffer_.clear();
        return !short_;
    }

protected:
    qint64 writeData(const char* data, qint64 length) override {
        if (short_) return -1;
        buffer_.append(data, length);
        written_ += length;
        progress::report(expected_ > 0 ? std::min(1.0, double(written_) / double(expected_)) : -1);
        if (buffer_.size() >= kChunk && !push()) return -1;
        return length;
    }

private:
    static constexpr qsizetype kChunk = 256 * 1024;
    QByteArray buffer_;
    qint64 expected_;
    qint64 written_ = 0;
    QCryptographicHash* digest_;  // of every byte handed to the disk, when wanted
    bool short_ = false;
};

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Writes PATH, a name Qt's file classes can take.
QString writeNamed(const QString& path, const std::function<QString(QIODevice&)>& fill, qint64 expected,
                   QCryptographicHash* digest) {
    CheckedFile file(path, expected, digest);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    QString reason = fill(file);
    // What is still buffered goes to the disk here, where a refusal is seen,
    // and then from the system's cache onto the disk itself.
    if (reason.isEmpty()) file.push();
    if (file.error() != QFileDevice::NoError)
        reason = file.errorString();
    else if (file.fellShort())
        reason = QCoreApplication::translate("CheckedWrite", "The disk took only part of the file");
    else if (reason.isEmpty() && ::fsync(file.handle()) != 0 && errno != EINVAL)
        reason = systemReason(errno);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        file.commit();  // removes what was written; the old file stays
        return reason;
    }
    return file.commit() ? QString() : file.errorString();
}

// A name that text cannot carry is written as a stand-in beside it, reached
// through the folder's descriptor so that the folder's name may be anything
// too, and renamed to its own name by its bytes once whole. The stand-in
// starts as a second name of the old file, whose permissions the new one
// then keeps; on failure only that second name goes.
QString writeByBytes(const QByteArray& path, const std::function<QString(QIODevice&)>& fill, qint64 expected,
                     QCryptographicHash* digest) {
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
    const QByteArray name = path.mid(slash + 1);
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return systemReason(errno);
    const QByteArray standIn = ".tavimbre-" + QByteArray::number(QCoreApplication::applicationPid());
    ::unlinkat(dir, standIn.constData(), 0);
    ::linkat(dir, name.constData(), dir, standIn.constData(), 0);
    QString reason = writeNamed(QStringLiteral("/proc/self/fd/%1/%2").arg(dir).arg(QLatin1String(standIn)), fill,
                                expected, digest);
    if (reason.isEmpty() && ::renameat(dir, standIn.constData(), dir, name.constData()) != 0)
        reason = systemReason(errno);
    if (!reason.isEmpty()) ::unlinkat(dir, standIn.constData(), 0);
    ::close(dir);
    return reason;
}

}  // namespace

QString writeChecked(const LocalPath& path, const std::function<QString(QIODevice&)>& fill, qint64 expected,
                     FileStamp* written) {
    QCryptographicHash digest(QCryptographicHash::Sha1);
    QCryptographicHash* const wanted = written ? &digest : nullptr;
    const QString reason = path.fitsText() ? writeNamed(path.shown(), fill, expected, wanted)
                                           : writeByBytes(path.bytes(), fill, expected, wanted);
    struct stat info {};
    if (reason.isEmpty() && written && ::stat(path.bytes().constData(), &info) == 0)
        *written = FileStamp::of(info, digest.result());
    return reason;
}
