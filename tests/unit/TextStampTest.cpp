// Typed text floating beside the pointer, stamped at the next press, and the
// Clear button's question.
#include "Harness.h"

#include "core/Label.h"
#include "core/ToolCode.h"

#include <cmath>

#include <QLineEdit>
#include <QMap>
#include <algorithm>
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

// The label site of a box: the whole drag.
const Label::SiteOf kBoxSite = [](int, float x0, float y0, float x1, float y1) {
    return LabelSite::inside(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1));
};

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
        {"keys typed with the canvas focused go into the box, none of them a command",
         {"type fix sk"},
         {},
         {{"focus", "Picture1"}, {"currentTool", "33"}, {"txtinsert", "fix sk"}, {"Text1.visible", "true"},
          {"Text1.text", "fix sk"}, {"pressTool", ""}}},
        {"Alt and a menu's letter on the canvas open the menu, whose keys then run its last item",
         {"key Alt+E", "key Up", "key Return"},
         {},
         {{"transparent", "true"}, {"txtinsert", ""}, {"focus", "Picture1"}}},
        {"Backspace on the canvas is Backspace in the box",
         {"type Hello", "key Backspace", "key Backspace", "type p!"},
         {},
         {{"txtinsert", "Help!"}, {"Text1.text", "Help!"}}},
        {"a press on the canvas takes the focus from a button, and typing follows it",
         {"key Shift+Tab", "down 1 0 3000 2000", "type Hi"},
         {"print 3000 2000 "},
         {{"focus", "Picture1"}, {"txtinsert", "Hi"}}},
        {"a click on a palette button leaves the focus where it was",
         {"type a", "click cmdLine", "type b"},
         {},
         {{"focus", "Picture1"}, {"txtinsert", "b"}}},
        {"Space on a focused palette button presses it while the box is empty",
         {"key Shift+Tab", "type  "},
         {},
         {{"focus", "cmdterminate"}, {"currentTool", "11"}, {"txtinsert", ""}}},
        {"and is a blank while a label is typed",
         {"key Shift+Tab", "type Read input"},
         {},
         {{"focus", "cmdterminate"}, {"currentTool", "33"}, {"txtinsert", "Read input"}}},
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
    // The room of a 100 x 50 px decision: its middle half each way.
    const std::optional<QRectF> decision(QRectF(QPointF(1500, 1500), QSizeF(750, 375)));
    constexpr double kShrunk = -1;  // below the chosen size, and fitting
    const QStringList kWrapped{"\n"};  // whatever the font wraps, but more than one line
    struct Case {
        const char* name;
        std::optional<QRectF> figure;
        QString text;
        Label::Stamp result;
        QStringList lines;     // empty: nothing printed
        double points = 9.75;  // the size printed in
        bool fits = true;      // the whole label printed
        double chosen = 9.75;  // the font's own size
        int pen = 1;
    } cases[] = {
        {"one line", QRectF(QPointF(1500, 1500), QPointF(7500, 3000)), "Start", Label::Stamp::Done, {"Start"}},
        {"wrapped at blanks", box, "Read  input file now", Label::Stamp::Done, kWrapped},
        {"either corner order", QRectF(QPointF(3000, 4500), QPointF(1500, 1500)), "Read input file now",
         Label::Stamp::Done, kWrapped},
        {"too tall for the room at its size: shrunk until it fits", QRectF(QPointF(1500, 1500), QPointF(3000, 2000)),
         "Read input file now", Label::Stamp::Done, {"Read input file now"}, kShrunk},
        {"a wide pen leaves no room: nothing printed", QRectF(QPointF(1500, 1500), QPointF(3000, 1800)),
         "Read input file now", Label::Stamp::TooLarge, {}, 6, false, 9.75, 10},
        {"a word wider than the figure even at 6 points: broken, what fits of it at 6 points",
         QRectF(QPointF(1500, 1500), QPointF(2100, 1800)), "Supercalifragilistic ok", Label::Stamp::TooLarge,
         {"Superc-"}, 6, false},
        {"a long word in a decision: broken, what fits of it at 6 points", decision, "Kundenadressenverwaltung",
         Label::Stamp::TooLarge, {"Kundenad-", "ressenver-"}, 6, false},
        {"a long word broken with a hyphen before the font is shrunk",
         QRectF(QPointF(1500, 1500), QPointF(3000, 2400)), "Kundenadressenverwaltung", Label::Stamp::Done,
         {"Kundenadres-", "senverwaltung"}},
        {"a large font steps down a point at a time", QRectF(QPointF(1500, 1500), QPointF(6000, 1950)), "Go on",
         Label::Stamp::Done, {"Go on"}, kShrunk, true, 20},
        {"a font smaller than 6 points is never enlarged, nor printed past a room too small",
         QRectF(QPointF(1500, 1500), QPointF(1600, 1600)), "Go", Label::Stamp::TooLarge, {}, 5, false, 5},
        {"no figure since the picture was wiped: nothing, the text stays", std::nullopt, "Hi",
         Label::Stamp::NoFigure, {}},
        {"no words", box, "   ", Label::Stamp::NoText, {}},
    };
    for (const Case& c : cases) {
        Document doc;
        doc.canvas.Font.setPointSizeF(c.chosen);
        const QFont chosen = doc.canvas.Font;
        if (c.figure) doc.drawn(Tool::Process, c.figure->topLeft(), c.figure->bottomRight(), c.pen);
        const QRectF f = c.figure.value_or(QRectF()).normalized();
        const std::size_t steps = doc.history.steps();
        QStringList trace;
        doc.canvas.setTrace([&](const QString& l) { trace << l; });
        const QImage before = doc.canvas.Image().copy();
        doc.beginStep();  // as Return's command opens it
        ASSERT_EQ(Label::stamp(doc, c.text, kBoxSite), c.result) << c.name;
        EXPECT_EQ(doc.endStep(), !c.lines.isEmpty()) << c.name;
        EXPECT_EQ(doc.canvas.Font, chosen) << c.name;
        if (!c.figure || c.text.simplified().isEmpty()) {
            EXPECT_TRUE(trace.isEmpty()) << c.name;
            EXPECT_EQ(doc.history.steps(), steps) << c.name;
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
        if (c.lines == kWrapped)
            EXPECT_GT(texts.size(), 1) << c.name;
        else
            EXPECT_EQ(texts, c.lines) << c.name;
        EXPECT_EQ(trace, expectedTrace) << c.name;
        // No pixel ever leaves the room less the pen and the air.
        const QRect ink = inkOf(doc.canvas.Image(), 0).box;
        const QRectF room = QRectF(f.topLeft() / 15, f.bottomRight() / 15).adjusted(inset / 15, inset / 15, -inset / 15, -inset / 15);
        EXPECT_TRUE(ink.isEmpty() || room.contains(QRectF(ink))) << c.name;
        if (texts.isEmpty()) continue;
        // A word broken at a line's end has a hyphen there; what is printed
        // is the text, or a start of each of its lines when it does not fit.
        const QString joined = texts.join('\n').replace("-\n", "").replace('\n', ' ');
        if (c.fits)
            EXPECT_EQ(joined, c.text.simplified()) << c.name;
        else
            EXPECT_TRUE(texts.front().startsWith(c.text.left(texts.front().size() - 1))) << c.name;
        EXPECT_NEAR(placed.lines.front().y + double(placed.lines.size()) * fm.height() * 15 / 2, f.center().y(), 15)
            << c.name;
        EXPECT_NEAR(ink.center().x(), f.center().x() / 15, 3) << c.name;
        EXPECT_TRUE(doc.undo()) << c.name;
        EXPECT_EQ(doc.canvas.Image(), before) << c.name << ": one undo step takes all the lines off";
    }
}

