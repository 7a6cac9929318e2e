// Saves the disk refuses: a file or folder that cannot be changed. These
// tests run as root, for whom permission bits stop nothing; the immutable
// attribute (chattr +i) stops root too on ext2/3/4 and similar file systems.
#include "FilesTestSupport.h"

#include <QProcess>
#include <QStandardPaths>

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
