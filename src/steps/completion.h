#pragma once
// Where and how a step is completed, and where the completed step leads: the rule that the
// candidate's judges apply and that the demonstration performs. Besides the action code's own rule
// a step is completed by a left press on the second target (when its JumpChar is "0"), a release
// over the second target or the main target (when its JumpChar is not "0"), a click on a shown
// overlay picture (by the picture's JumpChar) and a key: a key code, a key alternative, or the
// shortcut of one of its menu paths.
#include <QString>

#include "steps/key_tables.h"
#include "steps/step.h"

namespace steps {

// The shortcut of a menu item ("A208": menu id and first-level row), or nothing.
const desktop::Shortcut* shortcutOf(const QString& item);

// The record names a second target (auxRect's Width and Height not all "0").
bool secondTargetShown(const Step& s);
// Overlay slot k (1-6) shows a picture: its code is neither "000000" nor missing.
bool pictureShown(const Step& s, int k);

// A left press on the second target completes the step and advances by one: its JumpChar is "0",
// the code is not "0028" and neither paneCode nor winCode is "EE".
bool secondTargetPressAdvances(const Step& s);
// The jump of a click on overlay picture k, or an empty text when the click does nothing (its
// JumpChar is "0", or the slot has none).
QString pictureJump(const Step& s, int k);
// The step can be completed by a key: its action code is a key code, or one of its key
// alternatives is, or one of its menu paths (targetC, targetA, targetB) has a keyboard shortcut.
bool keyCompletes(const Step& s);

// How a step is completed.
enum class Way {
    Action,        // by its action code's own rule (a click, typing, a menu, a drag, a pause ...)
    Key,           // a key without a pointer action: a key code, a key alternative, a shortcut
    SecondPress,   // a left press on the second target
    SecondRelease, // a release over the second target, which jumps by its JumpChar
    Picture,       // a click on a shown overlay picture, which jumps by its JumpChar
    MainRelease,   // a release over the main target, which jumps by its JumpChar
    Nothing,       // no action completes it
};
struct Completion {
    Way way = Way::Nothing;
    int slot = 0;                       // Picture: the overlay slot, 1-6
    QString jump = QStringLiteral("0"); // "0": the next step; otherwise the jump character
};

// The way step number `step` (1-based) is completed. An action code with a rule of its own is
// completed by it, with the jump that rule follows (mainRect's JumpChar for clicks, double and
// right clicks and clicks with keys; column 102 for drags). Otherwise the pointer's ways come
// first, in the order second-target press, pictures 1-6, main-target release, second-target
// release, then a key; of these the first that leads past `step` is chosen (one that leads back
// would play a question's steps again and again), or the first of all when none does.
Completion completion(const Step& s, int step);

} // namespace steps
