// The next figure in one key: Alt+Down, Alt+Up, Alt+Left and Alt+Right,
// whichever widget has the focus, draw a figure as large as the one under
// the pointer (or the last one drawn) the chain gap away, joined to it by an
// arrow, as one step. Text waiting in "Enter Text" is stamped first, as
// Return stamps it, a step of its own; so typing and the next key label a
// figure and chain from it. With no figure yet, the key draws the first one
// at the top left of what shows. Tools > Chain Gap sets the gap.
#include "app/canvas/CanvasScroller.h"
#include "app/canvas/StatusLine.h"
#include "app/window/CommandTable.h"
#include "app/window/frmmain.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QShortcut>

void frmmain::buildChainKeys() {
    using D = Chain::Direction;
    const std::pair<Qt::Key, D> keys[] = {
        {Qt::Key_Down, D::Down}, {Qt::Key_Up, D::Up}, {Qt::Key_Left, D::Left}, {Qt::Key_Right, D::Right}};
    for (const auto& [key, direction] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, d = direction] { chain(d); });
    }
}

// Why no figure can be chained now, or empty.
QString frmmain::chainRefusal() const {
    if (doc.selection.active()) return tr("Chaining draws a figure: leave Select first (Esc).");
    if (pressTools.current() == PressTools::Fill) return tr("Chaining draws a figure: leave Fill first (Esc).");
    if (pressTools.current() == PressTools::PickColor)
        return tr("Chaining draws a figure: leave Pick Colour first (Esc).");
    // The first figure is a process box in place of the eraser.
    if (dispatcher_.nextTool() == Tool::Eraser && !doc.figures().figures().empty())
        return tr("Chaining draws a figure: choose a figure tool in place of the eraser.");
    return QString();
}

void frmmain::chain(Chain::Direction direction) {
    // The figure tool chosen before the text was stamped stays chosen.
    const int chosen = form.currentTool;
    if (!txtinsert->text().simplified().isEmpty() && doc.figures().last()) {
        runCommand(Command::kStampLabel, [this] { stampLabel(); });
        if (FigureMemory::isFigure(chosen)) form.currentTool = chosen;
    }
    runCommand(Command::kChain, [&] { chainFrom(direction); });
}

void frmmain::chainFrom(Chain::Direction direction) {
    QString why = chainRefusal();
    if (!why.isEmpty()) {
        status_->note(why);
        return;
    }
    if (doc.figures().figures().empty()) {
        firstFigure();
        return;
    }
    // The pointer chooses the source only where it came to rest after the
    // last chain: the next key goes on from the new figure.
    const FigureMemory& memory = doc.figures();
    const DrawnFigure* under = form.pointer ? memory.under(*form.pointer) : nullptr;
    const DrawnFigure source = under ? *under : memory.figures().back();
    // The figure tool chosen or locked, else the source's.
    const int current = dispatcher_.nextTool();
    const int tool = FigureMemory::isFigure(current) ? current : source.tool;
    const auto plan = Chain::plan(source, tool, direction, form.chainGap, grid, canvas.Image().size(), shapes_, why);
    if (!plan) {
        status_->note(why);
        return;
    }
    const LineLook arrow{LineEnds::End, state.lineLook.style, LineRoute::Straight};
    dispatcher_.drawAt(Tool::Line, float(plan->from.x()), float(plan->from.y()), float(plan->to.x()),
                       float(plan->to.y()), arrow);
    dispatcher_.drawAt(tool, float(plan->press.x()), float(plan->press.y()), float(plan->release.x()),
                       float(plan->release.y()));
    form.pointer.reset();
    scroller_->showPixels(plan->figure.pixels());
}

// The chosen figure tool's figure (a process box for none), 120 by 60
// pixels, its top-left corner the chain gap from that of what shows, on the
// next grid point with Snap on.
void frmmain::firstFigure() {
    const int current = dispatcher_.nextTool();
    const int tool = FigureMemory::isFigure(current) ? current : int(Tool::Process);
    QPoint at = scroller_->firstPixelShown() + QPoint(form.chainGap, form.chainGap);
    if (grid.snap) {
        const int step = grid.spacing();
        at = QPoint((at.x() + step - 1) / step * step, (at.y() + step - 1) / step * step);
    }
    const QRect figure(at, QSize(121, 61));  // the release's pixels too
    if (!QRect(QPoint(0, 0), canvas.Image().size()).contains(figure)) {
        status_->note(QCoreApplication::translate("Chain", "The next figure would not fit inside the picture."));
        return;
    }
    constexpr float tp = Canvas::kTwipsPerPixel;
    dispatcher_.drawAt(tool, float(at.x()) * tp, float(at.y()) * tp, float(at.x() + 120) * tp,
                       float(at.y() + 60) * tp);
    form.pointer.reset();
    scroller_->showPixels(figure);
}

void frmmain::chaingap1_Click() {
    int gap = form.chainGap;
    if (!dialogs.AskChainGap(gap)) return;
    if (gap < Chain::kMinGap || gap > Chain::kMaxGap) {
        dialogs.Message(QStringLiteral("Tavimbre"),
                        tr("The chain gap is %1 to %2 pixels.").arg(Chain::kMinGap).arg(Chain::kMaxGap));
        return;
    }
    form.chainGap = gap;
}
