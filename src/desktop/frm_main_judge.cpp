// The action judges of the candidate's desktop: the pointer, key, typed-text and pop-up handlers
// that compare the candidate's actions with the current step record. Every judge reads stepRec
// anew at each event; a match advances, a mismatch does nothing at all.
#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/text_file.h"
#include "desktop/frm_main.h"
#include "platform/app.h"
#include "platform/picture.h"
#include "steps/completion.h"
#include "steps/smenu.h"
#include "steps/step.h"

using namespace platform;

void FrmMain::wireJudges()
{
    Label1.onMouseUp = [this](int b, int s, double x, double y) { Label1_MouseUp(b, s, x, y); };
    Label1.onDblClick = [this] { Label1_DblClick(); };
    Label1.onMouseMove = [this](int b, int s, double x, double y) { Label1_MouseMove(b, s, x, y); };

    Text1.onKeyUp = [this](int& k, int s) { Text1_KeyUp(k, s); };
    Text1.onMouseUp = [this](int b, int s, double x, double y) { Text1_MouseUp(b, s, x, y); };
    // The render gives Text1 the focus while it lays the step out: the focus moves on to Text3
    // once the step (and Text3 with it) is shown.
    Text1.onGotFocus = [this] { afterRender([this] { Text1_GotFocus(); }); };
    Text3.onGotFocus = [this] { afterRender([this] { Text3_GotFocus(); }); };

    // The pop-up's entries from top to bottom: each item array at its place between the cascades
    // (the elements it loads later join it there).
    for (Menu* m : wm100.items())
        wm100.removeChild(m);
    for (Menu* m : {&sTolqMain1, &sTolqInde1(0), &sTolqMain2, &sTolqInde2(0), &sTolqMain3, &sTolqInde3(0),
                    &sTolqMain4, &sTolqMain5, &sTolqInde4(0)})
        wm100.addChild(m);

    const std::pair<MenuArray*, int> lists[] = {{&sTolqSub1, 1},  {&sTolqInde1, 2}, {&sTolqSub2, 3},
                                                {&sTolqInde2, 4}, {&sTolqSub3, 5},  {&sTolqInde3, 6},
                                                {&sTolqSub4, 7},  {&sTolqSub5, 8},  {&sTolqInde4, 9}};
    for (const auto& [array, list] : lists)
        array->onClick = [this, list = list](int index) { popupItem_Click(list, index); };
}

FrmMain::Answer FrmMain::getAnswer(const QString& lineField) const
{
    Answer a;
    const common::LineResult entry = common::readTextEntryNamed(common::drill().txtPath, lineField);
    if (!entry.line) return a;
    a.ok = true;
    a.text = *entry.line;
    const qsizetype bar = a.text.indexOf(QLatin1Char('|'));
    a.first = bar < 0 ? a.text : a.text.left(bar);
    a.second = bar < 0 ? a.text : a.text.mid(bar + 1);
    return a;
}

void FrmMain::advance(const QString& jump)
{
    scene::endStepBy(*this, jump);
}

void FrmMain::Label1_DblClick()
{
    const steps::Step s = step();
    if (s.kind() == steps::ActionKind::DoubleClick) advance(s.mainJump());
}

void FrmMain::Label1_MouseMove(int, int, double, double)
{
    const steps::Step s = step();
    if (steps::actionNumber(s.action()) == 30) doNext();
    // The pointer of the record shown now: after an advance, the next step's.
    const steps::Step shown = step();
    const steps::ActionKind kind = s.kind();
    if (kind == steps::ActionKind::Band || kind == steps::ActionKind::Drag)
        Label1.setMousePointer(0);
    else
        scene::targetPointer(shown, Label1);
}

void FrmMain::Label1_MouseUp(int button, int shift, double, double)
{
    const QString t = step().mainJump();

    // The pop-up override at 86 opens its menu first; the release is judged afterwards against
    // whatever record a pick has left.
    if (step().hasPopupOverride()) {
        actCode = smenu::openingCode(common::drill().stepRec);
        const int thousands = actCode / 1000;
        if (thousands >= 3 && thousands <= 6 && button == vbRightButton) openPopup(actCode);
    }

    // The action code of the record the pop-up's pick may have left.
    const steps::Step s = step();
    const QString code = s.action();
    const steps::ActionKind kind = s.kind();
    const std::optional<steps::TypedText> typed = steps::typedText(code);
    actCode = s.actionNumber().value_or(0);
    if (kind == steps::ActionKind::Hint || kind == steps::ActionKind::Terminal) {
        // 9999 asks for button 99 and never matches.
        if (button == actCode % 100 && shift == (actCode % 1000) / 100) advance(t);
    } else if (kind == steps::ActionKind::RightClick) {
        if (button == vbRightButton) advance(t);
    } else if (kind == steps::ActionKind::PopupPick) {
        if (button == vbRightButton) openPopup(steps::popupCodeOf(code));
    } else if (actCode == 1) {
        if (button == vbLeftButton && shift == 0) advance(t);
    } else if (typed && typed->click) {
        if (button == vbLeftButton && acceptedInText1()) doNext();
    } else if (t != QLatin1String("0") && actCode != 2) {
        // Not for "0002": the release that precedes its double click must not jump. The JumpChar
        // is that of the record the release was made on.
        GoStep(t);
    }
}