// Which drags leave a figure for a label, what forgets it, and how it
// follows the picture's changes.
TEST(TextStamp, TheLastFigureIsTheLastDragThatDrewOne) {
    const QStringList box = {"click cmdSquare", "down 1 0 1500 1500", "up 1 0 4500 3000"};
    const QRectF boxAt(QPointF(1500, 1500), QPointF(4500, 3000));
    struct Case {
        const char* name;
        QStringList script;
        std::optional<QRectF> figure;  // what the label is centred in; none for no label
    } cases[] = {
        {"a box", {"click cmdSquare", "down 1 0 3000 3000", "up 1 0 1500 1500"},
         QRectF(QPointF(3000, 3000), QPointF(1500, 1500))},
        {"a line", {"click cmdLine", "down 1 0 1500 1500", "up 1 0 4500 3000"}, boxAt},
        {"an eraser drag is no figure", {"click cmdErase", "down 1 0 3000 3000", "up 1 0 1500 1500"}, {}},
        {"a restricted figure dragged up draws none",
         {"click cmdpreprocess", "down 1 0 3000 3000", "up 1 0 1500 1500"}, {}},
        {"nor does a drag with no tool", {"down 1 0 3000 3000", "up 1 0 1500 1500"}, {}},
        {"Clear forgets it",
         {"click cmdSquare", "down 1 0 3000 3000", "up 1 0 1500 1500", "answer 6", "click cmdClear"}, {}},
        {"Undo takes it back to the figure drawn before",
         box + QStringList{"click cmdSquare", "down 1 0 6000 6000", "up 1 0 7500 7500", "menu undo1"}, boxAt},
        {"Redo brings it back",
         box + QStringList{"click cmdSquare", "down 1 0 6000 6000", "up 1 0 7500 7500", "menu undo1", "menu redo1"},
         QRectF(QPointF(6000, 6000), QPointF(7500, 7500))},
        {"a crop to what is drawn moves it by the crop's offset", box + QStringList{"menu cropcontent1"},
         QRectF(QPointF(0, 0), QPointF(3000, 1500))},
        {"a quarter turn turns it with the picture", box + QStringList{"menu rotateright1"},
         QRectF(QPointF(8820, 1500), QPointF(7320, 4500))},
        {"a Canvas Size that cuts it forgets it", box + QStringList{"size 200 150", "menu canvassize1"}, {}},
        {"a Canvas Size that keeps it whole keeps it", box + QStringList{"size 301 201", "menu canvassize1"}, boxAt},
    };
    for (const Case& c : cases) {
        Harness h;
        h.run(c.script);
        h.trace.clear();
        const int pen = h.w->doc.figures().last() ? h.w->doc.figures().last()->penWidth : 1;
        const bool stamped = Label::stamp(h.w->doc, "Hi", kBoxSite) == Label::Stamp::Done;
        EXPECT_EQ(stamped, c.figure.has_value()) << c.name;
        if (!stamped || !c.figure) continue;
        QStringList expected;
        for (const Label::Line& l : Label::inside(h.w->canvas, "Hi", c.figure->normalized(), pen).lines)
            expected << QStringLiteral("print %1 %2 %3").arg(Canvas::number(l.x), Canvas::number(l.y), l.text);
        EXPECT_EQ(h.trace, expected) << c.name;
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
        {"typed and Return pressed on the canvas, as in the box",
         QStringList{"dblclick cmdSquare"} + box +
             QStringList{"type Yes", "key Return", "down 1 0 1500 4500", "up 1 0 6000 6000"},
         {"print 3585 2145 Yes", "print 1500 4500 ", "box 13 1 1500 4500 6000 6000 0"}, "", "Pointer", 3},
        {"Return on the canvas with no figure yet: the text stays",
         {"type Yes", "key Return"}, {}, "Yes",
         "Draw a figure first: Return centres the text in the last figure drawn.", 0},
        {"too large for its figure even at 6 points, which cannot grow at the picture's edge: what fits of it, here "
         "nothing; the status bar says so",
         {"click cmdSquare", "down 1 0 0 1500", "up 1 0 150 1650", "text txtinsert Hi", "return txtinsert"},
         {}, "", "The figure cannot grow", 1},
        {"a long word in a decision: what fits of it at 6 points",
         {"click cmdrhombus", "down 1 0 0 1500", "up 1 0 1500 2250", "type Kundenadressenverwaltung",
          "key Return"},
         {"print 435 1740 Kundenad-", "print 450 1874.2969 ressenver-"}, "", "The figure cannot grow", 2},
        {"a line from a decision's corner is labelled beside its start, a plain line beside its middle",
         {"click cmdrhombus", "down 1 0 1500 1500", "move 1 0 4500 3000", "up 1 0 4500 3000", "menu snap1",
          "click cmdLine", "down 1 0 4500 2240", "move 1 0 9000 2250", "up 1 0 9000 2250", "type Yes", "key Return",
          "click cmdLine", "down 1 0 6000 4500", "move 1 0 9000 4500", "up 1 0 9000 4500", "type No", "key Return"},
         {"print 4635 1965 Yes", "print 6000 4500 ", "line 6 2 6000 4500 6000 4500 -",
          "line 6 2 6000 4500 9000 4500 -", "line 13 2 6000 4500 9000 4500 0", "print 7365 4215 No"},
         "", "Pointer", 5},
        // Ctrl+Return: beside the last line or arrow drawn, whatever was drawn since.
        {"Ctrl+Return after a chain from a decision: beside the arrow's start",
         {"click cmdrhombus", "down 1 0 1500 1500", "up 1 0 4500 3000", "key Alt+Right", "type No", "key Ctrl+Return"},
         {"print 4665 1965 No"}, "", "Pointer", 3},
        {"Ctrl+Return after a line and a box: beside the line, not in the box",
         {"click cmdLine", "down 1 0 1500 4500", "up 1 0 6000 4500", "click cmdSquare", "down 1 0 1500 1500",
          "up 1 0 6000 3000", "type Yes", "key Ctrl+Return"},
         {"print 3585 4230 Yes"}, "", "Pointer", 3},
        {"Ctrl+Return after a single arrow",
         {"click cmdrightsinglearrow", "down 1 0 1500 4500", "up 1 0 6000 5400", "type Yes", "key Ctrl+Return"},
         {"print 3585 4140 Yes"}, "", "Pointer", 2},
        {"Ctrl+Return with a box only: the text stays",
         QStringList{"click cmdSquare"} + box + QStringList{"type Yes", "key Ctrl+Return"}, {}, "Yes",
         "Draw a line or an arrow first", 1},
        {"Ctrl+Return after the line was taken back",
         {"click cmdLine", "down 1 0 1500 4500", "up 1 0 6000 4500", "key Ctrl+Z", "type Yes", "key Ctrl+Return"},
         {}, "Yes", "Draw a line or an arrow first", 0},
    };
    for (const Case& c : cases) {
        Harness h;
        const int at = std::max({c.script.indexOf("return txtinsert"), c.script.indexOf("key Return"),
                                 c.script.indexOf("key Ctrl+Return")});
        h.run(c.script.mid(0, at));
        h.trace.clear();
        h.run(c.script.mid(at));
        EXPECT_EQ(h.trace, c.trace) << c.name;
        EXPECT_EQ(h.dumped("txtinsert"), c.txtinsert) << c.name;
        EXPECT_EQ(h.dumped("Text1.visible"), c.txtinsert[0] ? "true" : "false") << c.name;
        EXPECT_TRUE(h.dumped("status").startsWith(c.status)) << c.name;
        EXPECT_EQ(h.dumped("undoSteps").toInt(), c.undoSteps) << c.name;
        EXPECT_EQ(h.dumped("FontSize"), "9.75") << c.name << ": the chosen font stays";
    }
}

