#include "PictureFile.h"

#include "core/Progress.h"
#include "files/BitmapHeader.h"
#include "files/CheckedWrite.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QMimeData>
#include <QPainter>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>

QString cannotOpen(const QString& path, const QString& reason) {
    return QCoreApplication::translate("PictureFile", "The file \"%1\" could not be opened: %2").arg(path, reason);
}

namespace {

// A picture file that tells how far reading it has got.
class ReadFile : public QFile {
public:
    using QFile::QFile;

protected:
    qint64 readData(char* data, qint64 most) override {
        const qint64 read = QFile::readData(data, most);
        if (size() > 0) progress::report(double(pos()) / double(size()));
        return read;
    }
};

// Qt's own allocation limit would refuse pictures well below our cap; the
// cap, checked against the header first, takes its place (4 bytes a pixel).
constexpr int kReaderAllocationMegabytes = int(kMaxPicturePixels * 4 / (1024 * 1024)) + 1;

// Opens the file PATH names, by its bytes, into FILE; the reason it cannot
// be read as a file at all, or empty. Opening never waits: a pipe, socket or
// device is refused, as it could wait for ever, or never end.
QString openForReading(const LocalPath& path, QFile& file) {
    const int fd = ::open(path.bytes().constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        const int error = errno;
        if (fd >= 0) ::close(fd);
        return error == ENOENT || error == ENOTDIR
                   ? QCoreApplication::translate("PictureFile", "No such file or directory")
                   : QString::fromLocal8Bit(std::strerror(error));
    }
    QString problem;
    if (S_ISDIR(info.st_mode))
        problem = QCoreApplication::translate("PictureFile", "It is a folder, not a file");
    else if (!S_ISREG(info.st_mode))
        problem = QCoreApplication::translate("PictureFile", "It is not a regular file");
    else if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        problem = file.errorString();
    else
        return info.st_size == 0 ? QCoreApplication::translate("PictureFile", "The file is empty") : QString();
    ::close(fd);
    return problem;
}

// What the open file FD holds: read again from its start, whatever the
// reader read of it, and by the descriptor, so that a file put in its place
// meanwhile is not the one described.
FileStamp stampOf(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return {};
    QCryptographicHash digest(QCryptographicHash::Sha1);
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    qint64 at = 0;
    for (ssize_t n; (n = ::pread(fd, chunk.data(), size_t(chunk.size()), at)) > 0; at += n)
        digest.addData(QByteArrayView(chunk.constData(), n));
    return FileStamp::of(info, digest.result());
}

// A damaged header can give fewer palette entries than the pixels' indices
// reach; whatever paints or compares such a picture then reads past the end
// of its colour table. The missing entries become black, as Qt's own
// conversion shows them (a picture with no table at all, as grey levels).
void completeColorTable(QImage& image) {
    const int needed = image.format() == QImage::Format_Indexed8 ? 256 : image.depth() == 1 ? 2 : 0;
    if (image.colorCount() >= needed) return;
    QList<QRgb> table = image.colorTable();
    const bool grey = table.isEmpty();
    for (int i = int(table.size()); i < needed; ++i) {
        const int level = i * 255 / (needed - 1);
        table.append(grey ? qRgb(level, level, level) : qRgb(0, 0, 0));
    }
    image.setColorTable(table);
}

// Why a bitmap cut short cannot be had, read from a file or from data.
QString truncatedBitmap(bool file) {
    return file ? QCoreApplication::translate("PictureFile", "The bitmap is truncated: the file ends before its pixels do")
                : QCoreApplication::translate("PictureFile", "The bitmap is truncated: the data ends before its pixels do");
}

// Bytes of the data being decoded, from AT on, as many as it holds of N.
using BytesAt = std::function<QByteArray(qint64 at, int n)>;

// libpng sets aside the whole length a chunk claims before it reads it, so
// that a few bytes claiming a gigabyte would take that much memory. A PNG
// with a chunk (but its image data, which may be cut) that runs past the
// end of the data is refused first.
bool pngChunkRunsPastEnd(const BytesAt& bytesAt, qint64 length) {
    if (bytesAt(0, 8) != QByteArray("\x89PNG\r\n\x1a\n", 8)) return false;
    for (qint64 at = 8; at + 8 <= length;) {
        const QByteArray header = bytesAt(at, 8);
        if (header.size() < 8) return false;
        const qint64 next = at + 12 + qFromBigEndian<quint32>(header.constData());
        if (next > length) return header.mid(4) != "IDAT";
        if (header.mid(4) == "IEND") return false;
        at = next;
    }
    return false;
}

// Decodes what the reader reads, under the size cap, into a zero-filled
// image: pixels a damaged picture leaves undecoded come out zero rather than
// undefined. HEADERS and LENGTH, the data's first bytes and its whole length,
// tell a bitmap cut short, for which TRUNCATED is the reason given; BYTESAT
// reads a PNG's chunks' headers. Returns the reason the picture cannot be
// had, or empty.
QString decode(QImageReader& reader, const QByteArray& headers, qint64 length, const QString& truncated,
               const BytesAt& bytesAt, QImage& image) {
    QImageReader::setAllocationLimit(kReaderAllocationMegabytes);
    if (pngChunkRunsPastEnd(bytesAt, length))
        return QCoreApplication::translate("PictureFile", "The PNG is damaged: a part of it runs past its end");
    if (!reader.canRead())
        return QCoreApplication::translate("PictureFile", "It is not a picture this program can read (%1)")
            .arg(reader.errorString());
    // Asked before the size: a reader whose headers it refuses names no format.
    const bool bitmap = reader.format() == "bmp";
    const QSize size = reader.size();
    // Qt's bitmap reader gives no size for a bitmap larger than it reads,
    // nor for one stored top-down; its headers tell both.
    const QSize claimed = bitmap && !size.isValid() ? bitmapSizeClaimed(headers) : size;
    if (claimed.isValid() && qint64(claimed.width()) * claimed.height() > kMaxPicturePixels)
        return QCoreApplication::translate("PictureFile",
                                           "The picture claims %1 x %2 pixels, more than the %3 megapixels this "
                                           "program opens")
            .arg(claimed.width())
            .arg(claimed.height())
            .arg(kMaxPicturePixels / 1'000'000);
    if (bitmap && bitmapIsTruncated(headers, length))
        return truncated;
    image = QImage();
    if (size.isValid() && reader.imageFormat() != QImage::Format_Invalid) {
        image = QImage(size, reader.imageFormat());
        if (image.isNull()) return QCoreApplication::translate("PictureFile", "Not enough memory for the picture");
        image.fill(0);
    }
    if (!reader.read(&image) || image.isNull()) {
        image = QImage();
        return QCoreApplication::translate("PictureFile", "Its picture data cannot be decoded (%1)")
            .arg(reader.errorString());
    }
    completeColorTable(image);
    return {};
}

// The image over white, as an opened picture shows: transparent pixels
// white, every pixel opaque. Null when there is no memory for it.
QImage onWhite(const QImage& image) {
    QImage opaque(image.size(), QImage::Format_RGB32);
    if (opaque.isNull()) return opaque;
    opaque.fill(Qt::white);
    QPainter(&opaque).drawImage(0, 0, image);
    return opaque;
}

// The writer's format and quality for a file name (quality -1: its default).
std::pair<QByteArray, int> writtenFormat(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) return {"png", -1};
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return {"jpeg", 95};
    return {"bmp", -1};
}

