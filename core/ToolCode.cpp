#include "ToolCode.h"

#include <iterator>

namespace Tool {
namespace {

constexpr Direction kAny = Direction::Any, kRightAndBelow = Direction::RightAndBelow;

const Traits kTools[] = {
    {Line, "cmdLine", "dispatcher", kAny},
    {Circle, "cmdCircle", "dispatcher", kAny},
    {Process, "cmdSquare", "dispatcher", kAny},
    {RightBlockArrow, "cmdArrowright", "arrowright", kAny},
    {Eraser, "cmdErase", "dispatcher", kAny},
    {Start, "cmdStart", "startandend", kAny},
    {LeftBlockArrow, "cmdArrowleft", "arrowleft", kAny},
    {UpBlockArrow, "cmdArrowup", "arrowup", kAny},
    {DownBlockArrow, "cmdArrowdown", "arrowdown", kAny},
    {Decision, "cmdrhombus", "Decisionbox", kAny},
    {Terminate, "cmdterminate", "startandend", kAny},
    {Data, "cmdparallelogram", "DrawData", kAny},
    {StoredData, "cmdstoreddata", "storeddata", kAny},
    {PredefinedProcess, "cmdpreprocess", "PredefinedProcess", kRightAndBelow},
    {InternalStorage, "cmdinternalstorage", "Internalstorage", kRightAndBelow},
    {SequentialData, "cmdseqdata", "Seqentialdata", kRightAndBelow},
    {DirectData, "cmddirectdata", "Directdata", kRightAndBelow},
    {ManualInput, "cmdmanualinput", "Manualinput", kRightAndBelow},
    {ManualOperation, "cmdmanualoperation", "Manualoperation", kRightAndBelow},
    {Preparation, "cmdpreparation", "Preparation", kAny},
    {LoopLimit, "cmdlooplimit", "Looplimit", kRightAndBelow},
    {OffPageReference, "cmdoffpageref", "Offpagereference", kRightAndBelow},
    {ParallelMode, "cmdparallelmod", "Parallelmode", kAny},
    {InternalProcess, "cmdinternalprocess", "Internalprocess", kRightAndBelow},
    {PaperTape, "cmdpapertap", "Papertape", kRightAndBelow},
    {DocumentSymbol, "cmddocument", "Documentdata", kRightAndBelow},
    {DoubleArrow, "cmddoublearrow", "doublearrow", kAny},
    {LeftSingleArrow, "cmdleftsinglearrow", "leftsinglearrow", kRightAndBelow},
    {RightSingleArrow, "cmdrightsinglearrow", "rightsinglearrow", kRightAndBelow},
    {UpSingleArrow, "cmdupsinglearrow", "upsinglearrow", kRightAndBelow},
    {DownSingleArrow, "cmddownsinglearrow", "downsinglearrow", kRightAndBelow},
    {DoubleSideArrow, "cmddoublesidearrow", "Doublesidearrow", kRightAndBelow},
};

}  // namespace

const Traits* traits(int code) {
    for (const Traits& t : kTools)
        if (t.code == code) return &t;
    return nullptr;
}

bool drawsNothing(int code, float x0, float y0, float x, float y) {
    const Traits* t = traits(code);
    return t && t->release == kRightAndBelow && !(x0 <= x && y0 <= y);
}

const Traits* begin() { return std::begin(kTools); }
const Traits* end() { return std::end(kTools); }

}  // namespace Tool
