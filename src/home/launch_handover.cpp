// The hand-overs from the home screen to the drill screens: forms drive one another only
// through controls and the drill state.
#include "desktop/frm_main.h"
#include "drill/error_review.h"
#include "drill/frm_logon.h"
#include "drill/frm_tm.h"
#include "home/frm_fengmian.h"
#include "home/launch.h"
#include "platform/form.h"

namespace home {

void showUnitPractice()
{
    FrmTm& tm = platform::form<FrmTm>();
    tm.CmdCZTS.setCaption(QStringLiteral("手把手教"));
    tm.Command1.setCaption(QStringLiteral("操作演示"));
    tm.CmdEnd.setCaption(QStringLiteral("结束练习"));
    tm.PicUnit.setVisible(true);
    // Provisional: the question's own title replaces it when the panel loads the question.
    tm.LblBiao.setCaption(QStringLiteral("单元练习-"));
    tm.TimerREDO.setEnabled(true);
    tm.Show();
    platform::form<FrmMain>().Show();
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
