// The action judges of the candidate's desktop: the pointer, key, typed-text and pop-up handlers
// that compare the candidate's actions with the current step record.
#include "desktop/frm_main.h"

void FrmMain::wireJudges()
{
    // The judges of clicks, drags, keys and pop-up picks wire their handlers here; until they
    // land, actions on the desktop are not judged.
}
