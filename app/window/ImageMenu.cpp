// The Image menu: Canvas Size and the handles of the picture's frame (the
// picture at another size, its pixels kept at the top left), the flips and
// rotations of the picture or of its selected part, and the crops.
#include "app/window/frmmain.h"

#include "app/canvas/StatusLine.h"

void frmmain::canvassize1_Click() {
    QSize size = canvas.Image().size();
    if (dialogs.AskCanvasSize(size)) resizeCanvas(size);
}

void frmmain::resizeByHandle(QSize size) {
    cancelDrag();
    doc.selection.end();
    doc.beginStep();
    resizeCanvas(size);
    doc.endStep();
    refreshCanvas();
}

void frmmain::resizeCanvas(QSize size) {
    const BusyWhile busy(dialogs, size.expandedTo(canvas.Image().size()));
    if (const QString problem = doc.resize(size); !problem.isEmpty()) dialogs.Message(QStringLiteral("Tavimbre"), problem);
}

void frmmain::fliph1_Click() { turnPicture(Turn::FlipHorizontal); }
void frmmain::flipv1_Click() { turnPicture(Turn::FlipVertical); }
void frmmain::rotateright1_Click() { turnPicture(Turn::RotateRight); }
void frmmain::rotateleft1_Click() { turnPicture(Turn::RotateLeft); }
void frmmain::rotate1801_Click() { turnPicture(Turn::Rotate180); }

void frmmain::turnPicture(Turn turn) {
    if (doc.selection.turn(turn)) return;  // floats until dropped, with its lift one step
    pictureStep([&] { return doc.turn(turn); });
}

// A change of the whole picture as one step, a busy cursor on a large one;
// why it could not be made is told.
void frmmain::pictureStep(const std::function<QString()>& change) {
    const BusyWhile busy(dialogs, canvas.Image().size());
    doc.beginStep();
    const QString problem = change();
    doc.endStep();
    if (!problem.isEmpty()) dialogs.Message(QStringLiteral("Tavimbre"), problem);
}

// What floats is dropped first, a step of its own; the crop is one more.
void frmmain::cropselection1_Click() {
    const QRect marked = doc.selection.rect().intersected(canvas.Image().rect());
    if (marked.isEmpty()) {
        status_->note(QStringLiteral("Nothing is selected."));
        return;
    }
    doc.selection.end();
    pictureStep([&] { return doc.crop(marked); });
}

void frmmain::cropcontent1_Click() {
    const BusyWhile busy(dialogs, canvas.Image().size());
    const Document::CropResult result = doc.cropToContent();
    if (result.allWhite) status_->note(QStringLiteral("The picture is all white: there is nothing to crop to."));
    if (!result.problem.isEmpty()) dialogs.Message(QStringLiteral("Tavimbre"), result.problem);
}
