#pragma once
// The files the home screen reads and the rules it applies to them: the set table's counts, the
// unit progress and its normalisation, the exam history, and what a unit launch reads (question
// list, progress line, question states). Progress files live in "ksdata" in the program folder.
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

#include "common/text_file.h"
#include "drill/progress_files.h"

namespace home {

constexpr int ExamCards = 14;    // exam-set cards 0-13
constexpr int UnitCards = 21;    // unit cards 0-20
constexpr int CountedUnits = 26; // units whose question counts the set table may give
constexpr int ProgressRead = 26; // unit progress lines read
constexpr int ProgressKept = 25; // unit progress lines written back
constexpr int HistoryLines = 45; // exam history lines read
constexpr int MaxQuestions = 40; // questions a drill holds
constexpr int OfferedUnits = 20; // units 0-19 have bank files of their own

// Reads "ver.txt" from the program folder and sets kmName, kmTitle, kmNo and dataPath of the drill
// state. On failure nothing is set and failure says what went wrong, for the candidate.
struct InfoLoad {
    bool ok = false;
    QStringList lines; // the 40 unpacked lines
    QString failure;
};
InfoLoad loadModuleInfo();

// "ksdata" files of the program folder, named as the drills name them.
using drill::examHistoryPath;
using drill::unitProgressPath;
using drill::unitStatesPath;
using drill::wrongListPath;

// The set table's first two lines.
struct SetTable {
    common::TextStatus status = common::TextStatus::Missing;
    int setCount = 0;  // line 1 characters 1-2 (after trimming)
    int unitCount = 0; // line 1 characters 3-4
    // Question counts of units 0-25 from line 2; 0 where it gives none.
    std::array<int, CountedUnits> unitQuestions{};
    // True when line 2 was read and gives a count (digits) for every unit line 1 declares (up to
    // 26), so the counts are the bank's and not merely absent, cut short or damaged.
    bool countsRead = false;
};
SetTable readSetTable(const QString& dataPath);
std::array<int, CountedUnits> unitQuestionCounts(QStringView line2);

// Units 0-24 of the progress entries, each cut or padded with "F" to its unit's question count
// (at most 40, the most a drill holds; a count below 0 as 0).
QStringList normaliseProgress(const QStringList& entries, const std::array<int, CountedUnits>& counts);

// Lines 1..n of a file as entries, "" where the file has none (also when it is missing or
// unreadable); at most n lines are read.
QStringList firstLines(const common::TextReadResult& file, int n);

// The caption of an exam-set card from its two history lines.
QString historyCaption(const QString& lastTime, const QString& bestScore);

// The first step-file line of each question from a question list: starts[0] = 1 and
// starts[k] = starts[k - 1] + the step count (characters 5-6) of list line k; the list ends at its
// end or at a line that is empty after trimming, and at most maxQuestions questions are taken.
struct QuestionStarts {
    QList<int> starts; // one more than questions
    int questions = 0;
};
QuestionStarts questionStarts(const QStringList& listLines, int maxQuestions = MaxQuestions);

// tmState(1..40) from a question-states line.
using drill::statesFromLine;

} // namespace home
