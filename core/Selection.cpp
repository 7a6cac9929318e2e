#include "Selection.h"

#include "core/Document.h"
#include "core/ImageOps.h"

#include <QPainter>
#include <algorithm>
#include <utility>

void Selection::start() {
    end();
    active_ = true;
}

void Selection::markAll() {
    ++revision_;
    start();
    rect_ = doc_.canvas.Image().rect();
}

void Selection::end() {
    ++revision_;
    drag_ = None;
    drop();
    active_ = false;
    rect_ = QRect();
}

void Selection::press(QPoint at) {
    ++revision_;
    if (rect_.contains(at)) {
        movedFrom_ = rect_;
        liftedByMove_ = floating_.isNull();
        if (liftedByMove_) {
            floating_ = doc_.canvas.Image().copy(rect_);
            hole_ = rect_;
        }
        drag_ = Moving;
        from_ = at - rect_.topLeft();
        return;
    }
    drop();
    rect_ = QRect();
    drag_ = Marking;
    from_ = at;
}

void Selection::drag(QPoint at) {
    ++revision_;
    if (drag_ == Moving) {
        rect_.moveTopLeft(at - from_);
    } else if (drag_ == Marking) {
        // The corners, held inside the picture, bound the marked pixels.
        const QSize size = doc_.canvas.Image().size();
        auto inside = [size](QPoint p) {
            return QPoint(std::clamp(p.x(), 0, size.width()), std::clamp(p.y(), 0, size.height()));
        };
        // A pen W wide on line c covers pixels c - W/2 to c + (W - 1)/2.
        const int before = markPen_ / 2, after = markPen_ > 0 ? (markPen_ - 1) / 2 + 1 : 0;
        const QPoint a = inside(QPoint(std::min(from_.x(), at.x()) - before, std::min(from_.y(), at.y()) - before));
        const QPoint b = inside(QPoint(std::max(from_.x(), at.x()) + after, std::max(from_.y(), at.y()) + after));
        rect_ = at == from_ ? QRect() : QRect(a.x(), a.y(), b.x() - a.x(), b.y() - a.y());
    }
}

void Selection::release(QPoint at) {
    drag(at);
    drag_ = None;
}

bool Selection::cancelDrag() {
    const auto was = std::exchange(drag_, None);
    if (was == Moving) {
        ++revision_;
        rect_ = movedFrom_;
        if (liftedByMove_) {
            floating_ = QImage();
            hole_ = QRect();
        }
    }
    return was != None;
}

void Selection::drop() {
    ++revision_;
    if (floating_.isNull()) return;
    {
        UndoHistory::Scope step(doc_.history);
        if (!hole_.isEmpty()) doc_.canvas.Whiten(hole_);
        doc_.canvas.PutImage(rect_.topLeft(), floating_, transparent_);
        doc_.history.changeChart([&](Chart& f) {
            f.moved(hole_, rect_, turned_, !transparent_, doc_.canvas.Image().size());
        });
    }
    floating_ = QImage();
    hole_ = QRect();
    turned_ = false;
    rect_ = rect_.intersected(doc_.canvas.Image().rect());
}

bool Selection::remove() {
    ++revision_;
    if (rect_.isEmpty()) return false;
    {
        UndoHistory::Scope step(doc_.history);
        const QRect whitened = floating_.isNull() ? rect_ : hole_;
        doc_.canvas.Whiten(whitened);
        doc_.history.changeChart([&](Chart& f) { f.whitened(whitened); });
    }
    floating_ = QImage();
    hole_ = QRect();
    turned_ = false;
    rect_ = QRect();
    return true;
}

QImage Selection::imageForCopy() const {
    if (rect_.isEmpty()) return {};
    return floating_.isNull() ? doc_.canvas.Image().copy(rect_) : floating_;
}

void Selection::put(const QImage& image, QPoint at) {
    ++revision_;
    active_ = true;
    floating_ = image;
    hole_ = QRect();
    turned_ = false;
    rect_ = QRect(at, image.size());
}

QImage Selection::shown() const {
    const QImage& picture = doc_.canvas.Image();
    if (floating_.isNull()) return picture;
    if (shownOf_ != picture.cacheKey() || shownAt_ != rect_ || shownFloating_ != floating_.cacheKey() ||
        shownClear_ != transparent_) {
        shown_ = picture.copy();
        QPainter p(&shown_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        if (!hole_.isEmpty()) p.fillRect(hole_, Qt::white);
        if (transparent_) p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.drawImage(rect_.topLeft(), floatingShown());
        shownOf_ = picture.cacheKey();
        shownAt_ = rect_;
        shownFloating_ = floating_.cacheKey();
        shownClear_ = transparent_;
    }
    return shown_;
}

Selection::Turned Selection::turn(Turn how) {
    if (rect_.isEmpty() || (floating_.isNull() && rect_ == doc_.canvas.Image().rect())) return Turned::WholePicture;
    const QImage part = floating_.isNull() ? doc_.canvas.Image().copy(rect_) : floating_;
    const QImage done = turned(part, how);
    if (done.isNull()) return Turned::NoMemory;
    ++revision_;
    if (floating_.isNull()) hole_ = rect_;
    active_ = true;
    turned_ = true;
    floating_ = done;
    rect_.setSize(done.size());
    return Turned::Part;
}

void Selection::setTransparent(bool on) {
    ++revision_;
    transparent_ = on;
}

const QImage& Selection::floatingShown() const {
    if (!transparent_ || floating_.isNull()) return floating_;
    if (clearOf_ != floating_.cacheKey()) {
        clear_ = whiteMadeClear(floating_);
        clearOf_ = floating_.cacheKey();
    }
    return clear_;
}
