// The canvas's primitives: invert mode restores, degenerate figures leave a
// dot or a line, arcs follow the angle conventions, the trace is exact.
#include "core/Canvas.h"
#include "core/ReducedView.h"

#include <QPainter>
#include <malloc.h>
#include <QtMath>
#include <gtest/gtest.h>
#include <functional>

namespace {

// A canvas with some black scribbles, so that inverting shows.
Canvas busyCanvas() {
    Canvas c;
    c.DrawWidth = 3;
    for (int i = 0; i < 20; ++i) c.Line(float(i * 500), 0, float(10000 - i * 300), 10000, 0);
    c.DrawWidth = 1;
    return c;
}

int countColor(const QImage& img, QRgb rgb) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
    return n;
}

struct Figure {
    const char* name;
    std::function<void(Canvas&)> draw;
};

const Figure kFigures[] = {
    {"line", [](Canvas& c) { c.Line(100, 200, 5000, 3000); }},
    {"zero line", [](Canvas& c) { c.Line(1500, 1500, 1500, 1500); }},
    {"box", [](Canvas& c) { c.Box(300, 300, 6000, 4000); }},
    {"reversed box", [](Canvas& c) { c.Box(6000, 4000, 300, 300); }},
    {"flat box", [](Canvas& c) { c.Box(300, 3000, 6000, 3000); }},
    {"empty box", [](Canvas& c) { c.Box(3000, 3000, 3000, 3000); }},
    {"circle", [](Canvas& c) { c.Circle(4000, 4000, 2000); }},
    {"huge circle", [](Canvas& c) { c.Circle(1e7f + 4000, 4000, 1e7f); }},
    {"arc", [](Canvas& c) { c.Circle(4000, 4000, 2000, std::nullopt, 1.5707964f, 4.712389f); }},
    {"wrapping arc", [](Canvas& c) { c.Circle(4000, 4000, 2000, std::nullopt, 4.712389f, 1.5707964f); }},
    {"elliptic arc", [](Canvas& c) { c.Circle(4000, 4000, 2000, std::nullopt, 1.5707964f, 4.712389f, 1.8f); }},
    {"far away", [](Canvas& c) { c.Line(-1e9f, -1e9f, 1e9f, 1e9f); }},
    {"arrow", [](Canvas& c) { c.Connector(100, 200, 5000, 3000, {LineEnds::End}, FirstLeg::Longer); }},
    {"short dashed elbow with two heads", [](Canvas& c) {
         c.Connector(3000, 3000, 3100, 3400, {LineEnds::Both, LineStyle::Dashed, LineRoute::Elbow}, FirstLeg::Longer);
     }},
    {"dotted far away", [](Canvas& c) {
         c.Connector(-1e9f, -1e9f, 1e9f, 1e9f, {LineEnds::Both, LineStyle::Dotted}, FirstLeg::Longer);
     }},
};

}  // namespace

TEST(Canvas, InvertTwiceRestoresEveryPixel) {
    for (int width : {1, 2, 5, 20}) {
        for (const Figure& f : kFigures) {
            Canvas c = busyCanvas();
            const QImage before = c.Image().copy();
            c.DrawMode = Canvas::kInvert;
            c.DrawWidth = width;
            f.draw(c);
            EXPECT_NE(c.Image(), before) << f.name << " width " << width << " drew nothing";
            f.draw(c);
            EXPECT_EQ(c.Image(), before) << f.name << " width " << width;
        }
    }
}

