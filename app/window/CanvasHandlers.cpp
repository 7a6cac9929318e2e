// The canvas's handlers, which hand each gesture to its one owner, and text
// stamping: typed text floats beside the pointer over the canvas and is
// printed into the picture, top-left corner at the point, at the next press,
// or centred in the last figure drawn at a Return in the text box. With Snap
// on, every point a drawing, marking or moving gesture or the text preview
// gets is a grid point; with Snap to Figures, the line tool's points near a
// figure's connection point go to it.
#include "app/window/frmmain.h"

#include "app/canvas/CanvasView.h"
#include "app/canvas/StatusLine.h"
#include "app/window/CommandTable.h"
#include "core/Label.h"

#include <QLineEdit>
#include <QStyle>
#include <cmath>

// The press chooses the gesture's owner: the selection while Select is on
// (the left button only), the tool dispatcher otherwise. Moves that no
// gesture takes only move the text preview.
void frmmain::Picture1_MouseDown(int Button, int Shift, float X, float Y) {
    // Snap is for the tools that draw, mark or move. The eraser whitens
    // where the pointer is, and Fill and Pick Colour act on the pressed pixel.
    snapGesture_ = pressTools.current() == PressTools::None &&
                   (dispatcher_.nextTool() != Tool::Eraser || doc.selection.active());
    status_->clearNote();
    if (snapGesture_) snapped(X, Y);
    // A marking of snapped corners takes in the outline a pen draws on them.
    doc.selection.markOutlines(snapGesture_ && grid.snap ? penWidth() : 0);
    status_->pointerAt(X, Y);
    // Arrange Figures' press picks a figure and never stamps the pending text.
    GestureOwner* owner = &toolGesture_;
    if (pressTools.current() == PressTools::Arrange) owner = Button == MouseButton::Left ? &figureMove_ : nullptr;
    else if (pressTools.current() != PressTools::None) owner = Button == MouseButton::Left ? &pressGesture_ : nullptr;
    else if (doc.selection.active()) owner = Button == MouseButton::Left ? &selectionGesture_ : nullptr;
    if (owner == &selectionGesture_)
        applyRules(Command::kSelectionPress, [&] { gestures_.press(owner, Button, Shift, X, Y); });
    else
        gestures_.press(owner, Button, Shift, X, Y);
}

void frmmain::Picture1_MouseMove(int Button, int Shift, float X, float Y) {
    form.pointer = QPointF(X, Y);  // where it is, not where it snaps to
    if (gestures_.owner() ? snapGesture_ : pressTools.current() == PressTools::None && form.currentTool != Tool::Eraser)
        snapped(X, Y);
    status_->pointerAt(X, Y);
    if (!gestures_.move(Button, Shift, X, Y) && !doc.selection.active() &&
        pressTools.current() == PressTools::None)
        dispatcher_.MouseMove(0, Shift, X, Y);
}

void frmmain::Picture1_MouseUp(int Button, int Shift, float X, float Y) {
    if (snapGesture_) snapped(X, Y);
    status_->pointerAt(X, Y);
    gestures_.release(Button, Shift, X, Y);
}

// The line tool's points take a figure's connection point within 8 screen
// pixels before a grid point, and the status bar names it; with Snap to
// Figures alone, a point out of every figure's reach stays where it is.
void frmmain::snapped(float& x, float& y) const {
    if (!grid.snap && !snapFigures) return;
    if (form.currentTool == Tool::Line) {
        const double reach = Picture1->toPicture(QPointF(8, 0)).x() * Canvas::kTwipsPerPixel;
        if (const auto point = doc.figures().nearestPoint(QPointF(x, y), reach)) {
            x = float(point->at.x());
            y = float(point->at.y());
            status_->note(FigureMemory::describe(*point));
            return;
        }
    }
    grid.snapPoint(x, y);
}

void frmmain::Picture1_Click() { doc.canvasClean = false; }

void frmmain::txtinsert_Change() {
    if (doc.selection.active()) doc.selection.end();  // text is a tool too
    // In Arrange Figures the text waits for Return, which relabels the current figure.
    if (pressTools.current() != PressTools::Arrange) pressTools.leave();
    form.currentTool = Tool::TextPending;
    moveText1(0, 0);  // back to the canvas's top-left corner
    Text1->setText(txtinsert->text());
    Text1->setVisible(!Text1->text().isEmpty());
    doc.toolsClean = false;
}

void frmmain::txtinsert_KeyPress(int KeyAscii) {
    if (KeyAscii != 13) return;
    runCommand(Command::kStampLabel, [this] { stampLabel(); });
}

void frmmain::labelline1_Click() { stampLabel(true); }

// What floats is dropped first (the rules of Return), its own step. In
// Arrange Figures the text replaces the current figure's label.
void frmmain::stampLabel(bool besideLine) {
    const DrawnFigure* current = pressTools.current() == PressTools::Arrange ? currentFigure() : nullptr;
    const std::optional<DrawnFigure>& line = doc.figures().lastLine();
    // The figure labelled grows by pixels, or by grid steps with Snap on.
    const int growStep = grid.snap ? grid.spacing() : 1;
    const Label::Stamp stamped =
        besideLine ? (line ? Label::stampOn(doc, DrawnFigure(*line), txtinsert->text(), doc.labelSites, growStep)
                           : Label::Stamp::NoFigure)
        : pressTools.current() != PressTools::Arrange ? Label::stamp(doc, txtinsert->text(), doc.labelSites, growStep)
        : current                                     ? doc.relabel(current->id, txtinsert->text(), growStep)
                                                      : Label::Stamp::NoFigure;
    switch (stamped) {
    case Label::Stamp::Done:
    case Label::Stamp::Grown:
    case Label::Stamp::Smaller:
    case Label::Stamp::TooLarge:
        txtinsert->setText(QString());
        Text1->hide();
        if (stamped == Label::Stamp::Grown)
            status_->note(tr("The figure grew to hold its label."));
        if (stamped == Label::Stamp::Smaller)
            status_->note(tr("The figure cannot grow to hold its label here: it is stamped smaller."));
        if (stamped == Label::Stamp::TooLarge)
            status_->note(tr("The label is larger than its figure: it is stamped at 6 points."));
        break;
    case Label::Stamp::NoFigure:
        status_->note(besideLine
                          ? tr("Draw a line or an arrow first: Ctrl+Return writes the text beside the last one drawn.")
                          : tr("Draw a figure first: Return centres the text in the last figure drawn."));
        break;
    case Label::Stamp::NoText:
        break;
    }
}

void frmmain::fitText1() {
    const int frame = Text1->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, Text1);
    // A line edit keeps 2 pixels each side of its text, and one for the cursor.
    const QFontMetricsF metrics(Text1->font());
    const int width = int(std::ceil(metrics.horizontalAdvance(Text1->text()))) + 2 * 2 + 1 + 2 * frame;
    const int height = int(std::ceil(metrics.height())) + 2 + 2 * frame;
    Text1->resize(width, std::max(375 / 15, height));
    Text1->setCursorPosition(0);
    if (Text1->text().isEmpty()) Text1->hide();
}

void frmmain::stampText(float x, float y) {
    doc.printText(QPointF(x, y), txtinsert->text());
    txtinsert->setText(QString());  // raises txtinsert_Change only when it held text
    Text1->hide();
}
