#include "common/question_state.h"

#include <gtest/gtest.h>

#include "support/kit.h"

using common::DrillState;

namespace {

// A drill of 12 questions at question 3: completion flags "F" but for 2 and 12, question 2
// solved and question 5 solved and marked, the others visited only.
DrillState drillOf(int fileBase, int setNo)
{
    DrillState d;
    d.kmName = QStringLiteral("WinXP");
    d.fileBase = fileBase;
    d.setNo = setNo;
    d.tmCount = 12;
    d.dqTm = 3;
    for (int i = 1; i <= 40; ++i) {
        d.tmDone[i] = QStringLiteral("F");
        d.tmState[i] = common::TmVisited;
    }
    d.tmDone[2] = d.tmDone[12] = QStringLiteral("T");
    d.tmState[2] = common::TmVisited | common::TmSolved;
    d.tmState[5] = common::TmVisited | common::TmMarked | common::TmSolved;
    return d;
}

} // namespace

TEST(QuestionState, TheSolvedBitIsAddedOnce)
{
    // States 8 and 9 come only from a damaged states file: they count as solved and stay.
    const struct {
        int state, solved;
    } cases[] = {{0, 4}, {1, 5}, {2, 6}, {3, 7}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        EXPECT_EQ(common::isSolved(c.state), c.state >= 4);
        EXPECT_EQ(common::solvedState(c.state), c.solved);
        EXPECT_TRUE(common::isSolved(common::solvedState(c.state)));
        EXPECT_EQ(common::solvedState(common::solvedState(c.state)), c.solved);
    }
}

TEST(QuestionState, TitleAndUnfinishedQuestionsByDrill)
{
    const struct {
        const char* what;
        int fileBase, setNo;
        const char *title, *unfinished;
        bool retitled;
    } cases[] = {
        {"unit practice", 20, 0, "第1单元  第3/12题（未完成）", "未完成的题目 1 3 4 5 6 7 8 9 10 11", true},
        {"unit practice of unit 7", 20, 6, "第7单元  第3/12题（未完成）",
         "未完成的题目 1 3 4 5 6 7 8 9 10 11", true},
        {"mock exam of set 5", 0, 4, "WinXP-第5套 第3题", "未完成的题目 1 3 4 6 7 8 9 10 11 12", false},
        {"error review", 20, -1, "错题复习  第3/12题", "未完成的题目 1 3 4 6 7 8 9 10 11 12", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DrillState d = drillOf(c.fileBase, c.setNo);
        EXPECT_EQ(common::panelTitle(d), QString::fromUtf8(c.title));
        EXPECT_EQ(common::unfinishedQuestions(d), QString::fromUtf8(c.unfinished));
        EXPECT_EQ(common::solvingRetitles(d), c.retitled);
    }
}

TEST(QuestionState, TheUnitTitleFollowsTheQuestionsCompletionFlag)
{
    DrillState d = drillOf(20, 0);
    d.tmDone[3] = QStringLiteral("T");
    EXPECT_EQ(common::panelTitle(d), QStringLiteral("第1单元  第3/12题（已完成）"));
    // A question beyond the flags has none: it is not done.
    d.dqTm = 41;
    EXPECT_EQ(common::panelTitle(d), QStringLiteral("第1单元  第41/12题（未完成）"));
}

TEST(QuestionState, TheUnfinishedListCoversTheDrillsQuestionsOnly)
{
    DrillState d = drillOf(0, 0);
    d.tmCount = 1;
    EXPECT_EQ(common::unfinishedQuestions(d), QStringLiteral("未完成的题目 1"));
    d.tmState[1] = 6; // marked and solved
    EXPECT_EQ(common::unfinishedQuestions(d), QStringLiteral("未完成的题目"));
    // Never beyond the 40 questions a drill can hold.
    d.tmCount = 45;
    EXPECT_TRUE(common::unfinishedQuestions(d).endsWith(QStringLiteral(" 39 40")));
}
