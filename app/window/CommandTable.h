// The window's commands and the rules each declares (see CommandRules.h):
// one row a menu item, and the rules of the commands that have no menu
// item. The window's one runner applies them; no handler opens a step,
// weighs a change against the undo budget or shows that it is busy itself.
#pragma once

#include "core/CommandRules.h"

#include <QKeySequence>
#include <QList>
#include <vector>

class frmmain;

struct CommandRow {
    // The caption of its menu, without the &; empty for the menu bar itself,
    // null for a key of the window that no menu shows.
    const char* menu;
    const char* name;     // the item's object name, as scripts call it
    const char* caption;  // English, UTF-8, marked QT_TRANSLATE_NOOP("Menu", ...) and shown translated
    QList<QKeySequence> shortcuts;
    void (frmmain::*handler)();
    Command::Rules rules;
    bool checkable = false;
    const char* button = nullptr;  // the palette button whose tool it chooses, which names its keys
};

// In menu order within each menu.
const std::vector<CommandRow>& commandTable();

namespace Command {
// A palette button's click, a tool chosen (Clear, which wipes, is an edit
// that counts as no change).
constexpr Rules kPaletteTool = LeavesSelect | LeavesPressTool | Step;
constexpr Rules kPaletteClear = kPaletteTool | AsksFirst | Busy;
// A press of Fill on the canvas.
constexpr Rules kFillPress = kEdit;
// The picture's frame's handle let go at a new size.
constexpr Rules kHandleResize = LeavesSelect | kEdit;
// Paste; a file named on the command line or dropped on the window, and
// picture data dropped on it, as Open and Paste.
constexpr Rules kPaste = LeavesSelect | LeavesPressTool | kEdit;
constexpr Rules kOpenFile = kReplace;
constexpr Rules kDroppedPicture = kPaste;
// Alt and an arrow key: the next figure and its arrow, one edit.
constexpr Rules kChain = kEdit;
// Return in the text box: the label stamped in the last figure, one edit.
constexpr Rules kStampLabel = LeavesSelect | kEdit;
// What floats dropped before a command that leaves Select or drops it: a
// step of its own, a change when it moved a pixel.
constexpr Rules kDrop = kEdit;
// A press on the canvas with Select on: one outside the marked part drops
// what floats.
constexpr Rules kSelectionPress = kEdit;
// A drag of the eraser, whose button is no change, counts the pixels it
// whitened; a figure's drag is counted by its tool's button.
constexpr Rules kEraserDrag = kEdit;
constexpr Rules kDrawingDrag = Step;
// A figure dragged or nudged in Arrange Figures: one step, a change.
constexpr Rules kFigureMove = kEdit;
// Exit, and the window's close box.
constexpr Rules kClose = LeavesSelect | Busy;
}  // namespace Command
