// The screens of a drill find one another through what the drill hands them, never by a form's
// name nor by a registration made as the program starts: a drill start installs the question
// panel for the candidate's desktop, and the panel hands the demonstration the desktop it lies
// over and the way back to the candidate.
#include "common/naming.h"
#include "common/question_panel.h"
#include "demo/frm_yanshi.h"
#include "drill/frm_tm.h"
#include "exam_fixture.h"

using namespace drill;
using platform::Forms;

namespace drilltest {
namespace {

// A window that stands for the candidate's desktop, under a name of its own.
class DesktopStandIn final : public platform::Form {
public:
    DesktopStandIn()
        : Form(QStringLiteral("DesktopStandIn"))
    {}
};

class HandOver : public Exam {
protected:
    void SetUp() override
    {
        Exam::SetUp();
        setPanelSource({}); // the program's question panel
        // Windowed: the candidate's desktop lies in the middle of the screen, not at its corner.
        platform::setScreenPixels(QSize(1024, 768));
    }
    FrmTm& panel() { return Forms::instance<FrmTm>(); }
    FrmMain& desk() { return Forms::instance<FrmMain>(); }
};

TEST_F(HandOver, AnExamStartInstallsThePanelForTheCandidatesDesktop)
{
    // Nothing installed, as in a program in which nothing ran before main.
    common::setQuestionPanel({});
    login(0);
    time.advance(200);
    FrmTm& p = panel();
    FrmMain& f = desk();
    ASSERT_TRUE(f.windowedMode());
    // The desktop docked the panel at its bottom-right corner...
    EXPECT_DOUBLE_EQ(p.Left() + p.Width(), f.Left() + f.Width());
    EXPECT_DOUBLE_EQ(p.Top() + p.Height(), f.Top() + f.Height());
    // ... and its terminal record writes the panel's list of unfinished questions.
    time.advance(1000);
    ASSERT_GE(common::drill().tmState[1], common::TmSolved);
    EXPECT_TRUE(p.LblUnit.Caption().startsWith(QStringLiteral("未完成的题目 2 3 ")));
}

TEST_F(HandOver, TheDemonstrationLiesOverTheDesktopItWasHandedAndGivesBackThroughItsHandOver)
{
    // A question whose first record is its terminal one: the demonstration ends by itself.
    writeUnit(0, {Question{1, QString()}});
    auto& d = common::drill();
    d.fileBase = 20;
    d.setNo = 0;
    d.tmCount = 1;
    d.dqTm = 1;
    d.tmStart[1] = 1;
    d.tmStart[2] = 2;
    d.stepPath = common::stepPath(d.dataPath, 20, 0);
    // The program's desktop is loaded too, at a place of its own: the demonstration goes only by
    // what it is handed.
    platform::form<FrmMain>();
    DesktopStandIn& standIn = platform::form<DesktopStandIn>();
    standIn.Move(1200, 900);
    ASSERT_NE(desk().Left(), 1200);

    int ends = 0;
    FrmYanShi& player = Forms::instance<FrmYanShi>();
    d.ysRun = true;
    player.handOver({&standIn, [&ends] { ++ends; }});
    player.Load();
    EXPECT_DOUBLE_EQ(player.Left(), 1200);
    EXPECT_DOUBLE_EQ(player.Top(), 900);
    time.advance(400);
    EXPECT_FALSE(player.isLoaded());
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(Forms::isLoaded<FrmTm>()); // the panel is never looked up

    // The hand-over serves one demonstration: the next one, handed nothing, lies in the middle of
    // the screen and gives nothing back; a desktop that is not a window is not followed.
    d.ysRun = true;
    player.Load();
    EXPECT_DOUBLE_EQ(player.Left(), (1024 * 15 - 12000) / 2.0);
    EXPECT_DOUBLE_EQ(player.Top(), (768 * 15 - 9000) / 2.0);
    time.advance(400);
    EXPECT_FALSE(player.isLoaded());
    EXPECT_EQ(ends, 1);

    standIn.setWindowState(platform::vbMaximized);
    d.ysRun = true;
    player.handOver({&standIn, [&ends] { ++ends; }});
    player.Load();
    EXPECT_DOUBLE_EQ(player.Left(), (1024 * 15 - 12000) / 2.0);
    time.advance(400);
    EXPECT_EQ(ends, 2);
}

} // namespace
} // namespace drilltest
