// The window itself: start-up, the palette's colour, the caption, the events
// of the window as a whole, and the end of a drag that a command interrupts.
#include "frmmain.h"

#include "app/window/CommandTable.h"

#include "app/canvas/CanvasView.h"
#include "app/canvas/PictureFrame.h"
#include "app/canvas/StatusLine.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

namespace {

const QColor kPaletteColor(216, 228, 248);

}  // namespace

frmmain::frmmain(Dialogs& dialogs_, QWidget* parent)
    : QMainWindow(parent), dialogs(dialogs_), dispatcher_(doc, form.currentTool, state, shapes_, *this) {
    setObjectName(QStringLiteral("frmmain"));
    setAcceptDrops(true);
    history.onStepNotKept([this] {
        dialogs.Message(QStringLiteral("Tavimbre"), tr("This change is too large to be undone."));
    });
    history.onTooLargeToUndo([this] {
        return dialogs.MsgBox(tr("This change is too large to be undone. Make it anyway?"),
                              MsgStyle::YesNoWarning, QStringLiteral("Tavimbre")) == Answer::Yes;
    });
    doc.onIdentityChanged = [this] { showCaption(); };
    // A rubber band or a figure's move preview is never in a recovery copy.
    recovery.holdWhile([this] { return dispatcher_.dragging() || figureMove_.moving(); });
    // An elbow pressed on a figure's side leaves that side at a right angle.
    doc.drawFigure = [this](int tool, QLineF drag, VbColor colour) {
        dispatcher_.drawFinished(tool, float(drag.x1()), float(drag.y1()), float(drag.x2()), float(drag.y2()), colour);
    };
    doc.labelSites = [this](int tool, float x0, float y0, float x1, float y1) {
        return dispatcher_.labelSite(tool, x0, y0, x1, y1);
    };
    dispatcher_.firstLegAt = [this](float x, float y) {
        const auto side = doc.figures().sideAt(QPointF(x, y), Canvas::kTwipsPerPixel);
        if (!side) return FirstLeg::Longer;
        using Side = FigureMemory::Side;
        return side->side == Side::Left || side->side == Side::Right ? FirstLeg::Horizontal : FirstLeg::Vertical;
    };
    buildControls();
    buildMenu();
    buildToolbar();
    buildChainKeys();
    buildArrange();
    Form_Load();
    // The design size where the screen has room for it; on a smaller screen
    // the window is smaller, and the canvas and the left column scroll.
    centralWidget()->setMinimumSize((4080 + 11130) / 15 + 2 * PictureFrame::kMargin,
                                    10335 / 15 + 2 * PictureFrame::kMargin);
    const QSize design = minimumSizeHint();
    centralWidget()->setMinimumSize(0, 0);
    resize(screen() ? design.boundedTo(screen()->availableGeometry().size()) : design);
}

frmmain::~frmmain() = default;

void frmmain::Form_Load() {
    form.cancelClose = false;
    form.closeConfirmed = false;
    form.currentTool = Tool::None;
    state.prevX = -1;
    state.prevY = -1;
    doc.canvasClean = true;
    doc.toolsClean = true;
    widths_.fill();
    cmberaserwidth->setCurrentIndex(4);
    state.eraserSize = float(cmberaserwidth->currentText().toDouble() * 10);
    colorchange();
    state.drawColor = 0;
    widths_.selectDraw(1);
    const QString untitled = untitledTitle();
    doc.setIdentity({doc.identity().path, untitled, true, untitled});
}

void frmmain::colorchange() {
    for (QToolButton* b : std::as_const(buttons)) {
        QPalette pal = b->palette();
        pal.setColor(QPalette::Button, kPaletteColor);
        b->setPalette(pal);
    }
}

void frmmain::showCaption() { setWindowTitle(kCaptionPrefix + doc.identity().shown); }

void frmmain::refreshCanvas() {
    const DrawnFigure* current = pressTools.current() == PressTools::Arrange ? currentFigure() : nullptr;
    Picture1->markFigure(current ? current->pixels() : QRect());
    // What a screen reader says of the picture: the figure keys act on.
    if (const QString named = currentFigureName(); Picture1->accessibleDescription() != named)
        Picture1->setAccessibleDescription(named);
    Picture1->refresh();
    recovery.settle();
    updateEditItems();
    status_->refresh();
    showCurrentButton();
}

bool frmmain::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) cancelDrag();
    return QMainWindow::event(event);
}

void frmmain::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    runCommand(Command::kClose, [&] { Form_Unload(cancel); });
    if (cancel) {
        event->ignore();
        return;
    }
    unloaded_ = true;
    recovery.discard();  // closed with the user's consent: nothing to recover
    event->accept();
}

namespace {

// The first local file among the dropped ones, if any, by the bytes of its
// name: the URL keeps bytes that are not UTF-8 percent-encoded, where its
// text would have turned them into U+FFFD.
LocalPath droppedFile(const QMimeData* mime) {
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            return LocalPath::fromBytes(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    return {};
}

// Picture data rather than a file, as a browser or an editor drags it.
bool droppedPicture(const QMimeData* mime) {
    if (mime->hasImage()) return true;
    const QStringList formats = mime->formats();
    return std::any_of(formats.begin(), formats.end(), [](const QString& f) { return f.startsWith(QLatin1String("image/")); });
}

}  // namespace

// A dropped file is opened; dropped picture data floats as a paste does.
void frmmain::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty() || droppedPicture(event->mimeData())) event->acceptProposedAction();
}

void frmmain::dropEvent(QDropEvent* event) {
    const LocalPath path = droppedFile(event->mimeData());
    if (path.isEmpty() && !droppedPicture(event->mimeData())) return;
    event->acceptProposedAction();
    if (!path.isEmpty()) {
        openFile(path);
        return;
    }
    runCommand(Command::kDroppedPicture,
               [&] { pasteFrom(event->mimeData(), tr("The dropped picture could not be used: %1")); });
}

int frmmain::penWidth() { return widths_.drawWidth(); }
int frmmain::eraserWidth() { return widths_.eraserWidth(); }

void frmmain::moveText1(float left, float top) {
    text1Left_ = left;
    text1Top_ = top;
    Text1->move(Picture1->toWidget(Canvas::toPixels(left)), Picture1->toWidget(Canvas::toPixels(top)));
}

void frmmain::followPointer(float x, float y) { moveText1(x + 100, y + 100); }

bool frmmain::cancelDrag() {
    if (!gestures_.cancel()) return false;
    refreshCanvas();
    return true;
}
