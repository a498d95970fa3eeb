// The key judge: key steps, their alternatives, the shortcuts of menu paths, the areas that hand
// it their keys, and one physical key press judged once.
#include <QWidget>

#include "actions_fixture.h"
#include "platform/keys.h"

using namespace desktoptest;
using namespace platform;

namespace {

constexpr int F1 = 112, F2 = 113, F4 = 115, F5 = 116;

StepRecord keyStep(const QString& action, const QString& alt1 = QString(), const QString& alt2 = QString(),
                   const QString& alt3 = QString())
{
    StepRecord r = step(action);
    r.set(col::WinCode, QStringLiteral("EE"));
    if (!alt1.isEmpty()) r.set(col::KeyAlt1, alt1);
    if (!alt2.isEmpty()) r.set(col::KeyAlt2, alt2);
    if (!alt3.isEmpty()) r.set(col::KeyAlt3, alt3);
    return r;
}

// A menu path in a target slot: "H", menu id, three rows, JumpChar.
StepRecord pathStep(int column, const QString& path)
{
    StepRecord r = step(QStringLiteral("0000"));
    r.set(col::WinCode, QStringLiteral("EE"));
    r.set(column, path);
    return r;
}

} // namespace

using Keys = Actions;

TEST_F(Keys, KeyCodesOfTheActionCodeAndTheAlternatives)
{
    struct Case {
        const char* name;
        StepRecord rec;
        int key, shift;
        bool advances;
    } cases[] = {
        {"6213 by Ctrl+F2", keyStep("6213"), F2, vbCtrlMask, true},
        {"6213 not by Ctrl+Enter", keyStep("6213"), vbKeyReturn, vbCtrlMask, false},
        {"6012 by F1", keyStep("6012"), F1, 0, true},
        {"6112 by Shift+F1", keyStep("6112"), F1, vbShiftMask, true},
        {"6112 not by F1 alone", keyStep("6112"), F1, 0, false},
        {"6009 by Tab", keyStep("6009"), vbKeyTab, 0, true},
        {"6065 by A", keyStep("6065"), 65, 0, true},
        {"6065 not by Alt+A", keyStep("6065"), 65, vbAltMask, false},
        {"6465 by Alt+A", keyStep("6465"), 65, vbAltMask, true},
        {"6465 not by A", keyStep("6465"), 65, 0, false},
        {"6465 not by Alt+Shift+A", keyStep("6465"), 65, vbAltMask | vbShiftMask, false},
        {"6265 by Ctrl+A", keyStep("6265"), 65, vbCtrlMask, true},
        {"6000 by nothing", keyStep("6000"), 48, 0, false},
        {"keyAlt 2 P6013 by Enter", keyStep("0000", "", "P6013"), vbKeyReturn, 0, true},
        {"keyAlt 1 P6013 by F2", keyStep("0000", "P6013"), F2, 0, true},
        {"keyAlt 1 P6013 not by Enter", keyStep("0000", "P6013"), vbKeyReturn, 0, false},
        {"keyAlt 3 P6013 by F2", keyStep("0000", "", "", "P6013"), F2, 0, true},
        {"keyAlt 1 P6016 by F5", keyStep("0000", "P6016"), F5, 0, true},
        {"keyAlt 3 P6465 by Alt+A", keyStep("0000", "", "", "P6465"), 65, vbAltMask, true},
        {"keyAlt 3 P6465 not by A", keyStep("0000", "", "", "P6465"), 65, 0, false},
        {"a keyAlt needs its P", keyStep("0000", "Q6065"), 65, 0, false},
        {"a keyAlt beyond 6999 counts not", keyStep("0000", "P7065"), 65, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrmMain& f = show({c.rec});
        testkit::key(f, c.key, c.shift);
        EXPECT_EQ(stepNow(), c.advances ? 2 : 1);
        again();
    }
}

TEST_F(Keys, ShortcutsOfMenuPaths)
{
    struct Case {
        const char* name;
        StepRecord rec;
        int key, shift;
        int step;
    } cases[] = {
        {"targetC A203 by Ctrl+C", pathStep(col::TargetC, "HA20300000"), 67, vbCtrlMask, 2},
        {"not by Ctrl+Shift+C", pathStep(col::TargetC, "HA20300000"), 67, vbCtrlMask | vbShiftMask, 1},
        {"not by C", pathStep(col::TargetC, "HA20300000"), 67, 0, 1},
        {"targetA D114 by Alt+F4", pathStep(col::TargetA, "HD11400000"), F4, vbAltMask, 2},
        {"targetB B210 by Ctrl+A", pathStep(col::TargetB, "HB21000000"), 65, vbCtrlMask, 2},
        {"0608 by Ctrl+Shift+E", pathStep(col::TargetC, "H060800000"), 69, vbCtrlMask | vbShiftMask, 2},
        {"0601 by F7 alone", pathStep(col::TargetC, "H060100000"), 118, 0, 2},
        {"a path's jump is not taken", pathStep(col::TargetC, "HA2030000C"), 67, vbCtrlMask, 2},
        {"A205 has no shortcut", pathStep(col::TargetC, "HA20500000"), 86, vbCtrlMask, 1},
        {"a menu pick is no shortcut", pathStep(col::TargetB, "DA20300000"), 67, vbCtrlMask, 1},
        {"item codes are case-sensitive", pathStep(col::TargetC, "Ha20300000"), 67, vbCtrlMask, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrmMain& f = show({c.rec});
        testkit::key(f, c.key, c.shift);
        EXPECT_EQ(stepNow(), c.step);
        EXPECT_TRUE(f.Visible());
        again();
    }
}

TEST_F(Keys, OneKeyPressPassesOneStep)
{
    // Step 2 takes the same key as step 1: by its action code, and by a shortcut.
    for (const StepRecord& second : {keyStep("6267"), pathStep(col::TargetC, "HA20300000")}) {
        FrmMain& f = show({keyStep("6267"), second});
        testkit::key(f, 67, vbCtrlMask);
        EXPECT_EQ(stepNow(), 2);
        testkit::key(f, 67, vbCtrlMask);
        EXPECT_EQ(stepNow(), 3);
        again();
    }
}

TEST_F(Keys, AreasJudgeAtThePressOrAtTheRelease)
{
    // Step 1 shows the desktop area (winCode "M") and takes Enter; step 2 is Enter in the edit
    // field, which holds its answer already and takes the focus when it is shown.
    writeTexts({QStringLiteral("Report")});
    StepRecord onDesk = keyStep("0000", "", "P6013");
    onDesk.set(col::WinCode, QStringLiteral("M0"));
    writeDeskPicture(QStringLiteral("1100W1.rar"));
    StepRecord confirm = step(QStringLiteral("0024"));
    confirm.setRect(col::EditRect, 3000, '0', 600, 3000, 300);
    confirm.setNumber(col::TextLine, 3, 1);
    confirm.setNumber(col::AnswerLine, 3, 1);

    FrmMain& f = show({onDesk, confirm});
    ASSERT_TRUE(f.PicTable.Visible());
    f.PicTable.SetFocus();
    // Judged as the key goes down; its release, which the edit field gets, is no Enter of its own.
    testkit::keyDown(f, vbKeyReturn);
    EXPECT_EQ(stepNow(), 2);
    ASSERT_TRUE(f.Text1.hasFocus());
    testkit::keyUp(f, vbKeyReturn);
    EXPECT_EQ(stepNow(), 2);
    // A new press is.
    testkit::key(f, vbKeyReturn);
    EXPECT_EQ(stepNow(), 3);
    again();

    // The task pane judges at the release.
    StepRecord withPane = keyStep("6065");
    withPane.set(col::WinCode, QStringLiteral("O2"));
    writeDeskPicture(QStringLiteral("41A001.rar"));
    FrmMain& g = show({withPane});
    ASSERT_TRUE(g.PicHui.Visible());
    g.PicHui.SetFocus();
    testkit::keyDown(g, 65);
    EXPECT_EQ(stepNow(), 1);
    testkit::keyUp(g, 65);
    EXPECT_EQ(stepNow(), 2);
}

TEST_F(Keys, AKeyHeldDownOnAnAreaIsJudgedOnce)
{
    // Both steps show the picture box Image6 and take A: the repeats of one held key pass one step.
    writePicture(QStringLiteral("SIX001"), 60, 40);
    StepRecord r = keyStep("6065");
    r.setSlot(col::Slot6, 1500, '0', 1500, QStringLiteral("SIX001"));
    FrmMain& f = show({r, r});
    f.Image6.SetFocus();
    ASSERT_TRUE(f.Image6.hasFocus());
    testkit::keyHeld(f, 65, 0, 5);
    EXPECT_EQ(stepNow(), 2);
    EXPECT_TRUE(f.Image6.hasFocus());
    testkit::key(f, 65);
    EXPECT_EQ(stepNow(), 3);
}

TEST_F(Keys, AnAreaWithoutAForwarderHandsItsKeysToTheWindow)
{
    FrmMain& f = show({keyStep("6065")});
    f.PicStart.setVisible(true);
    f.PicStart.SetFocus();
    ASSERT_TRUE(f.PicStart.hasFocus());
    testkit::keyDown(f, 65);
    EXPECT_EQ(stepNow(), 1); // the window judges at the release
    testkit::keyUp(f, 65);
    EXPECT_EQ(stepNow(), 2);
}

TEST_F(Keys, KeysTypedInTheEditFieldAreNotKeySteps)
{
    StepRecord r = keyStep("6065");
    r.setRect(col::EditRect, 3000, '0', 600, 3000, 300);
    FrmMain& f = show({r});
    ASSERT_TRUE(f.Text1.hasFocus());
    testkit::key(f, 65);
    EXPECT_EQ(stepNow(), 1);
    EXPECT_FALSE(f.Text1.Text().isEmpty());
}

TEST_F(Keys, TheWindowSystemsCloseRequestNeverClosesTheDesktop)
{
    FrmMain& f = show({pathStep(col::TargetA, "HD11400000")});
    QWidget* w = f.hostWidget();
    ASSERT_NE(w, nullptr);
    // Without Alt held: refused, nothing judged.
    w->close();
    EXPECT_TRUE(f.Visible());
    EXPECT_TRUE(f.isLoaded());
    EXPECT_EQ(stepNow(), 1);
    // Alt+F4 that reaches the window only as the close request: refused and judged as the key.
    testkit::keyDown(f, vbKeyMenu, vbAltMask);
    w->close();
    testkit::keyUp(f, vbKeyMenu, vbAltMask);
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(stepNow(), 2);
    // The drill closes it as before.
    EXPECT_TRUE(f.Unload());
}

TEST_F(Keys, OnePressPassesOneStepWhenTheStepItPassesTakesTheFocusedAreaAway)
{
    // Each question takes the same key twice. The candidate has clicked a bare place of the area
    // first; the render of step 2 hides the area for a moment and the focus falls to the window.
    writeDeskPicture(QStringLiteral("1100W1.rar"));
    writeDeskPicture(QStringLiteral("41A001.rar"));
    StepRecord onDesk = keyStep("6012"); // F1, judged as it goes down
    onDesk.set(col::WinCode, QStringLiteral("M0"));
    StepRecord onPane = keyStep("6065"); // A, judged as it is released
    onPane.set(col::WinCode, QStringLiteral("O2"));
    StepRecord copy = pathStep(col::TargetC, "HA20300000"); // Ctrl+C, in the open Start menu
    struct Case {
        const char* name;
        StepRecord rec;
        int key, shift;
        PictureBox FrmMain::*area;
    } cases[] = {
        {"desktop area, F1", onDesk, F1, 0, &FrmMain::PicTable},
        {"task pane, A", onPane, 65, 0, &FrmMain::PicHui},
        {"Start menu, Ctrl+C", copy, 67, vbCtrlMask, &FrmMain::PicStart},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrmMain& f = show({c.rec, c.rec});
        PictureBox& area = f.*c.area;
        if (&area == &f.PicStart) testkit::click(f.StartMenu);
        ASSERT_TRUE(area.Visible());
        const QPointF bare = testkit::bareSpotOf(area);
        testkit::click(f, bare.x(), bare.y());
        ASSERT_TRUE(area.hasFocus());
        testkit::key(f, c.key, c.shift);
        EXPECT_EQ(stepNow(), 2);
        testkit::key(f, c.key, c.shift);
        EXPECT_EQ(stepNow(), 3);
        again();
    }
}

TEST_F(Keys, AKeyIsJudgedWithTheKeysHeldWhenItWentDown)
{
    writeDeskPicture(QStringLiteral("41A001.rar"));
    struct Case {
        const char* name;
        const char* code;
        bool onPane;    // the task pane judges at the release; else the window does
        bool ctrlFirst; // Ctrl pressed before the key and let go before it; else pressed after it
        int step;
    } cases[] = {
        {"Ctrl+A let go of Ctrl first, window", "6265", false, true, 2},
        {"Ctrl+A let go of Ctrl first, task pane", "6265", true, true, 2},
        {"A with Ctrl held at the press is no A", "6065", false, true, 1},
        {"A then Ctrl, window", "6065", false, false, 2},
        {"A then Ctrl, task pane", "6065", true, false, 2},
        {"A then Ctrl is no Ctrl+A", "6265", true, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StepRecord r = keyStep(c.code);
        if (c.onPane) r.set(col::WinCode, QStringLiteral("O2"));
        FrmMain& f = show({r});
        if (c.onPane) {
            const QPointF bare = testkit::bareSpotOf(f.PicHui);
            testkit::click(f, bare.x(), bare.y());
            ASSERT_TRUE(f.PicHui.hasFocus());
        }
        if (c.ctrlFirst) {
            testkit::keyDown(f, 65, vbCtrlMask); // Ctrl, then A with Ctrl
            testkit::keyUp(f, vbKeyControl, 0);
            testkit::keyUp(f, 65, 0);
        } else {
            testkit::keyDown(f, 65, 0);
            testkit::keyDown(f, vbKeyControl, vbCtrlMask);
            testkit::keyUp(f, 65, vbCtrlMask); // A, then Ctrl let go
        }
        EXPECT_EQ(stepNow(), c.step);
        again();
    }
}

TEST_F(Keys, TwoAltF4StepsInARowBothPass)
{
    const StepRecord closeIt = keyStep("0000", "P6415");
    {
        // As keys that reach the window.
        FrmMain& f = show({closeIt, closeIt});
        testkit::key(f, F4, vbAltMask);
        EXPECT_EQ(stepNow(), 2);
        testkit::key(f, F4, vbAltMask);
        EXPECT_EQ(stepNow(), 3);
        again();
    }
    {
        // As the close requests of a window system that keeps the key: each press is one.
        FrmMain& f = show({closeIt, closeIt});
        testkit::keyDown(f, vbKeyMenu, vbAltMask);
        f.hostWidget()->close();
        EXPECT_EQ(stepNow(), 2);
        f.hostWidget()->close();
        EXPECT_EQ(stepNow(), 3);
        testkit::keyUp(f, vbKeyMenu, vbAltMask);
        again();
    }
    {
        // A press that reaches the window and makes a close request as well is one action; the
        // next press is another.
        FrmMain& f = show({closeIt, closeIt});
        testkit::keyDown(f, F4, vbAltMask);
        f.hostWidget()->close();
        testkit::keyUp(f, F4, vbAltMask);
        EXPECT_EQ(stepNow(), 2);
        testkit::keyDown(f, F4, vbAltMask);
        f.hostWidget()->close();
        testkit::keyUp(f, F4, vbAltMask);
        EXPECT_EQ(stepNow(), 3);
        EXPECT_TRUE(f.Visible());
    }
}
