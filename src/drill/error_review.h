#pragma once
// The start of an error review: a practice drill over the questions of one exam set that were
// answered wrongly in its latest mock exam (its wrong-answer list), built as the review set 19.
// It starts from the results screen ("本次错题复习") and from the home screen's "错题复习" link of
// an exam-set card; the caller has set ksMode 2, setNo and errSetNo to the exam set.
#include <optional>

#include "platform/form.h"

namespace drill {

enum class ReviewFrom {
    Results, // FrmChengji.InitShiTI: the results screen closes once the review is set up
    Home,    // FrmFengmian.InitShiTI: the home screen closes before the panel is touched
};

// The no-wrong-answers message, shown when the list holds no code (from either start).
QString noWrongAnswersText();

// Starts the review and closes `caller`; true when the review runs. A list without codes is
// refused with the no-wrong-answers message and nothing else happens. A list that cannot be read
// or a bank that cannot give its questions is named to the candidate: from the home screen the
// home screen stays, from the results screen the candidate goes home.
// The results screen passes the list it has just computed: the review takes it even when it could
// not be saved.
bool startErrorReview(ReviewFrom from, platform::Form& caller, const std::optional<QString>& computed = {});

} // namespace drill
