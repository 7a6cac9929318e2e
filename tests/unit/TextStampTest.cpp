// Typed text floating beside the pointer, stamped at the next press, and the
// Clear button's question.
#include "Harness.h"

#include "core/Label.h"
#include "core/ToolCode.h"

#include <cmath>

#include <QLineEdit>
#include <QMap>
#include <optional>

namespace {

// The bounding box of the pixels that are not white, and whether every one
// of them is exactly `color`.
struct Ink {
    QRect box;
    bool pure = true;
};

Ink inkOf(const QImage& img, QRgb color) {
    Ink ink;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y) & 0xFFFFFF;
            if (p == 0xFFFFFF) continue;
            ink.box |= QRect(x, y, 1, 1);
            ink.pure = ink.pure && p == (color & 0xFFFFFF);
        }
    return ink;
}

}  // namespace

TEST(TextStamp, TypingStampingAndTheToolCode) {
    struct Case {
        const char* name;
        QStringList script;
        QStringList trace;
        QMap<QString, QString> dump;
    } cases[] = {
        {"typing shows the text at the canvas's corner and marks the tools",
         {"move 0 0 1000 1000", "text txtinsert Hello"},
         {},
         {{"currentTool", "33"}, {"toolsClean", "false"}, {"Text1.visible", "true"}, {"Text1.left", "0"},
          {"Text1.top", "0"}, {"Text1.text", "Hello"}}},
        {"the press stamps at its point, the next drags draw nothing",
         {"text txtinsert Hello", "down 1 0 3000 2000", "move 1 0 4000 3000", "up 1 0 4000 3000",
          "down 1 0 500 500", "move 1 0 900 900", "up 1 0 900 900"},
         {"print 3000 2000 Hello", "print 500 500 "},
         {{"currentTool", "34"}, {"txtinsert", ""}, {"Text1.visible", "false"}, {"canvasClean", "false"}}},
        {"the press's emptying of the box is a change: the tool becomes 33",
         {"click cmdSquare", "text txtinsert Hi", "down 1 0 3000 2000"},
         {"print 3000 2000 Hi"},
         {{"currentTool", "33"}, {"Text1.visible", "false"}}},
        {"a press with the box empty leaves the tool alone",
         {"click cmdSquare", "down 1 0 3000 2000"},
         {"print 3000 2000 "},
         {{"currentTool", "2"}, {"Text1.visible", "false"}}},
        {"deleting the last character is a change",
         {"click cmdLine", "text txtinsert a", "text txtinsert ", "down 1 0 0 0", "move 1 0 900 900"},
         {"print 0 0 "},
         {{"currentTool", "33"}, {"Text1.visible", "false"}}},
        {"the eraser keeps the pending text, and the press stamps it instead of erasing",
         {"text txtinsert Hi", "click cmdErase", "down 1 0 3000 2000", "move 1 0 3100 2000"},
         {"print 3000 2000 Hi"},
         {{"currentTool", "33"}, {"txtinsert", ""}}},
        {"another tool discards the text and hides the emptied preview",
         {"text txtinsert Hi", "click cmdLine"},
         {},
         {{"currentTool", "0"}, {"txtinsert", ""}, {"Text1.visible", "false"}, {"Text1.text", ""}}},
    };
    for (const Case& c : cases) {
        Harness h;
        h.run(c.script);
        EXPECT_EQ(h.trace, c.trace) << c.name;
        for (auto it = c.dump.begin(); it != c.dump.end(); ++it)
            EXPECT_EQ(h.dumped(it.key()), it.value()) << c.name << ": " << qPrintable(it.key());
    }
}

// The floating text shows all of itself from its first letter, in any font.
TEST(TextStamp, TheFloatingTextShowsTheWholeText) {
    const QStringList scripts[] = {
        {"text txtinsert Hi"},
        {"text txtinsert " + QString(80, QLatin1Char('W'))},
        {"text txtinsert Wide WWW words", "font 28 1 1 0 0 255 Liberation Serif", "menu font1"},
    };
    for (const QStringList& script : scripts) {
        Harness h;
        h.run(script);
        const QLineEdit* box = h.w->Text1;
        const QFontMetrics metrics(box->font());
        EXPECT_GE(box->width(), metrics.horizontalAdvance(box->text()) + 4) << qPrintable(script.last());
        EXPECT_GE(box->height(), metrics.height()) << qPrintable(script.last());
        EXPECT_EQ(box->cursorPosition(), 0) << qPrintable(script.last());
    }
}

