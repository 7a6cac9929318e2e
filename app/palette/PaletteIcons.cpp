#include "PaletteIcons.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
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
QImage ink(const QImage& grey) {
    QImage out(grey.size(), QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* in = grey.constScanLine(y);
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) row[x] = qRgba(0, 0, 0, 255 - in[x]);
    }
    return out;
}

// A toolbar icon at its two densities, kept as the compiled-in grey bytes
// and inked only while it is painted: the toolbar's pictures take no memory
// while the window waits. A greyed-out item's is made by the style, as for
// any icon.
class InkIconEngine : public QIconEngine {
public:
    InkIconEngine(QImage small, QImage large) : small_(std::move(small)), large_(std::move(large)) {}
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        return small_.size().scaled(size.boundedTo(pictureFor(size).size()), Qt::KeepAspectRatio);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {small_.size(), large_.size()}; }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QImage shown = ink(pictureFor(size));
        const QSize fits = actualSize(size, mode, state);
        if (shown.size() != fits) shown = shown.scaled(fits, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QPixmap out = QPixmap::fromImage(shown);
        if (mode == QIcon::Normal || mode == QIcon::Active) return out;
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, out, &option);
    }
    void paint(QPainter* p, const QRect& r, QIcon::Mode mode, QIcon::State state) override {
        p->drawPixmap(r, pixmap(r.size() * p->device()->devicePixelRatio(), mode, state));
    }
    QIconEngine* clone() const override { return new InkIconEngine(small_, large_); }

private:
    // The larger picture only where the smaller would be enlarged.
    const QImage& pictureFor(const QSize& size) const {
        return size.width() > small_.width() || size.height() > small_.height() ? large_ : small_;
    }

    QImage small_, large_;
};

}  // namespace

QIcon toolbarIcon(const char* name) {
    QImage small = picture(name), large = picture((QByteArray(name) + "@2x").constData());
    if (small.isNull() || large.isNull()) return {};
    return QIcon(new InkIconEngine(std::move(small), std::move(large)));
}
