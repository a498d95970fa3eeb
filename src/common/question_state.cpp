#include "common/question_state.h"

namespace common {

namespace {

bool inDrill(int q)
{
    return q >= 1 && q <= DrillVars::MaxQuestions;
}

bool byStates(const DrillState& d)
{
    return d.fileBase == 0 || d.setNo == -1;
}

} // namespace

bool isSolved(int state)
{
    return state >= TmSolved;
}

int solvedState(int state)
{
    return isSolved(state) ? state : state + TmSolved;
}

QString panelTitle(const DrillState& d)
{
    const int q = d.dqTm;
    const QString n = QString::number(q);
    if (d.setNo == -1)
        return QStringLiteral("错题复习  第") + n + QStringLiteral("/") + QString::number(d.tmCount) +
               QStringLiteral("题");
    if (d.fileBase == 20) {
        const bool open = !inDrill(q) || d.tmDone[q] == QLatin1String("F");
        return QStringLiteral("第") + QString::number(d.setNo + 1) + QStringLiteral("单元  第") + n +
               QStringLiteral("/") + QString::number(d.tmCount) + QStringLiteral("题") +
               (open ? QStringLiteral("（未完成）") : QStringLiteral("（已完成）"));
    }
    return d.kmName + QStringLiteral("-第") + QString::number(d.setNo + 1) + QStringLiteral("套 第") + n +
           QStringLiteral("题");
}

bool solvingRetitles(const DrillState& d)
{
    return d.fileBase == 20 || d.setNo == -1;
}

QString unfinishedQuestions(const DrillState& d)
{
    QString s = QStringLiteral("未完成的题目");
    for (int i = 1; i <= d.tmCount && i <= DrillVars::MaxQuestions; ++i) {
        const bool open = byStates(d) ? !isSolved(d.tmState[i]) : d.tmDone[i] == QLatin1String("F");
        if (open) s += QLatin1Char(' ') + QString::number(i);
    }
    return s;
}

} // namespace common
