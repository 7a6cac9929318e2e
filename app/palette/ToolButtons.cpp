// The palette's click handlers. Every tool button but the eraser discards
// the pending text before it selects its tool; Clear asks, then wipes. A
// double-click locks the tool: it is chosen again after every release.
#include "app/palette/Palette.h"
#include "app/window/CommandTable.h"
#include "app/palette/PaletteButton.h"
#include "app/window/frmmain.h"

#include <QLineEdit>

namespace {

// Clear, the one button with no tool, wipes the picture.
Command::Rules rulesOf(const PaletteEntry& entry) {
    return entry.code >= 0 ? Command::kPaletteTool : Command::kPaletteClear;
}

}  // namespace

void frmmain::paletteClick(const PaletteEntry& entry) {
    dispatcher_.lock(Tool::None);
    runCommand(rulesOf(entry), [&] { (this->*entry.handler)(); });
}

// Clear has no tool to lock, and asks its question only once.
void frmmain::paletteDoubleClick(const PaletteEntry& entry) {
    if (!Tool::traits(entry.code)) return;
    runCommand(rulesOf(entry), [&] { (this->*entry.handler)(); });
    dispatcher_.lock(entry.code);
}

void frmmain::unlockTool() {
    const int locked = dispatcher_.lockedTool();
    if (locked == Tool::None) return;
    dispatcher_.lock(Tool::None);
    if (form.currentTool == locked) form.currentTool = Tool::Finished;
}

void frmmain::showCurrentButton() {
    for (const PaletteEntry& e : paletteEntries())
        if (auto* b = static_cast<PaletteButton*>(buttons.value(QLatin1String(e.name))))
            b->setCurrent(e.code >= 0 && (e.code == form.currentTool || e.code == dispatcher_.lockedTool()));
}

void frmmain::chooseSymbol(Tool::Code code) {
    dispatcher_.lock(Tool::None);
    form.currentTool = code;
    doc.toolsClean = false;
}

void frmmain::selectTool(Tool::Code code) {
    txtinsert->setText(QString());  // raises txtinsert_Change when it held text
    form.currentTool = code;
    doc.toolsClean = false;
}

// Wipes the picture after a question; no flag changes.
void frmmain::cmdClear_Click() {
    form.msgAnswer = QString::number(
        dialogs.MsgBox(tr("Are you sure you want to clear the picture?"), MsgStyle::YesNo,
                       QStringLiteral("Tavimbre")));
    if (form.msgAnswer.toInt() != Answer::Yes) return;
    if (const QString problem = doc.clear(); !problem.isEmpty()) dialogs.Message(QStringLiteral("Tavimbre"), problem);
}

void frmmain::cmdErase_Click() { form.currentTool = Tool::Eraser; }
void frmmain::cmdStart_Click() { selectTool(Tool::Start); }
void frmmain::cmdCircle_Click() { selectTool(Tool::Circle); }
void frmmain::cmdSquare_Click() { selectTool(Tool::Process); }
void frmmain::cmdLine_Click() { selectTool(Tool::Line); }
void frmmain::cmdparallelogram_Click() { selectTool(Tool::Data); }
void frmmain::cmdstoreddata_Click() { selectTool(Tool::StoredData); }
void frmmain::cmdpreprocess_Click() { selectTool(Tool::PredefinedProcess); }
void frmmain::cmdseqdata_Click() { selectTool(Tool::SequentialData); }
void frmmain::cmdpapertap_Click() { selectTool(Tool::PaperTape); }
void frmmain::cmdinternalstorage_Click() { selectTool(Tool::InternalStorage); }
void frmmain::cmddirectdata_Click() { selectTool(Tool::DirectData); }
void frmmain::cmdmanualinput_Click() { selectTool(Tool::ManualInput); }
void frmmain::cmdrhombus_Click() { selectTool(Tool::Decision); }
void frmmain::cmdpreparation_Click() { selectTool(Tool::Preparation); }
void frmmain::cmdmanualoperation_Click() { selectTool(Tool::ManualOperation); }
void frmmain::cmddocument_Click() { selectTool(Tool::DocumentSymbol); }
void frmmain::cmdoffpageref_Click() { selectTool(Tool::OffPageReference); }
void frmmain::cmdinternalprocess_Click() { selectTool(Tool::InternalProcess); }
void frmmain::cmdparallelmod_Click() { selectTool(Tool::ParallelMode); }
void frmmain::cmdArrowup_Click() { selectTool(Tool::UpBlockArrow); }
void frmmain::cmdArrowdown_Click() { selectTool(Tool::DownBlockArrow); }
void frmmain::cmddoublearrow_Click() { selectTool(Tool::DoubleArrow); }
void frmmain::cmdArrowleft_Click() { selectTool(Tool::LeftBlockArrow); }
void frmmain::cmdArrowright_Click() { selectTool(Tool::RightBlockArrow); }
void frmmain::cmddoublesidearrow_Click() { selectTool(Tool::DoubleSideArrow); }
void frmmain::cmdleftsinglearrow_Click() { selectTool(Tool::LeftSingleArrow); }
void frmmain::cmdrightsinglearrow_Click() { selectTool(Tool::RightSingleArrow); }
void frmmain::cmdlooplimit_Click() { selectTool(Tool::LoopLimit); }
void frmmain::cmdupsinglearrow_Click() { selectTool(Tool::UpSingleArrow); }
void frmmain::cmddownsinglearrow_Click() { selectTool(Tool::DownSingleArrow); }
void frmmain::cmdterminate_Click() { selectTool(Tool::Terminate); }
