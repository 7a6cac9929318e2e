// Named access to the window's controls, for the script runner and tests.
#include "app/canvas/CanvasView.h"
#include "app/canvas/StatusLine.h"
#include "app/palette/Palette.h"
#include "app/window/frmmain.h"

#include <QAction>
#include <QComboBox>
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

bool frmmain::pressKey(const QString& sequence) {
    const QKeySequence key(sequence, QKeySequence::PortableText);
    if (key.isEmpty()) return false;
    for (QAction* a : findChildren<QAction*>()) {
        if (a->shortcuts().contains(key)) {
            runAction(a);
            return true;
        }
    }
    return false;
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
    return {
        QStringLiteral("currentTool=%1").arg(form.currentTool),
        QStringLiteral("canvasClean=") + b(doc.canvasClean),
        QStringLiteral("toolsClean=") + b(doc.toolsClean),
        QStringLiteral("isUntitled=") + b(doc.identity().untitled),
        QStringLiteral("fileTitle=") + doc.identity().title,
        QStringLiteral("filePath=") + doc.identity().path,
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
        QStringLiteral("gridSpacing=%1").arg(grid.spacing()),
        QStringLiteral("tolerance=%1").arg(pressTools.tolerance()),
        QStringLiteral("transparent=") + b(doc.selection.transparent()),
        QStringLiteral("pressTool=") + pressTools.key(),
        QStringLiteral("toolbar=") + b(!toolbar_->isHidden()),
        QStringLiteral("undoSteps=%1").arg(history.steps()),
        QStringLiteral("redoSteps=%1").arg(history.redoSteps()),
    };
}
