// The step engine: which record a render reads, the advance, the jump, the terminal record, the
// automatic steps and the advances a render raises itself.
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <functional>

#include "common/record.h"
#include "desktop_fixture.h"
#include "platform/msgbox.h"
#include "steps/step_file.h"
#include "support/script.h"

using namespace desktoptest;
using common::field;

namespace {

int markerOf(const FrmMain& f)
{
    return int(f.Label1.Left() / 10);
}

// A list step whose first selection, set by its own render, is already its answer.
StepRecord selfAnsweredList()
{
    StepRecord list = step(QStringLiteral("L001"));
    list.setRect(col::EditRect, 1500, '0', 2000, 2400, 900);
    list.setNumber(col::TextLine, 3, 1).setNumber(col::AnswerLine, 3, 1);
    return list;
}

} // namespace

TEST_F(Desktop, RecordOfAStepIsTheLineOfItsQuestionsBlock)
{
    // Blocks of 5, 7 and 4 records: tmStart 1, 6, 13.
    QList<StepRecord> q1, q2, q3;
    for (int i = 1; i <= 5; ++i)
        q1 << marked(100 + i);
    for (int i = 1; i <= 7; ++i)
        q2 << marked(200 + i);
    for (int i = 1; i <= 4; ++i)
        q3 << marked(300 + i);
    writeBank({q1, q2, q3});
    auto& d = common::drill();
    ASSERT_EQ(d.tmStart[2], 6);
    ASSERT_EQ(d.tmStart[3], 13);

    FrmMain& f = showQuestion(2, 3); // line 8
    EXPECT_EQ(markerOf(f), 203);
    EXPECT_EQ(d.stepRec, q2[2].str());
    EXPECT_EQ(d.tmStep[2], 3);
    EXPECT_FALSE(f.Timer2.Enabled()); // one shot

    d.dqTm = 1;
    d.dqStep = 1;
    f.setData();
    EXPECT_EQ(markerOf(f), 101);
}

