// The ten arrow tools driven through the script window: every preview is
// erased by drawing it again, the finished arrow is drawn in copy-pen mode in
// the draw colour, the restricted arrows exist only for drags to the right
// and downward, and only the finished arrows remain on the canvas.
#include "ArrowTrace.h"

#include <random>

namespace {

enum class Frame { Margin, DragRect, None };

struct ArrowTool {
    const char* button;
    int lines;
    Frame frame;
    bool restricted;  // only for end points at or right of and below the start
};

const ArrowTool kArrows[] = {
    {"cmdArrowright", 7, Frame::Margin, false},
    {"cmdArrowleft", 7, Frame::Margin, false},
    {"cmdArrowup", 7, Frame::Margin, false},
    {"cmdArrowdown", 7, Frame::Margin, false},
    {"cmdleftsinglearrow", 5, Frame::DragRect, true},
    {"cmdrightsinglearrow", 5, Frame::None, true},
    {"cmdupsinglearrow", 5, Frame::DragRect, true},
    {"cmddownsinglearrow", 5, Frame::DragRect, true},
    {"cmddoublearrow", 10, Frame::DragRect, false},
    {"cmddoublesidearrow", 9, Frame::DragRect, true},
};

QString frameCall(Frame frame, QPoint a, QPoint b, int width) {
    const int m = frame == Frame::Margin ? 50 : 0;
    return QStringLiteral("box 6 %1 %2 %3 %4 %5 -")
        .arg(width).arg(a.x() - m).arg(a.y() - m).arg(b.x() + m).arg(b.y() + m);
}

bool rightAndBelow(QPoint start, QPoint end) { return end.x() >= start.x() && end.y() >= start.y(); }

// Replays the finished lines of the trace on a fresh canvas.
QImage replay(const QStringList& finished) {
    Canvas c;
    for (const QString& call : finished) {
        const QStringList f = call.split(QLatin1Char(' '));
        c.DrawMode = f[1].toInt();
        c.DrawWidth = f[2].toInt();
        c.Line(f[3].toFloat(), f[4].toFloat(), f[5].toFloat(), f[6].toFloat(), f[7].toInt());
    }
    return c.Image();
}

}  // namespace

TEST(Arrows, RandomDragsEraseEveryPreviewAndLeaveOnlyTheFinishedArrow) {
    std::mt19937 rng(4);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (const ArrowTool& t : kArrows) {
        SCOPED_TRACE(t.button);
        Harness h;
        QStringList finished;
        int penWidth = h.dumped(QStringLiteral("DrawWidth")).toInt();  // set by left-button moves only
        for (int drag = 0; drag < 25; ++drag) {
            SCOPED_TRACE(drag);
            const int width = pick(1, 10);
            const VbColor color = pick(0, 0xFFFFFF);
            const int button = pick(0, 3) == 0 ? MouseButton::Right : MouseButton::Left;
            const QPoint start(pick(3000, 8000), pick(3000, 8000));
            // Any direction, level with the start a third of the time.
            auto somewhere = [&] {
                QPoint p = start + QPoint(pick(-3000, 3000), pick(-3000, 3000));
                const int level = pick(0, 5);
                if (level == 0) p.setX(start.x());
                if (level == 1) p.setY(start.y());
                return p;
            };
            h.run(QStringLiteral("select cmbDrawWidth %1").arg(width - 1));
            h.w->state.drawColor = color;
            h.run(QStringLiteral("click ") + t.button);
            EXPECT_TRUE(drawEvent(h, "down", button, start).isEmpty());

            QStringList shown;  // the preview on the canvas
            QPoint last = start;
            for (int moves = pick(0, 5); moves > 0; --moves) {
                last = somewhere();
                QStringList calls = drawEvent(h, "move", button, last);
                if (button != MouseButton::Left) {
                    EXPECT_TRUE(calls.isEmpty()) << "a right-button move previews nothing";
                    continue;
                }
                penWidth = width;
                ASSERT_GE(calls.size(), shown.size());
                EXPECT_EQ(calls.mid(0, shown.size()), shown) << "the erase repeats the last preview";
                calls = calls.mid(shown.size());
                const bool drawn = !t.restricted || rightAndBelow(start, last);
                ASSERT_EQ(calls.size(), drawn ? t.lines + (t.frame != Frame::None) : 0);
                if (drawn && t.frame != Frame::None) {
                    EXPECT_EQ(calls[0], frameCall(t.frame, start, last, width));
                }
                for (const QString& c : calls) {
                    EXPECT_EQ(c.section(QLatin1Char(' '), 1, 2), QStringLiteral("6 %1").arg(width)) << qPrintable(c);
                    EXPECT_TRUE(c.endsWith(QLatin1String(" -"))) << "no colour on a preview: " << qPrintable(c);
                }
                shown = calls;
            }

            const QPoint end = pick(0, 1) ? last : somewhere();
            QStringList calls = drawEvent(h, "up", button, end);
            if (t.restricted && !rightAndBelow(start, end)) {
                // No arrow, but a preview from an earlier move must not stay behind.
                EXPECT_EQ(calls, shown) << "a release left of or above the start only erases";
                EXPECT_EQ(h.image(), replay(finished)) << "a preview was left behind";
                continue;
            }
            ASSERT_GE(calls.size(), shown.size());
            EXPECT_EQ(calls.mid(0, shown.size()), shown) << "the release erases the last preview";
            calls = calls.mid(shown.size());
            ASSERT_EQ(calls.size(), t.lines);
            const int offset = t.frame == Frame::None ? 0 : 1;
            for (int i = 0; i < t.lines; ++i) {
                EXPECT_TRUE(calls[i].startsWith(QStringLiteral("line 13 %1 ").arg(penWidth)) &&
                            calls[i].endsWith(QStringLiteral(" %1").arg(color)))
                    << qPrintable(calls[i]);
                if (end == last && !shown.isEmpty()) {
                    EXPECT_EQ(geometry(calls[i]), geometry(shown[i + offset])) << "the arrow is the one previewed";
                }
            }
            finished += calls;
            EXPECT_EQ(h.image(), replay(finished)) << "only the finished arrows remain";
        }
    }
}
