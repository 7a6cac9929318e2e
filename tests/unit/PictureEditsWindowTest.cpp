// The picture edits from the window: each from its menu, key or toolbar
// button and through a script, what it leaves in the picture and the dump,
// and the PDF a script writes.
#include "Harness.h"
#include "app/canvas/CanvasView.h"
#include "core/ImageOps.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <tuple>

namespace {

// A line along row 0, x 0 to 10; one along row 5, x 0 to 30; one down
// column 50, y 0 to 10.
const QStringList kTopLine = {"click cmdLine", "down 1 0 0 0", "up 1 0 150 0"};
const QStringList kRowAndColumn = {"click cmdLine", "down 1 0 0 75",  "up 1 0 450 75",
                                   "click cmdLine", "down 1 0 750 0", "up 1 0 750 150"};
// Marks x 0..19, y 0..9 after Select; marks x 45..55, y 0..10 and moves it 30 left.
const QStringList kMarkTopLeft = {"menu select1", "down 1 0 0 0", "move 1 0 300 150", "up 1 0 300 150"};
const QStringList kMoveColumnLeft = {"menu select1",     "down 1 0 675 0",  "move 1 0 840 165", "up 1 0 840 165",
                                     "down 1 0 750 75", "move 1 0 300 75", "up 1 0 300 75"};
// With Snap on: a box on the grid lines 100 and 110; one on 100 and 200,
// marked corner to corner, moved 300 pixels right and dropped.
const QStringList kSnappedSmallBox = {"menu snap1", "click cmdSquare", "down 1 0 1500 1500", "up 1 0 1650 1650"};
const QStringList kSnappedBoxMovedRight = {
    "menu snap1",         "click cmdSquare",    "down 1 0 1510 1490", "move 1 0 2990 3010", "up 1 0 2990 3010",
    "menu select1",       "down 1 0 1490 1510", "up 1 0 3010 2990",   "down 1 0 2250 2250", "up 1 0 6750 2250",
    "key Esc"};
const QStringList kFillAt30 = {"down 1 0 30 30", "up 1 0 30 30"};
const QRgb kBlack = qRgb(0, 0, 0), kWhite = qRgb(255, 255, 255), kGreen = qRgb(0, 255, 0);

}  // namespace

