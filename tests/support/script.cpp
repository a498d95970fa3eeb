#include "support/script.h"

#include <gtest/gtest.h>

namespace testkit {

namespace {

std::string describe(const platform::MsgBoxRequest& r)
{
    return QStringLiteral("\"%1\" (title \"%2\", style %3)")
        .arg(r.prompt, r.title)
        .arg(r.style)
        .toStdString();
}

} // namespace

ScriptedMessageBoxes::ScriptedMessageBoxes()
    : previous_(platform::messageBoxService())
{
    platform::setMessageBoxService(this);
}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    platform::setMessageBoxService(previous_);
    for (const Expected& e : queue_)
        ADD_FAILURE() << "expected message box never shown: "
                      << (e.prompt ? "\"" + e.prompt->toStdString() + "\"" : std::string("(any prompt)"))
                      << ", to be answered " << e.answer;
}

ScriptedMessageBoxes& ScriptedMessageBoxes::expect(int answer)
{
    queue_.append({answer, std::nullopt, std::nullopt, std::nullopt});
    return *this;
}

ScriptedMessageBoxes& ScriptedMessageBoxes::expect(int answer, const QString& prompt,
                                                   const std::optional<QString>& title,
                                                   std::optional<int> style)
{
    queue_.append({answer, prompt, title, style});
    return *this;
}

int ScriptedMessageBoxes::ask(const platform::MsgBoxRequest& request)
{
    seen_.append(request);
    if (queue_.isEmpty()) {
        ADD_FAILURE() << "unexpected message box " << describe(request);
        return platform::msgBoxEscapeResult(request.style);
    }
    const Expected& next = queue_.first();
    if (next.prompt && !request.prompt.contains(*next.prompt)) {
        ADD_FAILURE() << "unexpected message box " << describe(request) << " while expecting \""
                      << next.prompt->toStdString() << "\"";
        return platform::msgBoxEscapeResult(request.style);
    }
    const Expected e = queue_.takeFirst();
    if (e.title && request.title != *e.title)
        ADD_FAILURE() << "message box " << describe(request) << " expected with title \""
                      << e.title->toStdString() << "\"";
    if (e.style && request.style != *e.style)
        ADD_FAILURE() << "message box " << describe(request) << " expected with style " << *e.style;
    if (!platform::msgBoxButtons(request.style).contains(e.answer))
        ADD_FAILURE() << "message box " << describe(request) << " has no button for the scripted answer "
                      << e.answer;
    return e.answer;
}

ManualTime::ManualTime(const QDateTime& start)
    : clock_(start)
{
    platform::setClock(&clock_);
}

ManualTime::~ManualTime()
{
    platform::setClock(nullptr);
}

} // namespace testkit
