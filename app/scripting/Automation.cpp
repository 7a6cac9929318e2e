// Named access to the window's controls, for the script runner and tests.
#include "app/canvas/CanvasView.h"
#include "app/canvas/StatusLine.h"
#include "app/palette/Palette.h"
#include "app/window/frmmain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>

bool frmmain::clickButton(const QString& name) {
    for (const PaletteEntry& e : paletteEntries()) {
        if (name == QLatin1String(e.name)) {
            paletteClick(e);
            return true;
        }
    }
    return false;
}

bool frmmain::doubleClickButton(const QString& name) {
    for (const PaletteEntry& e : paletteEntries()) {
        if (name == QLatin1String(e.name)) {
            paletteClick(e);
            paletteDoubleClick(e);
            return true;
        }
    }
    return false;
}

bool frmmain::runMenu(const QString& name) {
    QAction* a = menuItems.value(name);
    if (!a) return false;
    runAction(a);
    return true;
}

void frmmain::runAction(QAction* a) {
    // A greyed-out item runs too: it has nothing to do, and does nothing.
    a->setEnabled(true);
    a->trigger();
    updateEditItems();
}

namespace {

// What a keyboard writes with KEY: its character, capital with Shift, for
// the keys that print one with no command modifier; nothing for the others.
QString keyText(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) || key < 0x20 || key > 0xff) return {};
    const QString c{QChar(char16_t(key))};
    return modifiers & Qt::ShiftModifier ? c : c.toLower();
}

}  // namespace

QWidget* frmmain::keyboardFocus() {
    // Keys reach the focused widget of the active window, and Qt matches
    // shortcuts only there: a window run headless is shown off the screen
    // and made the active one.
    if (!isVisible()) {
        setAttribute(Qt::WA_DontShowOnScreen);
        show();
    }
    if (QApplication::activeWindow() != this) QApplication::setActiveWindow(this);
    // A menu opened by its Alt key takes the keys while it is open.
    if (QWidget* menu = QApplication::activePopupWidget()) return menu;
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : this;
}

void frmmain::sendKey(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    // Through the application, as a keyboard's key: shortcuts first, then
    // the focused widget; the release goes wherever the focus is by then.
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        if (unloaded_) return;
        QKeyEvent e(type, key, modifiers, text);
        QCoreApplication::sendEvent(keyboardFocus(), &e);
    }
}

bool frmmain::pressKey(const QString& sequence) {
    const QKeySequence keys(sequence, QKeySequence::PortableText);
    if (keys.isEmpty()) return false;
    for (int i = 0; i < keys.count(); ++i) {
        const QKeyCombination k = keys[i];
        if (k.key() == Qt::Key_unknown) return false;
        sendKey(k.key(), k.keyboardModifiers(), keyText(k.key(), k.keyboardModifiers()));
    }
    return true;
}

void frmmain::typeText(const QString& text) {
    for (QChar c : text) {
        // Qt's key codes for Latin-1 are their capitals' code points.
        const int key = c == QLatin1Char(' ') ? int(Qt::Key_Space) : int(c.toUpper().unicode());
        sendKey(key, c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, QString(c));
    }
}

void frmmain::focusByClick(QWidget* pressed) {
    // As Qt gives a click the focus: the first widget from the pressed one
    // outwards that takes it by clicking, unless one on the way has it.
    for (QWidget* w = pressed; w; w = w->parentWidget()) {
        if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
            w->setFocus(Qt::MouseFocusReason);
            return;
        }
        if (w->isWindow() || w->hasFocus()) return;
    }
}

bool frmmain::setControlText(const QString& name, const QString& text) {
    if (name == QLatin1String("txtinsert"))
        txtinsert->setText(text);
    else if (name == QLatin1String("Text1"))
        Text1->setText(text);
    else if (name == QLatin1String("cmbDrawWidth"))
        cmbDrawWidth->setEditText(text);
    else if (name == QLatin1String("cmberaserwidth"))
        cmberaserwidth->setEditText(text);
    else
        return false;
    return true;
}

bool frmmain::selectListEntry(const QString& name, int index) {
    QComboBox* box = name == QLatin1String("cmbDrawWidth")     ? cmbDrawWidth
                     : name == QLatin1String("cmberaserwidth") ? cmberaserwidth
                                                               : nullptr;
    if (!box || index < 0 || index >= box->count()) return false;
    if (box == cmbDrawWidth)
        widths_.selectDraw(index);
    else
        box->setCurrentIndex(index);
    box->setEditText(box->itemText(index));
    return true;
}

