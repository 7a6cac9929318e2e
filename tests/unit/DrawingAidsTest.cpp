// What helps draw a chart quickly and tidily: the grid (where snapped points
// land, the lines the view draws), a tool that stays, and drags known to draw
// nothing; then the same through the window.
#include "Harness.h"

#include "app/canvas/CanvasView.h"
#include "app/palette/PaletteButton.h"
#include "core/Canvas.h"
#include "core/DragDispatcher.h"
#include "core/Grid.h"
#include "shapes/ShapeModule.h"

#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

TEST(DrawingAids, SnapsAPointToTheNearestGridPoint) {
    struct Case {
        int spacing;
        float x, y;    // a press, a move or a release, in twips
        float gx, gy;  // where it snaps
    } cases[] = {
        {10, 1500, 1500, 1500, 1500},     {10, 1574, 1576, 1500, 1650},  // a press on and near the grid
        {10, 75, 225, 150, 300},          {10, -75, -225, 0, -150},      // halves go right and down
        {10, -74, -76, 0, -150},          {10, 200010, -3e5f, 199950, -3e5f},  // left of, above and beyond the picture
        {2, 44.9f, 45, 30, 60},           {2, -15, 14.9f, 0, 0},
        {7, 52.4f, 52.5f, 0, 105},        {7, 1e7f, -1e7f, 9999990, -9999990},
        {200, 1499, 1500, 0, 3000},       {200, -4500, -4501, -3000, -6000},
        {200, 3e38f, -INFINITY, 3e38f, -INFINITY},
    };
    for (const Case& c : cases) {
        Grid g;
        ASSERT_TRUE(g.setSpacing(c.spacing));
        float x = c.x, y = c.y;
        g.snapPoint(x, y);
        EXPECT_TRUE(x == c.x && y == c.y) << "snap is off at first";
        g.snap = true;
        g.snapPoint(x, y);
        EXPECT_FLOAT_EQ(x, c.gx) << c.spacing << ": " << c.x;
        EXPECT_EQ(y, c.gy) << c.spacing << ": " << c.y;
    }
    Grid g;
    g.snap = true;
    float x = NAN, y = 10;
    g.snapPoint(x, y);
    EXPECT_TRUE(std::isnan(x));
    EXPECT_EQ(y, 0);
}

TEST(DrawingAids, SpacingIsTwoToTwoHundredPixels) {
    Grid g;
    EXPECT_EQ(g.spacing(), 10);
    for (int refused : {1, 0, -10, 201})
        EXPECT_FALSE(g.setSpacing(refused)) << refused;
    EXPECT_EQ(g.spacing(), 10);
    for (int taken : {2, 200, 37}) {
        EXPECT_TRUE(g.setSpacing(taken));
        EXPECT_EQ(g.spacing(), taken);
    }
}

TEST(DrawingAids, LinesAreDrawnOnlyWhereTheyLieFourScreenPixelsApart) {
    struct Case {
        int spacing;
        QRect visible;
        double scale;
        std::vector<int> columns, rows;
    } cases[] = {
        {10, {0, 0, 50, 30}, 1, {0, 10, 20, 30, 40}, {0, 10, 20}},
        {10, {13, -15, 20, 20}, 1, {20, 30}, {-10, 0}},
        {10, {0, 0, 50, 30}, 0.4, {0, 10, 20, 30, 40}, {0, 10, 20}},
        {10, {0, 0, 50, 30}, 0.39, {}, {}},
        {2, {0, 0, 7, 3}, 2, {0, 2, 4, 6}, {0, 2}},
        {2, {0, 0, 7, 3}, 1.99, {}, {}},
        {200, {0, 0, 742, 1000}, 0.25, {0, 200, 400, 600}, {0, 200, 400, 600, 800}},
        {10, {}, 4, {}, {}},
    };
    for (const Case& c : cases) {
        Grid g;
        g.setSpacing(c.spacing);
        const Grid::Lines l = g.lines(c.visible, c.scale);
        EXPECT_EQ(l.columns, c.columns) << c.spacing << " at " << c.scale;
        EXPECT_EQ(l.rows, c.rows) << c.spacing << " at " << c.scale;
    }
}

