#include "PaletteIcons.h"

#include "core/ToolCode.h"
#include "shapes/ShapeModule.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <cmath>

namespace {

// An icon of one picture, kept as an image (a byte a pixel when it is all
// grey) and made a pixmap only while it is painted: the palette's pictures
// take little memory while the window waits.
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

constexpr float kMargin = 4 * 15;  // twips of white around each figure

void drawBuiltin(Canvas& c, int code, const Corners& k) {
    switch (code) {
    case Tool::Line:
        c.Line(k.x0, k.y1, k.x1, k.y0, 0);
        break;
    case Tool::Circle:
        c.Circle((k.x0 + k.x1) / 2, (k.y0 + k.y1) / 2, std::fabs((k.y1 - k.y0) / 2 - 2), 0);
        break;
    case Tool::Process:
        c.Box(k.x0, k.y0, k.x1, k.y1, 0);
        break;
    default:
        break;
    }
}

}  // namespace

QImage toolPicture(int code, QSize size) {
    static const ShapeSet shapes;  // a set of its own: the canvas's shapes keep their state
    Canvas c(size);
    DragState s;
    Corners k{kMargin, kMargin, float(size.width() * 15 - kMargin), float(size.height() * 15 - kMargin)};
    // The single right arrow runs along the start's row: start it half way
    // down, so that its head shows whole.
    if (code == Tool::RightSingleArrow) k.y0 = (k.y0 + k.y1) / 2;
    s.startX = k.x0;
    s.startY = k.y0;
    s.curX = k.x1;
    s.curY = k.y1;
    if (ShapeModule* shape = shapes.forTool(code))
        shape->DrawShape(c, s, true);
    else
        drawBuiltin(c, code, k);
    return c.Image();
}

void setPaletteIcons(const QMap<QString, QToolButton*>& buttons, const std::vector<PaletteEntry>& entries) {
    for (const PaletteEntry& e : entries) {
        QToolButton* b = buttons.value(QLatin1String(e.name));
        if (!b || e.picture.isEmpty()) continue;
        // The button is 49 pixels tall; the picture shrinks to leave the caption room.
        const QSize iconSize = e.picture.boundedTo(QSize(85, 30));
        // Shrunk here as a pixmap icon would shrink it when painted.
        QSize shown = e.picture;
        if (shown.width() > iconSize.width() || shown.height() > iconSize.height())
            shown.scale(iconSize, Qt::KeepAspectRatio);
        QImage picture = toolPicture(e.code, e.picture).scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (picture.isGrayscale()) picture.convertTo(QImage::Format_Grayscale8);
        b->setIcon(QIcon(new PictureIconEngine(std::move(picture))));
        b->setIconSize(iconSize);
    }
}

QIcon windowIcon() { return QIcon(QPixmap::fromImage(toolPicture(10, QSize(32, 32)))); }
