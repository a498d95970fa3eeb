// Judging on the main target: which release, double click and pointer move on Label1 moves the
// task on, to which step, and what the pointer over the target looks like.
#include <QFile>
#include <QImage>

#include "desktop_fixture.h"

using namespace desktoptest;

namespace {

// Step 1 of the question is the step under test, its target at (1500, 1500), 1500 x 900; steps 2 to
// 12 ask for nothing; step 13 ends the question.
constexpr double TargetX = 2250, TargetY = 1950;

StepRecord onTarget(const QString& action, char jump = '0')
{
    StepRecord r = step(action);
    r.mainRect(1500, jump, 1500, 1500, 900);
    return r;
}

QList<StepRecord> questionFrom(const StepRecord& first)
{
    QList<StepRecord> q{first};
    for (int s = 2; s <= 12; ++s)
        q << step(QStringLiteral("0000"));
    q << terminal();
    return q;
}

} // namespace

class Judge : public Desktop {
protected:
    FrmMain& show(const QList<StepRecord>& q)
    {
        writeBank({q});
        return showQuestion(1);
    }
    int stepNow() const { return common::drill().dqStep; }
};

TEST_F(Judge, ReleasesOnTheMainTarget)
{
    struct Case {
        const char* action;
        char jump;
        int button, shift;
        int step; // where the task is after the click
    } cases[] = {
        // "0001": a left release with no key held.
        {"0001", '0', 1, 0, 2},
        {"0001", '5', 1, 0, 5},
        {"0001", 'C', 1, 0, 12},
        {"0001", '0', 1, 2, 1},
        {"0001", '0', 2, 0, 1},
        {"0001", '0', 4, 0, 1},
        // "0003": a right release, any keys.
        {"0003", '0', 2, 1, 2},
        {"0003", '4', 2, 0, 4},
        {"0003", '0', 1, 0, 1},
        // 9000-9998: button = code Mod 100, Shift = hundreds digit.
        {"9101", '0', 1, 1, 2},
        {"9101", '0', 1, 0, 1},
        {"9101", '0', 2, 1, 1},
        {"9002", '0', 2, 0, 2},
        {"9002", '0', 2, 2, 1},
        {"9401", '0', 1, 4, 2},
        {"9304", '0', 4, 3, 2},
        {"9304", '0', 4, 1, 1},
        // Any other code jumps by the target's JumpChar with any button, or does nothing with "0".
        {"7000", 'C', 1, 0, 12},
        {"7000", 'C', 2, 6, 12},
        {"7000", '0', 1, 0, 1},
        {"L001", '3', 1, 0, 3},
        {"6013", '7', 2, 0, 7},
        {"0000", '2', 1, 0, 2},
        // A code is the number it begins with, blanks skipped: "3" and blanks is a right click,
        // " 1" a left click.
        {"3   ", '0', 2, 0, 2},
        {" 3", '4', 2, 0, 4},
        {"3   ", '4', 1, 0, 1},
        {" 1  ", '0', 1, 0, 2},
        {" 1  ", '0', 1, 2, 1},
        // No leading digit: a code of no rule of its own, which jumps.
        {"abcd", '5', 1, 0, 5},
        {"abcd", '0', 2, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.action << " jump " << c.jump << " button " << c.button << " shift " << c.shift);
        StepRecord r = onTarget(QString::fromLatin1(c.action), c.jump);
        // A list step whose first pick were its answer would pass by itself.
        r.setNumber(col::AnswerLine, 3, 9);
        FrmMain& f = show(questionFrom(r));
        testkit::click(f, TargetX, TargetY, c.button, c.shift);
        EXPECT_EQ(stepNow(), c.step);
        f.Unload();
        testkit::settle();
    }
}

TEST_F(Judge, TheTerminalRecordAsksForAButtonThatDoesNotExist)
{
    StepRecord end = onTarget(QStringLiteral("9999"));
    writeBank({{end}});
    FrmMain& f = showQuestion(1);
    auto& d = common::drill();
    const int solved = d.tmState[1];
    for (int button : {1, 2, 4})
        testkit::click(f, TargetX, TargetY, button);
    EXPECT_EQ(d.dqStep, 1);
    EXPECT_EQ(d.tmState[1], solved);
}

