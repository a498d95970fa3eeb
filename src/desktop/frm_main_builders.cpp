// Hot-spot layout, drop-down menus, the per-step reset, the tab dialog and the teaching frames:
// the pieces of the scene that the render calls and the menu subsystem lays out.
#include "desktop/frm_main.h"

// Menu-bar box and title hot-spots 1-10 for the step's application. Filled by the hot-spot layout
// work; does nothing yet.
void FrmMain::MenuCSH() {}

// Per-step reset of menus and highlights. Filled by the menu work; does nothing yet.
void FrmMain::frmCsh() {}

// First-, second- and third-level drop-down rows. Filled by the menu work; do nothing yet.
void FrmMain::Tool1JCSH() {}
void FrmMain::Tool2JCSH() {}
void FrmMain::Tool3JCSH() {}

// The simulated tab dialog and back button of a step. Filled by the tab-dialog work; does nothing
// yet.
void FrmMain::tabDialog() {}

