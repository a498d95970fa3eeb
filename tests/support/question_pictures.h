#pragma once
// Whose pictures a desktop shows, for fixtures that name every picture of a question after the
// question's code (the first four characters of its question-list line): what a question change
// shows before the question's step is rendered.
#include <QString>
#include <utility>

#include "common/drill_state.h"
#include "common/text_file.h"
#include "platform/picture.h"
#include "support/script.h"

namespace testkit {

// The code of the drill's current question, from its line of the question list.
inline QString currentQuestionCode()
{
    const auto& d = common::drill();
    const common::LineResult line = common::readLineOrLast(d.tmPath, d.dqTm);
    return line.line ? line.line->left(4) : QString();
}

inline QString pictureName(const platform::Picture& p)
{
    return p.source().section(QLatin1Char('/'), -1);
}

// The first picture of another question than the current one that a desktop shows (its
// background, then each visible overlay Image1-Image6), as "<file> at question <code>"; empty
// when it shows only the current question's pictures or none.
template <class Desk> QString otherQuestionShown(const Desk& f)
{
    const QString own = currentQuestionCode();
    const std::pair<const platform::Picture*, bool> shown[] = {
        {&f.picture(), true},
        {&f.Image1.picture(), f.Image1.Visible()},
        {&f.Image2.picture(), f.Image2.Visible()},
        {&f.Image3.picture(), f.Image3.Visible()},
        {&f.Image4.picture(), f.Image4.Visible()},
        {&f.Image5.picture(), f.Image5.Visible()},
        {&f.Image6.picture(), f.Image6.Visible()},
    };
    for (const auto& [picture, visible] : shown) {
        const QString name = pictureName(*picture);
        if (visible && !name.isEmpty() && !name.startsWith(own))
            return name + QStringLiteral(" at question ") + own;
    }
    return {};
}

// Samples the candidate's desktop every 10 ms from a question change until the panel has loaded
// the question and the desktop has rendered its step: the first sample that showed a picture of
// another question or the "操作成功！" of the one before, with its time; empty when none did.
template <class Panel, class Desk>
QString firstSampleOfAnotherQuestion(Panel& panel, Desk& desk, ManualTime& time)
{
    QString seen;
    int ms = 0;
    do {
        if (seen.isEmpty()) {
            if (const QString other = otherQuestionShown(desk); !other.isEmpty())
                seen = QStringLiteral("%1 ms: ").arg(ms) + other;
            else if (desk.LblSuccess.Visible())
                seen = QStringLiteral("%1 ms: 操作成功！").arg(ms);
            else if (!desk.Visible())
                seen = QStringLiteral("%1 ms: the desktop hidden").arg(ms);
        }
        time.advance(10);
        ms += 10;
    } while ((panel.TimerREDO.Enabled() || desk.Timer2.Enabled()) && ms < 1000);
    if (ms >= 1000) return QStringLiteral("the question was never rendered");
    return seen;
}

} // namespace testkit