// Each new command from its menu, key or toolbar button, through the script
// runner: the pixels and the dump it leaves.
TEST(PictureEdits, FromTheWindow) {
    const struct {
        const char* name;
        QStringList lines;
        std::vector<std::pair<QPoint, QRgb>> pixels;
        QStringList dumped;
    } cases[] = {
        {"fill from the menu: the blank picture, one step",
         QStringList{"color 65280", "menu drawcolor1", "menu fill1"} + kFillAt30,
         {{{0, 0}, kGreen}, {{741, 688}, kGreen}},
         {"pressTool=fill", "undoSteps=1", "canvasClean=false", "toolsClean=false"}},
        {"fill by its key stays within a line's side, tolerance asked",
         kTopLine + QStringList{"tolerance 40", "menu tolerance1", "color 65280", "menu drawcolor1", "key Ctrl+Shift+F"} +
             kFillAt30,
         {{{5, 0}, kBlack}, {{5, 5}, kGreen}},
         {"tolerance=40", "undoSteps=2"}},
        {"a palette tool ends Fill", QStringList{"menu fill1", "click cmdLine"} + kFillAt30, {{{20, 20}, kWhite}},
         {"pressTool="}},
        {"Fill chosen again ends it", QStringList{"menu fill1", "menu fill1"} + kFillAt30, {{{20, 20}, kWhite}},
         {"pressTool=", "undoSteps=0"}},
        {"Esc ends Fill", QStringList{"menu fill1", "key Esc"} + kFillAt30, {{{20, 20}, kWhite}},
         {"pressTool=", "undoSteps=0"}},
        {"Pick Colour chosen again ends it", QStringList{"menu pickcolor1", "menu pickcolor1"}, {}, {"pressTool="}},
        {"Select chosen again ends it", QStringList{"menu select1", "menu select1"}, {},
         {"status=Pointer 0, 0    Picture 742 × 689    Zoom 100%"}},
        {"Fill over a locked tool: the status bar names Fill",
         QStringList{"dblclick cmdSquare", "menu fill1"} + kFillAt30, {{{20, 20}, kBlack}},
         {"toolLocked=true", "status=Pointer 2, 2    Picture 742 × 689    Zoom 100%    Fill"}},
        {"pick colour by its key: the pixel's colour, then the tool ends",
         QStringList{"color 65280", "menu drawcolor1", "menu fill1"} + kFillAt30 +
             QStringList{"color 255", "menu drawcolor1", "key Ctrl+Shift+K"} + kFillAt30,
         {{{2, 2}, kGreen}},
         {"drawColor=65280", "pressTool=", "undoSteps=1", "status=Draw colour: red 0, green 255, blue 0"}},
        {"rotate a marked part: it floats turned where it was", kTopLine + kMarkTopLeft + QStringList{"menu rotateright1"},
         {{{9, 5}, kBlack}, {{5, 0}, kWhite}, {{15, 0}, kWhite}},
         {"selection=0,0,10,20", "floating=true", "undoSteps=1"}},
        {"flip a marked part, dropped: one step", kTopLine + kMarkTopLeft + QStringList{"menu fliph1", "key Esc"},
         {{{19, 0}, kBlack}, {{9, 0}, kBlack}, {{8, 0}, kWhite}, {{0, 0}, kWhite}},
         {"floating=false", "undoSteps=2"}},
        {"rotate left, then 180: the part is turned twice", kTopLine + kMarkTopLeft +
             QStringList{"menu rotateleft1", "menu rotate1801", "key Esc"},
         {{{9, 5}, kBlack}, {{0, 5}, kWhite}},
         {"undoSteps=2"}},
        {"flip the whole picture", kTopLine + QStringList{"menu flipv1"}, {{{5, 688}, kBlack}, {{5, 0}, kWhite}},
         {"undoSteps=2", "pictureWidth=742"}},
        {"rotate the whole picture: its sides swap", kTopLine + QStringList{"menu rotateright1"},
         {{{688, 5}, kBlack}}, {"pictureWidth=689", "pictureHeight=742", "undoSteps=2"}},
        {"all of it marked, rotated left: the picture turns whole, still all marked",
         kTopLine + QStringList{"menu selectall1", "menu rotateleft1"}, {{{0, 736}, kBlack}, {{0, 741}, kBlack}},
         {"pictureWidth=689", "pictureHeight=742", "selection=0,0,689,742", "floating=false", "undoSteps=2"}},
        {"crop to the marked part", kTopLine + kMarkTopLeft + QStringList{"menu cropselection1"}, {{{5, 0}, kBlack}},
         {"pictureWidth=20", "pictureHeight=10", "selection=", "undoSteps=2"}},
        {"crop to nothing marked", QStringList{"menu cropselection1"}, {},
         {"pictureWidth=742", "undoSteps=0", "status=Nothing is selected."}},
        {"crop to content", kTopLine + QStringList{"menu cropcontent1"}, {{{10, 0}, kBlack}},
         {"pictureWidth=11", "pictureHeight=1", "undoSteps=2"}},
        {"crop to the content of a blank picture", QStringList{"menu cropcontent1"}, {},
         {"pictureWidth=742", "undoSteps=0", "status=The picture is all white: there is nothing to crop to."}},
        {"a move dropped over a line wipes it", kRowAndColumn + kMoveColumnLeft + QStringList{"key Esc"},
         {{{16, 5}, kWhite}, {{20, 5}, kBlack}, {{50, 5}, kWhite}},
         {"transparent=false", "undoSteps=3"}},
        {"with Snap on, Fill fills the pressed pixel's area, not the nearest grid point's",
         kSnappedSmallBox + QStringList{"menu fill1", "down 1 0 1574 1576", "up 1 0 1574 1576"},
         {{{105, 105}, kBlack}, {{90, 90}, kWhite}}, {"undoSteps=2"}},
        {"with Snap on, Pick Colour takes the pressed pixel's colour",
         QStringList{"color 65280", "menu drawcolor1"} + kSnappedSmallBox +
             QStringList{"key Ctrl+Shift+K", "down 1 0 1574 1576", "up 1 0 1574 1576"},
         {}, {"drawColor=16777215"}},
        {"with Snap on, a box marked corner to corner moves whole",
         kSnappedBoxMovedRight, {{{99, 150}, kWhite}, {{200, 150}, kWhite}, {{150, 99}, kWhite}, {{150, 200}, kWhite},
                                 {{399, 150}, kBlack}, {{500, 150}, kBlack}, {{450, 99}, kBlack}, {{450, 200}, kBlack}},
         {"floating=false"}},
        {"and at a pen of 5",
         QStringList{"select cmbDrawWidth 4"} + kSnappedBoxMovedRight,
         {{{98, 150}, kWhite}, {{202, 150}, kWhite}, {{150, 98}, kWhite}, {{150, 202}, kWhite},
          {{398, 150}, kBlack}, {{502, 150}, kBlack}}, {"floating=false"}},
        {"a transparent move dropped over a line keeps it",
         kRowAndColumn + QStringList{"menu transparent1"} + kMoveColumnLeft + QStringList{"key Esc"},
         {{{16, 5}, kBlack}, {{20, 2}, kBlack}, {{50, 5}, kWhite}, {{40, 5}, kWhite}},
         {"transparent=true", "undoSteps=3"}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        Harness h;
        h.run(k.lines);
        for (const auto& [at, rgb] : k.pixels)
            EXPECT_EQ(h.w->doc.selection.shown().pixel(at) & 0xFFFFFF, rgb & 0xFFFFFF) << at.x() << "," << at.y();
        for (const QString& d : k.dumped) EXPECT_EQ(d.section('=', 0, 0) + "=" + h.dumped(d.section('=', 0, 0)), d);
    }
}

// What floats clear shows on the screen, in a recovery copy and an export
// as it is once dropped.
TEST(PictureEdits, AClearPartShowsAsItDrops) {
    Harness h;
    h.run(kRowAndColumn + QStringList{"menu transparent1"} + kMoveColumnLeft);
    const QImage shown = h.w->doc.selection.shown().copy();
    QImage painted(h.w->Picture1->size(), QImage::Format_RGB32);
    h.w->Picture1->render(&painted);
    h.run("key Esc");
    EXPECT_EQ(shown, h.image());
    for (QPoint at : {QPoint(16, 5), QPoint(20, 2), QPoint(50, 5), QPoint(30, 30)})
        EXPECT_EQ(painted.pixel(at), h.image().pixel(at)) << at.x() << "," << at.y();
}

// The toolbar's buttons are the menu's items; hiding it moves nothing of
// the palette against the canvas; F typed into the text box is text.
TEST(PictureEdits, ToolbarAndKeys) {
    Harness h;
    h.w->show();
    QToolBar* bar = h.w->findChild<QToolBar*>(QStringLiteral("toolbar"));
    ASSERT_NE(bar, nullptr);
    QStringList names;
    for (QAction* a : bar->actions())
        if (!a->isSeparator()) names << a->objectName();
    for (const char* n : {"select1", "fill1", "pickcolor1", "zoomin1", "zoomout1", "lineendnone1", "lineendarrow1",
                          "lineendboth1", "linesolid1", "linedash1", "linedot1", "routestraight1", "routeelbow1"})
        EXPECT_TRUE(names.contains(n)) << n;
    // The line's look: one choice of each kind, None, Solid and Straight at start.
    for (const char* n : {"lineendnone1", "linesolid1", "routestraight1"}) EXPECT_TRUE(h.w->menuItems.value(n)->isChecked()) << n;
    qobject_cast<QToolButton*>(bar->widgetForAction(h.w->menuItems.value("routeelbow1")))->click();
    h.run({"menu lineendboth1", "menu linedash1", "menu linedot1"});
    EXPECT_EQ(QStringList({h.dumped("lineEnds"), h.dumped("lineStyle"), h.dumped("lineRoute")}),
              QStringList({"both", "dotted", "elbow"}));
    for (const char* n : {"routestraight1", "lineendnone1", "linedash1"}) EXPECT_FALSE(h.w->menuItems.value(n)->isChecked()) << n;
    for (const char* n : {"showgrid1", "snap1"}) EXPECT_EQ(names.contains(n), h.w->menuItems.contains(n)) << n;
    // Snap to Figures comes last, off at start, named for a screen reader.
    EXPECT_EQ(names.last(), "snapfigures1");
    auto* snapFigures = qobject_cast<QToolButton*>(bar->widgetForAction(h.w->menuItems.value("snapfigures1")));
    EXPECT_EQ(snapFigures->accessibleName(), "Snap to Figures");
    for (const char* on : {"on", "off"}) {
        snapFigures->click();
        EXPECT_EQ(h.dumped("snapFigures"), on);
    }
    auto* fill = qobject_cast<QToolButton*>(bar->widgetForAction(h.w->menuItems.value("fill1")));
    ASSERT_NE(fill, nullptr);
    fill->click();
    EXPECT_EQ(h.dumped("pressTool"), "fill");
    EXPECT_TRUE(fill->isChecked());
    fill->click();
    EXPECT_EQ(h.dumped("pressTool"), "");
    EXPECT_FALSE(fill->isChecked());
    auto* zoomIn = qobject_cast<QToolButton*>(bar->widgetForAction(h.w->menuItems.value("zoomin1")));
    zoomIn->click();
    EXPECT_NE(h.dumped("zoom"), "100");

    auto place = [&] {
        QStringList at;
        for (QWidget* w : std::initializer_list<QWidget*>{h.w->buttons.value("cmdLine"), h.w->txtinsert, h.w->cmbDrawWidth})
            at << QString::number((w->mapTo(h.w.get(), QPoint()) - h.w->Picture1->parentWidget()->mapTo(h.w.get(), QPoint())).x());
        at << QString::number(h.w->buttons.value("cmdLine")->mapTo(h.w.get(), QPoint()).y() -
                              h.w->txtinsert->mapTo(h.w.get(), QPoint()).y());
        return at;
    };
    QCoreApplication::processEvents();
    const QStringList shownAt = place();
    h.run("menu toolbar1");
    QCoreApplication::processEvents();
    EXPECT_EQ(h.dumped("toolbar"), "false");
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(place(), shownAt);

    // The text box takes F and K before the window's shortcuts see them, and
    // so do the canvas and the palette, which type into it.
    QWidget* button = h.w->buttons.value("cmdLine");
    for (auto [to, key, text] : {std::tuple<QWidget*, Qt::Key, const char*>{h.w->txtinsert, Qt::Key_F, "f"},
                                 {h.w->txtinsert, Qt::Key_K, "k"}, {h.w->Picture1, Qt::Key_F, "f"},
                                 {h.w->Picture1, Qt::Key_S, "S"}, {button, Qt::Key_K, "k"}}) {
        QKeyEvent e(QEvent::ShortcutOverride, key, Qt::NoModifier, QString::fromLatin1(text));
        e.ignore();
        QCoreApplication::sendEvent(to, &e);
        EXPECT_TRUE(e.isAccepted()) << qPrintable(to->objectName()) << " " << text;
    }
}

// A script writes the picture as shown into a PDF, exported or printed.
TEST(PdfPage, WrittenByAScript) {
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) GTEST_SKIP() << "no pdftoppm";
    QTemporaryDir dir;
    for (const char* command : {"exportpdf1", "print1"}) {
        SCOPED_TRACE(command);
        Harness h;
        const QString pdf = dir.filePath(QStringLiteral("%1.pdf").arg(command)), png = dir.filePath(command);
        h.run(QStringList{"size 300 200", "menu canvassize1", "menu fill1"} + kFillAt30 +
              QStringList{"file " + pdf, QStringLiteral("menu %1").arg(command)});
        EXPECT_EQ(h.out.filter("message").join('|'), "");
        ASSERT_EQ(QProcess::execute("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, png}), 0);
        const QImage page(png + ".png");
        ASSERT_FALSE(page.isNull());
        const QRect box = contentBounds(page.convertToFormat(QImage::Format_RGB32));
        EXPECT_NEAR(box.width(), 300, 2);
        EXPECT_NEAR(box.height(), 200, 2);
    }
}

// A chart on a photograph: a labelled box, a box chained below it and
// labelled, a line ending on the first box's left side. Each edit of the
// chart gives the picture a session drawing its result would give, and Undo
// and Redo take it back and forth exactly.
TEST(PictureEdits, ChartEditsGiveBackWhatTheyCovered) {
    auto session = [](const QStringList& lines) {
        auto h = std::make_unique<Harness>();
        QImage photo(h->image().size(), QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x) photo.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x ^ y) % 256));
        h->w->canvas.PutImage({0, 0}, photo);
        h->w->doc.history.end();
        h->run(lines);
        return h;
    };
    const QStringList boxA = {"click cmdSquare", "down 1 0 1500 1500", "move 1 0 3600 2400", "up 1 0 3600 2400"};
    const QStringList line = {"click cmdLine", "down 1 0 300 1950", "move 1 0 1500 1950", "up 1 0 1500 1950"};
    const QStringList chain = {"key Alt+Down", "type Check", "key Return"};
    const QStringList overB = {"click cmdSquare", "down 1 0 3000 3450", "up 1 0 4500 4350"};
    auto id = [](Harness& h, int n) { return h.w->doc.figures().figures().at(size_t(n)).id; };
    auto away = [&](int n, QPoint by) {
        return [=](Harness& h) { return h.w->doc.moveFigure(id(h, n), by) && h.w->doc.moveFigure(id(h, n), -by); };
    };
    struct Case {
        const char* name;
        QStringList more;                   // after A labelled "Read", B chained and the line
        std::function<bool(Harness&)> edit;  // false: it did not do what it should
        QStringList same = {};  // what draws the picture the edit leaves
    };
    const Case cases[] = {
        {"the newer box away and back", {}, away(1, {40, 25})},
        {"the newer box away and back twice, its arrow following each time", {},
         [&](Harness& h) { return away(1, {40, 25})(h) && away(1, {-30, 10})(h); }},
        {"the older box, under its connectors' ends, away and back", {}, away(0, {200, 150})},
        {"a box under another away and back", overB, away(1, {-60, 30})},
        {"a box over another away and back", overB, away(2, {-60, -100})},
        {"a box away and back after a turn", {"menu rotateright1"}, away(1, {30, -20})},
        {"a box moved twice: one move", {},
         [&](Harness& h) { return h.w->doc.moveFigure(id(h, 1), {20, 0}) && h.w->doc.moveFigure(id(h, 1), {0, 20}); },
         {}},
        {"an eraser stroke forgets the box it crosses",
         {"click cmdErase", "down 1 0 2000 2700", "move 1 0 2000 3000", "move 1 0 2000 3300", "up 1 0 2000 3300"},
         [&](Harness& h) {
             return h.dumped("figures") == "1" && !h.w->doc.moveFigure(3, {5, 5}) && h.w->doc.moveFigure(1, {5, 5});
         }},
        {"the chained box deleted", {}, [&](Harness& h) { return h.w->doc.removeFigure(id(h, 1)); },
         boxA + QStringList{"type Read", "key Return"} + line},
        // The box over it now covers what the deleted one covered, never its pixels.
        {"a box under another deleted, then the other", overB,
         [&](Harness& h) { return h.w->doc.removeFigure(id(h, 1)) && h.w->doc.removeFigure(id(h, 1)); },
         boxA + QStringList{"type Read", "key Return"} + line},
        {"the first box labelled again", {}, [&](Harness& h) { return h.w->doc.relabel(id(h, 0), "Write") == Label::Stamp::Done; },
         boxA + QStringList{"type Write", "key Return"} + chain + line},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList drawn = boxA + QStringList{"type Read", "key Return"} + chain + line + c.more;
        std::unique_ptr<Harness> h = session(drawn);
        const QImage before = h->image();
        const std::size_t steps = h->w->doc.history.steps();
        ASSERT_TRUE(c.edit(*h));
        const QImage after = h->image();
        if (!c.same.isEmpty()) {
            EXPECT_EQ(after, session(c.same)->image());
        } else if (QString(c.name).contains("away")) {
            EXPECT_EQ(after, before) << "away and back";
        }
        const std::size_t made = h->w->doc.history.steps() - steps;
        for (std::size_t n = 0; n < made; ++n) h->w->doc.undo();
        EXPECT_EQ(h->image(), before) << "undone";
        for (std::size_t n = 0; n < made; ++n) h->w->doc.redo();
        EXPECT_EQ(h->image(), after) << "redone";
    }
    // Thirty labelled figures on the largest picture cost what they painted.
    Harness big;
    big.run({"size 10000 10000", "menu canvassize1"});
    big.run(boxA + QStringList{"type Step", "key Return"});
    for (int n = 1; n < 30; ++n) big.run({"key Alt+Down", "type Step", "key Return"});
    EXPECT_EQ(big.dumped("figures"), "30");
    EXPECT_LT(big.w->doc.chart().bytes(), std::size_t(2) << 20);
    // Each step keeps what changed of the chart, not the whole chart again.
    EXPECT_LT(big.w->doc.history.bytes(), std::size_t(16) << 20);
}
