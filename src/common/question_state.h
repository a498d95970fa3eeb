#pragma once
// What the drill says of its questions: whether a question is solved, and the question panel's
// two texts, its title and its list of unfinished questions. The panel writes them when it loads a
// question and the candidate's desktop when the candidate solves one, both from here.
#include <QString>

#include "common/drill_state.h"

namespace common {

// A question is solved when its state holds the solved bit: a state of 4 or more.
bool isSolved(int state);
// The state of a question just solved: a state below 4 gains the solved bit, any other is kept,
// so the bit is never added twice.
int solvedState(int state);

// The panel's title of the drill's current question dqTm, numbers in plain decimal:
//   mock exam and exam review (fileBase 0): kmName & "-第" & set & "套 第" & dqTm & "题";
//   unit practice (fileBase 20): "第" & unit & "单元  第" & dqTm & "/" & tmCount & "题" and
//     "（未完成）" while the question's completion flag is "F", else "（已完成）";
//   error review (setNo -1): "错题复习  第" & dqTm & "/" & tmCount & "题".
// Set and unit are counted from 1.
QString panelTitle(const DrillState& d);
// Solving a question changes the title in unit practice and error review; the title of a mock
// exam names the question only and stays.
bool solvingRetitles(const DrillState& d);
// "未完成的题目" and " " & i for every question i of the drill, in order, that is not finished:
// by its completion flag ("F") in unit practice, by the solved bit in exams, exam reviews and
// error reviews.
QString unfinishedQuestions(const DrillState& d);

} // namespace common
