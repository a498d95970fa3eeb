// The X keyboard extension of the display named by DISPLAY, through libX11 (when the program is
// built with it): the active group, the groups' names and locking a group. Each call opens its
// own short connection, so a display that went away is simply absent.
#include "platform/keyboard_layouts.h"

#ifdef BRANNOCK_HAVE_XKB
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif

namespace platform::keyboard {

#ifdef BRANNOCK_HAVE_XKB
namespace {

// Protocol errors are answered by failing the call, never by Xlib's default of ending the program.
int ignoreError(Display*, XErrorEvent*)
{
    return 0;
}

class Connection {
public:
    Connection()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY")) return;
        previous_ = XSetErrorHandler(ignoreError);
        int event = 0, error = 0, reason = 0;
        int major = XkbMajorVersion, minor = XkbMinorVersion;
        display_ = XkbOpenDisplay(nullptr, &event, &error, &major, &minor, &reason);
    }
    ~Connection()
    {
        if (display_) XCloseDisplay(display_);
        if (previous_) XSetErrorHandler(previous_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    Display* display() const { return display_; }

private:
    Display* display_ = nullptr;
    XErrorHandler previous_ = nullptr;
};

class X11Xkb final : public XkbDisplay {
public:
    std::optional<State> state() override
    {
        Connection c;
        Display* d = c.display();
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
        Connection c;
        Display* d = c.display();
        if (!d) return false;
        if (!XkbLockGroup(d, XkbUseCoreKbd, unsigned(group))) return false;
        XSync(d, False);
        XkbStateRec rec{};
        return XkbGetState(d, XkbUseCoreKbd, &rec) == Success && rec.locked_group == group;
    }
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
