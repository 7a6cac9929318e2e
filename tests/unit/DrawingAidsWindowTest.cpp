// The drawing aids through the window: locked tools and the pressed button,
// snapped gestures, the grid kept out of the picture, the hint for a drag
// that draws nothing, and a whole chart.
#include "Harness.h"

#include "app/canvas/CanvasView.h"
#include "app/palette/PaletteButton.h"

#include <QFile>
#include <QToolBar>
#include <QLineEdit>
#include <QToolButton>
#include <QTemporaryDir>
#include <algorithm>

namespace {

// The palette buttons that look pressed.
QStringList pressedButtons(Harness& h) {
    QStringList out;
    for (auto it = h.w->buttons.cbegin(); it != h.w->buttons.cend(); ++it)
        if (static_cast<PaletteButton*>(it.value())->isCurrent()) out << it.key();
    return out;
}

int figures(const QStringList& trace) {
    return int(std::count_if(trace.begin(), trace.end(), [](const QString& l) { return !l.startsWith("print"); }));
}

}  // namespace

TEST(DrawingAidsWindow, ADoubleClickLocksTheToolInTheWindowUntilEscAnotherButtonOrAClick) {
    const QStringList drag = {"down 1 0 300 300", "up 1 0 1500 1500"};
    struct Case {
        const char* name;
        QStringList lines;
        int figures;  // drawn by the lines, then by one more drag
        const char* currentTool;
        const char* locked;
        QStringList pressed;
        const char* status;  // after the picture's size and the zoom
    } cases[] = {
        {"a click: one figure, then no tool", {"click cmdSquare"}, 1, "34", "false", {}, ""},
        {"a click shows its button pressed", {"click cmdSquare"}, -1, "2", "false", {"cmdSquare"}, "    Process"},
        {"a double-click: three figures", QStringList{"dblclick cmdSquare"} + drag + drag, 3, "2", "true", {"cmdSquare"},
         "    Process (locked)"},
        {"Esc unlocks", {"dblclick cmdSquare", "key Esc"}, 0, "34", "false", {}, ""},
        {"from any focused widget", {"dblclick cmdSquare", "key Tab", "key Esc"}, 0, "34", "false", {}, ""},
        {"and from a focused palette button", {"dblclick cmdSquare", "key Shift+Tab", "key Esc"}, 0, "34", "false", {}, ""},
        {"another button unlocks and chooses its tool once", {"dblclick cmdSquare", "click cmdCircle"}, 1, "34",
         "false", {}, ""},
        {"a second click unlocks", QStringList{"dblclick cmdSquare"} + drag + QStringList{"click cmdSquare"}, 2, "34", "false",
         {}, ""},
        {"typing keeps the locked button pressed", {"dblclick cmdLine", "text txtinsert A"}, -1, "33", "true",
         {"cmdLine"}, "    Line (locked)"},
        {"the eraser locks too", {"dblclick cmdErase"}, -1, "5", "true", {"cmdErase"}, "    Eraser (locked)"},
    };
    for (const Case& c : cases) {
        Harness h;
        h.run(c.lines);
        if (c.figures >= 0) {
            h.run(drag);
            EXPECT_EQ(figures(h.trace), c.figures) << c.name;
        }
        EXPECT_EQ(h.dumped("currentTool"), c.currentTool) << c.name;
        EXPECT_EQ(h.dumped("toolLocked"), c.locked) << c.name;
        EXPECT_EQ(pressedButtons(h), c.pressed) << c.name;
        EXPECT_TRUE(h.dumped("status").endsWith(QStringLiteral("Zoom 100%") + c.status)) << c.name;
    }
}

