// The player: its start from the panel at both speeds, the glide, the arrival actions, typing,
// the pause, the end by itself or by the candidate, and the hand-back with the candidate's own
// question untouched.
#include <QFile>

#include "demo_fixture.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "steps/step_file.h"
#include "support/script.h"

using namespace demotest;

TEST_F(Demo, TheButtonStartsThePlayerAtNormalOrHalfSpeed)
{
    struct Case {
        int button, shift, factor;
    } cases[] = {{platform::vbLeftButton, 0, 1},
                 {platform::vbLeftButton, platform::vbShiftMask, 2},
                 {platform::vbLeftButton, platform::vbAltMask, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.factor);
        start({{aimed("0001", 1500, 0), terminal()}});
        common::drill().ysRun = false;
        testkit::click(panel().CmdGN(7), c.button, c.shift);
        EXPECT_TRUE(common::drill().ysRun);
        time.advance(100);
        EXPECT_FALSE(playing()); // the start acts on its second tick
        EXPECT_TRUE(desk().Visible());
        time.advance(100);
        ASSERT_TRUE(playing());
        FrmYanShi& p = player();
        EXPECT_TRUE(p.Visible());
        EXPECT_FALSE(desk().Visible());
        EXPECT_FALSE(panel().Visible());
        EXPECT_EQ(common::drill().ksMode, common::ModeTeaching);
        EXPECT_EQ(p.shownStep(), 1);
        // The first glide is under way: the arrow's first move, from the start towards the target,
        // comes after 100 ms at normal speed and 200 ms at half speed.
        for (int t = 1; t < c.factor; ++t) {
            time.advance(100);
            EXPECT_LT(p.LPoint(5).Y1(), 0);
        }
        time.advance(100);
        EXPECT_EQ(pointer(), QPointF(StartX + 100, StartY));
        // A horizontal glide of 1500 twips takes 14 ticks at this speed.
        EXPECT_EQ(ticksUntilStepLeaves(1, 60, 100 * c.factor), 13);
        EXPECT_GE(runToEnd(), 0);
        reset = std::make_unique<testkit::FormsReset>();
        common::drill().resetAll();
    }
}