QStringList frmmain::dump() const {
    auto b = [](bool v) { return v ? QStringLiteral("true") : QStringLiteral("false"); };
    auto onOff = [](bool v) { return v ? QStringLiteral("on") : QStringLiteral("off"); };
    auto n = [](float v) { return Canvas::number(v); };
    const QFont& f = canvas.Font;
    const QRect& marked = doc.selection.rect();
    const std::optional<DrawnFigure>& last = doc.figures().last();
    const DrawnFigure* current = currentFigure();
    auto corners = [&n](const DrawnFigure* f) {
        return f ? QStringLiteral("%1,%2,%3,%4").arg(n(float(f->rect.left())), n(float(f->rect.top())),
                                                     n(float(f->rect.right())), n(float(f->rect.bottom())))
                 : QString();
    };
    return {
        QStringLiteral("currentTool=%1").arg(form.currentTool),
        QStringLiteral("canvasClean=") + b(doc.canvasClean),
        QStringLiteral("toolsClean=") + b(doc.toolsClean),
        QStringLiteral("isUntitled=") + b(doc.identity().untitled),
        QStringLiteral("fileTitle=") + doc.identity().title,
        QStringLiteral("filePath=") + doc.identity().path.shown(),
        QStringLiteral("pictureWidth=%1").arg(canvas.Image().width()),
        QStringLiteral("pictureHeight=%1").arg(canvas.Image().height()),
        QStringLiteral("msgAnswer=") + form.msgAnswer,
        QStringLiteral("caption=") + windowTitle(),
        QStringLiteral("drawColor=%1").arg(state.drawColor),
        QStringLiteral("eraserSize=") + n(state.eraserSize),
        QStringLiteral("startX=") + n(state.startX),
        QStringLiteral("startY=") + n(state.startY),
        QStringLiteral("prevX=") + n(state.prevX),
        QStringLiteral("prevY=") + n(state.prevY),
        QStringLiteral("curX=") + n(state.curX),
        QStringLiteral("curY=") + n(state.curY),
        QStringLiteral("DrawMode=%1").arg(canvas.DrawMode),
        QStringLiteral("DrawWidth=%1").arg(canvas.DrawWidth),
        QStringLiteral("cmbDrawWidth=") + cmbDrawWidth->currentText(),
        QStringLiteral("cmberaserwidth=") + cmberaserwidth->currentText(),
        QStringLiteral("txtinsert=") + txtinsert->text(),
        QStringLiteral("Text1.visible=") + b(!Text1->isHidden()),
        QStringLiteral("Text1.left=") + n(text1Left_),
        QStringLiteral("Text1.top=") + n(text1Top_),
        QStringLiteral("Text1.text=") + Text1->text(),
        QStringLiteral("FontName=") + f.family(),
        QStringLiteral("FontSize=") + n(float(f.pointSizeF())),
        QStringLiteral("FontBold=") + b(f.bold()),
        QStringLiteral("FontItalic=") + b(f.italic()),
        QStringLiteral("FontUnderline=") + b(f.underline()),
        QStringLiteral("ForeColor=%1").arg(canvas.ForeColor),
        QStringLiteral("zoom=%1").arg(Picture1->zoom()),
        QStringLiteral("status=") + status_->line(),
        QStringLiteral("recoveryCopy=") + b(recovery.hasCopy()),
        QStringLiteral("selection=") + (marked.isEmpty() ? QString()
                                                        : QStringLiteral("%1,%2,%3,%4")
                                                              .arg(marked.x())
                                                              .arg(marked.y())
                                                              .arg(marked.width())
                                                              .arg(marked.height())),
        QStringLiteral("floating=") + b(!doc.selection.floating().isNull()),
        QStringLiteral("toolLocked=") + b(dispatcher_.lockedTool() != Tool::None),
        QStringLiteral("grid=") + onOff(grid.shown),
        QStringLiteral("snap=") + onOff(grid.snap),
        QStringLiteral("snapFigures=") + onOff(snapFigures),
        QStringLiteral("gridSpacing=%1").arg(grid.spacing()),
        QStringLiteral("tolerance=%1").arg(pressTools.tolerance()),
        QStringLiteral("transparent=") + b(doc.selection.transparent()),
        QStringLiteral("pressTool=") + pressTools.key(),
        QStringLiteral("toolbar=") + b(!toolbar_->isHidden()),
        QStringLiteral("focus=") + (focusWidget() ? focusWidget()->objectName() : QString()),
        QStringLiteral("lineEnds=") + nameOf(state.lineLook.ends),
        QStringLiteral("lineStyle=") + nameOf(state.lineLook.style),
        QStringLiteral("lineRoute=") + nameOf(state.lineLook.route),
        QStringLiteral("chainGap=%1").arg(form.chainGap),
        QStringLiteral("figures=%1").arg(doc.figures().figures().size()),
        QStringLiteral("lastFigure=") + corners(last ? &*last : nullptr),
        QStringLiteral("connectors=%1").arg(doc.chart().connectorCount()),
        QStringLiteral("labels=%1").arg(doc.chart().labelCount()),
        QStringLiteral("currentFigure=") + corners(current),
        QStringLiteral("chartInFile=") + nameOf(doc.chartInFile),
        QStringLiteral("undoSteps=%1").arg(history.steps()),
        QStringLiteral("redoSteps=%1").arg(history.redoSteps()),
    };
}
