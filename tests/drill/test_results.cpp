// The results screen after a hand-in (score, answer sheet, wrong-answer list, history, marks),
// its three ways on, the error review from the results screen and from the home screen, and the
// ends of the reviews and of a unit practice on the panel's end command.
#include <QDir>
#include <gtest/gtest.h>

#include "common/text_file.h"
#include "drill/error_review.h"
#include "exam_fixture.h"
#include "platform/app.h"
#include "platform/msgbox.h"
#include "support/child.h"

using namespace drill;
using platform::Forms;

namespace drilltest {
namespace {

class Results : public Exam {
protected:
    // An exam of set `set` in which every question but `unsolved` was solved, handed in.
    FrmChengji& examWith(int set, const QList<int>& unsolved, const QString& seat = QStringLiteral("7"))
    {
        login(set, seat);
        auto& d = common::drill();
        for (int i = 1; i <= 40; ++i)
            d.tmState[i] = unsolved.contains(i) ? 1 : 5;
        handIn();
        return results();
    }
    static QString code(int q) { return fortyCodes().mid(4 * (q - 1), 4); }
    QStringList reviewList() const { return common::readTextFile(bankFile(69)).lines; }
    void expectDocked()
    {
        EXPECT_EQ(tm().Left(), 12000 - tm().Width());
        EXPECT_EQ(tm().Top(), 9000 - tm().Height());
    }
};

TEST_F(Results, ScoreSheetWrongListAndHistoryOfSuccessiveExams)
{
    struct Case {
        QList<int> unsolved;
        const char* label;
        QByteArray wrongList;
        QByteArray best;
    };
    const Case cases[] = {
        {{2, 17, 40}, "得分：92.5分", (code(2) + code(17) + code(40)).toLatin1(), "92.5"},
        {{}, "得分：100分", "", "100"},
        {QList<int>({1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                     21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40}),
         "得分：0分", fortyCodes().toLatin1(), "100"},
    };
    int minute = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        time.clock().setNow(QDateTime(QDate(2026, 1, 5), QTime(10, minute += 10)));
        const QString loginTime = time.now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        FrmChengji& r = examWith(0, c.unsolved);
        EXPECT_EQ(r.Label1.Caption(), QString::fromUtf8(c.label));
        for (int i = 1; i <= 40; ++i) {
            EXPECT_EQ(r.CmTNO(i).BackColor(), c.unsolved.contains(i) ? 0xFFL : 0xFF00L) << i;
            EXPECT_EQ(r.CmTNO(i).Caption(), QString::number(i));
        }
        EXPECT_EQ(bytes(ksdata(QStringLiteral("182400.rar"))), c.wrongList + "\r\n");
        EXPECT_EQ(bytes(ksdata(QStringLiteral("288892.rar"))),
                  loginTime.toLatin1() + "\r\n" + c.best + "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
        EXPECT_EQ(bytes(ksdata(QStringLiteral("218800.rar"))), QByteArray(40, '0') + "\r\n\r\n");
        testkit::click(r.Command2); // home again
        EXPECT_TRUE(home().Visible());
    }
}

TEST_F(Results, AfterAnAnswerWasViewedTheResultsTimeIsKeptButNotTheScore)
{
    writeBytes(ksdata(QStringLiteral("288892.rar")), "t0\r\n50\r\nkeep\r\n");
    login(0);
    auto& d = common::drill();
    for (int i = 1; i <= 40; ++i)
        d.tmState[i] = 5;
    d.ksStart = QStringLiteral("-1");
    time.advance(5 * 60000);
    handIn();
    EXPECT_EQ(results().Label1.Caption(), QStringLiteral("得分：100分"));
    EXPECT_EQ(bytes(ksdata(QStringLiteral("288892.rar"))),
              "2026-01-05 09:05:00\r\n50\r\nkeep\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
}

TEST_F(Results, FilesThatCannotBeReadAreNamedAndKeptTheOthersWritten)
{
    const QByteArray oldList = "0101\r\n", oldHistory = "t\r\n\xa1\x7f\r\n";
    struct Case {
        const char* name;
        std::function<void()> damage;
        const char* says;
        bool listWritten, historyWritten;
    };
    const Case cases[] = {
        {"set table gone", [this] { QFile::remove(bankFile(91)); }, "找不到文件", false, true},
        {"history unreadable", [&] { writeBytes(ksdata(QStringLiteral("288892.rar")), oldHistory); },
         "288892.rar", true, false},
        {"marks file a folder", [this] { makeUnreadable(ksdata(QStringLiteral("218800.rar"))); },
         "218800.rar", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeStandardBank();
        QDir(ksdata(QStringLiteral("218800.rar"))).removeRecursively();
        QFile::remove(ksdata(QStringLiteral("218800.rar")));
        QFile::remove(ksdata(QStringLiteral("288892.rar")));
        writeBytes(ksdata(QStringLiteral("182400.rar")), oldList);
        login(0);
        c.damage();
        testkit::ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbOK, QString::fromUtf8(c.says));
        handIn();
        EXPECT_TRUE(results().Visible());
        EXPECT_TRUE(boxes.seen().isEmpty()); // not over a screen still empty
        time.advance(100);
        EXPECT_EQ(boxes.seen().size(), 1);
        EXPECT_EQ(results().Label1.Caption(), QStringLiteral("得分：0分"));
        EXPECT_EQ(bytes(ksdata(QStringLiteral("182400.rar"))) != oldList, c.listWritten);
        EXPECT_EQ(bytes(ksdata(QStringLiteral("288892.rar"))) != oldHistory, c.historyWritten);
        testkit::click(results().Command2);
    }
}

TEST_F(Results, TheErrorReviewTakesTheListJustComputedWhenItCouldNotBeSaved)
{
    makeUnreadable(ksdata(QStringLiteral("182401.rar")));
    testkit::ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbOK, QStringLiteral("182401.rar"));
    FrmChengji& r = examWith(1, {2, 17, 40});
    time.advance(100);
    testkit::click(r.Command3);
    EXPECT_EQ(boxes.seen().size(), 1); // neither "no wrong answers" nor an unreadable list
    EXPECT_FALSE(r.isLoaded());
    EXPECT_EQ(reviewList(), QStringList({listLine(0, 2, 2), listLine(1, 7, 2), listLine(3, 10, 2)}));
    EXPECT_EQ(common::drill().tmCount, 3);
}

TEST_F(Results, TooltipsShowEachQuestionsText)
{
    login(1);
    QStringList list = common::readTextFile(bankFile(51)).lines;
    list[1] = QStringLiteral("000202pictureimg001看图：把窗口最大化");
    list[2] = QStringLiteral("000302Picture大写不是插图");
    testkit::writeTextLines(dataPath, bankName(51), list);
    handIn();
    EXPECT_EQ(results().CmTNO(1).ToolTipText(), QStringLiteral("第1题： 第0单元第1题"));
    EXPECT_EQ(results().CmTNO(2).ToolTipText(), QStringLiteral("第2题： 看图：把窗口最大化"));
    EXPECT_EQ(results().CmTNO(3).ToolTipText(), QStringLiteral("第3题： Picture大写不是插图"));
}

TEST_F(Results, ASeatBeginningWithATurnsTheErrorReviewOff)
{
    EXPECT_FALSE(examWith(0, {3}, QStringLiteral("a12")).Command3.Enabled());
    testkit::click(results().Command2);
    EXPECT_TRUE(examWith(0, {3}, QStringLiteral("b12")).Command3.Enabled());
}

TEST_F(Results, ReviewOfThisExamRunsItsFortyQuestionsAsPracticeAndEndsHomeWithoutWriting)
{
    FrmChengji& r = examWith(1, {5});
    const QByteArray history = bytes(ksdata(QStringLiteral("288892.rar")));
    testkit::click(r.Command1);
    auto& d = common::drill();
    EXPECT_FALSE(r.isLoaded());
    EXPECT_EQ(d.ksMode, common::ModePractice);
    EXPECT_EQ(d.errSetNo, 1);
    EXPECT_EQ(d.tmDone[40], QStringLiteral("F"));
    EXPECT_EQ(d.tmState[1], 4); // solved kept, visited cleared
    EXPECT_EQ(d.tmState[5], 0);
    EXPECT_EQ(d.tmPath, bankFile(51));
    PanelStandIn& p = tm();
    EXPECT_TRUE(p.Visible());
    EXPECT_TRUE(Forms::instance<FrmMain>().Visible());
    EXPECT_EQ(p.CmdCZTS.Caption(), QStringLiteral("手把手教"));
    EXPECT_EQ(p.Command1.Caption(), QStringLiteral("操作演示"));
    EXPECT_EQ(p.CmdEnd.Caption(), QStringLiteral("结束复习"));
    EXPECT_TRUE(p.PicUnit.Visible());
    EXPECT_EQ(p.LblBiao.Caption(), QStringLiteral("考题复习-"));
    EXPECT_TRUE(p.TimerREDO.Enabled());
    EXPECT_FALSE(p.TimeKS.Enabled());
    expectDocked();

    testkit::click(p.CmdEnd);
    EXPECT_FALSE(p.isLoaded());
    EXPECT_FALSE(Forms::isLoaded<FrmMain>());
    EXPECT_TRUE(home().Visible());
    EXPECT_EQ(bytes(ksdata(QStringLiteral("288892.rar"))), history);
    EXPECT_EQ(bytes(ksdata(QStringLiteral("182401.rar"))), code(5).toLatin1() + "\r\n");
}

TEST_F(Results, ExitGoesHomeAndClosesTheFinishedExam)
{
    FrmChengji& r = examWith(0, {});
    testkit::click(r.Command2);
    EXPECT_FALSE(r.isLoaded());
    EXPECT_FALSE(tm().isLoaded());
    EXPECT_FALSE(Forms::isLoaded<FrmMain>());
    EXPECT_TRUE(home().Visible());
}

TEST_F(Results, ErrorReviewOfTheExamsWrongAnswersPrunedAtItsEnd)
{
    struct Case {
        int answer;
        QByteArray listAfter;
    };
    const Case cases[] = {
        {platform::vbYes, (code(2) + code(40)).toLatin1() + "\r\n\r\n"}, // rewritten by the review end
        {platform::vbNo, (code(2) + code(17) + code(40)).toLatin1() + "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        FrmChengji& r = examWith(1, {2, 17, 40});
        testkit::click(r.Command3);
        auto& d = common::drill();
        EXPECT_FALSE(r.isLoaded());
        EXPECT_EQ(reviewList(), QStringList({listLine(0, 2, 2), listLine(1, 7, 2), listLine(3, 10, 2)}));
        EXPECT_EQ(common::readTextFile(bankFile(19)).lines.size(), 6);
        EXPECT_EQ(d.tmCount, 3);
        EXPECT_EQ(d.setNo, -1);
        EXPECT_EQ(d.fileBase, 20);
        EXPECT_EQ(d.errSetNo, 1);
        EXPECT_EQ(d.ksMode, common::ModePractice);
        EXPECT_EQ(d.stepPath, bankFile(19));
        EXPECT_EQ(d.tmPath, bankFile(69));
        EXPECT_EQ(QList<int>(d.tmStart.begin() + 1, d.tmStart.begin() + 5), QList<int>({1, 3, 5, 7}));
        EXPECT_EQ(d.tmState, States{});
        EXPECT_EQ(d.tmDone[3], QStringLiteral("F"));
        PanelStandIn& p = tm();
        EXPECT_TRUE(p.Visible());
        EXPECT_TRUE(p.CmTNO(3).Visible());
        EXPECT_FALSE(p.CmTNO(4).Visible());
        EXPECT_FALSE(p.CmTNO(40).Visible());
        EXPECT_EQ(p.CmdEnd.Caption(), QStringLiteral("结束复习"));
        EXPECT_EQ(p.LblBiao.Caption(), QStringLiteral("错题复习-"));
        EXPECT_TRUE(p.PicUnit.Visible());
        EXPECT_TRUE(p.TimerREDO.Enabled());
        EXPECT_FALSE(p.TimeKS.Enabled());
        EXPECT_TRUE(Forms::instance<FrmMain>().Visible());
        expectDocked();

        solve(2); // the review's question 2 is the exam's question 17
        EXPECT_GE(d.tmState[2], 4);
        testkit::ScriptedMessageBoxes boxes;
        boxes.expect(c.answer, QStringLiteral("本次答对的题目要从“错题复习”中去掉吗？"),
                     platform::app::title(),
                     platform::vbYesNo + platform::vbQuestion + platform::vbDefaultButton2);
        testkit::click(p.CmdEnd);
        EXPECT_EQ(bytes(ksdata(QStringLiteral("182401.rar"))), c.listAfter);
        EXPECT_FALSE(p.isLoaded());
        EXPECT_TRUE(home().Visible());
    }
}

TEST_F(Results, AnExamWithoutWrongAnswersRefusesTheErrorReview)
{
    FrmChengji& r = examWith(2, {});
    testkit::ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbOK, noWrongAnswersText(), platform::app::title(), platform::vbOKOnly);
    testkit::click(r.Command3);
    EXPECT_TRUE(r.Visible());
    EXPECT_EQ(bytes(bankFile(69)), "<missing>");
    EXPECT_EQ(common::drill().setNo, 2);
}

class HomeReview : public Exam {
protected:
    void SetUp() override
    {
        Exam::SetUp();
        home().Show();
        auto& d = common::drill();
        d.ksMode = common::ModePractice;
        d.dqTm = 1;
        d.setNo = 2;
        d.errSetNo = 2;
    }
    bool start() { return startErrorReview(ReviewFrom::Home, home()); }
};

TEST_F(HomeReview, StartsTheReviewOfTheSetsWrongAnswers)
{
    writeBytes(ksdata(QStringLiteral("182402.rar")), "0002010703\r\n"); // two codes and a stray half
    EXPECT_TRUE(start());
    auto& d = common::drill();
    EXPECT_FALSE(home().isLoaded());
    EXPECT_EQ(d.tmCount, 2);
    EXPECT_EQ(common::readTextFile(bankFile(69)).lines, QStringList({listLine(0, 2, 2), listLine(1, 7, 2)}));
    EXPECT_EQ(d.setNo, -1);
    EXPECT_EQ(d.errSetNo, 2);
    EXPECT_EQ(d.timeLeft, 50);
    PanelStandIn& p = tm();
    EXPECT_TRUE(p.Visible());
    EXPECT_TRUE(Forms::instance<FrmMain>().Visible());
    EXPECT_EQ(p.CmdEnd.Caption(), QStringLiteral("结束复习"));
    EXPECT_TRUE(p.CmTNO(2).Visible());
    EXPECT_FALSE(p.CmTNO(3).Visible());
    // The clock does not count in a review: its first tick stops it.
    time.advance(60000);
    EXPECT_FALSE(p.TimeKS.Enabled());
    EXPECT_EQ(d.timeLeft, 50);
}

TEST_F(HomeReview, RefusesWhatItCannotReviewAndTheHomeScreenStays)
{
    struct Case {
        const char* name;
        std::optional<QByteArray> list; // nothing: no file; empty: a folder in its place
        QString says;
    };
    const Case cases[] = {
        {"never taken", std::nullopt, noWrongAnswersText()},
        {"all solved", QByteArray("\r\n"), noWrongAnswersText()},
        {"three characters", QByteArray("000\r\n"), noWrongAnswersText()},
        {"a code the bank lacks", QByteArray("00020099\r\n"), QStringLiteral("第0单元中没有第99题")},
        {"more than forty codes", (fortyCodes() + "0001\r\n").toLatin1(), QStringLiteral("超过40道")},
        {"cannot be read", QByteArray(), QStringLiteral("无法读取文件")},
    };
    const QString path = ksdata(QStringLiteral("182402.rar"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(path).removeRecursively();
        QFile::remove(path);
        if (c.list && c.list->isEmpty())
            makeUnreadable(path);
        else if (c.list)
            writeBytes(path, *c.list);
        testkit::ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbOK, c.says);
        EXPECT_FALSE(start());
        EXPECT_TRUE(home().Visible());
        EXPECT_FALSE(tm().isLoaded());
        EXPECT_EQ(common::drill().setNo, 2);
        EXPECT_EQ(bytes(bankFile(69)), "<missing>");
    }
}

class PracticeEnd : public Exam {
protected:
    void SetUp() override
    {
        Exam::SetUp();
        auto& d = common::drill();
        d.fileBase = 20;
        d.setNo = 2;
        d.ksMode = common::ModePractice;
        d.tmCount = 8;
        const char* flags = "TTFTFFFF";
        for (int i = 1; i <= 8; ++i)
            d.tmDone[i] = QString(QLatin1Char(flags[i - 1]));
        d.tmState[1] = 1, d.tmState[2] = 3, d.tmState[3] = 5, d.tmState[4] = 7;
        writeBytes(ksdata(QStringLiteral("288893.rar")), "TTTTTTTTTT\r\nFFFF\r\nFFFFFFFF\r\nTF\r\n\r\n");
        home().Unload();
        tm().Show();
    }
};

TEST_F(PracticeEnd, SavesTheUnitsFlagsAndStatesAndGoesHome)
{
    EXPECT_EQ(tm().CmdEnd.Caption(), QStringLiteral("结束练习"));
    testkit::click(tm().CmdEnd);
    EXPECT_EQ(bytes(ksdata(QStringLiteral("288893.rar"))), "TTTTTTTTTT\r\nFFFF\r\nTTFTFFFF\r\nTF\r\n\r\n");
    EXPECT_EQ(bytes(ksdata(QStringLiteral("208802.rar"))),
              "0246000000000000000000000000000000000000\r\n\r\n");
    const auto& d = common::drill();
    EXPECT_EQ(QList<int>(d.tmState.begin() + 1, d.tmState.begin() + 5), QList<int>({0, 2, 4, 6}));
    EXPECT_TRUE(d.canUnload);
    EXPECT_FALSE(tm().isLoaded());
    EXPECT_TRUE(home().Visible());
}

TEST_F(PracticeEnd, ProgressThatCannotBeSavedIsNamedAndTheDrillStillEnds)
{
    const QByteArray bad("TT\xa1\x7f\r\n\r\n");
    writeBytes(ksdata(QStringLiteral("288893.rar")), bad);
    testkit::ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbOK, QStringLiteral("288893.rar"));
    testkit::click(tm().CmdEnd);
    EXPECT_EQ(bytes(ksdata(QStringLiteral("288893.rar"))), bad);
    EXPECT_EQ(bytes(ksdata(QStringLiteral("208802.rar"))),
              "0246000000000000000000000000000000000000\r\n\r\n");
    EXPECT_FALSE(tm().isLoaded());
    EXPECT_TRUE(home().Visible());
}

TEST_F(PracticeEnd, AFullDiskKeepsTheOldProgressAndSaysSoOnce)
{
    const QByteArray progress = "TTTTTTTTTT\r\nFFFF\r\nFFFFFFFF\r\nTF\r\n\r\n";
    const QByteArray states = "0200000000000000000000000000000000000000\r\n\r\n";
    writeBytes(ksdata(QStringLiteral("208802.rar")), states);
    // 0: one box, naming the full disk once; 1: no such box; 2: more than one box.
    const int result = testkit::onAFullDisk([&] {
        testkit::ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbOK, diskFullText());
        testkit::click(tm().CmdEnd);
        if (boxes.seen().size() != 1) return boxes.seen().isEmpty() ? 1 : 2;
        return boxes.seen().first().prompt.count(diskFullText()) == 1 && home().Visible() ? 0 : 1;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(bytes(ksdata(QStringLiteral("288893.rar"))), progress);
    EXPECT_EQ(bytes(ksdata(QStringLiteral("208802.rar"))), states);
}

} // namespace
} // namespace drilltest
