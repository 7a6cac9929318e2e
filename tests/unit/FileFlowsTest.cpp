// New, Open, Save, Save As, Exit and the close box driven by scripts: every
// question and dialog in order, the flags afterwards, and what was written.
#include "FilesTestSupport.h"

#include <fcntl.h>
#include <iterator>
#include <sys/stat.h>

namespace {

const QString kAskUntitled =
    QStringLiteral("ask 35 Tavimbre|The  Untitled  file has changed. Do you want to save the changes?");
QString askFromOpen(const QString& title) {
    return QStringLiteral("ask 35 Tavimbre|The  %1 file has changed. Do you want to save the changes?").arg(title);
}
QString askReplace(const QString& path) {
    return QStringLiteral("ask 36 Warning|%1 already exists.\\r\\nDo you want to replace it?").arg(path);
}

struct Flow {
    const char* name;
    QStringList script;
    QStringList out;        // every line printed, in order
    QStringList flags;      // key=value lines of the dump, or cancelClose / closeConfirmed
    int cls;                // times the picture was cleared
    QStringList rewritten;  // files of the folder whose bytes changed
    QStringList created;    // files that were not there before
};

QString flag(Harness& h, const QString& key) {
    auto b = [](bool v) { return v ? QStringLiteral("true") : QStringLiteral("false"); };
    if (key == QLatin1String("cancelClose")) return b(h.w->form.cancelClose);
    if (key == QLatin1String("closeConfirmed")) return b(h.w->form.closeConfirmed);
    if (key == QLatin1String("initDir")) return h.w->cdlforfunctions.InitDir;
    return h.dumped(key);
}

const QString kCaption = QStringLiteral("caption=  Tavimbre -   ");
const QString kMissing =
    QStringLiteral("message Tavimbre|The picture could not be saved to \"%D/missing/pic.bmp\": No such file or directory");

// New, Exit and the close box.
const Flow kNewExitAndClose[] = {
    {"New with a tool chosen but the canvas untouched asks nothing",
     {"click cmdSquare", "menu new1"}, {},
     {"canvasClean=true", "toolsClean=false", "isUntitled=true", "filePath=Untitled", "fileTitle=Untitled",
      kCaption + "Untitled"}, 1, {}, {}},
    {"New on a fresh window is no step: Undo after it leaves the picture unchanged, Exit closes at once",
     {"menu new1", "menu undo1", "menu exit1"}, {"closed"},
     {"canvasClean=true", "toolsClean=true", "filePath=Untitled", "undoSteps=0"}, 1, {}, {}},
    {"Exit with the canvas touched but no tool chosen closes at once",
     {"down 1 0 300 300", "up 1 0 300 300", "menu exit1"}, {"closed"}, {"canvasClean=false", "toolsClean=true"}, 0, {}, {}},
    {"Exit answered Cancel does not hold a later close answered No",
     {"draw", "answer 2", "menu exit1", "answer 7", "close"}, {kAskUntitled, kAskUntitled, "closed"},
     {"msgAnswer=7", "closeConfirmed=true"}, 0, {}, {}},
    {"Exit from the menu answered No closes", {"draw", "answer 7", "menu exit1"}, {kAskUntitled, "closed"}, {}, 0, {}, {}},
    {"Exit from the menu answered Yes saves and keeps the window open",
     {"draw", "answer 6", "file %D/pic.bmp", "menu exit1"}, {kAskUntitled, "dialog save"},
     {"canvasClean=true", "toolsClean=true", "filePath=%D/pic.bmp", "initDir=%D"}, 0, {}, {"pic.bmp"}},
    {"New answered Cancel changes nothing",
     {"file %D/old.bmp", "menu open1", "draw", "answer 2", "menu new1"},
     {"dialog open", "ask 35 Tavimbre|The  old.bmp  file has changed. Do you want to save the changes?"},
     {"filePath=%D/old.bmp", "fileTitle=old.bmp", "isUntitled=false", "canvasClean=false", "toolsClean=false",
      kCaption + "%D/old.bmp", "msgAnswer=2"}, 0, {}, {}},
    {"New answered Yes saves, then clears", {"draw", "answer 6", "file %D/pic.bmp", "menu new1"},
     {kAskUntitled, "dialog save"},
     {"filePath=Untitled", "isUntitled=true", "canvasClean=true", "toolsClean=true", kCaption + "Untitled"}, 1, {},
     {"pic.bmp"}},
    {"New answered Yes keeps the picture when the save is cancelled", {"draw", "answer 6", "file cancel", "menu new1"},
     {kAskUntitled, "dialog save"}, {"canvasClean=false", "toolsClean=false", "filePath=", "isUntitled=true"}, 0, {}, {}},
    {"New answered Yes keeps the picture when the write fails",
     {"draw", "answer 6", "file %D/missing/pic.bmp", "menu new1"}, {kAskUntitled, "dialog save", kMissing},
     {"canvasClean=false", "toolsClean=false", "filePath=", "isUntitled=true"}, 0, {}, {}},
    {"The close box answered Yes saves, then closes", {"draw", "answer 6", "file %D/pic.bmp", "close"},
     {kAskUntitled, "dialog save", "closed"}, {}, 0, {}, {"pic.bmp"}},
    {"The close box answered Yes stays open when the save is cancelled; No then closes",
     {"draw", "answer 6", "file cancel", "close", "answer 7", "close"},
     {kAskUntitled, "dialog save", kAskUntitled, "closed"}, {"canvasClean=false", "cancelClose=false"}, 0, {}, {}},
    {"The close box answered Yes stays open when the write fails",
     {"draw", "answer 6", "file %D/missing/pic.bmp", "close"}, {kAskUntitled, "dialog save", kMissing},
     {"canvasClean=false", "isUntitled=true", "cancelClose=false", "closeConfirmed=false"}, 0, {}, {}},
    {"The close box answered Cancel stays open", {"draw", "answer 2", "close"}, {kAskUntitled},
     {"cancelClose=false", "closeConfirmed=false", "canvasClean=false"}, 0, {}, {}},
};

// Open, Save, Save As, and undo across them.
const Flow kOpenAndSave[] = {
    {"A file dropped on the window opens as Open does, after the same question",
     {"draw", "answer 7", "drop %D/old.bmp", "menu exit1"}, {askFromOpen("Untitled"), "closed"},
     {"isUntitled=false", "canvasClean=true", "filePath=%D/old.bmp", kCaption + "%D/old.bmp"}, 0, {}, {}},
    {"A failed Save As leaves the file dialogs in the folder of the last open",
     {"file %D/old.bmp", "menu open1", "draw", "file %D/missing/pic.bmp", "menu saveas1"},
     {"dialog open", "dialog save", kMissing}, {"initDir=%D", "filePath=%D/old.bmp"}, 0, {}, {}},
    {"Open answered No, then Exit asks nothing",
     {"draw", "answer 7", "file %D/old.bmp", "menu open1", "menu exit1"},
     {askFromOpen("Untitled"), "dialog open", "closed"},
     {"isUntitled=false", "canvasClean=true", "toolsClean=false", "filePath=%D/old.bmp", "fileTitle=old.bmp",
      kCaption + "%D/old.bmp"}, 0, {}, {}},
    {"Open answered Yes saves and ends Open", {"draw", "answer 6", "file %D/pic.bmp", "menu open1"},
     {askFromOpen("Untitled"), "dialog save"}, {"filePath=%D/pic.bmp", "fileTitle=pic.bmp", "isUntitled=false"}, 0,
     {}, {"pic.bmp"}},
    {"After Open, New, drawing and New again name Untitled",
     {"file %D/old.bmp", "menu open1", "menu new1", "draw", "answer 7", "menu new1"}, {"dialog open", kAskUntitled},
     {"filePath=Untitled", "fileTitle=Untitled", "isUntitled=true", "canvasClean=true", "toolsClean=false"}, 2, {}, {}},
    {"Undo of an Open gives the picture its own file back: Save writes there, not over the opened one",
     {"draw", "file %D/a1.bmp", "menu saveas1", "file %D/old.bmp", "menu open1", "menu undo1", "draw", "menu save1"},
     {"dialog save", "dialog open"},
     {"filePath=%D/a1.bmp", "fileTitle=a1.bmp", "isUntitled=false", kCaption + "%D/a1.bmp", "canvasClean=true"}, 0,
     {}, {"a1.bmp"}},
    {"Redo of that Open names the opened file again",
     {"draw", "file %D/old.bmp", "answer 7", "menu open1", "menu undo1", "menu redo1"},
     {askFromOpen("Untitled"), "dialog open"},
     {"filePath=%D/old.bmp", "fileTitle=old.bmp", "isUntitled=false", kCaption + "%D/old.bmp"}, 0, {}, {}},
    {"An Open of the same pixels is a step too: undo names the picture's own file again, and Save writes there",
     {"draw", "file %D/a.bmp", "menu saveas1", "file %D/b.bmp", "menu saveas1", "file %D/a.bmp", "menu open1",
      "menu undo1", "menu save1"},
     {"dialog save", "dialog save", "dialog open"}, {"filePath=%D/b.bmp", kCaption + "%D/b.bmp"}, 0, {},
     {"a.bmp", "b.bmp"}},
    {"Undo of New names the opened picture again",
     {"file %D/old.bmp", "menu open1", "menu new1", "menu undo1"}, {"dialog open"},
     {"filePath=%D/old.bmp", "fileTitle=old.bmp", "isUntitled=false", kCaption + "%D/old.bmp"}, 1, {}, {}},
    {"Save of a named picture writes in place, then Exit asks nothing",
     {"draw", "file %D/pic.bmp", "menu save1", "draw", "menu save1", "menu exit1"}, {"dialog save", "closed"},
     {"canvasClean=true", "toolsClean=true", "isUntitled=false", "filePath=%D/pic.bmp", kCaption + "%D/pic.bmp"}, 0,
     {}, {"pic.bmp"}},
    {"Save As onto an existing file: No, then cancel keeps names and file",
     {"file %D/old.bmp", "menu open1", "draw", "file %D/old.bmp", "answer 7", "file cancel", "menu saveas1"},
     {"dialog open", "dialog save", askReplace("%D/old.bmp"), "dialog save"},
     {"canvasClean=false", "toolsClean=false", "filePath=%D/old.bmp", kCaption + "%D/old.bmp", "msgAnswer=7"}, 0, {},
     {}},
    {"Save As onto its own file: Yes overwrites it",
     {"file %D/old.bmp", "menu open1", "draw", "file %D/old.bmp", "answer 6", "menu saveas1"},
     {"dialog open", "dialog save", askReplace("%D/old.bmp")},
     {"canvasClean=true", "toolsClean=true", "filePath=%D/old.bmp", "msgAnswer=6"}, 0, {"old.bmp"}, {}},
    {"Save of an untitled picture: No to replacing shows the dialog again",
     {"draw", "file %D/old.bmp", "answer 7", "file %D/new.jpg", "menu save1"},
     {"dialog save", askReplace("%D/old.bmp"), "dialog save"},
     {"filePath=%D/new.jpg", "fileTitle=new.jpg", kCaption + "%D/new.jpg"}, 0, {}, {"new.jpg"}},
    {"Export as PDF onto an existing file: No keeps the file",
     {"draw", "file %D/old.bmp", "answer 7", "menu exportpdf1"}, {"dialog save", askReplace("%D/old.bmp")},
     {"msgAnswer=7", "canvasClean=false", "isUntitled=true"}, 0, {}, {}},
    {"Export as PDF onto an existing file: Yes replaces it and leaves the picture unsaved",
     {"draw", "file %D/old.bmp", "answer 6", "menu exportpdf1"}, {"dialog save", askReplace("%D/old.bmp")},
     {"msgAnswer=6", "canvasClean=false", "isUntitled=true"}, 0, {"old.bmp"}, {}},
    {"Print into an existing file: No keeps the file",
     {"draw", "file %D/old.bmp", "answer 7", "menu print1"}, {"dialog print", askReplace("%D/old.bmp")},
     {"msgAnswer=7", "canvasClean=false"}, 0, {}, {}},
    {"A name without extension is written as it is", {"draw", "file %D/plain", "menu saveas1"}, {"dialog save"},
     {"filePath=%D/plain", "fileTitle=plain", "isUntitled=false"}, 0, {}, {"plain"}},
    {"A text file chosen in Open changes nothing; Save writes the picture's own file",
     {"draw", "file %D/pic.bmp", "menu save1", "draw", "answer 7", "file %D/note.txt", "menu open1", "menu save1"},
     {"dialog save", askFromOpen("pic.bmp"), "dialog open",
      "message Tavimbre|The file \"%D/note.txt\" could not be opened: It is not a picture this program can read "
      "(Unsupported image format)"},
     {"filePath=%D/pic.bmp", "canvasClean=true", "toolsClean=true"}, 0, {}, {"pic.bmp"}},
};

void runFlows(const Flow* begin, const Flow* end) {
    for (const Flow* flow = begin; flow != end; ++flow) {
        const Flow& f = *flow;
        SCOPED_TRACE(f.name);
        FilesFolder folder;
        const QStringList before = folder.names();
        const QByteArray oldBytes = folder.read("old.bmp");
        Harness h;
        h.run(folder.expand(f.script));
        EXPECT_EQ(h.out, folder.expand(f.out));
        EXPECT_EQ(h.w->isUnloaded(), h.out.contains("closed"));
        for (const QString& kv : folder.expand(f.flags)) {
            const QString key = kv.section('=', 0, 0);
            EXPECT_EQ(flag(h, key), kv.section('=', 1)) << qPrintable(key);
        }
        EXPECT_EQ(h.trace.count("cls"), f.cls);
        QStringList names = before + f.created;
        names.sort();
        EXPECT_EQ(folder.names(), names);
        EXPECT_EQ(folder.read("old.bmp") != oldBytes, f.rewritten.contains("old.bmp"));
        EXPECT_EQ(folder.read("note.txt"), QByteArray("not a picture\n"));
        for (const QString& name : f.created) {
            const QByteArray magic = name.endsWith(".jpg") ? "\xFF\xD8\xFF" : "BM";
            EXPECT_TRUE(folder.read(name).startsWith(magic)) << qPrintable(name);
        }
    }
}

}  // namespace

