// Finished outlines of every flowchart symbol worked out by hand, to the
// twip, with the preview frames where they depart from the usual margin.
#include "Harness.h"
#include "SymbolTrace.h"

#include <QPainter>
#include <vector>

namespace {

constexpr VbColor kRed = 255;

struct Worked {
    const char* name;
    const char* button;
    float x0, y0, x1, y1;
    bool moved;         // a left move to the end point before the release
    const char* frame;  // the preview's first primitive, or null
    QStringList outline;  // kind, geometry and colour of each finished primitive
};

// The trace line without its mode and width, which the random drags check.
QString shapeOf(const QString& traceLine) {
    QStringList f = traceLine.split(QLatin1Char(' '));
    f.remove(1, 2);
    return f.join(QLatin1Char(' '));
}

const Worked kWorked[] = {
    {"terminal, right and down", "cmdStart", 1000, 1000, 3000, 1600, true, "box 950 950 3050 1650 -",
     {"line 1300 1000 2700 1000 255", "line 1300 1600 2700 1600 255",
      "circle 1300 1300 300 255 1.5707964 4.712389 -", "circle 2700 1300 300 255 4.712389 1.5707964 -"}},
    {"terminal, left and up: the half circles turn about", "cmdterminate", 3000, 1600, 1000, 1000, true, nullptr,
     {"line 2700 1600 1300 1600 255", "line 2700 1000 1300 1000 255",
      "circle 2700 1300 300 255 4.712389 1.5707964 -", "circle 1300 1300 300 255 1.5707964 4.712389 -"}},
    {"terminal, right and up: edges run past the rectangle", "cmdStart", 1000, 1600, 3000, 1000, false, nullptr,
     {"line 700 1600 3300 1600 255", "line 700 1000 3300 1000 255",
      "circle 700 1300 300 255 1.5707964 4.712389 -", "circle 3300 1300 300 255 4.712389 1.5707964 -"}},
    {"decision", "cmdrhombus", 1000, 1000, 2000, 1600, true, "box 950 950 2050 1650 -",
     {"line 1500 1000 1000 1300 255", "line 1000 1300 1500 1600 255", "line 1500 1600 2000 1300 255",
      "line 2000 1300 1500 1000 255"}},
    {"data", "cmdparallelogram", 1000, 1000, 1900, 1600, true, "box 950 950 1950 1650 -",
     {"line 1300 1000 1000 1600 255", "line 1900 1000 1600 1600 255", "line 1300 1000 1900 1000 255",
      "line 1000 1600 1600 1600 255"}},
    {"data, thirds in single precision", "cmdparallelogram", 1000, 1000, 2000, 1500, false, nullptr,
     {"line 1333.3334 1000 1000 1500 255", "line 2000 1000 1666.6667 1500 255", "line 1333.3334 1000 2000 1000 255",
      "line 1000 1500 1666.6667 1500 255"}},
    {"stored data", "cmdstoreddata", 1000, 1000, 3000, 1720, true, "box 950 950 3050 1770 -",
     {"line 1200 1000 3000 1000 255", "line 1200 1720 3000 1720 255",
      "circle 1200 1360 360 255 1.5707964 4.712389 1.8", "circle 3000 1360 360 255 1.5707964 4.712389 1.8"}},
    {"stored data, cap width divided in double precision", "cmdstoreddata", 1000, 1000, 2000, 1924, false, nullptr,
     {"line 1256.6666 1000 2000 1000 255", "line 1256.6666 1924 2000 1924 255",
      "circle 1256.6666 1462 462 255 1.5707964 4.712389 1.8", "circle 2000 1462 462 255 1.5707964 4.712389 1.8"}},
    {"predefined process", "cmdpreprocess", 1000, 1000, 2000, 1600, true, "box 1000 1000 2000 1600 -",
     {"box 1000 1000 2000 1600 255", "line 1200 1000 1200 1600 255", "line 1800 1000 1800 1600 255"}},
    {"predefined process, narrow: inner lines swap", "cmdpreprocess", 1000, 1000, 1300, 1600, false, nullptr,
     {"box 1000 1000 1300 1600 255", "line 1200 1000 1200 1600 255", "line 1100 1000 1100 1600 255"}},
    {"internal storage", "cmdinternalstorage", 1000, 1000, 2000, 2000, true, "box 1000 1000 2000 2000 -",
     {"box 1000 1000 2000 2000 255", "line 1166.6666 1000 1166.6666 2000 255", "line 1000 1166.6666 2000 1166.6666 255"}},
    {"sequential data", "cmdseqdata", 1000, 1000, 3000, 1600, true, "box 950 950 3050 1650 -",
     {"circle 2000 1300 300 255 - - -", "line 2000 1600 3000 1600 255"}},
    {"document", "cmddocument", 1000, 1000, 2000, 1600, true, "box 950 950 2050 1650 -",
     {"line 1000 1000 1000 1600 255", "line 2000 1000 2000 1600 255", "line 1000 1000 2000 1000 255",
      "circle 1250 1600 250 255 3.1415927 0 0.4", "circle 1750 1600 250 255 0 3.1415927 0.4"}},
    {"document, level with the start: no preview, a flat outline", "cmddocument", 1000, 1000, 2000, 1000, true, nullptr,
     {"line 1000 1000 1000 1000 255", "line 2000 1000 2000 1000 255", "line 1000 1000 2000 1000 255",
      "circle 1250 1000 250 255 3.1415927 0 0.4", "circle 1750 1000 250 255 0 3.1415927 0.4"}},
    {"paper tape", "cmdpapertap", 1000, 1000, 2000, 1600, true, "box 950 950 2050 1650 -",
     {"line 1000 1000 1000 1600 255", "line 2000 1000 2000 1600 255",
      "circle 1250 1000 250 255 3.1415927 0 0.5", "circle 1750 1000 250 255 0 3.1415927 0.5",
      "circle 1250 1600 250 255 3.1415927 0 0.5", "circle 1750 1600 250 255 0 3.1415927 0.5"}},
    {"manual input", "cmdmanualinput", 1000, 1000, 2000, 1800, true, "box 1000 1000 2000 1800 -",
     {"line 1050 1250 1050 1750 255", "line 1050 1750 1950 1750 255", "line 1950 1750 1950 1050 255",
      "line 1950 1050 1050 1250 255"}},
    {"manual input, click: a 100-twip square", "cmdmanualinput", 1000, 1000, 1000, 1000, false, nullptr,
     {"line 1050 1050 1050 950 255", "line 1050 950 950 950 255", "line 950 950 950 1050 255",
      "line 950 1050 1050 1050 255"}},
    {"manual input, lower than 100 twips: sides cross", "cmdmanualinput", 1000, 1000, 2000, 1040, false, nullptr,
     {"line 1050 1060 1050 990 255", "line 1050 990 1950 990 255", "line 1950 990 1950 1050 255",
      "line 1950 1050 1050 1060 255"}},
    {"manual operation", "cmdmanualoperation", 1000, 1000, 1800, 1600, true, "box 950 950 1850 1650 -",
     {"line 1000 1000 1200 1600 255", "line 1200 1600 1600 1600 255", "line 1600 1600 1800 1000 255",
      "line 1800 1000 1000 1000 255"}},
    {"manual operation, click: zero lines", "cmdmanualoperation", 1000, 1000, 1000, 1000, false, nullptr,
     {"line 1000 1000 1000 1000 255", "line 1000 1000 1000 1000 255", "line 1000 1000 1000 1000 255",
      "line 1000 1000 1000 1000 255"}},
    {"preparation", "cmdpreparation", 1000, 1000, 1800, 1600, true, "box 950 950 1850 1650 -",
     {"line 1200 1000 1000 1300 255", "line 1000 1300 1200 1600 255", "line 1200 1600 1600 1600 255",
      "line 1600 1600 1800 1300 255", "line 1800 1300 1600 1000 255", "line 1600 1000 1200 1000 255"}},
    {"preparation, up and left: mirrored", "cmdpreparation", 1800, 1600, 1000, 1000, true, "box 1750 1550 1050 1050 -",
     {"line 1600 1600 1800 1300 255", "line 1800 1300 1600 1000 255", "line 1600 1000 1200 1000 255",
      "line 1200 1000 1000 1300 255", "line 1000 1300 1200 1600 255", "line 1200 1600 1600 1600 255"}},
    {"loop limit", "cmdlooplimit", 1000, 1000, 1600, 1600, true, "box 950 950 1650 1650 -",
     {"line 1100 1000 1000 1100 255", "line 1000 1100 1000 1600 255", "line 1000 1600 1600 1600 255",
      "line 1600 1600 1600 1100 255", "line 1600 1100 1500 1000 255", "line 1500 1000 1100 1000 255"}},
    {"loop limit, sixths in single precision", "cmdlooplimit", 1000, 1000, 2000, 1000, true, nullptr,
     {"line 1166.6666 1000 1000 1000 255", "line 1000 1000 1000 1000 255", "line 1000 1000 2000 1000 255",
      "line 2000 1000 2000 1000 255", "line 2000 1000 1833.3333 1000 255", "line 1833.3333 1000 1166.6666 1000 255"}},
    {"off-page reference", "cmdoffpageref", 1000, 1000, 1800, 1600, true, "box 950 950 1850 1650 -",
     {"line 1000 1000 1000 1300 255", "line 1000 1300 1400 1600 255", "line 1400 1600 1800 1300 255",
      "line 1800 1300 1800 1000 255", "line 1800 1000 1000 1000 255"}},
    {"off-page reference, click", "cmdoffpageref", 1000, 1000, 1000, 1000, false, nullptr,
     {"line 1000 1000 1000 1000 255", "line 1000 1000 1000 1000 255", "line 1000 1000 1000 1000 255",
      "line 1000 1000 1000 1000 255", "line 1000 1000 1000 1000 255"}},
    {"parallel mode", "cmdparallelmod", 1000, 1000, 1900, 1600, true, "box 1000 1000 1900 1600 -",
     {"line 1000 1200 1900 1200 255", "line 1000 1400 1900 1400 255"}},
    {"parallel mode, up and left", "cmdparallelmod", 1900, 1600, 1000, 1000, true, "box 1900 1600 1000 1000 -",
     {"line 1900 1400 1000 1400 255", "line 1900 1200 1000 1200 255"}},
    {"parallel mode, zero height", "cmdparallelmod", 1000, 1000, 1900, 1000, false, nullptr,
     {"line 1000 1000 1900 1000 255", "line 1000 1000 1900 1000 255"}},
    {"internal process", "cmdinternalprocess", 1000, 1000, 2000, 1800, true, "box 950 950 2050 1850 -",
     {"line 1000 1200 1000 1600 255", "line 1200 1800 1800 1800 255", "line 2000 1600 2000 1200 255",
      "line 1200 1000 1800 1000 255", "circle 1200 1200 200 255 1.5707964 3.1415927 -",
      "circle 1200 1600 200 255 3.1415927 4.712389 -", "circle 1800 1200 200 255 0 1.5707964 -",
      "circle 1800 1600 200 255 4.712389 0 -"}},
    {"internal process, narrow: sides run backwards", "cmdinternalprocess", 1000, 1000, 1300, 1300, false, nullptr,
     {"line 1000 1200 1000 1100 255", "line 1200 1300 1100 1300 255", "line 1300 1100 1300 1200 255",
      "line 1200 1000 1100 1000 255", "circle 1200 1200 200 255 1.5707964 3.1415927 -",
      "circle 1200 1100 200 255 3.1415927 4.712389 -", "circle 1100 1200 200 255 0 1.5707964 -",
      "circle 1100 1100 200 255 4.712389 0 -"}},
    {"direct data", "cmddirectdata", 1000, 1000, 2800, 1720, true, "box 950 950 2850 1770 -",
     {"line 1200 1000 2600 1000 255", "line 1200 1720 2600 1720 255",
      "circle 1200 1360 360 255 1.5707964 4.712389 1.8", "circle 2600 1360 360 255 1.5707964 4.712389 1.8",
      "circle 2600 1360 360 255 4.712389 1.5707964 1.8"}},
    {"direct data, zero height", "cmddirectdata", 1000, 1000, 2800, 1000, false, nullptr,
     {"line 1000 1000 2800 1000 255", "line 1000 1000 2800 1000 255",
      "circle 1000 1000 0 255 1.5707964 4.712389 1.8", "circle 2800 1000 0 255 1.5707964 4.712389 1.8",
      "circle 2800 1000 0 255 4.712389 1.5707964 1.8"}},
    {"direct data, end width divided in double precision", "cmddirectdata", 1000, 1000, 3000, 1924, false, nullptr,
     {"line 1256.6666 1000 2743.3333 1000 255", "line 1256.6666 1924 2743.3333 1924 255",
      "circle 1256.6666 1462 462 255 1.5707964 4.712389 1.8", "circle 2743.3333 1462 462 255 1.5707964 4.712389 1.8",
      "circle 2743.3333 1462 462 255 4.712389 1.5707964 1.8"}},
};

// The white pixels of a picture that can be reached from its edge without
// crossing what is drawn, 4-connected.
std::vector<char> outsideOf(const QImage& img) {
    const int w = img.width(), h = img.height();
    std::vector<char> out(size_t(w) * size_t(h), 0);
    std::vector<QPoint> todo;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h || out[size_t(y) * w + x]) return;
        if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) return;
        out[size_t(y) * w + x] = 1;
        todo.push_back({x, y});
    };
    for (int x = 0; x < w; ++x) visit(x, 0), visit(x, h - 1);
    for (int y = 0; y < h; ++y) visit(0, y), visit(w - 1, y);
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        visit(p.x() + 1, p.y()), visit(p.x() - 1, p.y()), visit(p.x(), p.y() + 1), visit(p.x(), p.y() - 1);
    }
    return out;
}

