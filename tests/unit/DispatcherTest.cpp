// The drag on the canvas with the built-in tools: the exact canvas calls of
// each gesture, and what the pixels look like afterwards.
#include "Harness.h"

#include "app/canvas/CanvasView.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <cmath>

namespace {

QStringList traceOf(const QStringList& script) {
    Harness h;
    h.run(script);
    return h.trace;
}

// A white picture of SIZE on the window's canvas, as if opened.
void showBlank(Harness& h, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    h.w->canvas.Picture(picture, QStringLiteral("p.bmp"));
}

}  // namespace

TEST(Dispatcher, GesturesMakeExactlyTheseCanvasCalls) {
    struct Case {
        const char* name;
        QStringList script;
        QStringList trace;
    } cases[] = {
        {"line: the rubber band starts at zero length and is not erased at the end",
         {"click cmdLine", "down 1 0 1500 1500", "move 1 0 3000 2000", "move 1 0 4500 1000", "up 1 0 4500 1000"},
         {"print 1500 1500 ", "line 6 2 1500 1500 1500 1500 -", "line 6 2 1500 1500 3000 2000 -",
          "line 6 2 1500 1500 3000 2000 -", "line 6 2 1500 1500 4500 1000 -", "line 13 2 1500 1500 4500 1000 0"}},
        {"circle: the release erases the last frame only",
         {"click cmdCircle", "down 1 0 3000 3000", "move 1 0 4000 4000", "move 1 0 2000 2000", "up 1 0 2000 2000"},
         {"print 3000 3000 ", "box 6 2 2950 2950 4050 4050 -", "circle 6 2 3500 3500 498 - - - -",
          "box 6 2 2950 2950 4050 4050 -", "circle 6 2 3500 3500 498 - - - -", "box 6 2 2950 2950 2050 2050 -",
          "circle 6 2 2500 2500 502 - - - -", "box 6 2 2950 2950 2050 2050 -", "circle 13 2 2500 2500 502 0 - - -"}},
        {"circle: a click draws radius 2 at the click point",
         {"click cmdCircle", "down 1 0 3000 3000", "up 1 0 3000 3000"},
         {"print 3000 3000 ", "circle 13 1 3000 3000 2 0 - - -"}},
        {"process box in any direction",
         {"click cmdSquare", "down 1 0 3000 3000", "move 1 0 1000 4000", "up 1 0 1000 4000"},
         {"print 3000 3000 ", "box 6 2 3000 3000 1000 4000 -", "box 6 2 3000 3000 1000 4000 -",
          "box 13 2 3000 3000 1000 4000 0"}},
        {"right-button drag: no previews, the figure at the release",
         {"click cmdSquare", "down 2 0 3000 3000", "move 2 0 3500 3500", "up 2 0 4000 4500"},
         {"print 3000 3000 ", "box 13 1 3000 3000 4000 4500 0"}},
        {"eraser: whitens the previous square, draws the blue one, pen back to 1",
         {"click cmdErase", "down 1 0 3000 3000", "move 1 0 3100 3000", "move 1 0 3200 3100", "up 1 0 3200 3100"},
         {"print 3000 3000 ", "box 13 5 3050 2950 3150 3050 16711680", "box 16 5 3050 2950 3150 3050 -",
          "box 13 5 3150 3050 3250 3150 16711680", "box 16 5 3150 3050 3250 3150 -"}},
        {"eraser width read at each move",
         {"click cmdErase", "down 1 0 3000 3000", "select cmberaserwidth 19", "move 1 0 3000 3000", "up 1 0 3000 3000"},
         {"print 3000 3000 ", "box 13 20 2800 2800 3200 3200 16711680", "box 16 20 2800 2800 3200 3200 -"}},
        {"a width chosen between drags applies from the next move",
         {"click cmdSquare", "down 1 0 0 0", "select cmbDrawWidth 9", "up 1 0 1500 1500", "click cmdSquare",
          "down 1 0 0 0", "move 1 0 1500 1500", "up 1 0 1500 1500"},
         {"print 0 0 ", "box 13 1 0 0 1500 1500 0", "print 0 0 ", "box 6 10 0 0 1500 1500 -",
          "box 6 10 0 0 1500 1500 -", "box 13 10 0 0 1500 1500 0"}},
        {"no tool chosen, and a second drag after a finished one, draw nothing",
         {"down 1 0 0 0", "move 1 0 1500 1500", "up 1 0 1500 1500", "click cmdLine", "down 1 0 0 0",
          "up 1 0 1500 1500", "down 1 0 0 0", "move 1 0 15 15", "up 1 0 1500 1500"},
         {"print 0 0 ", "print 0 0 ", "line 13 2 0 0 1500 1500 0", "print 0 0 "}},
        {"moves far outside the canvas are drawn clipped, not refused",
         {"click cmdSquare", "down 1 0 3000 3000", "move 1 0 -90000 1e7", "up 1 0 -90000 1e7"},
         {"print 3000 3000 ", "box 6 2 3000 3000 -90000 1e+07 -", "box 6 2 3000 3000 -90000 1e+07 -",
          "box 13 2 3000 3000 -90000 1e+07 0"}},
        {"points beyond any pixel, or no number at all, are held at the far edge, for the floating text too",
         {"move 0 0 3e38 3e38", "move 0 0 -3e38 -3e38", "move 0 0 nan inf", "text txtinsert Hi",
          "down 1 0 3e38 -3e38", "up 1 0 3e38 -3e38", "click cmdSquare", "down 1 0 nan 3e38", "move 1 0 -inf 3e38",
          "up 1 0 -inf 3e38"},
         {"print 3e+38 -3e+38 Hi", "print nan 3e+38 ", "box 6 2 nan 3e+38 -inf 3e+38 -",
          "box 6 2 nan 3e+38 -inf 3e+38 -", "box 13 2 nan 3e+38 -inf 3e+38 0"}},
        {"Esc erases the preview; the rest of the drag draws nothing",
         {"click cmdSquare", "down 1 0 3000 3000", "move 1 0 4000 4000", "key Esc", "move 1 0 5000 5000",
          "up 1 0 5000 5000"},
         {"print 3000 3000 ", "box 6 2 3000 3000 4000 4000 -", "box 6 2 3000 3000 4000 4000 -"}},
        {"so do Undo's and Redo's keys in the first drag, with nothing to undo or redo yet",
         {"click cmdSquare", "down 1 0 3000 3000", "move 1 0 4000 4000", "key Ctrl+Z", "move 1 0 5000 5000",
          "up 1 0 5000 5000", "click cmdSquare", "down 1 0 3000 3000", "move 1 0 4000 4000", "key Ctrl+Shift+Z",
          "up 1 0 5000 5000"},
         {"print 3000 3000 ", "box 6 2 3000 3000 4000 4000 -", "box 6 2 3000 3000 4000 4000 -", "print 3000 3000 ",
          "box 6 2 3000 3000 4000 4000 -", "box 6 2 3000 3000 4000 4000 -"}},
        {"a lost focus erases the line's band and the dot its first move left",
         {"click cmdLine", "down 1 0 3000 3000", "move 1 0 4000 4000", "deactivate", "up 1 0 4000 4000"},
         {"print 3000 3000 ", "line 6 2 3000 3000 3000 3000 -", "line 6 2 3000 3000 4000 4000 -",
          "line 6 2 3000 3000 4000 4000 -", "line 6 2 3000 3000 3000 3000 -"}},
        {"a command mid-drag erases the preview at the width it was drawn with",
         {"click cmdrhombus", "down 1 0 3000 3000", "move 1 0 4000 4000", "select cmbDrawWidth 5", "up 1 0 4000 4000"},
         {"print 3000 3000 ", "box 6 2 2950 2950 4050 4050 -", "line 6 2 3500 3000 3000 3500 -",
          "line 6 2 3000 3500 3500 4000 -", "line 6 2 3500 4000 4000 3500 -", "line 6 2 4000 3500 3500 3000 -",
          "box 6 2 2950 2950 4050 4050 -", "line 6 2 3500 3000 3000 3500 -", "line 6 2 3000 3500 3500 4000 -",
          "line 6 2 3500 4000 4000 3500 -", "line 6 2 4000 3500 3500 3000 -"}},
        {"a line with a head: each connector is erased whole, and at the release too",
         {"menu lineendarrow1", "click cmdLine", "down 1 0 1500 1500", "move 1 0 3000 2000", "move 1 0 4500 1000",
          "up 1 0 4500 1000"},
         {"print 1500 1500 ", "connector 6 2 1500 1500 3000 2000 end solid straight longer -",
          "connector 6 2 1500 1500 3000 2000 end solid straight longer -",
          "connector 6 2 1500 1500 4500 1000 end solid straight longer -",
          "connector 6 2 1500 1500 4500 1000 end solid straight longer -",
          "connector 13 2 1500 1500 4500 1000 end solid straight longer 0"}},
        {"a connector's band is erased also where it ended at -1, the mark of no preview",
         {"menu routeelbow1", "click cmdLine", "down 1 0 1500 1500", "move 1 0 -1 -1", "move 1 0 3000 3000",
          "up 1 0 3000 3000"},
         {"print 1500 1500 ", "connector 6 2 1500 1500 -1 -1 none solid elbow longer -",
          "connector 6 2 1500 1500 -1 -1 none solid elbow longer -",
          "connector 6 2 1500 1500 3000 3000 none solid elbow longer -",
          "connector 6 2 1500 1500 3000 3000 none solid elbow longer -",
          "connector 13 2 1500 1500 3000 3000 none solid elbow longer 0"}},
        {"Esc erases a dashed elbow",
         {"menu linedash1", "menu routeelbow1", "click cmdLine", "down 1 0 1500 1500", "move 1 0 3000 2000",
          "key Esc", "up 1 0 3000 2000"},
         {"print 1500 1500 ", "connector 6 2 1500 1500 3000 2000 none dashed elbow longer -",
          "connector 6 2 1500 1500 3000 2000 none dashed elbow longer -"}},
        {"an elbow pressed on a box's right side leaves it across, though the drag is mostly down",
         {"click cmdSquare", "down 1 0 1500 1500", "up 1 0 3000 3000", "menu routeelbow1", "click cmdLine",
          "down 2 0 3000 2250", "up 2 0 3300 6000"},
         {"print 1500 1500 ", "box 13 1 1500 1500 3000 3000 0", "print 3000 2250 ",
          "connector 13 1 3000 2250 3300 6000 none solid elbow horizontal 0"}},
        {"a right-button connector: no preview, the figure at the release",
         {"menu lineendboth1", "menu linedot1", "click cmdLine", "down 2 0 1500 1500", "move 2 0 2000 2000",
          "up 2 0 3000 1500"},
         {"print 1500 1500 ", "connector 13 1 1500 1500 3000 1500 both dotted straight longer 0"}},
        {"the look is the line's alone, and back at None, Solid and Straight the line is plain again",
         {"menu lineendboth1", "menu linedot1", "menu routeelbow1", "click cmdSquare", "down 1 0 0 0",
          "up 1 0 1500 1500", "menu lineendnone1", "menu linesolid1", "menu routestraight1", "click cmdLine",
          "down 1 0 0 0", "up 1 0 1500 1500"},
         {"print 0 0 ", "box 13 1 0 0 1500 1500 0", "print 0 0 ", "line 13 1 0 0 1500 1500 0"}},
        {"a look chosen mid-drag ends the drag and waits for the next line",
         {"click cmdLine", "down 1 0 0 0", "move 1 0 1500 1500", "menu lineendarrow1", "up 1 0 1500 1500",
          "click cmdLine", "down 1 0 0 0", "up 1 0 1500 0"},
         {"print 0 0 ", "line 6 2 0 0 0 0 -", "line 6 2 0 0 1500 1500 -", "line 6 2 0 0 1500 1500 -",
          "line 6 2 0 0 0 0 -", "print 0 0 ", "connector 13 2 0 0 1500 0 end solid straight longer 0"}},
        {"another button's press and release during a drag are ignored",
         {"click cmdSquare", "down 1 0 3000 3000", "move 1 0 4000 4000", "down 2 0 90 90", "up 2 0 90 90",
          "up 1 0 4000 4000"},
         {"print 3000 3000 ", "box 6 2 3000 3000 4000 4000 -", "box 6 2 3000 3000 4000 4000 -",
          "box 13 2 3000 3000 4000 4000 0"}},
    };
    for (const Case& c : cases) EXPECT_EQ(traceOf(c.script), c.trace) << c.name;
}

