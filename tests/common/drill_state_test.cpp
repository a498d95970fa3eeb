#include "common/drill_state.h"

#include <gtest/gtest.h>

using common::drill;
using common::DrillState;

TEST(DrillState, OneProgramWideObject)
{
    EXPECT_EQ(&drill(), &drill());
}

TEST(DrillState, ArraysKeepTheirIndexRanges)
{
    DrillState s;
    EXPECT_EQ(s.tmStep.size(), 41u);   // 1 To 40
    EXPECT_EQ(s.tmState.size(), 41u);  // 1 To 40
    EXPECT_EQ(s.tmDone.size(), 41u);   // 1 To 40
    EXPECT_EQ(s.tmStart.size(), 46u);  // 1 To 45
    EXPECT_EQ(s.tmPic.size(), 41u);    // 1 To 40
    EXPECT_EQ(s.tmPic[40].size(), 7u); // 0 To 6
}

TEST(DrillState, ResetGivesTheStartValues)
{
    DrillState& s = drill();
    s.ksMode = common::ModeExam;
    s.fileBase = 20;
    s.setNo = -1;
    s.errSetNo = 4;
    s.tmCount = 12;
    s.dqTm = 3;
    s.dqStep = 5;
    s.tmStep[40] = 9;
    s.tmStart[45] = 300;
    s.tmState[1] = common::TmVisited | common::TmSolved;
    s.tmDone[2] = "T";
    s.tmPic[3][0] = "A00001";
    s.stepPath = s.tmPath = s.txtPath = s.lineBuf = "x";
    s.timeLeft = 50;
    s.ksStart = "-1";
    s.ksName = "Someone";
    s.ksZwh = s.ksCc = s.ksDah = s.ksSfz = "1";
    s.canUnload = true;
    s.ysRun = true;
    s.imeHkl = 2;
    s.dataExt = ".txt";
    s.stepRec = "0001";
    s.kmName = "Windows XP";
    s.kmTitle = "title";
    s.kmNo = 7;
    s.dataPath = "/opt/km/bank/";
    s.setCount = 14;
    s.unitCount = 21;

    s.reset();

    EXPECT_EQ(s.ksMode, 0);
    EXPECT_EQ(s.fileBase, 0);
    EXPECT_EQ(s.setNo, 0);
    EXPECT_EQ(s.errSetNo, 0);
    EXPECT_EQ(s.tmCount, 0);
    EXPECT_EQ(s.dqTm, 0);
    EXPECT_EQ(s.dqStep, 0);
    EXPECT_EQ(s.tmStep[40], 0);
    EXPECT_EQ(s.tmStart[45], 0);
    EXPECT_EQ(s.tmState[1], 0);
    EXPECT_EQ(s.tmDone[2], "");
    EXPECT_EQ(s.tmPic[3][0], "");
    EXPECT_EQ(s.stepPath, "");
    EXPECT_EQ(s.tmPath, "");
    EXPECT_EQ(s.txtPath, "");
    EXPECT_EQ(s.lineBuf, "");
    EXPECT_EQ(s.timeLeft, 0);
    EXPECT_EQ(s.ksStart, "");
    EXPECT_EQ(s.ksName, "Ostrel1");
    EXPECT_EQ(s.ksZwh, "");
    EXPECT_EQ(s.ksCc, "");
    EXPECT_EQ(s.ksDah, "");
    EXPECT_EQ(s.ksSfz, "");
    EXPECT_FALSE(s.canUnload);
    EXPECT_FALSE(s.ysRun);
    EXPECT_EQ(s.imeHkl, 0);
    EXPECT_EQ(s.dataExt, ".rar");
    EXPECT_EQ(s.stepRec, "");

    // The start-up variables survive a reset: the splash resets after reading the module info.
    EXPECT_EQ(s.kmName, "Windows XP");
    EXPECT_EQ(s.kmTitle, "title");
    EXPECT_EQ(s.kmNo, 7);
    EXPECT_EQ(s.dataPath, "/opt/km/bank/");
    EXPECT_EQ(s.setCount, 14);
    EXPECT_EQ(s.unitCount, 21);

    s.resetAll();
    EXPECT_EQ(s.kmName, "");
    EXPECT_EQ(s.kmNo, 0);
    EXPECT_EQ(s.dataPath, "");
    EXPECT_EQ(s.setCount, 0);
    EXPECT_EQ(s.ksName, "Ostrel1");
    EXPECT_EQ(s.dataExt, ".rar");
}

TEST(DrillState, FreshObjectEqualsReset)
{
    DrillState s;
    EXPECT_EQ(s.ksName, "Ostrel1");
    EXPECT_EQ(s.dataExt, ".rar");
    EXPECT_EQ(s.setNo, 0);
    EXPECT_FALSE(s.ysRun);
}
