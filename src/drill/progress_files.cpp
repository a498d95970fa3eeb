#include "drill/progress_files.h"

#include <QDir>

#include "common/naming.h"
#include "common/numbers.h"
#include "common/question_state.h"
#include "platform/app.h"

namespace drill {

namespace {

QString progressFile(const QString& stem, int number)
{
    return common::numberedFile(ksdataFolder(), stem, number, QStringLiteral(".rar"));
}

// Rewrites a progress file read just before (its status says whether it may be overwritten).
Outcome rewrite(const QString& path, common::TextStatus readStatus, const QStringList& lines,
                common::TextEnding ending)
{
    if (Outcome folder = ensureKsdata(); !folder.ok()) return folder;
    switch (common::rewriteTextFile(path, readStatus, lines, ending)) {
    case common::WriteStatus::Ok:
        return {};
    case common::WriteStatus::Refused:
        return Outcome::fail(unreadableFileText(path) +
                             QStringLiteral("为免丢失其中的记录，本次没有改写它。"));
    case common::WriteStatus::NoSpace:
        return Outcome::fail(diskFullText());
    default:
        return Outcome::fail(unwritableFileText(path));
    }
}

} // namespace

QString ksdataFolder()
{
    return common::joinPath(platform::app::path(), QStringLiteral("ksdata"));
}

QString unitProgressPath()
{
    return progressFile(QStringLiteral("2888"), 93);
}

QString unitStatesPath(int unit)
{
    return progressFile(QStringLiteral("2088"), unit);
}

QString examStatesPath(int set)
{
    return progressFile(QStringLiteral("2188"), set);
}

QString wrongListPath(int set)
{
    return progressFile(QStringLiteral("1824"), set);
}

QString examHistoryPath()
{
    return progressFile(QStringLiteral("2888"), 92);
}

Outcome ensureKsdata()
{
    const QString folder = ksdataFolder();
    if (QFileInfo(folder).isDir() || QDir().mkpath(folder)) return {};
    return Outcome::fail(QStringLiteral("无法建立进度文件夹“%1”。").arg(QDir::toNativeSeparators(folder)));
}

Outcome saveUnitProgress(int unit, const QString& flags, int unitCount)
{
    const QString path = unitProgressPath();
    const common::TextReadResult file = common::readTextFile(path);
    QStringList entries = file.lines.mid(0, UnitProgressRead);
    while (entries.size() < UnitProgressRead)
        entries << QString();
    int written = std::max(0, unitCount);
    if (unit >= 0 && unit < UnitProgressRead) {
        // A drill of fewer questions than the line holds keeps the flags of the others.
        entries[unit] = flags + entries[unit].mid(flags.size());
        written = std::max(written, unit + 1); // the drill's own line is never cut off
    }
    while (entries.size() < written)
        entries << QString();
    return rewrite(path, file.status, entries.mid(0, written), common::TextEnding::ExtraCrLfAtEnd);
}

QString statesLine(const States& states, bool keepSolved)
{
    QString line;
    for (int i = 1; i <= common::DrillVars::MaxQuestions; ++i) {
        int s = states[i] & ~common::TmVisited;
        if (!keepSolved && common::isSolved(s)) s -= common::TmSolved;
        line += QString::number(s);
    }
    return line;
}

void clearVisited(States& states)
{
    for (int i = 1; i <= common::DrillVars::MaxQuestions; ++i)
        if (states[i] % 2 != 0) states[i] -= 1;
}

States statesFromLine(QStringView line)
{
    States s{};
    for (int i = 1; i <= common::DrillVars::MaxQuestions && i <= line.size(); ++i) {
        const QChar c = line[i - 1];
        s[i] = c.isDigit() && c.unicode() < 128 ? c.unicode() - u'0' : 0;
    }
    return s;
}

Outcome saveStates(const QString& path, const QString& line)
{
    return rewrite(path, common::readTextFile(path).status, {line}, common::TextEnding::ExtraCrLfAtEnd);
}

StatesRead readStates(const QString& path)
{
    StatesRead r;
    const common::TextReadResult file = common::readTextFile(path);
    r.status = file.status;
    if (file.ok() && !file.lines.isEmpty()) r.states = statesFromLine(file.lines.first());
    return r;
}

WrongListRead readWrongList(int set)
{
    WrongListRead r;
    const common::TextReadResult file = common::readTextFile(wrongListPath(set));
    r.status = file.status;
    if (file.ok() && !file.lines.isEmpty()) r.line = file.lines.first();
    return r;
}

Outcome saveWrongList(int set, const QString& codes, common::TextEnding ending)
{
    const QString path = wrongListPath(set);
    return rewrite(path, common::readTextFile(path).status, {codes}, ending);
}

QString pruneWrongList(const QString& codes, const States& states)
{
    QString kept;
    const int n = int(codes.size()) / 4;
    for (int i = 1; i <= n; ++i) {
        const bool solved = i <= common::DrillVars::MaxQuestions && common::isSolved(states[i]);
        if (!solved) kept += codes.mid(4 * (i - 1), 4);
    }
    return kept;
}

double examScore(const States& states)
{
    double score = 0;
    for (int i = 1; i <= common::DrillVars::MaxQuestions; ++i)
        if (common::isSolved(states[i])) score += 2.5;
    return score;
}

QString scoreText(double score)
{
    return QString::number(score, 'g', 10);
}

Outcome recordExamHistory(int set, int setCount, const QString& ksStart, double score, const QDateTime& now)
{
    const QString path = examHistoryPath();
    const common::TextReadResult file = common::readTextFile(path);
    QStringList entries = file.lines;
    const int written = 3 * std::max(setCount, set + 1);
    while (entries.size() < written)
        entries << QString();
    const int timeLine = 3 * set, bestLine = 3 * set + 1; // 0-based: lines 3s + 1 and 3s + 2
    if (ksStart == QLatin1String("-1")) {
        entries[timeLine] = fileTime(now);
    } else {
        entries[timeLine] = ksStart;
        if (common::leadingNumber(entries[bestLine]) < score) entries[bestLine] = scoreText(score);
    }
    return rewrite(path, file.status, entries.mid(0, written), common::TextEnding::ExtraCrLfAtEnd);
}

} // namespace drill
