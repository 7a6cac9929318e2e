// Every flowchart symbol tool over seeded random drags, through the script
// harness: each move erases exactly the previous preview and draws the next,
// the release erases the last one and draws the outline in the draw colour,
// and the picture ends up holding the finished outlines and nothing else.
#include "Harness.h"
#include "SymbolTrace.h"

#include <cstring>
#include <random>

namespace {

// Which end points a symbol is drawn for.
enum class Rule {
    Any,
    NotLeftNotAbove,  // x >= x0 and y >= y0
    StrictRight,      // preview: x > x0 and y > y0; outline: x > x0 and y >= y0
};

// The first primitive of a preview.
enum class FrameKind {
    Margin,  // box 50 twips outside the corners; not part of the outline
    Drag,    // box on the corners; not part of the outline
    OwnBox,  // box on the corners; the outline's own first primitive
};

struct Symbol {
    const char* button;
    Rule rule;
    FrameKind frame;
    const char* eraseColors;    // per primitive: '-' none, 'C' the draw colour
    const char* previewColors;
};

const Symbol kSymbols[] = {
    {"cmdStart", Rule::Any, FrameKind::Margin, "-----", "-CCCC"},
    {"cmdterminate", Rule::Any, FrameKind::Margin, "-----", "-CCCC"},
    {"cmdrhombus", Rule::Any, FrameKind::Margin, "-----", "-----"},
    {"cmdparallelogram", Rule::Any, FrameKind::Margin, "-----", "-----"},
    {"cmdstoreddata", Rule::Any, FrameKind::Margin, "-CCCC", "-CCCC"},
    {"cmdpreprocess", Rule::NotLeftNotAbove, FrameKind::OwnBox, "---", "---"},
    {"cmdinternalstorage", Rule::NotLeftNotAbove, FrameKind::OwnBox, "---", "---"},
    {"cmdseqdata", Rule::NotLeftNotAbove, FrameKind::Margin, "---", "---"},
    {"cmddocument", Rule::StrictRight, FrameKind::Margin, "------", "------"},
    {"cmdpapertap", Rule::StrictRight, FrameKind::Margin, "-------", "-------"},
    {"cmdmanualinput", Rule::NotLeftNotAbove, FrameKind::Drag, "-----", "-----"},
    {"cmdmanualoperation", Rule::NotLeftNotAbove, FrameKind::Margin, "-----", "-----"},
    {"cmdpreparation", Rule::Any, FrameKind::Margin, "-------", "-------"},
    {"cmdlooplimit", Rule::NotLeftNotAbove, FrameKind::Margin, "-------", "-------"},
    {"cmdoffpageref", Rule::NotLeftNotAbove, FrameKind::Margin, "------", "------"},
    {"cmdparallelmod", Rule::Any, FrameKind::Drag, "---", "---"},
    {"cmdinternalprocess", Rule::NotLeftNotAbove, FrameKind::Margin, "---------", "---------"},
    {"cmddirectdata", Rule::NotLeftNotAbove, FrameKind::Margin, "------", "------"},
};

struct Pt {
    float x = 0, y = 0;
    bool operator==(const Pt& o) const { return x == o.x && y == o.y; }
};

bool previewShown(const Symbol& s, Pt a, Pt b) {
    switch (s.rule) {
    case Rule::Any: return true;
    case Rule::NotLeftNotAbove: return b.x >= a.x && b.y >= a.y;
    case Rule::StrictRight: return b.x > a.x && b.y > a.y;
    }
    return false;
}

bool outlineDrawn(const Symbol& s, Pt a, Pt b) {
    return s.rule == Rule::StrictRight ? b.x > a.x && b.y >= a.y : previewShown(s, a, b);
}

QString colorText(char pattern, VbColor drawColor) { return pattern == 'C' ? QString::number(drawColor) : "-"; }

QString frameText(const Symbol& s, Pt a, Pt b) {
    const float m = s.frame == FrameKind::Margin ? 50 : 0;
    return QStringLiteral("box %1 %2 %3 %4").arg(Canvas::number(a.x - m), Canvas::number(a.y - m),
                                                  Canvas::number(b.x + m), Canvas::number(b.y + m));
}

struct Move {
    int button;
    Pt at;
};

struct Drag {
    int downButton;
    Pt start;
    std::vector<Move> moves;
    Pt release;
};

// Random drags of every kind: clicks, right-button drags, wandering left
// drags in all four directions, drags level with the start on one axis, and
// excursions above and left of the start and back.
class DragMaker {
public:
    explicit DragMaker(unsigned seed) : rng_(seed) {}

