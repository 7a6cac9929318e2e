// The Tools menu: the draw colour, the text font and colour, which the text
// box and its floating preview show too, the tools that act at one press:
// Fill, with its tolerance, and Pick Colour, and the line tool's look.
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
        status_->note(tr("Fill: press the area to fill with the draw colour."));
}

void frmmain::pickcolor1_Click() {
    txtinsert->setText(QString());
    pressTools.choose(PressTools::PickColor);
    if (pressTools.current() == PressTools::PickColor)
        status_->note(tr("Pick Colour: press the colour to draw with."));
}

// The line tool's look, which the dispatcher takes at each line's press.
void frmmain::lineendnone1_Click() { state.lineLook.ends = LineEnds::None; }
void frmmain::lineendarrow1_Click() { state.lineLook.ends = LineEnds::End; }
void frmmain::lineendboth1_Click() { state.lineLook.ends = LineEnds::Both; }
void frmmain::linesolid1_Click() { state.lineLook.style = LineStyle::Solid; }
void frmmain::linedash1_Click() { state.lineLook.style = LineStyle::Dashed; }
void frmmain::linedot1_Click() { state.lineLook.style = LineStyle::Dotted; }
void frmmain::routestraight1_Click() { state.lineLook.route = LineRoute::Straight; }
void frmmain::routeelbow1_Click() { state.lineLook.route = LineRoute::Elbow; }

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
    status_->note(tr("Draw colour: red %1, green %2, blue %3").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)));
}
