// The drills the home screen starts install the question panel for the candidate's desktop
// themselves: nothing needs to have been registered before, as the program's start registers
// nothing.
#include "common/question_panel.h"
#include "desktop/frm_main.h"
#include "drill/frm_tm.h"
#include "home_fixture.h"
#include "platform/units.h"

using namespace hometest;
using platform::Forms;

namespace {

class HandOver : public HomeTest {
protected:
    void SetUp() override
    {
        HomeTest::SetUp();
        // Windowed: the candidate's desktop lies in the middle of the screen, not at its corner.
        platform::setScreenPixels(QSize(1024, 768));
        common::setQuestionPanel({});
    }
    void TearDown() override
    {
        HomeTest::TearDown();
        platform::setScreenPixels(QSize());
        common::setQuestionPanel({});
    }

    // The desktop docks the panel at its corner, and the terminal record of question 1, reached
    // by a click on its target, writes the panel's list of unfinished questions.
    void expectThePanelReached(const QString& unfinished)
    {
        time.advance(200); // the panel loads question 1, the desktop renders it
        FrmTm& p = Forms::instance<FrmTm>();
        FrmMain& f = Forms::instance<FrmMain>();
        ASSERT_TRUE(f.windowedMode());
        EXPECT_DOUBLE_EQ(p.Left() + p.Width(), f.Left() + f.Width());
        EXPECT_DOUBLE_EQ(p.Top() + p.Height(), f.Top() + f.Height());
        testkit::click(f.Label1);
        ASSERT_TRUE(f.LblSuccess.Visible());
        EXPECT_EQ(p.LblUnit.Caption(), unfinished);
    }
};

TEST_F(HandOver, AUnitPractice)
{
    home::FrmFengmian& h = start();
    testkit::click(h.LblTiKu);
    testkit::click(h.LblJinRuXX(0));
    expectThePanelReached(QStringLiteral("未完成的题目 2 3"));
    EXPECT_EQ(Forms::instance<FrmTm>().LblBiao.Caption(), QStringLiteral("第1单元  第1/3题（已完成）"));
}

TEST_F(HandOver, AnErrorReview)
{
    Installation::write(inst.ksdata("182401.rar"), {"00010102"});
    home::FrmFengmian& h = start();
    testkit::click(h.LblKaCH);
    testkit::click(h.LblErr(1));
    expectThePanelReached(QStringLiteral("未完成的题目 2"));
}

} // namespace
