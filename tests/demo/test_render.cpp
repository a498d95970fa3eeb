// What the demonstration's render does differently from the candidate's: the caret after the
// initial text, a fourth text colour, its own prompts, the empty box of "0028", the menu path of
// "7000" steps, the short terminal record, a list that judges nothing, and the tab dialog's page.
#include <cmath>

#include <QRectF>

#include "demo_fixture.h"

using namespace demotest;

namespace {

// An edit step: the field at (1500, 3000), 3000 x 300, its initial text line, answer line and a
// hint at (1500, 4000).
StepRecord edit(const QString& code, int text, int answer, int hint)
{
    StepRecord r;
    r.action(code);
    r.mainRect(6000, '0', 6000, 600, 300);
    r.setRect(col::EditRect, 1500, '0', 3000, 3000, 300);
    r.setNumber(col::TextLine, 3, text).setNumber(col::AnswerLine, 3, answer);
    r.setNumber(col::HintPos, 5, 1500).setNumber(col::HintPos + 5, 5, 4000).setNumber(col::HintLine, 3, hint);
    return r;
}

} // namespace

TEST_F(Demo, TheEditFieldShowsItsTextWithTheCaretAfterIt)
{
    writeAnswers({QStringLiteral("abc|def"), QStringLiteral("提示")});
    StepRecord r = edit("0020", 1, 1, 2);
    r.set(133, QStringLiteral("3"));
    start({{r, terminal()}});
    startDemo();
    FrmYanShi& p = player();
    EXPECT_EQ(p.Text1.Text(), QStringLiteral("abc"));
    EXPECT_EQ(p.Text1.SelStart(), 3);
    EXPECT_EQ(p.Text1.SelLength(), 0);
    EXPECT_EQ(p.Text1.ForeColor(), 0x99A055);
    EXPECT_EQ(p.LHelp.Caption(), QStringLiteral("输入 提示"));
    EXPECT_TRUE(p.LHelp.Visible()); // a demonstration always teaches
    // The candidate's desktop knows three text colours only.
    EXPECT_NE(desk().Text1.ForeColor(), 0x99A055);
}

TEST_F(Demo, ThePromptsOfTheTypedTextCodes)
{
    writeAnswers({QStringLiteral("abc"), QStringLiteral("甲|乙")});
    struct Case {
        const char* code;
        const char* hint;
        bool text2, text4;
    } cases[] = {
        {"0020", "输入 甲或  乙", false, false},
        {"0025", "甲或  乙", false, false},
        {"0021", "输入 甲或  乙", true, false},
        {"0027", "输入 甲或  乙", false, false},
        {"0028", "在单元格或编辑栏中输入 甲或  乙 并按回车键或点编辑区或点“√”", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        start({{edit(QString::fromLatin1(c.code), 0, 1, 2), at("8888"), terminal()}});
        startDemo();
        FrmYanShi& p = player();
        EXPECT_EQ(p.LHelp.Caption(), QString::fromUtf8(c.hint));
        EXPECT_EQ(p.Text2.Visible(), c.text2);
        EXPECT_EQ(p.Text1.Visible(), !c.text2);
        EXPECT_EQ(p.Text4.Visible(), c.text4);
        if (c.text4) {
            EXPECT_DOUBLE_EQ(p.Text4.Left(), 2880);
            EXPECT_DOUBLE_EQ(p.Text4.Top(), 1560);
            EXPECT_DOUBLE_EQ(p.Text4.Width(), 8865);
            EXPECT_DOUBLE_EQ(p.Text4.Height(), 225);
            // The next step of another code hides it.
            while (playing() && p.shownStep() == 1)
                time.advance(100);
            EXPECT_FALSE(p.Text4.Visible());
        }
        reset = std::make_unique<testkit::FormsReset>();
        common::drill().resetAll();
    }
}

TEST_F(Demo, AMenuStepTakesItsPathFromTargetCOrElseTargetA)
{
    // The path's hot-spot is framed and aimed at first; a Start-menu item's path starts at the
    // Start button.
    struct Case {
        const char* targetA;
        const char* targetC;
        int hotSpot; // 0: the Start button
    } cases[] = {
        {"H690000000", "HA10302000", 1},
        {"H690000000", "Q000100000", 69},
        {"D840100007", "0000000000", 0},
        {"H120000007", "0000000000", 12},
    };
    const auto rect = [](const platform::Control& c) {
        return QRectF(c.Left(), c.Top(), c.Width(), c.Height());
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.targetA);
        StepRecord r = at("7000");
        r.set(col::TargetA, QString::fromLatin1(c.targetA));
        r.set(col::TargetC, QString::fromLatin1(c.targetC));
        start({{r, terminal()}});
        startDemo();
        FrmYanShi& p = player();
        const QRectF spot = c.hotSpot ? rect(p.LblZHU(c.hotSpot)) : QRectF(0, 8520, 1455, 450);
        EXPECT_TRUE(p.Shape1.Visible());
        EXPECT_EQ(rect(p.Shape1), spot);
        // The first glide ends on it: it stops there, or the Start button's click opens the
        // Start menu.
        QPointF last = pointer();
        for (int i = 0; i < 30 && playing() && p.shownStep() == 1 && !p.PicStart.Visible(); ++i) {
            time.advance(100);
            if (pointer() == last) break;
            last = pointer();
        }
        EXPECT_TRUE(spot.contains(pointer())) << pointer().x() << "," << pointer().y();
        reset = std::make_unique<testkit::FormsReset>();
        common::drill().resetAll();
    }
    // Any other step: no path; the frame is the target's.
    start({{at("0001"), terminal()}});
    startDemo();
    EXPECT_EQ(rect(player().Shape1), QRectF(1500, 1500, 600, 300));
}

