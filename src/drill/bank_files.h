#pragma once
// The question bank's drill files: the set table, the question lists, the step files, the
// login-time log, the set builder that assembles an exam set or the review set from the unit
// files, and the table of first step-file lines that every drill start builds.
//
// Every reader says what went wrong in words for the candidate (`failure`, empty when all went
// well); a drill start shows that text and goes back to the home screen instead of running a
// drill over a broken bank.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

#include "common/text_file.h"

namespace drill {

// Bank file numbers (dataPath & "2888" & NN & dataExt).
namespace bankno {
constexpr int ReviewSet = 19;  // step file of the error review; its list is 69
constexpr int UnitSteps = 20;  // + unit: a unit's step file
constexpr int ListOffset = 50; // step file number + 50: its question list
constexpr int UnitList = 70;   // + unit: a unit's question list
constexpr int SetTable = 91;
constexpr int LoginTimes = 94;
constexpr int MaxUnit = 19; // unit 20 would name the answer texts (90) as its list
constexpr int MaxSet = 18;  // exam sets 0-18 have numbers of their own
} // namespace bankno

constexpr int MaxDrillQuestions = 40; // questions a drill holds
constexpr int MaxListQuestions = 44;  // questions whose starts tmStart (1 To 45) can hold

// A bank file of the drill state's dataPath and dataExt.
QString bankPath(int number);

// The outcome of a step that reads or writes bank or progress files: empty when it went well,
// otherwise what the candidate is told.
struct Outcome {
    QString failure;
    bool ok() const { return failure.isEmpty(); }
    static Outcome fail(const QString& why) { return {why}; }
};

// The candidate's words for a file that could not be read or written.
QString missingFileText(const QString& path);
QString unreadableFileText(const QString& path);
QString unwritableFileText(const QString& path);
// The words for progress that could not be saved because the disk is full: the same for every
// file, so that a save of several files says it once.
QString diskFullText();
// The text for a read that did not succeed (status Missing, Unreadable or BadEncoding).
QString readFailureText(const common::TextReadResult& r, const QString& path);

// A question code UUQQ: the four characters read as one number (leading blanks skipped).
struct QuestionCode {
    int unit = 0;     // UU: number div 100
    int question = 0; // QQ: number mod 100, 1-based
};
// Code i (1-based) of a string of four-character codes; nothing when the field is shorter than
// four characters (the string ends before it) or reads as a negative number.
std::optional<QuestionCode> codeAt(QStringView codes, int i);

// The question list's rule of the step library (steps/question_block.h), as the drill files use it.
// Step count of a question-list line: characters 5-6 read as a number (0 when they hold none).
int stepCount(QStringView listLine);
// The questions of a question list: its lines up to the end of the file or the first line that
// is empty after trimming blanks.
QStringList listQuestions(const QStringList& fileLines);

// The records of a step file: its lines up to the last one that is not empty.
int stepRecords(const QStringList& stepLines);
// Whether the step counts of a list's questions account for a step file's records exactly
// (steps::listFitsSteps): every question's start checked, no count below 0, every block among
// the records and their sum the number of records. When they do not, a question would begin
// inside a neighbour's block (and could begin on its terminal record), so the bank is refused.
bool blocksAddUp(const QStringList& questions, const QStringList& stepLines);
// The candidate's words for a question list and a step file that do not agree.
QString blocksMismatchText(const QString& listPath, const QStringList& questions, const QString& stepPath,
                           const QStringList& stepLines);

// The set builder: step file t and question list t + 50 hold, in code order, the list line and
// the step block of each of the first `count` codes, copied unchanged from the unit files.
// Every code is checked (a whole field, a unit 0-19 whose two files exist, can be read and agree
// (blocksAddUp), a question 1..list length with at least one step) before
// anything is written; both targets are then written whole through temporary files, and when the
// list cannot be written the step file is put back as it was, so a failed build never leaves the
// earlier set half overwritten.
Outcome copyShiTI(QStringView codes, int count, int t);

// Fills tmStart of the drill state from the drill's question list tmPath: tmStart(1) = 1 and
// tmStart(k + 1) = tmStart(k) + the step count of list line k. `questions` is the number of
// questions found (tmLines).
struct TmStartResult : Outcome {
    int questions = 0;
};
TmStartResult buildTmStart();

// The login-time log: line s + 1 holds the latest login to exam set s ("yyyy-mm-dd hh:mm:ss"),
// empty for a set never started. Rewritten with the lines of sets 0 .. setCount - 1 (and at
// least up to `set`) and the closing empty line. A log that exists but cannot be read is left
// alone and the failure is given back.
Outcome recordLoginTime(int set, int setCount, const QDateTime& when);

// The login's build of exam set `set`: its code line (set table line set + 3) through the set
// builder, then its login time. A failure of the build stops before the log is touched; a log
// that cannot be rewritten does not stop the exam (`logFailure`).
struct ExamSetBuild : Outcome {
    QString logFailure;
};
ExamSetBuild buildExamSet(int set, int setCount, const QDateTime& when);

// "yyyy-mm-dd hh:mm:ss" in local time, the form of every time written to the bank and progress
// files.
QString fileTime(const QDateTime& t);

} // namespace drill