// How a label's pixels (those that differ between FIGURE and LABELLED) lie
// against the figure's own.
struct LabelPixels {
    int count = 0;
    int touching = 0;  // on a figure pixel or next to one, diagonals too
    int outside = 0;   // where OUTSIDE marks the figure's outside
    QRect box;
};

LabelPixels labelPixels(const QImage& figure, const QImage& labelled, const std::vector<char>& outside) {
    LabelPixels l;
    auto drawn = [&](int x, int y) { return figure.valid(x, y) && (figure.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF; };
    for (int y = 0; y < figure.height(); ++y)
        for (int x = 0; x < figure.width(); ++x) {
            if (figure.pixel(x, y) == labelled.pixel(x, y)) continue;
            ++l.count;
            l.box |= QRect(x, y, 1, 1);
            l.outside += outside[size_t(y) * figure.width() + x];
            bool touches = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) touches = touches || drawn(x + dx, y + dy);
            l.touching += touches;
        }
    return l;
}

}  // namespace

TEST(SymbolShapes, FinishedOutlinesToTheTwip) {
    for (const Worked& k : kWorked) {
        SCOPED_TRACE(k.name);
        Harness h;
        h.w->state.drawColor = kRed;
        h.run({QStringLiteral("click %1").arg(k.button), mouseLine("down", 1, k.x0, k.y0)});
        QStringList preview;
        if (k.moved) {
            h.trace.clear();
            h.run(mouseLine("move", 1, k.x1, k.y1));
            preview = h.trace;
            if (k.frame) {
                ASSERT_FALSE(preview.isEmpty());
                EXPECT_EQ(shapeOf(preview[0]), QLatin1String(k.frame));
            }
        }
        h.trace.clear();
        h.run(mouseLine("up", 1, k.x1, k.y1));
        QStringList outline;
        for (qsizetype i = preview.size(); i < h.trace.size(); ++i) outline << shapeOf(h.trace[i]);
        EXPECT_EQ(outline, k.outline);
    }
}

