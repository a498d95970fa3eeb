// The progress files under "ksdata": unit completion, question states, wrong-answer lists and
// the exam history, each in its stored format, and the faults that must not lose progress.
#include <QDateTime>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

#include "drill/progress_files.h"
#include "drill_fixture.h"

using namespace drill;

namespace drilltest {
namespace {

States states(std::initializer_list<int> first)
{
    States s{};
    int i = 1;
    for (int v : first)
        s[i++] = v;
    return s;
}

class Progress : public DrillTest {};

TEST_F(Progress, UnitProgressReplacesOnlyTheDrillsUnitLine)
{
    struct Case {
        const char* name;
        std::optional<QByteArray> before; // nothing: no file
        int unit;
        QByteArray after;
    };
    const QByteArray four = "TTTTTTTTTT\r\nFFFF\r\nFFFFFFFF\r\nTF\r\n\r\n";
    const Case cases[] = {
        {"unit 2 of 8 questions", four, 2, "TTTTTTTTTT\r\nFFFF\r\nTTFTFFFF\r\nTF\r\n\r\n"},
        {"missing file", std::nullopt, 2, "\r\n\r\nTTFTFFFF\r\n\r\n\r\n"},
        {"empty file", QByteArray(), 0, "TTFTFFFF\r\n\r\n\r\n\r\n\r\n"},
        {"short file", QByteArray("TT\r\n"), 3, "TT\r\n\r\n\r\nTTFTFFFF\r\n\r\n"},
        {"unit beyond the table: written back as read", four, 30,
         "TTTTTTTTTT\r\nFFFF\r\nFFFFFFFF\r\nTF\r\n\r\n"},
        {"a unit beyond unitCount keeps its line", four, 5,
         "TTTTTTTTTT\r\nFFFF\r\nFFFFFFFF\r\nTF\r\n\r\nTTFTFFFF\r\n\r\n"},
        {"a drill of fewer questions never shortens its line", four, 0,
         "TTFTFFFFTT\r\nFFFF\r\nFFFFFFFF\r\nTF\r\n\r\n"},
    };
    const QString path = ksdata(QStringLiteral("288893.rar"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path);
        if (c.before) writeBytes(path, *c.before);
        ASSERT_TRUE(saveUnitProgress(c.unit, QStringLiteral("TTFTFFFF"), 4).ok());
        EXPECT_EQ(bytes(path), c.after);
    }
}

TEST_F(Progress, AProgressFileThatCannotBeReadIsNeverOverwritten)
{
    const QString progress = ksdata(QStringLiteral("288893.rar"));
    const QByteArray bad("TT\xa1\x7f\r\nFF\r\n\r\n");
    writeBytes(progress, bad);
    Outcome o = saveUnitProgress(1, QStringLiteral("TTTT"), 4);
    EXPECT_FALSE(o.ok());
    EXPECT_TRUE(o.failure.contains(QStringLiteral("288893.rar"))) << o.failure.toStdString();
    EXPECT_EQ(bytes(progress), bad);

    // A name that is a folder cannot be read either: each writer refuses.
    makeUnreadable(ksdata(QStringLiteral("2088.rar")));
    makeUnreadable(ksdata(QStringLiteral("288892.rar")));
    makeUnreadable(ksdata(QStringLiteral("182401.rar")));
    EXPECT_FALSE(saveStates(ksdata(QStringLiteral("2088.rar")), statesLine(States{}, true)).ok());
    EXPECT_FALSE(recordExamHistory(0, 3, QStringLiteral("2026-01-05 09:00:00"), 50, QDateTime()).ok());
    EXPECT_FALSE(saveWrongList(1, QStringLiteral("0001"), common::TextEnding::CrLfAfterEach).ok());
    EXPECT_TRUE(QFileInfo(ksdata(QStringLiteral("288892.rar"))).isDir());
}

TEST_F(Progress, AWriteThatFailsHalfWayKeepsTheOldFile)
{
    // A name so long that no temporary name fits beside it: the replacement cannot be made.
    const QString longName = ksdata(QString(250, QLatin1Char('s')));
    writeBytes(longName, "0000000000000000000000000000000000000000\r\n");
    const Outcome o = saveStates(longName, statesLine(states({4, 4, 4}), true));
    EXPECT_FALSE(o.ok());
    EXPECT_TRUE(o.failure.contains(QStringLiteral("无法写入"))) << o.failure.toStdString();
    EXPECT_EQ(bytes(longName), "0000000000000000000000000000000000000000\r\n");
}

TEST_F(Progress, AReadOnlyProgressFolderKeepsTheOldFile)
{
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    const QString progress = ksdata(QStringLiteral("288893.rar"));
    writeBytes(progress, "TT\r\n\r\n");
    QFile::setPermissions(prog.file(QStringLiteral("ksdata")),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(saveUnitProgress(0, QStringLiteral("FF"), 1).ok());
    QFile::setPermissions(prog.file(QStringLiteral("ksdata")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(bytes(progress), "TT\r\n\r\n");
}

TEST_F(Progress, AMissingProgressFolderIsCreated)
{
    QDir(prog.file(QStringLiteral("ksdata"))).removeRecursively();
    ASSERT_TRUE(saveWrongList(3, QStringLiteral("0102"), common::TextEnding::CrLfAfterEach).ok());
    EXPECT_EQ(bytes(ksdata(QStringLiteral("182403.rar"))), "0102\r\n");
    // A file in the folder's place: the folder cannot be made, and the candidate is told.
    QDir(prog.file(QStringLiteral("ksdata"))).removeRecursively();
    writeBytes(prog.file(QStringLiteral("ksdata")), "x");
    const Outcome o = saveWrongList(3, QStringLiteral("0102"), common::TextEnding::CrLfAfterEach);
    EXPECT_FALSE(o.ok());
    EXPECT_TRUE(o.failure.contains(QStringLiteral("ksdata"))) << o.failure.toStdString();
}

TEST(QuestionStates, DigitsWithoutTheVisitedBit)
{
    States s = states({1, 3, 5, 7, 0, 2, 4, 6});
    EXPECT_EQ(statesLine(s, true), QStringLiteral("0246024600000000000000000000000000000000"));
    EXPECT_EQ(statesLine(s, false), QStringLiteral("0202020200000000000000000000000000000000"));
    clearVisited(s);
    EXPECT_EQ(QList<int>(s.begin() + 1, s.begin() + 9), QList<int>({0, 2, 4, 6, 0, 2, 4, 6}));

    // Read back digit by digit; a short line or a character that is no digit gives 0.
    const States read = statesFromLine(QStringLiteral("0020002x２5"));
    EXPECT_EQ(QList<int>(read.begin() + 1, read.begin() + 12), QList<int>({0, 0, 2, 0, 0, 0, 2, 0, 0, 5, 0}));
    EXPECT_EQ(read[40], 0);
}

TEST_F(Progress, StatesFilesReadBackAsSaved)
{
    const QString path = ksdata(QStringLiteral("218802.rar"));
    EXPECT_EQ(readStates(path).status, common::TextStatus::Missing);
    EXPECT_EQ(readStates(path).states, States{});
    ASSERT_TRUE(saveStates(path, statesLine(states({0, 0, 3, 0, 0, 0, 6}), false)).ok());
    EXPECT_EQ(bytes(path), "0020002000000000000000000000000000000000\r\n\r\n");
    EXPECT_EQ(readStates(path).states, states({0, 0, 2, 0, 0, 0, 2}));
}

TEST(WrongList, PruningKeepsTheCodesOfUnsolvedReviewQuestions)
{
    const QString six = QStringLiteral("010102030304050506071008");
    EXPECT_EQ(pruneWrongList(six, states({1, 5, 3, 0, 4, 2})), QStringLiteral("0101030405051008"));
    EXPECT_EQ(pruneWrongList(six, States{}), six);
    EXPECT_EQ(pruneWrongList(six, states({4, 4, 4, 4, 4, 4})), QString());
    // Characters after the last whole code are dropped.
    EXPECT_EQ(pruneWrongList(QStringLiteral("010102"), States{}), QStringLiteral("0101"));
}

TEST(ExamScore, TwoAndAHalfPointsASolvedQuestion)
{
    States all{};
    for (int i = 1; i <= 40; ++i)
        all[i] = 5;
    struct Case {
        States s;
        const char* text;
    };
    States oneWrong = all;
    oneWrong[17] = 3; // visited and marked, not solved
    States marked = all;
    marked[3] = 6; // solved and marked
    const Case cases[] = {
        {all, "100"}, {oneWrong, "97.5"}, {marked, "100"}, {States{}, "0"}, {states({4, 7, 1, 2}), "5"}};
    for (const Case& c : cases)
        EXPECT_EQ(scoreText(examScore(c.s)), QString::fromUtf8(c.text));
}

TEST_F(Progress, HistoryKeepsTheBestScoreAndTheLatestTime)
{
    const QString path = ksdata(QStringLiteral("288892.rar"));
    const QDateTime now(QDate(2026, 2, 1), QTime(10, 30));
    const QString login = QStringLiteral("2026-02-01 09:00:00");
    struct Case {
        const char* name;
        QByteArray before;
        QString ksStart;
        double score;
        QByteArray after;
    };
    const Case cases[] = {
        {"empty best becomes the score", "t0\r\n80\r\nx\r\n\r\n\r\n\r\n\r\n", login, 97.5,
         "t0\r\n80\r\nx\r\n2026-02-01 09:00:00\r\n97.5\r\n\r\n\r\n\r\n\r\n\r\n"},
        {"a lower score keeps the best", "t0\r\n80\r\nx\r\nt1\r\n90\r\ny\r\n", login, 85,
         "t0\r\n80\r\nx\r\n2026-02-01 09:00:00\r\n90\r\ny\r\n\r\n\r\n\r\n\r\n"},
        {"a higher score replaces it", "\r\n\r\n\r\nt1\r\n90\r\ny\r\n", login, 100,
         "\r\n\r\n\r\n2026-02-01 09:00:00\r\n100\r\ny\r\n\r\n\r\n\r\n\r\n"},
        {"an answer was looked at: results time, best kept", "\r\n\r\n\r\nt1\r\n90\r\ny\r\n", "-1", 100,
         "\r\n\r\n\r\n2026-02-01 10:30:00\r\n90\r\ny\r\n\r\n\r\n\r\n\r\n"},
        {"0 leaves an empty best empty", "", login, 0,
         "\r\n\r\n\r\n2026-02-01 09:00:00\r\n\r\n\r\n\r\n\r\n\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(path, c.before);
        ASSERT_TRUE(recordExamHistory(1, 3, c.ksStart, c.score, now).ok());
        EXPECT_EQ(bytes(path), c.after);
    }
    // Missing: created.
    QFile::remove(path);
    ASSERT_TRUE(recordExamHistory(0, 1, login, 2.5, now).ok());
    EXPECT_EQ(bytes(path), "2026-02-01 09:00:00\r\n2.5\r\n\r\n\r\n");
}

} // namespace
} // namespace drilltest
