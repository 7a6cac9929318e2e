// What happens around a command, declared once for each command in the
// window's command table and applied by one runner: whether it only ends a
// drag under way, drops what floats, leaves Select or a press tool, runs as
// one step of the undo history, asks before a change the history could not
// hold, shows that it is busy, and counts as a change.
#pragma once

#include <QString>

namespace Command {

enum Rule : unsigned {
    // Every command ends a drag under way first; with this rule, ending it
    // is all the command does then (Esc, Undo, Redo).
    EndsDragOnly = 1u << 0,
    // What floats is dropped first, a step of its own; the marking stays.
    DropsFloating = 1u << 1,
    // Select is left first, what floats dropped.
    LeavesSelect = 1u << 2,
    // Fill and Pick Colour are left first.
    LeavesPressTool = 1u << 3,
    // The command is one step of the undo history.
    Step = 1u << 4,
    // A change the undo history could not hold is asked about before it is
    // made ("Make it anyway?"); without it the history tells afterwards.
    AsksFirst = 1u << 5,
    // A busy cursor, and the working bar for long work, on a large picture.
    Busy = 1u << 6,
    // A step that changed pixels counts as a change of the picture.
    Changes = 1u << 7,
};
using Rules = unsigned;

// A command that changes the picture's pixels: one step, asked about first,
// busy on a large picture, counted as a change.
constexpr Rules kEdit = Step | AsksFirst | Busy | Changes;
// Replaces the picture as the user asked (New, Open): one step, busy; the
// history tells afterwards when it could not keep the step.
constexpr Rules kReplace = LeavesSelect | Step | Busy;

// Why a set of rules does not hang together, or empty: a change outside a
// step, a question or a count with nothing to ask about or count, a drag
// ended with more work after it.
QString fault(Rules rules);

}  // namespace Command