// Crisp text: every pixel it changes has exactly the text colour, and its
// top-left corner sits at the press point (3000, 2000 twips = 200, 133 px).
TEST(TextStamp, StampedPixelsStartAtThePressPointInTheTextColour) {
    struct Case {
        const char* name;
        QString font;  // script line choosing the font, or empty
        QRgb color;
        int minHeight;
    } cases[] = {
        {"start-up font, black", {}, qRgb(0, 0, 0), 8},
        {"14 pt bold red", "font 14 1 0 0 0 255 Liberation Serif", qRgb(255, 0, 0), 12},
    };
    for (const Case& c : cases) {
        Harness h;
        if (!c.font.isEmpty()) h.run({c.font, "menu font1"});
        h.run({"text txtinsert HELLO", "down 1 0 3000 2000", "up 1 0 3000 2000"});
        const Ink ink = inkOf(h.image(), c.color);
        EXPECT_TRUE(ink.pure) << c.name;
        EXPECT_GE(ink.box.left(), 200) << c.name;
        EXPECT_LE(ink.box.left(), 203) << c.name;
        EXPECT_GE(ink.box.top(), 133) << c.name;
        EXPECT_LE(ink.box.top(), 140) << c.name;
        EXPECT_GE(ink.box.height(), c.minHeight) << c.name;
    }
}

TEST(Clear, AsksAndWipesOnlyOnYes) {
    struct Case {
        int answer;
        bool white;
        QStringList trace;
    } cases[] = {{7, false, {}}, {6, true, {"cls", "picture none"}}};
    for (const Case& c : cases) {
        Harness h;
        h.run({"click cmdSquare", "down 1 0 1500 1500", "up 1 0 4500 4500"});
        // A loaded picture goes with the Yes too; the canvas keeps its size.
        QImage big(1000, 900, QImage::Format_RGB32);
        big.fill(Qt::green);
        h.w->canvas.Picture(big, QStringLiteral("big.bmp"));
        const QImage before = h.image().copy();
        const QStringList flags{h.dumped("currentTool"), h.dumped("canvasClean"), h.dumped("toolsClean")};
        h.trace.clear();
        h.run({QStringLiteral("answer %1").arg(c.answer), "click cmdClear"});
        EXPECT_EQ(h.out.last(), "ask 4 Tavimbre|Are you sure you want to clear the picture?");
        EXPECT_EQ(h.dumped("msgAnswer"), QString::number(c.answer));
        EXPECT_EQ(h.trace, c.trace);
        EXPECT_EQ((QStringList{h.dumped("currentTool"), h.dumped("canvasClean"), h.dumped("toolsClean")}), flags);
        if (c.white) {
            QImage white(h.w->canvas.ownSize(), QImage::Format_RGB32);
            white.fill(Qt::white);
            EXPECT_EQ(h.image().convertToFormat(QImage::Format_RGB32), white);
        } else {
            EXPECT_EQ(h.image(), before);
        }
    }
}

