// The X keyboard extension of the display named by DISPLAY, through libX11 (when the program is
// built with it): the active group, the groups' names and locking a group.
#include "platform/keyboard_layouts.h"

#include <QGuiApplication>
#include <algorithm>

#include "platform/keys.h"

#ifdef BRANNOCK_HAVE_XKB
#include <QtGui/qguiapplication_platform.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif

namespace platform {

// Per client: on the connection the application's windows get their keys through.
bool useDetectableAutoRepeat()
{
#ifdef BRANNOCK_HAVE_XKB
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* d = x11 ? x11->display() : nullptr;
    if (!d) return false;
    Bool supported = False;
    return XkbSetDetectableAutoRepeat(d, True, &supported) && supported;
#else
    return false;
#endif
}

} // namespace platform

namespace platform::keyboard {

#ifdef BRANNOCK_HAVE_XKB
namespace {

// Protocol errors are answered by failing the call, never by Xlib's default of ending the program.
int ignoreError(Display*, XErrorEvent*)
{
    return 0;
}

// For the length of one call: protocol errors fail the call instead of ending the program, as
// Xlib's default handler would.
class ErrorGuard {
public:
    ErrorGuard()
        : previous_(XSetErrorHandler(ignoreError))
    {}
    ~ErrorGuard() { XSetErrorHandler(previous_); }
    ErrorGuard(const ErrorGuard&) = delete;
    ErrorGuard& operator=(const ErrorGuard&) = delete;

private:
    XErrorHandler previous_;
};

class X11Xkb final : public XkbDisplay {
public:
    X11Xkb() = default;
    ~X11Xkb() override
    {
        if (display_) XCloseDisplay(display_);
    }
    X11Xkb(const X11Xkb&) = delete;
    X11Xkb& operator=(const X11Xkb&) = delete;

    std::optional<State> state() override
    {
        const ErrorGuard guard;
        Display* d = display();
        if (!d) return std::nullopt;
        XkbStateRec rec{};
        if (XkbGetState(d, XkbUseCoreKbd, &rec) != Success) return std::nullopt;
        State s;
        s.group = rec.locked_group;
        XkbDescPtr desc = XkbAllocKeyboard();
        if (!desc) return s;
        if (XkbGetControls(d, XkbAllControlsMask, desc) == Success && desc->ctrls &&
            XkbGetNames(d, XkbGroupNamesMask, desc) == Success && desc->names) {
            const int groups = std::min<int>(desc->ctrls->num_groups, XkbNumKbdGroups);
            for (int g = 0; g < groups; ++g) {
                const Atom atom = desc->names->groups[g];
                char* name = atom != None ? XGetAtomName(d, atom) : nullptr;
                s.groupNames += name ? QString::fromUtf8(name) : QString();
                if (name) XFree(name);
            }
        }
        XkbFreeKeyboard(desc, 0, True);
        return s;
    }

    bool lockGroup(int group) override
    {
        if (group < 0 || group >= XkbNumKbdGroups) return false;
        const ErrorGuard guard;
        Display* d = display();
        if (!d) return false;
        if (!XkbLockGroup(d, XkbUseCoreKbd, unsigned(group))) return false;
        XkbStateRec rec{};
        return XkbGetState(d, XkbUseCoreKbd, &rec) == Success && rec.locked_group == group;
    }

private:
    // One connection for the life of the object, opened at the first call that finds a display
    // (a display that refused is asked again at the next call).
    Display* display()
    {
        if (!display_ && !qEnvironmentVariableIsEmpty("DISPLAY")) {
            int event = 0, error = 0, reason = 0;
            int major = XkbMajorVersion, minor = XkbMinorVersion;
            display_ = XkbOpenDisplay(nullptr, &event, &error, &major, &minor, &reason);
        }
        return display_;
    }

    Display* display_ = nullptr;
};

} // namespace
#endif

std::unique_ptr<XkbDisplay> x11Display()
{
#ifdef BRANNOCK_HAVE_XKB
    return std::make_unique<X11Xkb>();
#else
    return nullptr;
#endif
}

} // namespace platform::keyboard