// A file opened by its name's bytes has no name for Qt's reader to take a
// hint from: its suffix names the format, as Qt takes it for a file opened
// by name, when the content does not name one.
QByteArray formatHint(QIODevice& file, const LocalPath& path) {
    if (QImageReader(&file).canRead()) return {};
    return QFileInfo(path.shown()).suffix().toLower().toLatin1();
}

}  // namespace

bool changedSince(const LocalPath& path, const FileStamp& stamp) {
    if (!stamp.known()) return false;
    QFile file;
    openForReading(path, file);  // an empty file is read too
    return file.isOpen() && stampOf(file.handle()) != stamp;
}

LoadedPicture loadPicture(const LocalPath& path, FileStamp* read) {
    ReadFile file;
    if (const QString problem = openForReading(path, file); !problem.isEmpty())
        return {{}, cannotOpen(path.shown(), problem)};
    const QByteArray headers = file.peek(64);
    QImageReader reader(&file, formatHint(file, path));
    QImage image;
    const BytesAt bytesAt = [fd = file.handle()](qint64 at, int n) {
        QByteArray bytes(n, Qt::Uninitialized);
        const ssize_t read = ::pread(fd, bytes.data(), size_t(n), at);
        bytes.truncate(read < 0 ? 0 : qsizetype(read));
        return bytes;
    };
    if (const QString problem = decode(reader, headers, file.size(), truncatedBitmap(true), bytesAt, image);
        !problem.isEmpty())
        return {{}, cannotOpen(path.shown(), problem)};
    if (read) *read = stampOf(file.handle());
    LoadedPicture loaded{image, {}};
    const QString chart = image.text(QLatin1String(ChartText::kKey));
    if (!chart.isEmpty()) {
        ChartText::Read found = ChartText::read(chart.toLatin1(), image);
        loaded.chartFound = found.found;
        loaded.chart = std::move(found.chart);
    }
    return loaded;
}

