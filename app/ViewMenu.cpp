// The View menu's zoom and the status bar. Zoom changes only how the picture
// is shown: the canvas, its pixels and the twips of every figure stay.
#include "app/CanvasView.h"
#include "app/frmmain.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStatusBar>
#include <QTimer>
#include <cmath>
#include <cstdlib>

// The status line's text changes with every move of the pointer; its size
// stays what the first text asked for. A new text is only painted, as the
// label paints its own, and the window is not laid out again each time.
class StatusLine : public QLabel {
public:
    StatusLine(const QString& text, QWidget* bar) : QLabel(text, bar), text_(text) {}
    void show(const QString& text) {
        if (text == text_) return;
        text_ = text;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        style()->drawItemText(&p, contentsRect(), int(alignment()) | Qt::TextForceLeftToRight, palette(),
                              isEnabled(), text_, foregroundRole());
    }

private:
    QString text_;
};

namespace {

constexpr int kZoomLevels[] = {25, 33, 50, 67, 100, 200, 300, 400, 600, 800};

// The next level above (direction 1) or below (-1) zoom; zoom itself at either end.
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

// The picture pixel that holds a point, in twips.
int pixelAt(float twips) {
    const double v = std::floor(twips / Canvas::kTwipsPerPixel);
    return v > -Canvas::kFarPixels ? int(std::min(v, double(Canvas::kFarPixels))) : -Canvas::kFarPixels;
}

}  // namespace

void frmmain::zoomin1_Click() { zoomAboutCentre(nextLevel(Picture1->zoom(), 1)); }

void frmmain::zoomout1_Click() { zoomAboutCentre(nextLevel(Picture1->zoom(), -1)); }

void frmmain::zoom100_Click() { zoomAboutCentre(100); }

void frmmain::zoomfit1_Click() {
    // The room for the view: the scroll area without its bars, less the
    // margin kept around the view, the same on every side.
    const QPoint margin = Picture1->mapTo(scroller_->widget(), QPoint());
    const QSize room = scroller_->maximumViewportSize() - 2 * QSize(margin.x(), margin.y());
    const QSize picture = canvas.Image().size();
    int fit = kZoomLevels[0];
    for (int level : kZoomLevels)
        if (qint64(picture.width()) * level / 100 <= room.width() &&
            qint64(picture.height()) * level / 100 <= room.height())
            fit = level;
    zoomAboutCentre(fit);
}

void frmmain::zoomAboutCentre(int percent) {
    QWidget* viewport = scroller_->viewport();
    zoomAt(percent, Picture1->mapFrom(viewport, QPointF(viewport->rect().center())));
}

void frmmain::zoomAt(int percent, QPointF at) {
    if (percent == Picture1->zoom()) return;
    QWidget* viewport = scroller_->viewport();
    const QPointF onScreen = Picture1->mapTo(viewport, at);
    const QPointF picturePoint = Picture1->toPicture(at);
    Picture1->setZoom(percent);
    moveText1(text1Left_, text1Top_);
    // The scroll area learns of the view's new size from posted layout requests.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QPointF now = Picture1->mapTo(viewport, picturePoint * (percent / 100.0));
    QScrollBar* bars[] = {scroller_->horizontalScrollBar(), scroller_->verticalScrollBar()};
    bars[0]->setValue(bars[0]->value() + qRound(now.x() - onScreen.x()));
    bars[1]->setValue(bars[1]->value() + qRound(now.y() - onScreen.y()));
    showStatus();
}

void frmmain::buildStatusBar() {
    status_ = new StatusLine(statusText(), statusBar());
    status_->setObjectName(QStringLiteral("status"));
    statusBar()->addWidget(status_, 1);
    Picture1->onZoomWheel = [this](int notches, QPointF at) {
        int level = Picture1->zoom();
        for (int i = 0; i < std::abs(notches); ++i) level = nextLevel(level, notches > 0 ? 1 : -1);
        zoomAt(level, at);
    };
}

void frmmain::showStatus() {
    // Laying out the label's text costs more than a move's figure: it waits
    // for the end of the frame, with the moves after it.
    if (statusDue_) return;
    statusDue_ = true;
    QTimer::singleShot(16, this, [this] {
        statusDue_ = false;
        status_->show(statusText());
    });
}

QString frmmain::statusText() const {
    QString text = QStringLiteral("Pointer %1, %2").arg(pixelAt(pointerX_)).arg(pixelAt(pointerY_));
    if (dispatcher_.dragging())
        text += QStringLiteral("    Drag %1 × %2")
                    .arg(std::abs(qint64(Canvas::toPixels(pointerX_)) - Canvas::toPixels(state.startX)))
                    .arg(std::abs(qint64(Canvas::toPixels(pointerY_)) - Canvas::toPixels(state.startY)));
    const QSize size = canvas.Image().size();
    text += QStringLiteral("    Picture %1 × %2    Zoom %3%").arg(size.width()).arg(size.height()).arg(Picture1->zoom());
    return text;
}
