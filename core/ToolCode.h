// Every tool code the drag knows, and one table of what goes with each
// drawing tool: the palette button that chooses it, the module that draws it,
// and whether its figure needs a release right of and below the press.
#pragma once

namespace Tool {

enum Code : int {
    Line = 0,
    Circle = 1,
    Process = 2,
    None = 3,  // no tool chosen yet
    RightBlockArrow = 4,
    Eraser = 5,
    Start = 6,
    LeftBlockArrow = 7,
    UpBlockArrow = 8,
    DownBlockArrow = 9,
    Decision = 10,
    Terminate = 11,
    Data = 12,
    StoredData = 13,
    PredefinedProcess = 14,
    InternalStorage = 15,
    SequentialData = 16,
    DirectData = 17,
    ManualInput = 18,
    ManualOperation = 19,
    Preparation = 20,
    LoopLimit = 21,
    OffPageReference = 22,
    ParallelMode = 23,
    InternalProcess = 24,
    PaperTape = 25,
    DocumentSymbol = 26,
    DoubleArrow = 27,
    LeftSingleArrow = 28,
    RightSingleArrow = 29,
    UpSingleArrow = 30,
    DownSingleArrow = 31,
    DoubleSideArrow = 32,
    TextPending = 33,  // text typed, waiting for a press
    Finished = 34,     // set by every release: no tool until one is chosen
};

// Which way a release may lie from the press for the figure to be drawn.
enum class Direction { Any, RightAndBelow };

struct Traits {
    Code code;
    const char* button;  // the palette button that chooses it
    const char* module;  // who draws it: "dispatcher" for the built-in tools
    Direction release;
};

// The traits of a drawing tool, or null for codes that draw nothing.
const Traits* traits(int code);
// Whether a drag from (x0, y0) to (x, y) draws nothing with that tool: its
// figure needs the point right of and below the press, or level with it.
bool drawsNothing(int code, float x0, float y0, float x, float y);
// Every drawing tool, by code.
const Traits* begin();
const Traits* end();

}  // namespace Tool
