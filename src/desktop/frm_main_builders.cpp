// Hot-spot layout, drop-down menus, the per-step reset and the teaching frames:
// the pieces of the scene that the render calls and the menu subsystem lays out.
#include "desktop/frm_main.h"

// The fixed hot-spots of toolbar, desktop icons, Start menu and My Computer, and the boxes that
// hold them. Filled by the hot-spot layout work; does nothing yet.
void FrmMain::ToolCSH() {}

// Menu-bar box and title hot-spots 1-10 for the step's application. Filled by the hot-spot layout
// work; does nothing yet.
void FrmMain::MenuCSH() {}

// Task-pane hot-spots 26-40 and the pane's highlight. Filled by the hot-spot layout work; does
// nothing yet.
void FrmMain::HuiRenwuCSH() {}

// Dialog panel: its picture and hot-spots 41-60. Filled by the hot-spot layout work; does nothing
// yet.
void FrmMain::CtrlCSH() {}

// Per-step reset of menus and highlights. Filled by the menu work; does nothing yet.
void FrmMain::frmCsh() {}

// First-, second- and third-level drop-down rows. Filled by the menu work; do nothing yet.
void FrmMain::Tool1JCSH() {}
void FrmMain::Tool2JCSH() {}
void FrmMain::Tool3JCSH() {}

// The teaching frames around the hot-spot a menu step expects. Filled by the teaching-frame
// work; for now the one-shot tick only switches itself off.
void FrmMain::TimerDisFK_Timer()
{
    TimerDisFK.setEnabled(false);
}
