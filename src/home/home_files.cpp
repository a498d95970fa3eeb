#include "home/home_files.h"

#include <algorithm>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/trim.h"
#include "home/km_info.h"
#include "platform/app.h"
#include "steps/question_block.h"

namespace home {

namespace {

int fieldValue(QStringView text)
{
    return common::FieldNumber(text).value_or(0);
}

// A question count of the set table's second line: one or two digits, blanks around them allowed.
bool isCount(QStringView pair)
{
    bool digit = false;
    for (const QChar c : pair) {
        if (c == u' ' || c == u'\t') continue;
        if (c < u'0' || c > u'9') return false;
        digit = true;
    }
    return digit;
}

} // namespace

InfoLoad loadModuleInfo()
{
    InfoLoad load;
    const KmInfoLoad read = loadKmInfo(platform::app::path());
    if (!read.info) {
        load.failure = read.failure;
        return load;
    }
    common::DrillState& d = common::drill();
    d.kmNo = read.info->kmNo;
    d.kmName = read.info->kmName;
    d.kmTitle = read.info->kmTitle;
    d.dataPath = read.info->dataPath;
    load.ok = true;
    load.lines = read.lines;
    return load;
}

std::array<int, CountedUnits> unitQuestionCounts(QStringView line2)
{
    std::array<int, CountedUnits> counts{};
    for (qsizetype i = 0; i < line2.size() && i / 2 < CountedUnits; i += 2)
        counts[i / 2] = fieldValue(line2.mid(i, 2));
    return counts;
}

SetTable readSetTable(const QString& dataPath)
{
    SetTable t;
    const common::TextReadResult file = common::readTextFile(common::bankFile(dataPath, 91));
    t.status = file.status;
    if (file.lines.isEmpty()) return t;
    const QString line1 = common::trimSpaces(file.lines.at(0));
    t.setCount = fieldValue(QStringView(line1).mid(0, 2));
    t.unitCount = fieldValue(QStringView(line1).mid(2, 2));
    if (file.lines.size() >= 2) {
        const QString& line2 = file.lines.at(1);
        t.unitQuestions = unitQuestionCounts(line2);
        // A line with fewer counts than the units declared, or with a declared unit's count that is
        // no number, is damaged: read as 0, a missing or broken count would cut that unit's
        // progress to nothing.
        const int declared = std::clamp(t.unitCount, 0, CountedUnits);
        bool counts = (line2.size() + 1) / 2 >= declared;
        for (int u = 0; counts && u < declared; ++u)
            counts = isCount(QStringView(line2).mid(2 * u, 2));
        t.countsRead = file.status == common::TextStatus::Ok && counts;
    }
    return t;
}

QStringList normaliseProgress(const QStringList& entries, const std::array<int, CountedUnits>& counts)
{
    QStringList out;
    for (int u = 0; u < ProgressKept; ++u) {
        const int count = std::clamp(counts[u], 0, MaxQuestions);
        QString e = entries.value(u).left(count);
        out << e + QString(count - e.size(), u'F');
    }
    return out;
}

QStringList firstLines(const common::TextReadResult& file, int n)
{
    QStringList out = file.lines.mid(0, n);
    while (out.size() < n)
        out << QString();
    return out;
}

QString historyCaption(const QString& lastTime, const QString& bestScore)
{
    return QStringLiteral("最后考试时间 ") + lastTime + QStringLiteral("  最好成绩 ") + bestScore;
}

QuestionStarts questionStarts(const QStringList& listLines, int maxQuestions)
{
    // The list ends, and each question starts, by the step library's rule, the rule of the check
    // against the step file.
    const QStringList questions = steps::listQuestions(listLines).mid(0, std::max(0, maxQuestions));
    QuestionStarts q;
    for (const qint64 start : steps::listStarts(questions))
        q.starts << int(start);
    q.questions = int(questions.size());
    return q;
}

} // namespace home
