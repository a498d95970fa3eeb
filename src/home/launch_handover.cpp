// The hand-overs from the home screen to the drill screens: forms drive one another only
// through controls and the drill state.
#include "drill/error_review.h"
#include "drill/frm_logon.h"
#include "drill/panel_link.h"
#include "home/frm_fengmian.h"
#include "home/launch.h"
#include "platform/form.h"

namespace home {

void showUnitPractice()
{
    // Through the drill's start of the panel, which also installs it for the candidate's desktop.
    const drill::PanelParts tm = drill::panel();
    drill::setCaptions(tm, QStringLiteral("手把手教"), QStringLiteral("操作演示"),
                       QStringLiteral("结束练习"));
    drill::showUnitBox(tm, true);
    // Provisional: the question's own title replaces it when the panel loads the question.
    if (tm.LblBiao) tm.LblBiao->setCaption(QStringLiteral("单元练习-"));
    drill::reloadQuestion(tm);
    if (tm.form) tm.form->Show();
    drill::showDesktop();
}

void showExamLogin(FrmFengmian& home)
{
    home.Unload();
    platform::form<drill::FrmLogon>().Show();
}

bool startErrorReview(FrmFengmian& home)
{
    return drill::startErrorReview(drill::ReviewFrom::Home, home);
}

} // namespace home
