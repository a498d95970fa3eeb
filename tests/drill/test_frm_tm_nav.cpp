// The question load and the navigation of the question panel: the text and illustration button,
// the title and the unfinished list, the pictures and step a question was left with, previous,
// next, redo and the question selector.
#include <QFile>

#include "test_frm_tm_fixture.h"

using namespace paneltest;

TEST_F(Panel, TheQuestionTextAndItsIllustration)
{
    writeUnit(4, {QStringLiteral("新建一个文件夹。"), QStringLiteral("pictureP00001请看图回答。"),
                  QStringLiteral("Picture P00001不是图。"), QStringLiteral("picture../x1a看图。")});
    FrmTm& p = load();
    auto& d = common::drill();
    EXPECT_EQ(p.RtbTM.Text(), QStringLiteral("新建一个文件夹。"));
    EXPECT_FALSE(p.Image2.Visible());
    EXPECT_EQ(d.lineBuf, QStringLiteral("000102新建一个文件夹。"));

    testkit::click(p.CmdGN(1));
    EXPECT_EQ(p.RtbTM.Text(), QStringLiteral("请看图回答。"));
    EXPECT_TRUE(p.Image2.Visible());
    EXPECT_EQ(p.Image2.Caption(), QStringLiteral("显示图片"));
    EXPECT_EQ(sourceName(platform::Picture()), QString());
    EXPECT_EQ(p.picFile.section(QLatin1Char('/'), -1), QStringLiteral("P00001.rar"));

    // Only the lower-case word names an illustration.
    testkit::click(p.CmdGN(1));
    EXPECT_EQ(p.RtbTM.Text(), QStringLiteral("Picture P00001不是图。"));
    EXPECT_FALSE(p.Image2.Visible());
    // A name that is not a code names no file.
    testkit::click(p.CmdGN(1));
    EXPECT_EQ(p.RtbTM.Text(), QStringLiteral("看图。"));
    EXPECT_TRUE(p.picFile.isEmpty());
}

TEST_F(Panel, AShortOrMissingQuestionList)
{
    FrmTm& p = load();
    auto& d = common::drill();
    // Question 6 of a list of 4 lines: the last line.
    d.tmCount = 6;
    d.dqTm = 6;
    p.DqExam();
    EXPECT_EQ(p.RtbTM.Text(), QStringLiteral("第4题"));
    // A list that cannot be read: the text the buffer held, and the rest of the load goes on.
    ASSERT_TRUE(QFile::remove(d.tmPath));
    d.dqTm = 2;
    p.DqExam();
    EXPECT_EQ(p.RtbTM.Text(), QStringLiteral("第4题"));
    EXPECT_EQ(d.tmState[2], 1);
    EXPECT_TRUE(desk().Timer2.Enabled());
}

