// The question panel's load: it sizes and places the window, lays every control out from design
// twips times the scale factors, chooses the mode captions, hides the surplus question buttons,
// fills the candidate card and the time display, marks question 1 visited and loads the current
// question.
#include "common/drill_state.h"
#include "common/scale.h"
#include "desktop/frm_main.h"
#include "drill/frm_tm.h"
#include "drill/panel_link.h"

using namespace platform;

namespace {

// A caption label centred on its button area, across and, when asked, down.
void centreOn(Label& caption, const Label& area, bool vertically)
{
    caption.setLeft((area.Width() - caption.Width()) / 2 + area.Left());
    if (vertically) caption.setTop((area.Height() - caption.Height()) / 2 + area.Top());
}

} // namespace

void FrmTm::Form_Load()
{
    auto& d = common::drill();
    const double sx = common::scaleX(), sy = common::scaleY();

    // A drill start creates the panel before it shows the desktop. A panel that the desktop creates
    // itself, to dock it, has no drill behind it until a question is loaded on it: it marks no
    // question visited, loads none (that would show the desktop from inside its own load), keeps
    // no clock and may close.
    noDrill = Forms::isLoaded<FrmMain>();
    ysSpeed = 1;
    setWidth(4980 * sx);
    setHeight(3630 * sy);
    for (int i = d.tmCount + 1; i <= 40; ++i)
        if (i >= 1) CmTNO(i).setVisible(false);
    ysTicks = 0;

    if (d.ksMode == common::ModeExam) {
        drill::setExamCaptions(drill::panelPartsOf(*this));
        PicUnit.setVisible(false);
    } else {
        drill::setCaptions(drill::panelPartsOf(*this), QStringLiteral("手把手教"), QStringLiteral("操作演示"),
                           QStringLiteral("结束练习"));
        PicUnit.setVisible(true);
    }

    setStayOnTop(true);
    // Bottom right of a 1024 x 600 area, until the desktop docks the panel at its corner.
    Move(15360 * sx - Width(), 9000 * sy - Height());

    LblBiao.Move(510 * sx, 90 * sy);
    LblBiao.setFontSize(10 * sx);
    LblMove.Move(0, 0, 3900 * sx, 450 * sy);
    LblZXH.Move(3870 * sx, 30 * sy, 330 * sx, 330 * sy);
    ImgZXH.Move(LblZXH.Left(), LblZXH.Top());

    FrmSelect.Move(0, 450 * sy, Width(), Height());
    FrmKSXX.Move(0, 450 * sy, Width(), Height());
    FrmZhuYa.Move(0, 450 * sy);
    FrmZhuYa.setWidth(Width());
    FrmZXH.Move(0, 0);

    for (int i = 0; i <= 7; ++i)
        CmdGN(i).Move(90 * sx + i * 960 * sx, 15 * sy, 945 * sx, 360 * sy);
    CmdGN(5).Move(90 * sx, 2355 * sy);
    CmdGN(6).Move(2010 * sx, 2355 * sy);
    CmdGN(7).Move(3930 * sx, 2355 * sy);

    Command2.setWidth(645 * sx);
    Command2.setHeight(540 * sy);
    Command2.setLeft((FrmZXH.Width() - Command2.Width()) / 2);
    Command2.setTop(270 * sy);

    CmdPre.setFontSize(10 * sx);
    centreOn(CmdPre, CmdGN(0), true);
    CmdNext.setCaption(QStringLiteral("下一题"));
    Label* topRow[] = {&CmdNext, &CmdRedo, &CmdBZBT, &CmdSelect};
    for (int i = 1; i <= 4; ++i) {
        Label& caption = *topRow[i - 1];
        caption.setFontSize(CmdPre.FontSize());
        centreOn(caption, CmdGN(i), false);
        caption.setTop(CmdPre.Top());
    }

    RtbTM.Move(CmdGN(0).Left(), 450 * sy, 4770 * sx, 1815 * sy);
    RtbTM.setFontSize(11 * sx);

    CmdEnd.setFontSize(CmdPre.FontSize());
    centreOn(CmdEnd, CmdGN(5), true);
    CmdCZTS.setFontSize(CmdPre.FontSize());
    centreOn(CmdCZTS, CmdGN(6), false);
    CmdCZTS.setTop(CmdEnd.Top());
    Command1.setFontSize(CmdPre.FontSize());
    centreOn(Command1, CmdGN(7), false);
    Command1.setTop(CmdEnd.Top());

    Image2.Move(3720 * sx, 1800 * sy, 1065 * sx, 375 * sy);
    Image2.setFontSize(CmdPre.FontSize());
    Image2.setCaption(QStringLiteral("显示图片"));

    LblTime.Move(CmdGN(5).Left(), 2760 * sy, 1215 * sx, 285 * sy);
    PTime.setLeft(1365 * sx);
    PTime.setWidth(2055 * sx);
    LblName.setLeft(3450 * sx);
    LblName.setWidth(735 * sx);
    LblIME.setLeft(4230 * sx);
    LblIME.setWidth(615 * sx);
    PicUnit.setLeft(LblTime.Left());
    PicUnit.setWidth(4080 * sx);
    for (Control* c : std::initializer_list<Control*>{&PTime, &LblName, &LblIME, &PicUnit}) {
        c->setTop(LblTime.Top());
        c->setHeight(LblTime.Height());
    }
    // The row's texts shrink with the row, or the list of unfinished questions runs out of it at
    // a larger dpi.
    for (Label* l : {&LblTime, &LblName, &LblIME, &LblUnit})
        l->setFontSize(9 * sx);

    Image1.Move(120 * sx, 120 * sy, 1455 * sx, 1740 * sy);
    Label1(0).setLeft(1680 * sx);
    Label1(0).setTop(120 * sy);
    for (int k = 1; k <= 5; ++k) {
        Label1(k).setLeft(Label1(0).Left());
        Label1(k).setTop(Label1(k - 1).Top() + 315 * sy);
    }
    Label* values[] = {&KsName1, &KsZWH1, &KsCC1, &KsDAH1, &KsKM1, &KsSFZ1};
    KsName1.setLeft(2640 * sx);
    for (int k = 0; k <= 5; ++k) {
        values[k]->setLeft(KsName1.Left());
        values[k]->setTop(Label1(k).Top());
    }
    Label1(0).setFontSize(9 * sx);
    for (int k = 1; k <= 5; ++k)
        Label1(k).setFontSize(Label1(0).FontSize());
    for (int k = 0; k <= 5; ++k)
        values[k]->setFontSize(Label1(k).FontSize());
    CmdKSFH.Move(1680 * sx, 2400 * sy);

    KsName1.setCaption(d.ksName);
    KsZWH1.setCaption(d.ksZwh);
    KsCC1.setCaption(d.ksCc);
    KsDAH1.setCaption(d.ksDah);
    KsKM1.setCaption(d.kmName);
    KsSFZ1.setCaption(d.ksSfz);

    drill::showTime(drill::panelPartsOf(*this), d.timeLeft);
    LblName.setCaption(d.ksName);

    // Square buttons that touch one another, ten to a row, sized from the frame's width.
    const double s = FrmSelect.Width() / 10.15;
    for (int i = 1; i <= 40; ++i) {
        CommandButton& b = CmTNO(i);
        b.setCaption(QString::number(i));
        b.setWidth(s);
        b.setHeight(s);
        b.setTop(150 * sy + s * ((i - 1) / 10));
        b.setLeft(30 * sx + s * ((i - 1) % 10));
    }
    CmdSelFH.setLeft(CmTNO(34).Left() + CmTNO(34).Width() / 2);
    CmdSelFH.setTop(CmTNO(35).Top() + CmTNO(35).Height() + 240 * sy);

    FrmSelect.setVisible(false);
    FrmKSXX.setVisible(false);

    buildImeMenu();

    if (noDrill) {
        TimeKS.setEnabled(false);
        return;
    }
    if (!(d.tmState[1] & common::TmVisited)) d.tmState[1] += common::TmVisited;
    DqExam();
}
