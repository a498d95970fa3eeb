#pragma once
// The progress files in the folder "ksdata" beside the program: unit completion, question states
// of units and exam sets, the wrong-answer lists and the exam history, with the rules by which
// the drill ends and the results screen rewrite them.
//
// Every rewrite goes whole through a temporary file in the stored format. A file that exists but
// cannot be read (or holds bytes that are not text) is never overwritten: the save is refused and
// its Outcome tells the candidate. A write that cannot complete keeps the old file; on a full disk
// its Outcome is diskFullText(). A missing "ksdata" folder is created first.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

#include "common/drill_state.h"
#include "common/text_file.h"
#include "drill/bank_files.h"

namespace drill {

using States = std::array<int, common::DrillVars::MaxQuestions + 1>; // [1..40]

constexpr int UnitProgressRead = 26; // unit lines the practice end reads (units 0-25)

// The folder and its files.
QString ksdataFolder();
QString unitProgressPath();       // "288893.rar"
QString unitStatesPath(int unit); // "2088" & NN & ".rar"
QString examStatesPath(int set);  // "2188" & NN & ".rar"
QString wrongListPath(int set);   // "1824" & NN & ".rar"
QString examHistoryPath();        // "288892.rar"

// Creates "ksdata" when it is missing.
Outcome ensureKsdata();

// UnitProgress: line u + 1 holds unit u's completion flags, "T" or "F" per question. The practice
// end replaces unit `unit`'s line (units 0-25; any other number leaves the lines as read) and
// writes lines 1 .. unitCount back with the closing empty line.
Outcome saveUnitProgress(int unit, const QString& flags, int unitCount);

// QuestionStates: one line of 40 digits, the states without the visited bit; the exam sets' files
// keep only the mark (the solved bit is dropped too).
QString statesLine(const States& states, bool keepSolved);
// Clears the visited bit of questions 1-40, as every save does in the live table.
void clearVisited(States& states);
// tmState(1..40) from a states line: digit i is question i's state; a missing or non-digit
// character gives 0.
States statesFromLine(QStringView line);
// The states line followed by the one more CR LF of the progress files.
Outcome saveStates(const QString& path, const QString& line);
struct StatesRead {
    common::TextStatus status = common::TextStatus::Missing;
    States states{};
};
StatesRead readStates(const QString& path);

// WrongList: one line of four-character question codes (line 1 of the file; empty when every
// question was solved).
struct WrongListRead {
    common::TextStatus status = common::TextStatus::Missing;
    QString line;
};
WrongListRead readWrongList(int set);
// The results screen writes the list with one line end (its own form), the error review's end
// with the one more CR LF of the progress files.
Outcome saveWrongList(int set, const QString& codes, common::TextEnding ending);
// The codes of the list whose review question was not solved: code i (i = 1 .. length div 4) is
// kept when states(i) is below 4.
QString pruneWrongList(const QString& codes, const States& states);

// ExamScore: 2.5 points a solved question (state 4 or more) of the 40, shortest decimal form.
double examScore(const States& states);
QString scoreText(double score);

// ExamHistory: three lines per exam set s, 3s + 1 the time of the latest exam, 3s + 2 the best
// score, 3s + 3 carried along. The entry's time is ksStart, or `now` when ksStart is "-1" (an
// answer was looked at), in which case the best score is left alone; otherwise the best is
// replaced when the score is higher than the number there (an empty line counts as 0). The file
// is rewritten for sets 0 .. setCount - 1 (and at least up to `set`).
Outcome recordExamHistory(int set, int setCount, const QString& ksStart, double score, const QDateTime& now);

} // namespace drill
