// The window as the user first sees it: start-up state, width lists,
// palette, menu.
#include "Harness.h"

#include "app/palette/Palette.h"
#include "app/palette/PaletteIcons.h"
#include "app/window/CommandTable.h"
#include "app/window/QtDialogs.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QToolButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <map>

TEST(Startup, DumpShowsTheStartValues) {
    Harness h;
    EXPECT_EQ(h.w->dump(), (QStringList{
                               "currentTool=3", "canvasClean=true", "toolsClean=true", "isUntitled=true",
                               "fileTitle=Untitled", "filePath=", "pictureWidth=742", "pictureHeight=689",
                               "msgAnswer=", "caption=  Tavimbre -   Untitled",
                               "drawColor=0", "eraserSize=50", "startX=0", "startY=0", "prevX=-1", "prevY=-1",
                               "curX=0", "curY=0", "DrawMode=13", "DrawWidth=1", "cmbDrawWidth=2",
                               "cmberaserwidth=5", "txtinsert=", "Text1.visible=false", "Text1.left=120",
                               "Text1.top=120", "Text1.text=", "FontName=Arial", "FontSize=9.75", "FontBold=true",
                               "FontItalic=false", "FontUnderline=false", "ForeColor=0", "zoom=100",
                               "status=Pointer 0, 0    Picture 742 × 689    Zoom 100%", "recoveryCopy=false",
                               "selection=", "floating=false", "toolLocked=false", "grid=off", "snap=off", "snapFigures=off", "gridSpacing=10",
                               "tolerance=0", "transparent=false", "pressTool=", "toolbar=true", "focus=Picture1", "lineEnds=none",
                               "lineStyle=solid", "lineRoute=straight", "chainGap=40", "figures=0", "lastFigure=", "connectors=0", "labels=0",
                               "currentFigure=", "chartInFile=no", "undoSteps=0", "redoSteps=0",
                           }));
}

TEST(Startup, WidthListsHoldOneToTenAndOneToTwenty) {
    Harness h;
    for (auto [box, count] : {std::pair{h.w->cmbDrawWidth, 10}, std::pair{h.w->cmberaserwidth, 20}}) {
        ASSERT_EQ(box->count(), count);
        for (int i = 0; i < count; ++i) EXPECT_EQ(box->itemText(i), QString::number(i + 1));
    }
}

