// The Image menu's Canvas Size and the handles of the picture's frame: the
// picture at another size, its pixels kept at the top left.
#include "app/window/frmmain.h"

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
