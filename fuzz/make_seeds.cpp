// Writes the fuzzer's seed corpus into the folder given: small good
// pictures of every kind Open reads, and a few damaged ones.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <iterator>

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace {

QImage gradient(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x * 9, y * 11, (x ^ y) * 7));
    return img;
}

void write(const QDir& dir, const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

// A GIF with a 128-colour table whose pixels are written as 8-bit codes,
// with a clear code before the code table would outgrow 8 bits.
QByteArray gif(int w, int h) {
    QByteArray g("GIF89a");
    auto put16 = [&](int v) { g.append(char(v & 0xFF)).append(char(v >> 8)); };
    put16(w), put16(h);
    g.append(char(0xF6)).append('\0').append('\0');
    for (int i = 0; i < 128; ++i) g.append(char(i * 2)).append(char(255 - i * 2)).append(char(i));
    g.append(',');
    put16(0), put16(0), put16(w), put16(h);
    g.append('\0').append(char(7));
    QByteArray codes;
    for (int i = 0; i < w * h; ++i) {
        if (i % 126 == 0) codes.append(char(128));
        codes.append(char((i * 5) % 128));
    }
    codes.append(char(129));
    for (int at = 0; at < codes.size(); at += 255) g.append(char(codes.mid(at, 255).size())).append(codes.mid(at, 255));
    return g.append('\0').append(';');
}

// The chart a PNG keeps, as the program writes it for IMG (whose rows have
// no padding): a box with its label, each with the pixels it painted.
QString chartText(const QImage& img) {
    const QString digest = QString::number(XXH3_64bits(img.constBits(), size_t(img.sizeInBytes())), 16);
    const QString box = QStringLiteral("1 2 15 15 150 90 1 0 0 0 0 0 0");
    const QString still = QStringLiteral(" 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0");  // its places and ends
    return QStringLiteral("tavimbre-chart 1 %1 %2 %3 2 -2 1 %4 last %4 2 ").arg(img.width()).arg(img.height()).arg(digest, box) +
           QStringLiteral("0 1 0 0 1 0 0 0 0") + still + QStringLiteral(" % % 1 1 1 5 6*ffffff 6*000000 - ") +
           QStringLiteral("2 -1 1 0 1 0 0 0 0") + still +
           QStringLiteral(" Go Arial%2C9.75%2C-1%2C5%2C400%2C0%2C0%2C0%2C0%2C0%2C0%2C0%2C0%2C0%2C0%2C1 1 3 2 2 3*ffffff "
                          "3*000000 =");
}

void writeChart(const QDir& dir, const QString& name, const QImage& img, const QString& text) {
    QImage keeping = img;
    keeping.setText(QStringLiteral("TavimbreChart"), text);
    keeping.save(dir.filePath(name), "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) return 2;
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) return 1;
    const QImage img = gradient(24, 16);
    const struct {
        const char* name;
        QImage image;
        const char* format;
    } good[] = {{"rgb.bmp", img, "BMP"},
                {"indexed.bmp", img.convertToFormat(QImage::Format_Indexed8), "BMP"},
                {"mono.bmp", img.convertToFormat(QImage::Format_Mono), "BMP"},
                {"pic.jpg", img, "JPEG"},
                {"pic.png", img, "PNG"},
                {"pic.ppm", img, "PPM"},
                {"pic.xpm", img.convertToFormat(QImage::Format_Indexed8), "XPM"}};
    for (const auto& g : good) {
        const QString path = dir.filePath(QLatin1String(g.name));
        if (!g.image.save(path, g.format)) return 1;
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return 1;
        const QByteArray bytes = f.readAll();
        write(dir, QStringLiteral("cut-%1").arg(QLatin1String(g.name)), bytes.left(bytes.size() * 2 / 3));
    }
    // Bitmaps whose headers claim far more pixels than their data holds:
    // the small OS/2 header, and run-length data that ends at once.
    QByteArray core(26, '\0');
    const unsigned char coreFields[] = {'B', 'M', 42, 0, 0, 0, 0, 0, 0, 0, 26, 0,  0, 0,
                                        12,  0,   0,  0, 0x10, 0x27, 0x10, 0x27, 1, 0, 24, 0};
    std::copy(std::begin(coreFields), std::end(coreFields), core.begin());
    write(dir, QStringLiteral("os2-claims-more.bmp"), core + QByteArray(16, '\0'));
    QByteArray rle(54, '\0');
    const unsigned char rleFields[] = {'B', 'M', 0x38, 4, 0, 0, 0, 0, 0, 0, 0x36, 4, 0, 0, 40, 0, 0, 0, 0x0F, 0x27,
                                       0,   0,   0x0F, 0x27, 0, 0, 1, 0, 8, 0, 1, 0, 0, 0, 2, 0, 0, 0};
    std::copy(std::begin(rleFields), std::end(rleFields), rle.begin());
    for (int i = 0; i < 256; ++i) rle.append(char(i)).append(char(i)).append(char(i)).append('\0');
    write(dir, QStringLiteral("rle8-claims-more.bmp"), rle.append("\0\1", 2));
    write(dir, QStringLiteral("pic.gif"), gif(24, 16));
    write(dir, QStringLiteral("cut-pic.gif"), gif(24, 16).left(300));
    // PNGs keeping a chart: whole, on pixels changed since, and cut short.
    const QString chart = chartText(img);
    writeChart(dir, QStringLiteral("chart.png"), img, chart);
    QImage changed = img;
    changed.setPixel(3, 3, qRgb(1, 2, 3));
    writeChart(dir, QStringLiteral("chart-changed.png"), changed, chart);
    writeChart(dir, QStringLiteral("chart-cut.png"), img, chart.left(chart.size() / 2));
    return 0;
}
