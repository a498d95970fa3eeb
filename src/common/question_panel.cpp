#include "common/question_panel.h"

namespace common {

namespace {

std::function<QuestionPanel*()>& source()
{
    static std::function<QuestionPanel*()> s;
    return s;
}

} // namespace

void setQuestionPanel(std::function<QuestionPanel*()> s)
{
    source() = std::move(s);
}

QuestionPanel* questionPanel()
{
    return source() ? source()() : nullptr;
}

} // namespace common
