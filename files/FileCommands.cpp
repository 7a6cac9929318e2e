// Change tracking, New, Exit and closing; Open, Save and Save As.
#include "app/frmmain.h"

void frmmain::new1_Click() {}
void frmmain::open1_Click() {}
void frmmain::save1_Click() {}
void frmmain::saveas1_Click() {}
void frmmain::exit1_Click() { close(); }
void frmmain::Form_Unload(bool& cancel) { cancel = false; }
