// The question panel's load: its geometry at both screen scales, the mode captions, the question
// buttons it offers, the candidate card, the time display and the visited bit of question 1.
#include "test_frm_tm_fixture.h"

using namespace paneltest;

TEST_F(Panel, LayoutAtBothScales)
{
    for (double tpp : {15.0, 12.0}) {
        SCOPED_TRACE(tpp);
        useScale(tpp);
        FrmTm& p = load();
        EXPECT_DOUBLE_EQ(p.Width(), 4980 * sx());
        EXPECT_DOUBLE_EQ(p.Height(), 3630 * sy());
        EXPECT_TRUE(p.stayOnTop());
        EXPECT_EQ(p.BorderStyle(), platform::vbBSNone);

        // The top row of five button areas and the bottom row of three.
        for (int i = 0; i <= 4; ++i) {
            EXPECT_DOUBLE_EQ(p.CmdGN(i).Left(), 90 * sx() + i * 960 * sx()) << i;
            EXPECT_DOUBLE_EQ(p.CmdGN(i).Top(), 15 * sy()) << i;
            EXPECT_DOUBLE_EQ(p.CmdGN(i).Width(), 945 * sx()) << i;
            EXPECT_DOUBLE_EQ(p.CmdGN(i).Height(), 360 * sy()) << i;
        }
        const double bottom[] = {90, 2010, 3930};
        for (int i = 5; i <= 7; ++i) {
            EXPECT_DOUBLE_EQ(p.CmdGN(i).Left(), bottom[i - 5] * sx()) << i;
            EXPECT_DOUBLE_EQ(p.CmdGN(i).Top(), 2355 * sy()) << i;
        }
        // Each caption centred on its button area (the bottom row shares CmdEnd's Top).
        const std::pair<platform::Label*, int> captions[] = {
            {&p.CmdPre, 0},    {&p.CmdNext, 1}, {&p.CmdRedo, 2}, {&p.CmdBZBT, 3},
            {&p.CmdSelect, 4}, {&p.CmdEnd, 5},  {&p.CmdCZTS, 6}, {&p.Command1, 7}};
        for (auto [caption, i] : captions) {
            SCOPED_TRACE(caption->Name().toStdString());
            EXPECT_DOUBLE_EQ(caption->FontSize(), 10 * sx());
            EXPECT_GT(caption->Width(), 0);
            EXPECT_DOUBLE_EQ(caption->Left(),
                             (p.CmdGN(i).Width() - caption->Width()) / 2 + p.CmdGN(i).Left());
        }
        EXPECT_DOUBLE_EQ(p.CmdPre.Top(), (p.CmdGN(0).Height() - p.CmdPre.Height()) / 2 + p.CmdGN(0).Top());
        EXPECT_DOUBLE_EQ(p.CmdSelect.Top(), p.CmdPre.Top());
        EXPECT_DOUBLE_EQ(p.Command1.Top(), p.CmdEnd.Top());

        EXPECT_DOUBLE_EQ(p.RtbTM.Left(), 90 * sx());
        EXPECT_DOUBLE_EQ(p.RtbTM.Top(), 450 * sy());
        EXPECT_DOUBLE_EQ(p.RtbTM.Width(), 4770 * sx());
        EXPECT_DOUBLE_EQ(p.RtbTM.Height(), 1815 * sy());
        EXPECT_DOUBLE_EQ(p.RtbTM.FontSize(), 11 * sx());
        EXPECT_DOUBLE_EQ(p.Image2.Left(), 3720 * sx());
        EXPECT_DOUBLE_EQ(p.Image2.Top(), 1800 * sy());
        EXPECT_DOUBLE_EQ(p.LblTime.Top(), 2760 * sy());
        for (platform::Control* c :
             std::initializer_list<platform::Control*>{&p.PTime, &p.LblName, &p.LblIME, &p.PicUnit}) {
            EXPECT_DOUBLE_EQ(c->Top(), p.LblTime.Top()) << c->Name().toStdString();
            EXPECT_DOUBLE_EQ(c->Height(), p.LblTime.Height()) << c->Name().toStdString();
        }
        EXPECT_DOUBLE_EQ(p.PicUnit.Width(), 4080 * sx());
        EXPECT_DOUBLE_EQ(p.LblIME.Left(), 4230 * sx());
        EXPECT_DOUBLE_EQ(p.LblBiao.Left(), 510 * sx());
        EXPECT_DOUBLE_EQ(p.LblBiao.FontSize(), 10 * sx());
        EXPECT_DOUBLE_EQ(p.LblZXH.Left(), 3870 * sx());
        EXPECT_DOUBLE_EQ(p.ImgZXH.Top(), p.LblZXH.Top());

        // The views over the body; the main view keeps its design height.
        for (platform::Frame* v : {&p.FrmSelect, &p.FrmKSXX}) {
            EXPECT_DOUBLE_EQ(v->Top(), 450 * sy());
            EXPECT_DOUBLE_EQ(v->Width(), p.Width());
            EXPECT_FALSE(v->Visible());
        }
        EXPECT_DOUBLE_EQ(p.FrmZhuYa.Width(), p.Width());
        EXPECT_DOUBLE_EQ(p.FrmZhuYa.Height(), 3165);
        EXPECT_DOUBLE_EQ(p.FrmZXH.Width(), 810);
        EXPECT_FALSE(p.FrmZXH.Visible());

        // The question grid: square buttons that touch, ten to a row.
        const double s = p.FrmSelect.Width() / 10.15;
        for (int i : {1, 10, 11, 34, 40}) {
            EXPECT_DOUBLE_EQ(p.CmTNO(i).Width(), s) << i;
            EXPECT_DOUBLE_EQ(p.CmTNO(i).Height(), s) << i;
            EXPECT_DOUBLE_EQ(p.CmTNO(i).Left(), 30 * sx() + s * ((i - 1) % 10)) << i;
            EXPECT_DOUBLE_EQ(p.CmTNO(i).Top(), 150 * sy() + s * ((i - 1) / 10)) << i;
            EXPECT_EQ(p.CmTNO(i).Caption(), QString::number(i));
        }
        EXPECT_DOUBLE_EQ(p.CmdSelFH.Width(), 1215);
        EXPECT_DOUBLE_EQ(p.CmdKSFH.Height(), 435);
        for (int k = 1; k <= 5; ++k) {
            EXPECT_DOUBLE_EQ(p.Label1(k).Top(), p.Label1(k - 1).Top() + 315 * sy());
            EXPECT_DOUBLE_EQ(p.Label1(k).FontSize(), 9 * sx());
        }
        EXPECT_DOUBLE_EQ(p.KsSFZ1.Top(), p.Label1(5).Top());
        EXPECT_DOUBLE_EQ(p.KsSFZ1.Left(), 2640 * sx());

        // The desktop docks the panel at its bottom-right corner.
        EXPECT_DOUBLE_EQ(p.Left() + p.Width(), desk().Left() + desk().Width());
        EXPECT_DOUBLE_EQ(p.Top() + p.Height(), desk().Top() + desk().Height());

        desk().Unload();
        common::drill().canUnload = true;
        p.Unload();
        testkit::settle();
    }
}

