// Edits of the whole picture or of a part: flood fills, turns, crops and a
// drop whose white lets the picture show, each exact and one undo step; and
// the picture on a PDF or printed page.
#include "core/Document.h"
#include "core/Fill.h"
#include "core/Progress.h"
#include "core/ToolCode.h"
#include "files/PdfExport.h"

#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>

namespace {

int countColor(const QImage& img, QRgb rgb) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
    return n;
}

// A light grey area whose channels wander by up to 6 either way, as an
// opened JPEG's flat areas do.
void noisy(Canvas& c) {
    QImage noise(c.Image().size(), QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x) {
            auto v = [&] { return 200 + int(random.bounded(13)) - 6; };
            noise.setPixel(x, y, qRgb(v(), v(), v()));
        }
    c.PutImage({0, 0}, noise);
}

const QRgb kRed = qRgb(255, 0, 0);
constexpr VbColor kRedVb = 0x0000FF;

}  // namespace

TEST(Fill, PaintsTheConnectedAreaOfThePressedColour) {
    constexpr int kAllWhite = -1, kFew = -2;
    const struct {
        const char* name;
        std::function<void(Canvas&)> draw;  // on a white 60 x 40 picture
        QPoint at;
        int tolerance;
        VbColor ink;
        int changed;  // pixels the fill changes, or kAllWhite, kFew
    } cases[] = {
        {"closed box: inside only", [](Canvas& c) { c.Box(150, 150, 450, 450, 0); }, {20, 20}, 0, kRedVb, 19 * 19},
        {"closed box, pressed outside", [](Canvas& c) { c.Box(150, 150, 450, 450, 0); }, {50, 5}, 0, kRedVb,
         60 * 40 - 21 * 21},
        {"open box leaks out",
         [](Canvas& c) {
             c.Box(150, 150, 450, 450, 0);
             c.Whiten({20, 10, 1, 1});
         },
         {20, 20}, 0, kRedVb, kAllWhite},
        {"a diagonal line holds it", [](Canvas& c) { c.Line(0, 300, 300, 0, 0); }, {2, 2}, 0, kRedVb, 210},
        {"from the edge, up to a line", [](Canvas& c) { c.Line(450, 0, 450, 600, 0); }, {0, 39}, 0, kRedVb, 30 * 40},
        {"noisy area without tolerance: a few pixels", noisy, {30, 20}, 0, kRedVb, kFew},
        {"noisy area with tolerance: all of it", noisy, {30, 20}, 12, kRedVb, 60 * 40},
        {"black over black with tolerance: nothing changes", [](Canvas& c) { c.Line(0, 0, 600, 0, 0); }, {5, 0}, 9, 0,
         0},
        {"the same colour: nothing", [](Canvas&) {}, {5, 5}, 0, 0xFFFFFF, 0},
        {"off the picture: nothing", [](Canvas&) {}, {60, 5}, 0, kRedVb, 0},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        Document doc;
        doc.canvas.Resize({60, 40});
        k.draw(doc.canvas);
        const QImage before = doc.canvas.Image().copy();
        doc.history.begin();
        const size_t stepsBefore = doc.history.steps();
        const QRect bounds = doc.fill(k.at, k.ink, k.tolerance);
        doc.history.end();
        int changed = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x) changed += doc.canvas.Image().pixel(x, y) != before.pixel(x, y);
        if (k.changed == kAllWhite)
            EXPECT_EQ(changed, countColor(before, qRgb(255, 255, 255)));
        else if (k.changed == kFew)
            EXPECT_LT(changed, 60 * 40 / 10);
        else
            EXPECT_EQ(changed, k.changed);
        EXPECT_EQ(doc.history.steps() - stepsBefore, changed > 0 ? 1u : 0u);
        if (changed > 0) {
            doc.undo();
            EXPECT_EQ(doc.canvas.Image(), before) << "one undo takes the fill back";
        }
        EXPECT_EQ(bounds.isEmpty(), changed == 0 && k.ink != 0);  // black over black: painted, unchanged
    }
}

TEST(Fill, TracesItsCallAndAgreesWithTheAreaFound) {
    Canvas c({30, 30});
    QStringList trace;
    c.setTrace([&](const QString& l) { trace << l; });
    c.Box(75, 75, 300, 300, 0);
    c.takeDirty();
    int spans = 0, pixels = 0;
    fillArea(c.Image(), {10, 10}, 0).forEachSpan([&](int, int l, int r) { ++spans, pixels += r - l + 1; });
    EXPECT_EQ(c.FloodFill({10, 10}, kRedVb, 3), QRect(6, 6, 14, 14));
    EXPECT_EQ(spans, 14);
    EXPECT_EQ(pixels, countColor(c.Image(), kRed));
    EXPECT_EQ(c.takeDirty(), QRegion(6, 6, 14, 14));
    EXPECT_EQ(trace.last(), "fill 10 10 255 3");
    EXPECT_EQ(Canvas::toVbColor(c.Image().pixel(10, 10)), kRedVb) << "the colour a picker takes";
}

