// The hand-overs from the home screen to the drill screens: forms drive one another only
// through controls and the drill state.
#include "desktop/frm_main.h"
#include "drill/frm_tm.h"
#include "home/frm_fengmian.h"
#include "home/launch.h"
#include "platform/form.h"

namespace home {

void showUnitPractice()
{
    FrmTm& tm = platform::form<FrmTm>();
    tm.PicUnit.setVisible(true);
    tm.LblBiao.setCaption(QStringLiteral("单元练习-"));
    tm.Show();
    platform::form<FrmMain>().Show();
}

// The candidate login and the set builder come with the exam cycle; until they exist the exam
// card leaves the drill state as a login expects it and the home screen stays.
void showExamLogin(FrmFengmian&) {}

void startErrorReview(FrmFengmian&, const QString&) {}

} // namespace home
