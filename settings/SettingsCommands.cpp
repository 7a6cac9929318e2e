// The draw colour and the text font and colour. Both commands share the
// dialog object cdlforcolor, whose properties persist between them: the font
// command's flags stay set for the colour dialog, which then preselects the
// shared colour, and each dialog opens with what the other left in it.
#include "app/frmmain.h"

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

void frmmain::drawcolor1_Click() {
    cdlforcolor.CancelError = true;
    if (!dialogs.ShowColor(cdlforcolor)) return;  // cancelled: nothing changes
    state.drawColor = cdlforcolor.Color;
}

void frmmain::font1_Click() {
    cdlforcolor.CancelError = true;
    cdlforcolor.Flags = kFontDialogFlags;
    if (cdlforcolor.FontName.isEmpty()) presetFont(cdlforcolor, canvas.Font);
    if (!dialogs.ShowFont(cdlforcolor)) return;  // cancelled: nothing changes
    if (!(cdlforcolor.FontSize > 0 && cdlforcolor.FontSize <= kMaxFontSize)) return;
    copyTo(cdlforcolor, txtinsert);
    copyTo(cdlforcolor, Text1);
    copyFont(cdlforcolor, canvas.Font);
    canvas.ForeColor = cdlforcolor.Color;
}
