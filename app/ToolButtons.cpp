// The palette's click handlers. Every tool button but the eraser discards
// the pending text before it selects its tool.
#include "app/frmmain.h"

#include <QLineEdit>

void frmmain::selectTool(int code) {
    txtinsert->setText(QString());  // raises txtinsert_Change when it held text
    form.currentTool = code;
    form.toolsClean = false;
}

void frmmain::cmdErase_Click() { form.currentTool = Tool::Eraser; }
void frmmain::cmdStart_Click() { selectTool(6); }
void frmmain::cmdCircle_Click() { selectTool(Tool::Circle); }
void frmmain::cmdSquare_Click() { selectTool(Tool::Process); }
void frmmain::cmdLine_Click() { selectTool(Tool::Line); }
void frmmain::cmdparallelogram_Click() { selectTool(12); }
void frmmain::cmdstoreddata_Click() { selectTool(13); }
void frmmain::cmdpreprocess_Click() { selectTool(14); }
void frmmain::cmdseqdata_Click() { selectTool(16); }
void frmmain::cmdpapertap_Click() { selectTool(25); }
void frmmain::cmdinternalstorage_Click() { selectTool(15); }
void frmmain::cmddirectdata_Click() { selectTool(17); }
void frmmain::cmdmanualinput_Click() { selectTool(18); }
void frmmain::cmdrhombus_Click() { selectTool(10); }
void frmmain::cmdpreparation_Click() { selectTool(20); }
void frmmain::cmdmanualoperation_Click() { selectTool(19); }
void frmmain::cmddocument_Click() { selectTool(26); }
void frmmain::cmdoffpageref_Click() { selectTool(22); }
void frmmain::cmdinternalprocess_Click() { selectTool(24); }
void frmmain::cmdparallelmod_Click() { selectTool(23); }
void frmmain::cmdArrowup_Click() { selectTool(8); }
void frmmain::cmdArrowdown_Click() { selectTool(9); }
void frmmain::cmddoublearrow_Click() { selectTool(27); }
void frmmain::cmdArrowleft_Click() { selectTool(7); }
void frmmain::cmdArrowright_Click() { selectTool(4); }
void frmmain::cmddoublesidearrow_Click() { selectTool(32); }
void frmmain::cmdleftsinglearrow_Click() { selectTool(28); }
void frmmain::cmdrightsinglearrow_Click() { selectTool(29); }
void frmmain::cmdlooplimit_Click() { selectTool(21); }
void frmmain::cmdupsinglearrow_Click() { selectTool(30); }
void frmmain::cmddownsinglearrow_Click() { selectTool(31); }
void frmmain::cmdterminate_Click() { selectTool(11); }
