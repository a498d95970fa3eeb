#include "steps/question_block.h"

#include "common/record.h"

#include <algorithm>

namespace steps {

std::optional<Block> questionBlock(const common::DrillVars& d, int q)
{
    if (q < 1 || q > common::DrillVars::MaxQuestions) return std::nullopt;
    const Block b{d.tmStart[size_t(q)], d.tmStart[size_t(q) + 1] - d.tmStart[size_t(q)]};
    if (b.first < 1 || b.count < 1) return std::nullopt;
    return b;
}

int stepCount(const common::DrillVars& d, int q)
{
    const std::optional<Block> block = questionBlock(d, q);
    return block ? block->count : 0;
}

int clampStep(const common::DrillVars& d, int q, int step)
{
    const int n = stepCount(d, q);
    if (n > 0 && step > n) step = n;
    return step < 1 ? 1 : step;
}

std::optional<QString> blockRecord(const QStringList& lines, const Block& block, int step)
{
    if (step < 1 || step > block.count) return std::nullopt;
    const qsizetype line = qsizetype(block.first) + step - 1;
    if (line > lines.size()) return std::nullopt;
    return lines.at(line - 1);
}

bool blockInFile(const Block& block, qsizetype lineCount)
{
    return block.first >= 1 && block.count >= 1 && qsizetype(block.first) + block.count - 1 <= lineCount;
}

QStringList listQuestions(const QStringList& fileLines)
{
    QStringList out;
    for (const QString& l : fileLines) {
        // Blanks only: the stored format trims spaces, and a tab is text.
        if (std::all_of(l.cbegin(), l.cend(), [](QChar c) { return c == u' '; })) break;
        out << l;
    }
    return out;
}

int listStepCount(QStringView listLine)
{
    return common::fieldNumber(listLine, 5, 2).value_or(0);
}

QList<qint64> listStarts(const QStringList& questions)
{
    QList<qint64> starts{1};
    for (const QString& q : questions)
        starts << starts.last() + listStepCount(q);
    return starts;
}

int stepRecords(const QStringList& stepLines)
{
    qsizetype n = stepLines.size();
    while (n > 0 && stepLines.at(n - 1).isEmpty())
        --n;
    return int(n);
}

bool listFitsSteps(const QStringList& questions, const QStringList& stepLines)
{
    const qint64 records = stepRecords(stepLines);
    const QList<qint64> starts = listStarts(questions);
    for (qsizetype k = 1; k < starts.size(); ++k) {
        // Question k's block: starts[k - 1] .. starts[k] - 1, each start checked on its own.
        if (starts[k] < starts[k - 1] || starts[k - 1] < 1) return false;
        if (starts[k] - 1 > records) return false;
    }
    return starts.last() - 1 == records;
}

} // namespace steps
