// Selecting a part of the picture: moving, cutting, pasting and deleting it
// give exact pixels and whole undo steps, and its outline never reaches the picture.
#include "Harness.h"
#include "app/canvas/CanvasView.h"
#include "core/Document.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <functional>

namespace {

// A box from 100,100 to 200,200, then Select on.
const QStringList kBoxSelected{"click cmdSquare", "down 1 0 1500 1500", "move 1 0 3000 3000", "up 1 0 3000 3000",
                               "key Ctrl+Shift+M"};
const QRect kAround(80, 80, 140, 140);  // marked by the drag below
const QStringList kMarkAround{"down 1 0 1200 1200", "move 1 0 3300 3300", "up 1 0 3300 3300"};
const QStringList kMoveBy200{"down 1 0 1500 1500", "move 1 0 4500 4500", "up 1 0 4500 4500"};

QImage whitened(QImage img, const QRect& r) {
    QPainter(&img).fillRect(r, Qt::white);
    return img;
}

QImage moved(const QImage& img, const QRect& r, QPoint by) {
    QImage out = whitened(img, r);
    QPainter(&out).drawImage(r.topLeft() + by, img.copy(r));
    return out;
}

}  // namespace

TEST(Selection, GesturesGiveExactPixelsAndWholeSteps) {
    struct Case {
        const char* name;
        QStringList commands;
        std::function<QImage(const QImage& box)> expected;
        const char* selection;
        bool floating;
        const char* lastFigure = "1500,1500,3000,3000";  // the box, wherever it went
    } cases[] = {
        {"marked, nothing changes", kMarkAround, [](const QImage& b) { return b; }, "80,80,140,140", false},
        {"marked past the picture's edge, clipped",
         {"down 1 0 10950 10200", "move 1 0 20000 -500", "up 1 0 20000 -500"},
         [](const QImage& b) { return b; }, "730,0,12,680", false},
        {"moved, the picture unchanged while it floats", kMarkAround + kMoveBy200,
         [](const QImage& b) { return b; }, "280,280,140,140", true},
        {"moved and dropped: the block moved, white behind", kMarkAround + kMoveBy200 + QStringList{"key Esc"},
         [](const QImage& b) { return moved(b, kAround, {200, 200}); }, "", false, "4500,4500,6000,6000"},
        {"a part that cuts the box forgets it",
         QStringList{"down 1 0 1200 1200", "up 1 0 2250 3300"} + kMoveBy200 + QStringList{"key Esc"},
         [](const QImage& b) { return moved(b, QRect(80, 80, 70, 140), {200, 200}); }, "", false, ""},
        {"a press outside drops it", kMarkAround + kMoveBy200 + QStringList{"down 1 0 150 150", "up 1 0 150 150"},
         [](const QImage& b) { return moved(b, kAround, {200, 200}); }, "", false, "4500,4500,6000,6000"},
        {"a tool drops it", kMarkAround + kMoveBy200 + QStringList{"click cmdLine"},
         [](const QImage& b) { return moved(b, kAround, {200, 200}); }, "", false, "4500,4500,6000,6000"},
        {"undo takes back the lift, the moves and the drop at once",
         kMarkAround + kMoveBy200 + QStringList{"key Esc", "menu undo1"}, [](const QImage& b) { return b; }, "", false},
        {"undo while it floats", kMarkAround + kMoveBy200 + QStringList{"menu undo1"},
         [](const QImage& b) { return b; }, "", false},
        {"redo while it floats: its drop, a new step, leaves nothing to redo",
         kMarkAround + kMoveBy200 + QStringList{"key Esc", "menu undo1", "key Ctrl+Shift+M"} + kMarkAround + kMoveBy200 +
             QStringList{"menu redo1"},
         [](const QImage& b) { return moved(b, kAround, {200, 200}); }, "", false, "4500,4500,6000,6000"},
        {"deleted: exactly the rectangle white", kMarkAround + QStringList{"key Del"},
         [](const QImage& b) { return whitened(b, kAround); }, "", false, ""},
        {"deleted after a move: only the hole white", kMarkAround + kMoveBy200 + QStringList{"key Del"},
         [](const QImage& b) { return whitened(b, kAround); }, "", false, ""},
        {"cut, pasted and dropped where it was",
         {"down 1 0 0 0", "up 1 0 3300 3300", "key Ctrl+X", "key Ctrl+V", "key Esc"},
         [](const QImage& b) { return b; }, "", false, ""},
        {"selected all and moved off the edge",
         {"key Ctrl+A", "down 1 0 1500 1500", "move 1 0 1650 1500", "up 1 0 1650 1500", "key Ctrl+Shift+M"},
         [](const QImage& b) { return moved(b, b.rect(), {10, 0}); }, "", false, "1650,1500,3150,3000"},
        {"survives the zoom", kMarkAround + QStringList{"menu zoomin1", "menu zoomin1", "menu zoom100"},
         [](const QImage& b) { return b; }, "80,80,140,140", false},
        // A marking cut short by a command: its moves and release reach
        // nobody, whatever tool the command leaves chosen.
        {"a marking cut short by Ctrl+Z undoes nothing and draws nothing",
         {"click cmdSquare", "key Ctrl+Shift+M", "down 1 0 6000 6000", "key Ctrl+Z", "move 1 0 9000 9000", "up 1 0 9000 9000"},
         [](const QImage& b) { return b; }, "", false},
        {"a marking cut short by a palette button draws nothing",
         {"click cmdSquare", "key Ctrl+Shift+M", "down 1 0 6000 6000", "click cmdSquare", "move 1 0 9000 9000",
          "up 1 0 9000 9000"},
         [](const QImage& b) { return b; }, "", false},
        {"a marking cut short by New leaves the new picture",
         {"click cmdSquare", "key Ctrl+Shift+M", "down 1 0 6000 6000", "answer 7", "key Ctrl+N", "move 1 0 9000 9000",
          "up 1 0 9000 9000"},
         [](const QImage& b) { return whitened(b, b.rect()); }, "", false, ""},
        // Undo and Redo during a drag take back only the drag.
        {"Undo during a box's drag: the box before stays",
         {"click cmdSquare", "down 1 0 6000 6000", "move 1 0 9000 9000", "key Ctrl+Z", "up 1 0 9000 9000"},
         [](const QImage& b) { return b; }, "", false},
        {"Redo during a drag: the undone box stays undone",
         {"menu undo1", "click cmdSquare", "down 1 0 6000 6000", "move 1 0 9000 9000", "key Ctrl+Y",
          "up 1 0 9000 9000"},
         [](const QImage& b) { return whitened(b, b.rect()); }, "", false, ""},
        {"Undo during a move takes it back: the part marked where it was, not lifted",
         kMarkAround + QStringList{"down 1 0 1500 1500", "move 1 0 4500 4500", "key Ctrl+Z", "move 1 0 6000 6000",
                                   "up 1 0 6000 6000"},
         [](const QImage& b) { return b; }, "80,80,140,140", false},
        {"Undo during a move of a floating part: it floats where the press found it",
         kMarkAround + kMoveBy200 +
             QStringList{"down 1 0 4500 4500", "move 1 0 6000 6000", "key Ctrl+Z", "up 1 0 6000 6000", "key Esc"},
         [](const QImage& b) { return moved(b, kAround, {200, 200}); }, "", false, "4500,4500,6000,6000"},
    };
    for (const Case& c : cases) {
        Harness h;
        h.run(kBoxSelected);
        const QImage box = h.image().copy();
        h.run(c.commands);
        EXPECT_EQ(h.image(), c.expected(box)) << c.name;
        EXPECT_EQ(h.dumped("selection"), QLatin1String(c.selection)) << c.name;
        EXPECT_EQ(h.dumped("floating"), QLatin1String(c.floating ? "true" : "false")) << c.name;
        EXPECT_EQ(h.dumped("lastFigure"), QLatin1String(c.lastFigure)) << c.name;
    }
}

