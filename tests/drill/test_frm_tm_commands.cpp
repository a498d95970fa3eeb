// The question panel's commands: mark, teaching, the candidate card, the looks of the button
// areas and the demonstration speed, and the drill end reached through the button family.
#include <QApplication>
#include <QFile>
#include <QWidget>
#include <functional>

#include "common/text_file.h"
#include "drill/frm_czts.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "support/script.h"
#include "test_frm_tm_fixture.h"

using namespace paneltest;

TEST_F(Panel, MarkingTogglesTheMarkBit)
{
    FrmTm& p = load();
    auto& d = common::drill();
    const std::pair<int, int> toggles[] = {{0, 2}, {1, 3}, {4, 6}, {5, 7}, {2, 0},
                                           {3, 1}, {6, 4}, {7, 5}, {8, 8}};
    for (auto [before, after] : toggles) {
        d.tmState[1] = before;
        testkit::click(p.CmdGN(3));
        EXPECT_EQ(d.tmState[1], after) << before;
    }
    // Twice is as before; only the question shown changes.
    d.tmState[1] = 5;
    d.tmState[2] = 0;
    testkit::click(p.CmdGN(3));
    testkit::click(p.CmdGN(3));
    EXPECT_EQ(d.tmState[1], 5);
    EXPECT_EQ(d.tmState[2], 0);
}

TEST_F(Panel, TeachingShowsTheAidsUntilTheNextQuestion)
{
    FrmTm& p = load();
    auto& d = common::drill();
    time.advance(100);
    FrmMain& f = desk();
    ASSERT_FALSE(f.LHelp.Visible());
    testkit::click(p.CmdGN(6));
    EXPECT_EQ(d.ksMode, common::ModeTeaching);
    EXPECT_TRUE(f.LHelp.Visible());
    EXPECT_TRUE(f.Shape1.Visible());
    EXPECT_TRUE(f.Shape4.Visible());
    EXPECT_TRUE(f.TimerDisFK.Enabled());
    EXPECT_EQ(f.WindowState(), platform::vbNormal);
    EXPECT_TRUE(f.Visible());

    // Every step rendered meanwhile shows them; the next question ends teaching.
    f.setData();
    EXPECT_TRUE(f.LHelp.Visible());
    testkit::click(p.CmdGN(1));
    EXPECT_EQ(d.ksMode, common::ModePractice);
    time.advance(100);
    EXPECT_FALSE(f.LHelp.Visible());
    EXPECT_FALSE(f.Shape4.Visible());
}

TEST_F(Panel, InAnExamTheSecondButtonOpensTheCandidateCard)
{
    auto& d = common::drill();
    d.ksMode = common::ModeExam;
    d.fileBase = 0;
    FrmTm& p = load();
    testkit::click(p.CmdGN(6));
    EXPECT_TRUE(p.FrmKSXX.Visible());
    EXPECT_EQ(d.ksMode, common::ModeExam);
    EXPECT_FALSE(desk().LHelp.Visible());
    testkit::click(p.CmdKSFH);
    EXPECT_FALSE(p.FrmKSXX.Visible());
    // Loads keep the exam's mode.
    testkit::click(p.CmdGN(1));
    EXPECT_EQ(d.ksMode, common::ModeExam);
}

TEST_F(Panel, TheExamTipsDialogHoldsThePanelUntilItClosesAndGivesItsFocusBack)
{
    auto& d = common::drill();
    d.ksMode = common::ModeExam;
    d.fileBase = 0;
    FrmTm& p = load();
    ASSERT_EQ(p.Command1.Caption(), QStringLiteral("操作提示"));
    const int question = d.dqTm;
    p.hostWidget()->activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), p.hostWidget());
    testkit::ModalScript modals;
    modals.expect("FrmCZTS", [&](platform::Form& f) {
        QApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), f.hostWidget());
        // 下一题 and a key on the panel reach nothing under the dialog.
        testkit::click(p.CmdGN(1));
        testkit::keyThroughWindow(p, platform::vbKeyReturn);
        EXPECT_EQ(d.dqTm, question);
        EXPECT_TRUE(f.Visible());
        testkit::click(static_cast<drill::FrmCZTS&>(f).Command1);
    });
    testkit::click(p.CmdGN(7));
    EXPECT_EQ(modals.pending(), 0);
    EXPECT_FALSE(platform::Forms::isLoaded<drill::FrmCZTS>());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), p.hostWidget());
    testkit::click(p.CmdGN(1));
    EXPECT_EQ(d.dqTm, question + 1);
}