// Press (1574, 1576), move (3020, 2260), release (4440, 3070) with Snap on
// and a grid of 10 pixels (150 twips).
TEST(DrawingAidsWindow, WithSnapOnEveryGestureButTheEraserTakesGridPoints) {
    const QStringList gesture = {"down 1 0 1574 1576", "move 1 0 3020 2260", "up 1 0 4440 3070"};
    // Without the grid: a box whose bottom middle lies PX pixels above the
    // press, and one whose right middle lies PX pixels left of the release.
    auto near = [](int px) {
        return QStringList{"menu snap1", "click cmdSquare", "down 1 0 1000 400", QString("up 1 0 2148 %1").arg(1576 - 15 * px),
                           "click cmdSquare", "down 1 0 1000 2000", QString("up 1 0 %1 4140").arg(4440 - 15 * px)};
    };
    const QStringList unsnapped = {"startX=1574", "startY=1576", "curX=4440", "curY=3070"};
    struct Case {
        const char* kind;
        QStringList before;
        QStringList dumped;  // key=value
        QStringList trace;   // when not empty
    } cases[] = {
        {"line", {"click cmdLine"}, {"startX=1500", "startY=1650", "curX=4500", "curY=3000"},
         {"print 1500 1650 ", "line 6 2 1500 1650 1500 1650 -", "line 6 2 1500 1650 3000 2250 -",
          "line 6 2 1500 1650 3000 2250 -", "line 6 2 1500 1650 1500 1650 -", "line 13 2 1500 1650 4500 3000 0"}},
        {"box", {"click cmdSquare"}, {"startX=1500", "curX=4500", "curY=3000"},
         {"print 1500 1650 ", "box 6 2 1500 1650 3000 2250 -", "box 6 2 1500 1650 3000 2250 -",
          "box 13 2 1500 1650 4500 3000 0"}},
        {"symbol", {"click cmdrhombus"}, {"startX=1500", "startY=1650", "curX=4500", "curY=3000"}, {}},
        {"text stamp", {"text txtinsert Hi"}, {"startX=1500", "startY=1650"}, {}},
        {"text preview, 100 twips off the point", {"text txtinsert Hi"}, {"Text1.left=3100", "Text1.top=2350"}, {}},
        {"selection marked, with the outline a 2-pixel pen draws there", {"menu select1"},
         {"selection=99,109,202,92"}, {}},
        {"selection moved", {"menu select1", "down 1 0 0 0", "up 1 0 6000 6000"},
         {"selection=200,90,401,401"}, {}},
        {"eraser", {"click cmdErase"}, {"startX=1574", "startY=1576", "curX=4440", "curY=3070"}, {}},
        // The box's right middle, (4330, 3100), lies 114 twips from the
        // release, further than the grid point.
        {"line: a figure's connection point wins over the grid",
         {"menu snap1", "click cmdSquare", "down 1 0 1000 2000", "up 1 0 4330 4200", "menu snap1", "click cmdLine"},
         {"startX=1500", "startY=1650", "curX=4330", "curY=3100", "status=Right of the process box"}, {}},
        {"line: a decision's connection points are its corners",
         {"menu snap1", "click cmdrhombus", "down 1 0 1000 2000", "up 1 0 4330 4200", "menu snap1", "click cmdLine"},
         {"curX=4330", "curY=3100", "status=Right corner of the decision"}, {}},
        {"box: connection points are the line's alone",
         {"menu snap1", "click cmdSquare", "down 1 0 1000 2000", "up 1 0 4330 4200", "menu snap1", "click cmdSquare"},
         {"curX=4500", "curY=3000"}, {}},
        {"line, Snap to Figures off: ends 5 px from two points stay", near(5) + QStringList{"click cmdLine"}, unsnapped,
         {}},
        {"line, Snap to Figures on: the press and the release take the points",
         near(5) + QStringList{"menu snapfigures1", "click cmdLine"},
         {"startX=1574", "startY=1501", "curX=4365", "curY=3070", "status=Right of the process box"}, {}},
        {"box, Snap to Figures on: neither points nor grid", near(5) + QStringList{"menu snapfigures1", "click cmdSquare"},
         unsnapped, {}},
        {"line at 200 %: 5 px is 10 on the screen, out of reach",
         near(5) + QStringList{"menu snapfigures1", "menu zoomin1", "click cmdLine"}, unsnapped, {}},
        {"line at 200 %: 3 px is in reach", near(3) + QStringList{"menu snapfigures1", "menu zoomin1", "click cmdLine"},
         {"zoom=200", "startX=1574", "startY=1531", "curX=4395", "curY=3070"}, {}},
        {"line, both snaps: grid points as with the grid alone", {"menu snapfigures1", "click cmdLine"},
         {"startX=1500", "startY=1650", "curX=4500", "curY=3000"}, {}},
        {"line, both snaps: a figure's point as with the grid alone",
         {"menu snap1", "click cmdSquare", "down 1 0 1000 2000", "up 1 0 4330 4200", "menu snap1", "menu snapfigures1",
          "click cmdLine"},
         {"startX=1500", "startY=1650", "curX=4330", "curY=3100", "status=Right of the process box"}, {}},
    };
    for (const Case& c : cases) {
        Harness h;
        h.run(QStringList{"menu snap1"} + c.before);
        h.trace.clear();
        h.run(gesture);
        for (const QString& kv : c.dumped) {
            const QString key = kv.section('=', 0, 0);
            EXPECT_EQ(key + '=' + h.dumped(key), kv) << c.kind;
        }
        if (!c.trace.isEmpty()) {
            EXPECT_EQ(h.trace, c.trace) << c.kind;
        }
    }
}

