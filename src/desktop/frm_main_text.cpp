// Typed-text and list steps: the overlay edit fields, the typed-text prompts, the simulated list,
// the change and pick judges that a render can raise by writing them, and the judges of Enter and
// of a selection made with the mouse in the edit field.
#include "common/drill_state.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/scale.h"
#include "common/text_file.h"
#include "common/trim.h"
#include "desktop/frm_main.h"
#include "platform/keys.h"
#include "platform/services.h"
#include "scene/scene_parts.h"
#include "steps/completion.h"
#include "steps/step.h"

using namespace platform;

namespace {

using common::trimSpaces;

} // namespace

// Phase 15: overlay fields for "0021" and "0027", prompts of the typed-text codes, the list of
// the "L" codes.
void FrmMain::overlaysAndList()
{
    const QString code = step().action();

    scene::overlayField(code, Text1, Text2);

    const std::optional<steps::TypedText> typed = steps::typedText(code);
    if (typed && typed->field == steps::TypedText::Field::Third) {
        Shape1.setVisible(false);
        Text3.setText(Text1.Text());
        Text3.setLeft(Text1.Left());
        Text3.setTop(Text1.Top());
        Text3.setHeight(Text1.Height());
        Text3.setWidth(Text1.Width());
        Text3.setFontSize(Text1.FontSize());
        Text3.setFontName(Text1.FontName());
        Text3.setForeColor(Text1.ForeColor());
        Text3.setBackColor(Text1.BackColor());
        Text3.setFontBold(Text1.FontBold());
        Text3.setVisible(true);
        Text1.setVisible(false);
    } else {
        Text3.setVisible(false);
    }

    // The prompts: six tests one after the other, each on the caption the previous ones left.
    scene::typedTextPrompts(code, LHelp, Shape1, Text1, false);
    scene::setUpList(common::drill().stepRec, common::drill().txtPath,
                     {&LstLA, {&PicLeft, &PicRight, &PicTop, &PicBottom}, &LblXXK(0), &Text1});
}

void FrmMain::LstLA_Click()
{
    LblXXK(0).setCaption(LstLA.List(LstLA.ListIndex()));
    const std::optional<qint16> answer = step().answerNumber();
    if (answer && LstLA.ListIndex() == *answer) {
        for (Control* c : std::initializer_list<Control*>{&LstLA, &PicLeft, &PicRight, &PicTop, &PicBottom})
            c->setVisible(false);
        LblXXK(0).setCaption(QString());
        doNext();
    }
}

// Only the characters 33-126 of a typed text, in their order: blanks, control characters and
// everything outside that ASCII range dropped ("my file" is "myfile").
static QString filtered(const QString& s)
{
    QString out;
    for (QChar c : s)
        if (c.unicode() >= 33 && c.unicode() <= 126) out += c;
    return out;
}

static QString folded(const QString& s)
{
    return trimSpaces(s).toLower();
}

bool FrmMain::acceptedInText1() const
{
    const Answer a = getAnswer(step().answerLine());
    if (!a.ok) return false;
    const QString typed = folded(Text1.Text());
    return typed == folded(a.first) || typed == folded(a.second);
}

// A field judged at every change: its text, trimmed, against the answers as the rule compares them.
static bool changeMatches(steps::TypedText::Compare compare, const QString& text, const FrmMain::Answer& a)
{
    using Compare = steps::TypedText::Compare;
    if (!a.ok) return false;
    if (compare == Compare::WholeEntry) return trimSpaces(text) == trimSpaces(a.text);
    const bool ignoreCase = compare == Compare::Folded;
    auto norm = [ignoreCase](const QString& s) { return ignoreCase ? folded(s) : trimSpaces(s); };
    const QString typed = norm(text);
    return typed == norm(a.first) || typed == norm(a.second);
}

// The edit field of a code judged at every change ("0020" folded, "0025" with the letter case
// kept): the keystroke that completes an accepted answer advances.
void FrmMain::Text1_Change()
{
    actCode = step().actionNumber().value_or(0);
    const std::optional<steps::TypedText> rule = steps::typedText(step().action());
    if (!rule || rule->field != steps::TypedText::Field::Edit || !rule->onChange) return;
    if (changeMatches(rule->compare, Text1.Text(), getAnswer(step().answerLine()))) doNext();
}

// The second field ("0021") must hold the whole answer line, "|" included, letter case kept.
void FrmMain::Text2_Change()
{
    if (changeMatches(steps::TypedText::Compare::WholeEntry, Text2.Text(), getAnswer(step().answerLine())))
        doNext();
}

// The third field ("0027"), letter case ignored.
void FrmMain::Text3_Change()
{
    if (changeMatches(steps::TypedText::Compare::Folded, Text3.Text(), getAnswer(step().answerLine())))
        doNext();
}

// Enter where the code takes it ("0022", "0024", "0028"): the typed text, filtered or as it is,
// folded, against the folded answers. A wrong Enter empties the field.
void FrmMain::Text1_KeyUp(int keyCode, int)
{
    if (keyCode != vbKeyReturn) return;
    const std::optional<steps::TypedText> rule = steps::typedText(step().action());
    if (!rule || !rule->enter) return;
    const Answer a = getAnswer(step().answerLine());
    const QString first = folded(a.first), second = folded(a.second);
    const QString plain = folded(filtered(Text1.Text())), typed = folded(Text1.Text());
    if (a.ok && (plain == first || plain == second || typed == first || typed == second))
        doNext();
    else
        Text1.setText(QString());
}

// "0023": the selection made with the mouse, folded, equals the hint entry's whole text, folded.
void FrmMain::Text1_MouseUp(int, int, double, double)
{
    const std::optional<steps::TypedText> rule = steps::typedText(step().action());
    if (!rule || !rule->selection) return;
    const Answer hintText = getAnswer(step().hintLine());
    if (hintText.ok && folded(Text1.SelText()) == folded(hintText.text)) doNext();
}

// The keyboard layout chosen on the question panel (imeHkl: its place in the layout list counted
// from 1; 0 before any choice, which keeps the layout in use). A layout that is gone is ignored.
static void activateChosenLayout()
{
    const int chosen = common::drill().imeHkl;
    if (chosen > 0) platform::keyboardLayouts().activate(chosen - 1);
}

void FrmMain::Text1_GotFocus()
{
    activateChosenLayout();
    const std::optional<steps::TypedText> rule = steps::typedText(step().action());
    if (rule && rule->field == steps::TypedText::Field::Third) Text3.SetFocus();
}

void FrmMain::Text3_GotFocus()
{
    activateChosenLayout();
}
