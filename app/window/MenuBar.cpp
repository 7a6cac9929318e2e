// The menu bar: File, Edit, View, Image, Tools, Help and Exit, with their shortcuts
// and Alt+letter keys, built from the command table; and the one runner
// that applies a command's rules around its handler.
//
// A new command is one row: its menu, name, caption (marked for the
// translations), shortcuts, handler and rules. An edit of the pixels takes Command::kEdit (one step, asked about
// first, busy on a large picture, a change), with LeavesSelect or
// DropsFloating when what floats must be dropped before it.
#include "app/window/CommandTable.h"
#include "app/window/frmmain.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenuBar>
#include <QToolButton>
#include <optional>

using namespace Command;

namespace {

QList<QKeySequence> digitKeys(Qt::Key digit) {
    return {QKeySequence(Qt::CTRL | digit), QKeySequence(Qt::CTRL | Qt::SHIFT | digit)};
}

}  // namespace

const std::vector<CommandRow>& commandTable() {
    using K = QKeySequence;
    static const std::vector<CommandRow> rows = {
        {"File", "new1", QT_TRANSLATE_NOOP("Menu", "New"), {K(Qt::CTRL | Qt::Key_N)}, &frmmain::new1_Click, kReplace},
        {"File", "open1", QT_TRANSLATE_NOOP("Menu", "Open"), {K(Qt::CTRL | Qt::Key_O)},
         &frmmain::open1_Click, kReplace},
        {"File", "save1", QT_TRANSLATE_NOOP("Menu", "Save"), {K(Qt::CTRL | Qt::Key_S)},
         &frmmain::save1_Click, LeavesSelect | Step | Busy},
        {"File", "saveas1", QT_TRANSLATE_NOOP("Menu", "Save As"), {},
         &frmmain::saveas1_Click, LeavesSelect | Step | Busy},
        {"Edit", "undo1", QT_TRANSLATE_NOOP("Menu", "Undo"), {K(Qt::CTRL | Qt::Key_Z)},
         &frmmain::undo1_Click, EndsDragOnly | LeavesSelect | Busy},
        {"Edit", "redo1", QT_TRANSLATE_NOOP("Menu", "Redo"),
         {K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), K(Qt::CTRL | Qt::Key_Y)},
         &frmmain::redo1_Click, EndsDragOnly | LeavesSelect | Busy},
        {"Edit", "select1", QT_TRANSLATE_NOOP("Menu", "Select"), {K(Qt::CTRL | Qt::SHIFT | Qt::Key_M)},
         &frmmain::select1_Click, DropsFloating | LeavesPressTool, true},
        {"Edit", "selectall1", QT_TRANSLATE_NOOP("Menu", "Select All"), {K(Qt::CTRL | Qt::Key_A)},
         &frmmain::selectall1_Click, DropsFloating | LeavesPressTool},
        {"Edit", "deselect1", QT_TRANSLATE_NOOP("Menu", "Deselect"), {K(Qt::Key_Escape)}, &frmmain::deselect1_Click,
         EndsDragOnly | LeavesSelect | LeavesPressTool},
        {"Edit", "cut1", QT_TRANSLATE_NOOP("Menu", "Cut"), {K(Qt::CTRL | Qt::Key_X)}, &frmmain::cut1_Click, kEdit},
        {"Edit", "copy1", QT_TRANSLATE_NOOP("Menu", "Copy Picture"), {K(Qt::CTRL | Qt::Key_C)},
         &frmmain::copy1_Click, 0},
        {"Edit", "paste1", QT_TRANSLATE_NOOP("Menu", "Paste"), {K(Qt::CTRL | Qt::Key_V)}, &frmmain::paste1_Click, kPaste},
        {"Edit", "delete1", QT_TRANSLATE_NOOP("Menu", "Delete"), {K(Qt::Key_Delete)}, &frmmain::delete1_Click, kEdit},
        // Choosing it again leaves it, as Fill's and Pick Colour's rows do.
        {"Edit", "arrange1", QT_TRANSLATE_NOOP("Menu", "Arrange Figures"), {K(Qt::CTRL | Qt::SHIFT | Qt::Key_R)},
         &frmmain::arrange1_Click, LeavesSelect, true},
        {"View", "zoomin1", QT_TRANSLATE_NOOP("Menu", "Zoom In"),
         {K(Qt::CTRL | Qt::Key_Plus), K(Qt::CTRL | Qt::Key_Equal)},
         &frmmain::zoomin1_Click, 0},
        {"View", "zoomout1", QT_TRANSLATE_NOOP("Menu", "Zoom Out"), {K(Qt::CTRL | Qt::Key_Minus)},
         &frmmain::zoomout1_Click, 0},
        {"View", "zoom100", QT_TRANSLATE_NOOP("Menu", "Actual Size"), {K(Qt::CTRL | Qt::Key_0)},
         &frmmain::zoom100_Click, 0},
        {"View", "zoomfit1", QT_TRANSLATE_NOOP("Menu", "Fit Window"), {}, &frmmain::zoomfit1_Click, 0},
        {"View", "showgrid1", QT_TRANSLATE_NOOP("Menu", "Show Grid"), {}, &frmmain::showgrid1_Click, 0, true},
        {"View", "snap1", QT_TRANSLATE_NOOP("Menu", "Snap to Grid"), {}, &frmmain::snap1_Click, 0, true},
        {"View", "snapfigures1", QT_TRANSLATE_NOOP("Menu", "Snap to Figures"), {}, &frmmain::snapfigures1_Click, 0,
         true},
        {"View", "gridspacing1", QT_TRANSLATE_NOOP("Menu", "Grid Spacing..."), {}, &frmmain::gridspacing1_Click, 0},
        {"Image", "canvassize1", QT_TRANSLATE_NOOP("Menu", "Canvas Size..."), {},
         &frmmain::canvassize1_Click, LeavesSelect | kEdit},
        {"Tools", "drawcolor1", QT_TRANSLATE_NOOP("Menu", "DrawColor"), {},
         &frmmain::drawcolor1_Click, LeavesSelect | Step},
        {"Tools", "font1", QT_TRANSLATE_NOOP("Menu", "Text Font - Color"), {},
         &frmmain::font1_Click, LeavesSelect | Step},
        {"File", "print1", QT_TRANSLATE_NOOP("Menu", "Print..."), {K(Qt::CTRL | Qt::Key_P)},
         &frmmain::print1_Click, Busy},
        {"File", "exportpdf1", QT_TRANSLATE_NOOP("Menu", "Export as PDF..."), {}, &frmmain::exportpdf1_Click, Busy},
        {"Edit", "transparent1", QT_TRANSLATE_NOOP("Menu", "Transparent Selection"), {},
         &frmmain::transparent1_Click, 0, true},
        {"View", "toolbar1", QT_TRANSLATE_NOOP("Menu", "Toolbar"), {}, &frmmain::toolbar1_Click, 0, true},
        // A marked part turns where it floats; the whole picture is an edit.
        {"Image", "fliph1", QT_TRANSLATE_NOOP("Menu", "Flip Horizontal"), {}, &frmmain::fliph1_Click, kEdit},
        {"Image", "flipv1", QT_TRANSLATE_NOOP("Menu", "Flip Vertical"), {}, &frmmain::flipv1_Click, kEdit},
        {"Image", "rotateright1", QT_TRANSLATE_NOOP("Menu", "Rotate Right"), {}, &frmmain::rotateright1_Click, kEdit},
        {"Image", "rotateleft1", QT_TRANSLATE_NOOP("Menu", "Rotate Left"), {}, &frmmain::rotateleft1_Click, kEdit},
        {"Image", "rotate1801", QT_TRANSLATE_NOOP("Menu", "Rotate 180°"), {}, &frmmain::rotate1801_Click, kEdit},
        {"Image", "cropselection1", QT_TRANSLATE_NOOP("Menu", "Crop to Selection"), {},
         &frmmain::cropselection1_Click, DropsFloating | kEdit},
        {"Image", "cropcontent1", QT_TRANSLATE_NOOP("Menu", "Crop to Content"), {},
         &frmmain::cropcontent1_Click, LeavesSelect | kEdit},
        // Choosing the press tool in use again leaves it.
        {"Tools", "fill1", QT_TRANSLATE_NOOP("Menu", "Fill"), {K(Qt::CTRL | Qt::SHIFT | Qt::Key_F)},
         &frmmain::fill1_Click, LeavesSelect, true},
        {"Tools", "tolerance1", QT_TRANSLATE_NOOP("Menu", "Fill Tolerance..."), {}, &frmmain::tolerance1_Click, 0},
        {"Tools", "pickcolor1", QT_TRANSLATE_NOOP("Menu", "Pick Colour"), {K(Qt::CTRL | Qt::SHIFT | Qt::Key_K)},
         &frmmain::pickcolor1_Click, LeavesSelect, true},
        // A submenu's items are one choice: the first is checked at start.
        {"Tools", "chaingap1", QT_TRANSLATE_NOOP("Menu", "Chain Gap..."), {}, &frmmain::chaingap1_Click, 0},
        {"Tools/Line Ends", "lineendnone1", QT_TRANSLATE_NOOP("Menu", "None"), {},
         &frmmain::lineendnone1_Click, 0, true},
        {"Tools/Line Ends", "lineendarrow1", QT_TRANSLATE_NOOP("Menu", "Arrow at End"), {},
         &frmmain::lineendarrow1_Click, 0, true},
        {"Tools/Line Ends", "lineendboth1", QT_TRANSLATE_NOOP("Menu", "Arrows at Both Ends"), {},
         &frmmain::lineendboth1_Click, 0, true},
        {"Tools/Line Style", "linesolid1", QT_TRANSLATE_NOOP("Menu", "Solid"), {}, &frmmain::linesolid1_Click, 0, true},
        {"Tools/Line Style", "linedash1", QT_TRANSLATE_NOOP("Menu", "Dashed"), {}, &frmmain::linedash1_Click, 0, true},
        {"Tools/Line Style", "linedot1", QT_TRANSLATE_NOOP("Menu", "Dotted"), {}, &frmmain::linedot1_Click, 0, true},
        {"Tools/Line Route", "routestraight1", QT_TRANSLATE_NOOP("Menu", "Straight"), {},
         &frmmain::routestraight1_Click, 0, true},
        {"Tools/Line Route", "routeelbow1", QT_TRANSLATE_NOOP("Menu", "Elbow"), {},
         &frmmain::routeelbow1_Click, 0, true},
        {"Help", "shortcuts1", QT_TRANSLATE_NOOP("Menu", "Keyboard Shortcuts"), {K(Qt::Key_F1)},
         &frmmain::shortcuts1_Click, 0},
        {"Help", "about1", QT_TRANSLATE_NOOP("Menu", "About Tavimbre"), {}, &frmmain::about1_Click, 0},
        {"Help", "aboutqt1", QT_TRANSLATE_NOOP("Menu", "About Qt"), {}, &frmmain::aboutqt1_Click, 0},
        // Keys of the window: Ctrl and a digit choose a symbol's tool, the
        // text waiting kept. Where the digits need Shift (AZERTY), Ctrl+Shift
        // and the digit.
        {nullptr, "quickprocess1", QT_TRANSLATE_NOOP("Menu", "Process tool"), digitKeys(Qt::Key_1),
         &frmmain::quickSymbol_Click<Tool::Process>, kPaletteTool, false, "cmdSquare"},
        {nullptr, "quickdecision1", QT_TRANSLATE_NOOP("Menu", "Decision tool"), digitKeys(Qt::Key_2),
         &frmmain::quickSymbol_Click<Tool::Decision>, kPaletteTool, false, "cmdrhombus"},
        {nullptr, "quickdata1", QT_TRANSLATE_NOOP("Menu", "Data tool"), digitKeys(Qt::Key_3),
         &frmmain::quickSymbol_Click<Tool::Data>, kPaletteTool, false, "cmdparallelogram"},
        {nullptr, "quickstart1", QT_TRANSLATE_NOOP("Menu", "Start and end tool"), digitKeys(Qt::Key_4),
         &frmmain::quickSymbol_Click<Tool::Start>, kPaletteTool, false, "cmdStart"},
        {nullptr, "quickdocument1", QT_TRANSLATE_NOOP("Menu", "Document tool"), digitKeys(Qt::Key_5),
         &frmmain::quickSymbol_Click<Tool::DocumentSymbol>, kPaletteTool, false, "cmddocument"},
        {nullptr, "quickpreprocess1", QT_TRANSLATE_NOOP("Menu", "Predefined Process tool"), digitKeys(Qt::Key_6),
         &frmmain::quickSymbol_Click<Tool::PredefinedProcess>, kPaletteTool, false, "cmdpreprocess"},
        {nullptr, "quickmanualinput1", QT_TRANSLATE_NOOP("Menu", "Manual Input tool"), digitKeys(Qt::Key_7),
         &frmmain::quickSymbol_Click<Tool::ManualInput>, kPaletteTool, false, "cmdmanualinput"},
        {nullptr, "quickpreparation1", QT_TRANSLATE_NOOP("Menu", "Preparation tool"), digitKeys(Qt::Key_8),
         &frmmain::quickSymbol_Click<Tool::Preparation>, kPaletteTool, false, "cmdpreparation"},
        {nullptr, "quickcircle1", QT_TRANSLATE_NOOP("Menu", "Circle tool"), digitKeys(Qt::Key_9),
         &frmmain::quickSymbol_Click<Tool::Circle>, kPaletteTool, false, "cmdCircle"},
        // Ctrl+Return: the text beside the last line or arrow drawn.
        {nullptr, "labelline1", QT_TRANSLATE_NOOP("Menu", "Label the last line or arrow"),
         {K(Qt::CTRL | Qt::Key_Return)}, &frmmain::labelline1_Click, kStampLabel},
        // On the menu bar itself, after Help; Alt+E is Edit's.
        {"", "exit1", QT_TRANSLATE_NOOP("Menu", "E&xit"), {}, &frmmain::exit1_Click, kClose},
    };
    return rows;
}