// The grid is the view's: the picture, its export, the clipboard and a saved
// file are the same with it shown, while the view shows its lines.
TEST(DrawingAidsWindow, TheGridIsNeverInThePicture) {
    QTemporaryDir dir;
    auto outputs = [&](bool grid) {
        Harness h;
        h.w->Picture1->resize(h.w->Picture1->pictureSize());
        h.run({"click cmdSquare", "down 1 0 300 300", "up 1 0 3000 3000"});
        if (grid) h.run({"menu showgrid1", "grid 20", "menu gridspacing1"});
        const QString name = grid ? "on" : "off";
        h.run({"export " + dir.filePath(name + ".png"), "menu copy1", "clip save " + dir.filePath(name + "-clip.png"),
               "file " + dir.filePath(name + ".bmp"), "menu saveas1"});
        EXPECT_EQ(h.dumped("grid"), grid ? "on" : "off");
        const QImage view = h.w->Picture1->grab().toImage();
        return QStringList{h.dumped("gridSpacing"), QString::number(view.pixel(20, 7), 16),
                           QString::number(view.pixel(7, 7), 16)};
    };
    EXPECT_EQ(outputs(false), (QStringList{"10", "ffffffff", "ffffffff"}));
    const QStringList on = outputs(true);
    EXPECT_EQ(on[0], "20");
    EXPECT_NE(on[1], "ffffffff") << "the view shows a grid line";
    EXPECT_EQ(on[2], "ffffffff") << "and white between the lines";
    for (const char* file : {".png", "-clip.png", ".bmp"}) {
        QFile a(dir.filePath(QStringLiteral("off") + file)), b(dir.filePath(QStringLiteral("on") + file));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << file;
        EXPECT_EQ(a.readAll(), b.readAll()) << file;
    }
}

// The grid's spacing, 2 to 200 pixels, and the chain's gap, 10 to 400.
TEST(DrawingAidsWindow, TheSpacingDialogTakesTwoToTwoHundredPixels) {
    struct Case {
        const char* answer;
        const char* spacing;
        int messages;
    } cases[] = {{"grid 25", "25", 0}, {"grid cancel", "10", 0}, {"grid 201", "10", 1}, {"grid 2", "2", 0},
                 {"gap 400", "400", 0}, {"gap 9", "40", 1}, {"gap cancel", "40", 0}};
    for (const Case& c : cases) {
        Harness h;
        const bool gap = QString(c.answer).startsWith("gap");
        h.run({c.answer, gap ? "menu chaingap1" : "menu gridspacing1"});
        EXPECT_EQ(h.dumped(gap ? "chainGap" : "gridSpacing"), c.spacing) << c.answer;
        EXPECT_EQ(h.out.first(), gap ? "dialog gap 40" : "dialog grid 10") << c.answer;
        EXPECT_EQ(h.out.filter("message").size(), c.messages) << c.answer;
    }
}

// A figure that needs a drag down and to the right says so while dragged
// elsewhere, and draws nothing.
TEST(DrawingAidsWindow, ADragUpOrLeftOfARestrictedFigureExplainsItself) {
    const QString hint = "    This figure is drawn by dragging down and to the right.";
    struct Case {
        const char* button;
        const char* move;
        bool hinted;
    } cases[] = {{"cmdpreprocess", "move 1 0 1500 300", true}, {"cmdpreprocess", "move 1 0 4500 4500", false},
                 {"cmddocument", "move 1 0 4500 1500", true}, {"cmdrhombus", "move 1 0 300 300", false}};
    for (const Case& c : cases) {
        Harness h;
        h.run({QStringLiteral("click ") + c.button, "down 1 0 3000 3000"});
        h.trace.clear();
        h.run(c.move);
        EXPECT_EQ(h.dumped("status").endsWith(hint), c.hinted) << c.button << " " << c.move;
        if (c.hinted) {
            EXPECT_TRUE(h.trace.isEmpty()) << c.button;
        }
    }
}