TEST_F(Desktop, EveryRenderRecomputesTheDrillsPaths)
{
    struct Case {
        int fileBase, setNo;
        const char *step, *list;
    } cases[] = {{20, 3, "288823.rar", "288873.rar"},
                 {0, 7, "288807.rar", "288857.rar"},
                 {20, -1, "288819.rar", "288869.rar"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        auto& d = common::drill();
        d.fileBase = c.fileBase;
        d.setNo = c.setNo;
        writeBank({{marked(1), terminal()}});
        d.stepPath.clear();
        d.tmPath.clear();
        showQuestion(1);
        EXPECT_EQ(d.stepPath, d.dataPath + c.step);
        EXPECT_EQ(d.tmPath, d.dataPath + c.list);
        EXPECT_EQ(markerOf(desk()), 1);
    }
}

// The step file is read once for the renders of a question (and the pictures decoded ahead, which
// take their records from the same reading), and read again when it changes on disk, when the drill
// moves to another step file and at every question load.
TEST_F(Desktop, TheStepFileIsReadOnceAndAgainWhenItChanges)
{
    QList<StepRecord> q1;
    for (int i = 1; i <= 6; ++i)
        q1 << marked(100 + i, QStringLiteral("8888"));
    q1 << terminal();
    writeBank({q1, {marked(201), terminal()}});
    auto& d = common::drill();
    steps::StepFile& file = steps::stepFile();
    const int before = file.reads();
    FrmMain& f = showQuestion(1);
    EXPECT_EQ(markerOf(f), 101);
    clock.advance(5000); // five automatic steps, one render each
    EXPECT_EQ(d.dqStep, 6);
    EXPECT_EQ(markerOf(f), 106);
    EXPECT_EQ(file.reads(), before + 1);

    // Changed on disk while the question is shown (a record more, so a file of another size): the
    // next render shows the new record.
    QList<StepRecord> changed;
    for (int i = 1; i <= 7; ++i)
        changed << marked(110 + i, QStringLiteral("8888"));
    writeBank({changed << terminal(), {marked(201), terminal()}});
    f.GoStep(QStringLiteral("6"));
    EXPECT_EQ(markerOf(f), 116);
    EXPECT_EQ(file.reads(), before + 2);

    // Another unit's step file, then back: each is read when the drill comes to it.
    d.setNo = 1;
    writeBank({{marked(301), terminal()}});
    showQuestion(1);
    EXPECT_EQ(markerOf(f), 301);
    EXPECT_EQ(file.reads(), before + 3);

    // The same file rewritten as it was long and at the time it had: the next question load reads it.
    const QString path = d.stepPath;
    const QDateTime at = QFileInfo(path).lastModified();
    writeBank({{marked(302), terminal()}});
    QFile touched(path);
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    ASSERT_TRUE(touched.setFileTime(at, QFileDevice::FileModificationTime));
    touched.close();
    showQuestion(1);
    EXPECT_EQ(markerOf(f), 302);
}

// Question 1 is left on its terminal record; question 2 has no record of its own that can be
// read. Nothing of question 1 may be rendered or judged for it, and it is never marked solved.
TEST_F(Desktop, AQuestionWithoutARecordOfItsOwnShowsNothingAndIsNeverSolved)
{
    struct Case {
        const char* what;
        std::function<void(const QString& dataPath)> damage;
    } cases[] = {
        {"missing file", [](const QString&) { QFile::remove(common::drill().stepPath); }},
        {"empty file",
         [](const QString& data) { testkit::writeTextLines(data, QStringLiteral("288820.rar"), {}); }},
        {"bytes that are not text",
         [](const QString&) {
             QFile f(common::drill().stepPath);
             ASSERT_TRUE(f.open(QIODevice::Append));
             f.write("\x81\x20\xff\r\n");
         }},
        {"block past the file's end",
         [](const QString&) {
             auto& d = common::drill();
             d.tmStart[2] = 20;
             d.tmStart[3] = 24;
         }},
        {"block cut short",
         [](const QString&) { common::drill().tmStart[3] += 3; }}, // step 4 lies past the file's end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeBank({{marked(1), terminal()}, {marked(21), marked(22), terminal()}});
        auto& d = common::drill();
        d.tmState[2] = 1;
        FrmMain& f = showQuestion(1, 2);
        ASSERT_EQ(d.tmState[1], 4);
        const int step = std::string(c.what) == "block cut short" ? 4 : 1;
        c.damage(dataPath);

        testkit::ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbOK, QStringLiteral("第2题的操作步骤无法读取"));
        showQuestion(2, step);
        EXPECT_EQ(boxes.pending(), 0);
        ASSERT_FALSE(boxes.seen().isEmpty());
        EXPECT_TRUE(boxes.seen().last().prompt.contains(QStringLiteral("288820.rar")));
        EXPECT_EQ(d.stepRec, "");
        EXPECT_FALSE(f.Label1.Visible());
        EXPECT_FALSE(f.LblSuccess.Visible());

        f.doNext(); // what a judge would call: nothing to advance, nothing solved
        f.setData();
        EXPECT_EQ(d.tmState[2], 1);
        EXPECT_EQ(d.tmDone[2], "F");
        EXPECT_FALSE(f.LblSuccess.Visible());
        EXPECT_EQ(boxes.seen().size(), 1); // told once for the question, not at every render

        // Back on question 1 the desk works again.
        if (std::string(c.what).starts_with("block")) {
            showQuestion(1, 1);
            EXPECT_TRUE(f.Label1.Visible());
            EXPECT_EQ(markerOf(f), 1);
        }
    }
}

TEST_F(Desktop, AListStepAnsweredByItsOwnRenderOnTheBlocksLastRecordRendersOnce)
{
    writeTexts({QStringLiteral("红色|绿色|蓝色")});
    const StepRecord list = selfAnsweredList();
    for (int blockSize : {1, 2}) {
        SCOPED_TRACE(blockSize);
        QList<StepRecord> block;
        if (blockSize == 2) block << marked(1);
        block << list;
        writeBank({block});
        FrmMain& f = showQuestion(1, blockSize); // before the mend: endless renders, a stack overflow
        f.setData();
        EXPECT_FALSE(f.LstLA.Visible()); // answered and advanced once, on the same record
        EXPECT_EQ(common::drill().dqStep, blockSize);
        EXPECT_EQ(common::drill().tmState[1] & 4, 0);
    }
}

TEST_F(Desktop, DoNextRendersTheNextStepAndMarksTheTerminalRecordSolved)
{
    writeBank({{marked(1), marked(2), marked(3), marked(4), terminal()}});
    auto& d = common::drill();
    d.tmState[1] = 1;
    FrmMain& f = showQuestion(1, 3);
    f.menuId = QStringLiteral("A1");
    f.menuRow1 = 4;
    f.doNext();
    EXPECT_EQ(d.dqStep, 4);
    EXPECT_EQ(d.tmStep[1], 4);
    EXPECT_EQ(markerOf(f), 4);
    EXPECT_EQ(f.menuId, "00");
    EXPECT_EQ(f.menuRow1, 0);

    f.doNext(); // onto the terminal record: its render sets the solved bit
    EXPECT_EQ(d.dqStep, 5);
    EXPECT_EQ(d.tmState[1], 5);
    EXPECT_TRUE(f.LblSuccess.Visible());

    f.doNext(); // on the terminal record: the task stays, nothing is rendered
    EXPECT_EQ(d.dqStep, 5);
    EXPECT_EQ(d.tmState[1], 5);
    EXPECT_TRUE(f.LblSuccess.Visible());

    for (int state : {5, 7, 1, 3}) {
        d.tmState[1] = state;
        f.doNext();
        EXPECT_EQ(d.tmState[1], state < 4 ? state + 4 : state);
    }
}

