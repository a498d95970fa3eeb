// The question load and the navigation of the question panel: previous, next, redo and the
// question selector. Other forms load a question only through TimerREDO.
#include <algorithm>
#include <array>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/question_state.h"
#include "common/scale.h"
#include "common/text_file.h"
#include "desktop/frm_main.h"
#include "drill/frm_picture.h"
#include "drill/frm_tm.h"
#include "drill/panel_link.h"

using namespace platform;

namespace {

constexpr long ButtonFace = 0x8000000FL;
constexpr long Green = 0xFF00;
constexpr long Red = 0xFF;

bool inDrill(int q)
{
    return q >= 1 && q <= common::DrillVars::MaxQuestions;
}

} // namespace

void FrmTm::DqExam()
{
    auto& d = common::drill();
    const int q = d.dqTm;
    noDrill = false;

    CmdPre.setEnabled(q > 1);
    CmdNext.setEnabled(q < d.tmCount);
    CmdGN(0).setEnabled(CmdPre.Enabled());
    CmdGN(1).setEnabled(CmdNext.Enabled());
    // A panel kept from an earlier drill offers exactly this drill's questions too.
    offerQuestions();

    showQuestionText();

    // The pictures the question showed when it was left: a step record may keep earlier ones. Until
    // its step is rendered the desktop shows nothing of another question: a picture the question
    // does not have (or that cannot be loaded) leaves its place empty, and the success of the
    // question before is gone.
    FrmMain& desk = form<FrmMain>();
    desk.LblSuccess.setVisible(false);
    const std::array<QString, common::DrillVars::PicSlots> pics =
        inDrill(q) ? d.tmPic[q] : std::array<QString, common::DrillVars::PicSlots>{};
    auto restore = [&d](auto& target, const QString& code) {
        const QString f = common::pictureFile(d.dataPath, code, d.dataExt);
        if (f.isEmpty() || !target.LoadPicture(f)) target.setPicture(Picture());
    };
    restore(desk, pics[0]);
    Image* images[] = {&desk.Image1, &desk.Image2, &desk.Image3, &desk.Image4, &desk.Image5};
    for (int k = 1; k <= 5; ++k)
        restore(*images[k - 1], pics[k]);
    restore(desk.Image6, pics[6]);
    desk.Timer2.setEnabled(true);

    writeTitle();
    if (inDrill(q)) {
        if (!(d.tmState[q] & common::TmVisited)) d.tmState[q] += common::TmVisited;
        d.dqStep = d.tmStep[q];
    }
    // Teaching mode lasts until the next question load.
    if (d.ksMode != common::ModeExam) d.ksMode = common::ModePractice;
    showDesktopNormal();
}

void FrmTm::showQuestionText()
{
    auto& d = common::drill();
    // A list that cannot be read leaves the text the buffer held; a short one gives its last line.
    const common::LineResult line = common::readLineOrLast(d.tmPath, d.dqTm);
    if (line.line) d.lineBuf = *line.line;
    const QString text = d.lineBuf.mid(6);
    RtbTM.setText(text);

    drill::hideIllustration(drill::panelPartsOf(*this));
    Image2.setVisible(false);
    picFile.clear();
    if (text.startsWith(QLatin1String("picture"))) {
        picFile = common::pictureFile(d.dataPath, text.mid(7, 6), d.dataExt);
        // The viewer holds the picture, hidden until the candidate asks for it.
        drill::FrmPicture& viewer = form<drill::FrmPicture>();
        if (!viewer.isLoaded()) viewer.Load();
        viewer.setVisible(false);
        if (!picFile.isEmpty()) viewer.Image1.LoadPicture(picFile);
        Image2.setCaption(QStringLiteral("显示图片"));
        RtbTM.setText(text.mid(13));
        Image2.setVisible(true);
    }
}

void FrmTm::writeTitle()
{
    const auto& d = common::drill();
    LblBiao.setCaption(common::panelTitle(d));
    LblUnit.setCaption(common::unfinishedQuestions(d));
}

void FrmTm::offerQuestions()
{
    drill::offerQuestions(drill::panelPartsOf(*this), common::drill().tmCount);
}

void FrmTm::showDesktopNormal()
{
    FrmMain& desk = form<FrmMain>();
    const bool maximised = desk.WindowState() == vbMaximized;
    // Maximised on a small screen: the normal window is the design size at the top-left corner,
    // so it still fills the screen and the panel stays at its corner.
    if (maximised) desk.Move(0, 0, 12000 * common::scaleX(), 9000 * common::scaleY());
    desk.setWindowState(vbNormal);
    if (maximised) desk.dockPanel();
    desk.Show();
}

void FrmTm::TimerREDO_Timer()
{
    DqExam();
    TimerREDO.setEnabled(false);
}

void FrmTm::CmdNext_Click()
{
    auto& d = common::drill();
    d.dqTm = std::min(d.dqTm + 1, d.tmCount);
    DqExam();
}

void FrmTm::CmdPre_Click()
{
    auto& d = common::drill();
    d.dqTm = std::max(d.dqTm - 1, 1);
    DqExam();
}

void FrmTm::CmdRedo_Click()
{
    auto& d = common::drill();
    if (inDrill(d.dqTm)) d.tmStep[d.dqTm] = 1;
    DqExam();
}

void FrmTm::CmdSelect_Click()
{
    const auto& d = common::drill();
    for (int i = 1; i <= 40; ++i) {
        const int state = d.tmState[i];
        long colour = state % 2 == 1 ? Green : ButtonFace;
        if (state & common::TmMarked) colour = Red;
        CmTNO(i).setBackColor(colour);
    }
    FrmSelect.setVisible(true);
}

void FrmTm::CmTNO_Click(int index)
{
    // Only the drill's own questions can be chosen.
    if (index < 1 || index > common::drill().tmCount) return;
    common::drill().dqTm = index;
    FrmSelect.setVisible(false);
    DqExam();
}

void FrmTm::CmdSelFH_Click()
{
    FrmSelect.setVisible(false);
}