// A connector's rubber band, whatever the moves before, shows exactly the
// connector to the pointer; the release leaves what one move leaves; Esc
// leaves the picture blank.
TEST(Dispatcher, AConnectorsBandLeavesNothingBehind) {
    struct Case {
        QStringList look;
        int width;  // the draw-width list's entry
        const char* end;
    } cases[] = {
        {{"menu lineendarrow1"}, 0, "6000 4500"},
        {{"menu lineendboth1"}, 4, "6000 4500"},
        {{"menu linedash1"}, 0, "1000 5000"},
        {{"menu linedot1"}, 2, "6000 4500"},
        {{"menu routeelbow1"}, 0, "6000 2000"},
        {{"menu routeelbow1", "menu lineendarrow1", "menu linedash1"}, 1, "1000 6000"},
        {{"menu routeelbow1", "menu lineendboth1", "menu linedot1"}, 9, "6000 4500"},
        {{"menu routeelbow1", "menu lineendarrow1"}, 3, "1700 1600"},  // shorter than its head
    };
    for (const Case& c : cases) {
        const std::string name = (c.look.join(", ") + QStringLiteral(" width %1 to %2").arg(c.width + 1).arg(c.end)).toStdString();
        const QString end = QLatin1String(c.end);
        QStringList start = c.look;
        start << QStringLiteral("select cmbDrawWidth %1").arg(c.width) << "click cmdLine" << "down 1 0 1500 1500";
        QStringList wander;  // round the press, the elbow turning both ways
        for (int i = 0; i < 39; ++i)
            wander << QStringLiteral("move 1 0 %1 %2").arg(1500 + 3000 * std::cos(i * 0.4)).arg(1500 + 2500 * std::sin(i * 0.7));
        Harness once, often, escaped;
        once.run(start + QStringList{"move 1 0 " + end, "up 1 0 " + end});
        often.run(start + wander + QStringList{"move 1 0 " + end});
        Canvas band;
        band.DrawWidth = c.width + 1;
        const QStringList to = end.split(' ');
        drawConnector(band, 1500, 1500, to[0].toFloat(), to[1].toFloat(), often.w->state.lineLook, FirstLeg::Longer, 0);
        EXPECT_EQ(often.image(), band.Image()) << name << ": the band";  // inverted white is black
        often.run("up 1 0 " + end);
        EXPECT_EQ(often.image(), once.image()) << name;
        EXPECT_NE(once.image(), Harness().image()) << name;
        escaped.run(start + wander + QStringList{"key Esc", "up 1 0 " + end});
        EXPECT_EQ(escaped.image(), Harness().image()) << name;
    }
}

