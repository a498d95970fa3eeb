// Hot-spot layout, drop-down menus, the per-step reset, the tab dialog and the teaching frames:
// the pieces of the scene that the render calls and the menu subsystem lays out.
#include "desktop/frm_main.h"

// The fixed hot-spots of toolbar, desktop icons, Start menu and My Computer, and the boxes that
// hold them. Filled by the hot-spot layout work; does nothing yet.
void FrmMain::ToolCSH() {}

// Task-pane hot-spots 26-40 and the pane's highlight. Filled by the hot-spot layout work; does
// nothing yet.
void FrmMain::HuiRenwuCSH() {}

// Dialog panel: its picture and hot-spots 41-60. Filled by the hot-spot layout work; does nothing
// yet.
void FrmMain::CtrlCSH() {}

// The simulated tab dialog and back button of a step. Filled by the tab-dialog work; does nothing
// yet.
void FrmMain::tabDialog() {}

// The teaching frames around the hot-spot a menu step expects. Filled by the teaching-frame
// work; for now the one-shot tick only switches itself off.
void FrmMain::TimerDisFK_Timer()
{
    TimerDisFK.setEnabled(false);
}
