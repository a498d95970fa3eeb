// A mock exam from the login to the results: questions solved on the desktop, the two hand-in
// dialogs and their ways back to the exam, the exam clock and its time-up.
#include <QWidget>
#include <gtest/gtest.h>

#include "exam_fixture.h"
#include "platform/keys.h"
#include "platform/msgbox.h"

using namespace drill;
using platform::Forms;

namespace drilltest {
namespace {

class HandIn : public Exam {};

TEST_F(HandIn, ThirtyNineSolvedAndHandedInThroughBothDialogs)
{
    // The previous exam of set 1 left question 3 marked.
    writeBytes(ksdata(QStringLiteral("218801.rar")), "0020000000000000000000000000000000000000\r\n\r\n");
    login(1);
    auto& d = common::drill();
    for (int q = 1; q <= 39; ++q) {
        solve(q);
        ASSERT_GE(d.tmState[q], 4) << q;
    }
    EXPECT_EQ(d.tmState[40], 0);

    testkit::ModalScript modals;
    modals.expect("FrmEnd1", [&](platform::Form& f) {
        EXPECT_FALSE(tm().Visible()); // hidden at the screen's corner while the dialog asks
        EXPECT_EQ(tm().Left(), 0);
        EXPECT_EQ(tm().Top(), 0);
        EXPECT_EQ(as<FrmEnd1>(f).Label1.Caption(),
                  QStringLiteral("您还有题目未做或仍处于标识状态！\n\n您是否确定交卷?"));
        press(f, true);
    });
    modals.expect("FrmEnd2", [&](platform::Form& f) {
        EXPECT_FALSE(loaded("FrmEnd1"));
        EXPECT_EQ(as<FrmEnd2>(f).Label1.Caption(),
                  QStringLiteral("按“交卷”后您将退出本场考试，并且不能重新登录!\n\n是否确定交卷?"));
        press(f, true);
    });
    endCommand();

    FrmChengji& r = results();
    ASSERT_TRUE(r.isLoaded());
    EXPECT_TRUE(r.Visible());
    EXPECT_EQ(r.Label1.Caption(), QStringLiteral("得分：97.5分"));
    for (int i = 1; i <= 40; ++i)
        EXPECT_EQ(r.CmTNO(i).BackColor(), i == 40 ? 0xFFL : 0xFF00L) << i;
    EXPECT_EQ(r.CmTNO(40).ToolTipText(), QStringLiteral("第40题： 第3单元第10题"));
    EXPECT_EQ(bytes(ksdata(QStringLiteral("182401.rar"))), "0310\r\n");
    EXPECT_EQ(bytes(ksdata(QStringLiteral("288892.rar"))),
              "\r\n\r\n\r\n2026-01-05 09:00:00\r\n97.5\r\n\r\n\r\n\r\n\r\n\r\n");
    // Only the marks are kept: question 3 marked and solved is saved as 2.
    EXPECT_EQ(bytes(ksdata(QStringLiteral("218801.rar"))),
              "0020000000000000000000000000000000000000\r\n\r\n");
    EXPECT_EQ(d.ksStart, QStringLiteral("-1"));

    // The exam is over: its desktop gone, its panel kept but hidden, its clock stopped for good.
    EXPECT_FALSE(Forms::isLoaded<FrmMain>());
    EXPECT_TRUE(tm().isLoaded());
    EXPECT_FALSE(tm().Visible());
    EXPECT_FALSE(tm().TimeKS.Enabled());
    EXPECT_FALSE(examRunning());
    time.advance(2 * 3600 * 1000); // no time-up, no dialog over the results
    EXPECT_TRUE(r.Visible());
}

TEST_F(HandIn, ContinueOrTheWindowFrameGoesBackToTheExam)
{
    login(0);
    const double dockedLeft = 12000 - tm().Width(), dockedTop = 9000 - tm().Height();
    testkit::ModalScript modals;
    auto backInExam = [&] {
        EXPECT_TRUE(tm().Visible());
        EXPECT_EQ(tm().Left(), dockedLeft);
        EXPECT_EQ(tm().Top(), dockedTop);
        EXPECT_TRUE(examRunning());
        EXPECT_TRUE(tm().TimeKS.Enabled());
        EXPECT_FALSE(loaded("FrmEnd1"));
        EXPECT_FALSE(loaded("FrmEnd2"));
        EXPECT_FALSE(loaded("FrmChengji"));
    };
    struct Case {
        const char* name;
        std::function<void(platform::Form&)> onFirst;
        std::function<void(platform::Form&)> onSecond; // empty: FrmEnd2 not reached
    };
    const auto frame = [](platform::Form& f) { f.hostWidget()->close(); };
    const auto cont = [](platform::Form& f) { press(f, false); };
    const auto handIn = [](platform::Form& f) { press(f, true); };
    // The final dialog opens with the focus on "继续考试": Enter or Space presses it.
    const auto enter = [](platform::Form& f) { testkit::key(f, platform::vbKeyReturn); };
    const auto space = [](platform::Form& f) { testkit::key(f, platform::vbKeySpace); };
    // Tab goes round the two buttons only: twice is back where the focus was.
    const auto tabTwiceEnter = [](platform::Form& f) {
        for (int i = 0; i < 2; ++i) {
            testkit::key(f, platform::vbKeyTab);
            EXPECT_NE(f.focusedControl(), nullptr);
            EXPECT_NE(f.hostWidget()->focusWidget(), nullptr);
        }
        testkit::key(f, platform::vbKeyReturn);
    };
    const Case cases[] = {
        {"Tab, Tab, Enter on the first dialog", tabTwiceEnter, cont},
        {"Tab, Tab, Enter on the final dialog", handIn, tabTwiceEnter},
        {"Enter on the final dialog", handIn, enter},
        {"Space on the final dialog", handIn, space},
        {"继续考试 on the first dialog", cont, {}},
        {"the first dialog's frame", frame, {}},
        {"继续考试 on the final dialog", handIn, cont},
        {"the final dialog's frame", handIn, frame},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        modals.expect("FrmEnd1", c.onFirst);
        if (c.onSecond) modals.expect("FrmEnd2", c.onSecond);
        endCommand();
        EXPECT_EQ(modals.pending(), 0);
        backInExam();
    }
}

TEST(HandInMessage, WarnsOfQuestionsNeverOpenedOrStillMarked)
{
    States inOrder{};
    for (int i = 1; i <= 40; ++i)
        inOrder[i] = i % 2 ? 1 : 5; // opened, solved or not
    const QString plain = QStringLiteral("\n您是否确定交卷?");
    const QString warned = QStringLiteral("您还有题目未做或仍处于标识状态！\n\n您是否确定交卷?");
    EXPECT_EQ(FrmEnd1::message(inOrder), plain);
    for (int bad : {0, 2, 3, 4, 6, 7}) {
        States s = inOrder;
        s[40] = bad;
        EXPECT_EQ(FrmEnd1::message(s), warned) << bad;
    }
}

class Clock : public Exam {};

TEST_F(Clock, CountsTheMinutesDownAndHandsInAtTheTimeUp)
{
    login(2);
    PanelStandIn& p = tm();
    const double track = p.PTime.Width();
    time.advance(10 * 60000);
    EXPECT_EQ(p.LblTime.Caption(), QStringLiteral("剩余40分钟"));
    EXPECT_DOUBLE_EQ(p.LblTimeJD.Width(), track / 5);
    time.advance(39 * 60000);
    EXPECT_EQ(p.LblTime.Caption(), QStringLiteral("剩余1分钟"));
    EXPECT_FALSE(loaded("FrmChengji"));

    // The time-up goes straight to the results: no hand-in dialog is armed, none may open.
    testkit::ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbOK, QStringLiteral("时间已到，自动交卷！"), QStringLiteral("WinXP"),
                 platform::vbOKOnly);
    time.advance(60000);
    EXPECT_EQ(boxes.pending(), 0);
    EXPECT_EQ(p.LblTime.Caption(), QStringLiteral("剩余0分钟"));
    EXPECT_DOUBLE_EQ(p.LblTimeJD.Width(), track);
    EXPECT_EQ(common::drill().timeLeft, 0);
    ASSERT_TRUE(loaded("FrmChengji"));
    EXPECT_EQ(results().Label1.Caption(), QStringLiteral("得分：0分"));
    EXPECT_FALSE(p.Visible());
    EXPECT_FALSE(p.TimeKS.Enabled());
    time.advance(3 * 3600 * 1000); // the clock stays at 0
    EXPECT_EQ(common::drill().timeLeft, 0);
    EXPECT_EQ(boxes.seen().size(), 1);
}

TEST_F(Clock, ATimeUpWhileTheFinalDialogIsOpenGoesToTheResults)
{
    login(0);
    time.advance(49 * 60000);
    testkit::ModalScript modals;
    testkit::ScriptedMessageBoxes boxes;
    modals.expect("FrmEnd1", [](platform::Form& f) { press(f, true); });
    modals.expect("FrmEnd2", [&](platform::Form&) {
        boxes.expect(platform::vbOK, QStringLiteral("时间已到，自动交卷！"));
        time.advance(60000);
    });
    endCommand();
    EXPECT_EQ(boxes.pending(), 0);
    EXPECT_FALSE(loaded("FrmEnd1"));
    EXPECT_FALSE(loaded("FrmEnd2"));
    ASSERT_TRUE(loaded("FrmChengji"));
    EXPECT_TRUE(results().Visible());
    EXPECT_FALSE(examRunning());
}

TEST_F(Clock, StartsAfreshAtTheExamStartAndStopsItselfInOtherDrills)
{
    auto& d = common::drill();
    // A panel whose clock is half-way through its minute when the exam starts.
    d.fileBase = 0;
    d.timeLeft = 37;
    tm().Show();
    time.advance(30000);
    d.timeLeft = 50;
    startExamClock(panelPartsOf(tm()));
    EXPECT_EQ(tm().LblTime.Caption(), QStringLiteral("剩余50分钟"));
    EXPECT_EQ(tm().LblTimeJD.Width(), 0);
    time.advance(59999);
    EXPECT_EQ(d.timeLeft, 50);
    time.advance(1);
    EXPECT_EQ(d.timeLeft, 49);

    // A unit practice: the first tick stops the clock and the minutes stay.
    detail::setExamRunning(false);
    tm().Unload();
    d.fileBase = 20;
    d.timeLeft = 50;
    d.canUnload = true;
    tm().Unload();
    tm().Show();
    time.advance(60000);
    EXPECT_FALSE(tm().TimeKS.Enabled());
    EXPECT_EQ(d.timeLeft, 50);
}

} // namespace
} // namespace drilltest
