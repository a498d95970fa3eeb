// The one order of a render's phases on either desktop, and the shared phases that depend on it:
// the teaching aids after the hint, the second target placed before the action code is read, the
// last frame rule after the typed-text overlays, the panes and the hint's line breaks before the
// desktop's own ending; a desktop whose render ends at the terminal record lays out nothing after
// it.
#include "scene_fixture.h"

using namespace scenetest;

namespace {

// A record of a window with a menu bar, the toolbar and task pane 1, the My Computer pane, a main
// and a second target.
StepRecord windowStep(const QString& action = QStringLiteral("0001"))
{
    StepRecord r;
    r.action(action);
    r.set(col::PaneCode, QStringLiteral("P0")).set(col::WinCode, QStringLiteral("A3"));
    r.mainRect(1500, '0', 1500, 600, 300);
    r.setRect(col::AuxRect, 4500, '0', 3000, 600, 300);
    return r;
}

} // namespace

TEST_F(Scene, EveryPhaseRunsOnceInTheOneOrder)
{
    common::drill().ksMode = common::ModeTeaching;
    deskPicture(QStringLiteral("1100W1"));
    auto& f = desk();
    f.LHelp.setVisible(false);
    f.LHelp.setCaption(QStringLiteral("甲|乙"));
    f.on["mainTarget"] = [&] { f.ran.last() += f.LHelp.Visible() ? "[hint shown]" : "[hint hidden]"; };
    f.on["actionCode"] = [&] {
        f.ran.last() += f.Label4.Left() == 4500 ? "[Label4 placed]" : "[Label4 not placed]";
    };
    f.on["overlaysAndList"] = [&] {
        f.ran.last() += sourceName(f.PicTool.picture()).isEmpty() ? "[no toolbar yet]" : "[toolbar chosen]";
    };
    f.on["finishRender"] = [&] {
        f.ran.last() += f.LHelp.Caption().contains(u'|') ? "[one line]" : "[two lines]";
    };
    scene::renderPhases(f, steps::Step(windowStep().str()));
    EXPECT_EQ(f.ran,
              QStringList({"pictures", "editField", "hint", "mainTarget[hint shown]", "tabDialog",
                           "actionCode[Label4 placed]", "terminalOrFrame", "overlaysAndList[no toolbar yet]",
                           "ownPanes", "MenuCSH", "HuiRenwuCSH", "finishRender[two lines]"}));
    // The shared phases after the desktop's own: the toolbar, the panes, the hint's line breaks.
    EXPECT_EQ(sourceName(f.PicTool.picture()), "1100W1.rar");
    EXPECT_TRUE(f.PicMyPc.Visible());
    EXPECT_TRUE(f.PicMenu.Visible());
    EXPECT_TRUE(f.PicTool.Visible());
    EXPECT_TRUE(f.PicHui.Visible());
    EXPECT_EQ(f.LHelp.Caption(), "甲\r\n乙");
}

TEST_F(Scene, ADesktopWhoseRenderEndsAtTheTerminalRecordLaysOutNothingAfterIt)
{
    StepRecord terminal = windowStep(QStringLiteral("9999"));
    auto& ends = desk<true>();
    ends.PicMyPc.setVisible(false);
    scene::renderPhases(ends, steps::Step(terminal.str()));
    EXPECT_EQ(ends.ran.last(), "terminalOrFrame");
    EXPECT_FALSE(ends.PicMyPc.Visible());
    auto& goesOn = desk<false>();
    goesOn.PicMyPc.setVisible(false);
    scene::renderPhases(goesOn, steps::Step(terminal.str()));
    EXPECT_EQ(goesOn.ran.last(), "finishRender");
    EXPECT_TRUE(goesOn.PicMyPc.Visible());
    // Any other record goes on to the end on both.
    ends.ran.clear();
    scene::renderPhases(ends, steps::Step(windowStep().str()));
    EXPECT_EQ(ends.ran.last(), "finishRender");
}

TEST_F(Scene, TeachingModeShowsTheHintAndTheFramesAnyOtherHidesThem)
{
    auto& f = desk();
    for (int mode : {common::ModeTeaching, common::ModePractice, common::ModeExam}) {
        SCOPED_TRACE(mode);
        common::drill().ksMode = mode;
        const bool teaching = mode == common::ModeTeaching;
        for (platform::Control* c : std::initializer_list<platform::Control*>{&f.LHelp, &f.Shape2, &f.Shape4})
            c->setVisible(!teaching);
        scene::renderPhases(f, steps::Step(windowStep().str()));
        EXPECT_EQ(f.LHelp.Visible(), teaching);
        EXPECT_EQ(f.Shape2.Visible(), teaching);
        EXPECT_EQ(f.Shape4.Visible(), teaching);
    }
}

// The red frame that the terminal phase showed with the hint goes again where the main target ends
// up hidden or 10 twips high or less (real twips, whatever the scale): after the desktop's own
// phases and the drag codes' shrinking.
TEST_F(Scene, TheLastFrameRuleHidesTheFrameOfATargetTooFlatToClick)
{
    struct Case {
        const char* code;
        double height;
        bool shown;
        bool frame;
    } cases[] = {
        {"0001", 300, true, true},   {"0001", 11, true, true},   {"0001", 10, true, false},
        {"0001", 300, false, false}, {"8006", 300, true, false},
    };
    common::drill().ksMode = common::ModeTeaching;
    for (double tpp : {15.0, 12.0}) {
        useScale(tpp);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.code << " " << c.height << " at " << tpp);
            auto& f = desk();
            f.on["mainTarget"] = [&] {
                f.Label1.Move(1500, 1500, 600, c.height);
                f.Label1.setVisible(c.shown);
            };
            f.on["terminalOrFrame"] = [&] { f.Shape1.setVisible(f.LHelp.Visible()); };
            scene::renderPhases(f, steps::Step(windowStep(QString::fromLatin1(c.code)).str()));
            EXPECT_EQ(f.Shape1.Visible(), c.frame);
            EXPECT_TRUE(f.Shape2.Visible());
        }
    }
    // Outside teaching mode Shape2 goes with the hint.
    common::drill().ksMode = common::ModePractice;
    auto& f = desk();
    scene::renderPhases(f, steps::Step(windowStep().str()));
    EXPECT_FALSE(f.Shape2.Visible());
}
