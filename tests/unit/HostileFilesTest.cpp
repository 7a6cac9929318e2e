// Broken copies of good bitmaps, GIFs and JPEGs, opened through Open and
// decoded as pasted data: each either loads into a fully defined picture or
// is refused with the message and changes nothing. None may crash, hang or
// leave undefined pixels.
#include "FilesTestSupport.h"
#include "files/PictureFile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtEndian>
#include <climits>
#include <iostream>
#include <vector>

namespace {

struct Sample {
    QString name;  // with the extension the file is written under
    QByteArray bytes;
};

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    image.save(&buf, format, 90);
    return bytes;
}

QImage gradient(int w, int h, QImage::Format format) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x * 6, y * 8, (x + y) * 3));
    return format == QImage::Format_RGB32 ? img : img.convertToFormat(format);
}

void put16(QByteArray& b, quint16 v) { b.append(char(v & 0xFF)).append(char(v >> 8)); }

// A GIF with a 128-colour table whose pixels are written as 8-bit codes,
// with a clear code before the code table would outgrow 8 bits.
QByteArray gifOf(int w, int h) {
    QByteArray g("GIF89a");
    put16(g, quint16(w)), put16(g, quint16(h));
    g.append(char(0xF6)).append('\0').append('\0');
    for (int i = 0; i < 128; ++i) g.append(char(i * 2)).append(char(255 - i * 2)).append(char(i));
    g.append(',');
    put16(g, 0), put16(g, 0), put16(g, quint16(w)), put16(g, quint16(h));
    g.append('\0').append(char(7));
    QByteArray codes;
    for (int i = 0; i < w * h; ++i) {
        if (i % 126 == 0) codes.append(char(128));
        codes.append(char((i * 7) % 128));
    }
    codes.append(char(129));
    for (int at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        g.append(char(block.size())).append(block);
    }
    return g.append('\0').append(';');
}

// The default picture with a labelled box, the arrow chained from it and
// the next box, saved as PNG with its chart.
QByteArray chartPng() {
    static const QByteArray bytes = [] {
        FilesFolder f;
        Harness h;
        h.run(f.expand({"click cmdSquare", "down 1 0 1500 1500", "move 1 0 3000 2500", "up 1 0 3000 2500",
                        "text txtinsert Go", "return txtinsert", "key Alt+Down", "file %D/chart.png", "menu saveas1"}));
        return f.read("chart.png");
    }();
    return bytes;
}

std::vector<Sample> goodFiles() {
    return {{"chart.png", chartPng()},
            {"rgb.bmp", encoded(gradient(40, 30, QImage::Format_RGB32), "BMP")},
            {"indexed.bmp", encoded(gradient(37, 21, QImage::Format_Indexed8), "BMP")},
            {"mono.bmp", encoded(gradient(33, 17, QImage::Format_Mono), "BMP")},
            {"pic.gif", gifOf(40, 30)},
            {"pic.jpg", encoded(gradient(40, 30, QImage::Format_RGB32), "JPEG")}};
}

struct Field {
    int offset;
    int size;  // 1, 2 or 4 bytes
    bool bigEndian;
    std::vector<qint64> values;
};

// Header fields to set to extremes, by format.
std::vector<Field> extremeFields(const Sample& s) {
    if (s.name.endsWith(".bmp")) {
        const qint64 len = s.bytes.size();
        return {{2, 4, false, {0, 1, len * 1000}},
                {10, 4, false, {0, 13, len, len + 1000, UINT_MAX}},
                {14, 4, false, {0, 12, 39, 41, 64, 108, 124, UINT_MAX}},
                {18, 4, false, {0, -1, -40, INT_MIN, INT_MAX, 65536, 100000}},
                {22, 4, false, {0, -1, -30, INT_MIN, INT_MAX, 100000, -100000}},
                {26, 2, false, {0, 2, 0xFFFF}},
                {28, 2, false, {0, 2, 3, 7, 16, 33, 64, 0xFFFF}},
                {30, 4, false, {1, 2, 3, 4, 5, 6, 99, UINT_MAX}},
                {34, 4, false, {1, UINT_MAX}},
                {46, 4, false, {1, 257, 0x10000, UINT_MAX}}};
    }
    if (s.name.endsWith(".gif")) {
        const int descriptor = 13 + 128 * 3;
        return {{6, 2, false, {0, 1, 0xFFFF}},
                {8, 2, false, {0, 1, 0xFFFF}},
                {10, 1, false, {0x00, 0x80, 0xFF}},
                {descriptor + 1, 2, false, {0xFFFF}},
                {descriptor + 5, 2, false, {0, 1, 0xFFFF}},
                {descriptor + 7, 2, false, {0, 1, 0xFFFF}},
                {descriptor + 9, 1, false, {0x80, 0x87, 0xFF}},
                {descriptor + 10, 1, false, {0, 1, 12, 255}}};
    }
    if (s.name.endsWith(".png")) {
        // The chart's chunk claiming more than the file holds, or nothing.
        const int text = s.bytes.indexOf("zTXt") - 4;
        return {{text, 4, true, {0, 1, 0x4F00009E, 0x7FFFFFFF, 0xFFFFFFFF}}};
    }
    const int sof = s.bytes.indexOf("\xFF\xC0");
    if (sof < 0) return {};
    return {{sof + 5, 2, true, {0, 1, 0xFFFF}},
            {sof + 7, 2, true, {0, 1, 0xFFFF}},
            {sof + 4, 1, true, {0, 1, 7, 255}},
            {sof + 9, 1, true, {0, 2, 255}}};
}

