// Undo and redo: whole steps, exact pixels, bounded memory.
#include "Harness.h"
#include "core/Progress.h"
#include "app/canvas/CanvasView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QRegularExpression>
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
        int figures;  // remembered after the commands; the square and the circle before
    } cases[] = {
        {"clear", {"answer 6", "click cmdClear"}, 0},
        {"new", {"answer 7", "menu new1"}, 0},
        {"open", {"answer 7", "file " + picture, "menu open1"}, 0},
        {"a larger canvas", {"size 900 700", "menu canvassize1"}, 2},
        {"a smaller canvas, cutting the circle", {"size 300 250", "menu canvassize1"}, 1},
        // The last f reaches 30 pixels past the text's advance box, here
        // into the next 64-pixel tile.
        {"large italic text",
         {"font 200 0 1 0 0 0 Liberation Serif", "menu font1", "text txtinsert fjf", "down 1 0 1200 1500",
          "up 1 0 1200 1500"},
         2},
    };
    for (const Case& c : cases) {
        Harness h;
        h.run(kSquare);
        h.run(kCircle);
        const QImage drawn = h.image().copy();
        h.run(c.commands);
        ASSERT_NE(h.image(), drawn) << c.name;
        EXPECT_EQ(h.dumped("figures").toInt(), c.figures) << c.name;
        h.run("menu undo1");
        EXPECT_EQ(h.image(), drawn) << c.name;
        EXPECT_EQ(h.dumped("figures"), "2") << c.name;
        h.run("menu redo1");
        EXPECT_NE(h.image(), drawn) << c.name;
        EXPECT_EQ(h.dumped("figures").toInt(), c.figures) << c.name;
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
        {{"size 10000 10000", "menu canvassize1"}, {10000, 10000}, "dialog size 742 689"},
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
        if (c.commands.last() != "menu canvassize1") {  // wiped
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

// With both flags up (as after a save), undo and redo count as changes,
// except where they come back to what the picture's file holds; an eraser
// drag that whitens pixels is a change too, though its button is not.
TEST(Undo, WhatCountsAsAChange) {
    const QStringList erase{"click cmdErase", "down 1 0 1500 2000", "move 1 0 1500 2500", "up 1 0 1500 2500"};
    const QStringList eraseWhite{"click cmdErase", "down 1 0 9000 9000", "move 1 0 9000 9500", "up 1 0 9000 9500"};
    const QStringList saveAs{"file %D/s.bmp", "menu saveas1"};
    const struct {
        const char* name;
        QStringList before, commands;
        const char *canvasClean, *toolsClean;
    } cases[] = {
        {"undo", {}, {"menu undo1"}, "false", "false"},
        {"redo", {"menu undo1"}, {"menu redo1"}, "false", "false"},
        {"an eraser drag across the square", {}, erase, "false", "false"},
        {"an eraser drag over white", {}, eraseWhite, "false", "true"},
        {"undo back to the save", saveAs + kCircle, {"menu undo1"}, "true", "true"},
        {"redo away from it again", saveAs + kCircle, {"menu undo1", "menu redo1"}, "false", "false"},
        {"undo of the Save As", saveAs, {"menu undo1"}, "false", "false"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        Harness h;
        h.run(kSquare);
        h.run(QStringList(c.before).replaceInStrings("%D", dir.path()));
        h.w->doc.canvasClean = true;
        h.w->doc.toolsClean = true;
        h.run(c.commands);
        EXPECT_EQ(h.dumped("canvasClean"), c.canvasClean);
        EXPECT_EQ(h.dumped("toolsClean"), c.toolsClean);
    }
}

// The name changes only as part of a step: with the pixels of the step open,
// or as a step of its own; undo always brings back pixels and name together.
TEST(Undo, ARenameIsAlwaysPartOfAStep) {
    for (const bool withThePixels : {true, false}) {
        SCOPED_TRACE(withThePixels ? "within the step that paints" : "after it, outside any step");
        Canvas canvas;
        UndoHistory history(canvas);
        canvas.setHistory(&history);
        const FileIdentity untitled = history.identity();
        const QImage blank = canvas.Image().copy();
        history.begin();
        canvas.Box(1500, 1500, 3000, 3000);
        if (!withThePixels) history.end();
        history.rename({"/p/x.bmp", "x.bmp", false, "/p/x.bmp"});
        history.end();
        ASSERT_TRUE(history.undo());
        EXPECT_TRUE(history.identity() == untitled);
        if (!withThePixels) {
            EXPECT_NE(canvas.Image(), blank);
            ASSERT_TRUE(history.undo());
        }
        EXPECT_EQ(canvas.Image(), blank);
        EXPECT_FALSE(history.undo());
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
    // The 742 x 689 canvas takes 2 MB. Steps are kept packed, so these
    // pictures are noise, which no packing makes smaller.
    const std::size_t budget = std::size_t(3) << 19;
    const auto noise = [](QSize size) {
        QImage img(size, QImage::Format_RGB32);
        quint32 seed = 12345;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) img.setPixel(x, y, (seed = seed * 1664525u + 1013904223u) >> 8);
        return img;
    };
    const QImage bigger = noise({1000, 1000});
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
        {"a figure over every tile", Canvas::kDefaultSize,
         [&](Canvas& c) { c.Picture(noise(Canvas::kDefaultSize), "noise.bmp"); },
         [](Canvas& c) {
             c.DrawWidth = 2000;
             c.Box(5000, 5000, 6000, 6000);
         }},
        {"a larger picture", Canvas::kDefaultSize, nullptr, [&](Canvas& c) { c.Picture(bigger, "big.bmp"); }},
        {"a picture on a canvas above the budget", QSize(1000, 1000), [&](Canvas& c) { c.Picture(bigger, "big.bmp"); },
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
    // A change the history could not hold even packed is asked about first;
    // No leaves the picture and its steps alone. A blank picture packs to
    // almost nothing, so growing it is not asked about.
    Canvas canvas;
    UndoHistory history(canvas, budget);
    canvas.setHistory(&history);
    int asked = 0;
    history.onTooLargeToUndo([&] { return ++asked, false; });
    history.begin();
    EXPECT_TRUE(history.mayReplaceWith({2000, 2000}));
    canvas.Picture(noise({500, 500}), "noise.bmp");
    history.end();
    history.begin();
    EXPECT_FALSE(history.mayReplaceWith({1000, 1000}));
    history.end();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(history.steps(), 1u);
}

// Every edit the undo history could not hold asks before it is made: No
// leaves the picture and every step as they were; Yes makes it, and nothing
// more is said. A picture that opens too large to be undone is opened all
// the same, with a warning.
TEST(Undo, AnEditTooLargeToUndoAsksFirst) {
    QTemporaryDir dir;
    const QString noisy = dir.filePath("noise.bmp");
    QImage noise(600, 600, QImage::Format_RGB32);
    noise.fill(Qt::white);
    quint32 seed = 12345;
    for (int y = 10; y < 590; ++y)
        for (int x = 10; x < 590; ++x) noise.setPixel(x, y, (seed = seed * 1664525u + 1013904223u) >> 8);
    ASSERT_TRUE(noise.save(noisy, "BMP"));
    const QString asked = "ask 52 Tavimbre|This change is too large to be undone. Make it anyway?";
    const struct {
        const char* name;
        QStringList commands;
    } cases[] = {
        {"Canvas Size", {"size 700 700", "menu canvassize1"}},
        {"Fill at tolerance 255", {"tolerance 255", "menu tolerance1", "menu fill1", "down 1 0 30 30", "up 1 0 30 30"}},
        {"Rotate Right", {"menu rotateright1"}},
        {"Flip Horizontal", {"menu fliph1"}},
        {"Crop to Selection", {"menu select1", "down 1 0 0 0", "move 1 0 7500 7500", "up 1 0 7500 7500",
                               "menu cropselection1"}},
        {"Crop to Content", {"menu cropcontent1"}},
        {"Clear", {"answer 6", "click cmdClear"}},
    };
    for (const int answer : {Answer::No, Answer::Yes}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << ", answered " << answer);
            Harness h;
            h.w->history.setBudget(std::size_t(2) << 20);  // the picture takes 1.4 MB
            h.run({"file " + noisy, "menu open1"});
            h.run(kSquare);
            const QImage before = h.image().copy();
            const QString steps = h.dumped("undoSteps");
            h.out.clear();
            QStringList script = c.commands;  // the question comes after the command's own
            script.insert(script.lastIndexOf(QRegularExpression("answer .*")) + 1, QStringLiteral("answer %1").arg(answer));
            h.run(script);
            EXPECT_TRUE(h.out.contains(asked)) << qPrintable(h.out.join('\n') + "\n" + script.join('\n'));
            EXPECT_EQ(h.out.filter("message").join('|'), "");
            EXPECT_EQ(h.image() == before, answer == Answer::No);
            if (answer == Answer::No) {
                EXPECT_EQ(h.dumped("undoSteps"), steps);
            }
        }
    }
    Harness h;
    h.w->history.setBudget(std::size_t(1) << 20);
    EXPECT_TRUE(h.w->openFile(noisy));
    EXPECT_EQ(h.out.filter("message").join('|'), "message Tavimbre|This change is too large to be undone.");
    EXPECT_FALSE(h.w->openFile(dir.filePath("missing.bmp")));
}

// Steps that replace or repaint a large picture are kept packed: they stay
// within the budget and come back to the exact pixels, at the picture's
// own resolution.
TEST(Undo, LargePicturesStepsComeBackExactly) {
    enum Change { CanvasSize, Open, Clear };
    const QSize small = Canvas::kDefaultSize, mid(4000, 3000), large(10000, 10000);
    const struct {
        Change change;
        QSize from, to;
    } cases[] = {
        {CanvasSize, small, {300, 200}}, {CanvasSize, small, mid},        {CanvasSize, mid, small},
        {CanvasSize, small, large},      {CanvasSize, large, small},      {CanvasSize, {9000, 9000}, small},
        {Open, small, small},            {Open, small, mid},              {Open, small, large},
        {Clear, small, small},           {Clear, mid, mid},               {Clear, large, large},
    };
    const auto lines = [](QImage& img) {
        QPainter p(&img);
        p.setPen(QPen(Qt::blue, 2));
        for (int i = 0; i < 40; ++i) p.drawLine(i * img.width() / 40, 0, img.width() - 1, i * img.height() / 40);
        p.drawRect(img.rect().adjusted(10, 10, -10, -10));
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.change << " " << c.from.width() << " to " << c.to.width());
        Document doc;
        int notKept = 0;
        doc.history.onStepNotKept([&] { ++notKept; });
        int heard = 0;  // reports of how far the work has got, which the window shows
        const progress::Listener listener([&](double done) {
            EXPECT_LE(done, 1.0);
            ++heard;
        });
        QImage start(c.from, QImage::Format_RGB32);
        start.fill(Qt::white);
        lines(start);
        doc.beginStep();
        ASSERT_EQ(doc.replacePicture(start, "start.bmp", {"start.bmp", "start.bmp", false, "start.bmp"}), QString());
        doc.endStep();
        doc.beginStep();
        if (c.change == CanvasSize) {
            ASSERT_EQ(doc.resize(c.to), QString());
        } else if (c.change == Open) {
            QImage opened(c.to, QImage::Format_RGB32);
            opened.fill(Qt::yellow);
            lines(opened);
            ASSERT_EQ(doc.replacePicture(opened, "opened.bmp", {"opened.bmp", "opened.bmp", false, "opened.bmp"}), QString());
        } else {
            ASSERT_EQ(doc.clear(), QString());
        }
        doc.endStep();
        EXPECT_EQ(notKept, 0);
        EXPECT_LE(doc.history.bytes(), UndoHistory::kDefaultBudget / 4);
        const QImage after = doc.canvas.Image().copy();
        const int dotsPerMeter = after.dotsPerMeterX();
        ASSERT_TRUE(doc.undo());
        EXPECT_TRUE(doc.canvas.Image() == start);
        EXPECT_EQ(doc.canvas.Image().dotsPerMeterX(), dotsPerMeter);
        ASSERT_TRUE(doc.redo());
        EXPECT_TRUE(doc.canvas.Image() == after);
        if (qint64(c.from.width()) * c.from.height() >= 4'000'000) {
            EXPECT_GT(heard, 0);
        }
    }
}

TEST(Copy, PutsTheCanvasImageOnTheClipboard) {
    Harness h;
    h.run(kSquare);
    h.run("menu copy1");
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), h.image());
}
