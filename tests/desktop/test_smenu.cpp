// The context-menu file "sMenu.sys": which record a pop-up code and a set address, how item lines
// split, and which code each side reads from a step record.
#include <QStringList>
#include <gtest/gtest.h>

#include "steps/smenu.h"
#include "support/kit.h"
#include "support/step_record.h"

namespace {

// A file of n lines, line k reading "L<k>".
QStringList numberedLines(int n)
{
    QStringList lines;
    for (int k = 1; k <= n; ++k)
        lines << QStringLiteral("L%1").arg(k);
    return lines;
}

QString stepWith(const QString& action, const QString& override = QString())
{
    testkit::StepRecord r;
    r.action(action);
    if (!override.isEmpty()) r.set(testkit::col::TargetA, override);
    return r.str();
}

} // namespace

TEST(ContextMenuFile, RecordAddressing)
{
    const QStringList file = numberedLines(540);
    struct Case {
        int code, set;
        int firstLine; // the record's line 1 in the file
    } cases[] = {
        {4231, 2, 151}, // group 2, set 2
        {3100, 1, 1},   // group 1, set 1
        {3900, 9, 121}, // group 1, set 9
        {5300, 3, 301}, // group 3, set 3
        {6123, 1, 406}, // group 4, set 1
        {8123, 1, 406}, // 8 selects group 4 too
        {6900, 9, 526}, // the last record
        {3000, 0, 1},   // group 1, set 0: the file's first record
        {5000, 0, 256}, // group 3, set 0: set 9 of group 2
        {6000, 0, 391}, // the action code 6000: group 3, set 9
        {7231, 2, 1},   // no group: the first record whatever the set
        {1999, 9, 1},   {2300, 3, 1}, {9123, 1, 1}, {123, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const smenu::Record r = smenu::recordOf(file, c.code, c.set);
        for (int k = 1; k <= smenu::RecordLines; ++k)
            EXPECT_EQ(r[k], QStringLiteral("L%1").arg(c.firstLine + k - 1)) << "record line " << k;
    }
}

TEST(ContextMenuFile, LinesTheFileDoesNotSupplyAreEmpty)
{
    // 160 lines: record (2, 2) starts at 151 and gets ten of its lines; (3, 1) none.
    const QStringList file = numberedLines(160);
    const smenu::Record part = smenu::recordOf(file, 4200, 2);
    EXPECT_EQ(part[10], "L160");
    EXPECT_EQ(part[11], "");
    EXPECT_EQ(part[15], "");
    const smenu::Record none = smenu::recordOf(file, 5100, 1);
    for (int k = 1; k <= smenu::RecordLines; ++k)
        EXPECT_EQ(none[k], "");
    EXPECT_EQ(smenu::recordOf({}, 3100, 1)[1], "");
}

TEST(ContextMenuFile, ItemLinesSplitIntoAtMostTenItems)
{
    struct Case {
        const char* line;
        QStringList items;
    } cases[] = {
        {"打开|-|删除", {"打开", "-", "删除"}},
        {"a|b|", {"a", "b", ""}},
        {"", {""}},
        {"0", {"0"}},
        {"a||b", {"a", "", "b"}},
        {" 0 ", {" 0 "}}, // spaces belong to the text
        {"1|2|3|4|5|6|7|8|9|10|11|12", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
        {"1|2|3|4|5|6|7|8|9|10|", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
        {"1|2|3|4|5|6|7|8|9|10", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(smenu::splitItems(QString::fromUtf8(c.line)), c.items) << c.line;
}

TEST(ContextMenuFile, OnlyTheWholeLineZeroMarksAbsence)
{
    EXPECT_TRUE(smenu::isAbsent("0"));
    for (const char* line : {"", " 0", "0 ", "00", "O"})
        EXPECT_FALSE(smenu::isAbsent(QString::fromLatin1(line))) << '"' << line << '"';
}

TEST(ContextMenuFile, CodeDigitsAndGroups)
{
    EXPECT_EQ(smenu::setDigit(4231), 2);
    EXPECT_EQ(smenu::listDigit(4231), 3);
    EXPECT_EQ(smenu::itemDigit(4231), 1);
    const std::pair<int, int> groups[] = {{3000, 1}, {4999, 2}, {5123, 3}, {6000, 4}, {8999, 4},
                                          {7123, 0}, {2999, 0}, {9000, 0}, {0, 0}};
    for (auto [code, group] : groups)
        EXPECT_EQ(smenu::groupOf(code), group) << code;
}

TEST(ContextMenuFile, OverrideFormsOnBothSides)
{
    struct Case {
        const char *action, *override;
        int opening, judging;
    } cases[] = {
        {"4232", "", 4232, 4232},      {"8123", "", 8123, 8123},      {"0001", "R5231", 5231, 5231},
        {"0001", "R8105", 6105, 8105}, {"0001", "RA123", 0, 6123},    {"3412", "R7123", 7123, 7123},
        {"3412", "RB123", 0, 0},       {"4232", "r5231", 4232, 4232}, // only a capital R
        {"0001", "R 5 2", 52, 52},                                    // blanks skipped in a number
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.action) + " " + c.override);
        const QString rec = stepWith(QString::fromLatin1(c.action), QString::fromLatin1(c.override));
        EXPECT_EQ(smenu::openingCode(rec), c.opening);
        EXPECT_EQ(smenu::judgingCode(rec), c.judging);
    }
    // A record cut before the override reads the action code alone.
    EXPECT_EQ(smenu::openingCode(stepWith("4232").left(20)), 4232);
}

TEST(ContextMenuFile, AFileThatCannotBeReadGivesNoRecord)
{
    testkit::TempProgramFolder prog;
    EXPECT_FALSE(smenu::readRecord(smenu::filePath(), 3100, 1).ok);
    QStringList lines = numberedLines(20);
    testkit::writeTextLines(prog.path(), QStringLiteral("sMenu.sys"), lines);
    const smenu::ReadResult r = smenu::readRecord(smenu::filePath(), 3200, 2);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.record[1], "L16");
    EXPECT_EQ(r.record[5], "L20");
    EXPECT_EQ(r.record[6], "");
}