LoadedPicture decodePicture(const QByteArray& data, const QByteArray& format, const QString& refusal) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    QImage image;
    const BytesAt bytesAt = [&data](qint64 at, int n) { return data.mid(at, n); };
    if (const QString problem = decode(reader, data.left(64), data.size(), truncatedBitmap(false), bytesAt, image);
        !problem.isEmpty())
        return {{}, refusal.arg(problem)};
    const QImage opaque = onWhite(image);
    if (opaque.isNull())
        return {{}, refusal.arg(QCoreApplication::translate("PictureFile", "Not enough memory for the picture"))};
    return {opaque, {}};
}

LoadedPicture pictureFromMime(const QMimeData* mime, const QString& refusal) {
    if (!mime) return {};
    // Lossless formats first, then the order the data gives.
    QStringList types{QStringLiteral("image/png"), QStringLiteral("image/bmp")};
    for (const QString& type : mime->formats())
        if (type.startsWith(QLatin1String("image/")) && !types.contains(type)) types.append(type);
    const QList<QByteArray> readable = QImageReader::supportedMimeTypes();
    for (const QString& type : types) {
        if (!mime->hasFormat(type) || !readable.contains(type.toLatin1())) continue;
        const QList<QByteArray> formats = QImageReader::imageFormatsForMimeType(type.toLatin1());
        return decodePicture(mime->data(type), formats.isEmpty() ? QByteArray() : formats.first(), refusal);
    }
    // Only a picture this program put there itself comes without encoded
    // data of a readable type: Qt offers it decoded otherwise.
    if (mime->hasImage()) return {onWhite(qvariant_cast<QImage>(mime->imageData())), {}};
    return {};
}

bool keepsChart(const QString& path) { return writtenFormat(path).first == "png"; }

QString writePicture(const QImage& image, const LocalPath& path, bool quickly, FileStamp* written,
                     const QByteArray& chart) {
    const auto [format, quality] = writtenFormat(path.shown());
    // A bitmap's length is known (unpacked rows of three bytes a pixel); a
    // compressed file only says that it is under way.
    const qint64 expected = format == "bmp" ? image.height() * bitmapRowBytes(image.width(), 24) : 0;
    return writeChecked(path, [&, format = format, quality = quality](QIODevice& file) {
        QImageWriter writer(&file, format);
        // Qt's PNG writer turns quality 80 into zlib level 1.
        writer.setQuality(quickly && format == "png" ? 80 : quality);
        if (format == "png" && !chart.isEmpty()) writer.setText(QLatin1String(ChartText::kKey), QString::fromLatin1(chart));
        const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
        return writer.write(rgb) ? QString() : writer.errorString();
    }, expected, written);
}

QString savePicture(const QImage& image, const LocalPath& path, bool quickly, FileStamp* written,
                    const QByteArray& chart) {
    const QString reason = writePicture(image, path, quickly, written, chart);
    if (reason.isEmpty()) return {};
    return QCoreApplication::translate("PictureFile", "The picture could not be saved to \"%1\": %2").arg(path.shown(), reason);
}
