// The draw colour and the text font and colour.
#include "app/frmmain.h"

void frmmain::drawcolor1_Click() {}
void frmmain::font1_Click() {}
