// Undo and redo: whole steps, exact pixels, bounded memory.
#include "Harness.h"
#include "app/canvas/CanvasView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>
#include <functional>

namespace {

const QStringList kSquare{"click cmdSquare", "down 1 0 1500 1500", "move 1 0 3000 3000", "up 1 0 3000 3000"};
const QStringList kCircle{"click cmdCircle", "down 1 0 4500 1500", "move 1 0 6000 3000", "up 1 0 6000 3000"};
const QStringList kDiamond{"click cmdrhombus", "down 1 0 1500 4500", "move 1 0 3000 6000", "up 1 0 3000 6000"};

}  // namespace

TEST(Undo, StepsComeBackExactly) {
    Harness h;
    const QImage blank = h.image().copy();
    h.run(kSquare);
    const QImage one = h.image().copy();
    h.run(kCircle);
    const QImage two = h.image().copy();
    h.run(kDiamond);
    const QImage three = h.image().copy();

    struct Case {
        const char* command;
        const QImage& expected;
        bool undoable, redoable;  // the items are greyed out otherwise; a script runs them anyway
    } cases[] = {{"menu undo1", two, true, true},    {"menu undo1", one, true, true},
                 {"menu redo1", two, true, true},    {"menu undo1", one, true, true},
                 {"menu undo1", blank, false, true}, {"menu undo1", blank, false, true},
                 {"menu redo1", one, true, true},    {"menu redo1", two, true, true},
                 {"menu redo1", three, true, false}, {"key Ctrl+Y", three, true, false}};
    for (const Case& c : cases) {
        h.run(c.command);
        EXPECT_EQ(h.image(), c.expected) << c.command;
        EXPECT_EQ(h.w->menuItems.value("undo1")->isEnabled(), c.undoable) << c.command;
        EXPECT_EQ(h.w->menuItems.value("redo1")->isEnabled(), c.redoable) << c.command;
    }
}

TEST(Undo, ANewFigureDropsWhatCouldBeRedone) {
    Harness h;
    h.run(kSquare);
    const QImage one = h.image().copy();
    h.run(kCircle);
    h.run("menu undo1");
    h.run(kDiamond);
    h.run("menu redo1");  // nothing left to redo
    h.run("menu undo1");
    EXPECT_EQ(h.image(), one);
}

TEST(Undo, ClearNewOpenAndTextAreStepsToo) {
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("p.bmp"));
    QImage img(900, 800, QImage::Format_RGB32);
    img.fill(Qt::darkGreen);
    ASSERT_TRUE(img.save(picture, "BMP"));
    struct Case {
        const char* name;
        QStringList commands;
    } cases[] = {
        {"clear", {"answer 6", "click cmdClear"}},
        {"new", {"answer 7", "menu new1"}},
        {"open", {"answer 7", "file " + picture, "menu open1"}},
        {"a larger canvas", {"size 900 700", "menu canvassize1"}},
        {"a smaller canvas", {"size 300 200", "menu canvassize1"}},
        // The last f reaches 30 pixels past the text's advance box, here
        // into the next 64-pixel tile.
        {"large italic text",
         {"font 200 0 1 0 0 0 Liberation Serif", "menu font1", "text txtinsert fjf", "down 1 0 1200 1500",
          "up 1 0 1200 1500"}},
    };
    for (const Case& c : cases) {
        Harness h;
        h.run(kSquare);
        h.run(kCircle);
        const QImage drawn = h.image().copy();
        h.run(c.commands);
        ASSERT_NE(h.image(), drawn) << c.name;
        h.run("menu undo1");
        EXPECT_EQ(h.image(), drawn) << c.name;
        h.run("menu redo1");
        EXPECT_NE(h.image(), drawn) << c.name;
    }
}

