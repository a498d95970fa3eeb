// The input-method menu of the "EN" box: an English entry and up to ten input methods by name,
// built from the system's keyboard layouts when the panel loads; a pick is the layout the
// desktop's edit fields switch to when they take the focus.
#include "common/drill_state.h"
#include "desktop/frm_main.h"
#include "drill/frm_tm.h"
#include "platform/services.h"

#include <algorithm>

using namespace platform;

namespace {

constexpr int MaxLayouts = 16;
constexpr int NamedEntries = 10;

} // namespace

void FrmTm::buildImeMenu()
{
    hklList.fill(0);
    imeEng = 0;
    imeNamed.fill(0);
    imeNext = 1;
    KeyboardLayouts& system = keyboardLayouts();
    const int n = std::min(int(system.layouts().size()), MaxLayouts);
    // A layout is named by its place in the system's list, counted from 1 (0: none).
    for (int i = 1; i <= n; ++i)
        hklList[i] = i;
    for (int i = 1; i <= n; ++i) {
        const QString name = system.inputMethodName(i - 1).trimmed();
        if (name.isEmpty()) {
            mEng.setCaption(QStringLiteral("英语（美国）"));
            if (imeEng == 0) imeEng = hklList[i];
            continue;
        }
        if (imeNext >= 1 && imeNext <= NamedEntries) {
            imeEntry(imeNext).setCaption(name);
            imeNamed[imeNext] = hklList[i];
        }
        ++imeNext;
    }
    for (int k = NamedEntries; k >= 2; --k)
        if (imeNext < k + 1) imeEntry(k).setVisible(false);
}

Menu& FrmTm::imeEntry(int k)
{
    Menu* entries[] = {&mCn1, &mCn2, &mCn3, &mCn4, &mCn5, &mCn6, &mCn7, &mCn8, &mCn9, &mCn10};
    return *entries[std::clamp(k, 1, NamedEntries) - 1];
}

void FrmTm::LblIME_Click()
{
    // The menu opens to the left of the box, its top imeNext x 300 twips above the box's top.
    const double x = LblIME.Left();
    const double y = LblIME.Top() - imeNext * 300 + FrmZhuYa.Top();
    PopupMenu(mIme, vbPopupMenuRightAlign, x, y);
}

void FrmTm::imePick(int entry)
{
    // The English entry: the first plain keyboard, else the first layout; an input-method entry:
    // the K-th layout with a name, else (only the first entry) the second layout.
    int handle = 0;
    if (entry == 0)
        handle = imeEng != 0 ? imeEng : hklList[1];
    else
        handle = imeNamed[entry] != 0 ? imeNamed[entry] : (entry == 1 ? hklList[2] : 0);
    common::drill().imeHkl = handle;
    FrmMain& desk = form<FrmMain>();
    desk.setWindowState(vbNormal);
    desk.Show();
    const bool hadKeyboard = desk.Text1.hasFocus();
    desk.Text1.SetFocus();
    // Picked while the field has the keyboard already: no new focus runs its focus handler, which
    // switches to the layout, so it runs here.
    if (hadKeyboard && desk.Text1.onGotFocus) desk.Text1.onGotFocus();
}