// The model alone, on a document: what floats is in the picture as shown
// and not in the canvas until it is dropped, each drop or delete one step.
TEST(Selection, TheModelKeepsTheCanvasUntilADrop) {
    QImage red(20, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    struct Case {
        const char* name;
        std::function<void(Selection&)> act;
        std::function<QImage(const QImage& box)> canvas, shown;
        size_t steps;
    } cases[] = {
        {"marked", [](Selection& s) { s.press({80, 80}); s.release({220, 220}); },
         [](const QImage& b) { return b; }, [](const QImage& b) { return b; }, 0},
        {"lifted and moved",
         [](Selection& s) { s.press({80, 80}); s.release({220, 220}); s.press({150, 150}); s.release({350, 350}); },
         [](const QImage& b) { return b; }, [](const QImage& b) { return moved(b, kAround, {200, 200}); }, 0},
        {"moved and dropped",
         [](Selection& s) {
             s.press({80, 80}); s.release({220, 220}); s.press({150, 150}); s.release({350, 350}); s.drop();
         },
         [](const QImage& b) { return moved(b, kAround, {200, 200}); },
         [](const QImage& b) { return moved(b, kAround, {200, 200}); }, 1},
        {"a put floats", [&](Selection& s) { s.put(red, {5, 5}); }, [](const QImage& b) { return b; },
         [&](const QImage& b) {
             QImage out = b.copy();
             QPainter(&out).drawImage(5, 5, red);
             return out;
         },
         0},
        {"deleted after a move", [](Selection& s) {
             s.press({80, 80}); s.release({220, 220}); s.press({150, 150}); s.release({350, 350}); s.remove();
         },
         [](const QImage& b) { return whitened(b, kAround); }, [](const QImage& b) { return whitened(b, kAround); }, 1},
    };
    for (const Case& c : cases) {
        Document doc;
        doc.canvas.DrawMode = Canvas::kCopyPen;
        doc.beginStep();
        doc.canvas.Box(1500, 1500, 3000, 3000);
        doc.endStep();
        const QImage box = doc.canvas.Image().copy();
        const size_t before = doc.history.steps();
        doc.selection.start();
        c.act(doc.selection);
        EXPECT_EQ(doc.canvas.Image(), c.canvas(box)) << c.name;
        EXPECT_EQ(doc.selection.shown(), c.shown(box)) << c.name;
        EXPECT_EQ(doc.history.steps() - before, c.steps) << c.name;
        doc.selection.end();
        while (doc.history.steps() > before && doc.undo()) {}
        EXPECT_EQ(doc.canvas.Image(), box) << c.name;
    }
}

TEST(Selection, APasteWithNoPictureSaysSo) {
    for (const char* text : {"", "words"}) {
        Harness h;
        QApplication::clipboard()->setText(QLatin1String(text));
        h.run("menu paste1");
        EXPECT_EQ(h.dumped("status"), "The clipboard holds no picture.") << text;
        EXPECT_EQ(h.dumped("floating"), "false") << text;
        h.run({"down 1 0 150 150", "up 1 0 150 150"});
        EXPECT_TRUE(h.dumped("status").startsWith("Pointer 10, 10")) << text;
    }
}

// A drop counts as a change only when it changes a pixel; the press on the
// canvas is a click all the same.
TEST(Selection, MovingCountsAsAChangeAndMarkingDoesNot) {
    const struct {
        const char* name;
        QStringList steps;
        const char* toolsClean;
        int newSteps;
    } cases[] = {
        {"marked", QStringList{"key Ctrl+Shift+M"} + kMarkAround, "true", 0},
        {"moved and dropped", QStringList{"key Ctrl+Shift+M"} + kMarkAround + kMoveBy200 + QStringList{"key Esc"},
         "false", 1},
        {"all marked, clicked inside and dropped where it was",
         {"key Ctrl+A", "down 1 0 1500 1500", "up 1 0 1500 1500", "key Esc"}, "true", 0},
    };
    for (const auto& c : cases) {
        Harness h;
        h.run({"click cmdSquare", "down 1 0 1500 1500", "up 1 0 3000 3000"});
        h.w->doc.toolsClean = true;
        const int steps = h.dumped("undoSteps").toInt();
        h.run(c.steps);
        EXPECT_EQ(h.dumped("toolsClean"), QLatin1String(c.toolsClean)) << c.name;
        EXPECT_EQ(h.dumped("canvasClean"), "false") << c.name;
        EXPECT_EQ(h.dumped("undoSteps").toInt() - steps, c.newSteps) << c.name;
    }
}

TEST(Selection, APasteLargerThanThePictureAsksToEnlargeIt) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("big.png"));
    QImage big(900, 50, QImage::Format_RGB32);
    big.fill(Qt::red);
    ASSERT_TRUE(big.save(file));
    struct Case {
        const char* answer;
        const char* width;
    } cases[] = {{"answer 6", "900"}, {"answer 7", "742"}};
    for (const Case& c : cases) {
        Harness h;
        h.run({"clip load " + file, c.answer, "menu paste1", "key Esc"});
        EXPECT_EQ(h.dumped("pictureWidth"), QLatin1String(c.width)) << c.answer;
        EXPECT_EQ(h.image().pixel(0, 0), qRgb(255, 0, 0)) << c.answer;
        EXPECT_EQ(h.image().pixel(0, 50), qRgb(255, 255, 255)) << c.answer;
        h.run("clip save " + dir.filePath(QStringLiteral("back.png")));
        EXPECT_EQ(QImage(dir.filePath(QStringLiteral("back.png"))).convertToFormat(QImage::Format_RGB32), big);
    }
}