// A box drawn between snapped points lies on the grid lines the view draws.
TEST(DrawingAids, ASnappedBoxLiesOnTheGridLines) {
    for (int spacing : {2, 10, 37}) {
        Grid g;
        g.setSpacing(spacing);
        g.snap = true;
        Canvas canvas(QSize(300, 300));
        float x0 = 1000, y0 = 1000, x1 = 3333, y1 = 2222;
        g.snapPoint(x0, y0), g.snapPoint(x1, y1);
        canvas.Box(x0, y0, x1, y1, 0);
        const Grid::Lines l = g.lines(canvas.Image().rect(), 4);
        auto on = [](const std::vector<int>& v, int p) { return std::find(v.begin(), v.end(), p) != v.end(); };
        int ink = 0;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 300; ++x)
                if ((canvas.Image().pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                    ++ink;
                    EXPECT_TRUE(on(l.columns, x) || on(l.rows, y)) << spacing << ": " << x << "," << y;
                }
        EXPECT_GT(ink, 0) << spacing;
    }
}

namespace {

// The drag without the window, around a host that stamps and empties the
// pending text as the text box does.
struct BareDrag : DragHost {
    Document doc;
    DragState state;
    ShapeSet shapes;
    int tool = Tool::None;
    QString text;
    DragDispatcher d{doc, tool, state, shapes, *this};

    int penWidth() override { return 1; }
    int eraserWidth() override { return 1; }
    void stampText(float x, float y) override {
        doc.canvas.CurrentX = x;
        doc.canvas.CurrentY = y;
        doc.canvas.Print(text);
        if (!text.isEmpty()) tool = Tool::TextPending;  // the emptying is a change
        text.clear();
    }
    void followPointer(float, float) override {}
    void click(int code) {
        tool = code;
        if (code != Tool::Eraser) doc.toolsClean = false;
    }
    void type(const QString& t) {
        text = t;
        tool = Tool::TextPending;
    }
    void drag(float x0, float y0, float x1, float y1) {
        d.MouseDown(MouseButton::Left, 0, x0, y0);
        d.MouseUp(MouseButton::Left, 0, x1, y1);
    }
};

}  // namespace

TEST(DrawingAids, ALockedToolStaysForEveryFigureUntilUnlocked) {
    struct Case {
        const char* name;
        std::function<void(BareDrag&)> steps;
        QStringList trace;
        int tool, locked;
        bool toolsClean;
    } cases[] = {
        {"three figures after locking",
         [](BareDrag& b) {
             b.click(Tool::Process), b.d.lock(Tool::Process);
             for (int i = 1; i <= 3; ++i) b.drag(0, 0, 1500 * i, 1500);
         },
         {"print 0 0 ", "box 13 1 0 0 1500 1500 0", "print 0 0 ", "box 13 1 0 0 3000 1500 0", "print 0 0 ",
          "box 13 1 0 0 4500 1500 0"},
         Tool::Process, Tool::Process, false},
        {"unlocked: one figure, then none",
         [](BareDrag& b) {
             b.click(Tool::Process), b.d.lock(Tool::Process), b.d.lock(Tool::None);
             b.drag(0, 0, 1500, 1500), b.drag(0, 0, 3000, 3000);
         },
         {"print 0 0 ", "box 13 1 0 0 1500 1500 0", "print 0 0 "}, Tool::Finished, Tool::None, false},
        {"text typed meanwhile is stamped by the next press, whose drag draws nothing",
         [](BareDrag& b) {
             b.click(Tool::Process), b.d.lock(Tool::Process), b.drag(0, 0, 1500, 1500);
             b.type("Hi"), b.drag(30, 30, 3000, 3000), b.drag(0, 0, 15, 15);
         },
         {"print 0 0 ", "box 13 1 0 0 1500 1500 0", "print 30 30 Hi", "print 0 0 ", "box 13 1 0 0 15 15 0"},
         Tool::Process, Tool::Process, false},
        {"an emptied text box does not keep the locked tool from the next drag",
         [](BareDrag& b) { b.click(Tool::Line), b.d.lock(Tool::Line), b.type(""), b.drag(0, 0, 15, 0); },
         {"print 0 0 ", "line 13 1 0 0 15 0 0"}, Tool::Line, Tool::Line, false},
        {"a locked eraser, like its button, leaves the tools clean",
         [](BareDrag& b) { b.click(Tool::Eraser), b.d.lock(Tool::Eraser), b.drag(0, 0, 0, 0), b.drag(0, 0, 0, 0); },
         {"print 0 0 ", "print 0 0 "}, Tool::Eraser, Tool::Eraser, true},
        {"only drawing tools lock",
         [](BareDrag& b) { b.d.lock(Tool::TextPending), b.drag(0, 0, 0, 0); },
         {"print 0 0 "}, Tool::Finished, Tool::None, true},
    };
    for (const Case& c : cases) {
        BareDrag b;
        QStringList trace;
        b.doc.canvas.setTrace([&](const QString& l) { trace << l; });
        c.steps(b);
        EXPECT_EQ(trace, c.trace) << c.name;
        EXPECT_EQ(b.tool, c.tool) << c.name;
        EXPECT_EQ(b.d.lockedTool(), c.locked) << c.name;
        EXPECT_EQ(b.doc.toolsClean, c.toolsClean) << c.name;
    }
}

