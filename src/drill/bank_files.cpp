#include "drill/bank_files.h"

#include <QDir>
#include <QFile>
#include <map>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/record.h"
#include "platform/files.h"
#include "steps/question_block.h"

namespace drill {

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A unit's two files, read once per build.
struct UnitFiles {
    QString failure;
    QStringList questions; // the list's lines up to its end
    QStringList steps;     // the step file's lines
    QString stepPath;
};

UnitFiles readUnit(int unit)
{
    UnitFiles u;
    const QString listPath = bankPath(bankno::UnitList + unit);
    const common::TextReadResult list = common::readTextFile(listPath);
    if (!list.ok()) {
        u.failure = readFailureText(list, listPath);
        return u;
    }
    u.questions = listQuestions(list.lines);
    u.stepPath = bankPath(bankno::UnitSteps + unit);
    const common::TextReadResult steps = common::readTextFile(u.stepPath);
    if (!steps.ok()) {
        u.failure = readFailureText(steps, u.stepPath);
        return u;
    }
    u.steps = steps.lines;
    if (!blocksAddUp(u.questions, u.steps))
        u.failure = blocksMismatchText(listPath, u.questions, u.stepPath, u.steps);
    return u;
}

} // namespace

QString bankPath(int number)
{
    const auto& d = common::drill();
    return common::bankFile(d.dataPath, number, d.dataExt);
}

QString missingFileText(const QString& path)
{
    return QStringLiteral("找不到文件“%1”。").arg(shown(path));
}

QString unreadableFileText(const QString& path)
{
    return QStringLiteral("无法读取文件“%1”。").arg(shown(path));
}

QString unwritableFileText(const QString& path)
{
    return QStringLiteral("无法写入文件“%1”。").arg(shown(path));
}

QString diskFullText()
{
    return QStringLiteral("磁盘已满，进度无法保存，原有的进度记录仍然保留。");
}

QString readFailureText(const common::TextReadResult& r, const QString& path)
{
    return r.status == common::TextStatus::Missing ? missingFileText(path) : unreadableFileText(path);
}

std::optional<QuestionCode> codeAt(QStringView codes, int i)
{
    if (i < 1) return std::nullopt;
    const QStringView f = common::fieldView(codes, 4 * (i - 1) + 1, 4);
    if (f.size() < 4) return std::nullopt;
    const double n = common::leadingNumber(f);
    if (n < 0) return std::nullopt;
    const int whole = int(n);
    return QuestionCode{whole / 100, whole % 100};
}

int stepCount(QStringView listLine)
{
    return steps::listStepCount(listLine);
}

QStringList listQuestions(const QStringList& fileLines)
{
    return steps::listQuestions(fileLines);
}

int stepRecords(const QStringList& stepLines)
{
    return steps::stepRecords(stepLines);
}

namespace {

// The sum of the step counts, or -1 when one of them is below 0.
qint64 stepSum(const QStringList& questions)
{
    qint64 sum = 0;
    for (const QString& q : questions) {
        const int c = stepCount(q);
        if (c < 0) return -1;
        sum += c;
    }
    return sum;
}

} // namespace

bool blocksAddUp(const QStringList& questions, const QStringList& stepLines)
{
    return steps::listFitsSteps(questions, stepLines);
}

QString blocksMismatchText(const QString& listPath, const QStringList& questions, const QString& stepPath,
                           const QStringList& stepLines)
{
    const qint64 sum = stepSum(questions);
    const QString counted =
        sum < 0 ? QStringLiteral("有的题步骤数为负") : QStringLiteral("各题的步骤数合计%1步").arg(sum);
    return QStringLiteral("题库已损坏：题目文件“%1”中%2，操作步骤文件“%3”中却有%4条操作步骤。")
        .arg(shown(listPath), counted, shown(stepPath))
        .arg(stepRecords(stepLines));
}