    Drag next() {
        Drag d;
        d.downButton = 1;
        d.start = {float(between(1500, 9000)) + (coin() ? 0.5f : 0), float(between(1500, 8500))};
        const Pt s = d.start;
        switch (between(0, 5)) {
        case 0:  // click, released where pressed or elsewhere
            d.release = coin() ? s : off(s);
            return d;
        case 1:  // right button alone
            d.downButton = 2;
            for (int i = between(1, 3); i > 0; --i) d.moves.push_back({2, off(s)});
            break;
        case 2:  // excursion above or left, then back
            d.moves.push_back({1, {s.x + between(1, 2000), s.y + between(1, 2000)}});
            d.moves.push_back({1, coin() ? Pt{s.x - between(1, 1500), s.y + 300} : Pt{s.x + 300, s.y - between(1, 1500)}});
            d.moves.push_back({1, {s.x + between(1, 2000), s.y + between(1, 2000)}});
            break;
        case 3:  // level with the start on one axis
            for (int i = between(1, 3); i > 0; --i)
                d.moves.push_back({1, coin() ? Pt{s.x, off(s).y} : Pt{off(s).x, s.y}});
            break;
        default:  // wandering
            for (int i = between(1, 6); i > 0; --i) d.moves.push_back({1, off(s)});
        }
        d.release = between(0, 3) == 0 ? off(s) : d.moves.back().at;
        return d;
    }

private:
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool coin() { return between(0, 1) == 1; }
    float axis(float from) {
        switch (between(0, 4)) {
        case 0: return from;
        case 1: return from - float(between(1, 3000));
        case 2: return from + float(between(-99, 99));
        default: return from + float(between(1, 3000));
        }
    }
    Pt off(Pt s) { return {axis(s.x), axis(s.y)}; }

    std::mt19937 rng_;
};

class Checker {
public:
    Checker(Harness& h, Canvas& reference) : h_(h), reference_(reference) {}

    void run(const Symbol& s, const Drag& d, int boxWidth) {
        const VbColor color = h_.w->state.drawColor;
        h_.run(QStringLiteral("select cmbDrawWidth %1").arg(boxWidth - 1));
        // Only a left-button move takes the pen width from the box.
        int width = h_.w->canvas.DrawWidth;
        h_.run(QStringLiteral("click %1").arg(s.button));
        EXPECT_TRUE(step(mouseLine("down", d.downButton, d.start.x, d.start.y)).isEmpty());
        QList<Prim> shown;  // the preview on the canvas
        bool previewUp = false;
        Pt shownAt;
        for (const Move& m : d.moves) {
            const QList<Prim> t = step(mouseLine("move", m.button, m.at.x, m.at.y));
            if (m.button != 1) {
                EXPECT_TRUE(t.isEmpty()) << "a right-button move drew";
                continue;
            }
            width = boxWidth;
            const QList<Prim> drawn = expectErased(s, t, shown, width, color);
            const size_t n = std::strlen(s.previewColors);
            if (previewShown(s, d.start, m.at)) {
                ASSERT_EQ(size_t(drawn.size()), n) << "preview for " << m.at.x << "," << m.at.y;
                for (size_t i = 0; i < n; ++i) {
                    EXPECT_EQ(drawn[i].mode, Canvas::kInvert);
                    EXPECT_EQ(drawn[i].width, width);
                    EXPECT_EQ(drawn[i].color, colorText(s.previewColors[i], color)) << "preview primitive " << i;
                }
                EXPECT_EQ(drawn[0].geometryText(), frameText(s, d.start, m.at));
                previewUp = true;
                shownAt = m.at;
            } else {
                EXPECT_TRUE(drawn.isEmpty()) << "preview for a rejected point " << m.at.x << "," << m.at.y;
                previewUp = false;
            }
            shown = drawn;
        }
        const QList<Prim> t = step(mouseLine("up", d.downButton, d.release.x, d.release.y));
        const QList<Prim> outline = expectErased(s, t, shown, width, color);
        if (!outlineDrawn(s, d.start, d.release)) {
            EXPECT_TRUE(outline.isEmpty()) << "outline for a rejected release";
            return;
        }
        const qsizetype framed = s.frame == FrameKind::OwnBox ? 0 : 1;
        ASSERT_EQ(size_t(outline.size()), std::strlen(s.previewColors) - framed);
        for (const Prim& p : outline) {
            EXPECT_EQ(p.mode, Canvas::kCopyPen);
            EXPECT_EQ(p.width, width);
            EXPECT_EQ(p.color, QString::number(color));
            replay(reference_, p);
        }
        // Released where the last preview was: the outline is that preview
        // without its frame.
        if (previewUp && shownAt == d.release) {
            for (qsizetype i = 0; i < outline.size(); ++i)
                EXPECT_EQ(outline[i].geometryText(), shown[i + framed].geometryText());
        }
    }

private:
    QList<Prim> step(const QString& line) {
        h_.trace.clear();
        h_.run(line);
        return primitives(h_.trace);
    }

