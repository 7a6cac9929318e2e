// The Edit menu: undo and redo of whole changes, and the picture, or its
// selected part, to the clipboard. Undo and redo change the picture, so it counts as changed.
#include "app/frmmain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

// What floats is dropped first: an undo then takes back the whole move.
void frmmain::undo1_Click() {
    endSelection();
    doc.undo();
}

void frmmain::redo1_Click() {
    endSelection();
    doc.redo();
}

void frmmain::updateEditItems() {
    menuItems.value(QStringLiteral("undo1"))->setEnabled(history.canUndo() || !floating_.isNull());
    menuItems.value(QStringLiteral("redo1"))->setEnabled(history.canRedo());
    for (const char* name : {"cut1", "delete1"})
        menuItems.value(QLatin1String(name))->setEnabled(!selection_.isEmpty());
    menuItems.value(QStringLiteral("copy1"))
        ->setText(selection_.isEmpty() ? QStringLiteral("Copy Picture") : QStringLiteral("Copy"));
}

void frmmain::copy1_Click() {
    // In the text box Ctrl+C copies its selected text, as everywhere else.
    if (QApplication::focusWidget() == txtinsert && txtinsert->hasSelectedText()) {
        txtinsert->copy();
        return;
    }
    if (selection_.isEmpty())
        QApplication::clipboard()->setImage(canvas.Image());
    else
        QApplication::clipboard()->setImage(floating_.isNull() ? canvas.Image().copy(selection_) : floating_);
}
