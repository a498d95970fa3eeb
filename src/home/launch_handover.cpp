// The hand-overs from the home screen to the drill screens: forms drive one another only
// through controls and the drill state.
#include "common/drill_state.h"
#include "drill/error_review.h"
#include "drill/frm_logon.h"
#include "drill/panel_link.h"
#include "home/frm_fengmian.h"
#include "home/launch.h"
#include "platform/form.h"

namespace home {

void showUnitPractice()
{
    const drill::PanelParts p = drill::panel();
    drill::setCaptions(p, QStringLiteral("手把手教"), QStringLiteral("操作演示"), QStringLiteral("结束练习"));
    drill::showUnitBox(p, true);
    if (p.LblBiao) p.LblBiao->setCaption(QStringLiteral("单元练习-"));
    // A panel kept from an earlier drill still offers that drill's questions.
    drill::offerQuestions(p, common::drill().tmCount);
    drill::reloadQuestion(p);
    if (p.form) p.form->Show();
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