    // The leading primitives of t must repeat the preview on the canvas, in
    // invert mode; returns what follows them.
    static QList<Prim> expectErased(const Symbol& s, const QList<Prim>& t, const QList<Prim>& shown, int width,
                                    VbColor color) {
        EXPECT_GE(t.size(), shown.size()) << "the preview was not erased";
        const qsizetype n = std::min(t.size(), shown.size());
        for (qsizetype i = 0; i < n; ++i) {
            EXPECT_EQ(t[i].geometryText(), shown[i].geometryText()) << "erase primitive " << i;
            EXPECT_EQ(t[i].mode, Canvas::kInvert);
            EXPECT_EQ(t[i].width, width);
            EXPECT_EQ(t[i].color, colorText(s.eraseColors[i], color)) << "erase primitive " << i;
        }
        return t.mid(n);
    }

    Harness& h_;
    Canvas& reference_;
};

}  // namespace

TEST(Symbols, RandomDragsKeepTheProtocolAndLeaveOnlyTheOutlines) {
    const struct {
        unsigned seed;
        VbColor color;
    } runs[] = {{1, 0}, {2, 0}, {3, 0x2A7FD3}, {4, 0x00FF00}};
    for (const auto& r : runs) {
        Harness h;
        h.w->state.drawColor = r.color;
        Canvas reference(h.image().size());
        Checker checker(h, reference);
        DragMaker maker(r.seed);
        std::mt19937 widths(r.seed);
        for (int round = 0; round < 6; ++round) {
            for (const Symbol& s : kSymbols) {
                SCOPED_TRACE(testing::Message() << s.button << " seed " << r.seed << " round " << round);
                const Drag d = maker.next();
                checker.run(s, d, std::uniform_int_distribution<int>(1, 10)(widths));
                if (HasFatalFailure()) return;
                ASSERT_TRUE(h.image() == reference.Image()) << "the picture holds more than the finished outlines";
            }
        }
    }
}

// Where each kind of symbol shows a preview (P) and leaves an outline (O),
// for end points around the start: right/level/left, below/level/above.
TEST(Symbols, DirectionRulesDecidePreviewAndOutline) {
    const struct {
        float dx, dy;
        const char* any;
        const char* notLeftNotAbove;
        const char* strictRight;
    } ends[] = {
        {600, 400, "PO", "PO", "PO"},  {0, 400, "PO", "PO", "--"},   {600, 0, "PO", "PO", "-O"},
        {0, 0, "PO", "PO", "--"},      {-600, 400, "PO", "--", "--"}, {600, -400, "PO", "--", "--"},
        {-600, -400, "PO", "--", "--"},
    };
    for (const Symbol& s : kSymbols) {
        for (const auto& e : ends) {
            const char* expected = s.rule == Rule::Any ? e.any : s.rule == Rule::NotLeftNotAbove ? e.notLeftNotAbove : e.strictRight;
            SCOPED_TRACE(testing::Message() << s.button << " to " << e.dx << "," << e.dy);
            Harness h;
            h.run({QStringLiteral("click %1").arg(s.button), mouseLine("down", 1, 3000, 3000)});
            h.trace.clear();
            h.run(mouseLine("move", 1, 3000 + e.dx, 3000 + e.dy));
            const qsizetype preview = primitives(h.trace).size();
            EXPECT_EQ(preview > 0, expected[0] == 'P');
            h.trace.clear();
            h.run(mouseLine("up", 1, 3000 + e.dx, 3000 + e.dy));
            EXPECT_EQ(primitives(h.trace).size() > preview, expected[1] == 'O');
            EXPECT_EQ(h.image() == Canvas(h.image().size()).Image(), expected[1] != 'O') << "ink without an outline";
        }
    }
}