// Return in the text box: the text fitted into the room of the last figure
// drawn, in a smaller size when it needs one; the chosen font stays.
TEST(TextStamp, ALabelIsCentredInTheLastFigure) {
    const std::optional<QRectF> box(QRectF(QPointF(1500, 1500), QPointF(3000, 4500)));  // 100 x 200 px
    constexpr double kShrunk = -1;  // below the chosen size, and fitting
    struct Case {
        const char* name;
        std::optional<QRectF> figure;
        QString text;
        Label::Stamp result;
        QStringList lines;  // empty: whatever the font wraps, but more than one line
        double points = 9.75;  // the size printed in
        bool fits = true;      // every pixel of the label inside the figure
        double chosen = 9.75;  // the font's own size
        int pen = 1;
    } cases[] = {
        {"one line", QRectF(QPointF(1500, 1500), QPointF(7500, 3000)), "Start", Label::Stamp::Done, {"Start"}},
        {"wrapped at blanks", box, "Read  input file now", Label::Stamp::Done, {}},
        {"either corner order", QRectF(QPointF(3000, 4500), QPointF(1500, 1500)), "Read input file now",
         Label::Stamp::Done, {}},
        {"too tall for the room at its size: shrunk until it fits", QRectF(QPointF(1500, 1500), QPointF(3000, 2000)),
         "Read input file now", Label::Stamp::Done, {"Read input file now"}, kShrunk},
        {"a wide pen leaves less room", QRectF(QPointF(1500, 1500), QPointF(3000, 1800)), "Read input file now",
         Label::Stamp::TooLarge, {"Read input file now"}, 6, false, 9.75, 10},
        {"a word wider than the figure even at 6 points: whole, at 6 points",
         QRectF(QPointF(1500, 1500), QPointF(2100, 1800)), "Supercalifragilistic ok", Label::Stamp::TooLarge,
         {"Supercalifragilistic", "ok"}, 6, false},
        {"a large font steps down a point at a time", QRectF(QPointF(1500, 1500), QPointF(6000, 1950)), "Go on",
         Label::Stamp::Done, {"Go on"}, kShrunk, true, 20},
        {"a font smaller than 6 points is never enlarged", QRectF(QPointF(1500, 1500), QPointF(1600, 1600)), "Go",
         Label::Stamp::TooLarge, {"Go"}, 5, false, 5},
        {"no figure since the picture was wiped: nothing, the text stays", std::nullopt, "Hi",
         Label::Stamp::NoFigure, {}},
        {"no words", box, "   ", Label::Stamp::NoText, {}},
    };
    for (const Case& c : cases) {
        Document doc;
        doc.canvas.Font.setPointSizeF(c.chosen);
        const QFont chosen = doc.canvas.Font;
        const QRectF f = c.figure.value_or(QRectF()).normalized();
        if (c.figure)
            doc.lastFigure =
                Document::Figure{Tool::Process, *c.figure, c.pen, LabelSite::inside(f.left(), f.top(), f.right(), f.bottom())};
        QStringList trace;
        doc.canvas.setTrace([&](const QString& l) { trace << l; });
        const QImage before = doc.canvas.Image().copy();
        ASSERT_EQ(Label::stamp(doc, c.text), c.result) << c.name;
        EXPECT_EQ(doc.canvas.Font, chosen) << c.name;
        if (!c.figure || c.text.simplified().isEmpty()) {
            EXPECT_TRUE(trace.isEmpty()) << c.name;
            EXPECT_FALSE(doc.history.canUndo()) << c.name;
            continue;
        }
        const Label::Placed placed = Label::inside(doc.canvas, c.text, f, c.pen);
        if (c.points == kShrunk) {
            EXPECT_LT(placed.points, c.chosen) << c.name;
            EXPECT_GE(placed.points, Label::kSmallestPoints) << c.name;
            EXPECT_EQ(std::fmod(c.chosen - placed.points, 1.0), 0) << c.name << ": " << placed.points;
        } else {
            EXPECT_EQ(placed.points, c.points) << c.name;
        }
        EXPECT_EQ(placed.fits, c.fits) << c.name;
        QFont used = doc.canvas.Font;
        used.setPointSizeF(placed.points);
        const QFontMetricsF fm(used, &doc.canvas.Image());
        const double inset = (c.pen + Label::kAirPixels) * 15;
        QStringList texts, expectedTrace;
        for (const Label::Line& l : placed.lines) {
            texts << l.text;
            expectedTrace << QStringLiteral("print %1 %2 %3").arg(Canvas::number(l.x), Canvas::number(l.y), l.text);
            const double width = fm.horizontalAdvance(l.text) * 15;
            EXPECT_NEAR(l.x + width / 2, f.center().x(), 15) << c.name << ": " << qPrintable(l.text);
            if (!l.text.contains(' ')) continue;
            EXPECT_LE(width, f.width() - 2 * inset) << c.name << ": " << qPrintable(l.text);
        }
        if (c.lines.isEmpty())
            EXPECT_GT(texts.size(), 1) << c.name;
        else
            EXPECT_EQ(texts, c.lines) << c.name;
        EXPECT_EQ(texts.join(' '), c.text.simplified()) << c.name;
        EXPECT_NEAR(placed.lines.front().y + double(placed.lines.size()) * fm.height() * 15 / 2, f.center().y(), 15)
            << c.name;
        EXPECT_EQ(trace, expectedTrace) << c.name;
        // The ink is centred too, and fits the room less the pen and the air when it can.
        const QRect ink = inkOf(doc.canvas.Image(), 0).box;
        EXPECT_NEAR(ink.center().x(), f.center().x() / 15, 3) << c.name;
        const QRectF room = QRectF(f.topLeft() / 15, f.bottomRight() / 15).adjusted(inset / 15, inset / 15, -inset / 15, -inset / 15);
        EXPECT_EQ(room.contains(QRectF(ink)), c.fits) << c.name;
        EXPECT_TRUE(doc.pictureChanged()) << c.name;
        EXPECT_TRUE(doc.undo()) << c.name;
        EXPECT_EQ(doc.canvas.Image(), before) << c.name << ": one undo step takes all the lines off";
    }
}

