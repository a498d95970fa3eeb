// A unit's question list and step file together, through the unit launch and the set builder:
// every question reads only records of its own block, or the unit is refused.
//
// Input: a byte for the practice's question count, a byte choosing the questions of the set, then
// the question list and the step file, separated by the first byte 0x1f (the unit separator).
#include <QList>
#include <QStringList>
#include <algorithm>
#include <optional>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/text_file.h"
#include "drill/bank_files.h"
#include "drill/progress_files.h"
#include "fuzz_support.h"
#include "home/launch.h"
#include "platform/app.h"
#include "steps/question_block.h"

namespace {

// The list rule written out again, independently of the reader under test: the list ends at the
// end of the file or a line empty after trimming spaces; a count is characters 5-6 (leading
// blanks, an optional sign, digits; anything else 0).
QStringList referenceQuestions(const QStringList& lines)
{
    QStringList out;
    for (const QString& l : lines) {
        if (QString(l).remove(u' ').isEmpty()) break;
        out << l;
    }
    return out;
}

// Each question's own block: lines first .. first + count - 1 of the step file, the blocks one
// after another from line 1. Nothing when a count is below 0: no question has a block of its own.
struct Own {
    qint64 first = 0;
    qint64 count = 0;
};
std::optional<QList<Own>> ownBlocks(const QStringList& questions)
{
    QList<Own> blocks;
    qint64 next = 1;
    for (const QString& q : questions) {
        const int c = drill::stepCount(q);
        if (c < 0) return std::nullopt;
        blocks << Own{next, c};
        next += c;
    }
    return blocks;
}

int records(const QStringList& steps)
{
    int n = int(steps.size());
    while (n > 0 && steps.at(n - 1).isEmpty())
        --n;
    return n;
}

// Every record the desktops can read for question q (steps 0 .. count + 1 of its block) is a
// line of its own block.
void checkReads(const common::DrillVars& d, int q, const QStringList& steps, const Own& own, int recordCount)
{
    const std::optional<steps::Block> block = steps::questionBlock(d, q);
    if (!block) {
        fuzz::check(own.count == 0, "a question with records has a block");
        return;
    }
    fuzz::check(block->first == own.first && block->count == own.count, "the block is the question's own");
    fuzz::check(own.first + own.count - 1 <= recordCount, "the block is among the step file's records");
    for (int s = 0; s <= block->count + 1; ++s) {
        const std::optional<QString> rec = steps::blockRecord(steps, *block, s);
        if (s < 1 || s > own.count)
            fuzz::check(!rec, "no record outside the block is read");
        else
            fuzz::check(rec && *rec == steps.at(own.first + s - 2), "a step reads its own line");
    }
}

void launchUnit(int tmCount, const QStringList& list, const QStringList& steps, bool filesRead)
{
    fuzz::writeBytes(drill::unitProgressPath(), QByteArray(tmCount, 'F') + "\r\n\r\n");
    QString failure;
    const std::optional<home::UnitLaunch> launch = home::prepareUnitPractice(0, &failure);
    if (!launch) return;
    fuzz::check(filesRead, "a unit whose files cannot be read is refused");
    const QStringList questions = referenceQuestions(list);
    const std::optional<QList<Own>> own = ownBlocks(questions);
    fuzz::check(own.has_value(), "a list with a count below 0 is refused");
    fuzz::check(launch->tmCount <= questions.size(), "every question of the practice is in the list");
    common::DrillVars d;
    d.tmStart = launch->tmStart;
    const int recordCount = records(steps);
    fuzz::check(own->isEmpty() || own->last().first + own->last().count - 1 == recordCount,
                "the list accounts for every record");
    for (int q = 1; q <= launch->tmCount; ++q)
        checkReads(d, q, steps, own->at(q - 1), recordCount);
}

void buildSet(int count, int seed, const QStringList& list, const QStringList& steps, bool filesRead)
{
    const int available = int(referenceQuestions(list).size());
    // Codes of unit 0 in an order of the seed's choosing, some of them beyond the list.
    QString codes;
    for (int i = 0; i < count; ++i)
        codes += QStringLiteral("00%1").arg((i * (seed | 1) + seed) % std::min(available + 2, 99) + 1, 2, 10,
                                            QLatin1Char('0'));
    const int set = 1;
    QFile::remove(drill::bankPath(set));
    QFile::remove(drill::bankPath(set + drill::bankno::ListOffset));
    if (!drill::copyShiTI(codes, count, set).ok()) return;
    fuzz::check(filesRead, "a unit whose files cannot be read builds no set");

    const QStringList questions = referenceQuestions(list);
    const std::optional<QList<Own>> own = ownBlocks(questions);
    fuzz::check(own.has_value(), "a unit with a count below 0 builds no set");
    const int recordCount = records(steps);
    const common::TextReadResult builtList =
        common::readTextFile(drill::bankPath(set + drill::bankno::ListOffset));
    const common::TextReadResult builtSteps = common::readTextFile(drill::bankPath(set));
    fuzz::check(builtList.ok() && builtSteps.ok(), "a built set reads");
    const QStringList built = referenceQuestions(builtList.lines);
    fuzz::check(built.size() == count, "a built set holds every code");
    const std::optional<QList<Own>> builtOwn = ownBlocks(built);
    fuzz::check(builtOwn.has_value(), "a built set has no count below 0");
    for (int i = 1; i <= count; ++i) {
        const int q = codes.mid(4 * (i - 1), 4).toInt() % 100;
        fuzz::check(q >= 1 && q <= questions.size(), "a built question is in its unit");
        const Own& from = own->at(q - 1);
        const Own& to = builtOwn->at(i - 1);
        fuzz::check(from.count >= 1 && from.first + from.count - 1 <= recordCount,
                    "a built question's block is among its unit's records");
        fuzz::check(to.count == from.count, "a built block is as long as its question's");
        for (qint64 r = 0; r < to.count; ++r)
            fuzz::check(builtSteps.lines.value(to.first + r - 1) == steps.at(from.first + r - 1),
                        "a built block holds its own question's records");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) return 0;
    platform::app::setPath(fuzz::scratch());
    auto& d = common::drill();
    d.dataPath = fuzz::scratchFile(QStringLiteral("bank/x")).chopped(1);
    d.dataExt = common::defaultDataExt();
    QDir().mkpath(fuzz::scratch() + QStringLiteral("/ksdata"));

    const int tmCount = 1 + data[0] % common::DrillVars::MaxQuestions;
    const int seed = data[1];
    const QByteArrayView rest = fuzz::view(data + 2, size - 2);
    const qsizetype cut = rest.indexOf('\x1f');
    const QByteArrayView listBytes = cut < 0 ? rest : rest.first(cut);
    const QByteArrayView stepBytes = cut < 0 ? QByteArrayView() : rest.sliced(cut + 1);
    fuzz::writeBytes(drill::bankPath(drill::bankno::UnitList), listBytes);
    fuzz::writeBytes(drill::bankPath(drill::bankno::UnitSteps), stepBytes);
    const common::TextReadResult list = common::readTextFile(drill::bankPath(drill::bankno::UnitList));
    const common::TextReadResult steps = common::readTextFile(drill::bankPath(drill::bankno::UnitSteps));
    const bool filesRead = list.ok() && steps.ok();
    launchUnit(tmCount, list.lines, steps.lines, filesRead);
    // Eight codes at most: enough to mix the questions, few enough for a quick run.
    buildSet(std::min(tmCount, 8), seed, list.lines, steps.lines, filesRead);
    return 0;
}