// A label that fits its figure at no readable size grows the last figure
// drawn, width first up to twice its width, then height, about the middle
// of the side its first incoming connector meets; where it cannot grow, it
// is printed smaller and the status bar says so. Figure and label are one
// step.
TEST(TextStamp, AFigureGrowsToHoldItsLabelAtAReadableSize) {
    const QString longText = "Validate the customer record";
    const QStringList decision = {"click cmdrhombus", "down 1 0 3000 3000", "move 1 0 4800 3900", "up 1 0 4800 3900"};
    enum Fixed { TopMiddle, LeftMiddle, None };
    struct Case {
        const char* name;
        QStringList script;  // the figure labelled is the last one drawn
        QString text;
        const char* status;
        Fixed fixed;
        int gridStep = 1;  // the width grows by whole steps of this many pixels each side
    };
    const Case cases[] = {
        {"a decision widens about its top's middle", decision, longText, "The figure grew", TopMiddle},
        {"a box too small for two letters grows", {"click cmdSquare", "down 1 0 3000 3000", "up 1 0 3150 3150"},
         "Hi", "The figure grew", TopMiddle},
        {"a long text widens it twice, then it grows taller", decision,
         "Validate the customer record and the order and the invoice before shipping", "The figure grew", TopMiddle},
        {"chained down: about the top's middle, the arrow straight", decision + QStringList{"key Alt+Down"}, longText,
         "The figure grew", TopMiddle},
        {"chained right: about the left side's middle", decision + QStringList{"key Alt+Right"}, longText,
         "The figure grew", LeftMiddle},
        {"with Snap on, by whole grid steps", QStringList{"menu snap1"} + decision, longText, "The figure grew",
         TopMiddle, 10},
        {"another figure in the way: smaller",
         decision + QStringList{"click cmdSquare", "down 1 0 5000 3000", "move 1 0 6000 3900", "up 1 0 6000 3900"} +
             decision,
         longText, "The figure cannot grow", None},
        {"a turned figure: smaller", decision + QStringList{"menu fliph1"}, longText, "The figure cannot grow", None},
        {"at the picture's edge: smaller",
         {"click cmdrhombus", "down 1 0 0 3000", "move 1 0 1800 3900", "up 1 0 1800 3900"}, longText,
         "The figure cannot grow", None},
        {"a label that fits: nothing grows", decision, "Yes", "Pointer", None},
    };
    auto corners = [](const QString& s) {
        const QStringList v = s.split(',');
        return v.size() == 4 ? QRectF(QPointF(v[0].toDouble(), v[1].toDouble()), QPointF(v[2].toDouble(), v[3].toDouble()))
                             : QRectF();
    };
    // Every figure tool: a four-word label in a figure 120 x 60 pixels is
    // never printed below the readable size, its figure growing instead.
    for (int tool : {Tool::Process, Tool::Circle, Tool::Start, Tool::Decision, Tool::Terminate, Tool::Data,
                     Tool::StoredData, Tool::PredefinedProcess, Tool::InternalStorage, Tool::SequentialData,
                     Tool::DirectData, Tool::ManualInput, Tool::ManualOperation, Tool::Preparation, Tool::LoopLimit,
                     Tool::OffPageReference, Tool::ParallelMode, Tool::InternalProcess, Tool::PaperTape,
                     Tool::DocumentSymbol}) {
        Harness h;
        h.run({QStringLiteral("click ") + QLatin1String(Tool::traits(tool)->button), "down 1 0 4500 3000", "move 1 0 6300 3900", "up 1 0 6300 3900",
               "type Validate every customer record", "key Return"});
        const QString status = h.dumped("status");
        EXPECT_TRUE(status.startsWith("Pointer") || status.startsWith("The figure grew")) << qPrintable(status);
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        h.run(c.script);
        const QRectF was = corners(h.dumped("lastFigure"));
        const QImage before = h.image();
        const int steps = h.dumped("undoSteps").toInt();
        h.run({"type " + c.text, "key Return"});
        EXPECT_TRUE(h.dumped("status").startsWith(c.status)) << qPrintable(h.dumped("status"));
        const QRectF now = corners(h.dumped("lastFigure"));
        if (c.fixed == None) {
            EXPECT_EQ(now, was);
        } else {
            EXPECT_GT(now.width(), was.width());
            EXPECT_LE(now.width(), 2 * was.width() + 2 * 15 * c.gridStep);
            EXPECT_EQ(std::fmod((now.width() - was.width()) / 15, 2.0 * c.gridStep), 0.0);
            const QPointF middle = c.fixed == TopMiddle ? QPointF(now.center().x(), now.top())
                                                        : QPointF(now.left(), now.center().y());
            EXPECT_EQ(middle, c.fixed == TopMiddle ? QPointF(was.center().x(), was.top())
                                                   : QPointF(was.left(), was.center().y()));
            EXPECT_TRUE(now.height() == was.height() || now.width() >= 2 * was.width()) << "width first";
        }
        EXPECT_EQ(h.dumped("figures"), QString::number(h.w->doc.figures().figures().size()));
        EXPECT_EQ(h.dumped("undoSteps").toInt(), steps + 1) << "figure and label one step";
        h.run("key Ctrl+Z");
        EXPECT_EQ(h.image(), before);
        EXPECT_EQ(corners(h.dumped("lastFigure")), was);
    }
}