TEST(Dispatcher, CircleRadiusFollowsTheVerticalExtentOnly) {
    struct Case {
        float dx, dy, radius;
    } cases[] = {{0, 1000, 498}, {0, -1000, 502}, {3000, 0, 2}, {0, 4, 0}};
    for (const Case& c : cases) {
        Harness h;
        h.run({"click cmdCircle", "down 1 0 5000 5000",
               QStringLiteral("up 1 0 %1 %2").arg(5000 + c.dx).arg(5000 + c.dy)});
        EXPECT_EQ(h.trace.last().split(' ').at(5), Canvas::number(c.radius)) << c.dx << "," << c.dy;
    }
}

// After a release at the last move point only the finished figure remains:
// the image equals a clean canvas with just that figure drawn.
TEST(Dispatcher, AfterTheReleaseNoPreviewPixelsRemain) {
    QRandomGenerator rng(20261207);
    const char* tools[] = {"cmdLine", "cmdCircle", "cmdSquare"};
    for (int round = 0; round < 30; ++round) {
        Harness h;
        const QString tool = QLatin1String(tools[round % 3]);
        auto coord = [&] { return rng.bounded(-2000, 12000); };
        const int x0 = coord(), y0 = coord();
        QStringList script{QStringLiteral("select cmbDrawWidth %1").arg(rng.bounded(10)), "click " + tool,
                           QStringLiteral("down 1 0 %1 %2").arg(x0).arg(y0)};
        int x = x0, y = y0;
        for (int i = 0, n = rng.bounded(8); i < n; ++i) {
            x = coord();
            y = coord();
            script << QStringLiteral("move 1 0 %1 %2").arg(x).arg(y);
        }
        script << QStringLiteral("up 1 0 %1 %2").arg(x).arg(y);
        h.run(script);

        Harness clean;
        clean.w->canvas.DrawWidth = h.w->canvas.DrawWidth;
        clean.w->canvas.DrawMode = Canvas::kCopyPen;
        const QString finished = h.trace.last();
        const QStringList f = finished.split(' ');
        if (f[0] == QLatin1String("line"))
            clean.w->canvas.Line(f[3].toFloat(), f[4].toFloat(), f[5].toFloat(), f[6].toFloat(), 0);
        else if (f[0] == QLatin1String("box"))
            clean.w->canvas.Box(f[3].toFloat(), f[4].toFloat(), f[5].toFloat(), f[6].toFloat(), 0);
        else
            clean.w->canvas.Circle(f[3].toFloat(), f[4].toFloat(), f[5].toFloat(), 0);
        EXPECT_EQ(h.image(), clean.image()) << qPrintable(script.join(QStringLiteral("; ")));
    }
}

