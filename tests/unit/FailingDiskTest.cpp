// Saves the disk refuses: a file or folder that cannot be changed, and a
// disk that is full. These tests run as root, for whom permission bits stop
// nothing; the immutable attribute (chattr +i) stops root too on ext2/3/4
// and similar file systems, and a full disk is a small tmpfs of their own.
#include "FilesTestSupport.h"
#include "files/Recovery.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

bool chattr(const QString& flag, const QString& path) {
    return QProcess::execute("chattr", {flag, path}) == 0;
}

// Makes a path immutable for its lifetime, so that even a failing test
// leaves a folder its temporary directory can remove.
struct Immutable {
    QString path;
    bool ok;
    explicit Immutable(QString p) : path(std::move(p)), ok(chattr("+i", path)) {}
    ~Immutable() {
        if (ok) chattr("-i", path);
    }
};

// The dump but the answer to the replace question, which Save As asks.
QStringList withoutAnswer(QStringList dump) {
    dump.removeIf([](const QString& l) { return l.startsWith("msgAnswer="); });
    return dump;
}

// A tmpfs of 1 MiB mounted for its lifetime, and filled by fill() until only
// so many bytes are free.
struct SmallDisk {
    QTemporaryDir dir;
    bool mounted = geteuid() == 0 &&
                   QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=1m", "tmpfs", dir.path()}) == 0;
    ~SmallDisk() {
        if (mounted) QProcess::execute("umount", {dir.path()});
    }
    qint64 available() const {
        struct statvfs fs {};
        return statvfs(QFile::encodeName(dir.path()).constData(), &fs) == 0 ? qint64(fs.f_bavail) * qint64(fs.f_bsize)
                                                                             : -1;
    }
    bool fill(qint64 free) const {
        QFile filler(dir.filePath("filler"));
        const qint64 size = available() - free;
        return size >= 0 && filler.open(QIODevice::WriteOnly) && filler.write(QByteArray(size, 'x')) == size &&
               filler.flush() && available() == free;
    }
    // Every file's bytes, by its path under the disk.
    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> all;
        for (QDirIterator it(dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
            QFile f(it.next());
            all.insert(f.fileName().mid(dir.path().size()), f.open(QIODevice::ReadOnly) ? f.readAll() : "unreadable");
        }
        return all;
    }
};

struct RefusedSave {
    const char* name;
    QString locked;  // relative to the folder; empty for the folder itself
    QStringList script;
    QString target;
    QString reason;
};

}  // namespace

