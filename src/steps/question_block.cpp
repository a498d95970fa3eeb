#include "steps/question_block.h"

namespace steps {

std::optional<Block> questionBlock(const common::DrillVars& d, int q)
{
    if (q < 1 || q > common::DrillVars::MaxQuestions) return std::nullopt;
    const Block b{d.tmStart[size_t(q)], d.tmStart[size_t(q) + 1] - d.tmStart[size_t(q)]};
    if (b.first < 1 || b.count < 1) return std::nullopt;
    return b;
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

} // namespace steps
