// In a mock exam the demonstration button opens the tips dialog: the candidate goes on alone, or,
// after a warning, views the answer now, and the rest of the exam offers demonstrations.
#include "demo_fixture.h"
#include "drill/frm_czts.h"

using namespace demotest;
using drill::FrmCZTS;

namespace {

class ExamTips : public Demo {
protected:
    void SetUp() override
    {
        Demo::SetUp();
        start({{at("0001"), terminal()}});
        auto& d = common::drill();
        d.ksMode = common::ModeExam;
        d.ksStart = QStringLiteral("2026-01-05 09:00:00");
        d.canUnload = true;
        panel().CmdCZTS.setCaption(QStringLiteral("考生信息"));
        panel().Command1.setCaption(QStringLiteral("操作提示"));
        panel().CmdEnd.setCaption(QStringLiteral("结束考试"));
    }
    const QString warning =
        QStringLiteral("立即看答案将不能测试您的实际水平，如果你坚持现在看答案，成绩将不记入本次练习记录！"
                       "\r\n您现在就要看答案吗？");
    testkit::ModalScript modals;
    testkit::ScriptedMessageBoxes boxes;
};

} // namespace

TEST_F(ExamTips, GoingOnAloneChangesNothing)
{
    // The button, the text and the dialog's background each close it.
    for (int way = 0; way < 3; ++way) {
        modals.expect("FrmCZTS", [way](platform::Form& f) {
            auto& tips = static_cast<FrmCZTS&>(f);
            EXPECT_EQ(tips.Caption(), QStringLiteral("操作提示"));
            EXPECT_EQ(tips.Command2.Caption(), QStringLiteral("我想立即看答案"));
            if (way == 0) testkit::click(tips.Command1);
            if (way == 1) testkit::click(tips.Label2);
            if (way == 2) testkit::click(tips, 4700, 300);
        });
        testkit::click(panel().CmdGN(7));
        EXPECT_EQ(modals.pending(), 0);
        EXPECT_FALSE(platform::Forms::isLoaded<FrmCZTS>()) << way;
    }
    time.advance(300);
    EXPECT_FALSE(playing());
    const auto& d = common::drill();
    EXPECT_EQ(d.ksMode, common::ModeExam);
    EXPECT_FALSE(d.ysRun);
    EXPECT_EQ(panel().Command1.Caption(), QStringLiteral("操作提示"));
}

TEST_F(ExamTips, ViewingTheAnswerAsksFirstThenDemonstrates)
{
    auto& d = common::drill();
    // No keeps the dialog open with nothing changed; then Yes.
    modals.expect("FrmCZTS", [this, &d](platform::Form& f) {
        auto& tips = static_cast<FrmCZTS&>(f);
        boxes.expect(platform::vbNo, warning, QStringLiteral("不建议您立即看答案"), platform::vbYesNo);
        testkit::click(tips.Command2);
        EXPECT_TRUE(tips.Visible());
        EXPECT_EQ(d.ksMode, common::ModeExam);
        EXPECT_EQ(d.ksStart, QStringLiteral("2026-01-05 09:00:00"));
        boxes.expect(platform::vbYes, warning, QStringLiteral("不建议您立即看答案"), platform::vbYesNo);
        testkit::click(tips.Command2);
    });
    testkit::click(panel().CmdGN(7));
    EXPECT_FALSE(platform::Forms::isLoaded<FrmCZTS>());
    EXPECT_EQ(d.ksMode, common::ModePractice);
    EXPECT_EQ(d.ksStart, QStringLiteral("-1"));
    EXPECT_FALSE(d.canUnload);
    EXPECT_TRUE(d.ysRun);
    EXPECT_EQ(panel().CmdCZTS.Caption(), QStringLiteral("手把手教"));
    EXPECT_EQ(panel().Command1.Caption(), QStringLiteral("操作演示"));
    EXPECT_EQ(panel().CmdEnd.Caption(), QStringLiteral("结束考试"));
    EXPECT_TRUE(desk().Visible());
    time.advance(200);
    ASSERT_TRUE(playing());
    EXPECT_GE(runToEnd(), 0);

    // From now on the button demonstrates at once.
    testkit::click(panel().CmdGN(7));
    time.advance(200);
    EXPECT_TRUE(playing());
}