void frmmain::buildMenu() {
    // The table's name of each menu, its object name and its title: in
    // English Alt and its first letter open it.
    const struct {
        const char* menu;
        const char* name;
        const char* title;
    } menuNames[] = {{"File", "file1", QT_TRANSLATE_NOOP("Menu", "&File")},
                     {"Edit", "edit1", QT_TRANSLATE_NOOP("Menu", "&Edit")},
                     {"View", "view1", QT_TRANSLATE_NOOP("Menu", "&View")},
                     {"Image", "image1", QT_TRANSLATE_NOOP("Menu", "&Image")},
                     {"Tools", "tool1", QT_TRANSLATE_NOOP("Menu", "&Tools")},
                     {"Help", "help1", QT_TRANSLATE_NOOP("Menu", "&Help")}};
    QMap<QString, QMenu*> menus;
    for (const auto& n : menuNames) {
        QMenu* m = menuBar()->addMenu(QCoreApplication::translate("Menu", n.title));
        m->setObjectName(QLatin1String(n.name));
        connect(m, &QMenu::aboutToShow, this, &frmmain::cancelDrag);  // a menu takes the pointer
        menus.insert(QLatin1String(n.menu), m);
    }
    for (const CommandRow& row : commandTable()) {
        const QString caption = QCoreApplication::translate("Menu", row.caption);
        QAction* a = !row.menu   ? new QAction(caption, this)
                     : *row.menu ? menuFor(menus, QLatin1String(row.menu))->addAction(caption)
                                 : menuBar()->addAction(caption);
        if (!row.menu) addAction(a);
        if (QWidget* b = row.button ? buttons.value(QLatin1String(row.button)) : nullptr)
            b->setAccessibleDescription(row.shortcuts.value(0).toString(QKeySequence::NativeText));
        a->setObjectName(QLatin1String(row.name));
        a->setShortcuts(row.shortcuts);
        a->setCheckable(row.checkable);
        connect(a, &QAction::triggered, this, [this, &row] { runCommand(row.rules, [&] { (this->*row.handler)(); }); });
        menuItems.insert(QLatin1String(row.name), a);
    }
    makeChoices(menus);
    menuItems.value(QStringLiteral("toolbar1"))->setChecked(true);
    updateEditItems();
}