// A label inside every figure, clear of its outline: a word, and four long
// words that need a line each, in small figures (the parallel mode's open
// ends closed for the test). Beside every connector, clear of it and wholly
// on its side of it: above level ones, right of upright ones, in the free
// quarter of slanted ones, and on the other side where that leaves the picture.
// A figure turned or flipped with the picture keeps its room, turned too.
TEST(SymbolShapes, LabelsStayInsideFiguresAndBesideConnectors) {
    const QPoint inside(0, 0), above(0, -1), below(0, 1), right(1, 0), left(-1, 0);
    struct Case {
        const char* button;
        float x0, y0, x1, y1;
        QPoint side = {};  // a connector's: its label lies this way of its middle on each axis not 0
        int pen = 2;
        bool turned = false;  // and again after each turn and flip of the picture
        QStringList look = {};  // menu items chosen first
    } cases[] = {
        {"cmdSquare", 1500, 1500, 3000, 2700},
        {"cmdSquare", 1500, 1500, 3000, 2700, inside, 8},
        {"cmdCircle", 1500, 1500, 3300, 3300},
        {"cmdStart", 1500, 1500, 4500, 2700, inside, 2, true},
        {"cmdterminate", 4500, 2700, 1500, 1500, inside, 2, true},
        {"cmdStart", 1500, 2700, 2100, 1500},
        {"cmdrhombus", 1500, 1500, 4500, 3900},
        {"cmdrhombus", 4500, 3900, 1500, 1500, inside, 6},
        {"cmdparallelogram", 1500, 1500, 4800, 3900},
        {"cmdparallelogram", 4800, 3900, 1500, 1500},
        {"cmdstoreddata", 1500, 1500, 3600, 2700, inside, 2, true},
        {"cmdstoreddata", 3300, 2700, 1500, 1500, inside, 2, true},
        {"cmdpreprocess", 1500, 1500, 3300, 2700},
        {"cmdinternalstorage", 1500, 1500, 3300, 3000, inside, 2, true},
        {"cmdseqdata", 1500, 1500, 4500, 3600},
        {"cmddirectdata", 1500, 1500, 3900, 2700, inside, 2, true},
        {"cmdmanualinput", 1500, 1500, 3300, 3300, inside, 2, true},
        {"cmdmanualoperation", 1500, 1500, 4500, 2700, inside, 2, true},
        {"cmdpreparation", 1500, 1500, 4500, 2700},
        {"cmdpreparation", 4500, 2700, 1500, 1500},
        {"cmdlooplimit", 1500, 1500, 3300, 3000, inside, 2, true},
        {"cmdoffpageref", 1500, 1500, 3300, 4500, inside, 2, true},
        {"cmdparallelmod", 1500, 1500, 3300, 4500},
        {"cmdinternalprocess", 1500, 1500, 3300, 3000, inside, 5, true},
        {"cmdpapertap", 1500, 1500, 3300, 3300, inside, 2, true},
        {"cmddocument", 1500, 1500, 3300, 3000, inside, 2, true},
        {"cmdArrowright", 1500, 1500, 3900, 3600, inside, 2, true},
        {"cmdArrowleft", 3900, 3600, 1500, 1500},
        {"cmdArrowup", 1500, 1500, 3300, 4500},
        {"cmdArrowdown", 1500, 1500, 3300, 4500},
        {"cmddoublearrow", 1500, 1500, 4500, 3600},
        {"cmdLine", 1500, 3000, 6000, 3000, above},
        {"cmdLine", 6000, 3000, 1500, 3000, above, 4},
        {"cmdLine", 1500, 3000, 6000, 3600, above},  // nearly level: lifted over its slope
        {"cmdLine", 3000, 1500, 3000, 6000, right},
        {"cmdLine", 3000, 1500, 3600, 6000, right, 4},
        {"cmdLine", 1500, 1500, 4500, 4500, above + right},  // falling to the right
        {"cmdLine", 4500, 4500, 9000, 2500, above + left},   // rising flatly
        {"cmdLine", 1500, 6000, 3000, 1500, below + right},  // rising steeply
        {"cmdLine", 1500, 30, 6000, 30, below},            // at the top of the picture
        {"cmdLine", 11100, 1500, 11100, 6000, left},       // at its right edge
        {"cmdleftsinglearrow", 1500, 3000, 4500, 3300, above},
        {"cmdrightsinglearrow", 1500, 3000, 1800, 3000, above, 4},  // short: clear of its head
        {"cmdupsinglearrow", 3000, 1500, 3300, 4500, right},
        {"cmddownsinglearrow", 3000, 1500, 3300, 4500, right},
        {"cmddoublesidearrow", 1500, 3000, 6000, 3600, above},
        // Beside the longer leg of an elbow, touching neither.
        {"cmdLine", 5400, 2400, 3600, 4950, right, 2, false, {"menu routeelbow1", "menu lineendarrow1"}},
    };
    const QString texts[] = {"Yes", "Recompute outstanding quarterly balances"};
    const QString turns[] = {"fliph1", "flipv1", "rotate1801", "rotateright1", "rotateleft1"};
    for (const Case& c : cases)
        for (const QString& turn : c.turned ? QStringList(std::begin(turns), std::end(turns)) : QStringList{QString()})
        for (const QString& text : texts) {
            SCOPED_TRACE(QStringLiteral("%1 %2 %3 %4 %5 pen %6 %7: %8")
                             .arg(c.button).arg(c.x0).arg(c.y0).arg(c.x1).arg(c.y1).arg(c.pen).arg(turn, text).toStdString());
            Harness h;
            h.w->canvas.ForeColor = kRed;  // the outline is black
            h.run(c.look);
            h.run({QStringLiteral("select cmbDrawWidth %1").arg(c.pen - 1), QStringLiteral("click %1").arg(c.button),
                   mouseLine("down", 1, c.x0, c.y0), mouseLine("move", 1, c.x1, c.y1), mouseLine("up", 1, c.x1, c.y1)});
            if (!turn.isEmpty()) h.run({"menu " + turn});
            const QImage figure = h.image().copy();
            h.trace.clear();
            h.run({"text txtinsert " + text, "return txtinsert"});
            EXPECT_TRUE(h.dumped("status").startsWith("Pointer"));  // not too large
            QImage closed = figure;
            if (QLatin1String(c.button) == QLatin1String("cmdparallelmod")) {
                QPainter p(&closed);
                p.drawLine(QLineF(c.x0 / 15, c.y0 / 15, c.x0 / 15, c.y1 / 15));
                p.drawLine(QLineF(c.x1 / 15, c.y0 / 15, c.x1 / 15, c.y1 / 15));
            }
            const LabelPixels l = labelPixels(figure, h.image(), outsideOf(closed));
            EXPECT_GT(l.count, 0);
            EXPECT_EQ(l.touching, 0);
            if (c.side == inside) {
                EXPECT_EQ(h.trace.size() > 1, text.contains(' ')) << "lines printed";
                EXPECT_EQ(l.outside, 0);
                continue;
            }
            // Past the connector's middle on each axis the side names.
            const QPointF middle = QRectF(QPointF(c.x0, c.y0), QPointF(c.x1, c.y1)).normalized().center() / 15;
            const QRectF ink(l.box.left(), l.box.top(), l.box.width() - 1, l.box.height() - 1);
            EXPECT_TRUE(c.side.x() == 0 || (c.side.x() > 0 ? ink.left() > middle.x() : ink.right() < middle.x()));
            EXPECT_TRUE(c.side.y() == 0 || (c.side.y() > 0 ? ink.top() > middle.y() : ink.bottom() < middle.y()));
            // A line's label lies wholly on one side of it.
            if (QLatin1String(c.button) != QLatin1String("cmdLine") || !c.look.isEmpty()) continue;
            const QLineF axis(c.x0 / 15, c.y0 / 15, c.x1 / 15, c.y1 / 15);
            auto sideOf = [&](QPointF p) {
                const QPointF d = axis.p2() - axis.p1(), v = p - axis.p1();
                return d.x() * v.y() - d.y() * v.x() > 0;
            };
            const bool first = sideOf(ink.topLeft());
            EXPECT_TRUE(sideOf(ink.topRight()) == first && sideOf(ink.bottomLeft()) == first &&
                        sideOf(ink.bottomRight()) == first);
        }
}