// Pasted or dropped data is decoded as an opened file is: transparent pixels
// come out white, and a damaged bitmap is refused with a message and floats
// nothing. A drop does what Paste does: what floated dropped first, Fill
// left, a step of its own.
TEST(Selection, APastedOrDroppedPictureIsDecodedAsAnOpenedOne) {
    QTemporaryDir dir;
    QImage clear(30, 20, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    clear.setPixel(0, 0, qRgba(255, 0, 0, 255));
    ASSERT_TRUE(clear.save(dir.filePath("clear.png")));
    QImage cutSource(100, 60, QImage::Format_RGB32);
    cutSource.fill(Qt::blue);
    ASSERT_TRUE(cutSource.save(dir.filePath("full.bmp")));  // 24 bits a pixel, 18,054 bytes
    QFile full(dir.filePath("full.bmp")), cut(dir.filePath("cut.bmp"));
    ASSERT_TRUE(full.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly));
    cut.write(full.read(9000));
    cut.close();
    const struct {
        const char* file;
        const char* message;  // what the user is told, empty for nothing
        const char* floating;
        QRgb atOrigin, inside;  // after the paste is dropped
    } cases[] = {
        {"clear.png", "", "true", qRgb(255, 0, 0), qRgb(255, 255, 255)},
        {"cut.bmp",
         "message Tavimbre|The picture could not be pasted: The bitmap is truncated: the data ends before its "
         "pixels do",
         "false", qRgb(255, 255, 255), qRgb(255, 255, 255)},
    };
    const QStringList befores[] = {{}, {"menu fill1"}, kBoxSelected + kMarkAround + kMoveBy200};
    for (const auto& c : cases) {
        for (const QStringList& before : befores) {
            SCOPED_TRACE(testing::Message() << c.file << " after " << qPrintable(before.join(", ")));
            Harness h, dropped;
            h.run(before + QStringList{"clip load " + dir.filePath(c.file), "menu paste1"});
            EXPECT_EQ(h.out.join('\n'), QLatin1String(c.message));
            dropped.run(before + QStringList{"drop data " + dir.filePath(c.file)});
            EXPECT_EQ(dropped.out.join('\n'), QString::fromLatin1(c.message).replace("The picture could not be pasted", "The dropped picture could not be used"));
            EXPECT_EQ(h.dumped("floating"), QLatin1String(c.floating));
            for (const char* key : {"floating", "selection", "pressTool", "undoSteps", "toolsClean"})
                EXPECT_EQ(dropped.dumped(key), h.dumped(key)) << key;
            EXPECT_EQ(dropped.image(), h.image());
            h.run("key Esc");
            dropped.run("key Esc");
            if (before.isEmpty()) {
                EXPECT_EQ(h.image().pixel(0, 0), c.atOrigin);
                EXPECT_EQ(h.image().pixel(10, 10), c.inside);
            }
            EXPECT_EQ(dropped.image(), h.image());
            EXPECT_EQ(dropped.dumped("undoSteps"), h.dumped("undoSteps"));
        }
    }
}

// The outline shows in the view, at its place at every zoom, and nowhere
// in the picture or what is copied of it.
TEST(Selection, TheOutlineIsNeverInThePictureOrTheCopy) {
    for (const char* zoom : {"menu zoom100", "menu zoomin1", "menu zoomout1"}) {
        Harness h;
        QImage white(h.image().size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        h.run({zoom, "key Ctrl+Shift+M"});
        h.run(kMarkAround + QStringList{"menu copy1"});
        EXPECT_EQ(h.w->menuItems.value("copy1")->text(), "Copy") << zoom;
        EXPECT_EQ(h.image(), white) << zoom;
        EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), white.copy(kAround))
            << zoom;
        const QImage shown = h.w->Picture1->grab().toImage();
        const int left = h.w->Picture1->toWidget(kAround.left());
        int dark = 0;
        for (int y = h.w->Picture1->toWidget(kAround.top()); y < h.w->Picture1->toWidget(kAround.bottom()); ++y)
            dark += qGray(shown.pixel(left, y)) < 128;
        EXPECT_GT(dark, 5) << zoom;
    }
}
