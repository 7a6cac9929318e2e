// Selecting a part of the picture: moving, cutting, pasting and deleting it
// give exact pixels and whole undo steps, and its outline never reaches the picture.
#include "Harness.h"
#include "app/canvas/CanvasView.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QTemporaryDir>
#include <functional>

namespace {

// A box from 100,100 to 200,200, then Select on.
const QStringList kBoxSelected{"click cmdSquare", "down 1 0 1500 1500", "move 1 0 3000 3000", "up 1 0 3000 3000",
                               "key S"};
const QRect kAround(80, 80, 140, 140);  // marked by the drag below
const QStringList kMarkAround{"down 1 0 1200 1200", "move 1 0 3300 3300", "up 1 0 3300 3300"};
const QStringList kMoveBy200{"down 1 0 1500 1500", "move 1 0 4500 4500", "up 1 0 4500 4500"};

QImage whitened(QImage img, const QRect& r) {
    QPainter(&img).fillRect(r, Qt::white);
    return img;
}

QImage moved(const QImage& img, const QRect& r, QPoint by) {
    QImage out = whitened(img, r);
    QPainter(&out).drawImage(r.topLeft() + by, img.copy(r));
    return out;
}

}  // namespace

TEST(Selection, GesturesGiveExactPixelsAndWholeSteps) {
    struct Case {
        const char* name;
        QStringList commands;
        std::function<QImage(const QImage& box)> expected;
        const char* selection;
        bool floating;
    } cases[] = {
        {"marked, nothing changes", kMarkAround, [](const QImage& b) { return b; }, "80,80,140,140", false},
        {"marked past the picture's edge, clipped",
         {"down 1 0 10950 10200", "move 1 0 20000 -500", "up 1 0 20000 -500"},
         [](const QImage& b) { return b; }, "730,0,12,680", false},
        {"moved, the picture unchanged while it floats", kMarkAround + kMoveBy200,
         [](const QImage& b) { return b; }, "280,280,140,140", true},
        {"moved and dropped: the block moved, white behind", kMarkAround + kMoveBy200 + QStringList{"key Esc"},
         [](const QImage& b) { return moved(b, kAround, {200, 200}); }, "", false},
        {"a press outside drops it", kMarkAround + kMoveBy200 + QStringList{"down 1 0 150 150", "up 1 0 150 150"},
         [](const QImage& b) { return moved(b, kAround, {200, 200}); }, "", false},
        {"a tool drops it", kMarkAround + kMoveBy200 + QStringList{"click cmdLine"},
         [](const QImage& b) { return moved(b, kAround, {200, 200}); }, "", false},
        {"undo takes back the lift, the moves and the drop at once",
         kMarkAround + kMoveBy200 + QStringList{"key Esc", "menu undo1"}, [](const QImage& b) { return b; }, "", false},
        {"undo while it floats", kMarkAround + kMoveBy200 + QStringList{"menu undo1"},
         [](const QImage& b) { return b; }, "", false},
        {"deleted: exactly the rectangle white", kMarkAround + QStringList{"key Del"},
         [](const QImage& b) { return whitened(b, kAround); }, "", false},
        {"deleted after a move: only the hole white", kMarkAround + kMoveBy200 + QStringList{"key Del"},
         [](const QImage& b) { return whitened(b, kAround); }, "", false},
        {"cut, pasted and dropped where it was",
         {"down 1 0 0 0", "up 1 0 3300 3300", "key Ctrl+X", "key Ctrl+V", "key Esc"},
         [](const QImage& b) { return b; }, "", false},
        {"selected all and moved off the edge",
         {"key Ctrl+A", "down 1 0 1500 1500", "move 1 0 1650 1500", "up 1 0 1650 1500", "key S"},
         [](const QImage& b) { return moved(b, b.rect(), {10, 0}); }, "", false},
        {"survives the zoom", kMarkAround + QStringList{"menu zoomin1", "menu zoomin1", "menu zoom100"},
         [](const QImage& b) { return b; }, "80,80,140,140", false},
    };
    for (const Case& c : cases) {
        Harness h;
        h.run(kBoxSelected);
        const QImage box = h.image().copy();
        h.run(c.commands);
        EXPECT_EQ(h.image(), c.expected(box)) << c.name;
        EXPECT_EQ(h.dumped("selection"), QLatin1String(c.selection)) << c.name;
        EXPECT_EQ(h.dumped("floating"), QLatin1String(c.floating ? "true" : "false")) << c.name;
    }
}

TEST(Selection, MovingCountsAsAChangeAndMarkingDoesNot) {
    Harness h;
    h.run("key S");
    h.run(kMarkAround);
    EXPECT_EQ(h.dumped("toolsClean"), "true");
    h.run(kMoveBy200 + QStringList{"key Esc"});
    EXPECT_EQ(h.dumped("toolsClean"), "false");
    EXPECT_EQ(h.dumped("canvasClean"), "false");
}

TEST(Selection, APasteLargerThanThePictureAsksToEnlargeIt) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("big.png"));
    QImage big(900, 50, QImage::Format_RGB32);
    big.fill(Qt::red);
    ASSERT_TRUE(big.save(file));
    struct Case {
        const char* answer;
        const char* width;
    } cases[] = {{"answer 6", "900"}, {"answer 7", "742"}};
    for (const Case& c : cases) {
        Harness h;
        h.run({"clip load " + file, c.answer, "menu paste1", "key Esc"});
        EXPECT_EQ(h.dumped("pictureWidth"), QLatin1String(c.width)) << c.answer;
        EXPECT_EQ(h.image().pixel(0, 0), qRgb(255, 0, 0)) << c.answer;
        EXPECT_EQ(h.image().pixel(0, 50), qRgb(255, 255, 255)) << c.answer;
        h.run("clip save " + dir.filePath(QStringLiteral("back.png")));
        EXPECT_EQ(QImage(dir.filePath(QStringLiteral("back.png"))).convertToFormat(QImage::Format_RGB32), big);
    }
}

// The outline shows in the view, at its place at every zoom, and nowhere
// in the picture or what is copied of it.
TEST(Selection, TheOutlineIsNeverInThePictureOrTheCopy) {
    for (const char* zoom : {"menu zoom100", "menu zoomin1", "menu zoomout1"}) {
        Harness h;
        QImage white(h.image().size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        h.run({zoom, "key S"});
        h.run(kMarkAround + QStringList{"menu copy1"});
        EXPECT_EQ(h.w->menuItems.value("copy1")->text(), "Copy") << zoom;
        EXPECT_EQ(h.image(), white) << zoom;
        EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), white.copy(kAround))
            << zoom;
        const QImage shown = h.w->Picture1->grab().toImage();
        const int left = h.w->Picture1->toWidget(kAround.left());
        int dark = 0;
        for (int y = h.w->Picture1->toWidget(kAround.top()); y < h.w->Picture1->toWidget(kAround.bottom()); ++y)
            dark += qGray(shown.pixel(left, y)) < 128;
        EXPECT_GT(dark, 5) << zoom;
    }
}