TEST_F(Judge, ADoubleClickStepJumpsOnTheDoubleClickAndTheLastReleaseJudgesTheNewStep)
{
    QList<StepRecord> q = questionFrom(onTarget(QStringLiteral("0002"), '5'));
    // Step 5 takes any release on the same place to step 7.
    q[4] = onTarget(QStringLiteral("7000"), '7');
    FrmMain& f = show(q);

    testkit::click(f, TargetX, TargetY);
    EXPECT_EQ(stepNow(), 1) << "the release before the double click";

    testkit::dblClick(f, TargetX, TargetY);
    EXPECT_EQ(stepNow(), 7);

    // A double click on a step that does not ask for one does nothing of its own.
    f.Unload();
    testkit::settle();
    show(questionFrom(onTarget(QStringLiteral("0001"), '0')));
    f.Label1_DblClick();
    EXPECT_EQ(stepNow(), 1);
}

TEST_F(Judge, EveryMoveOverAHoverTargetAdvancesOnce)
{
    // Two hover steps on the same place, then a click step: one sweep passes both hover steps.
    QList<StepRecord> q = questionFrom(onTarget(QStringLiteral("0030")));
    q[1] = onTarget(QStringLiteral("0030"));
    q[2] = onTarget(QStringLiteral("0001"));
    FrmMain& f = show(q);
    testkit::move(f, 600, 600);
    EXPECT_EQ(stepNow(), 1);
    testkit::move(f, TargetX, TargetY);
    EXPECT_EQ(stepNow(), 2);
    testkit::move(f, TargetX + 15, TargetY);
    EXPECT_EQ(stepNow(), 3);
    testkit::move(f, TargetX + 30, TargetY);
    testkit::move(f, TargetX + 45, TargetY);
    EXPECT_EQ(stepNow(), 3);
    testkit::click(f, TargetX, TargetY);
    EXPECT_EQ(stepNow(), 4);
}

TEST_F(Judge, ThePointerOverTheTargetFollowsTheRecordShown)
{
    // A pointer picture of the program (the loader goes by the content, not the name).
    QImage img(32, 32, QImage::Format_RGB32);
    img.fill(Qt::black);
    ASSERT_TRUE(img.save(prog.file(QStringLiteral("ico07.CUR")), "BMP"));
    struct Case {
        const char* action;
        const char* cursor;
        int pointer;
        bool icon; // the picture of ico07.CUR
    } cases[] = {
        {"0001", "S0003", 3, false},
        {"0001", "S0011", 11, false},
        {"0001", "M0007", 99, true},
        // No such cursor file: the custom pointer, as the render gives it, with no picture of its own.
        {"0001", "M0008", 99, false},
        {"0001", "X0003", 0, false},
        {"0041", "S0003", 0, false},
        {"0050", "M0007", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.action << " " << c.cursor);
        StepRecord r = onTarget(QString::fromLatin1(c.action));
        r.set(col::CursorSpec, QString::fromLatin1(c.cursor));
        FrmMain& f = show(questionFrom(r));
        f.Label1.setMousePointer(5);
        testkit::move(f, 600, 600);
        testkit::move(f, TargetX, TargetY);
        EXPECT_EQ(f.Label1.MousePointer(), c.pointer);
        if (c.pointer == 99) {
            EXPECT_EQ(f.Label1.MouseIcon().source().endsWith(QLatin1String("ico07.CUR")), c.icon);
        }
        f.Unload();
        testkit::settle();
    }

    // A hover step shows the pointer of the step it leads to.
    StepRecord hover = onTarget(QStringLiteral("0030"));
    hover.set(col::CursorSpec, QStringLiteral("S0003"));
    QList<StepRecord> q = questionFrom(hover);
    q[1] = onTarget(QStringLiteral("0001"));
    q[1].set(col::CursorSpec, QStringLiteral("S0014"));
    FrmMain& f = show(q);
    testkit::move(f, 600, 600);
    testkit::move(f, TargetX, TargetY);
    EXPECT_EQ(stepNow(), 2);
    EXPECT_EQ(f.Label1.MousePointer(), 14);
}

