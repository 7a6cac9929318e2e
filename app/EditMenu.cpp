// The Edit menu: undo and redo of whole changes, and the picture to the
// clipboard. Undo and redo change the picture, so it counts as changed.
#include "app/frmmain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

void frmmain::undo1_Click() { doc.undo(); }

void frmmain::redo1_Click() { doc.redo(); }

void frmmain::updateEditItems() {
    menuItems.value(QStringLiteral("undo1"))->setEnabled(history.canUndo());
    menuItems.value(QStringLiteral("redo1"))->setEnabled(history.canRedo());
}

void frmmain::copy1_Click() {
    // In the text box Ctrl+C copies its selected text, as everywhere else.
    if (QApplication::focusWidget() == txtinsert && txtinsert->hasSelectedText()) {
        txtinsert->copy();
        return;
    }
    QApplication::clipboard()->setImage(canvas.Image());
}
