#pragma once
// Whether the texts a form shows fit the controls that show them.
#include <QStringList>

#include "platform/form.h"

namespace testkit {

// The texts of a loaded form, in every container, that do not fit their controls at the runtime's
// twips per pixel, each as "Name(index) "text" needs w x h px in w x h": a label's caption wrapped
// as the label draws it (auto-sized labels fit by themselves), a command button's, check box's or
// frame's caption on one line inside its frame. Empty when everything fits.
QStringList textsThatDoNotFit(platform::Form& form);

} // namespace testkit
