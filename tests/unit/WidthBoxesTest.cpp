// The pen width comes from the draw box's selected entry, the eraser width
// from the text the eraser box shows; text that is no width keeps the last one.
#include "Harness.h"

namespace {

// The pen width of the first preview of a process-box drag after `setup`.
QString penWidthAfter(const QStringList& setup) {
    Harness h;
    h.run(setup);
    h.trace.clear();
    h.run({"click cmdSquare", "down 1 0 0 0", "move 1 0 1500 1500"});
    return h.trace.value(1).section(' ', 2, 2);
}

// The eraser's pen width and eraserSize at its first move after `setup`.
QStringList eraserAfter(const QStringList& setup) {
    Harness h;
    h.run(setup);
    h.trace.clear();
    h.run({"click cmdErase", "down 1 0 3000 3000", "move 1 0 3000 3000"});
    return {h.trace.value(1).section(' ', 2, 2), h.dumped("eraserSize")};
}

}  // namespace

TEST(WidthBoxes, PenWidthIsTheSelectedListEntry) {
    struct Case {
        QStringList setup;
        const char* width;
    } cases[] = {
        {{}, "2"},
        {{"select cmbDrawWidth 9"}, "10"},
        {{"select cmbDrawWidth 0"}, "1"},
        {{"select cmbDrawWidth 4", "text cmbDrawWidth 7"}, "5"},  // typed text is not used
        {{"text cmbDrawWidth 7"}, "2"},
        {{"text cmbDrawWidth "}, "2"},
        {{"text cmbDrawWidth wide"}, "2"},
        {{"text cmbDrawWidth 0"}, "2"},
        {{"text cmbDrawWidth 999"}, "2"},
        {{"select cmbDrawWidth 6", "text cmbDrawWidth 999"}, "7"},
    };
    for (const Case& c : cases) EXPECT_EQ(penWidthAfter(c.setup), c.width) << qPrintable(c.setup.join("; "));
}

TEST(WidthBoxes, EraserWidthIsTheTextShownOrTheLastValidOne) {
    struct Case {
        QStringList setup;
        QStringList widthAndSize;
    } cases[] = {
        {{}, {"5", "50"}},
        {{"select cmberaserwidth 19"}, {"20", "200"}},
        {{"select cmberaserwidth 0"}, {"1", "10"}},
        {{"text cmberaserwidth 7"}, {"7", "70"}},
        {{"text cmberaserwidth "}, {"5", "50"}},
        {{"text cmberaserwidth big"}, {"5", "50"}},
        {{"text cmberaserwidth 0"}, {"5", "50"}},
        {{"text cmberaserwidth 999"}, {"5", "50"}},
        {{"text cmberaserwidth 21"}, {"5", "50"}},
        // The last valid width is the last one the eraser used.
        {{"text cmberaserwidth 7", "click cmdErase", "down 1 0 0 0", "move 1 0 0 0", "up 1 0 0 0",
          "text cmberaserwidth -3"},
         {"7", "70"}},
    };
    for (const Case& c : cases) EXPECT_EQ(eraserAfter(c.setup), c.widthAndSize) << qPrintable(c.setup.join("; "));
}
