#include "QtDialogs.h"

#include "app/Canvas.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>

int QtDialogs::MsgBox(const QString& text, int style, const QString& title) {
    QMessageBox box(parent_);
    box.setWindowTitle(title);
    box.setText(text);
    const int buttons = style & 0xF;
    const int icon = style & 0xF0;
    box.setIcon(icon == 32 ? QMessageBox::Question : icon == 48 ? QMessageBox::Warning : QMessageBox::NoIcon);
    if (buttons == 3) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    }
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString QtDialogs::qtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!name.contains(QLatin1Char('('))) name += QStringLiteral(" (%1)").arg(patterns);
        out << name;
    }
    return out.join(QStringLiteral(";;"));
}

static bool finishFileDialog(CommonDialog& d, const QString& path) {
    if (path.isEmpty()) return false;
    d.FileName = path;
    d.FileTitle = QFileInfo(path).fileName();
    return true;
}

bool QtDialogs::ShowOpen(CommonDialog& d) {
    return finishFileDialog(d, QFileDialog::getOpenFileName(parent_, QStringLiteral("Open"), d.FileName,
                                                            qtFilter(d.Filter)));
}

bool QtDialogs::ShowSave(CommonDialog& d) {
    // The program asks its own replace question, so Qt's is turned off.
    return finishFileDialog(d, QFileDialog::getSaveFileName(parent_, QStringLiteral("Save As"), d.FileName,
                                                            qtFilter(d.Filter), nullptr,
                                                            QFileDialog::DontConfirmOverwrite));
}

bool QtDialogs::ShowColor(CommonDialog& d) {
    const QColor c = QColorDialog::getColor(Canvas::toQColor(d.Color), parent_);
    if (!c.isValid()) return false;
    d.Color = c.red() | (c.green() << 8) | (c.blue() << 16);
    return true;
}

bool QtDialogs::ShowFont(CommonDialog& d) {
    QFont initial(d.FontName);
    if (d.FontSize > 0) initial.setPointSizeF(d.FontSize);
    initial.setBold(d.FontBold);
    initial.setItalic(d.FontItalic);
    initial.setUnderline(d.FontUnderline);
    initial.setStrikeOut(d.FontStrikethru);
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial, parent_);
    if (!ok) return false;
    d.FontName = f.family();
    d.FontSize = float(f.pointSizeF());
    d.FontBold = f.bold();
    d.FontItalic = f.italic();
    d.FontUnderline = f.underline();
    d.FontStrikethru = f.strikeOut();
    return true;
}

void QtDialogs::Message(const QString& title, const QString& text) {
    QMessageBox::warning(parent_, title, text);
}
