// The question panel's button family and commands: the looks of the button areas, the speed
// choice, mark, teaching, the candidate card, and the demonstration or exam-tips button.
#include <QDir>

#include "common/drill_state.h"
#include "common/scale.h"
#include "common/text_file.h"
#include "demo/frm_yanshi.h"
#include "desktop/frm_main.h"
#include "drill/frm_czts.h"
#include "drill/frm_tm.h"
#include "drill/frm_tm_end.h"
#include "drill/panel_link.h"
#include "platform/msgbox.h"
#include "steps/question_block.h"

using namespace platform;

namespace {

// Whether the current question's whole block of records is in a step file that can be read.
bool recordsReadable()
{
    const auto& d = common::drill();
    const std::optional<steps::Block> block = steps::questionBlock(d, d.dqTm);
    if (!block) return false;
    const common::TextReadResult file = common::readTextFile(d.stepPath);
    return file.status == common::TextStatus::Ok && steps::blockInFile(*block, file.lines.size());
}

} // namespace

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

// In an exam the button opens the tips dialog; otherwise it starts the demonstration of the
// question shown, about 200 ms later.
void FrmTm::Command1_Click()
{
    drill::hideIllustration(drill::panelPartsOf(*this));
    if (Command1.Caption() == QStringLiteral("操作提示")) {
        form<drill::FrmCZTS>().Show(vbModal);
        return;
    }
    // Without its records the demonstration would hide the desktop, show nothing and come back.
    if (!recordsReadable()) {
        const auto& d = common::drill();
        MsgBox(
            QStringLiteral("第%1题的操作步骤无法读取：文件“%2”缺失、已损坏或不完整。\r\n\r\n本题不能演示。")
                .arg(d.dqTm)
                .arg(QDir::toNativeSeparators(d.stepPath)),
            vbOKOnly + vbExclamation);
        return;
    }
    common::drill().ysRun = true;
    showQuestionText();
    TimStartYS.setEnabled(true);
}

// The deferred demonstration start, on its second tick: the candidate's desktop and the panel
// hidden, the player loaded (its load plays step 1) with every clock slowed by the speed factor,
// then shown. The candidate's automatic step does not run underneath.
void FrmTm::TimStartYS_Timer()
{
    ysTicks += 1;
    if (ysTicks < 2) return;
    ysTicks = 0;
    TimStartYS.setEnabled(false);
    FrmMain& desk = form<FrmMain>();
    desk.Timer3.setEnabled(false);
    desk.setVisible(false);
    setVisible(false);
    // The demonstration lies over the candidate's desktop and gives the question back to it.
    FrmYanShi& player = Forms::instance<FrmYanShi>();
    player.handOver({&desk, [this] { demonstrationEnded(); }});
    player.Load();
    player.setSpeed(ysSpeed);
    player.setVisible(true);
    common::drill().ysRun = true;
}
