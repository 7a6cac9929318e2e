// The toolbar above the canvas and View > Toolbar, which hides and shows
// it. Its buttons are the menu's own items, so they check, grey out and
// run as the menu does.
#include "app/palette/PaletteIcons.h"
#include "app/window/frmmain.h"

#include <QAction>
#include <QToolBar>

void frmmain::buildToolbar() {
    toolbar_ = addToolBar(tr("Toolbar"));
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(24, 24));
    toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);  // View > Toolbar alone hides it
    const std::pair<const char*, const char*> tools[] = {
        {"select1", "toolbar-select"}, {"fill1", "toolbar-fill"},       {"pickcolor1", "toolbar-pickcolor"},
        {nullptr, nullptr},            {"showgrid1", "toolbar-grid"},   {"snap1", "toolbar-snap"},
        {nullptr, nullptr},            {"zoomin1", "toolbar-zoomin"}, {"zoomout1", "toolbar-zoomout"},
        {nullptr, nullptr},
        {"lineendnone1", "toolbar-lineend-none"},     {"lineendarrow1", "toolbar-lineend-arrow"},
        {"lineendboth1", "toolbar-lineend-both"},     {nullptr, nullptr},
        {"linesolid1", "toolbar-line-solid"},         {"linedash1", "toolbar-line-dash"},
        {"linedot1", "toolbar-line-dot"},             {nullptr, nullptr},
        {"routestraight1", "toolbar-route-straight"}, {"routeelbow1", "toolbar-route-elbow"},
        {nullptr, nullptr},                           {"arrange1", "toolbar-arrange"},
        {nullptr, nullptr},                           {"snapfigures1", "toolbar-snapfigures"},
    };
    for (const auto& [name, icon] : tools) {
        if (!name) {
            if (!toolbar_->actions().isEmpty() && !toolbar_->actions().constLast()->isSeparator())
                toolbar_->addSeparator();
            continue;
        }
        QAction* a = menuItems.value(QLatin1String(name));
        if (!a) continue;  // a switch this window's menu does not have
        a->setIcon(toolbarIcon(icon));
        toolbar_->addAction(a);
        // A screen reader names the button by its item's caption.
        toolbar_->widgetForAction(a)->setAccessibleName(a->text().remove(QLatin1Char('&')));
    }
    // The button that shows the buttons a narrow window has no room for.
    if (auto* more = toolbar_->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More tools"));
}

void frmmain::toolbar1_Click() { toolbar_->setVisible(menuItems.value(QStringLiteral("toolbar1"))->isChecked()); }