// Which drags leave a figure for a label, and what forgets it.
TEST(TextStamp, TheLastFigureIsTheLastDragThatDrewOne) {
    struct Case {
        const char* name;
        QStringList script;
        QString expected;  // how the label's trace starts, or empty for no label
    } cases[] = {
        {"a box", {"click cmdSquare", "down 1 0 3000 3000", "up 1 0 1500 1500"}, "print "},
        {"an eraser drag is no figure", {"click cmdErase", "down 1 0 3000 3000", "up 1 0 1500 1500"}, ""},
        {"a restricted figure dragged up draws none",
         {"click cmdpreprocess", "down 1 0 3000 3000", "up 1 0 1500 1500"}, ""},
        {"nor does a drag with no tool", {"down 1 0 3000 3000", "up 1 0 1500 1500"}, ""},
        {"Clear forgets it",
         {"click cmdSquare", "down 1 0 3000 3000", "up 1 0 1500 1500", "answer 6", "click cmdClear"}, ""},
    };
    for (const Case& c : cases) {
        Harness h;
        h.run(c.script);
        h.trace.clear();
        const bool stamped = Label::stamp(h.w->doc, "Hi") == Label::Stamp::Done;
        EXPECT_EQ(stamped, !c.expected.isEmpty()) << c.name;
        if (stamped) {
            EXPECT_TRUE(h.trace.value(0).startsWith(c.expected)) << c.name;
        }
    }
}

// Return in "Enter Text" through the window; with a locked tool, the next
// drag draws its figure again.
TEST(TextStamp, ReturnCentresTheTypedTextInTheLastFigure) {
    const QStringList box = {"down 1 0 1500 1500", "up 1 0 6000 3000"};
    struct Case {
        const char* name;
        QStringList script;
        QStringList trace;  // from the Return on
        const char* txtinsert;
        const char* status;  // how the status line starts
        int undoSteps;
    } cases[] = {
        {"in the box just drawn", QStringList{"click cmdSquare"} + box + QStringList{"text txtinsert Yes", "return txtinsert"},
         {"print 3585 2145 Yes"}, "", "Pointer", 2},
        {"no figure yet: nothing, the text stays", {"text txtinsert Yes", "return txtinsert"}, {}, "Yes",
         "Draw a figure first: Return centres the text in the last figure drawn.", 0},
        {"a locked tool draws again after the label",
         QStringList{"dblclick cmdSquare"} + box +
             QStringList{"text txtinsert Yes", "return txtinsert", "down 1 0 1500 4500", "up 1 0 6000 6000"},
         {"print 3585 2145 Yes", "print 1500 4500 ", "box 13 1 1500 4500 6000 6000 0"}, "", "Pointer", 3},
        {"too large for its figure: at 6 points all the same, the status bar says so",
         {"click cmdSquare", "down 1 0 1500 1500", "up 1 0 1650 1650", "text txtinsert Hi", "return txtinsert"},
         {"print 1515 1515 Hi"}, "", "The label is larger than its figure", 2},
    };
    for (const Case& c : cases) {
        Harness h;
        h.run(c.script.mid(0, c.script.indexOf("return txtinsert")));
        h.trace.clear();
        h.run(c.script.mid(c.script.indexOf("return txtinsert")));
        EXPECT_EQ(h.trace, c.trace) << c.name;
        EXPECT_EQ(h.dumped("txtinsert"), c.txtinsert) << c.name;
        EXPECT_EQ(h.dumped("Text1.visible"), c.txtinsert[0] ? "true" : "false") << c.name;
        EXPECT_TRUE(h.dumped("status").startsWith(c.status)) << c.name;
        EXPECT_EQ(h.dumped("undoSteps").toInt(), c.undoSteps) << c.name;
        EXPECT_EQ(h.dumped("FontSize"), "9.75") << c.name << ": the chosen font stays";
    }
}