namespace {

// A submenu's title in the user's language.
QString submenuTitle(const QString& name) {
    static const char* const titles[] = {QT_TRANSLATE_NOOP("Menu", "Line Ends"),
                                         QT_TRANSLATE_NOOP("Menu", "Line Style"),
                                         QT_TRANSLATE_NOOP("Menu", "Line Route")};
    for (const char* t : titles)
        if (name == QLatin1String(t)) return QCoreApplication::translate("Menu", t);
    return name;
}

}  // namespace

// The menu a row names, "Menu" or "Menu/Submenu"; a submenu is made at its
// first row, its items a group of radio items.
QMenu* frmmain::menuFor(QMap<QString, QMenu*>& menus, const QString& path) {
    if (QMenu* m = menus.value(path)) return m;
    QMenu* sub =
        menus.value(path.section(QLatin1Char('/'), 0, 0))->addMenu(submenuTitle(path.section(QLatin1Char('/'), 1)));
    menus.insert(path, sub);
    return sub;
}

void frmmain::makeChoices(const QMap<QString, QMenu*>& menus) {
    for (auto m = menus.begin(); m != menus.end(); ++m) {
        if (!m.key().contains(QLatin1Char('/'))) continue;
        auto* group = new QActionGroup(m.value());
        for (QAction* a : m.value()->actions()) group->addAction(a);
        m.value()->actions().constFirst()->setChecked(true);
    }
}

// Every command ends a drag under way first: its preview erased, a
// selection's move taken back. Esc, Undo and Redo then do only that.
void frmmain::runCommand(Rules rules, const std::function<void()>& work) {
    if (cancelDrag() && (rules & EndsDragOnly)) return;
    applyRules(rules, work);
}

void frmmain::applyRules(Rules rules, const std::function<void()>& work) {
    if (rules & LeavesPressTool) pressTools.leave();
    {
        std::optional<BusyWhile> busy;
        if (rules & Busy) busy.emplace(dialogs, canvas.Image().size());
        if (rules & (LeavesSelect | DropsFloating)) {  // what floats dropped, its own step
            doc.beginStep();
            rules & LeavesSelect ? doc.selection.end() : doc.selection.drop();
            closeStep(kDrop);
        }
        if (rules & Step) doc.beginStep(rules & AsksFirst);
        work();
        if (rules & Step) closeStep(rules);
    }
    refreshCanvas();
}

void frmmain::closeStep(Rules rules) {
    if (doc.endStep() && (rules & Changes)) doc.markChanged();
}

void frmmain::closeDragStep(bool erased) { closeStep(erased ? kEraserDrag : kDrawingDrag); }