QByteArray withField(QByteArray b, const Field& f, qint64 value) {
    for (int i = 0; i < f.size; ++i) {
        const int shift = 8 * (f.bigEndian ? f.size - 1 - i : i);
        b[f.offset + i] = char((quint64(value) >> shift) & 0xFF);
    }
    return b;
}

// Truncations at every length of the headers and at lengths spread over
// the rest, random byte flips in the header and in the body, and extremes.
std::vector<Sample> corpus() {
    std::vector<Sample> out;
    QRandomGenerator rng(20261207);
    for (const Sample& good : goodFiles()) {
        const QString ext = good.name.mid(good.name.lastIndexOf('.'));
        auto add = [&](const QString& what, const QByteArray& bytes) {
            out.push_back({QStringLiteral("%1-%2-%3%4").arg(out.size(), 4, 10, QChar('0')).arg(good.name.chopped(4), what, ext),
                           bytes});
        };
        const int n = good.bytes.size();
        for (int len = 0; len < std::min(n, 100); ++len) add(QStringLiteral("cut%1").arg(len), good.bytes.left(len));
        for (int k = 1; k <= 30; ++k) add(QStringLiteral("cut%1").arg(n * k / 31), good.bytes.left(n * k / 31));
        add("cut-last", good.bytes.chopped(1));
        for (int k = 0; k < 60; ++k) {
            QByteArray b = good.bytes;
            const int region = k < 30 ? std::min(n, 64) : n;  // header, then anywhere
            for (int flips = 1 + k % 3; flips > 0; --flips) b[int(rng.bounded(region))] = char(rng.bounded(256));
            add(QStringLiteral("flip%1").arg(k), b);
        }
        for (const Field& f : extremeFields(good))
            for (qint64 v : f.values) add(QStringLiteral("at%1-%2").arg(f.offset).arg(v), withField(good.bytes, f, v));
    }
    return out;
}

}  // namespace

TEST(HostileFiles, EachOpensWholeOrIsRefusedWithNothingChanged) {
    FilesFolder f;
    QDir(f.dir.path()).mkdir("folder.bmp");
    std::vector<Sample> files = corpus();
    files.push_back({"folder.bmp", {}});
    // Long and thin: within the picture cap, and just past it.
    files.push_back({"wide-1m.bmp", monoBitmap(1'000'000, 10)});
    files.push_back({"wide-past-cap.bmp", monoBitmap(10'000'001, 10)});
    files.push_back({"tall-past-cap.bmp", monoBitmap(10, 10'000'001)});
    int opened = 0, refused = 0;
    Harness h;
    for (const Sample& s : files) {
        SCOPED_TRACE(qPrintable(s.name));
        const QString path = f.path(s.name);
        if (s.name != QLatin1String("folder.bmp")) f.write(s.name, s.bytes);
        const QStringList before = h.w->dump();
        const QImage image = h.image().copy();
        h.out.clear();
        h.trace.clear();
        QElapsedTimer clock;
        clock.start();
        h.run({"file " + path, "menu open1"});
        EXPECT_LT(clock.elapsed(), 10000) << "opening took too long";
        // The same bytes pasted or dropped are taken or refused alike.
        const QByteArray format = s.name.mid(s.name.lastIndexOf('.') + 1).toLatin1();
        const LoadedPicture pasted = decodePicture(s.bytes, format, QStringLiteral("%1"));
        ASSERT_GE(h.out.size(), 1);
        EXPECT_EQ(h.out.first(), "dialog open");
        if (h.out.size() > 1) {
            ++refused;
            EXPECT_EQ(h.out.size(), 2);
            EXPECT_TRUE(h.out[1].startsWith(QStringLiteral("message Tavimbre|The file \"%1\" could not be opened: ").arg(path)))
                << qPrintable(h.out[1]);
            EXPECT_EQ(h.w->dump(), before);
            EXPECT_EQ(h.image(), image);
            EXPECT_TRUE(h.trace.isEmpty());
            EXPECT_TRUE(pasted.image.isNull());
            EXPECT_FALSE(pasted.error.isEmpty());
            continue;
        }
        ++opened;
        EXPECT_EQ(h.dumped("filePath"), path);
        EXPECT_EQ(h.dumped("canvasClean"), "true");
        // Pixels left undefined would differ between two reads of one file.
        const LoadedPicture first = loadPicture(path), second = loadPicture(path);
        ASSERT_FALSE(first.image.isNull());
        EXPECT_EQ(first.image, second.image);
        EXPECT_LE(qint64(first.image.width()) * first.image.height(), kMaxPicturePixels);
        const QImage shown = first.image.convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(h.image().copy(QRect(QPoint(), shown.size())).convertToFormat(QImage::Format_RGB32), shown);
        EXPECT_EQ(pasted.image, shown);
    }
    std::cout << "hostile files: " << files.size() << " tried, " << opened << " opened, " << refused << " refused\n";
    EXPECT_GT(opened, 0);
    EXPECT_GT(refused, files.size() / 4);
}