// Moves made while a second button is down draw nothing; whatever band the
// last single-button move left, the release leaves the plain drag's pixels,
// whichever button comes up first.
TEST(Dispatcher, ASecondButtonMidDragLeavesThePixelsOfAPlainDrag) {
    const struct {
        const char* tool;
        const char* end;  // where the moves with both buttons end, and both releases
        bool rightUpFirst;
    } cases[] = {{"cmdLine", "6000 4500", true},    {"cmdLine", "6000 4500", false},
                 {"cmdCircle", "6000 4500", true},  {"cmdCircle", "6000 4500", false},
                 {"cmdSquare", "6000 4500", true},  {"cmdErase", "6000 4500", true},
                 {"cmdrhombus", "6000 4500", true}, {"cmdrhombus", "1000 4500", true}};
    for (const auto& c : cases) {
        const QString tool = QStringLiteral("click ") + QLatin1String(c.tool), end = QLatin1String(c.end);
        const QStringList ups{"up 2 0 " + end, "up 1 0 " + end};
        Harness twoButtons, plain;
        twoButtons.run({"select cmbDrawWidth 3", tool, "down 1 0 1500 1500", "move 1 0 3000 6000",
                        "down 2 0 3000 6000", "move 3 0 " + end, ups[c.rightUpFirst ? 0 : 1],
                        ups[c.rightUpFirst ? 1 : 0]});
        plain.run({"select cmbDrawWidth 3", tool, "down 1 0 1500 1500", "move 1 0 " + end, "up 1 0 " + end});
        EXPECT_EQ(twoButtons.image(), plain.image()) << c.tool << " to " << c.end << (c.rightUpFirst ? ", right up first" : "");
    }
}

