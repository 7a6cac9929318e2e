// The Tools menu: the draw colour, and the text font and colour, which the
// text box and its floating preview show too.
#include "app/window/frmmain.h"
#include "settings/SettingsCommands.h"

void frmmain::drawcolor1_Click() { SettingsCommands::drawColor(dialogs, cdlforcolor, state.drawColor); }

void frmmain::font1_Click() {
    SettingsCommands::textFont(dialogs, cdlforcolor, canvas, {txtinsert, Text1});
    fitText1();
}
