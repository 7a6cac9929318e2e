// The raster canvas: a persistent QImage addressed in twips (15 per pixel).
// It is the only thing in the program that paints; every primitive reports
// the pixel rectangle it touched so that the view repaints just that.
#pragma once

#include "core/Connector.h"
#include "core/ImageOps.h"
#include "core/PixelRecord.h"
#include "core/Raster.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>

using VbColor = std::int32_t;  // 24-bit RGB, red in the low byte

// No canvas, and so no picture opened, has more pixels than this; pictures
// above it are refused before any pixel is decoded.
constexpr qint64 kMaxPicturePixels = 100'000'000;

class PictureCopy;
class UndoHistory;

class Canvas {
public:
    static constexpr double kTwipsPerPixel = 15.0;
    // Twips to whole pixels, as the display itself addresses them. Nothing
    // beyond a hundred million pixels can show; such points, and points that
    // are no number at all, are held there, so that every conversion fits.
    static constexpr int kFarPixels = 100'000'000;
    static int toPixels(float twips) {
        const double v = std::floor(twips / kTwipsPerPixel + 0.5);
        if (!(v > -kFarPixels)) return -kFarPixels;
        return int(std::min(v, double(kFarPixels)));
    }
    static constexpr int kInvert = 6;
    static constexpr int kCopyPen = 13;
    static constexpr int kWhiteness = 16;
    static const QSize kDefaultSize;  // 11130 x 10335 twips
    // The longest side a user may give the canvas, unless it already has a longer one.
    static constexpr int kMaxSide = 10'000;

    explicit Canvas(QSize pixels = kDefaultSize);

    // Drawing state, under the names the drawing code uses.
    int DrawMode = kCopyPen;
    int DrawWidth = 1;
    int FillStyle = 1;  // 1 = transparent: boxes and circles are outlines
    VbColor ForeColor = 0;
    float CurrentX = 0;
    float CurrentY = 0;
    QFont Font;

    // Primitives. Coordinates are twips, pen widths pixels.
    void Line(float x1, float y1, float x2, float y2, std::optional<VbColor> color = std::nullopt);
    void Box(float x1, float y1, float x2, float y2, std::optional<VbColor> color = std::nullopt);
    void Circle(float x, float y, float radius, std::optional<VbColor> color = std::nullopt,
                std::optional<float> start = std::nullopt, std::optional<float> end = std::nullopt,
                std::optional<float> aspect = std::nullopt);
    // The line tool's connector from (x1, y1) to (x2, y2), gathered as one
    // figure: heads, dashes and the elbow's corner are each covered once.
    void Connector(float x1, float y1, float x2, float y2, const LineLook& look, FirstLeg leg,
                   std::optional<VbColor> color = std::nullopt);
    void Print(const QString& text);
    // The measures of the font Print draws with, in pixels of this picture.
    QFontMetricsF TextMetrics() const;
    void Cls();
    // A loaded picture replaces what is shown, and the canvas takes its
    // size as its own. Returns why the image cannot be made, or empty; on
    // failure nothing changes.
    QString Picture(const QImage& picture, const QString& path);
    // Drops the picture: the image returns to the canvas's own size. Returns
    // why it cannot, or empty; on failure the image stays as it was.
    QString PictureNone();
    // The canvas at another size, which becomes its own: the pixels stay at
    // the top left, new room is white, a smaller size crops. Returns why it
    // cannot be, or empty; on failure nothing changes.
    QString Resize(QSize size);
    // A part of the picture made white, and an image copied in with its top
    // left at AT; pixels are picture pixels, what lies off the canvas is left out.
    // With WHITEISCLEAR the image's white pixels leave the picture below as
    // it is, as whiteMadeClear shows them.
    void Whiten(const QRect& pixels);
    void PutImage(const QPoint& at, const QImage& image, bool whiteIsClear = false);
    // The 4-connected area around the pixel AT whose colours are within
    // TOLERANCE of its colour (alikeColours) painted in COLOR; returns the
    // area's bounds, empty when nothing was painted (AT off the picture,
    // already that colour at tolerance 0, or MAYKEEPWHOLE said no). A large
    // area is kept by the history as the whole picture; MAYKEEPWHOLE, when
    // given, is asked first with the picture's size.
    QRect FloodFill(const QPoint& at, VbColor color, int tolerance,
                    const std::function<bool(QSize)>& mayKeepWhole = {});
    // The whole picture mirrored or rotated; a quarter turn swaps width and
    // height. Returns why it cannot be, or empty; on failure nothing changes.
    QString TurnPicture(Turn turn);
    // The picture cut down to the part of it inside PIXELS, which becomes its
    // own size. Returns why it cannot be, or empty; on failure nothing changes.
    QString Crop(const QRect& pixels);