// The labels keep their design-time boxes; each caption, wrapped, must show
// whole in its box in every language the program speaks, as must every row
// of Help > Keyboard Shortcuts at the dialog's own size.
TEST(Startup, EveryLabelShowsItsWholeCaption) {
    for (const char* language : {"", "de", "fr"}) {
        QTranslator translator;
        if (*language) {
            ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/tavimbre_%1.qm").arg(QLatin1String(language))));
            QCoreApplication::installTranslator(&translator);
        }
        Harness h;
        h.run("key F1");
        QList<KeyRow> rows;
        for (const QString& line : h.out.mid(1)) {
            const QStringList f = line.mid(QStringLiteral("shortcut ").size()).split('|');
            rows.append({f.value(0), f.value(1).split(QStringLiteral(", ")), f.value(2)});
        }
        const auto shortcuts = QtDialogs::shortcutsDialog(nullptr, rows);
        shortcuts->show();
        QCoreApplication::processEvents();
        QList<const QLabel*> labels;
        for (const char* name : {"lblwidth", "lbleraserwidth", "Label1", "Label2"}) {
            labels << h.w->findChild<QLabel*>(QLatin1String(name));
            ASSERT_NE(labels.last(), nullptr) << name;
        }
        const QList<QLabel*> rowLabels = shortcuts->findChildren<QLabel*>();
        EXPECT_GE(rowLabels.size(), rows.size() * 2);
        for (const QLabel* label : rowLabels) labels << label;
        for (const QLabel* label : labels) {
            const QString name = label->objectName().isEmpty() ? label->text() : label->objectName();
            const QRect box = label->contentsRect();
            const QRect needed = label->fontMetrics().boundingRect(
                box, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
            EXPECT_TRUE(box.contains(needed)) << language << " " << qPrintable(name) << ": " << needed.width()
                                              << " x " << needed.height() << " in " << box.width() << " x "
                                              << box.height();
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

TEST(Startup, EveryPaletteButtonSelectsItsToolAndShowsItsTexts) {
    // Ctrl and a digit choose nine of the tools, the text waiting kept.
    const std::map<QString, int> digits = {{"cmdSquare", 1}, {"cmdrhombus", 2},    {"cmdparallelogram", 3},
                                           {"cmdStart", 4},  {"cmddocument", 5},   {"cmdpreprocess", 6},
                                           {"cmdmanualinput", 7}, {"cmdpreparation", 8}, {"cmdCircle", 9}};
    for (const PaletteEntry& e : paletteEntries()) {
        Harness h;
        QToolButton* b = h.w->buttons.value(QLatin1String(e.name));
        ASSERT_NE(b, nullptr) << e.name;
        EXPECT_EQ(b->text(), QLatin1String(e.caption)) << e.name;
        EXPECT_EQ(b->toolTip(), QLatin1String(e.toolTip)) << e.name;
        EXPECT_EQ(b->palette().color(QPalette::Button), QColor(0xd8e4f8)) << e.name;
        // Its frame and face, and the darker face while it is held down.
        for (bool down : {false, true}) {
            b->setDown(down);
            const QImage shown = b->grab().toImage();
            EXPECT_EQ(shown.pixelColor(0, 0), QColor(0x7f8fa6)) << e.name;
            EXPECT_EQ(shown.pixelColor(1, 1), QColor(down ? 0xb4c8e8 : 0xd8e4f8)) << e.name;
        }
        b->setDown(false);
        EXPECT_EQ(b->icon().isNull(), e.picture.isEmpty()) << e.name;
        if (e.code < 0) continue;  // Clear asks first
        h.run(QStringLiteral("click %1").arg(QLatin1String(e.name)));
        EXPECT_EQ(h.dumped("currentTool"), QString::number(e.code)) << e.name;
        // The eraser alone leaves the picture's change flag alone.
        EXPECT_EQ(h.dumped("toolsClean"), e.code == 5 ? "true" : "false") << e.name;
        const auto digit = digits.find(QLatin1String(e.name));
        if (digit == digits.end()) {
            EXPECT_EQ(b->accessibleDescription(), "") << e.name;
            continue;
        }
        const QString n = QString::number(digit->second);
        EXPECT_EQ(b->accessibleDescription(), "Ctrl+" + n) << e.name;
        // Typed, as a US keyboard sends it and as a French one does (the
        // digit needs Shift there), in "Enter Text" and elsewhere.
        for (const bool french : {false, true}) {
            h.run({"click cmdLine", "key Ctrl+0", "dblclick cmdErase", "text txtinsert Hi"});
            const QString steps = h.dumped("undoSteps");
            if (french) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + digit->second, Qt::ControlModifier | Qt::ShiftModifier, n);
                QWidget* focus = QApplication::focusWidget();
                QCoreApplication::sendEvent(focus ? focus : h.w.get(), &press);
            } else {
                h.run("key Ctrl+" + n);
            }
            EXPECT_EQ(h.dumped("currentTool"), QString::number(e.code)) << e.name << french;
            EXPECT_EQ(h.w->txtinsert->text(), "Hi") << e.name << french;
            EXPECT_EQ(h.dumped("toolLocked"), "false") << e.name << french;
            EXPECT_EQ(h.dumped("undoSteps"), steps) << e.name << french;
        }
    }
}

TEST(Startup, MenuItemsCarryTheirCaptionsAndShortcuts) {
    Harness h;
    struct Case {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    } cases[] = {
        {"new1", "New", QKeySequence(QStringLiteral("Ctrl+N"))},
        {"open1", "Open", QKeySequence(QStringLiteral("Ctrl+O"))},
        {"save1", "Save", QKeySequence(QStringLiteral("Ctrl+S"))},
        {"saveas1", "Save As", QKeySequence()},
        {"drawcolor1", "DrawColor", QKeySequence()},
        {"font1", "Text Font - Color", QKeySequence()},
        {"canvassize1", "Canvas Size...", QKeySequence()},
        {"exit1", "Exit", QKeySequence()},
        {"undo1", "Undo", QKeySequence(QStringLiteral("Ctrl+Z"))},
        {"redo1", "Redo", QKeySequence(QStringLiteral("Ctrl+Shift+Z"))},
        {"select1", "Select", QKeySequence(QStringLiteral("Ctrl+Shift+M"))},
        {"zoomin1", "Zoom In", QKeySequence(QStringLiteral("Ctrl++"))},
        {"zoomout1", "Zoom Out", QKeySequence(QStringLiteral("Ctrl+-"))},
        {"zoom100", "Actual Size", QKeySequence(QStringLiteral("Ctrl+0"))},
        {"zoomfit1", "Fit Window", QKeySequence()},
        {"showgrid1", "Show Grid", QKeySequence()},
        {"snap1", "Snap to Grid", QKeySequence()},
        {"snapfigures1", "Snap to Figures", QKeySequence()},
        {"gridspacing1", "Grid Spacing...", QKeySequence()},
        {"print1", "Print...", QKeySequence(QStringLiteral("Ctrl+P"))},
        {"exportpdf1", "Export as PDF...", QKeySequence()},
        {"transparent1", "Transparent Selection", QKeySequence()},
        {"toolbar1", "Toolbar", QKeySequence()},
        {"fliph1", "Flip Horizontal", QKeySequence()},
        {"flipv1", "Flip Vertical", QKeySequence()},
        {"rotateright1", "Rotate Right", QKeySequence()},
        {"rotateleft1", "Rotate Left", QKeySequence()},
        {"rotate1801", "Rotate 180\xB0", QKeySequence()},
        {"cropselection1", "Crop to Selection", QKeySequence()},
        {"cropcontent1", "Crop to Content", QKeySequence()},
        {"fill1", "Fill", QKeySequence(QStringLiteral("Ctrl+Shift+F"))},
        {"tolerance1", "Fill Tolerance...", QKeySequence()},
        {"pickcolor1", "Pick Colour", QKeySequence(QStringLiteral("Ctrl+Shift+K"))},
        {"arrange1", "Arrange Figures", QKeySequence(QStringLiteral("Ctrl+Shift+R"))},
        {"lineendnone1", "None", QKeySequence()},
        {"lineendarrow1", "Arrow at End", QKeySequence()},
        {"lineendboth1", "Arrows at Both Ends", QKeySequence()},
        {"linesolid1", "Solid", QKeySequence()},
        {"linedash1", "Dashed", QKeySequence()},
        {"linedot1", "Dotted", QKeySequence()},
        {"routestraight1", "Straight", QKeySequence()},
        {"routeelbow1", "Elbow", QKeySequence()},
        {"shortcuts1", "Keyboard Shortcuts", QKeySequence(QStringLiteral("F1"))},
        {"about1", "About Tavimbre", QKeySequence()},
        {"aboutqt1", "About Qt", QKeySequence()},
        {"quickprocess1", "Process tool", QKeySequence(QStringLiteral("Ctrl+1"))},
        {"quickcircle1", "Circle tool", QKeySequence(QStringLiteral("Ctrl+9"))},
    };
    for (const Case& c : cases) {
        QAction* a = h.w->menuItems.value(QLatin1String(c.name));
        ASSERT_NE(a, nullptr) << c.name;
        EXPECT_EQ(a->text().remove(QLatin1Char('&')), QLatin1String(c.caption)) << c.name;
        EXPECT_EQ(a->shortcut(), c.shortcut) << c.name;
    }
    // Alt and a letter open each menu and Exit; the captions show without the '&'.
    QStringList titles, keys;
    for (QAction* m : h.w->menuBar()->actions()) {
        titles << m->text().remove(QLatin1Char('&'));
        keys << QKeySequence::mnemonic(m->text()).toString();
    }
    EXPECT_EQ(titles.mid(0, 3), (QStringList{"File", "Edit", "View"}));
    EXPECT_EQ(titles.mid(titles.size() - 2), (QStringList{"Help", "Exit"}));
    for (const char* key : {"Alt+F", "Alt+E", "Alt+V", "Alt+T", "Alt+H", "Alt+X"}) EXPECT_TRUE(keys.contains(key)) << key;
    EXPECT_EQ(keys.removeDuplicates(), 0) << qPrintable(keys.join(' '));
    // Typing is always open: no command of the window is a key that writes text.
    for (const QAction* a : h.w->findChildren<QAction*>())
        for (const QKeySequence& shortcut : a->shortcuts())
            for (int i = 0; i < shortcut.count(); ++i) {
                const QKeyCombination k = shortcut[i];
                const bool command = k.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
                EXPECT_TRUE(command || k.key() < Qt::Key_Space || k.key() > Qt::Key_ydiaeresis)
                    << qPrintable(a->objectName()) << " " << qPrintable(shortcut.toString());
            }
}

// Every command, from every way in (a menu item, a palette button, a chain
// key, Return, a drop, the close box, a press on the canvas), run on a
// picture large enough to be busy with, every dialog cancelled and every
// question refused, once with a moved part floating and once with Fill on:
// what it did must be what its rules declare. Its work changes pixels only
// in a step of its own (Undo and Redo replay one), and counts them as a
// change exactly when it declares Changes; it is busy exactly when it
// declares Busy; it leaves Select, drops what floats or leaves Fill only
// when it declares so (a toggle of its own excepted).
TEST(Startup, EveryCommandDeclaresTheRulesItsWorkNeeds) {
    using namespace Command;
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("dropped.png"));
    QImage dropped(30, 20, QImage::Format_RGB32);
    dropped.fill(Qt::red);
    ASSERT_TRUE(dropped.save(png));
    struct Entry {
        QString name;
        QStringList before, lines;
        Rules rules[2];  // with a part floating, with Fill on
        bool own = false;  // a toggle, or a press that drops what floats outside the part it grabs
        bool choosesTool = false;  // a palette button or its key, which the flag counts
    };
    std::vector<Entry> entries;
    for (const CommandRow& row : commandTable())
        entries.push_back({row.name, {}, {"menu " + QLatin1String(row.name)}, {row.rules, row.rules}, row.checkable,
                           row.button != nullptr});
    for (const PaletteEntry& e : paletteEntries()) {
        const Rules r = e.code >= 0 ? kPaletteTool : kPaletteClear;
        entries.push_back({e.name, {}, {"click " + QLatin1String(e.name)}, {r, r}, false, true});
    }
    entries.push_back({"a chain key", {}, {"key Alt+Right"}, {kChain, kChain}});
    entries.push_back({"Return", {"text txtinsert Hi"}, {"return txtinsert"}, {kStampLabel, kStampLabel}});
    entries.push_back({"picture data dropped", {}, {"drop data " + png}, {kDroppedPicture, kDroppedPicture}});
    entries.push_back({"a file dropped", {}, {"drop " + png}, {kOpenFile, kOpenFile}});
    entries.push_back({"the close box", {}, {"close"}, {kClose, kClose}});
    entries.push_back({"a press in the box", {}, {"down 1 0 1650 1650", "up 1 0 1650 1650"},
                       {kSelectionPress, kFillPress}, true});
    const QPoint movedEdge(300, 350);  // the box's left side once its part is moved by 200
    for (const bool floating : {true, false}) {
        for (const Entry& e : entries) {
            const Rules rules = e.rules[floating ? 0 : 1];
            SCOPED_TRACE(testing::Message() << qPrintable(e.name) << (floating ? ", a part floating" : ", Fill on"));
            EXPECT_EQ(fault(rules), "");
            Harness h;
            h.run({"size 2000 2000", "menu canvassize1", "click cmdSquare", "down 1 0 1500 1500", "up 1 0 3000 3000"});
            h.run(floating ? QStringList{"menu select1", "down 1 0 1200 1200", "up 1 0 3300 3300",
                                         "down 1 0 1500 1500", "move 1 0 4500 4500", "up 1 0 4500 4500"}
                           : QStringList{"menu fill1"});
            for (const QString& l : e.before) h.runner.runLine(l);
            h.w->doc.canvasClean = h.w->doc.toolsClean = true;
            const QImage image = h.image().copy();
            const int undoSteps = h.dumped("undoSteps").toInt(), redoSteps = h.dumped("redoSteps").toInt();
            const int busy = h.dialogs.busyShown();
            const QString selection = h.dumped("selection"), pressTool = h.dumped("pressTool");
            for (const QString& l : e.lines) h.runner.runLine(l);
            if (h.w->isUnloaded()) {
                EXPECT_EQ(h.dialogs.busyShown() > busy, bool(rules & Busy));
                continue;
            }
            EXPECT_EQ(h.dialogs.busyShown() > busy, bool(rules & Busy));
            if (floating) {
                const bool placed = h.dumped("floating") == "false" && h.image().pixel(movedEdge) == qRgb(0, 0, 0);
                if (rules & (DropsFloating | LeavesSelect)) {
                    EXPECT_TRUE(h.dumped("floating") == "false" || h.dumped("selection") != selection);
                } else if (!e.own) {
                    EXPECT_FALSE(placed) << "what floats was dropped";
                }
                EXPECT_TRUE(h.w->doc.selection.active() || (rules & LeavesSelect) || e.own) << "Select was left";
                continue;
            }
            if (!(rules & LeavesPressTool) && !e.own) {
                EXPECT_EQ(h.dumped("pressTool"), pressTool) << "Fill was left";
            }
            const int newSteps = h.dumped("undoSteps").toInt() - undoSteps;
            const bool replayed = newSteps < 0 || h.dumped("redoSteps").toInt() < redoSteps;
            if (replayed) continue;
            if (h.image() == image) {
                if (!e.choosesTool) {
                    EXPECT_EQ(h.dumped("toolsClean"), "true");
                }
                continue;
            }
            EXPECT_TRUE(rules & Step) << "pixels changed outside a step";
            EXPECT_EQ(newSteps, 1);
            if (!e.choosesTool) {
                EXPECT_EQ(h.dumped("toolsClean"), rules & Changes ? "false" : "true");
            }
        }
    }
}

// Help > Keyboard Shortcuts lists every key of the window, those given to a
// menu or to the window after start too, each group's rows together.
TEST(Startup, KeyboardShortcutsListEveryKeyOfTheWindow) {
    Harness h;
    auto* added = new QAction(QStringLiteral("Added"), h.w->findChild<QMenu*>(QStringLiteral("view1")));
    added->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+J")));
    h.w->findChild<QMenu*>(QStringLiteral("view1"))->addAction(added);
    new QShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+Q")), h.w.get());
    auto* windowWide = new QAction(h.w.get());
    windowWide->setShortcuts({QKeySequence(QStringLiteral("Shift+F7")), QKeySequence(QStringLiteral("Esc"))});
    h.w->addAction(windowWide);
    h.run("key F1");
    ASSERT_EQ(h.out.value(0), "dialog shortcuts");
    QMultiMap<QString, QString> groupOf;  // key -> groups it is listed under
    QStringList groups;
    for (const QString& line : h.out.mid(1)) {
        const QStringList f = line.mid(QStringLiteral("shortcut ").size()).split('|');
        ASSERT_TRUE(line.startsWith("shortcut ") && f.size() == 3 && !f[2].isEmpty()) << qPrintable(line);
        if (groups.isEmpty() || groups.last() != f[0]) groups << f[0];
        for (const QString& k : f[1].split(", ")) groupOf.insert(k, f[0]);
    }
    EXPECT_EQ(groups.removeDuplicates(), 0) << qPrintable(groups.join(' '));
    QStringList keys;
    for (QAction* a : h.w->findChildren<QAction*>())
        for (const QKeySequence& k : a->shortcuts()) keys << k.toString();
    for (QShortcut* s : h.w->findChildren<QShortcut*>())
        for (const QKeySequence& k : s->keys()) keys << k.toString();
    for (QAction* m : h.w->menuBar()->actions()) keys << QKeySequence::mnemonic(m->text()).toString();
    for (const QString& k : keys) EXPECT_TRUE(groupOf.contains(k)) << "not listed: " << qPrintable(k);
    const std::pair<const char*, const char*> placed[] = {
        {"Ctrl+N", "Files"},     {"Ctrl+Z", "Drawing"},       {"Ctrl+A", "Selection"},  {"Esc", "Selection"},
        {"Esc", "Drawing"},      {"Ctrl+0", "View"},          {"Ctrl+wheel", "View"},   {"Return", "Labels"},
        {"Alt+Down", "Chaining"}, {"Alt+Right", "Chaining"},  {"Double-click a palette button", "Drawing"},
        {"F1", "Menus"},         {"Alt+H", "Menus"},          {"Ctrl+Alt+J", "View"},   {"Ctrl+Alt+Q", "Other keys"},
        {"Shift+F7", "Other keys"}, {"Tab", "Drawing"},    {"Space", "Drawing"},   {"Ctrl+Shift+R", "Drawing"},
        {"Ctrl+Left", "Drawing"},    {"Ctrl+1", "Drawing"},     {"Ctrl+Shift+9", "Drawing"},
        {"Type on the canvas or a palette button", "Labels"},
    };
    for (const auto& [key, group] : placed) EXPECT_TRUE(groupOf.contains(key, group)) << key << " in " << group;
    EXPECT_EQ(groupOf.count("Esc"), 2);  // not listed again for the window's own action
}

// Each toolbar picture comes at 24 and 48 pixels, dark lines on clear.
TEST(Startup, ToolbarPicturesComeAtBothDensities) {
    for (const char* name : {"toolbar-select", "toolbar-fill", "toolbar-pickcolor", "toolbar-arrange", "toolbar-grid", "toolbar-snap",
                             "toolbar-zoomin", "toolbar-zoomout", "toolbar-lineend-none", "toolbar-lineend-arrow",
                             "toolbar-lineend-both", "toolbar-line-solid", "toolbar-line-dash", "toolbar-line-dot",
                             "toolbar-route-straight", "toolbar-route-elbow", "toolbar-snapfigures"}) {
        const QIcon icon = toolbarIcon(name);
        ASSERT_FALSE(icon.isNull()) << name;
        EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{24, 24}, {48, 48}})) << name;
        for (int side : {24, 48}) {
            const QImage shown = icon.pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
            int clear = 0, dark = 0;
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x) {
                    clear += qAlpha(shown.pixel(x, y)) == 0;
                    dark += qAlpha(shown.pixel(x, y)) > 200 && qGray(shown.pixel(x, y)) < 40;
                }
            EXPECT_GT(clear, side * side / 2) << name << " " << side;
            EXPECT_GT(dark, side) << name << " " << side;
        }
    }
    EXPECT_TRUE(toolbarIcon("toolbar-none").isNull());
}
