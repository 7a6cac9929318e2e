// The recovery store: a copy is offered only once the instance that wrote it
// has ended or been killed, the newest first, damaged or not; removed and
// discarded copies leave nothing; a folder that cannot be written is a
// reason, not a crash.
#include "Harness.h"
#include "app/scripting/ScriptedDialogs.h"
#include "files/AutoRecovery.h"
#include "files/PictureFile.h"
#include "files/Recovery.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

QImage picture(int width) {
    QImage img(width, 30, QImage::Format_RGB32);
    img.fill(QColor(20, 140, 90));
    img.setPixel(width - 1, 29, qRgb(255, 0, 0));
    return img;
}

QString pathFor(int width) { return QStringLiteral("/pictures/w%1.bmp").arg(width); }

// A child process writes a copy and ends at once, as a killed instance does:
// nothing of its own is cleaned up and its lock file stays behind.
bool writeAndDie(const QString& folder, int width) {
    const pid_t pid = fork();
    if (pid == 0) {
        RecoveryStore store(folder);
        _exit(store.write(picture(width), pathFor(width), QStringLiteral("w%1.bmp").arg(width)) ? 0 : 1);
    }
    int status = 1;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

QStringList entries(const QString& folder) { return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

}  // namespace

TEST(Recovery, OnlyCopiesOfInstancesThatAreGoneAreOfferedNewestFirst) {
    enum Fate { Live, Ended, Killed, Removed };
    struct Writer {
        Fate fate;
        int width;  // tells the copies apart
    };
    const struct {
        const char* name;
        std::vector<Writer> writers;  // in the order they write
        int offered;                  // the width of the copy offered, 0 for none
        int offeredNext;  // to a second start while the first one asks
    } cases[] = {
        {"a running instance's copy", {{Live, 10}}, 0, 0},
        {"an ended instance's copy", {{Ended, 10}}, 10, 0},
        {"a killed instance's copy", {{Killed, 10}}, 10, 0},
        {"a removed copy", {{Removed, 10}}, 0, 0},
        {"the newest of several", {{Ended, 10}, {Killed, 20}, {Ended, 30}, {Killed, 40}, {Ended, 50}}, 50, 40},
        {"a newer running copy hides no older one", {{Killed, 10}, {Live, 20}}, 10, 0},
        {"a newer removed copy hides no older one", {{Ended, 10}, {Removed, 20}}, 10, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir tmp;
        const QString folder = tmp.filePath(QStringLiteral("recovery"));  // made by the first write
        std::vector<std::unique_ptr<RecoveryStore>> running;
        for (const Writer& w : c.writers) {
            QThread::msleep(3);  // copies written in order carry times in order
            if (w.fate == Killed) {
                ASSERT_TRUE(writeAndDie(folder, w.width));
                continue;
            }
            auto store = std::make_unique<RecoveryStore>(folder);
            ASSERT_TRUE(store->write(picture(w.width), pathFor(w.width), QStringLiteral("w%1.bmp").arg(w.width)))
                << qPrintable(store->errorString());
            if (w.fate == Removed) store->remove();
            if (w.fate == Live) running.push_back(std::move(store));
        }
        const auto found = RecoveryStore::newestStale(folder);
        if (c.offered == 0) {
            EXPECT_FALSE(found.has_value());
            if (running.empty()) {
                EXPECT_EQ(entries(folder), QStringList());
            }
            continue;
        }
        ASSERT_TRUE(found.has_value());
        // The first start's claim holds while it asks: the same copy is
        // never offered twice at once.
        const auto next = RecoveryStore::newestStale(folder);
        EXPECT_EQ(next ? QImage(next->png).width() : 0, c.offeredNext);
        EXPECT_EQ(QImage(found->png).convertToFormat(QImage::Format_RGB32), picture(c.offered));
        EXPECT_EQ(found->path, pathFor(c.offered));
        EXPECT_EQ(found->title, QStringLiteral("w%1.bmp").arg(c.offered));
        EXPECT_LT(qAbs(found->when.secsTo(QDateTime::currentDateTime())), 60);
        const QStringList before = entries(folder);
        EXPECT_TRUE(RecoveryStore::discard(*found));
        EXPECT_EQ(entries(folder).size(), before.size() - 2);
        EXPECT_FALSE(QFile::exists(found->png) || QFile::exists(found->side));
    }
}

TEST(Recovery, DamagedCopiesAreStillOffered) {
    const struct {
        const char* name;
        const char* damaged;  // the file spoilt, by extension
        QByteArray bytes;     // its new contents; null deletes it
        bool pictureReads;
        QString title;
    } cases[] = {
        {"a picture cut short", "png", "\x89PNG\r\n", false, "w10.bmp"},
        {"a missing side file", "json", {}, true, "Untitled"},
        {"a side file of junk", "json", "{\"path\": [", true, "Untitled"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir tmp;
        ASSERT_TRUE(RecoveryStore(tmp.path()).write(picture(10), pathFor(10), "w10.bmp"));  // and ends
        const QString spoilt = QDir(tmp.path()).entryList({QStringLiteral("*.") + c.damaged}).value(0);
        ASSERT_FALSE(spoilt.isEmpty());
        QFile file(tmp.filePath(spoilt));
        if (c.bytes.isNull())
            file.remove();
        else if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(c.bytes);
        file.close();
        const auto found = RecoveryStore::newestStale(tmp.path());
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(QImage(found->png).isNull(), !c.pictureReads);
        EXPECT_EQ(found->title, c.title);
        EXPECT_TRUE(found->when.isValid());
    }
}

TEST(Recovery, AFolderThatCannotBeWrittenIsAReason) {
    QTemporaryDir tmp;
    QFile plain(tmp.filePath(QStringLiteral("file")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(plain.fileName()));
    const QString folders[] = {plain.fileName() + QStringLiteral("/recovery"), RecoveryStore::defaultFolder()};
    qputenv("XDG_DATA_HOME", dataHome);
    for (const QString& folder : folders) {
        SCOPED_TRACE(folder.toStdString());
        ASSERT_TRUE(folder.startsWith(plain.fileName() + '/'));
        RecoveryStore store(folder);
        EXPECT_FALSE(store.write(picture(10), {}, QStringLiteral("Untitled")));
        EXPECT_EQ(store.errorString(),
                  QStringLiteral("The recovery copy could not be written to \"%1\": The folder cannot be made").arg(folder));
        EXPECT_FALSE(RecoveryStore::newestStale(folder).has_value());
    }
}

TEST(Recovery, TheQuestionNamesThePictureAndWhen) {
    const QDateTime written(QDate(2025, 3, 3), QTime(10, 42, 7));
    const struct {
        QString title;
        QDateTime now;
        QString question;
    } cases[] = {
        {"Untitled", written.addSecs(3600),
         "Tavimbre was closed with unsaved changes to Untitled (today 10:42). Recover them?"},
        {"chart.bmp", written.addDays(1),
         "Tavimbre was closed with unsaved changes to chart.bmp (3 March 2025 10:42). Recover them?"},
    };
    for (const auto& c : cases) {
        RecoveryStore::Found found{"x.png", "x.json", {}, c.title, written, {}};
        EXPECT_EQ(RecoveryStore::question(found, c.now), c.question);
    }
}

// Script runs end as a killed window does, leaving their copy: the next run
// asks about it first, and each answer does what it says. A copy is written
// only while the picture has unsaved changes; a save removes it; a folder
// that cannot be written is told once and stops nothing. The file a copy
// was made from is never written over unasked.
TEST(Recovery, TheNextRunOffersWhatARunLeft) {
    const QString draw =
        QStringLiteral("click cmdSquare\ndown 1 0 300 300\nmove 1 0 3000 3000\nup 1 0 3000 3000\n");
    const QString asked = QStringLiteral("ask 35 Tavimbre|Tavimbre was closed with unsaved changes to ");
    const QString failed = QStringLiteral("message Tavimbre|The recovery copy could not be written");
    // Copies in the background, one after another as the timer makes them,
    // the picture drawn on between them; the last one asked for once they
    // are all written.
    const auto backgroundCopies = [&](int copies) {
        QString script = draw + "dblclick cmdSquare\n";
        for (int i = 0; i < copies; ++i)
            script += QStringLiteral("autosave async\ndown 1 0 %1 300\nup 1 0 %2 %3\nwait %4\n")
                          .arg(150 + i * 45).arg(750 + i * 45).arg(600 + i % 40 * 150).arg(i % 3 * 5);
        return script;
    };
    struct Run {
        QString script;
        bool asks;
    };
    const struct {
        const char* name;
        std::vector<Run> runs;
        bool unwritable = false;
    } cases[] = {
        {"Yes brings the picture back, changed",
         {{draw + "autosave\nexport %D/drawn.png\n", false},
          {"answer 6\ndump\nexport %D/back.png\n", true}}},
        {"Yes, then undo takes back the recovery with its name: Save asks for one",
         {{"file %D/chart.bmp\nmenu open1\n" + draw + "autosave\n", false},
          {"answer 6\nmenu undo1\nfile cancel\nmenu save1\ndump\n", true}}},
        // What floats is in the copy: the export after the drop shows
        // what the window showed when the copy was written.
        {"a moved part that still floats is in the copy",
         {{draw + "key Ctrl+Shift+M\ndown 1 0 0 0\nup 1 0 3300 3300\ndown 1 0 1500 1500\nup 1 0 7500 4500\nautosave\n"
                  "key Esc\nexport %D/drawn.png\n",
           false},
          {"answer 6\ndump\nexport %D/back.png\n", true}}},
        {"a floating paste is in the copy",
         {{draw + "key Ctrl+Shift+M\ndown 1 0 0 0\nup 1 0 3300 3300\nkey Ctrl+C\nkey Ctrl+V\ndown 1 0 1500 1500\n"
                  "up 1 0 7500 1500\nautosave\nkey Esc\nexport %D/drawn.png\n",
           false},
          {"answer 6\ndump\nexport %D/back.png\n", true}}},
        {"a rubber band is never in the copy: none is begun during a drag",
         {{draw + "autosave\nexport %D/drawn.png\nclick cmdSquare\ndown 1 0 4500 4500\nmove 1 0 7500 7500\nautosave\n",
           false},
          {"answer 6\ndump\nexport %D/back.png\n", true}}},
        {"nor is a figure's move preview",
         {{draw + "autosave\nexport %D/drawn.png\nmenu arrange1\ndown 1 0 1500 1500\nmove 1 0 3000 1500\nautosave\n",
           false},
          {"answer 6\ndump\nexport %D/back.png\n", true}}},
        {"No deletes the copy", {{draw + "autosave\n", false}, {"answer 7\ndump\n", true}, {"dump\n", false}}},
        {"Cancel keeps it for the next start",
         {{draw + "autosave\n", false}, {"answer 2\ndump\n", true}, {"answer 7\ndump\n", true}}},
        {"a save removes the copy", {{draw + "autosave\nfile %D/x.bmp\nmenu saveas1\n", false}, {"dump\n", false}}},
        {"150 background copies in a row: the last is the picture",
         {{backgroundCopies(150) + "autosave async\nwait 1500\nexport %D/drawn.png\n", false},
          {"answer 6\ndump\nexport %D/back.png\n", true}}},
        {"a save while a background copy is written removes it once written",
         {{backgroundCopies(20) + "autosave async\nfile %D/x.bmp\nmenu saveas1\nwait 1500\n", false},
          {"dump\n", false}}},
        {"an unchanged picture has no copy", {{"autosave\n", false}, {"dump\n", false}}},
        {"an unwritable folder is told once; drawing and saving go on",
         {{draw + "autosave\n" + draw + "autosave\nfile %D/x.bmp\nmenu saveas1\n", false}}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        QFile(dir.filePath("plain")).open(QIODevice::WriteOnly);
        const auto chart = [&] {
            QFile f(dir.filePath("chart.bmp"));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        ASSERT_TRUE(picture(40).save(dir.filePath("chart.bmp"), "BMP"));
        const QByteArray original = chart();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_DATA_HOME", c.unwritable ? dir.filePath("plain") + "/data" : dir.filePath("data"));
        for (const Run& run : c.runs) {
            QProcess p;
            p.setProcessEnvironment(env);
            p.start(QStringLiteral(TAVIMBRE_EXE), {"--script", "-"});
            p.write(QString(run.script).replace("%D", dir.path()).toUtf8());
            p.closeWriteChannel();
            ASSERT_TRUE(p.waitForFinished(30000));
            const QString out = QString::fromUtf8(p.readAllStandardOutput());
            EXPECT_EQ(p.exitCode(), 0) << qPrintable(out + p.readAllStandardError());
            EXPECT_EQ(out.startsWith(asked), run.asks) << qPrintable(out);
            if (run.asks && run.script.startsWith("answer 6")) {
                EXPECT_TRUE(out.contains("canvasClean=false\ntoolsClean=false\n")) << qPrintable(out);
            }
            EXPECT_EQ(out.count(failed), c.unwritable ? 1 : 0) << qPrintable(out);
        }
        if (QFile::exists(dir.filePath("back.png"))) {
            EXPECT_EQ(QImage(dir.filePath("back.png")), QImage(dir.filePath("drawn.png")));
        }
        if (c.unwritable) {
            EXPECT_TRUE(QFile::exists(dir.filePath("x.bmp")));
        }
        EXPECT_EQ(chart(), original);
    }
}

// A copy written in the background holds the picture as it was when the copy
// began, however the canvas is drawn on meanwhile; a copy due while one is
// under way starts no second one.
TEST(Recovery, ABackgroundCopyHoldsThePictureAtItsStart) {
    // What the user does while the copy is made; each picture was resized
    // and then changed by a step (a short line) just before the copy began.
    struct Change {
        const char* name;
        int slices;  // slices of the copy made first
        bool atTheCap;  // tried on the largest picture too (each try there takes seconds)
        std::function<void(Document&, QSize)> make;
    };
    const Change changes[] = {
        {"painted over", 0, true,
         [](Document& doc, QSize size) {
             doc.canvas.Whiten(QRect(QPoint(), size));
             doc.canvas.Line(15.f * size.width(), 0, 0, 15.f * size.height());
         }},
        {"painted over, part copied", 3, false,
         [](Document& doc, QSize size) { doc.canvas.Line(0, 15.f * size.height(), 15.f * size.width(), 0); }},
        {"the line undone", 0, true, [](Document& doc, QSize) { doc.undo(); }},
        {"the line and the resize undone", 0, false,
         [](Document& doc, QSize) {
             doc.undo();
             doc.undo();
         }},
        {"resized, then undone", 1, false,
         [](Document& doc, QSize) {
             doc.resize({300, 200});
             doc.undo();
         }},
        {"filled", 0, false, [](Document& doc, QSize) { doc.fill({5, 0}, 255, 0); }},
    };
    const QSize sizes[] = {Canvas::kDefaultSize, {4000, 3000}, {10000, 10000}};
    for (const QSize size : sizes)
        for (const Change& change : changes) {
            if (size.width() > 4000 && !change.atTheCap) continue;
            SCOPED_TRACE(testing::Message() << size.width() << ", " << change.name);
            QTemporaryDir data;
            const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
            qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
            Document doc;
            ScriptedDialogs dialogs([](const QString&) {});
            AutoRecovery recovery(doc, dialogs);
            const QDir folder(RecoveryStore::defaultFolder());
            qputenv("XDG_DATA_HOME", dataHome);
            ASSERT_EQ(doc.resize(size), QString());
            doc.beginStep();
            doc.canvas.Line(0, 0, 1500, 1500);
            doc.endStep();
            doc.markChanged();
            const QImage atStart = doc.canvas.Image().copy();
            recovery.writeInBackground();
            ASSERT_TRUE(recovery.writing());
            for (int i = 0; i < change.slices; ++i) QApplication::processEvents();
            change.make(doc, size);
            recovery.writeInBackground();  // due again: waits its turn
            recovery.finish();
            EXPECT_TRUE(recovery.hasCopy());
            const QStringList copies = folder.entryList({QStringLiteral("*.png")});
            ASSERT_EQ(copies.size(), 1);
            EXPECT_TRUE(loadPicture(folder.filePath(copies[0])).image.convertToFormat(QImage::Format_RGB32) == atStart);
            recovery.discard();
            EXPECT_EQ(folder.entryList(QDir::Files), QStringList());
        }
}

// A failure's notice is a message box with an event loop of its own, in
// which the timer may ask for the next copy. That copy is still being
// written when the box closes; neither a save nor letting the changes go
// afterwards leaves anything of it in the folder.
TEST(Recovery, NoCopyOutlivesASaveOrTheChangesLetGo) {
    // Its messages run an event loop of 400 ms, as a message box does.
    struct LingeringDialogs : ScriptedDialogs {
        std::function<void()> during;
        QStringList told;
        LingeringDialogs() : ScriptedDialogs([](const QString&) {}) {}
        void Message(const QString&, const QString& text) override {
            told << text;
            QEventLoop loop;
            QTimer::singleShot(0, &loop, during);
            QTimer::singleShot(400, &loop, &QEventLoop::quit);
            loop.exec();
        }
    };
    const struct {
        const char* name;
        bool saved;  // else the changes are let go
    } cases[] = {{"saved", true}, {"let go", false}};
    // Noise, so that its copy takes longer to encode than the box is open.
    QImage noise(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y) {
        auto* row = reinterpret_cast<quint32*>(noise.scanLine(y));
        QRandomGenerator::global()->fillRange(row, noise.width());
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir tmp;
        // The first copy fails: its folder would be inside a plain file.
        const QString blocked = tmp.filePath(QStringLiteral("data"));
        QFile(blocked).open(QIODevice::WriteOnly);
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(blocked));
        const QDir folder(RecoveryStore::defaultFolder());
        Document doc;
        LingeringDialogs dialogs;
        {
            AutoRecovery recovery(doc, dialogs);
            qputenv("XDG_DATA_HOME", dataHome);
            ASSERT_EQ(doc.replacePicture(noise, {}, {{}, QStringLiteral("Untitled"), true, QStringLiteral("Untitled")}),
                      QString());
            doc.markChanged();
            dialogs.during = [&] {
                QFile::remove(blocked);
                QDir().mkpath(blocked);
                recovery.writeInBackground();
            };
            recovery.writeInBackground();
            // Events are handled with pauses, so that the worker, which
            // gives way to the window's thread, is not starved.
            QElapsedTimer waited;
            waited.start();
            const auto handleEventsWhile = [&](const std::function<bool()>& going) {
                while (going() && waited.elapsed() < 30000) {
                    QApplication::processEvents();
                    QThread::msleep(2);
                }
            };
            handleEventsWhile([&] { return dialogs.told.isEmpty(); });
            ASSERT_EQ(dialogs.told.size(), 1);
            ASSERT_TRUE(recovery.writing());  // the second copy
            if (c.saved) {
                doc.canvasClean = doc.toolsClean = true;
                recovery.settle();
                handleEventsWhile([&] { return recovery.writing(); });
            } else {
                recovery.discard();
            }
        }  // the recovery waits for what is under way
        EXPECT_EQ(folder.entryList(QDir::Files), QStringList());
        EXPECT_EQ(dialogs.told.size(), 1);
    }
}

// The window's start: the newest copy that can be read is offered, one that
// cannot is told of once and set aside; a copy taken is the picture, and the
// file named on the command line is not opened over it.
TEST(Recovery, TheStartOffersTheNewestCopyThatCanBeRead) {
    const QString asked = QStringLiteral("ask 35 Tavimbre|Tavimbre was closed with unsaved changes to w10.bmp (");
    const struct {
        const char* name;
        std::vector<int> copies;  // widths of the copies killed instances left, oldest first; 0 a damaged one
        bool named;               // the start names chart.bmp
        std::vector<int> answers;
        QStringList out;          // the start's lines, each up to its first "("
        QString title;            // the picture's afterwards
        bool changed;
    } cases[] = {
        {"a copy taken, with a file named", {10}, true, {Answer::Yes}, {asked}, "w10.bmp", true},
        {"a copy refused, with a file named", {10}, true, {Answer::No}, {asked}, "chart.bmp", false},
        {"a damaged newest copy before a good one", {10, 0}, false, {Answer::Yes},
         {"message Tavimbre|The file \"", asked}, "w10.bmp", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir tmp;
        ASSERT_TRUE(picture(40).save(tmp.filePath("chart.bmp"), "BMP"));
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(tmp.filePath("data")));
        const QString folder = RecoveryStore::defaultFolder();
        for (const int width : c.copies) {
            QThread::msleep(3);  // copies written in order carry times in order
            ASSERT_TRUE(writeAndDie(folder, width ? width : 20));
            if (width) continue;
            const QStringList pngs = QDir(folder).entryList({"*.png"}, QDir::Files, QDir::Time);
            QFile newest(QDir(folder).filePath(pngs.value(0)));
            ASSERT_TRUE(newest.open(QIODevice::WriteOnly | QIODevice::Truncate) && newest.write("\x89PNG\r\n") == 6);
        }
        Harness h;
        for (const int a : c.answers) h.dialogs.queueAnswer(a);
        h.w->openAtStart(c.named ? tmp.filePath("chart.bmp") : QString());
        qputenv("XDG_DATA_HOME", dataHome);
        ASSERT_EQ(h.out.size(), c.out.size()) << qPrintable(h.out.join('\n'));
        for (int i = 0; i < c.out.size(); ++i) EXPECT_TRUE(h.out[i].startsWith(c.out[i])) << qPrintable(h.out[i]);
        EXPECT_EQ(h.dumped("fileTitle"), c.title);
        EXPECT_EQ(h.dumped("canvasClean") == "false" && h.dumped("toolsClean") == "false", c.changed);
        // The damaged copy is offered no more.
        EXPECT_FALSE(RecoveryStore::newestStale(folder).has_value());
    }
}
