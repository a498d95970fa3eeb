// The question bank's drill files: question codes, the set builder, the first-line table, the
// login-time log and the login's build of an exam set, with their faults.
#include <QDateTime>
#include <gtest/gtest.h>

#include "common/drill_state.h"
#include "common/naming.h"
#include "drill/bank_files.h"
#include "drill_fixture.h"

using namespace drill;

namespace drilltest {
namespace {

TEST(QuestionCodes, ReadAsOneNumber)
{
    struct Case {
        const char* codes;
        int i;
        std::optional<std::pair<int, int>> code;
    };
    const Case cases[] = {
        {"0312", 1, std::pair{3, 12}},     {" 312", 1, std::pair{3, 12}}, // leading blanks skipped
        {"00010312", 2, std::pair{3, 12}}, {"1905", 1, std::pair{19, 5}},
        {"0000", 1, std::pair{0, 0}}, // question 0: the builder refuses it
        {"ab12", 1, std::pair{0, 0}}, // no digits read as 0
        {"03120", 2, std::nullopt},   // a field cut short by the end of the codes
        {"0312", 2, std::nullopt},    // beyond the end
        {"-312", 1, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.codes) + " #" + std::to_string(c.i));
        const auto got = codeAt(QString::fromUtf8(c.codes), c.i);
        ASSERT_EQ(got.has_value(), c.code.has_value());
        if (got) {
            EXPECT_EQ(got->unit, c.code->first);
            EXPECT_EQ(got->question, c.code->second);
        }
    }
}

class SetBuilder : public DrillTest {
protected:
    // The lines the target should hold for these (unit, question) picks, from the unit files.
    QByteArray expectedSteps(const QList<std::pair<int, int>>& picks,
                             const QList<QList<int>>& unitSteps) const
    {
        QByteArray out;
        for (auto [u, q] : picks)
            for (int s = 1; s <= unitSteps[u][q - 1]; ++s)
                out += record(u, q, s, s == unitSteps[u][q - 1] ? "9999" : "8888").str().toLatin1() + "\r\n";
        return out;
    }
};

TEST_F(SetBuilder, CopiesEachCodesListLineAndStepBlockInCodeOrder)
{
    // Unit 3 has twelve questions of varying length, so question 12's block starts after the step
    // counts of questions 1-11; unit 0 has three.
    QList<QList<int>> counts(4);
    counts[0] = {2, 3, 1};
    counts[3] = {1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 5};
    for (int u : {0, 3}) {
        QList<Question> qs;
        for (int c : counts[u])
            qs << Question{c, QString()};
        writeUnit(u, qs);
    }
    // A wrong-answer list style code string: unit 3 question 12, unit 0 question 2, 3.1 again.
    ASSERT_TRUE(copyShiTI(QStringLiteral("031200020301"), 3, 19).ok());

    const QString list =
        listLine(3, 12, 5) + "\r\n" + listLine(0, 2, 3) + "\r\n" + listLine(3, 1, 1) + "\r\n";
    EXPECT_EQ(bytes(bankFile(69)), common::encodeGbk(list).value());
    EXPECT_EQ(bytes(bankFile(19)), expectedSteps({{3, 12}, {0, 2}, {3, 1}}, counts));

    // Only as many codes as asked for; a second build of the same codes writes the same bytes.
    ASSERT_TRUE(copyShiTI(QStringLiteral("031200020301"), 1, 19).ok());
    EXPECT_EQ(bytes(bankFile(19)), expectedSteps({{3, 12}}, counts));
    ASSERT_TRUE(copyShiTI(QStringLiteral("031200020301"), 3, 19).ok());
    EXPECT_EQ(bytes(bankFile(19)), expectedSteps({{3, 12}, {0, 2}, {3, 1}}, counts));
}

TEST_F(SetBuilder, RefusesWhatTheBankDoesNotHaveAndKeepsTheOldSet)
{
    writeUnit(0, 3);
    writeUnit(1, {{2, {}}, {0, {}}}); // question 2 of unit 1 has no steps
    // Unit 2's step file lacks the last question's second step.
    writeUnit(2, 2);
    QStringList shortSteps = common::readTextFile(bankFile(22)).lines;
    shortSteps.removeLast();
    testkit::writeTextLines(dataPath, bankName(22), shortSteps);
    makeUnreadable(bankFile(73)); // unit 3's list
    writeBytes(bankFile(74), ""); // unit 4's list is empty
    writeBytes(bankFile(24), "");
    // Unit 6's list gives question 1 one step fewer than its block: question 2 would begin on
    // question 1's terminal record. Unit 7's step file holds a record no question counts; unit
    // 8's list has a count below 0.
    writeUnit(6, 2, 3);
    QStringList shortList = common::readTextFile(bankFile(76)).lines;
    shortList[0] = listLine(6, 1, 2);
    testkit::writeTextLines(dataPath, bankName(76), shortList);
    writeUnit(7, 2);
    QStringList longSteps = common::readTextFile(bankFile(27)).lines;
    longSteps << longSteps.last();
    testkit::writeTextLines(dataPath, bankName(27), longSteps);
    writeUnit(8, {{3, {}}, {2, {}}});
    QStringList negative = common::readTextFile(bankFile(78)).lines;
    negative[1] = QStringLiteral("0802-1") + negative[1].mid(6);
    testkit::writeTextLines(dataPath, bankName(78), negative);

    struct Case {
        const char* codes;
        int count;
        const char* says;
    };
    const Case cases[] = {
        {"00010004", 2, "第0单元中没有第4题"}, // beyond the unit's list
        {"00010000", 2, "第0单元中没有第0题"}, // question 00
        {"0001000", 2, "不完整"},              // a short code line
        {"2001", 1, "没有第20单元"},           // unit 20 would name the answer texts
        {"9901", 1, "没有第99单元"},
        {"0501", 1, "找不到文件"},         // a unit the bank does not have
        {"0301", 1, "无法读取文件"},       // a list that cannot be read
        {"0401", 1, "第4单元中没有第1题"}, // an empty list
        {"0102", 1, "没有操作步骤"},
        {"0202", 1, "各题的步骤数合计4步，操作步骤文件“"}, // a step file short of the last block
        {"0602", 1, "各题的步骤数合计5步，操作步骤文件“"},
        {"0601", 1, "288876.rar"}, // both files named, whichever question is asked for
        {"0601", 1, "288826.rar"},
        {"0701", 1, "却有5条操作步骤"},
        {"0801", 1, "有的题步骤数为负"},
    };
    testkit::writeTextLines(dataPath, bankName(19), {"old step"});
    testkit::writeTextLines(dataPath, bankName(69), {"old list"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codes);
        const Outcome o = copyShiTI(QString::fromUtf8(c.codes), c.count, 19);
        EXPECT_FALSE(o.ok());
        EXPECT_TRUE(o.failure.contains(QString::fromUtf8(c.says))) << o.failure.toStdString();
        EXPECT_EQ(bytes(bankFile(19)), "old step\r\n");
        EXPECT_EQ(bytes(bankFile(69)), "old list\r\n");
    }
    // Empty lines after the last record are no records.
    writeUnit(9, 2);
    QStringList trailing = common::readTextFile(bankFile(29)).lines;
    testkit::writeTextLines(dataPath, bankName(29), trailing << QString() << QString());
    EXPECT_TRUE(copyShiTI(QStringLiteral("0902"), 1, 18).ok());

    for (int count : {0, 41}) {
        SCOPED_TRACE(count);
        EXPECT_FALSE(copyShiTI(fortyCodes() + "0001", count, 19).ok());
    }

    // A list that cannot be written: the step file written just before goes back as it was, or
    // away when there was none.
    QFile::remove(bankFile(69));
    makeUnreadable(bankFile(69));
    const Outcome o = copyShiTI(QStringLiteral("0001"), 1, 19);
    EXPECT_FALSE(o.ok());
    EXPECT_TRUE(o.failure.contains(QStringLiteral("288869.rar"))) << o.failure.toStdString();
    EXPECT_EQ(bytes(bankFile(19)), "old step\r\n");
    QFile::remove(bankFile(19));
    EXPECT_FALSE(copyShiTI(QStringLiteral("0001"), 1, 19).ok());
    EXPECT_FALSE(QFile::exists(bankFile(19)));
}

TEST_F(SetBuilder, FirstLineTableFollowsTheListToItsFirstBlankLine)
{
    auto& d = common::drill();
    d.tmPath = bankFile(69);
    d.tmStart.fill(-7);
    testkit::writeTextLines(dataPath, bankName(69),
                            {listLine(0, 1, 3), listLine(0, 2, 1), listLine(0, 3, 12), listLine(0, 4, 2),
                             "   ", listLine(0, 6, 5)});
    TmStartResult r = buildTmStart();
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.questions, 4);
    EXPECT_EQ(QList<int>(d.tmStart.begin() + 1, d.tmStart.begin() + 6), QList<int>({1, 4, 5, 17, 19}));
    EXPECT_EQ(d.tmStart[6], -7); // beyond the list: untouched