TEST(Dispatcher, EraserLeavesNoBlueAndErasesOnlyUnderTheOutline) {
    Harness h;
    h.run({"select cmbDrawWidth 9", "click cmdSquare", "down 1 0 1500 1500", "up 1 0 6000 6000", "click cmdErase",
           "down 1 0 1500 3000", "move 1 0 1500 3000", "move 1 0 1500 4500", "up 1 0 1500 4500"});
    int blue = 0;
    for (int y = 0; y < h.image().height(); ++y)
        for (int x = 0; x < h.image().width(); ++x) blue += h.image().pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_EQ(blue, 0);
    EXPECT_EQ(h.dumped("DrawWidth"), "1");
    // The 10-pixel edge at x = 100 is cut under the squares' top sides, but
    // neither inside a square nor between the two.
    EXPECT_EQ(h.image().pixel(100, 196), qRgb(255, 255, 255));
    EXPECT_EQ(h.image().pixel(100, 200), qRgb(0, 0, 0));
    EXPECT_EQ(h.image().pixel(100, 250), qRgb(0, 0, 0));
}

TEST(Dispatcher, ThePressMarksTheCanvasEvenWhenNothingIsDrawn) {
    Harness h;
    h.run(QStringList{"down 2 0 100 100", "up 2 0 100 100"});
    EXPECT_EQ(h.dumped("canvasClean"), "false");
    EXPECT_EQ(h.dumped("currentTool"), "34");
    EXPECT_EQ(h.dumped("toolsClean"), "true");
}

