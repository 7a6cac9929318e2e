// libFuzzer entry for opening a picture: the input becomes a file that
// loadPicture reads, as Open does. A refusal must say why; a picture must
// stay within the size cap, have every pixel readable and a colour for
// every index its pixels can hold; a chart it keeps must lie on it.
#include "files/PictureFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdlib>

namespace {

QString inputPath() {
    const QString dir = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    return QStringLiteral("%1/tavimbre-fuzz-%2").arg(dir).arg(QCoreApplication::applicationPid());
}

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString path = inputPath();
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        require(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    }
    const LoadedPicture picture = loadPicture(path);
    if (picture.image.isNull()) {
        require(!picture.error.isEmpty());
        return 0;
    }
    const QImage& img = picture.image;
    require(qint64(img.width()) * img.height() <= kMaxPicturePixels);
    // Every index a pixel can hold must have its colour.
    if (img.format() == QImage::Format_Indexed8) require(img.colorCount() >= 256);
    if (img.depth() == 1) require(img.colorCount() >= 2);
    // Reading every pixel lets the sanitizer catch a short or stale buffer.
    volatile quint64 sum = 0;
    for (int y = 0; y < img.height(); ++y) {
        const uchar* row = img.constScanLine(y);
        for (qsizetype x = 0; x < img.bytesPerLine(); ++x) sum = sum + row[x];
    }
    // A chart taken lies on the picture, every record of it.
    if (picture.chartFound != ChartInFile::Yes) require(picture.chart.items().empty());
    for (const Chart::Item& item : picture.chart.items())
        for (const auto& record : {item.pixels, item.laid})
            if (record && !record->empty()) {
                require(img.rect().contains(record->bounds()));
                record->forEach([&](int x, int y, int) { sum = sum + record->indexOf(x, y); });
            }
    return 0;
}
