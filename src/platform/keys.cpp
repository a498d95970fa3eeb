#include "platform/keys.h"

#include <QGuiApplication>
#include <array>
#include <set>
#include <utility>

#ifdef BRANNOCK_HAVE_XKB
#include <QtGui/qguiapplication_platform.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#endif

namespace platform {

namespace {

// Keys whose code does not follow from a range. Shifted symbols of the US layout map to the
// key that carries them, as the virtual-key code names the key, not the character.
constexpr std::array<std::pair<int, int>, 64> kFixed{{
    {Qt::Key_Backspace, 8},    {Qt::Key_Tab, 9},           {Qt::Key_Backtab, 9},
    {Qt::Key_Return, 13},      {Qt::Key_Enter, 13},        {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},     {Qt::Key_Alt, 18},          {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},    {Qt::Key_Escape, 27},       {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},      {Qt::Key_PageDown, 34},     {Qt::Key_End, 35},
    {Qt::Key_Home, 36},        {Qt::Key_Left, 37},         {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},       {Qt::Key_Down, 40},         {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},      {Qt::Key_Delete, 46},       {Qt::Key_Meta, 91},
    {Qt::Key_Super_L, 91},     {Qt::Key_Super_R, 92},      {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},    {Qt::Key_ScrollLock, 145},  {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},      {Qt::Key_Equal, 187},       {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},      {Qt::Key_Less, 188},        {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},      {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},      {Qt::Key_Question, 191},    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},  {Qt::Key_Bar, 220},         {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},  {Qt::Key_QuoteDbl, 222},
    {Qt::Key_Exclam, 49},      {Qt::Key_At, 50},           {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},      {Qt::Key_Percent, 53},      {Qt::Key_AsciiCircum, 54},
    {Qt::Key_Ampersand, 55},   {Qt::Key_Asterisk, 56},     {Qt::Key_ParenLeft, 57},
    {Qt::Key_ParenRight, 48},  {Qt::Key_Alt, 18},          {Qt::Key_AltGr, 18},
    {Qt::Key_SysReq, 44},
}};

} // namespace

int virtualKey(int key, bool keypad)
{
    if (keypad) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
        switch (key) {
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Period:
            return 110;
        case Qt::Key_Slash:
            return 111;
        default:
            break;
        }
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 65 + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 48 + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    for (auto [q, vk] : kFixed)
        if (q == key) return vk;
    return 0;
}

int qtKey(int vk)
{
    if (vk >= 65 && vk <= 90) return Qt::Key_A + (vk - 65);
    if (vk >= 48 && vk <= 57) return Qt::Key_0 + (vk - 48);
    if (vk >= 96 && vk <= 105) return Qt::Key_0 + (vk - 96);
    if (vk >= 112 && vk <= 135) return Qt::Key_F1 + (vk - 112);
    switch (vk) {
    case 106:
        return Qt::Key_Asterisk;
    case 107:
        return Qt::Key_Plus;
    case 109:
        return Qt::Key_Minus;
    case 110:
        return Qt::Key_Period;
    case 111:
        return Qt::Key_Slash;
    default:
        break;
    }
    for (auto [q, code] : kFixed)
        if (code == vk) return q; // the first entry is the unshifted key
    return Qt::Key_unknown;
}

int shiftBits(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

Qt::KeyboardModifiers modifiersOf(int bits)
{
    Qt::KeyboardModifiers m;
    if (bits & 1) m |= Qt::ShiftModifier;
    if (bits & 2) m |= Qt::ControlModifier;
    if (bits & 4) m |= Qt::AltModifier;
    return m;
}

int buttonCode(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int buttonsCode(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

namespace {
bool autoRepeating = false;
}

bool keyAutoRepeat()
{
    return autoRepeating;
}

void setKeyAutoRepeat(bool on)
{
    autoRepeating = on;
}

int heldShiftBits()
{
    return shiftBits(QGuiApplication::queryKeyboardModifiers());
}

namespace {
int releasePressShift = -1;
std::set<int> keysDown;
} // namespace

int keyPressShift()
{
    return releasePressShift >= 0 ? releasePressShift : heldShiftBits();
}

void setKeyPressShift(int shift)
{
    releasePressShift = shift;
}

bool keyIsDown(int vk)
{
    return keysDown.count(vk) != 0;
}

void setKeyDown(int vk, bool down)
{
    if (down)
        keysDown.insert(vk);
    else
        keysDown.erase(vk);
}

namespace {

class WindowSystemKeyboard final : public SystemKeyboard {
public:
    std::optional<bool> keyDown(int vk) override
    {
#ifdef BRANNOCK_HAVE_XKB
        auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        Display* d = x11 ? x11->display() : nullptr;
        if (!d || vk < vbKeyF1 || vk >= vbKeyF1 + 24) return std::nullopt;
        const KeyCode code = XKeysymToKeycode(d, XK_F1 + KeySym(vk - vbKeyF1));
        if (code == 0) return std::nullopt;
        char keys[32] = {};
        XQueryKeymap(d, keys);
        return ((keys[code / 8] >> (code % 8)) & 1) != 0;
#else
        (void)vk;
        return std::nullopt;
#endif
    }
};

SystemKeyboard* installedKeyboard = nullptr;

} // namespace

SystemKeyboard& systemKeyboard()
{
    static WindowSystemKeyboard windowSystem;
    return installedKeyboard ? *installedKeyboard : windowSystem;
}

void setSystemKeyboard(SystemKeyboard* keyboard)
{
    installedKeyboard = keyboard;
}

} // namespace platform
