// Reading and writing picture files: damaged and hostile files are refused
// with a message and change nothing; failed writes leave the old file as it
// was; what is written is in the format its name asks for (a whole 24-bit
// bitmap unless PNG or JPEG) and reads back the same.
#include "FilesTestSupport.h"
#include "app/canvas/CanvasView.h"
#include "core/Progress.h"
#include "core/ToolCode.h"
#include "files/BitmapHeader.h"

#include <QBuffer>
#include <QDropEvent>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <limits>
#include <sys/stat.h>
#include <vector>

namespace {

QByteArray bitmapOf(const QImage& img) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "BMP");
    return bytes;
}

// Files named by bytes that are not UTF-8, which QFile cannot name.
QByteArray readBytes(const QByteArray& path) {
    QByteArray bytes;
    if (FILE* file = std::fopen(path.constData(), "rb")) {
        char chunk[4096];
        for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) bytes.append(chunk, qsizetype(n));
        std::fclose(file);
    }
    return bytes;
}
bool writeBytes(const QByteArray& path, const QByteArray& bytes) {
    FILE* file = std::fopen(path.constData(), "wb");
    if (!file) return false;
    const bool whole = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file) == size_t(bytes.size());
    return std::fclose(file) == 0 && whole;
}
QList<QByteArray> namesIn(const QByteArray& folder) {
    QList<QByteArray> names;
    if (DIR* dir = ::opendir(folder.constData())) {
        while (const dirent* entry = ::readdir(dir))
            if (entry->d_name[0] != '.' || (qstrcmp(entry->d_name, ".") && qstrcmp(entry->d_name, "..")))
                names << entry->d_name;
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A 54-byte bitmap header with the given fields and no pixels.
QByteArray bitmapHeader(qint32 width, qint32 height, quint16 bits, quint32 compression = 0, quint32 imageSize = 0,
                        quint32 infoSize = 40) {
    QByteArray h(54, '\0');
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, h.data() + at); };
    h[0] = 'B';
    h[1] = 'M';
    put32(10, 54);
    put32(14, infoSize);
    put32(18, quint32(width));
    put32(22, quint32(height));
    qToLittleEndian(quint16(1), h.data() + 26);
    qToLittleEndian(bits, h.data() + 28);
    put32(30, compression);
    put32(34, imageSize);
    return h;
}

// A bitmap with the small OS/2 header (16-bit fields, 3-byte palette
// entries) and the given bytes after it.
QByteArray coreBitmap(quint16 width, quint16 height, quint16 bits, const QByteArray& rest) {
    QByteArray h(26, '\0');
    h[0] = 'B', h[1] = 'M';
    qToLittleEndian(quint32(h.size() + rest.size()), h.data() + 2);
    qToLittleEndian(quint32(26), h.data() + 10);
    qToLittleEndian(quint32(12), h.data() + 14);
    qToLittleEndian(width, h.data() + 18);
    qToLittleEndian(height, h.data() + 20);
    qToLittleEndian(quint16(1), h.data() + 22);
    qToLittleEndian(bits, h.data() + 24);
    return h + rest;
}

// An 8-bit run-length bitmap of grey levels whose data is DATA.
QByteArray rle8Bitmap(qint32 width, qint32 height, const QByteArray& data) {
    QByteArray b = bitmapHeader(width, height, 8, 1, quint32(data.size()));
    for (int i = 0; i < 256; ++i) b.append(char(i)).append(char(i)).append(char(i)).append('\0');
    qToLittleEndian(quint32(b.size()), b.data() + 10);
    return b + data;
}

QByteArray hugeGif() {
    QByteArray g("GIF89a");
    auto put16 = [&](quint16 v) { g.append(char(v & 0xFF)).append(char(v >> 8)); };
    put16(60000), put16(60000), g.append(QByteArray(3, '\0'));
    g.append(',');
    put16(0), put16(0), put16(60000), put16(60000), g.append('\0');
    return g.append("\x08\x00;", 3);
}

