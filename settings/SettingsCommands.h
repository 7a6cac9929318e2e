// The draw colour and the text font and colour. Both commands share one
// dialog object, whose properties persist between them: the font command's
// flags stay set for the colour dialog, which then preselects the shared
// colour, and each dialog opens with what the other left in it.
#pragma once

#include "core/Canvas.h"
#include "files/Dialogs.h"

#include <initializer_list>

class QLineEdit;

namespace SettingsCommands {

// DrawColor: the colour chosen becomes the colour of finished outlines.
void drawColor(Dialogs& dialogs, CommonDialog& d, VbColor& drawColor);

// Text Font - Color: the choice becomes the canvas's text font and colour,
// and the font and colour of each box that shows the text.
void textFont(Dialogs& dialogs, CommonDialog& d, Canvas& canvas, std::initializer_list<QLineEdit*> boxes);

}  // namespace SettingsCommands