// A connector is one figure: inverted on white it shows exactly what it
// draws in black, its heads, dashes and corner never cancelling each other.
TEST(Canvas, AConnectorIsInvertedOnce) {
    const LineLook looks[] = {{LineEnds::End},
                              {LineEnds::Both, LineStyle::Dashed},
                              {LineEnds::None, LineStyle::Solid, LineRoute::Elbow},
                              {LineEnds::End, LineStyle::Dotted, LineRoute::Elbow},
                              {LineEnds::Both, LineStyle::Dashed, LineRoute::Elbow}};
    const QRectF drags[] = {{1500, 1500, 4500, 3000}, {6000, 6000, -4000, -200}, {3000, 3000, 90, 150}};
    for (const LineLook& look : looks) {
        for (const QRectF& d : drags) {
            for (int width : {1, 2, 5, 10}) {
                Canvas inverted, drawn;
                inverted.DrawWidth = drawn.DrawWidth = width;
                inverted.DrawMode = Canvas::kInvert;
                const float x0 = float(d.left()), y0 = float(d.top()), x1 = float(d.right()), y1 = float(d.bottom());
                inverted.Connector(x0, y0, x1, y1, look, FirstLeg::Longer);
                drawn.Connector(x0, y0, x1, y1, look, FirstLeg::Longer, 0);
                EXPECT_EQ(inverted.Image(), drawn.Image())
                    << nameOf(look.ends).toStdString() << " " << nameOf(look.style).toStdString() << " "
                    << nameOf(look.route).toStdString() << " width " << width << " from " << x0 << "," << y0;
            }
        }
    }
}

// Where a connector's pixels lie, in pixels: a head ends on the end point
// and is as wide as its pen width makes it; an elbow's first leg follows
// the longer direction, or the one it is given; dashes and dots leave gaps
// but reach both ends.
TEST(Canvas, ConnectorsHeadsElbowsAndDashes) {
    struct Case {
        const char* name;
        LineLook look;
        FirstLeg leg;
        int width;
        QPoint from, to;
        std::vector<QPoint> inked, blank;
        int rows;  // the rows the figure spans, or 0
    } cases[] = {
        {"a head at width 1 is 9 rows, one the line's", {LineEnds::End}, FirstLeg::Longer, 1, {100, 100}, {200, 100},
         {{200, 100}, {191, 97}, {191, 103}, {150, 100}}, {{201, 100}, {191, 95}, {100, 97}}, 9},
        {"at width 4, 15", {LineEnds::End}, FirstLeg::Longer, 4, {100, 100}, {200, 100}, {{200, 100}}, {{201, 100}, {203, 100}}, 15},
        {"at width 10, 27; the pen's round end stays under it", {LineEnds::End}, FirstLeg::Longer, 10, {100, 100},
         {200, 100}, {{200, 100}, {175, 89}}, {{201, 100}, {95, 92}}, 27},
        {"two heads point outwards", {LineEnds::Both}, FirstLeg::Longer, 1, {100, 100}, {100, 200},
         {{100, 100}, {97, 109}, {103, 191}}, {{100, 99}, {100, 201}, {95, 109}}, 0},
        {"an elbow goes across first when the drag is wider", {LineEnds::None, LineStyle::Solid, LineRoute::Elbow},
         FirstLeg::Longer, 1, {100, 100}, {200, 140}, {{150, 100}, {200, 120}}, {{100, 120}, {150, 140}}, 0},
        {"and down first when it is taller", {LineEnds::None, LineStyle::Solid, LineRoute::Elbow}, FirstLeg::Longer,
         1, {100, 100}, {140, 200}, {{100, 150}, {120, 200}}, {{120, 100}, {140, 150}}, 0},
        {"a first leg given overrides the rule", {LineEnds::End, LineStyle::Solid, LineRoute::Elbow},
         FirstLeg::Vertical, 1, {100, 100}, {200, 140}, {{100, 120}, {150, 140}, {200, 140}, {192, 137}},
         {{150, 100}, {200, 120}}, 0},
        {"a head follows the last leg", {LineEnds::End, LineStyle::Solid, LineRoute::Elbow}, FirstLeg::Horizontal, 1,
         {100, 100}, {200, 140}, {{200, 140}, {197, 131}, {203, 131}}, {{193, 137}}, 0},
        {"dashes reach both ends", {LineEnds::None, LineStyle::Dashed}, FirstLeg::Longer, 1, {100, 100}, {300, 100},
         {{100, 100}, {300, 100}}, {}, 1},
        {"dots reach both ends", {LineEnds::None, LineStyle::Dotted}, FirstLeg::Longer, 1, {100, 100}, {300, 100},
         {{100, 100}, {300, 100}}, {{101, 100}, {299, 100}}, 1},
        {"a click is the pen's dot", {LineEnds::Both, LineStyle::Dashed, LineRoute::Elbow}, FirstLeg::Longer, 1,
         {100, 100}, {100, 100}, {{100, 100}}, {{101, 100}, {100, 101}}, 1},
    };
    for (const Case& k : cases) {
        Canvas c;
        c.DrawWidth = k.width;
        c.Connector(k.from.x() * 15.f, k.from.y() * 15.f, k.to.x() * 15.f, k.to.y() * 15.f, k.look, k.leg, 0);
        const QImage& img = c.Image();
        for (const QPoint& p : k.inked) EXPECT_EQ(img.pixel(p), qRgb(0, 0, 0)) << k.name << " at " << p.x() << "," << p.y();
        for (const QPoint& p : k.blank)
            EXPECT_EQ(img.pixel(p), qRgb(255, 255, 255)) << k.name << " at " << p.x() << "," << p.y();
        int top = img.height(), bottom = -1, row = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != qRgb(255, 255, 255)) {
                    top = std::min(top, y);
                    bottom = y;
                    row += y == k.from.y();
                }
        if (k.rows) {
            EXPECT_EQ(bottom - top + 1, k.rows) << k.name;
        }
        // Dashes and dots leave out some of their row: 201 pixels long, a
        // dash every 8, a dot every 3.
        if (k.rows == 1 && k.from != k.to && k.look.style == LineStyle::Dashed) {
            EXPECT_GT(row, 140) << k.name;
            EXPECT_LT(row, 180) << k.name;
        }
        if (k.rows == 1 && k.from != k.to && k.look.style == LineStyle::Dotted) {
            EXPECT_EQ(row, 68) << k.name;
        }
    }
}

