// The tab dialog of a step: the piece of the scene that the render calls and the tab-dialog work
// lays out.
#include "desktop/frm_main.h"

// The simulated tab dialog and back button of a step. Filled by the tab-dialog work; does nothing
// yet.
void FrmMain::tabDialog() {}

