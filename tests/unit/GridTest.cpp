// The drawing grid: where snapped points land, and the lines the view draws.
#include "core/Canvas.h"
#include "core/Grid.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

TEST(Grid, SnapsAPointToTheNearestGridPoint) {
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
        EXPECT_EQ(QPointF(x, y), QPointF(c.x, c.y)) << "snap is off at first";
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

TEST(Grid, SpacingIsTwoToTwoHundredPixels) {
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

TEST(Grid, LinesAreDrawnOnlyWhereTheyLieFourScreenPixelsApart) {
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
TEST(Grid, ASnappedBoxLiesOnTheGridLines) {
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