TEST(Canvas, DegenerateFiguresLeaveADotOrALine) {
    struct Case {
        const char* name;
        std::function<void(Canvas&)> draw;
        int width;
        int pixels;
    } cases[] = {
        {"zero line, width 1", [](Canvas& c) { c.Line(1500, 1500, 1500, 1500, 0); }, 1, 1},
        {"zero line, width 4: a round dot", [](Canvas& c) { c.Line(1500, 1500, 1500, 1500, 0); }, 4, 12},
        {"zero box, width 1", [](Canvas& c) { c.Box(1500, 1500, 1500, 1500, 0); }, 1, 1},
        {"zero box, width 3", [](Canvas& c) { c.Box(1500, 1500, 1500, 1500, 0); }, 3, 9},
        {"zero line, width 5", [](Canvas& c) { c.Line(1500, 1500, 1500, 1500, 0); }, 5, 21},
        {"flat box is a line", [](Canvas& c) { c.Box(1500, 1500, 3000, 1500, 0); }, 1, 101},
        {"thin box is a line", [](Canvas& c) { c.Box(1500, 1500, 1500, 3000, 0); }, 1, 101},
        {"zero circle", [](Canvas& c) { c.Circle(1500, 1500, 0, 0); }, 1, 1},
        {"zero arc", [](Canvas& c) { c.Circle(1500, 1500, 0, 0, 1.5707964f, 4.712389f); }, 1, 1},
    };
    for (const Case& k : cases) {
        Canvas c;
        c.DrawWidth = k.width;
        k.draw(c);
        EXPECT_EQ(countColor(c.Image(), qRgb(0, 0, 0)), k.pixels) << k.name;
    }
}

TEST(Canvas, ArcsRunCounterClockwiseFromStartToEnd) {
    const float half = float(M_PI / 2), threeHalves = float(3 * M_PI / 2), pi = float(M_PI);
    struct Case {
        float start, end;
        QPoint inked, blank;  // pixels relative to the centre
    } cases[] = {
        {half, threeHalves, {-40, 0}, {40, 0}},   // left half
        {pi, 0, {0, 40}, {0, -40}},               // lower half, wrapping through 0
        {threeHalves, half, {40, 0}, {-40, 0}},   // right half
    };
    for (const Case& k : cases) {
        Canvas c;
        c.DrawWidth = 3;
        c.Circle(300 * 15, 300 * 15, 40 * 15, 0, k.start, k.end);
        const QPoint centre(300, 300);
        EXPECT_EQ(c.Image().pixel(centre + k.inked) & 0xFFFFFF, 0u) << k.start << "->" << k.end;
        EXPECT_EQ(c.Image().pixel(centre + k.blank) & 0xFFFFFF, 0xFFFFFFu) << k.start << "->" << k.end;
    }
}