// A canvas with a picture opened and scribbled on, but counting as unchanged.
QStringList openedAndTouched(const FilesFolder& f) {
    return f.expand({"file %D/old.bmp", "menu open1", "down 1 0 300 300", "up 1 0 300 300"});
}

}  // namespace

TEST(BitmapHeader, LengthClaimedMatchesWhatQtWrites) {
    for (QImage::Format format : {QImage::Format_Mono, QImage::Format_Indexed8, QImage::Format_RGB32}) {
        for (int width = 1; width <= 9; ++width) {
            QImage img(width, 3, format);
            img.fill(0);
            const QByteArray bytes = bitmapOf(img);
            EXPECT_EQ(bitmapLengthClaimed(bytes), bytes.size()) << format << " width " << width;
            EXPECT_FALSE(bitmapIsTruncated(bytes, bytes.size()));
            EXPECT_TRUE(bitmapIsTruncated(bytes, bytes.size() - 1));
        }
    }
}

TEST(BitmapHeader, HeadersOfOtherKinds) {
    const struct {
        const char* name;
        QByteArray headers;
        qint64 claimed;
    } cases[] = {
        {"top-down rows", bitmapHeader(10, -4, 24), 54 + 32 * 4},
        {"bit fields", bitmapHeader(3, 2, 16, 3), 54 + 8 * 2},
        {"run-length, size given", bitmapHeader(100, 100, 8, 1, 500), 554},
        {"run-length, size unknown: a run and a row's end a row", bitmapHeader(100, 100, 8, 1, 0), 54 + 4 * 100 - 2},
        {"run-length, rows longer than a run", bitmapHeader(600, 2, 4, 2, 0), 54 + 8 * 2 - 2},
        {"run-length, filled with the fewest bytes", rle8Bitmap(300, 2, QByteArray("\xFF\7\x2D\7\0\0\xFF\7\x2D\7", 10)),
         1078 + 10},
        {"OS/2 header", coreBitmap(10, 10, 24, {}), 26 + 32 * 10},
        {"OS/2 header, top-down", coreBitmap(10, quint16(-10), 1, {}), 26 + 4 * 10},
        {"a header size Qt reads as OS/2's", bitmapHeader(10, 10, 24, 0, 0, 52), 0},
        {"JPEG inside", bitmapHeader(10, 10, 24, 4, 900), 0},
        {"zero width", bitmapHeader(0, 10, 24), 0},
        {"largest extent", bitmapHeader(0x7FFFFFFF, -0x7FFFFFFF - 1, 32), std::numeric_limits<qint64>::max()},
        {"cut short", bitmapHeader(10, 10, 24).left(40), 0},
        {"not a bitmap", QByteArray(54, 'x'), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(bitmapLengthClaimed(c.headers), c.claimed) << c.name;
}

TEST(PictureFile, FilesThatCannotBeOpenedChangeNothing) {
    const struct {
        const char* name;
        QString file;
        QByteArray bytes;  // written unless the file is special
        QString reason;
    } cases[] = {
        {"text", "a.txt", "hello\n", "It is not a picture this program can read (Unsupported image format)"},
        {"empty", "e.bmp", "", "The file is empty"},
        {"truncated bitmap", "t.bmp", bitmapOf(QImage(300, 200, QImage::Format_RGB32)).left(90000),
         "The bitmap is truncated: the file ends before its pixels do"},
        {"headers only", "h.bmp", bitmapHeader(300, 200, 24),
         "The bitmap is truncated: the file ends before its pixels do"},
        {"20000 x 10000 bitmap header", "big.bmp", bitmapHeader(20000, 10000, 24),
         "The picture claims 20000 x 10000 pixels, more than the 100 megapixels this program opens"},
        {"OS/2 header claiming 10000 x 10000", "os2.bmp", coreBitmap(10000, 10000, 24, QByteArray(16, '\0')),
         "The bitmap is truncated: the file ends before its pixels do"},
        {"run-length data that cannot fill 9999 x 9999", "rle.bmp", rle8Bitmap(9999, 9999, QByteArray("\0\1", 2)),
         "The bitmap is truncated: the file ends before its pixels do"},
        {"60000 x 60000 bitmap header, which Qt's reader gives no size", "huge.bmp", bitmapHeader(60000, 60000, 24),
         "The picture claims 60000 x 60000 pixels, more than the 100 megapixels this program opens"},
        {"60000 x 60000 GIF header", "huge.gif", hugeGif(),
         "The picture claims 60000 x 60000 pixels, more than the 100 megapixels this program opens"},
        {"folder", "sub", {}, "It is a folder, not a file"},
        {"named pipe, which no one writes", "pipe.bmp", {}, "It is not a regular file"},
        {"missing", "gone.bmp", {}, "No such file or directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FilesFolder f;
        if (c.file == QLatin1String("sub"))
            QDir(f.dir.path()).mkdir("sub");
        else if (c.file == QLatin1String("pipe.bmp"))
            ASSERT_EQ(mkfifo(QFile::encodeName(f.path(c.file)).constData(), 0600), 0);
        else if (c.file != QLatin1String("gone.bmp"))
            f.write(c.file, c.bytes);
        Harness h;
        h.run(openedAndTouched(f));
        const QStringList before = h.w->dump();
        const QImage image = h.image().copy();
        h.out.clear();
        h.trace.clear();
        h.run({"file " + f.path(c.file), "menu open1"});
        EXPECT_EQ(h.out, QStringList({"dialog open", QStringLiteral("message Tavimbre|The file \"%1\" could not be "
                                                                    "opened: %2").arg(f.path(c.file), c.reason)}));
        EXPECT_EQ(h.w->dump(), before);
        EXPECT_EQ(h.image(), image);
        EXPECT_TRUE(h.trace.isEmpty());
    }
}

TEST(PictureFile, FailedWritesLeaveFileAndFlagsAlone) {
    const struct {
        const char* name;
        QStringList script;  // run after a square was drawn on old.bmp opened
        QString target;
        QString reason;
    } cases[] = {
        {"Save As into a missing folder", {"file %D/missing/x.bmp", "menu saveas1"}, "%D/missing/x.bmp",
         "No such file or directory"},
        {"Save As onto a folder", {"file %D/sub", "menu saveas1"}, "%D/sub", "Filename refers to a directory"},
        {"Save of a picture whose file became a folder", {"menu save1"}, "%D/old.bmp",
         "Filename refers to a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FilesFolder f;
        QDir(f.dir.path()).mkdir("sub");
        Harness h;
        h.run(f.expand({"file %D/old.bmp", "menu open1", "draw"}));
        if (c.target.endsWith("old.bmp")) {
            QFile::remove(f.path("old.bmp"));
            QDir(f.dir.path()).mkdir("old.bmp");
        }
        const QStringList names = f.names();
        const QStringList before = h.w->dump();
        h.out.clear();
        h.run(f.expand(c.script));
        EXPECT_EQ(h.out.last(), f.expand({"message Tavimbre|The picture could not be saved to \"" + c.target +
                                          "\": " + c.reason}).first());
        EXPECT_EQ(h.w->dump(), before);
        EXPECT_EQ(f.names(), names);
    }
}

// The program itself, in a process whose files may not grow past 300 KiB.
TEST(PictureFile, WriteBeyondTheFileSizeLimitFailsCleanly) {
    FilesFolder f;
    const QByteArray old = f.read("old.bmp");
    f.write("script", f.expand({"file %D/old.bmp", "menu open1", "size 742 689", "menu canvassize1", "draw",
                                "menu save1", "dump"})
                          .join('\n')
                          .toUtf8());
    QProcess p;
    p.start("bash", {"-c", "ulimit -f 300 && exec \"$0\" --script \"$1\"", TAVIMBRE_EXE, f.path("script")});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QStringList out = QString::fromUtf8(p.readAllStandardOutput()).split('\n');
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(out.contains(
        QStringLiteral("message Tavimbre|The picture could not be saved to \"%1\": File too large").arg(f.path("old.bmp"))));
    EXPECT_TRUE(out.contains("canvasClean=false"));
    EXPECT_EQ(f.read("old.bmp"), old);
    EXPECT_EQ(f.names(), QStringList({"note.txt", "old.bmp", "script"}));
}

TEST(PictureFile, RoundTripWritesTheNamedFormatThatReadsBackEqual) {
    const struct {
        QString name;
        QByteArray magic;
        int tolerance;  // the largest change of a colour channel read back
    } cases[] = {
        {"pic.png", "\x89PNG", 0},       {"pic.PNG", "\x89PNG", 0},   {"pic.jpg", "\xFF\xD8\xFF", 16},
        {"pic.jpeg", "\xFF\xD8\xFF", 16}, {"pic.JPG", "\xFF\xD8\xFF", 16}, {"pic.bmp", "BM", 0},
        {"pic.gif", "BM", 0},            {"pic", "BM", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        FilesFolder f;
        Harness h;
        // A labelled chain: two boxes and the arrow between them.
        h.run(f.expand({"draw", "text txtinsert Check stock", "return txtinsert", "key Alt+Down"}));
        auto listing = [&] {
            h.out.clear();
            h.run("chart");
            return h.out;
        };
        const QStringList chart = listing();
        ASSERT_EQ(chart.size(), 3);
        const QString last = h.dumped("lastFigure");
        // A move of the first box, as it is before the save.
        const int first = h.w->doc.figures().figures().front().id;
        h.w->doc.beginStep();
        ASSERT_TRUE(h.w->doc.moveFigure(first, QPoint(7, 3)));
        h.w->doc.endStep();
        const QImage moved = h.image().copy();
        h.run("menu undo1");
        // How far the work has got, as the window shows it: a bitmap's share
        // written; of a compressed file only that it goes on.
        std::vector<double> heard;
        const progress::Listener listener([&](double done) { heard.push_back(done); });
        h.run(f.expand({"file %D/" + c.name, "menu saveas1"}));
        // Only a PNG keeps the chart; in every format it stays in the window.
        EXPECT_EQ(listing(), chart);
        ASSERT_FALSE(heard.empty());
        EXPECT_TRUE(c.magic == "BM" ? heard.back() == 1.0 : heard.back() < 0) << heard.back();
        const QImage drawn = h.image().copy();
        const QByteArray bytes = f.read(c.name);
        ASSERT_TRUE(bytes.startsWith(c.magic));
        heard.clear();
        h.run(f.expand({"file %D/" + c.name, "menu open1"}));
        ASSERT_FALSE(heard.empty());
        EXPECT_LE(*std::max_element(heard.begin(), heard.end()), 1.0);
        const QImage back = h.image().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(back.size(), drawn.size());
        int worst = 0;
        for (int y = 0; y < back.height(); ++y)
            for (int x = 0; x < back.width(); ++x) {
                const QRgb a = drawn.pixel(x, y), b = back.pixel(x, y);
                worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                  std::abs(qBlue(a) - qBlue(b))});
            }
        EXPECT_LE(worst, c.tolerance);
        const bool png = c.magic == "\x89PNG";
        EXPECT_EQ(h.dumped("chartInFile"), png ? "yes" : "no");
        EXPECT_EQ(listing(), png ? chart : QStringList());
        EXPECT_EQ(h.dumped("lastFigure"), png ? last : "");
        if (png) {
            h.w->doc.beginStep();
            ASSERT_TRUE(h.w->doc.moveFigure(first, QPoint(7, 3)));
            h.w->doc.endStep();
            EXPECT_EQ(h.image(), moved);
        }
        if (c.magic != "BM") continue;

        EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24);
        EXPECT_EQ(bitmapLengthClaimed(bytes), bytes.size());
        if (!QStandardPaths::findExecutable("identify").isEmpty()) {
            QProcess id;
            id.start("identify", {"-format", "%w %h %z %[channels]", "bmp:" + f.path(c.name)});
            ASSERT_TRUE(id.waitForFinished());
            EXPECT_EQ(id.readAllStandardOutput(), "742 689 8 srgb");
        }
        if (!QStandardPaths::findExecutable("python3").isEmpty()) {
            QProcess py;
            py.start("python3", {"-c", "import struct,sys; d=open(sys.argv[1],'rb').read(30); "
                                       "print(*struct.unpack('<iiHH', d[18:30]))", f.path(c.name)});
            ASSERT_TRUE(py.waitForFinished());
            EXPECT_EQ(py.readAllStandardOutput().trimmed(), "742 689 1 24");
        }
    }
}

// A chart whose text is longer than readers take back is left out of the
// PNG, and the status bar says so; one of the longest length is kept whole.
TEST(PictureFile, AChartTooLongForReadersIsLeftOutOfThePng) {
    const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
    QImage picture(1000, 500, QImage::Format_RGB32);
    picture.fill(white);
    // A box, its label, and plain pixels of colours that no run shortens;
    // the label's length sets the text's to the byte.
    auto chartOf = [&](int labelLength) {
        Chart c;
        const int box = c.memory().drawn(Tool::Process, {0, 0}, {150, 150}, picture.size());
        c.addFigure(box, PixelRecord::from({{0, 0, white, white}}));
        c.addLabel(box, QString(labelLength, 'a'), QFont(), 0, PixelRecord::from({{1, 0, white, white}}));
        std::vector<PixelRecord::Dab> noise;
        for (int i = 0; i < 416'000; ++i) noise.push_back({i % 1000, 1 + i / 1000, i % 2 ? black : white, i % 2 ? white : black});
        c.addPlain(PixelRecord::from(std::move(noise)));
        return c;
    };
    const qsizetype shortest = ChartText::write(chartOf(1), picture).size();
    ASSERT_LT(shortest, ChartText::kMaxBytes);
    const int longest = int(ChartText::kMaxBytes - shortest) + 1;
    const QString tooLarge = "The chart is too large to keep in the file: the picture was saved without it.";
    for (const int length : {longest, longest + 1}) {
        SCOPED_TRACE(length);
        const Chart chart = chartOf(length);
        ASSERT_EQ(ChartText::write(chart, picture).size(), ChartText::kMaxBytes + (length - longest));
        const bool kept = length == longest;
        FilesFolder f;
        Harness h;
        h.w->doc.replacePicture(picture, "white", {});
        h.w->doc.history.changeChart([&](Chart& c) { c = chart; });
        h.run(f.expand({"file %D/big.png", "menu saveas1"}));
        EXPECT_EQ(h.dumped("status") == tooLarge, !kept);
        EXPECT_EQ(h.dumped("labels"), "1");  // the window keeps it either way
        h.run(f.expand({"menu new1", "file %D/big.png", "menu open1"}));
        EXPECT_EQ(h.dumped("chartInFile"), kept ? "yes" : "no");
        EXPECT_EQ(h.w->doc.chart().labelOf(h.w->doc.figures().figures().empty() ? 0 : h.w->doc.figures().figures()[0].id).size(),
                  kept ? length : 0);
        EXPECT_EQ(h.image(), picture);
    }
}

// The canvas takes the picture's size exactly, and keeps it through Clear;
// New returns it to the default size.
TEST(PictureFile, PicturesKeepTheirSizeAndSitAtTheTopLeft) {
    for (const QSize picture : {QSize(3000, 2000), QSize(100, 50), QSize(1000, 300), QSize(500, 400)}) {
        FilesFolder f;
        QImage pic(picture, QImage::Format_RGB32);
        pic.fill(QColor(10, 120, 200));
        pic.setPixel(picture.width() - 1, picture.height() - 1, qRgb(255, 0, 0));
        pic.save(f.path("pic.bmp"), "BMP");
        Harness h;
        h.run(f.expand({"file %D/pic.bmp", "menu open1", "file %D/out.bmp", "menu saveas1"}));
        EXPECT_EQ(h.image().size(), picture);
        EXPECT_EQ(h.w->Picture1->size(), picture);
        const QImage saved(f.path("out.bmp"));
        EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), pic);
        const struct {
            QStringList commands;
            QSize size;
        } after[] = {{{"menu new1"}, {742, 689}}, {{"answer 6", "click cmdClear"}, picture}};
        for (const auto& back : after) {
            h.run(f.expand({"file %D/pic.bmp", "menu open1"}) + back.commands);
            EXPECT_EQ(h.image().size(), back.size) << qPrintable(back.commands.last());
            EXPECT_EQ(h.w->Picture1->size(), back.size);
        }
    }
}

TEST(PictureFile, ReplacingAFileKeepsItsPermissions) {
    FilesFolder f;
    const QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(f.path("old.bmp"), mode);
    Harness h;
    h.run(f.expand({"draw", "file %D/old.bmp", "answer 6", "menu saveas1"}));
    EXPECT_EQ(QFile::permissions(f.path("old.bmp")) & 0x7077, mode);
    EXPECT_EQ(f.names(), QStringList({"note.txt", "old.bmp"}));
}

// A file whose name, or whose folder's name, is not UTF-8: named in the
// window, dropped, or named on the command line, it opens, is shown with
// U+FFFD for the bytes that are not text, and Save writes it back under its
// own name, with no stand-in left beside it.
TEST(PictureFile, NamesThatAreNotUtf8OpenAndSaveBackUnderTheirOwnBytes) {
    for (const char* from : {"window", "drop", "command line"})
        for (const QByteArray& name : {QByteArray("bad\xff\xfename.png"), QByteArray("sub\xe9/pic.bmp")}) {
            SCOPED_TRACE(testing::Message() << from << " " << name.toPercentEncoding("/").constData());
            FilesFolder f;
            const QByteArray path = QFile::encodeName(f.dir.path()) + '/' + name;
            const QByteArray folder = path.left(path.lastIndexOf('/'));
            if (name.contains('/')) {
                ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
            }
            const QByteArray old = f.read("old.bmp");
            ASSERT_TRUE(writeBytes(path, old));
            const QStringList script = f.expand({"draw", "menu save1", "dump"});
            f.write("script", script.join('\n').toUtf8());
            const QList<QByteArray> names = namesIn(folder);
            QStringList out;
            if (qstrcmp(from, "command line") == 0) {
                QByteArray octal;
                for (const char c : path) octal += "\\" + QByteArray::number(uchar(c), 8).rightJustified(3, '0');
                QProcess p;
                p.start("bash", {"-c", "exec \"$0\" --script \"$1\" \"$(printf \"$2\")\"", TAVIMBRE_EXE, f.path("script"),
                                 QString::fromLatin1(octal)});
                ASSERT_TRUE(p.waitForFinished(60000));
                EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
                out = QString::fromUtf8(p.readAllStandardOutput()).split('\n');
            } else {
                Harness h;
                if (qstrcmp(from, "drop") == 0) {
                    QMimeData mime;
                    mime.setUrls({QUrl::fromEncoded("file://" + path.toPercentEncoding("/"))});
                    QDragEnterEvent enter(QPoint(500, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
                    QCoreApplication::sendEvent(h.w.get(), &enter);
                    QDropEvent drop(QPointF(500, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
                    QCoreApplication::sendEvent(h.w.get(), &drop);
                } else {
                    EXPECT_TRUE(h.w->openFile(LocalPath::fromBytes(path)));
                }
                h.run(script);
                out = h.out;
            }
            EXPECT_EQ(out.filter("message").join('|'), "");
            EXPECT_TRUE(out.contains("filePath=" + QFile::decodeName(path))) << qPrintable(out.join('\n'));
            EXPECT_TRUE(QFile::decodeName(path).contains(QChar::ReplacementCharacter));
            const QByteArray saved = readBytes(path);
            EXPECT_NE(saved, old);
            EXPECT_EQ(QImage::fromData(saved).size(), QSize(60, 40));
            EXPECT_EQ(namesIn(folder), names);
            // QTemporaryDir cannot name these to remove them.
            ::unlink(path.constData());
            if (name.contains('/')) ::rmdir(folder.constData());
        }
}
