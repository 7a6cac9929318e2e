#include "Palette.h"

#include "app/frmmain.h"

const std::vector<PaletteEntry>& paletteEntries() {
    static const std::vector<PaletteEntry> entries = {
        {"cmdErase", "Eraser", "Eraser", 5, 9, {}, &frmmain::cmdErase_Click},
        {"cmdClear", "Clear", "Clear Picture", -1, 9, {}, &frmmain::cmdClear_Click},
        {"cmdStart", "Start", "Start", 6, 8.25, {87, 32}, &frmmain::cmdStart_Click},
        {"cmdCircle", "Circle", "Circle", 1, 8.25, {85, 39}, &frmmain::cmdCircle_Click},
        {"cmdSquare", "Process", "Process", 2, 8.25, {89, 35}, &frmmain::cmdSquare_Click},
        {"cmdLine", "Line", "Line", 0, 8.25, {97, 34}, &frmmain::cmdLine_Click},
        {"cmdparallelogram", "Data", "Data", 12, 8.25, {92, 35}, &frmmain::cmdparallelogram_Click},
        {"cmdstoreddata", "Stored data", "Stored Data", 13, 8.25, {113, 33}, &frmmain::cmdstoreddata_Click},
        {"cmdpreprocess", "Predefined.", "Predefined Process", 14, 8.25, {87, 35}, &frmmain::cmdpreprocess_Click},
        {"cmdseqdata", "Sequential.", "Sequential Data", 16, 8.25, {90, 35}, &frmmain::cmdseqdata_Click},
        {"cmdpapertap", "Paper Tape", "Paper Tape", 25, 8.25, {91, 35}, &frmmain::cmdpapertap_Click},
        {"cmdinternalstorage", "Internal..", "Internal Storage", 15, 8.25, {93, 35}, &frmmain::cmdinternalstorage_Click},
        {"cmddirectdata", "Direct Data", "Direct Data", 17, 8.25, {100, 34}, &frmmain::cmddirectdata_Click},
        {"cmdmanualinput", "Manual... ", "Manual Input", 18, 8.25, {91, 38}, &frmmain::cmdmanualinput_Click},
        {"cmdrhombus", "Decision...", "Decision Box", 10, 8.25, {109, 33}, &frmmain::cmdrhombus_Click},
        {"cmdpreparation", "Preparation", "Preparation", 20, 8.25, {88, 39}, &frmmain::cmdpreparation_Click},
        {"cmdmanualoperation", "Manual...", "Manual Operation", 19, 8.25, {85, 33}, &frmmain::cmdmanualoperation_Click},
        {"cmddocument", "Document", "Documnet", 26, 8.25, {90, 39}, &frmmain::cmddocument_Click},
        {"cmdoffpageref", "Off-page...", "Off-page Reference", 22, 8.25, {89, 39}, &frmmain::cmdoffpageref_Click},
        {"cmdinternalprocess", "Internal...", "Internal Process", 24, 8.25, {100, 39}, &frmmain::cmdinternalprocess_Click},
        {"cmdparallelmod", "Parallel...", "Parallel Mode", 23, 8.25, {86, 30}, &frmmain::cmdparallelmod_Click},
        {"cmdArrowup", "Up Arrow", "Up Arrow", 8, 8.25, {87, 34}, &frmmain::cmdArrowup_Click},
        {"cmdArrowdown", "Down Arrow", "Down Arrow", 9, 8.25, {87, 34}, &frmmain::cmdArrowdown_Click},
        {"cmddoublearrow", "Unnamed...", "Unnamed Object", 27, 8.25, {92, 36}, &frmmain::cmddoublearrow_Click},
        {"cmdArrowleft", "Left Arrow", "Left Arrow", 7, 8.25, {85, 36}, &frmmain::cmdArrowleft_Click},
        {"cmdArrowright", "Right Arrow", "Right Arrow", 4, 8.25, {89, 36}, &frmmain::cmdArrowright_Click},
        {"cmddoublesidearrow", "Arrow", "Single Double Side Arrow", 32, 9, {92, 29}, &frmmain::cmddoublesidearrow_Click},
        {"cmdleftsinglearrow", "Left Arrow", "Single Left Arrow", 28, 8.25, {85, 37}, &frmmain::cmdleftsinglearrow_Click},
        {"cmdrightsinglearrow", "Right Arrow", "Single Right Arrow", 29, 8.25, {91, 37}, &frmmain::cmdrightsinglearrow_Click},
        {"cmdlooplimit", "Loop Limit", "Loop Limit", 21, 8.25, {93, 39}, &frmmain::cmdlooplimit_Click},
        {"cmdupsinglearrow", "Up Arrow", "Single Up Arrow", 30, 8.25, {85, 37}, &frmmain::cmdupsinglearrow_Click},
        {"cmddownsinglearrow", "Down Arrow", "Single Down Arrow", 31, 8.25, {85, 40}, &frmmain::cmddownsinglearrow_Click},
        {"cmdterminate", "Terminate", "Terminate", 11, 8.25, {87, 32}, &frmmain::cmdterminate_Click},
    };
    return entries;
}