// Restricted figures need the release right of and below the press, or level.
TEST(DrawingAids, DragsThatDrawNothingAreKnownBeforeTheRelease) {
    struct Case {
        int code;
        float x, y;  // from (3000, 3000)
        bool nothing;
    } cases[] = {
        {Tool::PredefinedProcess, 4000, 4000, false}, {Tool::PredefinedProcess, 3000, 3000, false},
        {Tool::PredefinedProcess, 2999, 4000, true},  {Tool::DocumentSymbol, 4000, 2999, true},
        {Tool::DoubleSideArrow, NAN, 4000, true},     {Tool::Decision, 0, 0, false},
        {Tool::Process, 0, 0, false},                 {Tool::Finished, 0, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Tool::drawsNothing(c.code, 3000, 3000, c.x, c.y), c.nothing) << c.code << " " << c.x << "," << c.y;
}

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

TEST(DrawingAids, ADoubleClickLocksTheToolInTheWindowUntilEscAnotherButtonOrAClick) {
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
TEST(DrawingAids, WithSnapOnEveryGestureButTheEraserTakesGridPoints) {
    const QStringList gesture = {"down 1 0 1574 1576", "move 1 0 3020 2260", "up 1 0 4440 3070"};
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
        {"selection marked", {"menu select1"}, {"selection=100,110,200,90"}, {}},
        {"selection moved", {"menu select1", "down 1 0 0 0", "up 1 0 6000 6000"},
         {"selection=200,90,400,400"}, {}},
        {"eraser", {"click cmdErase"}, {"startX=1574", "startY=1576", "curX=4440", "curY=3070"}, {}},
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
TEST(DrawingAids, TheGridIsNeverInThePicture) {
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

TEST(DrawingAids, TheSpacingDialogTakesTwoToTwoHundredPixels) {
    struct Case {
        const char* answer;
        const char* spacing;
        int messages;
    } cases[] = {{"grid 25", "25", 0}, {"grid cancel", "10", 0}, {"grid 201", "10", 1}, {"grid 2", "2", 0}};
    for (const Case& c : cases) {
        Harness h;
        h.run({c.answer, "menu gridspacing1"});
        EXPECT_EQ(h.dumped("gridSpacing"), c.spacing) << c.answer;
        EXPECT_EQ(h.out.first(), "dialog grid 10") << c.answer;
        EXPECT_EQ(h.out.filter("message").size(), c.messages) << c.answer;
    }
}

// A figure that needs a drag down and to the right says so while dragged
// elsewhere, and draws nothing.
TEST(DrawingAids, ADragUpOrLeftOfARestrictedFigureExplainsItself) {
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
// on the palette, with Snap on and Return for each label; the pointer never
// lies on the grid, every corner does.
TEST(DrawingAids, AChartFromFiveDoubleClicks) {
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
        h.run({"text txtinsert " + label, "return txtinsert"});
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
}
