// The drill launchers of the home screen, from a click on a card to the drill screens.
#include <QFile>

#include "desktop/frm_main.h"
#include "drill/frm_logon.h"
#include "drill/frm_tm.h"
#include "home_fixture.h"
#include "platform/msgbox.h"

using namespace hometest;
using home::FrmFengmian;
using platform::Forms;

namespace {

class Launch : public HomeTest {};

} // namespace

TEST_F(Launch, AUnitCardStartsPracticeOnItsUnitWithItsProgress)
{
    Installation::write(inst.ksdata("288893.rar"), {"TTF", "TF", "FFFF"});
    Installation::write(inst.ksdata("208801.rar"), {"52"});
    FrmFengmian& h = start();
    testkit::click(h.LblTiKu);
    testkit::click(h.LblJinRuXX(1));
    EXPECT_FALSE(h.isLoaded());

    const common::DrillState& d = common::drill();
    EXPECT_EQ(d.ksMode, common::ModePractice);
    EXPECT_EQ(d.fileBase, 20);
    EXPECT_EQ(d.setNo, 1);
    EXPECT_EQ(d.tmCount, 2);
    EXPECT_EQ(d.dqTm, 1);
    EXPECT_EQ(d.dqStep, 1);
    EXPECT_EQ(d.timeLeft, 50);
    EXPECT_EQ(d.dataExt, QStringLiteral(".rar"));
    EXPECT_EQ(d.stepPath, inst.bank("288821.rar"));
    EXPECT_EQ(d.tmPath, inst.bank("288871.rar"));
    EXPECT_EQ(d.txtPath, inst.bank("288890.rar"));
    EXPECT_EQ((std::vector<int>{d.tmStart[1], d.tmStart[2], d.tmStart[3]}), (std::vector<int>{1, 3, 7}));
    EXPECT_EQ(d.tmDone[1], QStringLiteral("T"));
    EXPECT_EQ(d.tmDone[2], QStringLiteral("F"));
    EXPECT_EQ(d.tmState[1], 5);
    EXPECT_EQ(d.tmState[2], 2);
    for (int i = 3; i <= 40; ++i)
        EXPECT_EQ(d.tmState[i], 0) << i;

    FrmTm& tm = Forms::instance<FrmTm>();
    EXPECT_TRUE(tm.Visible());
    EXPECT_TRUE(tm.PicUnit.Visible());
    EXPECT_EQ(tm.CmdCZTS.Caption(), QStringLiteral("手把手教"));
    EXPECT_EQ(tm.Command1.Caption(), QStringLiteral("操作演示"));
    EXPECT_EQ(tm.CmdEnd.Caption(), QStringLiteral("结束练习"));
    EXPECT_EQ(tm.LblBiao.Caption(), QStringLiteral("单元练习-"));
    EXPECT_TRUE(tm.TimerREDO.Enabled());
    EXPECT_TRUE(Forms::instance<FrmMain>().Visible());

    // The panel's reload timer loads question 1 of unit 2, done in an earlier practice.
    time.advance(100);
    EXPECT_EQ(tm.LblBiao.Caption(), QStringLiteral("第2单元  第1/2题（已完成）"));
    EXPECT_FALSE(tm.TimerREDO.Enabled());
    EXPECT_TRUE(tm.CmTNO(2).Visible());
    EXPECT_FALSE(tm.CmTNO(3).Visible());
}

TEST_F(Launch, TheEndOfAPracticeBringsTheHomeScreenBackWithTheNewProgress)
{
    FrmFengmian& h = start();
    testkit::click(h.LblTiKu);
    testkit::click(h.LblJinRuXX(0));
    time.advance(100); // the panel loads question 1
    time.advance(100); // the desktop renders its first step
    FrmMain& desk = Forms::instance<FrmMain>();
    testkit::click(desk.Label1);
    time.advance(100);
    EXPECT_EQ(common::drill().tmDone[1], QStringLiteral("T"));

    FrmTm& tm = Forms::instance<FrmTm>();
    testkit::click(tm.CmdEnd);
    ASSERT_TRUE(h.isLoaded());
    EXPECT_TRUE(h.Visible());
    EXPECT_FALSE(h.PicTiKu.Visible());
    EXPECT_EQ(h.LblUnintSL(0).Caption(), QStringLiteral("3"));
    EXPECT_EQ(h.LblUnitWei(0).Caption(), QStringLiteral("2"));
    EXPECT_EQ(Installation::read(inst.ksdata("288893.rar")).value(0), QStringLiteral("TFF"));
}

TEST_F(Launch, MissingQuestionStatesCountAsNothingDone)
{
    Installation::write(inst.ksdata("208802.rar"), {"7777"});
    FrmFengmian& h = start();
    QFile::remove(inst.ksdata("208802.rar"));
    common::drill().tmState.fill(3);
    testkit::click(h.LblTiKu);
    testkit::click(h.LblJinRuXX(2));
    const common::DrillState& d = common::drill();
    EXPECT_EQ(d.setNo, 2);
    EXPECT_EQ(d.tmCount, 4);
    // Question 1 is the one the panel shows first, and so visited.
    EXPECT_EQ(d.tmState[1], common::TmVisited);
    for (int i = 2; i <= 40; ++i)
        EXPECT_EQ(d.tmState[i], 0) << i;
    EXPECT_EQ(d.tmDone[4], QStringLiteral("F"));
}

TEST_F(Launch, AnExamCardOpensTheLoginOfItsSet)
{
    FrmFengmian& h = start();
    testkit::click(h.LblKaCH);
    testkit::click(h.LblStartKs(1));
    EXPECT_FALSE(h.isLoaded());
    const common::DrillState& d = common::drill();
    EXPECT_EQ(d.tmCount, 40);
    EXPECT_EQ(d.fileBase, 0);
    EXPECT_EQ(d.ksMode, common::ModeExam);
    EXPECT_EQ(d.setNo, 1);
    EXPECT_TRUE(Forms::instance<drill::FrmLogon>().Visible());
}

TEST_F(Launch, AnErrorReviewRunsTheWrongAnswersOfItsSet)
{
    Installation::write(inst.ksdata("182401.rar"), {"00010102"});
    FrmFengmian& h = start();
    testkit::click(h.LblKaCH);
    testkit::click(h.LblErr(1));
    EXPECT_FALSE(h.isLoaded());
    const common::DrillState& d = common::drill();
    EXPECT_EQ(d.errSetNo, 1);
    EXPECT_EQ(d.setNo, -1);
    EXPECT_EQ(d.tmCount, 2);
    EXPECT_EQ(d.tmPath, inst.bank("288869.rar"));
    EXPECT_EQ(Installation::read(inst.bank("288869.rar")),
              QStringList({QStringLiteral("000102新建文件夹"), QStringLiteral("010204更改日期")}));
    FrmTm& tm = Forms::instance<FrmTm>();
    EXPECT_TRUE(tm.Visible());
    EXPECT_EQ(tm.LblBiao.Caption(), QStringLiteral("错题复习-"));
}
