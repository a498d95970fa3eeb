#include "drill/exam_clock.h"

#include "common/drill_state.h"
#include "drill/frm_end.h"
#include "platform/msgbox.h"

namespace drill {

namespace {
bool running = false;
}

bool examRunning()
{
    return running;
}

void detail::setExamRunning(bool on)
{
    running = on;
}

void startExamClock(const PanelParts& p)
{
    running = true;
    if (p.TimeKS) {
        // Switching the timer off and on again starts its minute afresh.
        p.TimeKS->setEnabled(false);
        p.TimeKS->setEnabled(true);
    }
    showTime(p, common::drill().timeLeft);
}

void TimeKS_Timer()
{
    const PanelParts p = loadedPanel();
    auto& d = common::drill();
    if (d.fileBase != 0 || !running) {
        if (p.TimeKS) p.TimeKS->setEnabled(false);
        return;
    }
    d.timeLeft -= 1;
    showTime(p, d.timeLeft);
    if (d.timeLeft <= 0) timeUp();
}

void timeUp()
{
    const PanelParts p = loadedPanel();
    auto& d = common::drill();
    if (p.TimeKS) p.TimeKS->setEnabled(false);
    d.timeLeft = 0;
    showTime(p, 0);
    platform::MsgBox(QStringLiteral("时间已到，自动交卷！"), platform::vbOKOnly, d.kmName);
    handIn();
}

} // namespace drill
