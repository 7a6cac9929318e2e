// The Edit menu: undo and redo of whole changes, the selection, and the
// picture, or its selected part, to and from the clipboard. Undo and redo
// change the picture, so it counts as changed.
#include "app/window/frmmain.h"

#include "app/canvas/CanvasScroller.h"
#include "app/canvas/StatusLine.h"
#include "files/PictureFile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

// What floats is dropped first (its row's rule): an undo then takes back
// the whole move.
void frmmain::undo1_Click() { doc.undo(); }

// What floats is the newest change: its drop (the row's rule), a new step,
// ends what could be redone.
void frmmain::redo1_Click() { doc.redo(); }

void frmmain::updateEditItems() {
    const Selection& s = doc.selection;
    // During a gesture Undo and Redo take back that gesture, so their keys
    // work then even with nothing in the history.
    const bool gesture = gestures_.owner() != nullptr;
    menuItems.value(QStringLiteral("undo1"))->setEnabled(gesture || history.canUndo() || !s.floating().isNull());
    menuItems.value(QStringLiteral("redo1"))->setEnabled(gesture || (history.canRedo() && s.floating().isNull()));
    const bool arranging = pressTools.current() == PressTools::Arrange;
    menuItems.value(QStringLiteral("cut1"))->setEnabled(!s.rect().isEmpty());
    menuItems.value(QStringLiteral("delete1"))->setEnabled(arranging ? currentFigure() != nullptr : !s.rect().isEmpty());
    menuItems.value(QStringLiteral("arrange1"))->setChecked(arranging);
    menuItems.value(QStringLiteral("select1"))->setChecked(s.active());
    menuItems.value(QStringLiteral("fill1"))->setChecked(pressTools.current() == PressTools::Fill);
    menuItems.value(QStringLiteral("pickcolor1"))->setChecked(pressTools.current() == PressTools::PickColor);
    menuItems.value(QStringLiteral("copy1"))
        ->setText(QCoreApplication::translate("Menu", s.rect().isEmpty() ? QT_TRANSLATE_NOOP("Menu", "Copy Picture")
                                                                         : QT_TRANSLATE_NOOP("Menu", "Copy")));
}

void frmmain::copy1_Click() {
    // In the text box Ctrl+C copies its selected text, as everywhere else.
    if (QApplication::focusWidget() == txtinsert && txtinsert->hasSelectedText()) {
        txtinsert->copy();
        return;
    }
    const QImage part = doc.selection.imageForCopy();
    QApplication::clipboard()->setImage(part.isNull() ? canvas.Image() : part);
}

// Select again leaves it, what floats dropped.
void frmmain::select1_Click() {
    if (doc.selection.active())
        doc.selection.end();
    else
        doc.selection.start();
}

void frmmain::transparent1_Click() {
    doc.selection.setTransparent(menuItems.value(QStringLiteral("transparent1"))->isChecked());
}

void frmmain::selectall1_Click() {
    // In the text box Ctrl+A selects its text, as everywhere else.
    if (QApplication::focusWidget() == txtinsert) {
        txtinsert->selectAll();
        return;
    }
    doc.selection.markAll();
}

// Esc leaves Select, Fill, Pick Colour and Arrange Figures (its row's
// rules), and gives up a locked tool. Outside Arrange Figures it makes the
// last figure drawn the current one again.
void frmmain::deselect1_Click() {
    unlockTool();
    if (pressTools.left() != PressTools::Arrange) form.currentFigure = 0;
}

// In Arrange Figures: the current figure, its labels and its connectors.
void frmmain::delete1_Click() {
    if (pressTools.current() != PressTools::Arrange)
        doc.selection.remove();
    else if (const DrawnFigure* current = currentFigure())
        doc.removeFigure(current->id);
}

void frmmain::cut1_Click() {
    if (doc.selection.rect().isEmpty()) return;
    copy1_Click();
    delete1_Click();
}

// The clipboard's picture floats at the top left of what shows, after a
// question when it is larger than the picture.
void frmmain::paste1_Click() {
    pasteFrom(QApplication::clipboard()->mimeData(), tr("The picture could not be pasted: %1"));
}

void frmmain::pasteFrom(const QMimeData* data, const QString& refusal) {
    const LoadedPicture picture = pictureFromMime(data, refusal);
    if (!picture.error.isEmpty()) {
        dialogs.Message(QStringLiteral("Tavimbre"), picture.error);
        return;
    }
    const QImage pasted = picture.image.convertToFormat(canvas.Image().format());
    if (pasted.isNull()) {
        status_->note(tr("The clipboard holds no picture."));
        return;
    }
    const QSize now = canvas.Image().size();
    if (pasted.width() > now.width() || pasted.height() > now.height()) {
        const int answer = dialogs.MsgBox(tr("The pasted picture is larger than this one. Enlarge it?"),
                                          MsgStyle::YesNo, QStringLiteral("Tavimbre"));
        if (answer == Answer::Yes) resizeCanvas(now.expandedTo(pasted.size()));
    }
    doc.selection.put(pasted, scroller_->firstPixelShown());
}
