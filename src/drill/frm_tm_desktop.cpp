// The panel as the two desktops reach it: they lie below it in the layers and ask through
// common::QuestionPanel, which the panel registers here.
#include "desktop/frm_main.h"
#include "drill/frm_tm.h"

namespace {

// Registered when the panel is part of the program: this file is linked with FrmTm's table of
// virtual functions.
[[maybe_unused]] const bool registered = [] {
    common::setQuestionPanel([]() -> common::QuestionPanel* { return &platform::form<FrmTm>(); });
    return true;
}();

} // namespace

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