    // A list that is missing, cannot be read, or is longer than the table: refused, table kept.
    d.tmStart.fill(-7);
    QStringList tooLong;
    for (int q = 1; q <= 45; ++q)
        tooLong << listLine(0, q, 1);
    testkit::writeTextLines(dataPath, bankName(68), tooLong);
    makeUnreadable(bankFile(67));
    for (int n : {66, 67, 68}) {
        SCOPED_TRACE(n);
        d.tmPath = bankFile(n);
        r = buildTmStart();
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(d.tmStart[1], -7);
    }
}

class LoginTimes : public DrillTest {};

TEST_F(LoginTimes, ALoginRewritesOnlyItsSetsLine)
{
    const QDateTime first(QDate(2026, 3, 1), QTime(8, 5, 9));
    // Missing: created with the set's line and empty lines for the others, ending in an empty line.
    ASSERT_TRUE(recordLoginTime(1, 3, first).ok());
    EXPECT_EQ(bytes(bankFile(94)), "\r\n2026-03-01 08:05:09\r\n\r\n\r\n");
    ASSERT_TRUE(recordLoginTime(0, 3, first.addDays(1)).ok());
    EXPECT_EQ(bytes(bankFile(94)), "2026-03-02 08:05:09\r\n2026-03-01 08:05:09\r\n\r\n\r\n");
    // Only the sets of the table are written back; a set beyond them still gets its line.
    ASSERT_TRUE(recordLoginTime(3, 2, first).ok());
    EXPECT_EQ(bytes(bankFile(94)),
              "2026-03-02 08:05:09\r\n2026-03-01 08:05:09\r\n\r\n2026-03-01 08:05:09\r\n\r\n");
}

