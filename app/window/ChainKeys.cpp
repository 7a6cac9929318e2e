// The next figure in one key: Alt+Down, Alt+Up, Alt+Left and Alt+Right,
// whichever widget has the focus, draw a figure as large as the one under
// the pointer (or the last one drawn) the chain gap away, joined to it by an
// arrow, as one step. Typing and Return then label the new figure, and the
// next key chains from it. Tools > Chain Gap sets the gap.
#include "app/canvas/CanvasScroller.h"
#include "app/canvas/StatusLine.h"
#include "app/window/CommandTable.h"
#include "app/window/frmmain.h"

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
    if (dispatcher_.nextTool() == Tool::Eraser)
        return tr("Chaining draws a figure: choose a figure tool in place of the eraser.");
    if (doc.figures().figures().empty())
        return tr("Draw a figure first: Alt and an arrow key draw the next one from it.");
    return QString();
}

void frmmain::chain(Chain::Direction direction) {
    runCommand(Command::kChain, [&] { chainFrom(direction); });
}

void frmmain::chainFrom(Chain::Direction direction) {
    QString why = chainRefusal();
    if (!why.isEmpty()) {
        status_->note(why);
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
