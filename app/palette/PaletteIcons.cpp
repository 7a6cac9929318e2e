#include "PaletteIcons.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <cstring>

namespace {

// An icon of one picture, kept as a grey image, a byte a pixel, and made a
// pixmap only while it is painted: the palette's pictures take little memory
// while the window waits.
class PictureIconEngine : public QIconEngine {
public:
    explicit PictureIconEngine(QImage picture) : picture_(std::move(picture)) {}
    QSize actualSize(const QSize&, QIcon::Mode, QIcon::State) override { return picture_.size(); }
    QPixmap pixmap(const QSize&, QIcon::Mode, QIcon::State) override { return QPixmap::fromImage(picture_); }
    void paint(QPainter* p, const QRect& r, QIcon::Mode, QIcon::State) override { p->drawImage(r, picture_); }
    QIconEngine* clone() const override { return new PictureIconEngine(picture_); }

private:
    QImage picture_;
};

std::pair<const PalettePicture*, const PalettePicture*>& registered() {
    static std::pair<const PalettePicture*, const PalettePicture*> pictures;
    return pictures;
}

// The registered picture of that name, sharing the compiled-in bytes; a null
// image when there is none.
QImage picture(const char* name) {
    for (const PalettePicture* p = registered().first; p != registered().second; ++p)
        if (std::strcmp(p->name, name) == 0)
            return QImage(reinterpret_cast<const uchar*>(p->grey), p->width, p->height, p->width,
                          QImage::Format_Grayscale8);
    return {};
}

}  // namespace

PalettePictureRegistration::PalettePictureRegistration(const PalettePicture* begin, const PalettePicture* end) {
    registered() = {begin, end};
}

void setPaletteIcons(const QMap<QString, QToolButton*>& buttons, const std::vector<PaletteEntry>& entries) {
    for (const PaletteEntry& e : entries) {
        QToolButton* b = buttons.value(QLatin1String(e.name));
        if (!b || e.picture.isEmpty()) continue;
        b->setIcon(QIcon(new PictureIconEngine(picture(e.name))));
        b->setIconSize(paletteIconSize(e));
    }
}

QIcon windowIcon() { return QIcon(QPixmap::fromImage(picture("window"))); }

namespace {

// A grey picture as ink: black, as opaque as the picture is dark.
QPixmap ink(const QImage& grey) {
    QImage out(grey.size(), QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* in = grey.constScanLine(y);
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) row[x] = qRgba(0, 0, 0, 255 - in[x]);
    }
    return QPixmap::fromImage(out);
}

}  // namespace

QIcon toolbarIcon(const char* name) {
    const QImage small = picture(name), large = picture((QByteArray(name) + "@2x").constData());
    if (small.isNull() || large.isNull()) return {};
    QIcon icon;
    icon.addPixmap(ink(small));
    icon.addPixmap(ink(large));
    return icon;
}
