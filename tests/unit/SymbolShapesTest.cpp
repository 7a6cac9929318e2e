// Finished outlines of every flowchart symbol worked out by hand, to the
// twip, with the preview frames where they depart from the usual margin.
#include "Harness.h"
#include "SymbolTrace.h"

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