TEST_F(Desktop, GoStepTurnsAJumpCharIntoAStepOfTheQuestion)
{
    QList<StepRecord> q1;
    for (int i = 1; i <= 12; ++i)
        q1 << marked(i);
    writeBank({q1, {marked(99), terminal()}});
    auto& d = common::drill();
    struct Case {
        const char* code;
        int step;
    } cases[] = {{"5", 5}, {"B", 11}, {"z", 9}, {"#", 9}, {"9", 9}, {"A", 10}, {"1", 1}};
    FrmMain& f = showQuestion(1, 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        f.GoStep(QString::fromLatin1(c.code));
        EXPECT_EQ(d.dqStep, c.step);
        EXPECT_EQ(markerOf(f), c.step);
        EXPECT_EQ(d.tmStep[1], c.step);
    }

    // "0" changes nothing and renders nothing.
    f.GoStep(QStringLiteral("4"));
    f.Label1.setLeft(12345);
    f.GoStep(QStringLiteral("0"));
    EXPECT_EQ(d.dqStep, 4);
    EXPECT_EQ(f.Label1.Left(), 12345);
}

// A jump past the question's block is a damaged record: before the mend it rendered the block's
// last record (here the terminal one) and so recorded the question as solved.
TEST_F(Desktop, AJumpNeverLeavesTheQuestionsBlock)
{
    writeBank({{marked(1), marked(2), marked(3), marked(4), terminal()}, {marked(6), marked(7)}});
    auto& d = common::drill();
    d.tmState[1] = 1;
    testkit::ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbOK, QStringLiteral("第1题的操作步骤无法读取"));
    FrmMain& f = showQuestion(1);
    for (const char* code : {"7", "C", "Z"}) {
        SCOPED_TRACE(code);
        f.GoStep(QString::fromLatin1(code));
        EXPECT_EQ(d.dqStep, 1); // the step does not move
        EXPECT_EQ(markerOf(f), 1);
        EXPECT_EQ(d.tmState[1], 1); // not solved
        EXPECT_FALSE(f.LblSuccess.Visible());
    }
    // Told once for the question and its step file, however often and after whatever renders.
    ASSERT_EQ(boxes.seen().size(), 1);
    EXPECT_TRUE(boxes.seen().at(0).prompt.contains(QStringLiteral("288820.rar")));
    f.GoStep(QStringLiteral("4")); // within the block a jump works
    EXPECT_EQ(d.dqStep, 4);
    EXPECT_EQ(markerOf(f), 4);
    f.GoStep(QStringLiteral("6"));
    EXPECT_EQ(d.dqStep, 4);
    EXPECT_EQ(boxes.seen().size(), 1);

    // Below the block (a back button taking the step to 0 or less) it is step 1.
    d.dqStep = -2;
    f.setData();
    EXPECT_EQ(d.dqStep, 1);
    EXPECT_EQ(markerOf(f), 1);

    // Another question is told of its own damaged jump; an advance past a block without a
    // terminal record stays on its last record.
    showQuestion(2);
    boxes.expect(platform::vbOK, QStringLiteral("第2题的操作步骤无法读取"));
    f.GoStep(QStringLiteral("3"));
    EXPECT_EQ(d.dqStep, 1);
    EXPECT_EQ(boxes.seen().size(), 2);
    f.GoStep(QStringLiteral("2"));
    f.doNext();
    EXPECT_EQ(d.dqStep, 2);
    EXPECT_EQ(markerOf(f), 7);
}

TEST_F(Desktop, AutomaticStepsAdvanceOncePerSecond)
{
    writeBank({{marked(1, "8888"), marked(2, "8888"), marked(3, "0001"), terminal()}});
    auto& d = common::drill();
    FrmMain& f = showQuestion(1);
    EXPECT_EQ(f.actCode, 8888);
    EXPECT_TRUE(f.Timer3.Enabled());
    clock.advance(999);
    EXPECT_EQ(d.dqStep, 1);
    clock.advance(1);
    EXPECT_EQ(d.dqStep, 2);
    EXPECT_EQ(markerOf(f), 2);
    EXPECT_TRUE(f.Timer3.Enabled());
    clock.advance(1000);
    EXPECT_EQ(d.dqStep, 3);
    EXPECT_EQ(f.actCode, 1);
    EXPECT_FALSE(f.Timer3.Enabled());
    clock.advance(5000);
    EXPECT_EQ(d.dqStep, 3); // waits for the click
}

