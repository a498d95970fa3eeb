#include "steps/step_file.h"

#include <QFileInfo>

#include "common/drill_state.h"
#include "common/text_file.h"
#include "steps/question_block.h"

namespace steps {

const QStringList* StepFile::lines(const QString& path)
{
    if (path == asked && !found.isEmpty()) {
        const QFileInfo info(found);
        if (info.isFile() && info.size() == size && info.lastModified() == changed)
            return readable ? &kept : nullptr;
    }
    common::TextReadResult file = common::readTextFile(path);
    ++readCount;
    asked = path;
    found = file.path;
    const QFileInfo info(found);
    size = info.size();
    changed = info.lastModified();
    readable = file.ok();
    kept = readable ? std::move(file.lines) : QStringList();
    return readable ? &kept : nullptr;
}

void StepFile::forget()
{
    asked.clear();
    found.clear();
    kept.clear();
    readable = false;
}

StepFile& stepFile()
{
    static StepFile file;
    return file;
}

std::optional<QString> questionRecord(int question, int step)
{
    const auto& d = common::drill();
    const std::optional<Block> block = questionBlock(d, question);
    if (!block) return std::nullopt;
    const QStringList* lines = stepFile().lines(d.stepPath);
    if (!lines) return std::nullopt;
    return blockRecord(*lines, *block, step);
}

} // namespace steps
