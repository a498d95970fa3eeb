#include "drill/panel_link.h"

#include <QtGlobal>

#include "common/drill_state.h"
#include "common/question_panel.h"
#include "common/scale.h"
#include "desktop/frm_main.h"
#include "drill/frm_tm.h"

using namespace platform;

namespace drill {

namespace {

constexpr long ButtonFace = 0x8000000FL;
using common::ExamMinutes;

std::function<PanelParts()>& source()
{
    static std::function<PanelParts()> s;
    return s;
}

PanelParts instanceParts()
{
    if (source()) return source()();
    return panelPartsOf(Forms::instance<FrmTm>());
}

} // namespace

PanelParts panel()
{
    if (!source()) installPanel();
    PanelParts p = instanceParts();
    if (p.form) p.form->Load();
    return p;
}

PanelParts loadedPanel()
{
    PanelParts p = instanceParts();
    return p.form && p.form->isLoaded() ? p : PanelParts{};
}

void setPanelSource(std::function<PanelParts()> s)
{
    source() = std::move(s);
}

void installPanel()
{
    common::setQuestionPanel([]() -> common::QuestionPanel* { return &form<FrmTm>(); });
}

void setCaptions(const PanelParts& p, const QString& czts, const QString& command1, const QString& end)
{
    if (p.CmdCZTS) p.CmdCZTS->setCaption(czts);
    if (p.Command1) p.Command1->setCaption(command1);
    if (p.CmdEnd) p.CmdEnd->setCaption(end);
}

void setExamCaptions(const PanelParts& p)
{
    setCaptions(p, QStringLiteral("考生信息"), QStringLiteral("操作提示"), QStringLiteral("结束考试"));
}

void setReviewCaptions(const PanelParts& p)
{
    setCaptions(p, QStringLiteral("手把手教"), QStringLiteral("操作演示"), QStringLiteral("结束复习"));
}

QString endCaption(const PanelParts& p)
{
    return p.CmdEnd ? p.CmdEnd->Caption() : QString();
}

void showUnitBox(const PanelParts& p, bool visible)
{
    if (p.PicUnit) p.PicUnit->setVisible(visible);
}

void setTitle(const PanelParts& p, const QString& biao, const QString& unit)
{
    if (p.LblBiao) p.LblBiao->setCaption(biao);
    if (p.LblUnit) p.LblUnit->setCaption(unit);
}

void offerQuestions(const PanelParts& p, int count)
{
    if (!p.CmTNO) return;
    for (int i = 1; i <= common::DrillVars::MaxQuestions; ++i)
        if (p.CmTNO->exists(i)) (*p.CmTNO)(i).setVisible(i <= count);
}

void resetQuestionColours(const PanelParts& p)
{
    if (!p.CmTNO) return;
    for (int i = 1; i <= common::DrillVars::MaxQuestions; ++i)
        if (p.CmTNO->exists(i)) (*p.CmTNO)(i).setBackColor(ButtonFace);
}

void reloadQuestion(const PanelParts& p)
{
    if (p.TimerREDO) p.TimerREDO->setEnabled(true);
}

void stopDrillTimers(const PanelParts& p)
{
    for (Timer* t : {p.TimeKS, p.TimStartYS, p.TimerREDO})
        if (t) t->setEnabled(false);
}

void showTime(const PanelParts& p, int minutesLeft)
{
    if (p.LblTime) p.LblTime->setCaption(QStringLiteral("剩余%1分钟").arg(minutesLeft));
    if (p.LblTimeJD && p.PTime) {
        // The bar is computed in single precision, never beyond its track.
        const float share = float(ExamMinutes - minutesLeft) * float(p.PTime->Width()) / float(ExamMinutes);
        p.LblTimeJD->setWidth(qBound(0.0, double(share), p.PTime->Width()));
    }
}

void dockAtDesktop(const PanelParts& p)
{
    if (!p.form || !Forms::isLoaded<FrmMain>()) return;
    const FrmMain& desk = Forms::instance<FrmMain>();
    p.form->Move(desk.Left() + desk.Width() - p.form->Width(), desk.Top() + desk.Height() - p.form->Height());
}

void showDesktop()
{
    form<FrmMain>().Show();
}

void unloadDesktop()
{
    if (Forms::isLoaded<FrmMain>()) Forms::instance<FrmMain>().Unload();
}

Form* formNamed(const QString& name)
{
    for (Form* f : Forms::all())
        if (f->Name() == name) return f;
    return nullptr;
}

void showHomeScreen()
{
    if (Form* home = formNamed(QStringLiteral("FrmFengmian")))
        home->Show();
    else
        qWarning("the home screen is not there to be shown");
}

void hideIllustration(const PanelParts& p)
{
    if (Form* viewer = formNamed(QStringLiteral("FrmPicture")); viewer && viewer->isLoaded())
        viewer->setVisible(false);
    if (p.Image2) p.Image2->setCaption(QStringLiteral("显示图片"));
}

} // namespace drill