TEST_F(Judge, ClickingWithATypedAnswer)
{
    writeTexts({QStringLiteral("Report|report.txt")});
    struct Case {
        const char* action;
        const char* typed;
        int button;
        int step;
    } cases[] = {
        {"0026", "  REPORT ", 1, 2}, {"0026", "report.txt", 1, 2}, {"0026", "report.doc", 1, 1},
        {"0026", "Report", 2, 1},    {"0022", "report", 1, 2},     {"0028", "REPORT.TXT", 1, 2},
        {"0028", "rep ort", 1, 1}, // a click takes the text as typed, blanks inside included
        {"0024", "Report", 1, 1},  // Enter only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.action << " \"" << c.typed << "\" button " << c.button);
        StepRecord r = onTarget(QString::fromLatin1(c.action));
        r.setNumber(col::AnswerLine, 3, 1);
        FrmMain& f = show(questionFrom(r));
        f.Text1.setText(QString::fromLatin1(c.typed));
        testkit::click(f, TargetX, TargetY, c.button);
        EXPECT_EQ(stepNow(), c.step);
        f.Unload();
        testkit::settle();
    }
}

TEST_F(Judge, AnEmptyAnswerLineAcceptsOnlyAnEmptyField)
{
    writeTexts({QStringLiteral("x")});
    StepRecord r = onTarget(QStringLiteral("0022"));
    r.set(col::AnswerLine, QStringLiteral("000"));
    FrmMain& f = show(questionFrom(r));
    f.Text1.setText(QStringLiteral("x"));
    testkit::click(f, TargetX, TargetY);
    EXPECT_EQ(stepNow(), 1);
    f.Text1.setText(QStringLiteral("   "));
    testkit::click(f, TargetX, TargetY);
    EXPECT_EQ(stepNow(), 2);
}

TEST_F(Judge, AnAnswerPastTheEndOfTheFileIsItsLastLineAndAMissingFileMatchesNothing)
{
    writeTexts({QStringLiteral("first"), QStringLiteral("last")});
    StepRecord r = onTarget(QStringLiteral("0026"));
    r.setNumber(col::AnswerLine, 3, 9);
    FrmMain& f = show(questionFrom(r));
    f.Text1.setText(QStringLiteral("last"));
    testkit::click(f, TargetX, TargetY);
    EXPECT_EQ(stepNow(), 2);

    // Without the answer texts not even an empty field is an answer.
    ASSERT_TRUE(QFile::remove(common::drill().txtPath));
    f.Unload();
    testkit::settle();
    show(questionFrom(r));
    for (const char* typed : {"", "last", "first"}) {
        f.Text1.setText(QString::fromLatin1(typed));
        testkit::click(f, TargetX, TargetY);
    }
    EXPECT_EQ(stepNow(), 1);
    const FrmMain::Answer none = f.getAnswer(QStringLiteral("001"));
    EXPECT_FALSE(none.ok);
    const FrmMain::Answer empty = f.getAnswer(QStringLiteral("000"));
    EXPECT_TRUE(empty.ok);
    EXPECT_EQ(empty.text, "");
}

TEST_F(Judge, GetAnswerSplitsAtTheFirstBar)
{
    writeTexts({QStringLiteral("Notepad|notepad.exe"), QStringLiteral("a|b|c"), QStringLiteral("plain"),
                QStringLiteral("|x")});
    FrmMain& f = show(questionFrom(onTarget(QStringLiteral("0001"))));
    struct Case {
        const char *field, *text, *first, *second;
    } cases[] = {
        {"001", "Notepad|notepad.exe", "Notepad", "notepad.exe"},
        {"002", "a|b|c", "a", "b|c"},
        {"003", "plain", "plain", "plain"},
        {"004", "|x", "", "x"},
        {"A12", "|x", "", "x"}, // a field that reads 0: the last line
        {"099", "|x", "", "x"},
    };
    for (const Case& c : cases) {
        const FrmMain::Answer a = f.getAnswer(QString::fromLatin1(c.field));
        EXPECT_TRUE(a.ok) << c.field;
        EXPECT_EQ(a.text, QString::fromLatin1(c.text)) << c.field;
        EXPECT_EQ(a.first, QString::fromLatin1(c.first)) << c.field;
        EXPECT_EQ(a.second, QString::fromLatin1(c.second)) << c.field;
    }
}
