// The View menu: the zoom, which the view and its scroll area keep with the
// place on the screen, and the grid, which the view shows over the picture.
#include "app/canvas/CanvasScroller.h"
#include "app/canvas/CanvasView.h"
#include "app/window/frmmain.h"

#include <QAction>

void frmmain::zoomin1_Click() { scroller_->zoomIn(); }

void frmmain::zoomout1_Click() { scroller_->zoomOut(); }

void frmmain::zoom100_Click() { scroller_->zoomAboutCentre(100); }

void frmmain::zoomfit1_Click() { scroller_->zoomToFit(); }

// The check items say what the grid does; a toolbar's toggle shares their actions.
void frmmain::showgrid1_Click() {
    grid.shown = menuItems.value(QStringLiteral("showgrid1"))->isChecked();
    Picture1->update();
}

void frmmain::snap1_Click() { grid.snap = menuItems.value(QStringLiteral("snap1"))->isChecked(); }

void frmmain::snapfigures1_Click() { snapFigures = menuItems.value(QStringLiteral("snapfigures1"))->isChecked(); }

void frmmain::gridspacing1_Click() {
    int spacing = grid.spacing();
    if (!dialogs.AskGridSpacing(spacing)) return;
    if (!grid.setSpacing(spacing)) {
        dialogs.Message(QStringLiteral("Tavimbre"),
                        tr("The grid spacing is %1 to %2 pixels.").arg(Grid::kMinSpacing).arg(Grid::kMaxSpacing));
        return;
    }
    if (grid.shown) Picture1->update();
}
