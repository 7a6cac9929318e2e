#include "Palette.h"

#include "app/window/frmmain.h"

const std::vector<PaletteEntry>& paletteEntries() {
    static const std::vector<PaletteEntry> entries = {
        {"cmdErase", "Eraser", "Eraser", Tool::Eraser, 9, {}, &frmmain::cmdErase_Click},
        {"cmdClear", "Clear", "Clear Picture", -1, 9, {}, &frmmain::cmdClear_Click},
        {"cmdStart", "Start", "Start", Tool::Start, 8.25, {87, 32}, &frmmain::cmdStart_Click},
        {"cmdCircle", "Circle", "Circle", Tool::Circle, 8.25, {85, 39}, &frmmain::cmdCircle_Click},
        {"cmdSquare", "Process", "Process", Tool::Process, 8.25, {89, 35}, &frmmain::cmdSquare_Click},
        {"cmdLine", "Line", "Line", Tool::Line, 8.25, {97, 34}, &frmmain::cmdLine_Click},
        {"cmdparallelogram", "Data", "Data", Tool::Data, 8.25, {92, 35}, &frmmain::cmdparallelogram_Click},
        {"cmdstoreddata", "Stored data", "Stored Data", Tool::StoredData, 8.25, {113, 33}, &frmmain::cmdstoreddata_Click},
        {"cmdpreprocess", "Predefined.", "Predefined Process", Tool::PredefinedProcess, 8.25, {87, 35}, &frmmain::cmdpreprocess_Click},
        {"cmdseqdata", "Sequential.", "Sequential Data", Tool::SequentialData, 8.25, {90, 35}, &frmmain::cmdseqdata_Click},
        {"cmdpapertap", "Paper Tape", "Paper Tape", Tool::PaperTape, 8.25, {91, 35}, &frmmain::cmdpapertap_Click},
        {"cmdinternalstorage", "Internal..", "Internal Storage", Tool::InternalStorage, 8.25, {93, 35}, &frmmain::cmdinternalstorage_Click},
        {"cmddirectdata", "Direct Data", "Direct Data", Tool::DirectData, 8.25, {100, 34}, &frmmain::cmddirectdata_Click},
        {"cmdmanualinput", "Manual... ", "Manual Input", Tool::ManualInput, 8.25, {91, 38}, &frmmain::cmdmanualinput_Click},
        {"cmdrhombus", "Decision...", "Decision Box", Tool::Decision, 8.25, {109, 33}, &frmmain::cmdrhombus_Click},
        {"cmdpreparation", "Preparation", "Preparation", Tool::Preparation, 8.25, {88, 39}, &frmmain::cmdpreparation_Click},
        {"cmdmanualoperation", "Manual...", "Manual Operation", Tool::ManualOperation, 8.25, {85, 33}, &frmmain::cmdmanualoperation_Click},
        {"cmddocument", "Document", "Documnet", Tool::DocumentSymbol, 8.25, {90, 39}, &frmmain::cmddocument_Click},
        {"cmdoffpageref", "Off-page...", "Off-page Reference", Tool::OffPageReference, 8.25, {89, 39}, &frmmain::cmdoffpageref_Click},
        {"cmdinternalprocess", "Internal...", "Internal Process", Tool::InternalProcess, 8.25, {100, 39}, &frmmain::cmdinternalprocess_Click},
        {"cmdparallelmod", "Parallel...", "Parallel Mode", Tool::ParallelMode, 8.25, {86, 30}, &frmmain::cmdparallelmod_Click},
        {"cmdArrowup", "Up Arrow", "Up Arrow", Tool::UpBlockArrow, 8.25, {87, 34}, &frmmain::cmdArrowup_Click},
        {"cmdArrowdown", "Down Arrow", "Down Arrow", Tool::DownBlockArrow, 8.25, {87, 34}, &frmmain::cmdArrowdown_Click},
        {"cmddoublearrow", "Unnamed...", "Unnamed Object", Tool::DoubleArrow, 8.25, {92, 36}, &frmmain::cmddoublearrow_Click},
        {"cmdArrowleft", "Left Arrow", "Left Arrow", Tool::LeftBlockArrow, 8.25, {85, 36}, &frmmain::cmdArrowleft_Click},
        {"cmdArrowright", "Right Arrow", "Right Arrow", Tool::RightBlockArrow, 8.25, {89, 36}, &frmmain::cmdArrowright_Click},
        {"cmddoublesidearrow", "Arrow", "Single Double Side Arrow", Tool::DoubleSideArrow, 9, {92, 29}, &frmmain::cmddoublesidearrow_Click},
        {"cmdleftsinglearrow", "Left Arrow", "Single Left Arrow", Tool::LeftSingleArrow, 8.25, {85, 37}, &frmmain::cmdleftsinglearrow_Click},
        {"cmdrightsinglearrow", "Right Arrow", "Single Right Arrow", Tool::RightSingleArrow, 8.25, {91, 37}, &frmmain::cmdrightsinglearrow_Click},
        {"cmdlooplimit", "Loop Limit", "Loop Limit", Tool::LoopLimit, 8.25, {93, 39}, &frmmain::cmdlooplimit_Click},
        {"cmdupsinglearrow", "Up Arrow", "Single Up Arrow", Tool::UpSingleArrow, 8.25, {85, 37}, &frmmain::cmdupsinglearrow_Click},
        {"cmddownsinglearrow", "Down Arrow", "Single Down Arrow", Tool::DownSingleArrow, 8.25, {85, 40}, &frmmain::cmddownsinglearrow_Click},
        {"cmdterminate", "Terminate", "Terminate", Tool::Terminate, 8.25, {87, 32}, &frmmain::cmdterminate_Click},
    };
    return entries;
}