// A whole chart: five labelled symbols and four arrows from five double-clicks
// on the palette, with Snap on, each label typed and Return pressed on the canvas; the pointer never
// lies on the grid, every corner does.
TEST(DrawingAidsWindow, AChartFromFiveDoubleClicks) {
    Harness h;
    h.run("menu snap1");
    int doubleClicks = 0, symbols = 0, arrows = 0, labels = 0;
    auto figure = [&](const char* button, QPoint from, QPoint to, const QString& label) {
        if (button) h.run(QStringLiteral("dblclick ") + button), ++doubleClicks;
        h.trace.clear();
        h.run({QStringLiteral("down 1 0 %1 %2").arg(from.x() + 10).arg(from.y() - 10),
               QStringLiteral("up 1 0 %1 %2").arg(to.x() - 10).arg(to.y() + 10)});
        ASSERT_EQ(figures(h.trace) > 0, true) << qPrintable(label);
        for (const char* key : {"startX", "startY", "curX", "curY"})
            EXPECT_EQ(h.dumped(key).toInt() % 150, 0) << key << " of " << qPrintable(label);
        EXPECT_EQ(QPoint(h.dumped("startX").toInt(), h.dumped("startY").toInt()), from);
        EXPECT_EQ(QPoint(h.dumped("curX").toInt(), h.dumped("curY").toInt()), to);
        if (label.isEmpty()) return void(++arrows);
        ++symbols;
        h.trace.clear();
        h.run({"type " + label, "key Return"});  // on the canvas, where the drag left the focus
        EXPECT_TRUE(!h.trace.isEmpty() && h.trace.last().endsWith(label.section(' ', -1))) << qPrintable(label);
        labels += int(!h.trace.isEmpty());
    };
    figure("cmdStart", {3000, 600}, {6000, 1500}, "Start");
    figure(nullptr, {3000, 9600}, {6000, 10500}, "End");
    figure("cmdSquare", {3000, 2400}, {6000, 3600}, "Read input file");
    figure("cmdrhombus", {2700, 4500}, {6300, 6000}, "Valid?");
    figure("cmddocument", {3000, 6900}, {6000, 8400}, "Write report");
    h.run("dblclick cmddownsinglearrow"), ++doubleClicks;
    for (auto [from, to] : {std::pair{1500, 2400}, {3600, 4500}, {6000, 6900}, {8400, 9600}})
        figure(nullptr, {4500, from}, {4500, to}, {});
    EXPECT_EQ(doubleClicks, 5);
    EXPECT_EQ(symbols, 5);
    EXPECT_EQ(labels, 5);
    EXPECT_EQ(arrows, 4);
    EXPECT_EQ(h.dumped("toolLocked"), "true");
    EXPECT_EQ(h.dumped("pressTool"), "") << "a typed letter turned a tool on";
}