// A PNG's chart comes back only when its text parses whole and fits the
// very pixels it was drawn on; otherwise the picture opens plain, and the
// status bar says why.
TEST(HostileFiles, ChartsThatDoNotFitTheirPictureOpenPlain) {
    QImage picture;
    ASSERT_TRUE(picture.loadFromData(chartPng(), "PNG"));
    const QStringList words = picture.text(QLatin1String(ChartText::kKey)).split(' ');
    // The label's text, then its font and its pixels' spans: the first, its
    // row; its owner some words before.
    const qsizetype label = words.indexOf("Go");
    ASSERT_GT(label, 30);
    auto with = [&](qsizetype at, const QString& word) {
        QStringList w = words;
        w[at] = word;
        return w.join(' ');
    };
    const QString whole = words.join(' ');
    const QString mismatch = "The chart in this file no longer matches its picture; it opens as a plain picture.";
    const QString damaged = "The chart in this file is damaged; it opens as a plain picture.";
    const struct {
        const char* name;
        QString text;
        bool pixelChanged;
        const char* found;
    } cases[] = {
        {"as written", whole, false, "yes"},
        {"one pixel changed elsewhere", whole, true, "mismatch"},
        {"another size", with(2, "743"), false, "mismatch"},
        {"an unknown version", with(1, "2"), false, "damaged"},
        {"cut in half", words.mid(0, words.size() / 2).join(' '), false, "damaged"},
        {"cut by a word", words.mid(0, words.size() - 1).join(' '), false, "damaged"},
        {"a word more", whole + " 0", false, "damaged"},
        {"a word that is not a number", with(5, "x"), false, "damaged"},
        {"a huge count of figures", with(7, "4000000000"), false, "damaged"},
        {"a figure off the picture", with(10, "20000"), false, "damaged"},
        {"a figure far off", with(10, "1e300"), false, "damaged"},
        {"a figure of no tool", with(9, "3"), false, "damaged"},
        {"a huge count of spans", with(label + 2, "1000000000000"), false, "damaged"},
        {"a span below the picture", with(label + 3, "689"), false, "damaged"},
        {"a span past the right edge", with(label + 4, "742"), false, "damaged"},
        {"a label of no figure", with(label - 23, "77"), false, "damaged"},
        {"a label's font that does not parse", with(label + 1, "%"), false, "damaged"},
    };
    FilesFolder f;
    Harness h;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
        if (c.pixelChanged) pixels.setPixel(700, 600, qRgb(1, 2, 3));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        writer.setText(QLatin1String(ChartText::kKey), c.text);
        ASSERT_TRUE(writer.write(pixels));
        f.write("c.png", bytes);
        h.run({"menu new1", "file " + f.path("c.png"), "menu open1"});
        EXPECT_EQ(h.dumped("chartInFile"), c.found);
        const bool yes = QLatin1String(c.found) == QLatin1String("yes");
        EXPECT_EQ(h.dumped("figures"), yes ? "2" : "0");
        EXPECT_EQ(h.dumped("status"), yes ? h.dumped("status") : c.found == QLatin1String("mismatch") ? mismatch : damaged);
        EXPECT_EQ(h.image(), pixels);
    }
}

// Palettes shorter than the pixels' indices reach: what the canvas shows
// must not depend on memory past the end of the colour table.
TEST(HostileFiles, ShortPalettesShowTheMissingColoursAsBlack) {
    const struct {
        const char* name;
        QImage::Format format;
        quint32 colorsUsed;
    } cases[] = {{"indexed, one colour", QImage::Format_Indexed8, 1},
                 {"indexed, two colours", QImage::Format_Indexed8, 2},
                 {"indexed, 200 colours", QImage::Format_Indexed8, 200},
                 {"mono, one colour", QImage::Format_Mono, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage good = gradient(37, 21, c.format);
        QByteArray bytes = encoded(good, "BMP");
        qToLittleEndian(c.colorsUsed, bytes.data() + 46);
        FilesFolder f;
        f.write("short.bmp", bytes);
        const LoadedPicture picture = loadPicture(f.path("short.bmp"));
        ASSERT_FALSE(picture.image.isNull()) << qPrintable(picture.error);
        for (int y = 0; y < good.height(); ++y)
            for (int x = 0; x < good.width(); ++x) {
                const int index = picture.image.pixelIndex(x, y);
                ASSERT_LT(index, picture.image.colorCount());
                EXPECT_EQ(picture.image.pixel(x, y), index < int(c.colorsUsed) ? good.color(index) : qRgb(0, 0, 0));
            }
        Harness h;
        h.run({"file " + f.path("short.bmp"), "menu open1"});
        EXPECT_EQ(h.image().copy(good.rect()), picture.image.convertToFormat(QImage::Format_RGB32));
    }
}
