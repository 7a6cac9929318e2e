// The selection: a part of the picture marked by a drag after Select, or the
// whole of it. A drag that starts inside it lifts its pixels, which float
// above the picture, drawn by the view, until they are dropped: the lift,
// its moves and the drop are one step of the undo history.
#include "app/CanvasView.h"
#include "app/frmmain.h"
#include "files/PictureFile.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QScrollArea>
#include <algorithm>
#include <cmath>

void frmmain::select1_Click() {
    endSelection();
    selecting_ = true;
}

void frmmain::selectall1_Click() {
    // In the text box Ctrl+A selects its text, as everywhere else.
    if (QApplication::focusWidget() == txtinsert) {
        txtinsert->selectAll();
        return;
    }
    endSelection();
    selecting_ = true;
    selection_ = canvas.Image().rect();
    showSelection();
}

void frmmain::deselect1_Click() { endSelection(); }

void frmmain::delete1_Click() {
    if (selection_.isEmpty()) return;
    doc.beginStep();
    canvas.Whiten(floating_.isNull() ? selection_ : hole_);
    doc.endStep();
    doc.markChanged();
    floating_ = QImage();
    hole_ = QRect();
    selection_ = QRect();
    showSelection();
}

void frmmain::cut1_Click() {
    if (selection_.isEmpty()) return;
    copy1_Click();
    delete1_Click();
}

void frmmain::paste1_Click() {
    pasteFrom(QApplication::clipboard()->mimeData(), QStringLiteral("The picture could not be pasted: %1"));
}

void frmmain::pasteFrom(const QMimeData* data, const QString& refusal) {
    const LoadedPicture picture = pictureFromMime(data, refusal);
    if (!picture.error.isEmpty()) dialogs.Message(QStringLiteral("Tavimbre"), picture.error);
    const QImage pasted = picture.image.convertToFormat(canvas.Image().format());
    if (pasted.isNull()) return;
    endSelection();
    const QSize now = canvas.Image().size();
    if (pasted.width() > now.width() || pasted.height() > now.height()) {
        const int answer = dialogs.MsgBox(QStringLiteral("The pasted picture is larger than this one. Enlarge it?"),
                                          MsgStyle::YesNo, QStringLiteral("Tavimbre"));
        if (answer == Answer::Yes) {
            doc.beginStep();
            resizeCanvas(now.expandedTo(pasted.size()));
            doc.endStep();
        }
    }
    // The top left of the part of the canvas that shows.
    const QPoint shown = Picture1->mapFrom(scroller_->viewport(), QPoint(0, 0));
    const QPointF at = Picture1->toPicture(QPointF(std::max(0, shown.x()), std::max(0, shown.y())));
    selecting_ = true;
    floatImage(pasted, QPoint(int(std::ceil(at.x())), int(std::ceil(at.y()))), QRect());
}

void frmmain::floatImage(const QImage& image, QPoint at, QRect hole) {
    floating_ = image;
    hole_ = hole;
    selection_ = QRect(at, image.size());
    showSelection();
}

void frmmain::selectionDown(QPoint at) {
    if (selection_.contains(at)) {
        if (floating_.isNull()) floatImage(canvas.Image().copy(selection_), selection_.topLeft(), selection_);
        selectionDrag_ = Moving;
        selectionFrom_ = at - selection_.topLeft();
        return;
    }
    dropSelection();
    selection_ = QRect();
    selectionDrag_ = Marking;
    selectionFrom_ = at;
    showSelection();
}

void frmmain::selectionMove(QPoint at) {
    if (selectionDrag_ == Moving) {
        selection_.moveTopLeft(at - selectionFrom_);
    } else if (selectionDrag_ == Marking) {
        // The corners, held inside the picture, bound the marked pixels.
        const QSize size = canvas.Image().size();
        auto inside = [size](QPoint p) {
            return QPoint(std::clamp(p.x(), 0, size.width()), std::clamp(p.y(), 0, size.height()));
        };
        const QPoint a = inside(selectionFrom_), b = inside(at);
        selection_ = QRect(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::abs(a.x() - b.x()),
                           std::abs(a.y() - b.y()));
    }
    showSelection();
}

void frmmain::dropSelection() {
    if (floating_.isNull()) return;
    doc.beginStep();
    if (!hole_.isEmpty()) canvas.Whiten(hole_);
    canvas.PutImage(selection_.topLeft(), floating_);
    doc.endStep();
    doc.markChanged();
    floating_ = QImage();
    hole_ = QRect();
    selection_ = selection_.intersected(canvas.Image().rect());
    showSelection();
}

void frmmain::endSelection() {
    selectionDrag_ = NoSelectionDrag;
    dropSelection();
    selecting_ = false;
    selection_ = QRect();
    showSelection();
}

void frmmain::showSelection() { Picture1->showSelection(selection_, floating_, hole_); }