TEST_F(LoginTimes, ALogThatCannotBeReadIsLeftAlone)
{
    writeBytes(bankFile(94), QByteArray("2026-03-01 08:05:09\r\n\xa1\x7f\r\n"));
    const Outcome o = recordLoginTime(0, 3, QDateTime(QDate(2026, 3, 2), QTime(9, 0)));
    EXPECT_FALSE(o.ok());
    EXPECT_TRUE(o.failure.contains(QStringLiteral("无法读取"))) << o.failure.toStdString();
    EXPECT_EQ(bytes(bankFile(94)), QByteArray("2026-03-01 08:05:09\r\n\xa1\x7f\r\n"));
}

TEST_F(SetBuilder, ExamSetFromTheSetTableWithItsLoginTime)
{
    writeStandardBank();
    QString set2 = fortyCodes();
    set2.replace(0, 4, QStringLiteral("0310")); // set 2 starts with unit 3 question 10
    writeSetTable({fortyCodes(), fortyCodes(), set2});
    const QDateTime when(QDate(2026, 3, 1), QTime(8, 0));
    ExamSetBuild b = buildExamSet(2, 3, when);
    ASSERT_TRUE(b.ok()) << b.failure.toStdString();
    EXPECT_TRUE(b.logFailure.isEmpty());
    const QStringList list = common::readTextFile(bankFile(52)).lines;
    ASSERT_EQ(list.size(), 40);
    EXPECT_EQ(list[0], listLine(3, 10, 2));
    EXPECT_EQ(list[39], listLine(3, 10, 2));
    EXPECT_EQ(common::readTextFile(bankFile(2)).lines.size(), 80);
    EXPECT_EQ(bytes(bankFile(94)), "\r\n\r\n2026-03-01 08:00:00\r\n\r\n");

    // A table without the set's line, or a set line of 39 codes: refused before anything is
    // written, the log included.
    writeSetTable({fortyCodes(), fortyCodes().left(156)});
    for (int set : {1, 2}) {
        SCOPED_TRACE(set);
        b = buildExamSet(set, 3, when.addDays(1));
        EXPECT_FALSE(b.ok());
        EXPECT_EQ(bytes(bankFile(94)), "\r\n\r\n2026-03-01 08:00:00\r\n\r\n");
    }
    EXPECT_EQ(common::readTextFile(bankFile(52)).lines.size(), 40);
    EXPECT_TRUE(buildExamSet(1, 3, when).failure.contains(QStringLiteral("第40题")));
}

} // namespace
} // namespace drilltest