TEST(Dispatcher, EveryMoveTakesTheFloatingTextAlong) {
    Harness h;
    h.run("move 0 0 1000 2000");
    EXPECT_EQ(h.dumped("Text1.left"), "1100");
    EXPECT_EQ(h.dumped("Text1.top"), "2100");
    EXPECT_EQ(h.dumped("prevX"), "-1");  // moves without the left button draw nothing
}

// The View menu's levels, and a drag on the view at each, from the view's
// own mouse events: the canvas gets the same twips for the same picture
// point, the status bar follows the drag and the floating text sits beside
// the pointer. A press anywhere inside a magnified pixel's square acts on
// that pixel, and one on a reduced pixel on the first picture pixel it shows.
TEST(Dispatcher, TheViewMapsThePointerToPictureTwipsAtEveryZoom) {
    struct Case {
        const char* name;
        QSize picture;  // opened first when not empty
        QStringList zoom;
        int percent;
    } cases[] = {
        {"actual size", {}, {}, 100},
        {"one step in", {}, {"menu zoomin1"}, 200},
        {"two steps in", {}, {"menu zoomin1", "menu zoomin1"}, 300},
        {"three steps in", {}, {"key Ctrl+=", "menu zoomin1", "menu zoomin1"}, 400},
        {"in stops at 800", {}, QStringList(10, "menu zoomin1"), 800},
        {"one step out", {}, {"menu zoomout1"}, 67},
        {"two steps out", {}, {"key Ctrl+-", "menu zoomout1"}, 50},
        {"three steps out", {}, QStringList(3, "menu zoomout1"), 33},
        {"out stops at 25", {}, QStringList(6, "menu zoomout1"), 25},
        {"back to actual size", {}, {"menu zoomin1", "key Ctrl+0"}, 100},
        {"a small picture fits at 300", {200, 150}, {"menu zoomout1", "menu zoomfit1"}, 300},
        {"a wide picture fits at 67", {1000, 300}, {"menu zoomfit1"}, 67},
        {"a picture that fits at no level gets the whole percentage that fits", {3000, 2000}, {"menu zoomfit1"}, 24},
        {"a long one fits at 9", {8000, 1000}, {"menu zoomfit1"}, 9},
        {"from there in goes to the smallest level", {3000, 2000}, {"menu zoomfit1", "menu zoomin1"}, 25},
        {"and out stays", {3000, 2000}, {"menu zoomfit1", "menu zoomout1"}, 24},
    };
    const QStringList reference = traceOf({"click cmdSquare", "down 1 0 1500 1500", "move 1 0 4500 3000",
                                           "up 1 0 4500 3000"});
    for (const Case& c : cases) {
        Harness h;
        if (!c.picture.isEmpty()) showBlank(h, c.picture);
        h.run(c.zoom);
        ASSERT_EQ(h.dumped("zoom"), QString::number(c.percent)) << c.name;
        const double s = c.percent / 100.0;
        EXPECT_EQ(h.w->Picture1->size(),
                  QSize(h.image().width() * c.percent / 100, h.image().height() * c.percent / 100))
            << c.name;
        const CanvasView& view = *h.w->Picture1;
        auto at = [&](const char* kind, int pixel, int offset) {
            const int w = view.toWidget(pixel) + offset;
            return QStringLiteral("view %1 1 0 %2 %3").arg(kind).arg(w).arg(w);
        };
        auto drag = [&](int offset) {
            h.run("click cmdSquare");
            h.trace.clear();
            h.run({at("down", 100, offset), QStringLiteral("view move 1 0 %1 %2").arg(view.toWidget(300) + offset)
                                                .arg(view.toWidget(200) + offset)});
        };
        drag(0);
        const QString size = QStringLiteral("Picture %1 × %2").arg(h.image().width()).arg(h.image().height());
        EXPECT_EQ(h.dumped("status"), QStringLiteral("Pointer 300, 200    Drag 200 × 100    %1    Zoom %2%    Process")
                                          .arg(size)
                                          .arg(c.percent))
            << c.name;
        // 100 twips right of and below the pointer, in picture pixels.
        EXPECT_NEAR(h.w->Text1->x() / s, 300 + 100 / 15.0, 1 / s + 0.5) << c.name;
        EXPECT_NEAR(h.w->Text1->y() / s, 200 + 100 / 15.0, 1 / s + 0.5) << c.name;
        h.run(QStringLiteral("view up 1 0 %1 %2").arg(view.toWidget(300)).arg(view.toWidget(200)));
        EXPECT_EQ(h.trace, reference) << c.name;
        EXPECT_EQ(h.dumped("status"), QStringLiteral("Pointer 300, 200    %1    Zoom %2%").arg(size).arg(c.percent))
            << c.name;
        // The same drag from every widget pixel of the pixels' squares.
        for (int offset = 1; offset < s; ++offset) {
            drag(offset);
            h.run(QStringLiteral("view up 1 0 %1 %2").arg(view.toWidget(300) + offset).arg(view.toWidget(200) + offset));
            EXPECT_EQ(h.trace, reference) << c.name << " at offset " << offset;
        }
        // Widget pixels across a few picture pixels: the status names the pixel each shows.
        for (int w = view.toWidget(100) - 2; w < view.toWidget(100) + 12; ++w) {
            h.run({QStringLiteral("view down 2 0 %1 %1").arg(w), QStringLiteral("view up 2 0 %1 %1").arg(w)});
            const int p = h.dumped("status").section(QLatin1Char(','), 0, 0).section(QLatin1Char(' '), 1).toInt();
            const bool shows = s >= 1 ? view.toWidget(p) <= w && w < view.toWidget(p + 1)
                                      : view.toWidget(p) == w && view.toWidget(p - 1) < w;
            EXPECT_TRUE(shows) << c.name << ": widget pixel " << w << " is not on picture pixel " << p;
        }
        // The corner handle dragged up and left: while it is held the new
        // edges show dashed over the picture and the status bar names the
        // size, up to the pixel the pointer is on; the release takes it.
        QWidget& frame = *h.w->Picture1->parentWidget();
        const QRect v = view.geometry();
        const QPoint corner = v.bottomRight() + QPoint(4, 4), end(v.width() - 30, v.height() - 20);
        auto mouse = [&](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
            QMouseEvent e(type, at, frame.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
            QCoreApplication::sendEvent(&frame, &e);
        };
        mouse(QEvent::MouseButtonPress, corner, Qt::LeftButton);
        mouse(QEvent::MouseMove, corner - QPoint(30, 20), Qt::LeftButton);
        const QStringList asked = h.dumped("status").section(QStringLiteral(" → "), 1).section(QLatin1Char(' '), 0, 2)
                                      .split(QStringLiteral(" × "));
        ASSERT_EQ(asked.size(), 2) << c.name << ": " << qPrintable(h.dumped("status"));
        const QSize sized(asked[0].toInt(), asked[1].toInt());
        for (auto [side, at] : {std::pair{sized.width(), end.x()}, {sized.height(), end.y()}}) {
            if (s >= 1) {
                EXPECT_TRUE(view.toWidget(side) <= at && at < view.toWidget(side + 1)) << c.name << ": " << side;
            } else {
                EXPECT_NEAR(view.toWidget(side), at, 1) << c.name;
            }
        }
        const QImage edge = frame.grab(QRect(v.left() + view.toWidget(sized.width()), v.top(), 1,
                                             view.toWidget(sized.height()))).toImage();
        int dashes = 0;
        for (int y = 0; y < edge.height(); ++y) dashes += edge.pixel(0, y) != qRgb(255, 255, 255);
        EXPECT_GT(dashes, 0) << c.name << ": no outline over the picture";
        mouse(QEvent::MouseButtonRelease, corner - QPoint(30, 20), Qt::NoButton);
        EXPECT_EQ(h.image().size(), sized) << c.name;
    }
}

// Moves the hand makes faster than the screen shows them: a rubber band's
// moves within one frame wait, and only the last is drawn, before the
// release; the eraser sees every point; a cancelled drag's waiting move
// draws nothing.
TEST(Dispatcher, MovesWithinAFrameDrawOnlyTheLast) {
    struct Case {
        const char* name;
        const char* tool;
        QStringList after;  // what follows the moves, before the release
        QStringList reference;
    } cases[] = {
        {"a box draws the first move and the last", "cmdSquare", {},
         {"down 1 0 1500 1500", "move 1 0 1560 1560", "move 1 0 1800 1800", "up 1 0 1800 1800"}},
        {"the eraser whitens at every move", "cmdErase", {},
         {"down 1 0 1500 1500", "move 1 0 1560 1560", "move 1 0 1620 1620", "move 1 0 1680 1680",
          "move 1 0 1740 1740", "move 1 0 1800 1800", "up 1 0 1800 1800"}},
        {"Esc drops the waiting move", "cmdLine", {"key Escape"},
         {"down 1 0 1500 1500", "move 1 0 1560 1560", "key Escape", "up 1 0 1800 1800"}},
    };
    for (const Case& c : cases) {
        Harness h;
        h.run(QStringLiteral("click ") + QLatin1String(c.tool));
        h.trace.clear();
        auto send = [&](QEvent::Type type, int twips, Qt::MouseButtons buttons) {
            const QPointF at(twips / 15.0, twips / 15.0);
            QMouseEvent e(type, at, at, Qt::LeftButton, buttons, Qt::NoModifier);
            QCoreApplication::sendEvent(h.w->Picture1, &e);
        };
        QElapsedTimer clock;
        clock.start();
        send(QEvent::MouseButtonPress, 1500, Qt::LeftButton);
        for (int twips = 1560; twips <= 1800; twips += 60) send(QEvent::MouseMove, twips, Qt::LeftButton);
        qint64 quick = clock.elapsed();  // the moves, and the release when nothing comes between
        if (!c.after.isEmpty()) {
            h.run(c.after);
            // The waiting move's frame ends.
            for (clock.start(); clock.elapsed() < 40;) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        send(QEvent::MouseButtonRelease, 1800, Qt::NoButton);
        if (c.after.isEmpty()) quick = clock.elapsed();

        Harness scripted;
        scripted.run(QStringLiteral("click ") + QLatin1String(c.tool));
        scripted.trace.clear();
        scripted.run(c.reference);
        EXPECT_EQ(h.image(), scripted.image()) << c.name;
        if (quick < 16) {
            EXPECT_EQ(h.trace, scripted.trace) << c.name;
        }
    }
}

// Below 100 % the view shows a line one picture pixel wide, drawn before the
// zoom or after it, clearly darker than white, wherever it falls within a
// widget pixel.
TEST(Dispatcher, TheReducedViewKeepsEveryLine) {
    struct Case {
        QSize picture;
        std::vector<int> percents;
    } cases[] = {
        {{}, {25, 33, 50, 67}},
        {{4000, 3000}, {25, 33, 50, 67}},
        {{10000, 10000}, {33}},  // the whole picture reduced costs time
    };
    for (const Case& c : cases) {
        Harness h;
        if (!c.picture.isEmpty()) showBlank(h, c.picture);
        const QSize size = h.image().size();
        CanvasView& view = *h.w->Picture1;
        auto line = [&](int x) { h.w->canvas.Line(15.f * x, 0, 15.f * x, 15.f * (size.height() - 1), 0); };
        // Lines 7 pixels apart fall at every offset within a widget pixel;
        // each shows on the widget pixel its column maps to.
        auto columns = [](int first) { return std::vector<int>{first, first + 7, first + 14, first + 21}; };
        for (const int x : columns(size.width() / 4)) line(x);  // before the zoom
        view.refresh();
        for (const int percent : c.percents) {
            view.setZoom(percent);
            for (const int x : columns(size.width() / 2 + percent)) line(x);  // after it, while it is reduced
            view.refresh();
            QElapsedTimer waited;
            waited.start();
            while (view.reducing() && waited.elapsed() < 60'000) QApplication::processEvents();
            view.flushPending();
            std::vector<int> all = columns(size.width() / 4), after = columns(size.width() / 2 + percent);
            all.insert(all.end(), after.begin(), after.end());
            for (const int x : all) {
                const int at = view.toWidget(x), y = view.toWidget(size.height() / 2);
                const QImage shown = view.grab(QRect(at, y, 1, 1)).toImage();
                int darkest = 255;
                for (int i = 0; i < shown.width(); ++i) darkest = std::min(darkest, qGray(shown.pixel(i, 0)));
                EXPECT_LT(darkest, 200) << size.width() << " at " << percent << " %, column " << x;
            }
        }
    }
}
