// Where the arrows' lines lie: hand-computed drags checked to the twip, and
// the block arrows checked against each other as mirror images.
#include "ArrowTrace.h"

#include <array>
#include <random>

TEST(ArrowGeometry, HandComputedDragsHoldToTheTwip) {
    struct Case {
        const char* button;
        QPointF from, to;
        QString frame;  // the preview's box, empty for none
        QStringList lines;
    } cases[] = {
        {"cmdrightsinglearrow", {1000, 1000}, {3000, 2500}, {},
         {"1000 1000 2800 1000", "2800 1000 2800 1100", "2800 1000 2800 900", "2800 1100 3000 1000", "2800 900 3000 1000"}},
        {"cmdrightsinglearrow", {1000, 1000}, {3000, 900}, {}, {}},
        {"cmdleftsinglearrow", {1000, 1000}, {3000, 2000}, "1000 1000 3000 2000",
         {"3000 1500 1200 1500", "1200 1500 1200 1600", "1200 1500 1200 1400", "1200 1600 1000 1500", "1200 1400 1000 1500"}},
        {"cmdupsinglearrow", {1000, 1000}, {3000, 2000}, "1000 1000 3000 2000",
         {"2000 2000 2000 1200", "2000 1200 2100 1200", "2000 1200 1900 1200", "2100 1200 2000 1000", "1900 1200 2000 1000"}},
        {"cmddownsinglearrow", {1000, 1000}, {3000, 2000}, "1000 1000 3000 2000",
         {"2000 1000 2000 1800", "2000 1800 2100 1800", "2000 1800 1900 1800", "2100 1800 2000 2000", "1900 1800 2000 2000"}},
        // The middle is the sum halved (0.4), not the start plus half the difference (0.39999998).
        {"cmddownsinglearrow", {0.1, 0.1}, {0.7, 1000}, "0.1 0.1 0.7 1000",
         {"0.4 0.1 0.4 800", "0.4 800 100.4 800", "0.4 800 -99.6 800", "100.4 800 0.4 1000", "-99.6 800 0.4 1000"}},
        // A click: the head's base lies 200 twips right of the tip, past the shaft's end.
        {"cmdleftsinglearrow", {1000, 1000}, {1000, 1000}, "1000 1000 1000 1000",
         {"1000 1000 1200 1000", "1200 1000 1200 1100", "1200 1000 1200 900", "1200 1100 1000 1000", "1200 900 1000 1000"}},
        {"cmddoublearrow", {1000, 1000}, {3000, 2000}, "1000 1000 3000 2000",
         {"1500 1250 2500 1250", "1500 1750 2500 1750", "1500 1250 1500 1000", "1500 1750 1500 2000",
          "1500 1000 1000 1500", "1500 2000 1000 1500", "2500 1000 2500 1250", "2500 1750 2500 2000",
          "2500 1000 3000 1500", "2500 2000 3000 1500"}},
        {"cmddoublesidearrow", {1000, 1000}, {3000, 2000}, "1000 1000 3000 2000",
         {"1100 1500 2900 1500", "1100 1500 1100 1600", "1100 1500 1100 1400", "2900 1500 2900 1600",
          "2900 1500 2900 1400", "1100 1600 1000 1500", "1100 1400 1000 1500", "2900 1600 3000 1500",
          "2900 1400 3000 1500"}},
        // Level drag: the arrow keeps its length and head, its box has no height.
        {"cmddoublesidearrow", {1000, 1000}, {3000, 1000}, "1000 1000 3000 1000",
         {"1100 1000 2900 1000", "1100 1000 1100 1100", "1100 1000 1100 900", "2900 1000 2900 1100",
          "2900 1000 2900 900", "1100 1100 1000 1000", "1100 900 1000 1000", "2900 1100 3000 1000",
          "2900 900 3000 1000"}},
        {"cmdArrowright", {1000, 1000}, {3000, 2000}, "950 950 3050 2050",
         {"1000 1250 2500 1250", "1000 1750 2500 1750", "2500 1000 2500 1250", "2500 1750 2500 2000",
          "2500 1000 3000 1500", "2500 2000 3000 1500", "1000 1250 1000 1750"}},
        // Dragged up and to the left, the up arrow points down: its tip is at the start's y.
        {"cmdArrowup", {4000, 4000}, {2000, 2000}, "3950 3950 2050 2050",
         {"3500 2000 3500 3500", "2500 2000 2500 3500", "3500 3500 4000 3500", "2500 3500 2000 3500",
          "4000 3500 3000 4000", "2000 3500 3000 4000", "3500 2000 2500 2000"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.button);
        Harness h;
        h.run(QStringLiteral("click ") + k.button);
        drawEvent(h, "down", 1, k.from);
        const QStringList preview = drawEvent(h, "move", 1, k.to);
        const QStringList finished = drawEvent(h, "up", 1, k.to).mid(preview.size());
        QStringList lines;
        for (const QString& c : finished) lines << geometry(c);
        EXPECT_EQ(lines, k.lines);
        const bool boxed = !preview.isEmpty() && preview[0].startsWith(QLatin1String("box "));
        EXPECT_EQ(boxed ? geometry(preview[0]) : QString(), k.frame);
        EXPECT_EQ(preview.size(), k.lines.size() + boxed);
    }
}

namespace {

using Line = std::array<float, 4>;

std::vector<Line> arrowLines(Harness& h, const char* button, QPoint from, QPoint to) {
    std::vector<Line> lines;
    for (const QString& g : finishedArrow(h, button, from, to)) {
        const QStringList f = g.split(QLatin1Char(' '));
        lines.push_back({f[0].toFloat(), f[1].toFloat(), f[2].toFloat(), f[3].toFloat()});
    }
    return lines;
}

Line reversed(const Line& l) { return {l[2], l[3], l[0], l[1]}; }
Line transposed(const Line& l) { return {l[1], l[0], l[3], l[2]}; }

}  // namespace

// The left arrow is the right one mirrored, the down arrow the right one with
// its axes exchanged, the up arrow the down one upside down; only the first
// piece of the head's base (step 3) is drawn the other way round in the left
// and down arrows. The double arrow's heads are those of the left and right
// block arrows.
TEST(ArrowGeometry, BlockArrowsAreOneFigureTurned) {
    std::mt19937 rng(7);
    auto pick = [&](int lo, int hi) { return 4 * std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int i = 0; i < 40; ++i) {
        const QPoint a(pick(0, 2500), pick(0, 2500)), b(pick(0, 2500), pick(0, 2500));
        SCOPED_TRACE(QStringLiteral("(%1,%2)-(%3,%4)").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y()).toStdString());
        Harness h;
        const auto right = arrowLines(h, "cmdArrowright", a, b);
        const auto left = arrowLines(h, "cmdArrowleft", a, b);
        const auto down = arrowLines(h, "cmdArrowdown", a, b);
        const auto up = arrowLines(h, "cmdArrowup", a, b);
        const auto doubled = arrowLines(h, "cmddoublearrow", a, b);
        const auto mirrored = arrowLines(h, "cmdArrowright", {b.x(), a.y()}, {a.x(), b.y()});
        const auto swapped = arrowLines(h, "cmdArrowright", a.transposed(), b.transposed());
        const auto flipped = arrowLines(h, "cmdArrowdown", {a.x(), b.y()}, {b.x(), a.y()});
        ASSERT_EQ(right.size(), 7u);
        ASSERT_EQ(doubled.size(), 10u);
        for (size_t s = 0; s < 7; ++s) {
            SCOPED_TRACE(s + 1);
            EXPECT_EQ(left[s], s == 2 ? reversed(mirrored[s]) : mirrored[s]);
            EXPECT_EQ(down[s], s == 2 ? reversed(transposed(swapped[s])) : transposed(swapped[s]));
            EXPECT_EQ(up[s], flipped[s]);
        }
        for (size_t s = 2; s < 6; ++s) {
            EXPECT_EQ(doubled[s], left[s]);
            EXPECT_EQ(doubled[s + 4], right[s]);
        }
        EXPECT_EQ(doubled[0], (Line{left[1][2], right[0][1], right[0][2], right[0][3]}));
        EXPECT_EQ(doubled[1], (Line{left[1][2], right[1][1], right[1][2], right[1][3]}));
    }
}
