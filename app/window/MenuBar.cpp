// The menu bar: File, Edit, View, Image, Tools, Help and Exit, with their shortcuts
// and Alt+letter keys. Every command ends a drag under way first.
#include "app/window/frmmain.h"

#include <QAction>
#include <QMenuBar>

void frmmain::buildMenu() {
    struct Item {
        const char* menu;
        const char* name;
        const char* caption;
        QList<QKeySequence> shortcuts;
        void (frmmain::*handler)();
        bool changesPicture;  // runs as one step of the undo history
    };
    const Item items[] = {
        {"File", "new1", "New", {QKeySequence(Qt::CTRL | Qt::Key_N)}, &frmmain::new1_Click, true},
        {"File", "open1", "Open", {QKeySequence(Qt::CTRL | Qt::Key_O)}, &frmmain::open1_Click, true},
        {"File", "save1", "Save", {QKeySequence(Qt::CTRL | Qt::Key_S)}, &frmmain::save1_Click, true},
        {"File", "saveas1", "Save As", {}, &frmmain::saveas1_Click, true},
        {"Edit", "undo1", "Undo", {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &frmmain::undo1_Click, false},
        {"Edit", "redo1", "Redo",
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}, &frmmain::redo1_Click,
         false},
        {"Edit", "select1", "Select", {QKeySequence(Qt::Key_S)}, &frmmain::select1_Click, false},
        {"Edit", "selectall1", "Select All", {QKeySequence(Qt::CTRL | Qt::Key_A)}, &frmmain::selectall1_Click, false},
        {"Edit", "deselect1", "Deselect", {QKeySequence(Qt::Key_Escape)}, &frmmain::deselect1_Click, false},
        {"Edit", "cut1", "Cut", {QKeySequence(Qt::CTRL | Qt::Key_X)}, &frmmain::cut1_Click, false},
        {"Edit", "copy1", "Copy Picture", {QKeySequence(Qt::CTRL | Qt::Key_C)}, &frmmain::copy1_Click, false},
        {"Edit", "paste1", "Paste", {QKeySequence(Qt::CTRL | Qt::Key_V)}, &frmmain::paste1_Click, false},
        {"Edit", "delete1", "Delete", {QKeySequence(Qt::Key_Delete)}, &frmmain::delete1_Click, false},
        {"View", "zoomin1", "Zoom In", {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         &frmmain::zoomin1_Click, false},
        {"View", "zoomout1", "Zoom Out", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &frmmain::zoomout1_Click, false},
        {"View", "zoom100", "Actual Size", {QKeySequence(Qt::CTRL | Qt::Key_0)}, &frmmain::zoom100_Click, false},
        {"View", "zoomfit1", "Fit Window", {}, &frmmain::zoomfit1_Click, false},
        {"View", "showgrid1", "Show Grid", {}, &frmmain::showgrid1_Click, false},
        {"View", "snap1", "Snap to Grid", {}, &frmmain::snap1_Click, false},
        {"View", "gridspacing1", "Grid Spacing...", {}, &frmmain::gridspacing1_Click, false},
        {"Image", "canvassize1", "Canvas Size...", {}, &frmmain::canvassize1_Click, true},
        {"Tools", "drawcolor1", "DrawColor", {}, &frmmain::drawcolor1_Click, true},
        {"Tools", "font1", "Text Font - Color", {}, &frmmain::font1_Click, true},
        {"File", "print1", "Print...", {QKeySequence(Qt::CTRL | Qt::Key_P)}, &frmmain::print1_Click, false},
        {"File", "exportpdf1", "Export as PDF...", {}, &frmmain::exportpdf1_Click, false},
        {"Edit", "transparent1", "Transparent Selection", {}, &frmmain::transparent1_Click, false},
        {"View", "toolbar1", "Toolbar", {}, &frmmain::toolbar1_Click, false},
        {"Image", "fliph1", "Flip Horizontal", {}, &frmmain::fliph1_Click, false},
        {"Image", "flipv1", "Flip Vertical", {}, &frmmain::flipv1_Click, false},
        {"Image", "rotateright1", "Rotate Right", {}, &frmmain::rotateright1_Click, false},
        {"Image", "rotateleft1", "Rotate Left", {}, &frmmain::rotateleft1_Click, false},
        {"Image", "rotate1801", "Rotate 180\xB0", {}, &frmmain::rotate1801_Click, false},
        {"Image", "cropselection1", "Crop to Selection", {}, &frmmain::cropselection1_Click, false},
        {"Image", "cropcontent1", "Crop to Content", {}, &frmmain::cropcontent1_Click, true},
        {"Tools", "fill1", "Fill", {QKeySequence(Qt::Key_F)}, &frmmain::fill1_Click, false},
        {"Tools", "tolerance1", "Fill Tolerance...", {}, &frmmain::tolerance1_Click, false},
        {"Tools", "pickcolor1", "Pick Colour", {QKeySequence(Qt::Key_K)}, &frmmain::pickcolor1_Click, false},
    };
    const std::pair<const char*, const char*> menuNames[] = {{"File", "file1"}, {"Edit", "edit1"}, {"View", "view1"},
                                                             {"Image", "image1"}, {"Tools", "tool1"}};
    QMap<QString, QMenu*> menus;
    for (const auto& [caption, name] : menuNames) {
        QMenu* m = menuBar()->addMenu(QLatin1Char('&') + QLatin1String(caption));  // Alt+its first letter
        m->setObjectName(QLatin1String(name));
        connect(m, &QMenu::aboutToShow, this, &frmmain::cancelDrag);  // a menu takes the pointer
        menus.insert(QLatin1String(caption), m);
    }
    for (const Item& it : items) {
        QAction* a = menus.value(QLatin1String(it.menu))->addAction(QString::fromLatin1(it.caption));
        a->setObjectName(QLatin1String(it.name));
        a->setShortcuts(it.shortcuts);
        const auto handler = it.handler;
        const bool step = it.changesPicture;
        connect(a, &QAction::triggered, this, [this, handler, step] {
            // Esc, Undo and Redo end a drag under way, as in every paint
            // program, and only that; without one they do their own work.
            const bool endsDragOnly = handler == &frmmain::deselect1_Click || handler == &frmmain::undo1_Click ||
                                      handler == &frmmain::redo1_Click;
            if (cancelDrag() && endsDragOnly) return;
            if (step)
                asOneStep(handler);
            else
                (this->*handler)();
            refreshCanvas();
        });
        menuItems.insert(QLatin1String(it.name), a);
    }
    for (const char* toggle : {"showgrid1", "snap1"}) menuItems.value(QLatin1String(toggle))->setCheckable(true);
    for (const char* name : {"select1", "fill1", "pickcolor1", "transparent1", "toolbar1"})
        menuItems.value(QLatin1String(name))->setCheckable(true);
    menuItems.value(QStringLiteral("toolbar1"))->setChecked(true);
    buildHelpMenu();
    QAction* exit = menuBar()->addAction(QStringLiteral("E&xit"));  // Alt+E is Edit's
    exit->setObjectName(QStringLiteral("exit1"));
    connect(exit, &QAction::triggered, this, [this] {
        cancelDrag();
        doc.selection.end();
        exit1_Click();
    });
    menuItems.insert(QStringLiteral("exit1"), exit);
    updateEditItems();
}