TEST(FailingDisk, SavesOntoWhatCannotBeChangedLeaveEverythingAsItWas) {
    if (QStandardPaths::findExecutable("chattr").isEmpty()) GTEST_SKIP() << "chattr is missing";
    const RefusedSave cases[] = {
        {"Save onto a file that cannot be changed", "old.bmp", {"menu save1"}, "%D/old.bmp",
         "Existing file %D/old.bmp is not writable"},
        {"Save into a folder that cannot be changed", "", {"menu save1"}, "%D/old.bmp", "Operation not permitted"},
        {"Save As of a new name into a folder that cannot be changed", "", {"file %D/new.bmp", "menu saveas1"},
         "%D/new.bmp", "Operation not permitted"},
        {"Save As replacing a file that cannot be changed", "old.bmp",
         {"file %D/old.bmp", "answer 6", "menu saveas1"}, "%D/old.bmp", "Existing file %D/old.bmp is not writable"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FilesFolder f;
        Harness h;
        h.run(f.expand({"file %D/old.bmp", "menu open1", "draw"}));
        const QByteArray old = f.read("old.bmp");
        const QStringList names = f.names();
        const QStringList before = h.w->dump();
        Immutable lock(c.locked.isEmpty() ? f.dir.path() : f.path(c.locked));
        if (!lock.ok) GTEST_SKIP() << "this file system has no immutable attribute";
        h.out.clear();
        h.run(f.expand(c.script));
        ASSERT_FALSE(h.out.isEmpty());
        EXPECT_EQ(h.out.last(), f.expand({"message Tavimbre|The picture could not be saved to \"" + c.target + "\": " +
                                          c.reason}).first());
        EXPECT_EQ(withoutAnswer(h.w->dump()), withoutAnswer(before));
        EXPECT_EQ(h.dumped("canvasClean"), "false");
        EXPECT_EQ(f.read("old.bmp"), old);
        EXPECT_EQ(f.names(), names);
    }
}

// On a disk with a few kilobytes or nothing left, every kind of write fails
// whole: the message gives the system's reason, every file on the disk stays
// byte for byte, nothing empty or half-written is left, and the picture
// keeps its name and counts as unsaved.
TEST(FailingDisk, WritesOntoAFullDiskLeaveEverythingAsItWas) {
    if (!SmallDisk().mounted) GTEST_SKIP() << "full-disk cases not run: they mount a small tmpfs, which takes root";
    const QString noSpace = QStringLiteral("No space left on device");
    const struct {
        const char* name;
        QStringList before;  // run before the disk is filled
        QStringList script;  // run on the full disk
        QString message;     // %D the disk, %R the recovery folder
    } cases[] = {
        {"Save of a PNG", {"file %D/old.png", "menu open1", "draw"}, {"menu save1"},
         "The picture could not be saved to \"%D/old.png\": "},
        {"Save of a JPEG", {"file %D/old.jpg", "menu open1", "draw"}, {"menu save1"},
         "The picture could not be saved to \"%D/old.jpg\": "},
        {"Save of a bitmap", {"file %D/old.bmp", "menu open1", "draw"}, {"menu save1"},
         "The picture could not be saved to \"%D/old.bmp\": "},
        {"Save As of a new name", {"file %D/old.png", "menu open1", "draw"}, {"file %D/new.png", "menu saveas1"},
         "The picture could not be saved to \"%D/new.png\": "},
        {"Export as PDF over an older one", {"file %D/old.png", "menu open1", "draw"},
         {"file %D/old.pdf", "answer 6", "menu exportpdf1"}, "The picture could not be exported to \"%D/old.pdf\": "},
        {"Print into a file over an older PDF", {"file %D/old.png", "menu open1", "draw"},
         {"file %D/old.pdf", "answer 6", "menu print1"}, "The picture could not be printed into \"%D/old.pdf\": "},
        {"A recovery copy over an older one", {"file %D/old.png", "menu open1", "draw", "autosave", "draw"},
         {"autosave"}, "The recovery copy could not be written to \"%R\": "},
        // Copies that stop again after they had worked are told again.
        {"A recovery copy failing, working, then failing again",
         {"file %D/old.png", "menu open1", "draw", "full", "autosave", "freed", "draw", "autosave", "draw"},
         {"autosave"}, "The recovery copy could not be written to \"%R\": "},
    };
    // Too large for 4 KB in any format, and small enough to sit whole in a
    // file's write buffer until it is flushed.
    QImage noise(72, 56, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x) noise.setPixel(x, y, QRandomGenerator::global()->generate());
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    for (const qint64 free : {4096, 0})
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << ", " << free << " bytes free");
            SmallDisk disk;
            ASSERT_TRUE(disk.mounted);
            for (const char* name : {"old.png", "old.jpg", "old.bmp"}) {
                ASSERT_TRUE(noise.save(disk.dir.filePath(name), nullptr, 95));
                const qint64 size = QFileInfo(disk.dir.filePath(name)).size();
                ASSERT_TRUE(size > 5000 && size < 14000) << name << " " << size;
            }
            QFile pdf(disk.dir.filePath("old.pdf"));
            ASSERT_TRUE(pdf.open(QIODevice::WriteOnly) && pdf.write("%PDF-1.4 an older export\n") > 0);
            pdf.close();
            qputenv("XDG_DATA_HOME", QFile::encodeName(disk.dir.filePath("data")));
            const QString recovery = RecoveryStore::defaultFolder();
            const auto expand = [&](QStringList lines) {
                for (QString& l : lines)
                    if (l == QLatin1String("draw"))
                        l = "click cmdSquare\ndown 1 0 300 300\nmove 1 0 900 900\nup 1 0 900 900";
                    else
                        l.replace("%R", recovery).replace("%D", disk.dir.path());
                return lines.join('\n').split('\n');
            };
            Harness h;
            qputenv("XDG_DATA_HOME", dataHome);
            // "full" fills the disk as the case's script finds it, "freed"
            // frees it again; what fails meanwhile is told with its reason.
            for (const QString& line : expand(c.before)) {
                if (line == QLatin1String("full"))
                    ASSERT_TRUE(disk.fill(free));
                else if (line == QLatin1String("freed"))
                    ASSERT_TRUE(QFile::remove(disk.dir.filePath("filler")));
                else
                    h.run(line);
            }
            for (const QString& told : h.out.filter(QRegularExpression("^message ")))
                EXPECT_TRUE(told.startsWith("message Tavimbre|" + expand({c.message}).first()) && told.endsWith(noSpace))
                    << qPrintable(told);
            ASSERT_TRUE(disk.fill(free)) << disk.available();
            const QMap<QString, QByteArray> files = disk.files();
            const QStringList dump = withoutAnswer(h.w->dump());
            h.out.clear();
            h.run(expand(c.script));
            EXPECT_EQ(h.out.filter(QRegularExpression("^message ")),
                      QStringList("message Tavimbre|" + expand({c.message}).first() + noSpace));
            EXPECT_TRUE(disk.files() == files) << qPrintable(QStringList(disk.files().keys()).join(' '));
            EXPECT_EQ(withoutAnswer(h.w->dump()), dump);
            EXPECT_EQ(h.dumped("canvasClean"), "false");
        }
}