TEST_F(Demo, TheTerminalRecordHidesTheWindowChrome)
{
    StepRecord window = at("0001");
    window.set(col::WinCode, QStringLiteral("A3"));
    start({{window, terminal()}});
    startDemo();
    FrmYanShi& p = player();
    EXPECT_TRUE(p.PicTool.Visible());
    EXPECT_TRUE(p.PicHui.Visible());
    ASSERT_GT(ticksUntilStepLeaves(1), 0);
    EXPECT_EQ(p.LHelp.Caption(), QStringLiteral("操作成功！"));
    EXPECT_FALSE(p.PicTool.Visible());
    EXPECT_FALSE(p.PicMenu.Visible());
    EXPECT_FALSE(p.PicHui.Visible());
    EXPECT_EQ(runToEnd(), 400);
}

TEST_F(Demo, AListStepIsPickedByThePlayerNotByItsRender)
{
    // The list's first selection is already the answer: the candidate's desktop advances at once,
    // the demonstration glides to the list and clicks it.
    writeAnswers({QStringLiteral("甲|乙|丙")});
    StepRecord list = at("L001", 6000, 6000);
    list.setRect(col::EditRect, 1500, '0', 3000, 3000, 900);
    list.setNumber(col::TextLine, 3, 1).setNumber(col::AnswerLine, 3, 1);
    start({{list, terminal()}});
    startDemo();
    FrmYanShi& p = player();
    EXPECT_EQ(p.shownStep(), 1);
    EXPECT_TRUE(p.LstLA.Visible());
    EXPECT_EQ(p.LstLA.ListCount(), 3);
    EXPECT_EQ(p.LblXXK(0).Caption(), QStringLiteral("乙"));
    EXPECT_GT(ticksUntilStepLeaves(1), 1);
    // The click on the list's centre.
    EXPECT_EQ(pointer(), QPointF(qRound(p.LstLA.Left() + p.LstLA.Width() / 2),
                                 qRound(p.LstLA.Top() + p.LstLA.Height() / 2)));
    EXPECT_EQ(p.shownStep(), 2);
}

TEST_F(Demo, ATabStepShowsTheExpectedPageThenClicksTheTarget)
{
    writeAnswers({QStringLiteral("选“高级”选项卡，单击“确定”")});
    StepRecord tab = at("0001", 6000, 6000);
    tab.set(col::TabSpec, QStringLiteral("XA123"));
    tab.setSlot(col::Slot3, 1500, '0', 1500, QStringLiteral("T00002"));
    tab.setNumber(col::HintPos, 5, 1500).setNumber(col::HintPos + 5, 5, 4000).setNumber(col::HintLine, 3, 1);
    tab.setRect(col::AuxRect, 300, '0', 300, 300, 300);
    start({{tab, terminal()}});
    startDemo();
    FrmYanShi& p = player();
    EXPECT_FALSE(p.Shape4.Visible());
    // The glide goes to the expected tab (tab 2), framed, first.
    const platform::Label& expected = p.LblXXK(2);
    EXPECT_DOUBLE_EQ(p.Shape1.Left(), expected.Left());
    EXPECT_DOUBLE_EQ(p.Shape1.Width(), expected.Width());
    while (playing() && p.shownStep() == 1 && p.Shape4.Left() != -100)
        time.advance(100);
    EXPECT_EQ(p.shownStep(), 1);
    EXPECT_DOUBLE_EQ(p.Shape4.Left(), -100);
    // The ring marks the click on the tab.
    EXPECT_LE(std::abs(p.Shape5.Left() + 180 - (expected.Left() + expected.Width() / 2)), 0.5);
    // The step's hint, and on to the target.
    EXPECT_EQ(p.LHelp.Caption(), QStringLiteral("选“高级”选项卡，单击“确定”"));
    EXPECT_GT(ticksUntilStepLeaves(1), 0);
    EXPECT_EQ(pointer(), QPointF(6300, 6150));
    EXPECT_EQ(p.shownStep(), 2);
}
