// What helps draw a chart quickly and tidily: the grid (where snapped points
// land, the lines the view draws), a tool that stays, and drags known to draw
// nothing.
#include "core/Canvas.h"
#include "core/DragDispatcher.h"
#include "core/FigureMemory.h"
#include "core/Grid.h"
#include "core/ImageOps.h"
#include "shapes/ShapeModule.h"

#include <QImage>
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
    void closeDragStep(bool erased) override {
        if (doc.endStep() && erased) doc.markChanged();
    }
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
        {"a locked line takes the look at each press, and asks each press which way its elbow leaves",
         [](BareDrag& b) {
             b.state.lineLook = {LineEnds::End, LineStyle::Solid, LineRoute::Elbow};
             b.d.firstLegAt = [](float x, float) { return x == 0 ? FirstLeg::Vertical : FirstLeg::Longer; };
             b.click(Tool::Line), b.d.lock(Tool::Line), b.drag(0, 0, 1500, 15);
             b.state.lineLook.style = LineStyle::Dashed, b.drag(15, 0, 1500, 15);
         },
         {"print 0 0 ", "connector 13 1 0 0 1500 15 end solid elbow vertical 0", "print 15 0 ",
          "connector 13 1 15 0 1500 15 end dashed elbow longer 0"},
         Tool::Line, Tool::Line, false},
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

// Each figure offers the middles of its sides, a decision its corners, and
// every one of them is a pixel of the figure as drawn, turned or flipped
// with the picture or not, named by the side it faces now.
TEST(DrawingAids, ConnectionPointsLieOnTheFigureDrawn) {
    const struct {
        int tool;
        QRectF drag;
    } cases[] = {
        {Tool::Process, QRectF(QPointF(1500, 1500), QPointF(4500, 3000))},
        {Tool::Process, QRectF(QPointF(4500, 3000), QPointF(1500, 1500))},
        {Tool::Decision, QRectF(QPointF(1500, 1500), QPointF(4530, 3030))},
        {Tool::Circle, QRectF(QPointF(1500, 1500), QPointF(6000, 3000))},
        {Tool::Start, QRectF(QPointF(1500, 1500), QPointF(4500, 3000))},
        {Tool::Preparation, QRectF(QPointF(1500, 1500), QPointF(4500, 3000))},
        {Tool::OffPageReference, QRectF(QPointF(1500, 1500), QPointF(4500, 3000))},
        {Tool::PredefinedProcess, QRectF(QPointF(1500, 1500), QPointF(4500, 3000))},
        {Tool::Data, QRectF(QPointF(1500, 1500), QPointF(4500, 3000))},
        {Tool::ManualOperation, QRectF(QPointF(1500, 1500), QPointF(4500, 3000))},
        {Tool::DocumentSymbol, QRectF(QPointF(1500, 1500), QPointF(4500, 3000))},
        {Tool::PaperTape, QRectF(QPointF(1500, 1500), QPointF(4500, 3000))},
        {Tool::StoredData, QRectF(QPointF(1500, 1500), QPointF(4500, 3000))},
        {Tool::ManualInput, QRectF(QPointF(1500, 1500), QPointF(4500, 3000))},
        {Tool::LoopLimit, QRectF(QPointF(1500, 1500), QPointF(4500, 3000))},
        {Tool::SequentialData, QRectF(QPointF(1500, 1500), QPointF(4500, 3000))},
        {Tool::DirectData, QRectF(QPointF(1500, 1500), QPointF(4500, 3000))},
        {Tool::InternalProcess, QRectF(QPointF(1500, 1500), QPointF(4500, 3000))},
        {Tool::InternalStorage, QRectF(QPointF(1500, 1500), QPointF(4500, 3000))},
        {Tool::ParallelMode, QRectF(QPointF(1500, 1500), QPointF(4500, 3000))},
    };
    const std::optional<Turn> turns[] = {std::nullopt,     Turn::FlipHorizontal, Turn::FlipVertical,
                                         Turn::Rotate180,  Turn::RotateRight,    Turn::RotateLeft};
    for (const auto& c : cases) {
        for (const std::optional<Turn> turn : turns) {
            BareDrag b;
            b.click(c.tool);
            b.drag(float(c.drag.left()), float(c.drag.top()), float(c.drag.right()), float(c.drag.bottom()));
            if (turn) b.doc.turn(*turn);
            ASSERT_EQ(b.doc.figures().figures().size(), 1u) << c.tool;
            const QString how = turn ? turnName(*turn) : QString();
            // On a slanted side, the pixel the line took may be the next one.
            const int slack = c.tool == Tool::Data || c.tool == Tool::ManualOperation ? 1 : 0;
            const QPoint sides[] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
            for (const FigureMemory::Point& p : FigureMemory::points(b.doc.figures().figures().front())) {
                const QPoint at(Canvas::toPixels(float(p.at.x())), Canvas::toPixels(float(p.at.y())));
                int ink = 0;
                for (int i = 0; i < (slack ? 5 : 1); ++i)
                    ink += (b.doc.canvas.Image().pixel(at + sides[i]) & 0xFFFFFF) != 0xFFFFFF;
                EXPECT_GT(ink, 0) << c.tool << " " << qPrintable(how) << ": " << qPrintable(FigureMemory::describe(p))
                                  << " at " << at.x() << "," << at.y();
                // It faces the way its side is named.
                const QPointF centre = b.doc.figures().figures().front().rect.center();
                const QPointF out = p.at - centre;
                const bool faces[] = {out.y() < 0, out.y() > 0, out.x() < 0, out.x() > 0};
                EXPECT_TRUE(faces[int(p.side)])
                    << c.tool << " " << qPrintable(how) << ": " << qPrintable(FigureMemory::describe(p));
                // A press there lies on that side of that figure.
                const std::optional<FigureMemory::Point> side = b.doc.figures().sideAt(p.at, 1);
                EXPECT_TRUE(side && side->side == p.side) << c.tool << ": " << qPrintable(FigureMemory::describe(p));
            }
            const QPointF centre = b.doc.figures().figures().front().rect.center();
            EXPECT_EQ(b.doc.figures().under(centre), &b.doc.figures().figures().front()) << c.tool;
        }
    }
}
