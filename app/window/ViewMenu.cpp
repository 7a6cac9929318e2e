// The View menu's zoom: the view and its scroll area keep the levels and
// the place on the screen.
#include "app/canvas/CanvasScroller.h"
#include "app/window/frmmain.h"

void frmmain::zoomin1_Click() { scroller_->zoomIn(); }

void frmmain::zoomout1_Click() { scroller_->zoomOut(); }

void frmmain::zoom100_Click() { scroller_->zoomAboutCentre(100); }

void frmmain::zoomfit1_Click() { scroller_->zoomToFit(); }
