#include "CanvasScroller.h"

#include "app/canvas/CanvasView.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kZoomLevels[] = {25, 33, 50, 67, 100, 200, 300, 400, 600, 800};

// The next level above (direction 1) or below (-1) zoom; zoom itself at
// either end. Fit Window's zoom below the smallest level goes up to it.
int nextLevel(int zoom, int direction) {
    if (direction > 0) {
        for (int level : kZoomLevels)
            if (level > zoom) return level;
    } else {
        for (auto it = std::rbegin(kZoomLevels); it != std::rend(kZoomLevels); ++it)
            if (*it < zoom) return *it;
    }
    return zoom;
}

}  // namespace

CanvasScroller::CanvasScroller(QWidget* frame, CanvasView& view, QWidget* parent)
    : QScrollArea(parent), view_(view) {
    setFrameShape(QFrame::NoFrame);
    setBackgroundRole(QPalette::Dark);
    setWidget(frame);
    view_.onZoomWheel = [this](int notches, QPointF at) {
        int level = view_.zoom();
        for (int i = 0; i < std::abs(notches); ++i) level = nextLevel(level, notches > 0 ? 1 : -1);
        zoomAt(level, at);
    };
}

void CanvasScroller::zoomIn() { zoomAboutCentre(nextLevel(view_.zoom(), 1)); }

void CanvasScroller::zoomOut() { zoomAboutCentre(nextLevel(view_.zoom(), -1)); }

void CanvasScroller::zoomToFit() {
    // The room for the view: the scroll area without its bars, less the
    // margin kept around the view, the same on every side.
    const QPoint margin = view_.mapTo(widget(), QPoint());
    const QSize room = maximumViewportSize() - 2 * QSize(margin.x(), margin.y());
    const QSize picture = view_.pictureSize();
    auto fits = [&](qint64 level) {
        return picture.width() * level / 100 <= room.width() && picture.height() * level / 100 <= room.height();
    };
    // Below the smallest level, the whole percentage that fits; 1 % at least.
    int fit = int(std::clamp(std::min(qint64(room.width()) * 100 / std::max(1, picture.width()),
                                      qint64(room.height()) * 100 / std::max(1, picture.height())),
                             qint64(1), qint64(kZoomLevels[0])));
    for (int level : kZoomLevels)
        if (fits(level)) fit = level;
    zoomAboutCentre(fit);
}

void CanvasScroller::zoomAboutCentre(int percent) {
    zoomAt(percent, view_.mapFrom(viewport(), QPointF(viewport()->rect().center())));
}

void CanvasScroller::zoomAt(int percent, QPointF at) {
    if (percent == view_.zoom()) return;
    const QPointF onScreen = view_.mapTo(viewport(), at);
    const QPointF picturePoint = view_.toPicture(at);
    view_.setZoom(percent);
    if (onZoomed) onZoomed();
    // The scroll area learns of the view's new size from posted layout requests.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QPointF now = view_.mapTo(viewport(), picturePoint * (percent / 100.0));
    QScrollBar* bars[] = {horizontalScrollBar(), verticalScrollBar()};
    bars[0]->setValue(bars[0]->value() + qRound(now.x() - onScreen.x()));
    bars[1]->setValue(bars[1]->value() + qRound(now.y() - onScreen.y()));
}

QPoint CanvasScroller::firstPixelShown() const {
    const QPoint shown = view_.mapFrom(viewport(), QPoint(0, 0));
    const QPointF at = view_.toPicture(QPointF(std::max(0, shown.x()), std::max(0, shown.y())));
    return QPoint(int(std::ceil(at.x())), int(std::ceil(at.y())));
}

void CanvasScroller::showPixels(const QRect& part) {
    auto at = [this](int x, int y) { return view_.mapTo(widget(), QPoint(view_.toWidget(x), view_.toWidget(y))); };
    const QPoint far = at(part.right() + 1, part.bottom() + 1), near = at(part.left(), part.top());
    constexpr int kMargin = 8;
    ensureVisible(far.x(), far.y(), kMargin, kMargin);
    ensureVisible(near.x(), near.y(), kMargin, kMargin);  // the top left wins
}