TEST(Canvas, AspectPicksTheAxisTheRadiusBelongsTo) {
    struct Case {
        float aspect;
        QPoint inked;
    } cases[] = {{2.0f, {20, 0}}, {2.0f, {0, 40}}, {0.5f, {40, 0}}, {0.5f, {0, 20}}};
    for (const Case& k : cases) {
        Canvas c;
        c.Circle(300 * 15, 300 * 15, 40 * 15, 0, std::nullopt, std::nullopt, k.aspect);
        const QImage& img = c.Image();
        bool near = false;
        for (int d = -1; d <= 1; ++d)
            near = near || (img.pixel(QPoint(300, 300) + k.inked + QPoint(d * (k.inked.y() != 0), d * (k.inked.x() != 0))) & 0xFFFFFF) == 0;
        const QPoint p = QPoint(300, 300) + k.inked;
        bool any = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) any = any || (img.pixel(p + QPoint(dx, dy)) & 0xFFFFFF) == 0;
        EXPECT_TRUE(any || near) << "aspect " << k.aspect;
    }
}

TEST(Canvas, RasterModesAndColours) {
    Canvas c;
    c.DrawWidth = 1;
    c.Line(0, 150, 1500, 150, 0x0000FF);  // red, red in the low byte
    EXPECT_EQ(c.Image().pixel(50, 10), qRgb(255, 0, 0));
    c.DrawMode = Canvas::kWhiteness;
    c.Line(0, 150, 1500, 150, 0x0000FF);
    EXPECT_EQ(c.Image().pixel(50, 10), qRgb(255, 255, 255));
    c.DrawMode = Canvas::kInvert;
    c.Line(0, 150, 1500, 150, 0x0000FF);
    EXPECT_EQ(c.Image().pixel(50, 10), qRgb(0, 0, 0));
}

TEST(Canvas, TraceWritesEveryCallExactly) {
    Canvas c;
    QStringList trace;
    c.setTrace([&](const QString& l) { trace << l; });
    c.DrawMode = 6;
    c.DrawWidth = 3;
    c.Line(1.5f, -2, 0.1f, 1e9f);
    c.Box(0, 0, 10, 10, 255);
    c.Circle(1, 2, 3, std::nullopt, 1.5707964f, std::nullopt, 1.8f);
    c.Connector(1, 2, 3, 4, {LineEnds::Both, LineStyle::Dotted, LineRoute::Elbow}, FirstLeg::Vertical, 255);
    c.Connector(1, 2, 3, 4, {LineEnds::End, LineStyle::Dashed}, FirstLeg::Longer);
    c.CurrentX = 30;
    c.CurrentY = 40;
    c.Print(QStringLiteral("two words"));
    c.Cls();
    c.PictureNone();
    EXPECT_EQ(trace, (QStringList{
                         "line 6 3 1.5 -2 0.1 1e+09 -",
                         "box 6 3 0 0 10 10 255",
                         "circle 6 3 1 2 3 - 1.5707964 - 1.8",
                         "connector 6 3 1 2 3 4 both dotted elbow vertical 255",
                         "connector 6 3 1 2 3 4 end dashed straight longer -",
                         "print 30 40 two words",
                         "cls",
                         "picture none",
                     }));
}

TEST(Canvas, DirtyRegionLeavesOutWhatLiesBetweenFigures) {
    Canvas c;
    c.takeDirty();
    c.DrawWidth = 2;
    c.Box(150, 150, 1500, 1500);
    c.Box(7500, 7500, 9000, 9000);
    const QRegion r = c.takeDirty();
    EXPECT_TRUE(r.contains(QRect(9, 9, 92, 92)));
    EXPECT_TRUE(r.contains(QRect(499, 499, 102, 102)));
    EXPECT_FALSE(r.contains(QPoint(300, 300)));
}

