// The question panel's button family and commands: the looks of the button areas, the speed
// choice, mark, teaching, the candidate card, and the demonstration or exam-tips button.
#include "common/drill_state.h"
#include "common/scale.h"
#include "desktop/frm_main.h"
#include "drill/frm_tm.h"
#include "drill/frm_tm_end.h"
#include "drill/panel_link.h"

using namespace platform;

void FrmTm::CmdGN_Click(int index)
{
    switch (index) {
    case 0:
        CmdPre_Click();
        break;
    case 1:
        CmdNext_Click();
        break;
    case 2:
        CmdRedo_Click();
        break;
    case 3:
        CmdBZBT_Click();
        break;
    case 4:
        CmdSelect_Click();
        break;
    case 5:
        drill::CmdEnd_Click();
        break;
    case 6:
        CmdCZTS_Click();
        break;
    case 7:
        Command1_Click();
        break;
    default:
        break;
    }
}

void FrmTm::CmdGN_MouseDown(int index, int, int, double, double)
{
    ImgDown.Move(CmdGN(index).Left(), CmdGN(index).Top());
}

void FrmTm::CmdGN_MouseMove(int index, int, int, double, double)
{
    // A button stays pressed while the pointer stays on it.
    if (ImgMove.Left() != ImgDown.Left() || ImgMove.Top() != ImgDown.Top())
        ImgDown.setLeft(6000 * common::scaleX());
    ImgMove.Move(CmdGN(index).Left(), CmdGN(index).Top());
}

void FrmTm::CmdGN_MouseUp(int index, int button, int shift, double, double)
{
    // The release comes before the click: a right click or a modifier on the demonstration button
    // asks for half speed.
    ysSpeed = 1;
    if (index == 7 && (button == vbRightButton || shift != 0)) ysSpeed = 2;
}

void FrmTm::CmdBZBT_Click()
{
    auto& d = common::drill();
    const int q = d.dqTm;
    if (q < 1 || q > common::DrillVars::MaxQuestions) return;
    if (d.tmState[q] >= 0 && d.tmState[q] <= 7) d.tmState[q] ^= common::TmMarked;
}

void FrmTm::CmdCZTS_Click()
{
    if (CmdCZTS.Caption() == QStringLiteral("考生信息")) {
        FrmKSXX.setVisible(true);
        return;
    }
    common::drill().ksMode = common::ModeTeaching;
    FrmMain& desk = form<FrmMain>();
    desk.LHelp.setVisible(true);
    desk.Shape1.setVisible(true);
    desk.Shape4.setVisible(true);
    desk.TimerDisFK.setEnabled(true);
    showDesktopNormal();
}

void FrmTm::CmdKSFH_Click()
{
    FrmKSXX.setVisible(false);
}

// The exam tips dialog ("操作提示") and the demonstration ("操作演示") come with their own screens;
// until then the button only closes the illustration.
void FrmTm::Command1_Click()
{
    drill::hideIllustration(drill::panelPartsOf(*this));
}

// The deferred demonstration start acts on its second tick; the player is not there yet, so it
// only counts and stops.
void FrmTm::TimStartYS_Timer()
{
    ysTicks += 1;
    if (ysTicks < 2) return;
    ysTicks = 0;
    TimStartYS.setEnabled(false);
}
