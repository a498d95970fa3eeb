// The exam cycle on the program's question panel: a mock exam runs from the login through the
// panel's own navigation, the desktop's steps and the end command to the results.
#include <gtest/gtest.h>

#include "drill/frm_tm.h"
#include "exam_fixture.h"

using namespace drill;
using platform::Forms;

namespace drilltest {
namespace {

class OnThePanel : public Exam {
protected:
    void SetUp() override
    {
        Exam::SetUp();
        setPanelSource({}); // the program's question panel
    }
    FrmTm& panel() { return Forms::instance<FrmTm>(); }
};

TEST_F(OnThePanel, ThirtyNineSolvedThroughThePanelAndHandedIn)
{
    login(0);
    FrmTm& p = panel();
    ASSERT_TRUE(p.Visible());
    EXPECT_EQ(p.CmdEnd.Caption(), QStringLiteral("结束考试"));
    EXPECT_EQ(p.LblTime.Caption(), QStringLiteral("剩余50分钟"));
    auto& d = common::drill();
    time.advance(100); // the panel loads question 1 and the desktop renders its first step
    for (int q = 1; q <= 40; ++q) {
        ASSERT_EQ(d.dqTm, q);
        time.advance(100);
        if (q < 40) {
            time.advance(1000); // the automatic step runs to the terminal one
            EXPECT_GE(d.tmState[q], 4) << q;
            testkit::click(p.CmdNext);
        }
    }
    EXPECT_LT(d.tmState[40], 4);

    testkit::ModalScript modals;
    modals.expect("FrmEnd1", [](platform::Form& f) { press(f, true); });
    modals.expect("FrmEnd2", [](platform::Form& f) { press(f, true); });
    testkit::click(p.CmdEnd);
    ASSERT_TRUE(results().isLoaded());
    EXPECT_EQ(results().Label1.Caption(), QStringLiteral("得分：97.5分"));
    EXPECT_EQ(bytes(ksdata(QStringLiteral("182400.rar"))), "0310\r\n");
    EXPECT_FALSE(p.Visible());
    EXPECT_FALSE(p.TimeKS.Enabled());
    time.advance(3600 * 1000);
    EXPECT_TRUE(results().Visible());
}

TEST_F(OnThePanel, ErrorReviewOfTheWrongAnswersThenTheTimeUpOfTheNextExam)
{
    login(1);
    auto& d = common::drill();
    for (int q : {1, 2, 3})
        d.tmState[q] = 5;
    handIn();
    testkit::click(results().Command3); // a review of questions 4-40
    FrmTm& p = panel();
    EXPECT_EQ(d.tmCount, 37);
    EXPECT_EQ(p.CmdEnd.Caption(), QStringLiteral("结束复习"));
    EXPECT_FALSE(p.CmTNO(38).Visible());
    time.advance(100);
    EXPECT_EQ(p.LblBiao.Caption(), QStringLiteral("错题复习  第1/37题"));
    time.advance(1100); // review question 1 (the exam's question 4) solved
    EXPECT_GE(d.tmState[1], 4);

    testkit::ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes, QStringLiteral("本次答对的题目要从“错题复习”中去掉吗？"));
    testkit::click(p.CmdEnd);
    EXPECT_EQ(bytes(ksdata(QStringLiteral("182401.rar"))), fortyCodes().mid(16).toLatin1() + "\r\n\r\n");
    EXPECT_FALSE(p.isLoaded());
    EXPECT_TRUE(home().Visible());

    // The next exam's clock starts afresh and hands in at its time-up.
    login(1);
    EXPECT_EQ(panel().LblTime.Caption(), QStringLiteral("剩余50分钟"));
    boxes.expect(platform::vbOK, QStringLiteral("时间已到，自动交卷！"));
    time.advance(50 * 60000);
    ASSERT_TRUE(results().isLoaded());
    // Question 1, shown all the while, ran its automatic step to the end.
    EXPECT_EQ(results().Label1.Caption(), QStringLiteral("得分：2.5分"));
    EXPECT_FALSE(panel().Visible());
}

} // namespace
} // namespace drilltest