TEST_F(Demo, AGlideTakesItsTicksAndAGlideOfNoLengthArrivesAtOnce)
{
    struct Case {
        int dx, dy, ticks;
    } cases[] = {
        {1500, 0, 14}, {-1500, 0, 14}, {0, 1300, 14}, {1500, 1500, 10}, {600, 0, 13}, {90, 0, 1}, {0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
        start({{aimed("0001", c.dx, c.dy), terminal()}});
        startDemo();
        EXPECT_EQ(ticksUntilStepLeaves(1), c.ticks);
        // The pointer stands on the target, where a glide of no length leaves it too.
        EXPECT_EQ(pointer(), QPointF(StartX + c.dx, StartY + c.dy));
        reset = std::make_unique<testkit::FormsReset>();
        common::drill().resetAll();
    }
}

TEST_F(Demo, ThePointerIsDrawnAtItsPlaceAtEveryTick)
{
    start({{aimed("0001", 1500, 0), terminal()}});
    startDemo();
    FrmYanShi& p = player();
    // Nothing drawn before the first tick.
    EXPECT_LT(p.LPoint(5).Y1(), 0);
    time.advance(100);
    EXPECT_EQ(pointer(), QPointF(StartX + 100, StartY));
    // The arrow's tip is at (60, -15) from the reference point; LPoint(7) joins 2 and 6.
    EXPECT_DOUBLE_EQ(p.LPoint(5).X1(), StartX + 100 + 60);
    EXPECT_DOUBLE_EQ(p.LPoint(5).Y1(), StartY - 15);
    EXPECT_DOUBLE_EQ(p.LPoint(7).X1(), p.LPoint(2).X2());
    EXPECT_DOUBLE_EQ(p.LPoint(7).Y2(), p.LPoint(6).Y1());
    EXPECT_DOUBLE_EQ(p.LPoinB(5).X2(), StartX + 100 + 210);
}

TEST_F(Demo, AClickStepAdvancesOrJumpsAndColoursItsRing)
{
    // Step 1 "0001" jumps to step 3; step 3 "0002" jumps by its JumpChar to step 5, as the
    // candidate's double click does; step 5 "0003"; steps 2 and 4 are never played.
    start({{at("0001", 1500, 1500, '3'), at("0002", 6000, 1500), at("0002", 3000, 4000, '5'),
            at("0001", 3000, 1500), at("0003", 6000, 6000), at("9101", 1500, 6000), terminal()}});
    startDemo();
    QList<int> steps{1};
    QList<long> colours; // the ring's colour during the last glide of each step left
    long seen = 0;
    while (playing() && steps.size() < 10) {
        time.advance(100);
        if (!playing()) break;
        if (player().shownStep() != steps.last()) {
            steps << player().shownStep();
            colours << seen;
        }
        seen = player().Shape5.BorderColor();
    }
    EXPECT_EQ(steps, (QList<int>{1, 3, 5, 6, 7}));
    EXPECT_EQ(colours, (QList<long>{0xFF, 0xFF00, 0xFFFF, 0xFF}));
}

TEST_F(Demo, AClickThatAdvancesShowsNoRingAndAJumpLetsItBlink)
{
    start({{at("0001", 1500, 1500, '2'), at("0001", 6000, 1500), terminal()}});
    startDemo();
    FrmYanShi& p = player();
    ASSERT_GT(ticksUntilStepLeaves(1), 0);
    // The jump keeps the blink: the ring shows at the arrival point on the next tick.
    time.advance(100);
    EXPECT_TRUE(p.Shape5.Visible());
    EXPECT_DOUBLE_EQ(p.Shape5.Width(), 375);
    time.advance(200);
    EXPECT_FALSE(p.Shape5.Visible());
    time.advance(100);
    EXPECT_FALSE(p.Shape5.Visible());
    // The advance at step 2 stops the blink before it shows.
    ASSERT_GT(ticksUntilStepLeaves(2), 0);
    time.advance(100);
    EXPECT_FALSE(p.Shape5.Visible());
    EXPECT_FALSE(p.Shape5.Visible());
}

TEST_F(Demo, TypingWritesTheAnswerOneCharacterATick)
{
    writeAnswers({QStringLiteral("abc|xyz"), QStringLiteral("ab"), QStringLiteral("qq")});
    auto typed = [](const QString& code, int answer, int text) {
        StepRecord r = at(code, 6000, 6000);
        r.setRect(col::EditRect, 1500, '0', 3000, 3000, 300);
        r.setNumber(col::TextLine, 3, text).setNumber(col::AnswerLine, 3, answer);
        return r;
    };
    struct Case {
        const char* code;
        int text;          // initial text line
        QStringList shown; // the field at each typing tick
        bool clickAfter;   // "0022" and "0026" glide on to the target
    } cases[] = {
        {"0020", 0, {"a", "ab", "abc"}, false},
        {"0020", 2, {"abc"}, false},            // the field held "ab": only the rest
        {"0020", 3, {"a", "ab", "abc"}, false}, // the field held something else
        // Into Text2, the whole entry: the candidate's second field takes nothing less.
        {"0021", 0, {"a", "ab", "abc", "abc|", "abc|x", "abc|xy", "abc|xyz"}, false},
        {"0026", 0, {"a", "ab", "abc"}, true},
        {"0022", 2, {"abc"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << " " << c.text);
        const QString code = QString::fromLatin1(c.code);
        start({{typed(code, 1, c.text), terminal()}});
        startDemo();
        FrmYanShi& p = player();
        platform::TextBox& field = code == QLatin1String("0021") ? p.Text2 : p.Text1;
        EXPECT_EQ(p.Text1.SelLength(), 0);
        // The glide to the field's start, then typing at 500 ms a character.
        const QPointF fieldStart(1500 + 300, 3000 + 150);
        for (int i = 0; i < 30 && pointer() != fieldStart && p.shownStep() == 1; ++i)
            time.advance(100);
        ASSERT_EQ(pointer(), fieldStart);
        for (const QString& s : c.shown) {
            time.advance(500);
            EXPECT_EQ(field.Text(), s);
            EXPECT_EQ(field.SelStart(), s.size());
        }
        if (c.clickAfter) {
            // On to the target, and the click there.
            EXPECT_EQ(p.shownStep(), 1);
            EXPECT_GT(ticksUntilStepLeaves(1), 1);
            EXPECT_EQ(pointer(), QPointF(6000 + 300, 6000 + 150));
        }
        EXPECT_EQ(p.shownStep(), 2);
        EXPECT_GE(runToEnd(), 0);
        reset = std::make_unique<testkit::FormsReset>();
        common::drill().resetAll();
    }
}

TEST_F(Demo, ASelectionStepTypesNothingAndEndsAtOnceWhateverItsLength)
{
    writeAnswers({QString(400, QLatin1Char('x')), QStringLiteral("keep")});
    StepRecord r = at("0023", 6000, 6000);
    r.setRect(col::EditRect, 1500, '0', 3000, 3000, 300);
    r.setNumber(col::TextLine, 3, 2).setNumber(col::AnswerLine, 3, 1);
    start({{r, terminal()}});
    startDemo();
    FrmYanShi& p = player();
    const QPointF fieldStart(1500 + 300, 3000 + 150);
    for (int i = 0; i < 30 && pointer() != fieldStart && p.shownStep() == 1; ++i)
        time.advance(100);
    ASSERT_EQ(pointer(), fieldStart);
    time.advance(500);
    EXPECT_EQ(p.shownStep(), 2);
    EXPECT_EQ(p.Text1.Text(), QStringLiteral("keep"));
}

TEST_F(Demo, KeyAndAutomaticStepsPauseOneSecondWithoutMoving)
{
    for (const char* code : {"6013", "8888"}) {
        SCOPED_TRACE(code);
        start({{aimed("0001", 0, 0), at(QString::fromLatin1(code)), terminal()}});
        startDemo();
        ASSERT_EQ(ticksUntilStepLeaves(1), 1);
        const QPointF still = pointer();
        time.advance(100);
        EXPECT_EQ(pointer(), still);
        EXPECT_EQ(ticksUntilStepLeaves(2, 20, 100), 9);
        EXPECT_EQ(pointer(), still);
        reset = std::make_unique<testkit::FormsReset>();
        common::drill().resetAll();
    }
    // At half speed the pause is two seconds.
    start({{at("8888"), terminal()}});
    startDemo(platform::vbLeftButton, platform::vbCtrlMask);
    EXPECT_EQ(ticksUntilStepLeaves(1, 20, 200), 10);
}

TEST_F(Demo, TheTerminalRecordEndsAndHandsTheQuestionBack)
{
    start({{terminal()}, {at("0001"), terminal()}});
    auto& d = common::drill();
    const auto states = d.tmState;
    const auto done = d.tmDone;
    startDemo();
    FrmYanShi& p = player();
    EXPECT_EQ(p.LHelp.Caption(), QStringLiteral("操作成功！"));
    EXPECT_TRUE(p.LHelp.Visible());
    EXPECT_FALSE(p.Shape1.Visible());
    time.advance(300);
    EXPECT_TRUE(playing());
    time.advance(100);
    EXPECT_FALSE(playing());
    EXPECT_FALSE(d.ysRun);
    EXPECT_TRUE(desk().Visible());
    EXPECT_TRUE(panel().Visible());
    EXPECT_TRUE(panel().TimerREDO.Enabled());
    // Nothing scored or remembered: the states are those the candidate's own desktop left.
    EXPECT_EQ(d.tmState, states);
    EXPECT_EQ(d.tmDone, done);
    time.advance(200);
    EXPECT_EQ(d.dqTm, 1);
}

TEST_F(Demo, TheCandidateEndsItWithinFourTicks)
{
    struct Case {
        const char* how;
        int key; // 0: a double click
        bool ends;
    } cases[] = {{"double click", 0, true},
                 {"Enter", platform::vbKeyReturn, true},
                 {"Space", platform::vbKeySpace, true},
                 {"Esc", platform::vbKeyEscape, true},
                 {"A", 'A', false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        start({{aimed("0001", 4000, 2000), aimed("0001", -3000, 0), terminal()}});
        auto& d = common::drill();
        const auto states = d.tmState;
        const auto done = d.tmDone;
        startDemo();
        time.advance(300);
        if (c.key == 0)
            testkit::dblClick(player(), 11800, 8800);
        else
            testkit::key(player(), c.key);
        if (c.ends) {
            time.advance(200);
            // A second request does not restart the count.
            testkit::dblClick(player(), 11800, 8800);
            time.advance(200);
            EXPECT_FALSE(playing());
            EXPECT_TRUE(desk().Visible());
            // Handed back to the panel with the question as unsolved as it was.
            EXPECT_FALSE(d.ysRun);
            EXPECT_TRUE(panel().Visible());
            EXPECT_EQ(d.tmState, states);
            EXPECT_EQ(d.tmDone, done);
            time.advance(200);
            EXPECT_EQ(d.dqTm, 1);
            EXPECT_EQ(d.dqStep, 1);
        } else {
            time.advance(400);
            EXPECT_TRUE(playing());
        }
        reset = std::make_unique<testkit::FormsReset>();
        common::drill().resetAll();
    }
}

TEST_F(Demo, TheCandidatesOwnQuestionStaysAsItWas)
{
    // The candidate has reached step 2 of question 1, an automatic step; the demonstration
    // plays the whole question from step 1.
    start({{at("0001"), at("8888"), at("0002", 6000, 1500), terminal()}});
    auto& d = common::drill();
    testkit::click(desk(), 1800, 1650);
    ASSERT_EQ(d.dqStep, 2);
    const QString rec = d.stepRec;
    const auto states = d.tmState;
    const auto steps = d.tmStep;
    testkit::click(panel().CmdGN(7));
    time.advance(200);
    ASSERT_TRUE(playing());
    // The candidate's automatic step does not run underneath.
    EXPECT_FALSE(desk().Timer3.Enabled());
    EXPECT_EQ(player().shownStep(), 1);
    EXPECT_GE(runToEnd(), 0);
    EXPECT_EQ(d.dqStep, 2);
    EXPECT_EQ(d.stepRec, rec);
    EXPECT_EQ(d.tmState, states);
    EXPECT_EQ(d.tmStep, steps);
    // The panel reloads the question at the candidate's step.
    time.advance(200);
    EXPECT_EQ(d.dqStep, 2);
    EXPECT_EQ(d.stepRec, rec);
}

TEST_F(Demo, NoStepStallsTheDemonstration)
{
    StepRecord menuStep = at("7000");
    menuStep.set(col::TargetA, QStringLiteral("HA10302000"));
    StepRecord menuJump = at("7000");
    menuJump.set(col::TargetA, QStringLiteral("H690000003"));
    struct Case {
        const char* what;
        QList<StepRecord> steps;
        QList<int> played;
    } cases[] = {
        {"an action code without a rule, completed by a release that jumps",
         {at("1234", 1500, 1500, '2'), at("0000", 3000, 3000, '4'), at("0001"), terminal()},
         {1, 2, 4}},
        {"a menu path whose rows open no panel", {menuStep, terminal()}, {1, 2}},
        {"a hot-spot click that jumps", {menuJump, at("0001"), terminal()}, {1, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        start({c.steps});
        startDemo();
        EXPECT_EQ(playedToEnd(), c.played);
        reset = std::make_unique<testkit::FormsReset>();
        common::drill().resetAll();
    }
}

// A demonstration reads the step file once when it starts, whatever the candidate's desktop read
// before, and plays every step from that reading.
TEST_F(Demo, TheStepFileIsReadOnceForAWholeDemonstration)
{
    start({{at("0001", 1500, 1500), at("8888"), at("0002", 6000, 1500), at("0003", 3000, 6000), terminal()}});
    const int before = steps::stepFile().reads();
    startDemo();
    QList<int> played{player().shownStep()};
    while (playing()) {
        time.advance(100);
        if (playing() && player().shownStep() != played.last()) played << player().shownStep();
    }
    EXPECT_EQ(played, (QList<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(steps::stepFile().reads(), before + 1);
}

TEST_F(Demo, AQuestionWithoutReadableRecordsEndsAtOnce)
{
    // The candidate's desktop, rendered again, tells once that the records are gone.
    testkit::ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbOK).expect(platform::vbOK);
    // Records gone between the click and the player's load: the player ends at once.
    start({{at("0001"), terminal()}});
    testkit::click(panel().CmdGN(7));
    QFile::remove(dataPath + QStringLiteral("/288820.rar"));
    time.advance(200);
    EXPECT_EQ(runToEnd(), 400);
    time.advance(1000);

    // Gone before the click: the panel says so and no demonstration starts.
    startDemo();
    EXPECT_EQ(boxes.pending(), 0);
    ASSERT_FALSE(boxes.seen().isEmpty());
    EXPECT_TRUE(boxes.seen().last().prompt.contains(QStringLiteral("本题不能演示")));
    EXPECT_FALSE(platform::Forms::isLoaded<FrmYanShi>());
    EXPECT_TRUE(panel().Visible());
}

TEST_F(Demo, ANewDemonstrationStartsOnAFreshForm)
{
    // Question 1's target is 600 x 300; question 2's first step has none.
    start({{at("0001"), terminal()}, {StepRecord().action(QStringLiteral("8888")), terminal()}});
    startDemo();
    ASSERT_GE(runToEnd(), 0);
    time.advance(200);
    testkit::click(panel().CmdGN(1));
    time.advance(200);
    ASSERT_EQ(common::drill().dqTm, 2);
    startDemo();
    ASSERT_TRUE(playing());
    EXPECT_EQ(player().shownStep(), 1);
    // Nothing of question 1's end is left: no arrow drawn where it stopped, no end under way.
    EXPECT_LT(player().LPoint(5).Y1(), 0);
    time.advance(600);
    EXPECT_TRUE(playing());
    EXPECT_EQ(player().shownStep(), 1);
}

TEST_F(Demo, AJumpNamesAStepOfTheQuestionOnly)
{
    const std::pair<char, int> jumps[] = {{'7', 7}, {'C', 12}, {'A', 10}, {'a', 9}, {'F', 15}};
    for (const auto& [jump, step] : jumps) {
        SCOPED_TRACE(jump);
        QList<StepRecord> steps{aimed("0001", 0, 0, jump)};
        for (int s = 2; s < 15; ++s)
            steps << at("8888");
        steps << terminal();
        start({steps, {at("0001"), terminal()}});
        startDemo();
        ASSERT_EQ(ticksUntilStepLeaves(1), 1);
        EXPECT_EQ(player().shownStep(), step);
        // The block's last step is its terminal record.
        if (step == 15) {
            EXPECT_EQ(hintShown(), QStringLiteral("操作成功！"));
        }
        reset = std::make_unique<testkit::FormsReset>();
        common::drill().resetAll();
    }
}

TEST_F(Demo, AJumpPastTheQuestionsBlockEndsTheDemonstrationAsADamagedRecord)
{
    // Step 1's click jumps to step 35 ("Z") of a block of three: the candidate's desktop refuses
    // that jump, so the demonstration shows neither the block's terminal record nor the next
    // question's records; it ends as on records it cannot read.
    start({{at("0001", 1500, 1500, 'Z'), at("8888"), terminal()}, {at("0001"), terminal()}});
    startDemo();
    FrmYanShi& p = player();
    int ticks = 0, afterClick = -1; // the ticks from the click on the target to the end
    for (; ticks < 100 && playing(); ++ticks) {
        EXPECT_EQ(p.shownStep(), 1);
        EXPECT_NE(hintShown(), QStringLiteral("操作成功！"));
        time.advance(100);
        if (afterClick >= 0) ++afterClick;
        // The click: the pointer on the target, and the target's frame gone.
        if (afterClick < 0 && pointer() == QPointF(1800, 1650) && !p.Shape1.Visible()) afterClick = 0;
    }
    EXPECT_FALSE(playing());
    EXPECT_EQ(afterClick, 4);
    EXPECT_EQ(common::drill().dqStep, 1); // the candidate's own step stays
}

TEST_F(Demo, TheDemonstrationLiesOverAWindowedDesktopOrInTheMiddleOfTheScreen)
{
    platform::setScreenPixels(QSize(1024, 768));
    for (bool windowed : {true, false}) {
        SCOPED_TRACE(windowed);
        start({{at("0001"), terminal()}});
        if (windowed)
            desk().Move(1200, 900);
        else
            desk().setWindowState(platform::vbMaximized);
        startDemo();
        FrmYanShi& p = player();
        EXPECT_DOUBLE_EQ(p.Width(), 12000);
        EXPECT_DOUBLE_EQ(p.Height(), 9000);
        EXPECT_DOUBLE_EQ(p.Left(), windowed ? 1200 : (1024 * 15 - 12000) / 2.0);
        EXPECT_DOUBLE_EQ(p.Top(), windowed ? 900 : (768 * 15 - 9000) / 2.0);
        reset = std::make_unique<testkit::FormsReset>();
        common::drill().resetAll();
    }
}

TEST_F(Demo, EscEndsItAlsoWhileTheEditFieldHasTheKeyboard)
{
    writeAnswers({QStringLiteral("abcdef")});
    StepRecord r = at("0020", 6000, 6000);
    r.setRect(col::EditRect, 1500, '0', 3000, 3000, 300);
    r.setNumber(col::AnswerLine, 3, 1);
    start({{r, terminal()}});
    startDemo();
    FrmYanShi& p = player();
    ASSERT_TRUE(p.Text1.hasFocus());
    const QString before = p.Text1.Text();
    testkit::key(p, platform::vbKeyEscape);
    // The key is not typed into the field.
    EXPECT_EQ(p.Text1.Text(), before);
    EXPECT_EQ(runToEnd(), 400);
}

TEST_F(Demo, TheButtonShowsTheQuestionTextAgain)
{
    start({{at("0001"), terminal()}});
    EXPECT_EQ(panel().RtbTM.Text(), QStringLiteral("第1题"));
    testkit::writeTextLines(dataPath, QStringLiteral("288870.rar"), {QStringLiteral("000102新的题目")});
    testkit::click(panel().CmdGN(7));
    EXPECT_EQ(panel().RtbTM.Text(), QStringLiteral("新的题目"));
}
