// The key judge of the candidate's desktop and the handlers that hand it the keys: the window's
// own key-up and the key events of the desktop's focusable areas. One physical key press is judged
// once, against the record shown when it arrived, and passes at most one step.
#include "common/drill_state.h"
#include "common/record.h"
#include "desktop/frm_main.h"
#include "platform/keys.h"
#include "steps/completion.h"
#include "steps/step.h"

using namespace platform;

namespace {

enum class From { ActionCode, Alt1Or3, Alt2 };

// The key and Shift state a key step's code 6skk expects; kk turns into a key code by where the
// code stands.
bool keyMatches(int code, From from, int keyCode, int shift)
{
    if (!steps::isKeyCode(code)) return false;
    const int s = (code % 1000) / 100;
    int kk = code % 100;
    if (from != From::Alt2) {
        if (kk == 12)
            kk = 112;
        else if (kk == 13)
            kk = 113;
        else if (from == From::Alt1Or3 && kk <= 20)
            kk += 100;
    }
    return keyCode == kk && shift == s;
}

constexpr int KeyF4 = 115;

} // namespace

void FrmMain::wireKeys()
{
    // The window system's own keys stay with the desktop; its close request is the judge's too.
    setKeepsSystemKeys(true);
    // Areas without a forwarder of their own (the Start menu, the third-level drop-down) hand their
    // keys to the window's.
    setTakesUnhandledKeys(true);
    onQueryUnload = [this](int& cancel, int mode) { closeRequested(cancel, mode); };

    onKeyUp = [this](int& k, int s) { Form_KeyUp(k, s); };
    // Areas that judge a key when it goes down: once per press, not at every repeat while held.
    for (PictureBox* p : {&Image6, &Pic1J, &Pic2J, &PicBottom, &PicMyPc, &PicTable, &PicTop, &PicCtrl})
        p->onKeyDown = [this](int& k, int s) {
            if (!keyAutoRepeat()) KeyClick(k, s);
        };
    // Areas that judge it when it is released, with the keys held when it went down.
    for (PictureBox* p : {&PicHui, &PicLeft, &PicMenu, &PicRight, &PicTool})
        p->onKeyUp = [this](int& k, int) { KeyClick(k, keyPressShift()); };
}

void FrmMain::Form_KeyUp(int keyCode, int)
{
    // A candidate who lets go of Ctrl a moment before the key has pressed Ctrl and the key.
    KeyClick(keyCode, keyPressShift());
}

void FrmMain::KeyClick(int keyCode, int shift)
{
    const steps::Step rec = step();
    actCode = rec.actionNumber().value_or(0);

    if (keyMatches(actCode, From::ActionCode, keyCode, shift)) {
        doNext();
        return;
    }
    const std::pair<int, From> alternatives[] = {{1, From::Alt1Or3}, {2, From::Alt2}, {3, From::Alt1Or3}};
    for (const auto& [k, from] : alternatives) {
        const std::optional<int> alt = rec.keyAlt(k);
        if (alt && keyMatches(*alt, from, keyCode, shift)) {
            doNext();
            return;
        }
    }
    // The shortcuts of the step's menu paths, in the order targetC, targetA, targetB.
    const QString slots[] = {rec.targetC(), rec.targetA(), rec.targetB()};
    for (const QString& slot : slots) {
        if (!slot.startsWith(QLatin1Char('H'))) continue;
        const desktop::Shortcut* s = steps::shortcutOf(slot.mid(1, 4));
        if (s && s->keyCode == keyCode && s->shift == shift) {
            doNext();
            return;
        }
    }
}

void FrmMain::closeRequested(int& cancel, int unloadMode)
{
    // The desktop is closed by the drill, never by the window system: the close request that
    // Alt+F4 makes where the key itself does not reach the window is judged as that key. When the
    // press did reach the desktop, the key events judge it and the request is no second action.
    if (unloadMode != vbFormControlMenu) return;
    cancel = 1;
    if (heldShiftBits() == vbAltMask && !keyIsDown(KeyF4)) KeyClick(KeyF4, vbAltMask);
}
