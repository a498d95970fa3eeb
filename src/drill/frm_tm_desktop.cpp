// The panel as the two desktops reach it: the candidate's desktop through common::QuestionPanel,
// which the drill installs when it starts a drill (drill::installPanel), and the demonstration
// through what the panel hands it when it starts one.
#include "desktop/frm_main.h"
#include "drill/frm_tm.h"

void FrmTm::dockAtCorner(double right, double bottom)
{
    setLeft(right - Width());
    setTop(bottom - Height());
}

void FrmTm::bringPanelToTop()
{
    bringToTop();
}

void FrmTm::showTitle(const QString& title)
{
    LblBiao.setCaption(title);
}

void FrmTm::showUnfinished(const QString& unfinished)
{
    LblUnit.setCaption(unfinished);
}

void FrmTm::demonstrationEnded()
{
    platform::form<FrmMain>().Show();
    TimerREDO.setEnabled(true);
    Show();
}