TEST_F(Panel, TheWorkedSizesAtNinetySixDots)
{
    FrmTm& p = load();
    EXPECT_NEAR(p.CmTNO(1).Width(), 490.64, 0.005);
    EXPECT_DOUBLE_EQ(p.CmTNO(1).Left(), 30);
    EXPECT_DOUBLE_EQ(p.CmTNO(1).Top(), 150);
    EXPECT_NEAR(p.CmTNO(10).Left(), 4445.76, 0.005);
    EXPECT_NEAR(p.CmTNO(40).Top(), 1621.92, 0.005);
    EXPECT_NEAR(p.CmdSelFH.Left(), 1747.24, 0.005);
    EXPECT_NEAR(p.CmdSelFH.Top(), 2352.56, 0.005);
    // On an 800 x 600 screen the desktop fills it and the panel sits in its corner.
    EXPECT_DOUBLE_EQ(p.Left(), 12000 - 4980);
    EXPECT_DOUBLE_EQ(p.Top(), 9000 - 3630);
}

TEST_F(Panel, ModeCaptions)
{
    struct Case {
        int mode;
        const char *czts, *command1, *end;
        bool unitBox;
    } cases[] = {
        {common::ModeExam, "考生信息", "操作提示", "结束考试", false},
        {common::ModePractice, "手把手教", "操作演示", "结束练习", true},
        {common::ModeTeaching, "手把手教", "操作演示", "结束练习", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        common::drill().ksMode = c.mode;
        FrmTm& p = load();
        EXPECT_EQ(p.CmdCZTS.Caption(), QString::fromUtf8(c.czts));
        EXPECT_EQ(p.Command1.Caption(), QString::fromUtf8(c.command1));
        EXPECT_EQ(p.CmdEnd.Caption(), QString::fromUtf8(c.end));
        EXPECT_EQ(p.PicUnit.Visible(), c.unitBox);
        EXPECT_TRUE(p.LblIME.Visible());
        EXPECT_EQ(p.LblIME.Caption(), "EN");
        desk().Unload();
        common::drill().canUnload = true;
        p.Unload();
        testkit::settle();
    }
}

TEST_F(Panel, QuestionOneIsMarkedVisitedByTheLoad)
{
    const std::pair<int, int> states[] = {{0, 1}, {2, 3}, {4, 5}, {6, 7}, {1, 1}, {3, 3}, {5, 5}, {7, 7}};
    for (auto [before, after] : states) {
        SCOPED_TRACE(before);
        auto& d = common::drill();
        d.tmState.fill(0);
        d.tmState[1] = before;
        d.tmState[2] = 2;
        FrmTm& p = load();
        EXPECT_EQ(d.tmState[1], after);
        EXPECT_EQ(d.tmState[2], 2);
        desk().Unload();
        d.canUnload = true;
        p.Unload();
        testkit::settle();
    }
}

TEST_F(Panel, EveryDrillOffersExactlyItsQuestions)
{
    for (int count : {40, 12, 1, 0}) {
        SCOPED_TRACE(count);
        writeUnit(count);
        FrmTm& p = load();
        for (int i = 1; i <= 40; ++i)
            EXPECT_EQ(p.CmTNO(i).Visible(), i <= count) << i;
        desk().Unload();
        common::drill().canUnload = true;
        p.Unload();
        testkit::settle();
    }

    // A panel kept loaded from an exam (it may not close) and reused by a unit of 7 questions,
    // then by a drill of 30.
    writeUnit(40);
    common::drill().canUnload = false;
    FrmTm& p = load();
    EXPECT_FALSE(p.Unload());
    for (int count : {7, 30}) {
        writeUnit(count);
        p.TimerREDO.setEnabled(true);
        time.advance(100);
        for (int i = 1; i <= 40; ++i)
            EXPECT_EQ(p.CmTNO(i).Visible(), i <= count) << count << " " << i;
    }
}

TEST_F(Panel, TheCandidateCardAndTheTimeDisplay)
{
    auto& d = common::drill();
    d.ksZwh = QStringLiteral("07");
    d.ksCc = QStringLiteral("18");
    d.ksDah = QStringLiteral("888888");
    d.ksSfz = QStringLiteral("110101198001011234");
    const std::pair<int, double> times[] = {{50, 0.0}, {25, 0.5}, {0, 1.0}};
    for (auto [left, share] : times) {
        SCOPED_TRACE(left);
        d.timeLeft = left;
        FrmTm& p = load();
        EXPECT_EQ(p.LblTime.Caption(), QStringLiteral("剩余%1分钟").arg(left));
        EXPECT_NEAR(p.LblTimeJD.Width(), share * p.PTime.Width(), 0.01);
        EXPECT_EQ(p.LblName.Caption(), QStringLiteral("张三"));
        EXPECT_EQ(p.KsName1.Caption(), QStringLiteral("张三"));
        EXPECT_EQ(p.KsZWH1.Caption(), "07");
        EXPECT_EQ(p.KsCC1.Caption(), "18");
        EXPECT_EQ(p.KsDAH1.Caption(), "888888");
        EXPECT_EQ(p.KsKM1.Caption(), "WinXP");
        EXPECT_EQ(p.KsSFZ1.Caption(), "110101198001011234");
        EXPECT_EQ(p.Label1(2).Caption(), QStringLiteral("场    次："));
        desk().Unload();
        d.canUnload = true;
        p.Unload();
        testkit::settle();
    }
}

TEST_F(Panel, APanelTheDesktopCreatesLoadsNoQuestion)
{
    // The desktop shown first (as its own tests show it) creates the panel to dock it.
    auto& d = common::drill();
    d.dqStep = 2;
    d.ksMode = common::ModeTeaching;
    platform::form<FrmMain>().Show();
    FrmTm& p = tm();
    ASSERT_TRUE(p.isLoaded());
    EXPECT_EQ(d.tmState[1], 0);
    EXPECT_EQ(d.dqStep, 2);
    EXPECT_EQ(d.ksMode, common::ModeTeaching);
    EXPECT_EQ(desk().WindowState(), platform::vbMaximized);
    EXPECT_FALSE(p.TimeKS.Enabled());
    // It may close; the next one it creates becomes the drill's panel once a question is loaded.
    EXPECT_TRUE(p.Unload());
    testkit::settle();
    desk().dockPanel();
    ASSERT_TRUE(p.isLoaded());
    p.TimerREDO.setEnabled(true);
    time.advance(100);
    EXPECT_EQ(d.tmState[1], 1);
    EXPECT_FALSE(p.Unload());
}
