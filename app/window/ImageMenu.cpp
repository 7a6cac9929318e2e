// The Image menu: Canvas Size and the handles of the picture's frame (the
// picture at another size, its pixels kept at the top left), the flips and
// rotations of the picture or of its selected part, and the crops. Each
// row's rules make it one step, weighed against the undo budget first.
#include "app/window/CommandTable.h"
#include "app/window/frmmain.h"

#include "app/canvas/StatusLine.h"

void frmmain::canvassize1_Click() {
    QSize size = canvas.Image().size();
    if (dialogs.AskCanvasSize(size)) resizeCanvas(size);
}

void frmmain::resizeByHandle(QSize size) { runCommand(Command::kHandleResize, [&] { resizeCanvas(size); }); }

void frmmain::resizeCanvas(QSize size) { tell(doc.resize(size)); }

void frmmain::fliph1_Click() { turnPicture(Turn::FlipHorizontal); }
void frmmain::flipv1_Click() { turnPicture(Turn::FlipVertical); }
void frmmain::rotateright1_Click() { turnPicture(Turn::RotateRight); }
void frmmain::rotateleft1_Click() { turnPicture(Turn::RotateLeft); }
void frmmain::rotate1801_Click() { turnPicture(Turn::Rotate180); }

// A marked part floats turned until dropped, its lift one step; the whole
// picture marked is the picture turned, and marked whole again.
void frmmain::turnPicture(Turn turn) {
    const bool allMarked = !doc.selection.rect().isEmpty();
    switch (doc.selection.turn(turn)) {
    case Selection::Turned::Part:
        return;
    case Selection::Turned::NoMemory:
        tell(tr("Not enough memory to turn the selected part"));
        return;
    case Selection::Turned::WholePicture:
        break;
    }
    const qint64 before = canvas.Image().cacheKey();
    tell(doc.turn(turn));
    if (allMarked && canvas.Image().cacheKey() != before) doc.selection.markAll();
}

void frmmain::tell(const QString& problem) {
    if (!problem.isEmpty()) dialogs.Message(QStringLiteral("Tavimbre"), problem);
}

// What floats is dropped first (its row's rule), a step of its own; the
// crop is one more, and ends Select.
void frmmain::cropselection1_Click() {
    const QRect marked = doc.selection.rect().intersected(canvas.Image().rect());
    if (marked.isEmpty()) {
        status_->note(tr("Nothing is selected."));
        return;
    }
    doc.selection.start();  // Select stays on, nothing marked on the part kept
    tell(doc.crop(marked));
}

void frmmain::cropcontent1_Click() {
    const Document::CropResult result = doc.cropToContent();
    if (result.allWhite) status_->note(tr("The picture is all white: there is nothing to crop to."));
    tell(result.problem);
}
