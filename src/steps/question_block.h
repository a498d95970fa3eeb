#pragma once
// A question's block of records in its unit's step file: where it starts and how many records it
// has, by the drill state's start lines. Both desktops and the question panel read a question's
// records only through its block, so that no question ever renders, plays or judges a neighbour's
// record (a neighbour's terminal record would record the question as solved).
#include <QString>
#include <QStringList>
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
// Record `step` (1-based) of the block among the step file's lines: none for a step outside the
// block or a file that ends before it.
std::optional<QString> blockRecord(const QStringList& lines, const Block& block, int step);
// Whether every record of the block is among `lineCount` lines.
bool blockInFile(const Block& block, qsizetype lineCount);

} // namespace steps
