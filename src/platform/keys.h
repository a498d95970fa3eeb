#pragma once
// Keys as the handlers receive them: Windows virtual-key codes and Shift bits.
#include <Qt>
#include <optional>

namespace platform {

enum KeyCodes : int {
    vbKeyBack = 8,
    vbKeyTab = 9,
    vbKeyReturn = 13,
    vbKeyShift = 16,
    vbKeyControl = 17,
    vbKeyMenu = 18,
    vbKeyPause = 19,
    vbKeyCapital = 20,
    vbKeyEscape = 27,
    vbKeySpace = 32,
    vbKeyPageUp = 33,
    vbKeyPageDown = 34,
    vbKeyEnd = 35,
    vbKeyHome = 36,
    vbKeyLeft = 37,
    vbKeyUp = 38,
    vbKeyRight = 39,
    vbKeyDown = 40,
    vbKeyPrint = 42,
    vbKeySnapshot = 44,
    vbKeyInsert = 45,
    vbKeyDelete = 46,
    vbKey0 = 48,
    vbKeyA = 65,
    vbKeyLWin = 91,
    vbKeyRWin = 92,
    vbKeyApps = 93,
    vbKeyNumpad0 = 96,
    vbKeyMultiply = 106,
    vbKeyAdd = 107,
    vbKeySubtract = 109,
    vbKeyDecimal = 110,
    vbKeyDivide = 111,
    vbKeyF1 = 112,
    vbKeyF4 = 115,
    vbKeyF12 = 123,
    vbKeyNumlock = 144,
    vbKeyScrollLock = 145,
};

// The virtual-key code of a Qt key (0 when it has none). keypad tells a number-pad key.
int virtualKey(int qtKey, bool keypad = false);
// The Qt key of a virtual-key code (Qt::Key_unknown when none), for tests and replays.
int qtKey(int virtualKeyCode);
// Shift bits (1 Shift, 2 Ctrl, 4 Alt) of Qt modifiers.
int shiftBits(Qt::KeyboardModifiers m);
Qt::KeyboardModifiers modifiersOf(int shiftBits);
// Mouse button code (1, 2, 4) of a Qt button, and the held buttons as a sum.
int buttonCode(Qt::MouseButton b);
int buttonsCode(Qt::MouseButtons b);

// True while the handlers of a key press that the keyboard repeats (the key held down) run, so a
// handler can act once per physical press.
bool keyAutoRepeat();
void setKeyAutoRepeat(bool on); // the runtime's dispatch
// The Shift bits of the keys held right now (outside key events too).
int heldShiftBits();
// While the handlers of a key's release run: the Shift bits held when that key went down (a
// candidate may let go of Ctrl a moment before the key). Elsewhere the keys held right now.
int keyPressShift();
void setKeyPressShift(int shift); // the runtime's dispatch; -1 when no release is dispatched
// Asks the X server to repeat a held key as presses alone, with no release between them (XKB's
// detectable auto-repeat). False where there is no X display or it cannot.
bool useDetectableAutoRepeat();
// Whether a press of the key has reached a form and its release has not yet, or the window system
// kept a press of it to itself that is still held (see SystemKeyboard).
bool keyIsDown(int virtualKeyCode);
void setKeyDown(int virtualKeyCode, bool down); // the runtime's dispatch

// The keyboard as the window system has it, for a key press it keeps to itself: a window manager
// takes Alt+F4 and sends the window a close request instead, again at every repeat while the key
// is held. Whether the key is down now; nothing where the window system cannot tell.
class SystemKeyboard {
public:
    virtual ~SystemKeyboard() = default;
    virtual std::optional<bool> keyDown(int virtualKeyCode) = 0;
};
// The one in force: the X server's keyboard (function keys) where the program has an X display,
// otherwise one that cannot tell. Tests install their own; nullptr returns to the window system's.
SystemKeyboard& systemKeyboard();
void setSystemKeyboard(SystemKeyboard* keyboard);

} // namespace platform
