// The Help menu: the list of every key and mouse gesture of the window, and
// the about boxes. The list is read from the live menus and shortcuts, so a
// key given to a menu item or to the window shows up in it by itself; what
// no menu item carries comes from the table of gestures below.
#include "app/window/CommandTable.h"
#include "app/window/frmmain.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QUrl>

namespace {

// The groups of the list, in their order; keys of the window that none of
// the menus and gestures name come last, under "Other keys".
// The names are English; the list shows them in the user's language.
const char* const kGroups[] = {
    QT_TRANSLATE_NOOP("Shortcuts", "Drawing"), QT_TRANSLATE_NOOP("Shortcuts", "Labels"),
    QT_TRANSLATE_NOOP("Shortcuts", "Chaining"), QT_TRANSLATE_NOOP("Shortcuts", "Selection"),
    QT_TRANSLATE_NOOP("Shortcuts", "View"), QT_TRANSLATE_NOOP("Shortcuts", "Files"),
    QT_TRANSLATE_NOOP("Shortcuts", "Menus"), QT_TRANSLATE_NOOP("Shortcuts", "Other keys")};

// Keys and gestures that live outside the menus. Keys of one row are
// separated by '|'; a gesture in words is translated, a key is not.
struct GestureRow {
    const char* group;
    const char* keys;
    const char* does;
};
const GestureRow kGestures[] = {
    {"Drawing", QT_TRANSLATE_NOOP("Shortcuts", "Drag on the canvas"),
     QT_TRANSLATE_NOOP("Shortcuts", "Draws the chosen tool's figure, its outline following the pointer")},
    {"Drawing", QT_TRANSLATE_NOOP("Shortcuts", "Double-click a palette button"),
     QT_TRANSLATE_NOOP("Shortcuts",
                       "Locks its tool: it is chosen again after each figure, until Esc or another button")},
    {"Drawing", "Esc",
     QT_TRANSLATE_NOOP("Shortcuts",
                       "Ends a drag without its figure; gives up a locked tool; leaves Fill and Pick Colour")},
    {"Drawing", "Tab|Shift+Tab",
     QT_TRANSLATE_NOOP("Shortcuts", "Moves the focus to the next palette button or control, or back")},
    {"Drawing", "Space",
     QT_TRANSLATE_NOOP("Shortcuts",
                       "On a palette button: presses it while \"Enter Text\" is empty, else types a blank")},
    {"Drawing", QT_TRANSLATE_NOOP("Shortcuts", "Drag a handle on the picture's right edge, bottom edge or corner"),
     QT_TRANSLATE_NOOP("Shortcuts", "Sets the picture's size")},
    {"Drawing", QT_TRANSLATE_NOOP("Shortcuts", "Drag a figure in Arrange Figures"),
     QT_TRANSLATE_NOOP("Shortcuts", "Moves it, its connectors following")},
    {"Drawing", "Left|Right|Up|Down|Ctrl+Left|Ctrl+Right|Ctrl+Up|Ctrl+Down",
     QT_TRANSLATE_NOOP("Shortcuts",
                       "On the canvas in Arrange Figures: move the current figure a pixel, with Ctrl a grid step")},
    {"Labels", QT_TRANSLATE_NOOP("Shortcuts", "Click on the canvas"),
     QT_TRANSLATE_NOOP("Shortcuts", "Stamps the text typed in \"Enter Text\" with its top-left corner there")},
    {"Labels", QT_TRANSLATE_NOOP("Shortcuts", "Type on the canvas or a palette button"),
     QT_TRANSLATE_NOOP("Shortcuts", "Writes into \"Enter Text\", Backspace too, the focus staying where it is")},
    {"Labels", "Return",
     QT_TRANSLATE_NOOP("Shortcuts", "In \"Enter Text\" or on the canvas: labels what was drawn last, the text "
                                    "centred inside a figure or beside a line")},
    {"Chaining", "Alt+Down|Alt+Up|Alt+Left|Alt+Right",
     QT_TRANSLATE_NOOP("Shortcuts",
                       "Draws the next figure below, above, left or right of the one under the pointer (or the last "
                       "one), joined to it by an arrow")},
    {"Selection", QT_TRANSLATE_NOOP("Shortcuts", "Drag with Select on"),
     QT_TRANSLATE_NOOP("Shortcuts", "Marks a part of the picture")},
    {"Selection", QT_TRANSLATE_NOOP("Shortcuts", "Drag from inside the marked part"),
     QT_TRANSLATE_NOOP("Shortcuts", "Moves its pixels; they float until dropped")},
    {"Selection", QT_TRANSLATE_NOOP("Shortcuts", "Press outside the marked part"),
     QT_TRANSLATE_NOOP("Shortcuts", "Drops what floats")},
    {"View", QT_TRANSLATE_NOOP("Shortcuts", "Ctrl+wheel"),
     QT_TRANSLATE_NOOP("Shortcuts", "Zooms in or out about the pointer")},
    {"Files", QT_TRANSLATE_NOOP("Shortcuts", "Drop a picture file on the window"),
     QT_TRANSLATE_NOOP("Shortcuts", "Opens it, as Open does")},
    {"Files", QT_TRANSLATE_NOOP("Shortcuts", "Drop picture data on the window"),
     QT_TRANSLATE_NOOP("Shortcuts", "Floats it, as Paste does")},
};

QString translated(const char* text) { return QCoreApplication::translate("Shortcuts", text); }

// Where the items of a menu are listed: by the menu, and in Edit and Tools
// by the item.
QString groupOf(const QString& menu, const QString& item) {
    if (menu == QLatin1String("file1")) return QStringLiteral("Files");
    if (menu == QLatin1String("view1")) return QStringLiteral("View");
    if (menu == QLatin1String("help1")) return QStringLiteral("Menus");
    if (menu == QLatin1String("edit1"))
        return item == QLatin1String("undo1") || item == QLatin1String("redo1") || item == QLatin1String("arrange1")
                   ? QStringLiteral("Drawing")
                                                                                : QStringLiteral("Selection");
    if (menu == QLatin1String("tool1") && item == QLatin1String("font1")) return QStringLiteral("Labels");
    return QStringLiteral("Drawing");  // Image, Tools, and a menu to come
}

QStringList keysOf(const QList<QKeySequence>& sequences) {
    QStringList keys;
    for (const QKeySequence& k : sequences)
        if (!k.isEmpty()) keys << k.toString(QKeySequence::PortableText);
    return keys;
}

QString caption(const QAction* a) { return a->text().remove(QLatin1Char('&')); }

// The items of MENU and of its submenus that have keys, under TITLE.
void addMenuRows(QList<KeyRow>& rows, const QMenu* menu, const QString& top, const QString& title) {
    for (const QAction* a : menu->actions()) {
        if (a->menu()) {
            addMenuRows(rows, a->menu(), top, title + QStringLiteral(" > ") + caption(a));
            continue;
        }
        const QStringList keys = keysOf(a->shortcuts());
        if (!keys.isEmpty()) rows.append({groupOf(top, a->objectName()), keys, title + QStringLiteral(" > ") + caption(a)});
    }
}

QList<KeyRow> keyRows(QMainWindow& w) {
    QList<KeyRow> rows;
    for (const GestureRow& g : kGestures)
        rows.append({QLatin1String(g.group), translated(g.keys).split(QLatin1Char('|')), translated(g.does)});
    // Alt and a menu's underlined letter.
    QStringList mnemonics, titles;
    for (const QAction* m : w.menuBar()->actions()) {
        const QString key = QKeySequence::mnemonic(m->text()).toString(QKeySequence::PortableText);
        if (key.isEmpty()) continue;
        mnemonics << key;
        titles << caption(m);
    }
    if (!mnemonics.isEmpty())
        rows.append({QStringLiteral("Menus"), mnemonics,
                     translated(QT_TRANSLATE_NOOP("Shortcuts", "Open the menu bar's %1"))
                         .arg(titles.join(QStringLiteral(", ")))});
    for (const QAction* m : w.menuBar()->actions())
        if (m->menu()) addMenuRows(rows, m->menu(), m->menu()->objectName(), caption(m));
    // The commands that are keys of the window: the tools' and the label's.
    for (const CommandRow& row : commandTable())
        if (const QAction* a = row.menu ? nullptr : w.findChild<QAction*>(QLatin1String(row.name)))
            rows.append({row.button ? QStringLiteral("Drawing") : QStringLiteral("Labels"), keysOf(a->shortcuts()),
                         caption(a)});
    // Any other key of the window: an action outside the menus, a shortcut.
    QStringList listed;
    for (const KeyRow& r : rows) listed << r.keys;
    auto addOther = [&](const QStringList& keys, const QString& does) {
        QStringList missing;
        for (const QString& k : keys)
            if (!listed.contains(k)) missing << k;
        if (missing.isEmpty()) return;
        rows.append({QStringLiteral("Other keys"), missing, does});
        listed << missing;
    };
    // What such a key does, as far as it tells.
    auto described = [](const QStringList& words) {
        for (const QString& w : words)
            if (!w.isEmpty()) return w;
        return translated(QT_TRANSLATE_NOOP("Shortcuts", "A key of the window"));
    };
    for (const QAction* a : w.findChildren<QAction*>())
        addOther(keysOf(a->shortcuts()), described({caption(a), a->whatsThis(), a->objectName()}));
    for (const QShortcut* s : w.findChildren<QShortcut*>())
        addOther(keysOf(s->keys()), described({s->whatsThis(), s->objectName()}));
    // Group by group, each in the order its rows came.
    QList<KeyRow> grouped;
    for (const char* g : kGroups)
        for (const KeyRow& r : std::as_const(rows))
            if (r.group == QLatin1String(g)) grouped.append(r);
    return grouped;
}

// The README's section on use, linked where an installed copy lies beside
// the program, else named.
QString readmeLink() {
    const QString installed =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/doc/tavimbre/README.md"));
    if (!QFileInfo::exists(installed)) return frmmain::tr("the section \"Using it\" of the README");
    const QString url = QUrl::fromLocalFile(QFileInfo(installed).canonicalFilePath()).toString();
    return frmmain::tr("the section \"Using it\" of the <a href=\"%1\">README</a>").arg(url.toHtmlEscaped());
}

}  // namespace

void frmmain::shortcuts1_Click() { dialogs.ShowShortcuts(keyRows(*this)); }

void frmmain::about1_Click() {
    dialogs.ShowAbout(tr("About Tavimbre"), tr("<h3>Tavimbre %1</h3>"
                                               "<p>Draws flowcharts by hand on a raster canvas.</p>"
                                               "<p>Released under the MIT License (see LICENSE).</p>"
                                               "<p>How to use it: %2.</p>")
                          .arg(QStringLiteral(TAVIMBRE_VERSION), readmeLink()));
}

void frmmain::aboutqt1_Click() { dialogs.ShowAboutQt(); }