// Alt and an arrow key: the next figure from the one under the pointer or
// the last one, the chosen or locked figure tool's or the source's, the
// same calls as a line and a drag of it would make, one step, labelled by
// Return; or nothing drawn and the status bar says why.
TEST(DrawingAidsWindow, AltAndAnArrowKeyChainTheNextFigure) {
    const QRect box(QPoint(4500, 3000), QPoint(7500, 4500)), second(QPoint(4500, 7500), QPoint(7500, 9000));
    const QStringList secondBox = {"click cmdSquare", "down 1 0 4500 7500", "up 1 0 7500 9000"};
    const QRect tall(QPoint(3000, 5100), QPoint(3900, 6900)), wave(QPoint(900, 6000), QPoint(3900, 6900));
    const QStringList tallBox = {"click cmdSquare", "down 1 0 3000 5100", "up 1 0 3900 6900", "click cmdCircle"};
    struct Case {
        const char* name;
        QStringList before;  // after a process box is drawn over BOX
        const char* key;
        QRect source, figure;  // the new figure's corners; none when nothing is drawn
        const char* button;    // its tool's
        const char* note = "";
        const char* last = nullptr;  // a circle's is its square, its outline, not the drag's
        bool first = false;          // the first figure: no arrow to it
    };
    const QStringList none = {"answer 7", "menu new1"};
    const QRect firstBox(QPoint(600, 600), QPoint(2400, 1500));  // 40 pixels in, 120 by 60
    const Case cases[] = {
        {"down", {}, "Alt+Down", box, {QPoint(4500, 5100), QPoint(7500, 6600)}, "cmdSquare"},
        {"up", {}, "Alt+Up", box, {QPoint(4500, 900), QPoint(7500, 2400)}, "cmdSquare"},
        {"left", {}, "Alt+Left", box, {QPoint(900, 3000), QPoint(3900, 4500)}, "cmdSquare"},
        {"right", {}, "Alt+Right", box, {QPoint(8100, 3000), QPoint(11100, 4500)}, "cmdSquare"},
        {"from the figure under the pointer", secondBox + QStringList{"move 0 0 5000 3500"}, "Alt+Right", box,
         {QPoint(8100, 3000), QPoint(11100, 4500)}, "cmdSquare"},
        {"from the last figure, the pointer over none", secondBox + QStringList{"move 0 0 900 900"}, "Alt+Up", second,
         {QPoint(4500, 5400), QPoint(7500, 6900)}, "cmdSquare"},
        {"a locked decision", {"dblclick cmdrhombus"}, "Alt+Down", box, {QPoint(4500, 5100), QPoint(7500, 6600)},
         "cmdrhombus"},
        {"a chosen circle, dashed", {"click cmdCircle", "menu linedash1"}, "Alt+Down", box,
         {QPoint(4500, 5100), QPoint(7500, 6600)}, "cmdCircle", "", "5250,5100,6750,6600"},
        // A circle is as high as its drag: the gap lies between its outline and the source's.
        {"a circle up", {"click cmdCircle"}, "Alt+Up", box, {QPoint(4500, 900), QPoint(7500, 2400)}, "cmdCircle", "",
         "5250,900,6750,2400"},
        {"a circle right", {"click cmdCircle"}, "Alt+Right", box, {QPoint(7350, 3000), QPoint(10350, 4500)},
         "cmdCircle", "", "8100,3000,9600,4500"},
        {"a circle left", {"click cmdCircle"}, "Alt+Left", box, {QPoint(1650, 3000), QPoint(4650, 4500)}, "cmdCircle",
         "", "2400,3000,3900,4500"},
        {"a circle down from a tall box", tallBox, "Alt+Down", tall, {QPoint(3000, 7500), QPoint(3900, 9300)},
         "cmdCircle", "", "2550,7500,4350,9300"},
        {"a circle up from a tall box", tallBox, "Alt+Up", tall, {QPoint(3000, 2700), QPoint(3900, 4500)}, "cmdCircle",
         "", "2550,2700,4350,4500"},
        {"a circle right from a tall box", tallBox, "Alt+Right", tall, {QPoint(4950, 5100), QPoint(5850, 6900)},
         "cmdCircle", "", "4500,5100,6300,6900"},
        {"a circle left from a tall box", tallBox, "Alt+Left", tall, {QPoint(1050, 5100), QPoint(1950, 6900)},
         "cmdCircle", "", "600,5100,2400,6900"},
        // Waves reach 375 twips (a tape's) and 300 (a document's) past the drag.
        {"a paper tape down", {"click cmdpapertap", "down 1 0 900 6000", "up 1 0 3900 6900"}, "Alt+Down", wave,
         {QPoint(900, 8250), QPoint(3900, 9150)}, "cmdpapertap"},
        {"a paper tape up", {"click cmdpapertap", "down 1 0 900 6000", "up 1 0 3900 6900"}, "Alt+Up", wave,
         {QPoint(900, 3750), QPoint(3900, 4650)}, "cmdpapertap"},
        {"a document down", {"click cmddocument", "down 1 0 900 6000", "up 1 0 3900 6900"}, "Alt+Down", wave,
         {QPoint(900, 7800), QPoint(3900, 8700)}, "cmddocument"},
        {"a document up", {"click cmddocument", "down 1 0 900 6000", "up 1 0 3900 6900"}, "Alt+Up", wave,
         {QPoint(900, 4200), QPoint(3900, 5100)}, "cmddocument"},
        {"the line tool takes the source's", {"click cmdLine"}, "Alt+Down", box,
         {QPoint(4500, 5100), QPoint(7500, 6600)}, "cmdSquare"},
        {"snapped: the leading edge on the grid", {"menu snap1", "gap 45", "menu chaingap1"}, "Alt+Down", box,
         {QPoint(4500, 5250), QPoint(7500, 6750)}, "cmdSquare"},
        {"off the picture", {"gap 400", "menu chaingap1"}, "Alt+Right", box, {}, "",
         "The next figure would not fit inside the picture."},
        {"the eraser", {"click cmdErase"}, "Alt+Down", box, {}, "", "in place of the eraser"},
        {"Select", {"menu select1"}, "Alt+Down", box, {}, "", "leave Select first"},
        // The first figure, at the top left of what shows whatever the key.
        {"no figure: a process box", none, "Alt+Down", {}, firstBox, "cmdSquare", "", nullptr, true},
        {"no figure, the eraser chosen", none + QStringList{"click cmdErase"}, "Alt+Up", {}, firstBox, "cmdSquare", "",
         nullptr, true},
        {"no figure, a line chosen", none + QStringList{"click cmdLine"}, "Alt+Right", {}, firstBox, "cmdSquare", "",
         nullptr, true},
        {"no figure, a decision chosen by its key", none + QStringList{"key Ctrl+2"}, "Alt+Left", {}, firstBox,
         "cmdrhombus", "", nullptr, true},
        {"no figure, snapped to the next grid point", none + QStringList{"menu snap1", "gap 45", "menu chaingap1"},
         "Alt+Down", {}, {QPoint(750, 750), QPoint(2550, 1650)}, "cmdSquare", "", nullptr, true},
        {"no figure, no room", none + QStringList{"size 100 100", "menu canvassize1"}, "Alt+Down", {}, {}, "",
         "would not fit"},
        // Text waiting is stamped into the source first, a step of its own;
        // a tool chosen by its key before stays chosen.
        {"text waiting", {"text txtinsert Go"}, "Alt+Down", box, {QPoint(4500, 5100), QPoint(7500, 6600)}, "cmdSquare"},
        {"text waiting, a decision's key", {"text txtinsert Go", "key Ctrl+2"}, "Alt+Right", box,
         {QPoint(8100, 3000), QPoint(11100, 4500)}, "cmdrhombus"},
        {"text waiting, the next figure off the picture", {"text txtinsert Go", "gap 400", "menu chaingap1"}, "Alt+Right", box,
         {}, "", "would not fit"},
    };
    for (const Case& c : cases) {
        Harness h;
        h.run({"click cmdSquare", "down 1 0 4500 3000", "up 1 0 7500 4500"});
        h.run(c.before);
        const QImage before = h.image();
        const QString figures = h.dumped("figures"), last = h.dumped("lastFigure"), steps = h.dumped("undoSteps");
        const bool pending = !h.w->txtinsert->text().isEmpty();
        h.trace.clear();
        h.run(QStringLiteral("key ") + c.key);
        if (pending) {
            // The label came first, in the source, as Return stamps it.
            ASSERT_FALSE(h.trace.isEmpty()) << c.name;
            const QStringList print = h.trace.takeFirst().split(' ');
            EXPECT_EQ(print.value(3), "Go") << c.name;
            EXPECT_TRUE(c.source.contains(print[1].toInt(), print[2].toInt())) << c.name;
            EXPECT_EQ(h.w->txtinsert->text(), "") << c.name;
            EXPECT_EQ(h.dumped("undoSteps").toInt(), steps.toInt() + 1 + !c.figure.isNull()) << c.name;
        }
        if (c.figure.isNull()) {
            EXPECT_TRUE(h.trace.isEmpty()) << c.name;
            EXPECT_TRUE(h.dumped("status").contains(QLatin1String(c.note))) << c.name << ": " << qPrintable(h.dumped("status"));
            EXPECT_EQ(h.dumped("undoSteps").toInt(), steps.toInt() + pending) << c.name;
            continue;
        }
        const QRect& f = c.figure;
        EXPECT_EQ(h.dumped("lastFigure"), c.last ? QString::fromLatin1(c.last)
                                                 : QStringLiteral("%1,%2,%3,%4").arg(f.left()).arg(f.top()).arg(f.right()).arg(f.bottom()))
            << c.name;
        EXPECT_EQ(h.dumped("figures").toInt(), figures.toInt() + 1) << c.name;
        // The connector between the middles of the facing sides, straight,
        // its tip on the new outline.
        const QStringList square = QString::fromLatin1(c.last).split(',');
        const QRect o = c.last ? QRect(QPoint(square[0].toInt(), square[1].toInt()),
                                       QPoint(square[2].toInt(), square[3].toInt()))
                               : f;
        const QPoint s = c.source.center();
        const bool vertical = f.left() == c.source.left();
        const QPoint from = vertical ? QPoint(s.x(), f.top() > s.y() ? c.source.bottom() : c.source.top())
                                     : QPoint(f.left() > s.x() ? c.source.right() : c.source.left(), s.y());
        const QPoint to = vertical ? QPoint(s.x(), f.top() > s.y() ? o.top() : o.bottom())
                                   : QPoint(f.left() > s.x() ? o.left() : o.right(), s.y());
        // A circle's drag is 2 twips higher and lower than its square.
        const int grow = c.last ? 2 : 0;
        Harness drags;
        drags.w->canvas.DrawWidth = h.w->canvas.DrawWidth;
        if (!c.first)
            drags.run({"menu lineendarrow1", h.dumped("lineStyle") == "dashed" ? "menu linedash1" : "menu linesolid1",
                       "click cmdLine", QStringLiteral("down 1 0 %1 %2").arg(from.x()).arg(from.y()),
                       QStringLiteral("up 1 0 %1 %2").arg(to.x()).arg(to.y())});
        drags.run({QStringLiteral("click ") + c.button, QStringLiteral("down 1 0 %1 %2").arg(f.left()).arg(f.top() - grow),
                   QStringLiteral("up 1 0 %1 %2").arg(f.right()).arg(f.bottom() + grow)});
        drags.trace.removeAll(QStringLiteral("print %1 %2 ").arg(from.x()).arg(from.y()));
        drags.trace.removeAll(QStringLiteral("print %1 %2 ").arg(f.left()).arg(f.top() - grow));
        EXPECT_EQ(h.trace, drags.trace) << c.name;
        h.trace.clear();
        h.run({"text txtinsert Go", "key Return"});
        // A tape 60 pixels high has 10 between its waves: no label fits there,
        // and twice as wide it would leave the picture.
        const bool roomless = QLatin1String(c.button) == QLatin1String("cmdpapertap");
        ASSERT_EQ(h.trace.size(), roomless ? 0 : 1) << c.name;
        if (roomless) {
            EXPECT_TRUE(h.dumped("status").startsWith("The figure cannot grow")) << c.name;
        } else {
            const QStringList print = h.trace.first().split(' ');
            EXPECT_TRUE(o.contains(print[1].toInt(), print[2].toInt())) << c.name << ": " << qPrintable(h.trace.first());
            h.run(QStringList{"key Ctrl+Z"});
        }
        h.run(QStringList{"key Ctrl+Z"});
        if (pending) {
            EXPECT_NE(h.image(), before) << c.name << ": the label is a step of its own";
            h.run(QStringList{"key Ctrl+Z"});
        }
        EXPECT_EQ(h.image(), before) << c.name;
        EXPECT_EQ(h.dumped("figures"), figures) << c.name;
        EXPECT_EQ(h.dumped("lastFigure"), last) << c.name;
    }
}