namespace {

// Pictures written as rows of letters, a colour each.
QRgb letterColour(char c) { return c == '.' ? qRgb(255, 255, 255) : qRgb(c * 3 % 256, c * 7 % 256, c * 11 % 256); }

QImage picture(const std::vector<const char*>& rows) {
    QImage img(int(strlen(rows[0])), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, letterColour(rows[size_t(y)][x]));
    return img;
}

// The letters under the last figure's press and release, or "" for none.
std::string lettersAtLastFigure(const Document& doc) {
    const std::optional<DrawnFigure>& f = doc.figures().last();
    if (!f) return "";
    std::string letters;
    for (const QPointF& p : {f->place(f->drag().p1()), f->place(f->drag().p2())}) {
        const QPoint at(Canvas::toPixels(float(p.x())), Canvas::toPixels(float(p.y())));
        for (char c = 'a'; c <= 'z'; ++c)
            if (doc.canvas.Image().valid(at) && doc.canvas.Image().pixel(at) == letterColour(c)) letters += c;
    }
    return letters;
}

}  // namespace

TEST(PictureEdits, TurnsGiveTheExpectedPixelsAsOneStep) {
    const QImage abc = picture({"abc", "def"});
    const struct {
        Turn turn;
        std::vector<const char*> expected;
        const char* trace;
    } cases[] = {
        {Turn::FlipHorizontal, {"cba", "fed"}, "turn fliph"},
        {Turn::FlipVertical, {"def", "abc"}, "turn flipv"},
        {Turn::RotateRight, {"da", "eb", "fc"}, "turn right"},
        {Turn::RotateLeft, {"cf", "be", "ad"}, "turn left"},
        {Turn::Rotate180, {"fed", "cba"}, "turn 180"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.trace);
        EXPECT_EQ(turned(abc, k.turn), picture(k.expected)) << "a floating part";
        Document doc;
        doc.canvas.Picture(abc, "abc.bmp");
        doc.drawn(Tool::Line, QPointF(0, 0), QPointF(15, 15));  // from a to e
        QStringList trace;
        doc.canvas.setTrace([&](const QString& l) { trace << l; });
        doc.history.begin();
        EXPECT_EQ(doc.turn(k.turn), "");
        EXPECT_TRUE(doc.endStep());
        EXPECT_EQ(lettersAtLastFigure(doc), "ae") << "the last figure turns with the picture";
        EXPECT_EQ(doc.canvas.Image(), picture(k.expected));
        EXPECT_EQ(doc.canvas.ownSize(), picture(k.expected).size());
        EXPECT_EQ(trace, QStringList{k.trace});
        doc.undo();
        EXPECT_EQ(doc.canvas.Image(), abc);
        EXPECT_EQ(lettersAtLastFigure(doc), "ae");
    }
}

