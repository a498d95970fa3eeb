// The data rules of the home screen: set-table counts, progress normalisation, question starts,
// question states.
#include <gtest/gtest.h>

#include "home/home_files.h"
#include "support/kit.h"

using namespace home;

namespace {

std::array<int, CountedUnits> counts(std::initializer_list<int> first)
{
    std::array<int, CountedUnits> c{};
    int u = 0;
    for (int n : first)
        c[u++] = n;
    return c;
}

QString f(int n)
{
    return QString(n, u'F');
}

} // namespace

TEST(ProgressNormalisation, EachUnitCutOrPaddedToItsCount)
{
    struct Case {
        const char* what;
        QStringList entries;
        std::array<int, CountedUnits> counts;
        QStringList first; // the expected first entries; the rest of the 25 are empty
    };
    const Case cases[] = {
        {"two units of 40, one begun",
         {QStringLiteral("TTF"), QString()},
         counts({40, 40}),
         {QStringLiteral("TTF") + f(37), f(40)}},
        {"a line longer than its count is cut",
         {QStringLiteral("TFTTT")},
         counts({2}),
         {QStringLiteral("TF")}},
        {"a unit of 0 questions gets an empty line",
         {QStringLiteral("TTT"), QStringLiteral("T")},
         counts({0, 1}),
         {QString(), QStringLiteral("T")}},
        {"no drill holds more than 40", {QString()}, counts({45}), {f(40)}},
        {"a negative count counts as 0", {QStringLiteral("TT")}, counts({-1}), {QString()}},
        {"flags are kept as they are, blanks too",
         {QStringLiteral(" T x")},
         counts({5}),
         {QStringLiteral(" T xF")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QStringList out = normaliseProgress(c.entries, c.counts);
        ASSERT_EQ(out.size(), ProgressKept);
        EXPECT_EQ(out.mid(0, c.first.size()), c.first);
        for (int u = int(c.first.size()); u < ProgressKept; ++u)
            EXPECT_EQ(out[u], QString()) << u;
    }
    // Of 26 entries read, only 25 are kept.
    QStringList many;
    for (int u = 0; u < 30; ++u)
        many << QStringLiteral("T");
    std::array<int, CountedUnits> ones{};
    ones.fill(1);
    EXPECT_EQ(normaliseProgress(many, ones), QStringList(many.mid(0, 25)));
}

TEST(SetTableCounts, TwoDigitsPerUnit)
{
    const auto c = unitQuestionCounts(QStringLiteral("0302 4x5"));
    EXPECT_EQ(c[0], 3);
    EXPECT_EQ(c[1], 2);
    EXPECT_EQ(c[2], 4); // " 4": the blank is skipped
    EXPECT_EQ(c[3], 0); // "x5": no leading number
    EXPECT_EQ(c[4], 0);
    QString long52;
    for (int u = 0; u < 30; ++u)
        long52 += QStringLiteral("07");
    const auto d = unitQuestionCounts(long52);
    EXPECT_EQ(d[25], 7); // pairs beyond unit 25 are ignored, without harm
}

TEST(QuestionStarts, FromTheStepCountsOfTheList)
{
    struct Case {
        const char* what;
        QStringList lines;
        QList<int> starts;
    };
    const Case cases[] = {
        {"counts 3, 5, 2", {"000103a", "000205b", "000302c"}, {1, 4, 9, 11}},
        {"a blank line ends the list", {"000103a", "000205b", "000302c", "   ", "000404d"}, {1, 4, 9, 11}},
        {"a short line has no steps", {"0001", "000202x"}, {1, 1, 3}},
        {"empty list", {}, {1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QuestionStarts q = questionStarts(c.lines);
        EXPECT_EQ(q.starts, c.starts);
        EXPECT_EQ(q.questions, c.starts.size() - 1);
    }
    QStringList fifty;
    for (int i = 0; i < 50; ++i)
        fifty << QStringLiteral("000101q");
    const QuestionStarts q = questionStarts(fifty);
    EXPECT_EQ(q.questions, MaxQuestions);
    EXPECT_EQ(q.starts.last(), 41);
}

TEST(QuestionStates, OneDigitPerQuestion)
{
    auto s = statesFromLine(QStringLiteral("1246x7"));
    EXPECT_EQ((std::vector<int>(s.begin() + 1, s.begin() + 8)), (std::vector<int>{1, 2, 4, 6, 0, 7, 0}));
    s = statesFromLine(QString(45, u'5'));
    EXPECT_EQ(s[40], 5);
    s = statesFromLine(QString());
    for (int i = 1; i <= MaxQuestions; ++i)
        EXPECT_EQ(s[i], 0);
}

TEST(HistoryCaption, FixedTextsAroundTheEntries)
{
    EXPECT_EQ(historyCaption(QStringLiteral("2026-01-02 10:00:00"), QStringLiteral("87.5")),
              QStringLiteral("最后考试时间 2026-01-02 10:00:00  最好成绩 87.5"));
    EXPECT_EQ(historyCaption(QString(), QString()), QStringLiteral("最后考试时间   最好成绩 "));
}