// Edit > Arrange Figures on two chained, labelled boxes: how the mode is
// entered and left, the current figure it frames over the picture (never in
// it), and each edit as one step that Undo takes back and Redo makes again.
TEST(DrawingAidsWindow, ArrangeFiguresPicksMovesNudgesDeletesAndRelabels) {
    const QString a = "1500,1500,4500,3000", b = "1500,3600,4500,5100";
    const QStringList pickA = {"menu arrange1", "down 1 0 3000 2000", "up 1 0 3000 2000"};
    QTemporaryDir dir;
    const QString png = dir.filePath("chart.png");
    struct Case {
        const char* name;
        QStringList lines;
        QStringList dumped;  // key=value
        bool changes = false;  // one step, taken back by Undo
        int fileSteps = 0;     // steps of a save and an open
    } cases[] = {
        {"its key enters; the last figure is current", {"key Ctrl+Shift+R"},
         {"pressTool=arrange", "currentFigure=" + b, "status=Arrange Figures    Process box: Ship"}},
        {"a press picks; its item again leaves, the figure stays current", pickA + QStringList{"menu arrange1"},
         {"pressTool=", "currentFigure=" + a}},
        {"Esc leaves, the figure stays current", pickA + QStringList{"key Esc"}, {"pressTool=", "currentFigure=" + a}},
        {"Esc outside makes the last figure current", pickA + QStringList{"key Esc", "key Esc"}, {"currentFigure=" + b}},
        {"a palette tool leaves", {"menu arrange1", "click cmdCircle"}, {"pressTool=", "currentTool=1"}},
        {"Select leaves", {"menu arrange1", "menu select1"}, {"pressTool=", "status=Select"}},
        {"Fill takes its place", {"menu arrange1", "menu fill1"}, {"pressTool=fill"}},
        {"typed text waits and a press stamps nothing",
         {"menu arrange1", "type Hi", "down 1 0 300 300", "up 1 0 300 300"}, {"pressTool=arrange", "txtinsert=Hi"}},
        {"a drag moves the figure", pickA + QStringList{"down 1 0 3000 2000", "move 1 0 4500 2000", "up 1 0 4500 2000"},
         {"currentFigure=3000,1500,6000,3000", "connectors=1", "labels=2"}, true},
        {"Esc mid-move cancels the move only",
         pickA + QStringList{"down 1 0 3000 2000", "move 1 0 4500 2000", "key Esc", "up 1 0 4500 2000"},
         {"pressTool=arrange", "currentFigure=" + a}},
        {"with Snap the top-left corner lands on the grid",
         QStringList{"menu snap1"} + pickA + QStringList{"down 1 0 3000 2000", "up 1 0 3100 2090"},
         {"currentFigure=1650,1650,4650,3150"}, true},
        {"nudges of one figure are one step",
         pickA + QStringList{"key Right", "key Right", "key Down", "key Ctrl+Right"},
         {"currentFigure=1680,1515,4680,3015"}, true},
        {"nudges that cancel out leave it where it was", pickA + QStringList{"key Right", "key Left"},
         {"currentFigure=" + a}},
        {"outside the mode the arrows move nothing", {"key Right", "key Down"}, {"currentFigure=" + b}},
        {"Delete removes the figure, its label and connector", pickA + QStringList{"key Del"},
         {"figures=1", "connectors=0", "labels=1", "currentFigure=" + b}, true},
        {"typing and Return relabel it", pickA + QStringList{"type Load", "key Return"},
         {"labels=2", "txtinsert=", "status=Process box: Load"}, true},
        // The same ids come back with the file's chart: the one picked is not taken for its namesake.
        {"a figure picked before an open is not current after it",
         pickA + QStringList{"file " + png, "menu saveas1", "file " + png, "menu open1"},
         {"chartInFile=yes", "currentFigure=" + b}, false, 2},
    };
    {
        // Its toolbar button, named for a screen reader, enters and leaves it as the item does.
        Harness h;
        auto* button = qobject_cast<QToolButton*>(
            h.w->findChild<QToolBar*>("toolbar")->widgetForAction(h.w->menuItems.value("arrange1")));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->accessibleName(), "Arrange Figures");
        for (const char* key : {"arrange", ""}) {
            button->click();
            EXPECT_EQ(h.dumped("pressTool"), key);
            EXPECT_EQ(button->isChecked(), *key != 0);
        }
        // The script's chart command lists what the chart holds, by the palette's button names.
        h.run({"click cmdSquare", "down 1 0 1500 1500", "up 1 0 4500 3000", "type Read", "key Return", "chart"});
        EXPECT_EQ(h.out.last(), "figure 1 cmdSquare 1500,1500,4500,3000 \"Read\"");
    }
    for (const Case& c : cases) {
        Harness h;
        h.w->Picture1->resize(h.w->Picture1->pictureSize());
        h.run({"click cmdSquare", "down 1 0 1500 1500", "up 1 0 4500 3000", "type Read", "key Return", "key Alt+Down",
               "type Ship", "key Return"});
        const QImage before = h.image().copy();
        const int steps = h.dumped("undoSteps").toInt();
        h.run(c.lines);
        for (const QString& kv : c.dumped) {
            const QString key = kv.section('=', 0, 0), value = h.dumped(key);
            EXPECT_TRUE(key == "status" ? value.endsWith(kv.section('=', 1)) : value == kv.section('=', 1))
                << c.name << ": " << qPrintable(key + '=' + value);
        }
        // The frame lies two pixels outside the figure, in the view alone.
        const QStringList corner = h.dumped("currentFigure").split(',');
        const QPoint frame = QPoint(corner.value(0).toInt(), corner.value(1).toInt()) / 15 - QPoint(2, 2);
        const QImage view = h.w->Picture1->grab().toImage();
        EXPECT_EQ(view.pixelColor(frame) == h.w->Picture1->palette().color(QPalette::Highlight),
                  h.dumped("pressTool") == "arrange")
            << c.name;
        EXPECT_EQ(h.image().pixel(frame), qRgb(255, 255, 255)) << c.name;
        EXPECT_EQ(h.image() != before, c.changes) << c.name;
        EXPECT_EQ(h.dumped("undoSteps").toInt(), steps + int(c.changes) + c.fileSteps) << c.name;
        if (!c.changes) continue;
        const QImage after = h.image().copy();
        h.run("key Ctrl+Z");
        EXPECT_EQ(h.image(), before) << c.name;
        h.run("key Ctrl+Y");
        EXPECT_EQ(h.image(), after) << c.name;
    }
}
