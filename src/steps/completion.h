#pragma once
// Where and how a step is completed, and where the completed step leads: the rule that the
// candidate's judges apply and that the demonstration performs. Besides the action code's own rule
// a step is completed by a left press on the second target (when its JumpChar is "0"), a release
// over the second target or the main target (when its JumpChar is not "0"), a click on a shown
// overlay picture (by the picture's JumpChar) and a key: a key code, a key alternative, or the
// shortcut of one of its menu paths.
#include <QString>
#include <optional>

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
// A release over the main target jumps by its JumpChar (not "0"): for every code whose own rule
// takes no release there (clicks with keys, right clicks, pop-up codes, the left click "0001",
// typed answers confirmed by a click) except the double click "0002", whose first release must
// not jump.
bool mainReleaseJumps(const Step& s);
// The jump of a click on overlay picture k, or an empty text when the click does nothing (its
// JumpChar is "0", or the slot has none).
QString pictureJump(const Step& s, int k);
// The step can be completed by a key: its action code is a key code, or one of its key
// alternatives is, or one of its menu paths (targetC, targetA, targetB) has a keyboard shortcut.
bool keyCompletes(const Step& s);

// The typed-text rule of a code "0020"-"0028": which field takes the answer, when the field is
// judged and how, and what confirms a typed answer. "0029" has none: nothing judges it.
struct TypedText {
    enum class Field { Edit, Second, Third }; // Text1; Text2 over it ("0021"); Text3 over it ("0027")
    enum class Compare {
        Folded,     // outer blanks removed, letter case ignored, against either accepted answer
        CaseKept,   // outer blanks removed, letter case kept, against either accepted answer
        WholeEntry, // outer blanks removed, letter case kept, against the whole entry, "|" included
    };
    // How the demonstration confirms the typed answer: nothing (the typing completes it), Enter,
    // a click on the main target; a selection step types nothing at all.
    enum class Shown { Typed, Enter, Click, Selection };
    Field field = Field::Edit;
    bool onChange = false; // every change of the field is judged, with `compare`
    Compare compare = Compare::Folded;
    bool enter = false;         // Enter in the edit field with an accepted answer
    bool click = false;         // a left release on the main target with an accepted answer
    bool secondRelease = false; // a release on the second target with an accepted answer
    bool selection = false;     // the text selected with the mouse equals the hint's entry
    Shown shown = Shown::Typed;
};
std::optional<TypedText> typedText(const QString& code);
// The text a typed-text step is completed with, from its answer entry: the whole entry where the
// rule compares the whole entry, otherwise the first accepted answer (the entry up to its first "|").
QString typedAnswer(const TypedText& rule, const QString& entry);

// The drag of Image5 by the number of its code (8001-8004, 8006-8009): along which axes the picture
// moves and on which side of the drop point its Left and Top must end (-1: at or before it, +1: at
// or after it, 0: the axis does not move). Nothing for another number: no drag.
struct PictureDrag {
    int x = 0, y = 0;
};
std::optional<PictureDrag> pictureDrag(int code);
// Whether a picture let go of with its Left and Top at (left, top) is accepted at the drop point
// (tx, ty), all in form twips.
bool pictureDropAccepted(const PictureDrag& drag, double left, double top, double tx, double ty);

// Whether the step's action code can be carried out at all on the candidate's desktop: a code with
// a rule of its own whose targets the step shows. Not: a code without a rule ("0000", "8000",
// "8005", "0029"), a click with keys or a button no mouse has ("9003", "9801"), a band or drag
// without a second target, a drag whose pointer never changes from the default ("S" and 00), a
// click on the target that only jumps ("0004") with the JumpChar "0".
bool actionCompletes(const Step& s);
// Whether the targets take the pointer: for every code beginning "80" both are shrunk to 1 x 1 twip
// so that the dragged picture gets it, and no release or press on them can complete the step.
bool targetsTakePointer(const Step& s);

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

// The way step number `step` (1-based) is completed. An action code with a rule of its own that
// the step lets the candidate carry out (actionCompletes) is completed by it, with the jump that
// rule follows (mainRect's JumpChar for clicks, double and right clicks and clicks with keys;
// column 102 for drags). Otherwise the pointer's ways come first, in the order second-target
// press, pictures 1-6, main-target release, second-target release (the targets' ways only where
// they take the pointer), then a key; of these the first that leads past `step` is chosen (one
// that leads back would play a question's steps again and again), or the first of all when none
// does. Nothing: no action of the candidate completes the step.
Completion completion(const Step& s, int step);

} // namespace steps