TEST_F(Desktop, AnAutomaticStepNeverAdvancesAQuestionTheCandidateDoesNotSee)
{
    writeBank({{marked(1, "8888"), marked(2), terminal()}, {marked(21), marked(22), terminal()}});
    auto& d = common::drill();

    // The desktop hidden.
    FrmMain& f = showQuestion(1);
    ASSERT_TRUE(f.Timer3.Enabled());
    f.Hide();
    clock.advance(1000);
    EXPECT_EQ(d.dqStep, 1);
    EXPECT_FALSE(f.Timer3.Enabled());

    // Another question loaded: its first render is pending on Timer2.
    showQuestion(1);
    ASSERT_TRUE(f.Timer3.Enabled());
    clock.advance(950);
    d.dqTm = 2;
    d.dqStep = 1;
    f.Timer2.setEnabled(true);
    clock.advance(50); // Timer3's tick comes first
    EXPECT_EQ(d.dqTm, 2);
    EXPECT_EQ(d.dqStep, 1);
    EXPECT_FALSE(f.Timer3.Enabled());
    clock.advance(50);
    EXPECT_EQ(markerOf(f), 21);

    // The same question redone from step 1 while its automatic step is current.
    d.dqTm = 1;
    d.dqStep = 1;
    f.setData();
    ASSERT_TRUE(f.Timer3.Enabled());
    d.tmStep[1] = 1;
    d.dqStep = 1;
    f.Timer2.setEnabled(true);
    clock.advance(1000);
    EXPECT_EQ(d.dqStep, 1); // rendered again by Timer2, a second from then
    clock.advance(100);
    EXPECT_EQ(d.dqStep, 2);
    EXPECT_EQ(markerOf(f), 2);
}

TEST_F(Desktop, AListWhoseFirstSelectionIsTheAnswerAdvancesOnceTheRenderHasFinished)
{
    writeTexts({QStringLiteral("红色|绿色|蓝色")});
    const StepRecord list = selfAnsweredList();
    writeBank({{list, marked(2), terminal()}});
    auto& d = common::drill();
    FrmMain& f = showQuestion(1);
    EXPECT_EQ(d.dqStep, 2);
    EXPECT_EQ(d.stepRec, marked(2).str());
    EXPECT_EQ(markerOf(f), 2);
    // Step 2's scene, not the rest of step 1's render over it.
    EXPECT_FALSE(f.LstLA.Visible());
    EXPECT_FALSE(f.PicLeft.Visible());
    EXPECT_EQ(f.LblXXK(0).Caption(), "");
    EXPECT_EQ(d.tmStep[1], 2);
}

TEST_F(Desktop, AnOverlayFieldWhoseTextIsAlreadyTheAnswerAdvancesDuringTheRender)
{
    writeTexts({QStringLiteral("报告"), QStringLiteral(" 报告 "), QStringLiteral("Report|报表")});
    StepRecord t2 = step(QStringLiteral("0021"));
    t2.setRect(col::EditRect, 1500, '0', 2000, 2400, 300)
        .setNumber(col::TextLine, 3, 1)
        .setNumber(col::AnswerLine, 3, 2);
    StepRecord t3 = step(QStringLiteral("0027"));
    t3.setRect(col::EditRect, 1500, '0', 2000, 2400, 300)
        .setNumber(col::TextLine, 3, 3)
        .setNumber(col::AnswerLine, 3, 3);
    StepRecord t3wrong = t3;
    t3wrong.setNumber(col::AnswerLine, 3, 1);
    writeBank({{t2, t3, marked(3), terminal()}, {t3wrong, marked(4), terminal()}});
    auto& d = common::drill();
    FrmMain& f = showQuestion(1);
    // "报告" equals the trimmed answer " 报告 ": step 2, whose text "Report" is an accepted answer.
    EXPECT_EQ(d.dqStep, 3);
    EXPECT_EQ(markerOf(f), 3);
    EXPECT_FALSE(f.Text2.Visible());
    EXPECT_FALSE(f.Text3.Visible());

    showQuestion(2);
    EXPECT_EQ(d.dqStep, 1); // "Report" is not "报告"
    EXPECT_TRUE(f.Text3.Visible());
    EXPECT_EQ(f.Text3.Text(), "Report");
}