// Each table runs in a process of its own.
TEST(FileFlows, NewExitAndTheCloseBox) { runFlows(std::begin(kNewExitAndClose), std::end(kNewExitAndClose)); }

TEST(FileFlows, OpenSaveAndUndoAcrossThem) { runFlows(std::begin(kOpenAndSave), std::end(kOpenAndSave)); }

// Save before it replaces a file that changed on disk since this window read
// or wrote it: another window saved it, or its bytes changed with its length
// and time kept. No keeps the file and the picture unsaved; a file that only
// this window wrote asks nothing, through Save As, undo and redo too.
TEST(FileFlows, SaveAsksBeforeReplacingAFileChangedOnDisk) {
    const QString asked = QStringLiteral("ask 308 Tavimbre|The file old.bmp has been changed by another program since "
                                         "it was opened. Replace it with this picture?");
    enum Change { kNone, kOtherWindow, kSameLengthAndTime };
    const struct {
        const char* name;
        Change change;
        QStringList script;  // after the change
        bool asks;
        bool saved;  // the picture counts as saved afterwards
    } cases[] = {
        {"nothing changed the file", kNone, {"menu save1"}, false, true},
        {"another window saved it: No keeps its work", kOtherWindow, {"answer 7", "menu save1"}, true, false},
        {"another window saved it: Yes replaces it", kOtherWindow, {"answer 6", "menu save1"}, true, true},
        {"bytes changed, length and time kept: No keeps them", kSameLengthAndTime, {"answer 7", "menu save1"}, true,
         false},
        {"its own saves, a Save As, undo and redo across them", kNone,
         {"menu save1", "draw", "file %D/b.bmp", "menu saveas1", "draw", "menu save1", "menu undo1", "menu undo1",
          "menu undo1", "menu redo1", "menu redo1", "menu redo1", "draw", "menu save1"},
         false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FilesFolder f;
        Harness h;
        h.run(f.expand({"file %D/old.bmp", "menu open1", "draw"}));
        const QByteArray path = QFile::encodeName(f.path("old.bmp"));
        if (c.change == kOtherWindow) {
            Harness other;
            other.run(f.expand({"file %D/old.bmp", "menu open1", "click cmdSquare", "down 1 0 0 0", "up 1 0 450 450",
                                "menu save1"}));
        } else if (c.change == kSameLengthAndTime) {
            struct stat before {};
            ASSERT_EQ(::stat(path.constData(), &before), 0);
            QByteArray bytes = f.read("old.bmp");
            bytes[bytes.size() - 1] = char(~bytes.back());
            f.write("old.bmp", bytes);
            const timespec times[2] = {before.st_atim, before.st_mtim};
            ASSERT_EQ(::utimensat(AT_FDCWD, path.constData(), times, 0), 0);
        }
        const QByteArray onDisk = f.read("old.bmp");
        h.out.clear();
        h.run(f.expand(c.script));
        EXPECT_EQ(h.out.filter("ask "), c.asks ? QStringList(asked) : QStringList());
        EXPECT_EQ(h.dumped("canvasClean"), c.saved ? "true" : "false");
        EXPECT_EQ(f.read("old.bmp") == onDisk, !c.saved);
    }
}
