// The Tools menu: the draw colour, the text font and colour, which the text
// box and its floating preview show too, and the tools that act at one
// press: Fill, with its tolerance, and Pick Colour.
#include "app/canvas/StatusLine.h"
#include "app/window/CommandTable.h"
#include "app/window/frmmain.h"
#include "settings/SettingsCommands.h"

#include <QLineEdit>

void frmmain::drawcolor1_Click() { SettingsCommands::drawColor(dialogs, cdlforcolor, state.drawColor); }

void frmmain::font1_Click() {
    SettingsCommands::textFont(dialogs, cdlforcolor, canvas, {txtinsert, Text1});
    fitText1();
}

// Fill stays on until another tool is chosen, Esc, or Fill again; Pick
// Colour ends at its press, or at Pick Colour again.
void frmmain::fill1_Click() {
    txtinsert->setText(QString());
    pressTools.choose(PressTools::Fill);
    if (pressTools.current() == PressTools::Fill)
        status_->note(QStringLiteral("Fill: press the area to fill with the draw colour."));
}

void frmmain::pickcolor1_Click() {
    txtinsert->setText(QString());
    pressTools.choose(PressTools::PickColor);
    if (pressTools.current() == PressTools::PickColor)
        status_->note(QStringLiteral("Pick Colour: press the colour to draw with."));
}

void frmmain::tolerance1_Click() {
    int value = pressTools.tolerance();
    if (dialogs.AskTolerance(value)) pressTools.setTolerance(value);
}

void frmmain::pressedWith(QPoint pixel) {
    if (pressTools.current() == PressTools::Fill) {
        runCommand(Command::kFillPress,
                   [&] { doc.fill(pixel, state.drawColor, pressTools.tolerance()); });
        return;
    }
    const QImage& picture = canvas.Image();
    if (!picture.rect().contains(pixel)) return;
    pressTools.leave();
    const QRgb c = picture.pixel(pixel);
    state.drawColor = Canvas::toVbColor(c);
    status_->note(QStringLiteral("Draw colour: red %1, green %2, blue %3").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)));
}