TEST(Canvas, DirtyRectCoversThePenAndStaysOnTheCanvas) {
    Canvas c;
    c.takeDirty();
    c.DrawWidth = 10;
    c.Line(1500, 1500, 3000, 1500);
    const QRect r = c.takeDirty().boundingRect();
    EXPECT_TRUE(r.contains(QRect(95, 95, 110, 10))) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    EXPECT_LT(r.width(), 130);
    c.Line(-1e9f, -1e9f, -1e8f, -1e8f);
    EXPECT_TRUE(c.takeDirty().isEmpty());
    EXPECT_TRUE(c.takeDirty().isEmpty());
}

// The repaint gets every pixel a figure changed, on the picture and, as
// an inverted figure changes all of its pixels, less than a tile (16
// pixels) beyond them; a second take has nothing. A size set after a
// figure leaves nothing of the old size in the region.
TEST(Canvas, DirtyRegionHoldsEveryChangedPixel) {
    const Canvas busy = busyCanvas();
    for (const Figure& f : kFigures)
        for (int mode : {Canvas::kCopyPen, Canvas::kInvert})
            for (int width : {1, 4}) {
                Canvas c = busy;
                c.takeDirty();
                c.DrawMode = mode;
                c.DrawWidth = width;
                f.draw(c);
                const QRegion dirty = c.takeDirty();
                QRect changed;
                for (int y = 0; y < c.Image().height(); ++y) {
                    const auto* now = reinterpret_cast<const QRgb*>(c.Image().constScanLine(y));
                    const auto* was = reinterpret_cast<const QRgb*>(busy.Image().constScanLine(y));
                    for (int x = 0; x < c.Image().width(); ++x) {
                        if (now[x] == was[x]) continue;
                        changed |= QRect(x, y, 1, 1);
                        ASSERT_TRUE(dirty.contains(QPoint(x, y))) << f.name << " " << mode << " " << width << " at " << x << "," << y;
                    }
                }
                EXPECT_TRUE((dirty - QRegion(c.Image().rect())).isEmpty()) << f.name;
                if (mode == Canvas::kInvert) {
                    EXPECT_TRUE(changed.adjusted(-15, -15, 15, 15).contains(dirty.boundingRect())) << f.name << " " << width;
                }
                EXPECT_TRUE(c.takeDirty().isEmpty()) << f.name;
            }
    Canvas c = busy;
    c.Box(300, 300, 10000, 10000);
    ASSERT_TRUE(c.Resize({40, 30}).isEmpty());
    EXPECT_EQ(c.takeDirty(), QRegion(0, 0, 40, 30));
    c.Box(0, 0, 9000, 9000);  // its top row and left column
    EXPECT_EQ(c.takeDirty(), QRegion(0, 0, 40, 16) + QRegion(0, 16, 16, 14)) << "the tiles it touched, cut at the picture";
}