TEST(PictureEdits, CropsCutThePictureDown) {
    const QImage drawn = picture({"......", "..a...", "....b.", "......"});
    const struct {
        const char* name;
        std::function<QString(Document&)> crop;
        std::vector<const char*> expected;
        QStringList trace;
        bool refused;
        const char* figure;  // the letters the last figure joins after the crop: "" when it was cut
    } cases[] = {
        {"to content", [](Document& d) { return d.cropToContent().problem; }, {"a..", "..b"}, {"crop 2 1 3 2"}, false,
         "ab"},
        {"to a part", [](Document& d) { return d.crop({1, 1, 2, 3}); }, {".a", "..", ".."}, {"crop 1 1 2 3"}, false,
         ""},
        {"to a part reaching out", [](Document& d) { return d.crop({4, 2, 10, 10}); }, {"b.", ".."}, {"crop 4 2 2 2"},
         false, ""},
        {"to the whole: nothing", [](Document& d) { return d.crop({0, 0, 6, 4}); },
         {"......", "..a...", "....b.", "......"}, {}, false, "ab"},
        {"outside: refused", [](Document& d) { return d.crop({7, 0, 3, 3}); },
         {"......", "..a...", "....b.", "......"}, {}, true, "ab"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        Document doc;
        doc.canvas.Picture(drawn, "drawn.bmp");
        doc.drawn(Tool::Line, QPointF(30, 15), QPointF(60, 30));  // from a to b
        QStringList trace;
        doc.canvas.setTrace([&](const QString& l) { trace << l; });
        doc.history.begin();
        const size_t stepsBefore = doc.history.steps();
        EXPECT_EQ(k.crop(doc).isEmpty(), !k.refused);
        EXPECT_EQ(doc.endStep(), k.trace.size() == 1);
        EXPECT_EQ(lettersAtLastFigure(doc), k.figure);
        EXPECT_EQ(doc.canvas.Image(), picture(k.expected));
        EXPECT_EQ(trace, k.trace);
        EXPECT_EQ(doc.history.steps() - stepsBefore, k.trace.size() == 1 ? 1u : 0u);
    }
    Document blank;
    const Document::CropResult all = blank.cropToContent();
    EXPECT_TRUE(all.allWhite);
    EXPECT_EQ(blank.canvas.Image().size(), Canvas::kDefaultSize);
    EXPECT_FALSE(blank.pictureChanged());
}

// A part dropped with its white clear keeps the line below it; the screen's
// composite of the floating part is the same picture.
TEST(PictureEdits, AClearDropKeepsTheLineBelow) {
    const QImage part = picture({".....", ".aaa.", "....."});
    for (bool clear : {false, true}) {
        Canvas c({8, 5});
        c.Line(0, 30, 120, 30, 0);  // row 2
        QImage shown = c.Image().copy();
        QPainter(&shown).drawImage(2, 1, clear ? whiteMadeClear(part) : part);
        QStringList trace;
        c.setTrace([&](const QString& l) { trace << l; });
        c.PutImage({2, 1}, part, clear);
        EXPECT_EQ(c.Image(), shown);
        EXPECT_EQ(c.Image().pixel(2, 2), clear ? qRgb(0, 0, 0) : qRgb(255, 255, 255)) << clear;
        EXPECT_EQ(c.Image().pixel(3, 2), letterColour('a'));
        EXPECT_EQ(trace, QStringList{clear ? "putimage 2 1 5 3 clear" : "putimage 2 1 5 3"});
    }
}

// Each page is rendered back at 96 dpi: the picture's box sits in the middle
// of the page, at its own size or scaled down, never stretched.
TEST(PdfPage, HoldsThePictureCentredAndUnstretched) {
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) GTEST_SKIP() << "no pdftoppm";
    QTemporaryDir dir;
    const struct {
        const char* name;
        QSize picture;
        bool printer;
        QSize shown;  // on the rendered page
        int reports = 0;  // how far the page has got, told at least this often
    } cases[] = {
        {"fits: its own size", {300, 200}, false, {300, 200}},
        {"tall, fits", {200, 500}, false, {200, 500}},
        {"too wide: scaled down to the margins", {4000, 1000}, false, {1047, 262}},
        {"too tall: scaled down to the margins, told as it is painted", {1000, 8000}, false, {131, 1047}, 2},
        {"printed to a file", {300, 200}, true, {300, 200}},
        {"large, printed to a file, told as it is painted", {3000, 3000}, true, {718, 718}, 2},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        Canvas c(k.picture);
        c.DrawWidth = 2;
        c.Box(15, 15, (k.picture.width() - 1) * 15.0f, (k.picture.height() - 1) * 15.0f, 0);
        const QString pdf = dir.filePath(QStringLiteral("page.pdf")), png = dir.filePath(QStringLiteral("page"));
        std::vector<double> heard;
        const progress::Listener listener([&](double done) { heard.push_back(done); });
        if (k.printer) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                              QPageLayout::Millimeter));
            ASSERT_EQ(paintPictureOnPage(printer, c.Image()), "");
        } else {
            ASSERT_EQ(exportPdf(c.Image(), pdf, "chart"), "");
        }
        EXPECT_GE(int(heard.size()), k.reports);
        EXPECT_TRUE(std::is_sorted(heard.begin(), heard.end()));
        if (k.reports) {
            EXPECT_EQ(heard.back(), 1.0);
        }
        ASSERT_EQ(QProcess::execute("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, png}), 0);
        const QImage page(png + ".png");
        ASSERT_FALSE(page.isNull());
        const QRect box = contentBounds(page.convertToFormat(QImage::Format_RGB32));
        EXPECT_NEAR(box.width(), k.shown.width(), 2) << box.width() << " x " << box.height();
        EXPECT_NEAR(box.height(), k.shown.height(), 2) << box.width() << " x " << box.height();
        EXPECT_NEAR(box.center().x(), page.width() / 2, 2);
        EXPECT_NEAR(box.center().y(), page.height() / 2, 2);
    }
    EXPECT_NE(exportPdf(QImage(10, 10, QImage::Format_RGB32), dir.filePath("no/such/folder.pdf"), "x"), "");
}
