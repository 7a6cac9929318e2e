#include "settings/SettingsCommands.h"

#include <QLineEdit>

namespace {

// Screen fonts (1) + printer fonts (2) + effects: underline, strikeout and a
// colour choice (256).
constexpr int kFontDialogFlags = 259;
// Sizes beyond this are refused: the canvas would have to raster glyphs
// thousands of pixels high.
constexpr float kMaxFontSize = 1000;

// Face, size, bold, italic and underline, in that order. Strikeout is a
// choice of the dialog only: stamped text never shows it.
void copyFont(const CommonDialog& d, QFont& f) {
    f.setFamily(d.FontName);
    f.setPointSizeF(d.FontSize);
    f.setBold(d.FontBold);
    f.setItalic(d.FontItalic);
    f.setUnderline(d.FontUnderline);
}

void copyTo(const CommonDialog& d, QLineEdit* box) {
    QFont f = box->font();
    copyFont(d, f);
    box->setFont(f);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Text, Canvas::toQColor(d.Color));  // the box's ForeColor
    box->setPalette(pal);
}

// Before its first use the dialog holds no font: it opens with the text font.
void presetFont(CommonDialog& d, const QFont& f) {
    d.FontName = f.family();
    d.FontSize = float(f.pointSizeF());
    d.FontBold = f.bold();
    d.FontItalic = f.italic();
    d.FontUnderline = f.underline();
    d.FontStrikethru = f.strikeOut();
}

}  // namespace

void SettingsCommands::drawColor(Dialogs& dialogs, CommonDialog& d, VbColor& drawColor) {
    d.CancelError = true;
    if (!dialogs.ShowColor(d)) return;  // cancelled: nothing changes
    drawColor = d.Color;
}

void SettingsCommands::textFont(Dialogs& dialogs, CommonDialog& d, Canvas& canvas,
                                std::initializer_list<QLineEdit*> boxes) {
    d.CancelError = true;
    d.Flags = kFontDialogFlags;
    if (d.FontName.isEmpty()) presetFont(d, canvas.Font);
    if (!dialogs.ShowFont(d)) return;  // cancelled: nothing changes
    if (!(d.FontSize > 0 && d.FontSize <= kMaxFontSize)) return;
    for (QLineEdit* box : boxes) copyTo(d, box);
    copyFont(d, canvas.Font);
    canvas.ForeColor = d.Color;
}