    const QImage& Image() const { return image_; }
    // The size PictureNone returns to: the last one set, opened, resized to
    // or put back by an undo.
    QSize ownSize() const { return ownSize_; }
    void setOwnSize(QSize size) { ownSize_ = size; }
    // Put back pixels an undo or redo kept; not traced.
    void restoreImage(const QImage& image);
    void restoreTile(const QPoint& at, const QImage& tile);
    // Told before any pixel changes, so that it can keep what was there.
    void setHistory(UndoHistory* history) { history_ = history; }
    // The same for a copy of the picture being made.
    void setCopy(PictureCopy* copy) { copy_ = copy; }

    // While a recording is set, every pixel a figure or a text paints (an
    // inverted one aside) is noted in it with the colour it had; a dry
    // recording notes them and paints nothing.
    void setRecording(std::vector<PixelRecord::Dab>* into, bool dry) {
        recording_ = into;
        dry_ = dry;
    }
    // While an outline is set, every figure painted adds its spans to it
    // and paints nothing; texts are left out.
    void setOutline(std::vector<FigurePixels::Span>* into) { outline_ = into; }
    // Each pixel of DABS set to its painted colour, and each of PIXELS
    // inverted once; pixels off the picture are left out.
    void SetPixels(const std::vector<PixelRecord::Dab>& dabs);
    void InvertPixels(const FigurePixels& pixels);

    // The pixels touched since the last call.
    QRegion takeDirty();
    bool sizeChanged() const { return sizeChanged_; }
    void clearSizeChanged() { sizeChanged_ = false; }

    // Every primitive call is written here, one line each, when set.
    void setTrace(std::function<void(const QString&)> sink) { trace_ = std::move(sink); }

    static QColor toQColor(VbColor c);
    static VbColor toVbColor(QRgb c) { return VbColor(qRed(c) | qGreen(c) << 8 | qBlue(c) << 16); }
    static QString number(float v);  // shortest text that reads back as the same float
    static QFont defaultFont();

private:
    // Gathers a figure's pixels, unless a recent figure of the same kind,
    // numbers, pen width and picture has them, then paints them once in the
    // current mode.
    template <typename BuildFn>
    void paint(std::optional<VbColor> color, int kind, const std::array<double, 7>& values, BuildFn&& build);
    QFont printFont() const;
    void markDirty(const QRectF& pixels);
    void aboutToPaint(const QRectF& pixels);
    void aboutToReplace();
    // A white image of that size, or the reason none can be made; every
    // image the canvas shows is made here.
    static QString blankImage(QSize size, QImage& image);
    // CONTENT at the top left of a white image of SIZE, which becomes the
    // picture and its own size; traced as TRACELINE when one is given.
    QString replaceImage(QSize size, const QImage& content, const QString& traceLine);
    // IMAGE, made whole, becomes the picture and its own size.
    void takeImage(QImage image, const QString& traceLine);
    void adopt(QImage image);

    QImage image_;
    QSize ownSize_;
    QRegion dirty_;
    bool sizeChanged_ = false;
    std::function<void(const QString&)> trace_;
    UndoHistory* history_ = nullptr;
    PictureCopy* copy_ = nullptr;
    Coverage cover_;  // reused by every figure
    FigurePixels built_;  // the figure gathered last
    RecentFigures recent_;
    DirtyTiles tiles_;  // what figures changed, for the repaint
    static constexpr size_t kKeptSpans = 1 << 16;
    std::vector<PixelRecord::Dab>* recording_ = nullptr;
    bool dry_ = false;
    std::vector<FigurePixels::Span>* outline_ = nullptr;
    // Calls that paint nothing are not traced.
    bool tracing() const { return trace_ && !(recording_ && dry_) && !outline_; }
    friend class Recording;
    void recordText(const QPointF& baseline, const QRectF& touched, const QString& text, const QFont& font);
};

// The pixels the canvas paints while it lives, as one record; a dry one
// paints nothing. The canvas's drawing state is left as it was.
class Recording {
public:
    explicit Recording(Canvas& canvas, bool dry = false);
    ~Recording();
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;
    PixelRecord take() { return PixelRecord::from(std::move(dabs_)); }

private:
    Canvas& canvas_;
    std::vector<PixelRecord::Dab> dabs_;
    int mode_, width_;
    VbColor colour_;
    float x_, y_;
    QFont font_;
};
