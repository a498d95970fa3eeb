#pragma once
// A question's block of records in its unit's step file: where it starts and how many records it
// has, by the drill state's start lines. Both desktops and the question panel read a question's
// records only through its block, so that no question ever renders, plays or judges a neighbour's
// record (a neighbour's terminal record would record the question as solved).
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

#include "common/drill_state.h"

namespace steps {

struct Block {
    int first = 0; // the step file's line (1-based) of the question's first record
    int count = 0; // its number of records, the terminal one included
};

// The block of question `q`: none for a question number out of range or start lines that give
// no record.
std::optional<Block> questionBlock(const common::DrillVars& d, int q);
// The number of records of question `q` (0 when its block is not known).
int stepCount(const common::DrillVars& d, int q);
// `step` taken into question q's block: 1 to its number of records (no bound above when that is
// not known). A question never leaves its own block: a jump, the back button or an advance past
// its end would otherwise reach a neighbour's records (and its terminal record).
int clampStep(const common::DrillVars& d, int q, int step);
// Record `step` (1-based) of the block among the step file's lines: none for a step outside the
// block or a file that ends before it.
std::optional<QString> blockRecord(const QStringList& lines, const Block& block, int step);
// Whether every record of the block is among `lineCount` lines.
bool blockInFile(const Block& block, qsizetype lineCount);

// The question list's rule, the one every reader of a list keeps (the unit launcher, the set
// builder, the drill start and the check of a list against its step file): the list ends at the
// end of the file or at its first line that is empty after trimming blanks (spaces only: a line
// holding a tab is a question), and a question's step count is characters 5-6 of its line read
// as a number (0 when they hold none).
QStringList listQuestions(const QStringList& fileLines);
int listStepCount(QStringView listLine);
// The step file's first line of each question and of the line after the last: starts[0] = 1 and
// starts[k] = starts[k - 1] + the step count of question k (so question k's block is
// starts[k - 1] .. starts[k] - 1).
QList<qint64> listStarts(const QStringList& questions);
// The records of a step file: its lines up to the last one that is not empty.
int stepRecords(const QStringList& stepLines);
// Whether a list and its step file agree: every question starts at or after the line where the
// one before ends (no count below 0), its whole block lies among the step file's records, and the
// last block ends on the last record. When they do not, a question would begin inside a
// neighbour's block (perhaps on its terminal record) or beyond the file.
bool listFitsSteps(const QStringList& questions, const QStringList& stepLines);

} // namespace steps