Outcome copyShiTI(QStringView codes, int count, int t)
{
    if (count < 1 || count > MaxDrillQuestions || t < 0 || t > bankno::ReviewSet)
        return Outcome::fail(QStringLiteral("要生成的试题数目不对（%1道）。").arg(count));

    std::map<int, UnitFiles> units;
    QStringList list, steps;
    for (int i = 1; i <= count; ++i) {
        const auto code = codeAt(codes, i);
        const QString text = common::field(codes.toString(), 4 * (i - 1) + 1, 4);
        if (!code) return Outcome::fail(QStringLiteral("第%1题的试题代码“%2”不完整。").arg(i).arg(text));
        auto bad = [&](const QString& why) {
            return Outcome::fail(QStringLiteral("第%1题（试题代码“%2”）：%3").arg(i).arg(text, why));
        };
        if (code->unit > bankno::MaxUnit) return bad(QStringLiteral("题库中没有第%1单元。").arg(code->unit));
        auto it = units.find(code->unit);
        if (it == units.end()) it = units.emplace(code->unit, readUnit(code->unit)).first;
        const UnitFiles& u = it->second;
        if (!u.failure.isEmpty()) return bad(u.failure);
        if (code->question < 1 || code->question > u.questions.size())
            return bad(QStringLiteral("题库第%1单元中没有第%2题。").arg(code->unit).arg(code->question));

        int before = 0; // steps of the unit's earlier questions
        for (int q = 1; q < code->question; ++q)
            before += std::max(0, stepCount(u.questions[q - 1]));
        const QString& line = u.questions[code->question - 1];
        const int c = stepCount(line);
        if (c < 1)
            return bad(
                QStringLiteral("题库第%1单元第%2题没有操作步骤。").arg(code->unit).arg(code->question));
        if (before + c > u.steps.size())
            return bad(QStringLiteral("题库文件“%1”中第%2单元第%3题的操作步骤不全。")
                           .arg(shown(u.stepPath))
                           .arg(code->unit)
                           .arg(code->question));
        list << line;
        steps << u.steps.mid(before, c);
    }

    const QString stepTarget = bankPath(t);
    const QString listTarget = bankPath(t + bankno::ListOffset);
    // The two files are one set: when the list cannot be written, the step file goes back to
    // what it was, so a new step file never stands beside the old list.
    // A pipe or device in its place is no step file to keep.
    const platform::FileRead oldSteps = platform::readRegularFile(stepTarget);
    const bool hadSteps = oldSteps.ok();
    if (oldSteps.status == platform::FileReadStatus::Failed)
        return Outcome::fail(unreadableFileText(stepTarget));
    if (common::writeTextFile(stepTarget, steps) != common::WriteStatus::Ok)
        return Outcome::fail(unwritableFileText(stepTarget));
    if (common::writeTextFile(listTarget, list) != common::WriteStatus::Ok) {
        if (!hadSteps)
            QFile::remove(stepTarget);
        else
            platform::saveFileWhole(stepTarget, oldSteps.bytes);
        return Outcome::fail(unwritableFileText(listTarget));
    }
    return {};
}

TmStartResult buildTmStart()
{
    auto& d = common::drill();
    TmStartResult r;
    const common::TextReadResult file = common::readTextFile(d.tmPath);
    if (!file.ok()) {
        r.failure = readFailureText(file, d.tmPath);
        return r;
    }
    const QStringList questions = listQuestions(file.lines);
    if (questions.size() > MaxListQuestions) {
        r.failure = QStringLiteral("题目清单“%1”的题目超过%2道。").arg(shown(d.tmPath)).arg(MaxListQuestions);
        return r;
    }
    const QList<qint64> starts = steps::listStarts(questions);
    for (int k = 0; k < starts.size(); ++k)
        d.tmStart[k + 1] = int(starts.at(k));
    r.questions = int(questions.size());
    return r;
}

QString fileTime(const QDateTime& t)
{
    return t.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

Outcome recordLoginTime(int set, int setCount, const QDateTime& when)
{
    const QString path = bankPath(bankno::LoginTimes);
    const common::TextReadResult file = common::readTextFile(path);
    QStringList entries = file.lines;
    const int written = std::max(setCount, set + 1);
    while (entries.size() < written)
        entries << QString();
    entries[set] = fileTime(when);
    entries = entries.mid(0, written);
    switch (common::rewriteTextFile(path, file.status, entries, common::TextEnding::ExtraCrLfAtEnd)) {
    case common::WriteStatus::Ok:
        return {};
    case common::WriteStatus::Refused:
        return Outcome::fail(unreadableFileText(path));
    default:
        return Outcome::fail(unwritableFileText(path));
    }
}

ExamSetBuild buildExamSet(int set, int setCount, const QDateTime& when)
{
    ExamSetBuild r;
    if (set < 0 || set > bankno::MaxSet) {
        r.failure = QStringLiteral("没有第%1套试题。").arg(set + 1);
        return r;
    }
    const QString tablePath = bankPath(bankno::SetTable);
    const common::TextReadResult table = common::readTextFile(tablePath);
    if (!table.ok()) {
        r.failure = readFailureText(table, tablePath);
        return r;
    }
    // A table without the set's line would give another set's codes under this set's name.
    if (table.lines.size() < set + 3) {
        r.failure = QStringLiteral("题库的试卷表“%1”中没有第%2套试题。").arg(shown(tablePath)).arg(set + 1);
        return r;
    }
    const Outcome built = copyShiTI(table.lines[set + 2], MaxDrillQuestions, set);
    if (!built.ok()) {
        r.failure = built.failure;
        return r;
    }
    r.logFailure = recordLoginTime(set, setCount, when).failure;
    return r;
}

} // namespace drill