TEST_F(Panel, TheLooksOfTheButtonAreas)
{
    FrmTm& p = load();
    const double x0 = testkit::centreOf(p.CmdGN(2)).x(), y0 = testkit::centreOf(p.CmdGN(2)).y();
    const double x1 = testkit::centreOf(p.CmdGN(4)).x();
    testkit::move(p, x0, y0);
    EXPECT_DOUBLE_EQ(p.ImgMove.Left(), p.CmdGN(2).Left());
    testkit::press(p, x0, y0);
    EXPECT_DOUBLE_EQ(p.ImgDown.Left(), p.CmdGN(2).Left());
    EXPECT_DOUBLE_EQ(p.ImgDown.Top(), p.CmdGN(2).Top());
    // Pressed while the pointer stays; the look goes once the pointer is on another button.
    testkit::move(p, x0 + 30, y0);
    EXPECT_DOUBLE_EQ(p.ImgDown.Left(), p.CmdGN(2).Left());
    testkit::release(p, x0 + 30, y0);
    testkit::move(p, x1, y0);
    testkit::move(p, x1 + 30, y0);
    EXPECT_DOUBLE_EQ(p.ImgDown.Left(), 6000);
    EXPECT_DOUBLE_EQ(p.ImgMove.Left(), p.CmdGN(4).Left());
    // The rest of the main view parks both.
    testkit::move(p, 60, testkit::centreOf(p.RtbTM).y() + 1500);
    EXPECT_DOUBLE_EQ(p.ImgMove.Left(), 6030);
}

TEST_F(Panel, TheDemonstrationButtonChoosesTheSpeed)
{
    FrmTm& p = load();
    struct Case {
        int button, index, shift, speed;
    } cases[] = {
        {1, 7, 0, 1},
        {1, 7, platform::vbShiftMask, 2},
        {1, 7, platform::vbCtrlMask, 2},
        {2, 7, 0, 2},
        {1, 7, 0, 1},
        {1, 2, platform::vbShiftMask, 1},
        {2, 4, 0, 1},
    };
    for (const Case& c : cases) {
        p.ysSpeed = 5;
        p.CmdGN_MouseUp(c.index, c.button, c.shift, 0, 0);
        EXPECT_EQ(p.ysSpeed, c.speed) << c.index << " " << c.button << " " << c.shift;
    }
    // A click reaches the release first.
    testkit::click(p.CmdGN(7), 1, platform::vbShiftMask);
    EXPECT_EQ(p.ysSpeed, 2);
    EXPECT_EQ(p.Image2.Caption(), QStringLiteral("显示图片"));
    // The click itself starts the demonstration's deferred start.
    EXPECT_TRUE(p.TimStartYS.Enabled());
    EXPECT_TRUE(common::drill().ysRun);
}

TEST_F(Panel, TheEndButtonEndsAUnitPractice)
{
    QDir().mkpath(prog.file(QStringLiteral("ksdata")));
    testkit::writeTextLines(prog.file(QStringLiteral("ksdata")), QStringLiteral("288893.rar"),
                            {QStringLiteral("FFFF")});
    auto& d = common::drill();
    d.unitCount = 1;
    FrmTm& p = load();
    time.advance(100);
    desk().doNext(); // question 1 solved
    // No home screen in this test: the end asks for one by name and goes on without it.
    testkit::click(p.CmdGN(5));
    testkit::settle();
    EXPECT_TRUE(d.canUnload);
    EXPECT_FALSE(p.isLoaded());
    EXPECT_FALSE(desk().isLoaded());
    const common::TextReadResult progress =
        common::readTextFile(prog.file(QStringLiteral("ksdata/288893.rar")));
    EXPECT_EQ(progress.lines.value(0), QStringLiteral("TFFF"));
}

// Before the mend the demonstration button hid the desktop, played nothing and came back, without
// a word.
TEST_F(Panel, TheDemonstrationOfAQuestionWithoutRecordsSaysSoAndDoesNotStart)
{
    struct Case {
        const char* what;
        std::function<void(Panel&)> damage;
    } cases[] = {
        {"missing step file", [](Panel&) { QFile::remove(common::drill().stepPath); }},
        {"step file that is not text",
         [](Panel&) {
             QFile f(common::drill().stepPath);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
             f.write("0000\x81\xff\r\n");
         }},
        {"block past the file's end", [](Panel&) { common::drill().tmStart[5] = 12; }},
        {"question without steps", [](Panel&) { common::drill().tmStart[5] = 7; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeUnit(4);
        common::drill().dqTm = 4;
        c.damage(*this);
        FrmTm& p = load();
        common::drill().ysRun = false;
        testkit::ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbOK, QStringLiteral("第4题的操作步骤无法读取"), std::nullopt,
                     platform::vbOKOnly + platform::vbExclamation);
        testkit::click(p.CmdGN(7));
        EXPECT_EQ(boxes.pending(), 0);
        ASSERT_FALSE(boxes.seen().isEmpty());
        EXPECT_TRUE(boxes.seen().last().prompt.contains(QStringLiteral("288820.rar")));
        EXPECT_FALSE(p.TimStartYS.Enabled());
        EXPECT_FALSE(common::drill().ysRun);
    }
    // An intact question starts as before.
    writeUnit(4);
    testkit::click(tm().CmdGN(7));
    EXPECT_TRUE(tm().TimStartYS.Enabled());
}
