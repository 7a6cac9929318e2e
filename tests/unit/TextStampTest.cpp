// Typed text floating beside the pointer, stamped at the next press, and the
// Clear button's question.
#include "Harness.h"

#include <QLineEdit>
#include <QMap>

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