// Canvas Size: the answer's size, a change, one step; what it cannot be
// is refused and told; Clear keeps the size set, New returns to the default.
TEST(Undo, CanvasSizeIsOneStepAndClearKeepsIt) {
    const struct {
        QStringList commands;
        QSize size;
        QString said;  // the last output line
    } cases[] = {
        {{"size 900 700", "menu canvassize1"}, {900, 700}, "dialog size 742 689"},
        {{"size 300 200", "menu canvassize1"}, {300, 200}, "dialog size 742 689"},
        {{"size cancel", "menu canvassize1"}, {742, 689}, "dialog size 742 689"},
        {{"size 742 689", "menu canvassize1"}, {742, 689}, "dialog size 742 689"},
        {{"size 0 5", "menu canvassize1"}, {742, 689},
         "message Tavimbre|The width must be 1 to 10000 pixels and the height 1 to 10000."},
        {{"size 10001 600", "menu canvassize1"}, {742, 689},
         "message Tavimbre|The width must be 1 to 10000 pixels and the height 1 to 10000."},
        {{"size 900 700", "menu canvassize1", "answer 6", "click cmdClear"}, {900, 700},
         "ask 4 Tavimbre|Are you sure you want to clear the picture?"},
        {{"size 900 700", "menu canvassize1", "answer 7", "menu new1"}, {742, 689},
         "ask 35 Tavimbre|The  Untitled  file has changed. Do you want to save the changes?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.commands.join(", ")));
        Harness h;
        const QImage blank = h.image().copy();
        h.run(kSquare);
        h.w->doc.canvasClean = h.w->doc.toolsClean = true;
        const QImage drawn = h.image().copy();
        h.run(c.commands);
        EXPECT_EQ(h.out.last(), c.said);
        EXPECT_EQ(h.image().size(), c.size);
        EXPECT_EQ(h.w->Picture1->size(), c.size);
        EXPECT_EQ((QStringList{h.dumped("pictureWidth"), h.dumped("pictureHeight")}),
                  (QStringList{QString::number(c.size.width()), QString::number(c.size.height())}));
        if (c.commands.size() > 2) {  // wiped
            QImage white(c.size, QImage::Format_RGB32);
            white.fill(Qt::white);
            EXPECT_EQ(h.image(), white);
            continue;
        }
        const bool resized = c.size != drawn.size();
        EXPECT_EQ(h.dumped("canvasClean"), resized ? "false" : "true");
        EXPECT_EQ(h.dumped("toolsClean"), resized ? "false" : "true");
        const QRect common = QRect(QPoint(), c.size).intersected(drawn.rect());
        EXPECT_EQ(h.image().copy(common), drawn.copy(common));
        const QImage after = h.image().copy();
        h.run("menu undo1");
        EXPECT_EQ(h.image(), resized ? drawn : blank);  // no step for no change
        h.run("menu redo1");
        EXPECT_EQ(h.image(), after);
    }
    Harness h;
    EXPECT_FALSE(h.runner.runLine("menu canvassize1"));
    EXPECT_EQ(h.runner.error(), "no answer queued for the size dialog");
}

TEST(Undo, UndoAndRedoCountAsChanges) {
    for (const char* command : {"menu undo1", "menu redo1"}) {
        Harness h;
        h.run(kSquare);
        if (QLatin1String(command) == QLatin1String("menu redo1")) h.run("menu undo1");
        h.w->doc.canvasClean = true;
        h.w->doc.toolsClean = true;
        h.run(command);
        EXPECT_EQ(h.dumped("canvasClean"), "false") << command;
        EXPECT_EQ(h.dumped("toolsClean"), "false") << command;
    }
}

TEST(Undo, AStepKeepsOnlyTheRegionItChanged) {
    Harness h;
    h.run(kDiamond);
    // A 100-pixel diamond touches a handful of 64-pixel tiles, twice over.
    EXPECT_LT(h.w->history.bytes(), std::size_t(12 * 64 * 64 * 4 * 2));
    h.run(QStringList{"down 2 0 100 100", "up 2 0 100 100"});  // changes nothing
    EXPECT_EQ(h.w->history.steps(), 1u);
}

TEST(Undo, MemoryStaysWithinItsBoundOverManySteps) {
    Canvas canvas;
    const std::size_t budget = std::size_t(2) << 20;
    UndoHistory history(canvas, budget);
    canvas.setHistory(&history);
    for (int i = 0; i < 500; ++i) {
        history.begin();
        canvas.DrawWidth = 1 + i % 10;
        canvas.Box(float(i * 37 % 9000), float(i * 53 % 9000), float(i * 91 % 11000), float(i * 29 % 10000), i);
        history.end();
        ASSERT_LE(history.bytes(), budget) << "step " << i;
    }
    EXPECT_GE(history.steps(), 3u);  // the newest steps survive
    const std::size_t kept = history.steps();
    for (std::size_t i = 0; i < kept; ++i) EXPECT_TRUE(history.undo());
    EXPECT_FALSE(history.undo());
}

// A step the budget cannot hold is not kept, nor any older one: undoing
// across it would put back tiles of a picture that is gone. The user hears
// of it once.
TEST(Undo, AStepAboveTheBudgetIsNotKeptAndNothingIsReplayedAcrossIt) {
    const std::size_t budget = std::size_t(3) << 20;  // the 742 x 689 canvas takes 2 MB
    const QImage bigger = [] {
        QImage img(1000, 1000, QImage::Format_RGB32);
        img.fill(Qt::darkCyan);
        return img;
    }();
    const auto square = [](Canvas& c) {
        c.DrawWidth = 1;
        c.ForeColor = 0xFF;
        c.Box(900, 900, 3000, 3000);
    };
    struct Case {
        const char* name;
        QSize own;
        std::function<void(Canvas&)> before, change;
    } cases[] = {
        {"a figure over every tile", Canvas::kDefaultSize, nullptr,
         [](Canvas& c) {
             c.DrawWidth = 2000;
             c.Box(5000, 5000, 6000, 6000);
         }},
        {"a larger picture", Canvas::kDefaultSize, nullptr, [&](Canvas& c) { c.Picture(bigger, "big.bmp"); }},
        {"a picture on a canvas above the budget", QSize(1000, 1000), nullptr,
         [&](Canvas& c) { c.Picture(bigger.copy(0, 0, 400, 400), "small.bmp"); }},
        {"back to the default size from above the budget", Canvas::kDefaultSize,
         [&](Canvas& c) { c.Picture(bigger, "big.bmp"); },
         [](Canvas& c) {
             c.setOwnSize(Canvas::kDefaultSize);
             c.PictureNone();
         }},
        {"a resize from above the budget", Canvas::kDefaultSize, [&](Canvas& c) { c.Picture(bigger, "big.bmp"); },
         [](Canvas& c) { c.Resize({900, 900}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(c.own);
        UndoHistory history(canvas, budget);
        canvas.setHistory(&history);
        int told = 0;
        history.onStepNotKept([&] { ++told; });
        const auto step = [&](const std::function<void(Canvas&)>& change) {
            history.begin();
            change(canvas);
            history.end();
        };
        if (c.before) step(c.before);
        step(square);
        ASSERT_EQ(history.steps(), 1u);
        told = 0;
        step(c.change);
        EXPECT_EQ(told, 1);
        EXPECT_EQ(history.steps(), 0u);
        EXPECT_EQ(history.bytes(), 0u);
        const QImage changed = canvas.Image().copy();
        step([&](Canvas& cv) {
            square(cv);
            cv.ForeColor = 0xFF00;
            cv.Box(1500, 1500, 4500, 4500);
        });
        EXPECT_TRUE(history.undo());
        EXPECT_EQ(canvas.Image(), changed);
        EXPECT_FALSE(history.undo());
        EXPECT_EQ(canvas.Image(), changed);
        EXPECT_EQ(told, 1);
    }
}

TEST(Copy, PutsTheCanvasImageOnTheClipboard) {
    Harness h;
    h.run(kSquare);
    h.run("menu copy1");
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), h.image());
}