// A picture opened or a size set becomes the canvas's own size, the one
// Cls and PictureNone keep: pixels stay at the top left, new room is white,
// and a size that cannot be changes nothing.
TEST(Canvas, PictureAndResizeSetTheOwnSizeKeepingTheTopLeft) {
    QImage red(1000, 900, QImage::Format_RGB32);
    red.fill(Qt::red);
    QImage blue(10, 10, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    const struct {
        const char* name;
        std::function<QString(Canvas&)> change;
        QSize size;
        const QImage& kept;
        QStringList trace;
        bool refused;
    } cases[] = {
        {"a smaller picture", [&](Canvas& c) { return c.Picture(blue, "small.bmp"); }, {10, 10}, blue,
         {"picture small.bmp"}, false},
        {"grown", [](Canvas& c) { return c.Resize({1200, 1000}); }, {1200, 1000}, red, {"resize 1200 1000"}, false},
        {"cropped", [](Canvas& c) { return c.Resize({300, 200}); }, {300, 200}, red, {"resize 300 200"}, false},
        {"the same size", [](Canvas& c) { return c.Resize({1000, 900}); }, {1000, 900}, red, {}, false},
        {"no pixels", [](Canvas& c) { return c.Resize({0, 5}); }, {1000, 900}, red, {}, true},
        {"above the cap", [](Canvas& c) { return c.Resize({20000, 5001}); }, {1000, 900}, red, {}, true},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        Canvas c;
        c.Picture(red, QStringLiteral("big.bmp"));
        QStringList trace;
        c.setTrace([&](const QString& l) { trace << l; });
        EXPECT_EQ(k.change(c).isEmpty(), !k.refused);
        EXPECT_EQ(trace, k.trace);
        QImage expected(k.size, QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter(&expected).drawImage(0, 0, k.kept);
        EXPECT_EQ(c.Image(), expected);
        EXPECT_EQ(c.ownSize(), k.size);
        c.Cls();
        c.PictureNone();
        EXPECT_EQ(c.Image().size(), k.size);
        EXPECT_EQ(countColor(c.Image(), qRgb(255, 255, 255)), k.size.width() * k.size.height());
    }
}

// A rubber band down a very tall picture: the figures kept for the erase
// stay small, so memory does not grow with each new figure.
TEST(Canvas, TallFiguresAreNotKeptForTheErase) {
    Canvas c(QSize(10, 2'000'000));
    c.DrawMode = Canvas::kInvert;
    auto inUse = [] { return mallinfo2().uordblks + mallinfo2().hblkhd; };  // heap and mapped blocks
    const size_t before = inUse();
    size_t most = 0;
    for (int x = 0; x < 10; ++x) {
        c.Line(x * 15.0f, 0, x * 15.0f, 2'000'000 * 15.0f);  // 2 000 000 spans each
        most = std::max(most, inUse() - before);
    }
    EXPECT_LT(most, size_t(100) << 20);  // one figure's spans are 24 MB; sixteen would be 384 MB
    c.Line(0, 0, 0, 2'000'000 * 15.0f);  // still erased exactly
    EXPECT_EQ(c.Image().pixel(0, 1'999'999), qRgb(255, 255, 255));
}

// A reduced view averages: a line one pixel wide, at any offset, stays
// clearly darker than white at every reduction, and reducing only what a
// drawing dirtied gives what reducing the whole picture gives.
TEST(ReducedView, KeepsEveryLineAndFollowsWhatChanged) {
    const QSize sizes[] = {Canvas::kDefaultSize, {4000, 3000}, {10000, 10000}};
    for (const QSize size : sizes) {
        Canvas canvas(size);
        ReducedView view;
        for (const int percent : {25, 33, 50, 67}) {
            SCOPED_TRACE(testing::Message() << size.width() << " at " << percent << " %");
            canvas.Cls();
            canvas.takeDirty();
            view.rebuild(canvas.Image(), percent);
            // Lines at every offset within a reduced pixel, one across and one down.
            for (int i = 0; i < 4; ++i) {
                const float x = float(15 * (size.width() / 2 + i * 37)), y = float(15 * (size.height() / 3 + i * 41));
                canvas.Line(x, 0, x, 15.f * (size.height() - 1), 0);
                canvas.Line(0, y, 15.f * (size.width() - 1), y, 0);
            }
            for (const QRect& r : canvas.takeDirty()) view.update(canvas.Image(), r);
            // Each line's reduced pixel away from the other lines: the lightest of them.
            int lightest = 0;
            const QImage& reduced = view.image();
            for (int i = 0; i < 4; ++i) {
                const int x = (size.width() / 2 + i * 37) * percent / 100, y = (size.height() / 3 + i * 41) * percent / 100;
                lightest = std::max({lightest, qGray(reduced.pixel(x, reduced.height() * 3 / 4)),
                                     qGray(reduced.pixel(reduced.width() * 3 / 4, y))});
            }
            EXPECT_LT(lightest, 200);
            if (size.width() > 4000) continue;  // the whole picture again costs time
            const QImage followed = view.image().copy();
            view.rebuild(canvas.Image(), percent);
            EXPECT_TRUE(view.image() == followed);
        }
    }
}