TEST_F(Panel, TitlesAndTheUnfinishedList)
{
    struct Case {
        int fileBase, setNo;
        const char* done; // completion flags of the four questions
        int states[4];
        const char *title, *unfinished;
    } cases[] = {
        {20, 0, "FTFT", {0, 4, 0, 0}, "第1单元  第2/4题（已完成）", "未完成的题目 1 3"},
        {20, 2, "FFFF", {0, 4, 4, 0}, "第3单元  第2/4题（未完成）", "未完成的题目 1 2 3 4"},
        {0, 6, "FFFF", {4, 0, 6, 5}, "WinXP-第7套 第2题", "未完成的题目 2"},
        {20, -1, "TTTT", {0, 5, 4, 0}, "错题复习  第2/4题", "未完成的题目 1 4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        auto& d = common::drill();
        d.fileBase = c.fileBase;
        d.setNo = c.setNo;
        d.tmPath = common::tmPath(d.dataPath, c.fileBase, c.setNo);
        QFile::copy(common::tmPath(d.dataPath, 20, 0), d.tmPath);
        for (int i = 1; i <= 4; ++i) {
            d.tmDone[i] = QString(QLatin1Char(c.done[i - 1]));
            d.tmState[i] = c.states[i - 1];
        }
        d.dqTm = 2;
        FrmTm& p = load();
        EXPECT_EQ(p.LblBiao.Caption(), QString::fromUtf8(c.title));
        EXPECT_EQ(p.LblUnit.Caption(), QString::fromUtf8(c.unfinished));
        desk().Unload();
        d.canUnload = true;
        p.Unload();
        testkit::settle();
    }
}

TEST_F(Panel, PreviousAndNextStayWithinTheDrill)
{
    FrmTm& p = load();
    auto& d = common::drill();
    EXPECT_FALSE(p.CmdPre.Enabled());
    EXPECT_FALSE(p.CmdGN(0).Enabled());
    EXPECT_TRUE(p.CmdNext.Enabled());
    for (int q = 2; q <= 4; ++q) {
        testkit::click(p.CmdGN(1));
        EXPECT_EQ(d.dqTm, q);
        EXPECT_EQ(d.tmState[q], 1);
        EXPECT_EQ(p.LblBiao.Caption(), QStringLiteral("第1单元  第%1/4题（未完成）").arg(q));
    }
    EXPECT_FALSE(p.CmdNext.Enabled());
    EXPECT_FALSE(p.CmdGN(1).Enabled());
    EXPECT_TRUE(p.CmdGN(0).Enabled());
    p.CmdNext_Click();
    EXPECT_EQ(d.dqTm, 4);
    testkit::click(p.CmdGN(0));
    EXPECT_EQ(d.dqTm, 3);
    d.dqTm = 1;
    p.CmdPre_Click();
    EXPECT_EQ(d.dqTm, 1);

    // A one-question drill has neither.
    writeUnit(1);
    p.DqExam();
    EXPECT_FALSE(p.CmdPre.Enabled());
    EXPECT_FALSE(p.CmdNext.Enabled());
}

TEST_F(Panel, AQuestionComesBackAtItsStepWithItsPictures)
{
    FrmTm& p = load();
    auto& d = common::drill();
    time.advance(100);
    EXPECT_EQ(sourceName(desk().picture()), "Q01S1P.rar");

    // Question 2 left at its terminal step: solved, with the picture it showed.
    testkit::click(p.CmdGN(1));
    time.advance(100);
    desk().doNext();
    EXPECT_EQ(d.dqStep, 2);
    EXPECT_EQ(d.tmState[2], 5);
    EXPECT_EQ(sourceName(desk().picture()), "Q02S2P.rar");
    testkit::click(p.CmdGN(0));
    EXPECT_EQ(sourceName(desk().picture()), "Q01S1P.rar"); // before question 1 is rendered
    time.advance(100);

    testkit::click(p.CmdGN(1));
    // The picture is back before the render, and the step with it.
    EXPECT_EQ(sourceName(desk().picture()), "Q02S2P.rar");
    EXPECT_EQ(d.dqStep, 2);
    time.advance(100);
    EXPECT_EQ(d.stepRec.mid(7, 4), "9999");

    // Redo: the first step again, the question still solved.
    testkit::click(p.CmdGN(2));
    EXPECT_EQ(d.dqStep, 1);
    EXPECT_EQ(d.tmStep[2], 1);
    time.advance(100);
    EXPECT_EQ(sourceName(desk().picture()), "Q02S1P.rar");
    EXPECT_EQ(d.tmState[2], 5);
    EXPECT_EQ(d.tmDone[2], QStringLiteral("T"));

    // A picture that cannot be loaded leaves its place empty until the render: the question
    // before never shows through.
    d.tmPic[3][0] = QStringLiteral("NOSUCH");
    testkit::click(p.CmdGN(1));
    EXPECT_EQ(sourceName(desk().picture()), "");
    time.advance(100);
    EXPECT_EQ(sourceName(desk().picture()), "Q03S1P.rar");
}

TEST_F(Panel, TheDesktopComesBackNormalAndStillFillsASmallScreen)
{
    for (double tpp : {15.0, 12.0}) {
        SCOPED_TRACE(tpp);
        useScale(tpp);
        FrmTm& p = load();
        FrmMain& f = desk();
        EXPECT_EQ(f.WindowState(), platform::vbNormal);
        EXPECT_DOUBLE_EQ(f.Left(), 0);
        EXPECT_DOUBLE_EQ(f.Top(), 0);
        EXPECT_DOUBLE_EQ(f.Width(), platform::screenWidthTwips());
        EXPECT_DOUBLE_EQ(f.Height(), platform::screenHeightTwips());
        EXPECT_DOUBLE_EQ(p.Left() + p.Width(), platform::screenWidthTwips());
        EXPECT_DOUBLE_EQ(p.Top() + p.Height(), platform::screenHeightTwips());
        // Minimised, the next load shows it again at the same place.
        f.setWindowState(platform::vbMinimized);
        p.DqExam();
        EXPECT_EQ(f.WindowState(), platform::vbNormal);
        EXPECT_TRUE(f.Visible());
        EXPECT_DOUBLE_EQ(f.Width(), platform::screenWidthTwips());
        f.Unload();
        common::drill().canUnload = true;
        p.Unload();
        testkit::settle();
    }
}

TEST_F(Panel, TheSelectorShowsVisitsAndMarks)
{
    writeUnit(12);
    auto& d = common::drill();
    const int states[] = {0, 1, 2, 3, 4, 5, 6, 7};
    FrmTm& p = load();
    for (int i = 0; i < 8; ++i)
        d.tmState[i + 3] = states[i];
    testkit::click(p.CmdGN(4));
    ASSERT_TRUE(p.FrmSelect.Visible());
    const long colours[] = {0x8000000FL, 0xFF00, 0xFF, 0xFF, 0x8000000FL, 0xFF00, 0xFF, 0xFF};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(p.CmTNO(i + 3).BackColor(), colours[i]) << "state " << states[i];
    EXPECT_EQ(p.CmTNO(1).BackColor(), 0xFF00); // question 1 is shown, so visited

    testkit::click(p.CmdSelFH);
    EXPECT_FALSE(p.FrmSelect.Visible());
    EXPECT_EQ(d.dqTm, 1);

    testkit::click(p.CmdGN(4));
    testkit::click(p.CmTNO(12));
    EXPECT_FALSE(p.FrmSelect.Visible());
    EXPECT_EQ(d.dqTm, 12);
    EXPECT_EQ(p.RtbTM.Text(), QStringLiteral("第12题"));
    // No question beyond the drill can be chosen.
    p.CmTNO_Click(13);
    EXPECT_EQ(d.dqTm, 12);
}

TEST_F(Panel, TheReloadTimerLoadsOnce)
{
    FrmTm& p = load();
    auto& d = common::drill();
    time.advance(100);
    d.dqTm = 3;
    p.TimerREDO.setEnabled(true);
    time.advance(99);
    EXPECT_EQ(p.RtbTM.Text(), QStringLiteral("第1题"));
    time.advance(1);
    EXPECT_EQ(p.RtbTM.Text(), QStringLiteral("第3题"));
    EXPECT_FALSE(p.TimerREDO.Enabled());
    d.dqTm = 4;
    time.advance(1000);
    EXPECT_EQ(p.RtbTM.Text(), QStringLiteral("第3题"));
}
