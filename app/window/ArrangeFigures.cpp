// Edit > Arrange Figures: a press picks the current figure, a drag moves it
// with its connectors following, the arrow keys nudge it, Delete removes it
// and Return relabels it. The view marks the current figure with a frame in
// the desktop's highlight colour, over the picture and never in it, and the
// status bar names it.
#include "app/canvas/CanvasView.h"
#include "app/canvas/StatusLine.h"
#include "app/window/CommandTable.h"
#include "app/window/frmmain.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

// The symbols by the names the label table of the user's guide gives them.
const std::pair<int, const char*> kSymbolNames[] = {
    {Tool::Process, QT_TRANSLATE_NOOP("Arrange", "Process box")},
    {Tool::Circle, QT_TRANSLATE_NOOP("Arrange", "Circle")},
    {Tool::SequentialData, QT_TRANSLATE_NOOP("Arrange", "Sequential data")},
    {Tool::Start, QT_TRANSLATE_NOOP("Arrange", "Start")},
    {Tool::Terminate, QT_TRANSLATE_NOOP("Arrange", "Terminate")},
    {Tool::Decision, QT_TRANSLATE_NOOP("Arrange", "Decision")},
    {Tool::Data, QT_TRANSLATE_NOOP("Arrange", "Data")},
    {Tool::StoredData, QT_TRANSLATE_NOOP("Arrange", "Stored data")},
    {Tool::PredefinedProcess, QT_TRANSLATE_NOOP("Arrange", "Predefined process")},
    {Tool::InternalStorage, QT_TRANSLATE_NOOP("Arrange", "Internal storage")},
    {Tool::DirectData, QT_TRANSLATE_NOOP("Arrange", "Direct data")},
    {Tool::ManualInput, QT_TRANSLATE_NOOP("Arrange", "Manual input")},
    {Tool::ManualOperation, QT_TRANSLATE_NOOP("Arrange", "Manual operation")},
    {Tool::Preparation, QT_TRANSLATE_NOOP("Arrange", "Preparation")},
    {Tool::LoopLimit, QT_TRANSLATE_NOOP("Arrange", "Loop limit")},
    {Tool::OffPageReference, QT_TRANSLATE_NOOP("Arrange", "Off-page reference")},
    {Tool::ParallelMode, QT_TRANSLATE_NOOP("Arrange", "Parallel mode")},
    {Tool::InternalProcess, QT_TRANSLATE_NOOP("Arrange", "Internal process")},
    {Tool::PaperTape, QT_TRANSLATE_NOOP("Arrange", "Paper tape")},
    {Tool::DocumentSymbol, QT_TRANSLATE_NOOP("Arrange", "Document")},
};

QString translated(const char* text) { return QCoreApplication::translate("Arrange", text); }

}  // namespace

void frmmain::buildArrange() {
    figureMove_.onPicked = [this](int figure) {
        form.currentFigure = figure;
        form.currentChart = doc.chart().origin();
    };
    figureMove_.onEnded = [this] { closeStep(Command::kFigureMove); };
    status_->arranged = [this] { return currentFigureName(); };
    Picture1->installEventFilter(this);
}

// The status bar then names the mode and the current figure.
void frmmain::arrange1_Click() { pressTools.choose(PressTools::Arrange); }

// The figure chosen last, while the chart holds it; else the last figure drawn.
const DrawnFigure* frmmain::currentFigure() const {
    // An id picked on a picture since replaced names nothing here.
    const bool picked = form.currentFigure && form.currentChart == doc.chart().origin();
    if (const DrawnFigure* chosen = picked ? doc.chart().figure(form.currentFigure) : nullptr)
        return chosen;
    const std::vector<DrawnFigure>& drawn = doc.figures().figures();
    return drawn.empty() ? nullptr : doc.chart().figure(drawn.back().id);
}

// "Decision: In stock?", or the symbol's name alone when it has no label.
QString frmmain::currentFigureName() const {
    const DrawnFigure* figure = currentFigure();
    if (!figure) return {};
    QString name;
    for (const auto& [tool, text] : kSymbolNames)
        if (tool == figure->tool) name = translated(text);
    const QString label = doc.chart().labelOf(figure->id);
    return label.isEmpty() ? name : translated(QT_TRANSLATE_NOOP("Arrange", "%1: %2")).arg(name, label);
}

// Consecutive nudges of one figure are one step: the last nudge, while
// nothing has happened since, is taken back and the whole way made at once.
void frmmain::nudge(QPoint by) {
    bool moved = false;
    runCommand(Command::kFigureMove, [&] {
        const DrawnFigure* current = currentFigure();
        if (!current) return status_->note(tr("Draw a figure first: the arrow keys move the current figure."));
        const int figure = current->id;
        const bool again = nudged_.figure == figure && nudged_.position == history.position();
        const QPoint total = again ? nudged_.by + by : by;
        if (again) {
            doc.undo();  // closes the runner's step, still empty
            doc.beginStep();
        }
        if (total.isNull()) {  // the nudges cancel out: the figure is back where it was
            nudged_.figure = 0;
            return;
        }
        if (doc.moveFigure(figure, total)) {
            nudged_.figure = figure;
            nudged_.by = total;
            moved = true;
            return;
        }
        if (again) doc.redo();  // the nudges so far stay
    });
    if (moved) nudged_.position = history.position();
}

// With the canvas focused in Arrange Figures, the arrow keys nudge the
// current figure a pixel, with Ctrl a grid step; elsewhere they scroll.
bool frmmain::eventFilter(QObject* watched, QEvent* event) {
    if (watched != static_cast<QObject*>(Picture1) || event->type() != QEvent::KeyPress || pressTools.current() != PressTools::Arrange)
        return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~(Qt::ControlModifier | Qt::KeypadModifier)) return false;
    const int step = key->modifiers() & Qt::ControlModifier ? grid.spacing() : 1;
    QPoint by;
    switch (key->key()) {
    case Qt::Key_Left: by = QPoint(-step, 0); break;
    case Qt::Key_Right: by = QPoint(step, 0); break;
    case Qt::Key_Up: by = QPoint(0, -step); break;
    case Qt::Key_Down: by = QPoint(0, step); break;
    default: return false;
    }
    nudge(by);  // the runner repaints
    return true;
}
