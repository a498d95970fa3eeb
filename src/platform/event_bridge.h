#pragma once
// Turns Qt's input events on a control's widget into the control's events, in the order and
// units the screens expect.
#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

class QKeyEvent;
class QMouseEvent;

namespace platform {

class Control;
class Form;

class EventBridge : public QObject {
public:
    EventBridge(Control* control, QObject* parent);
    void detach() { control_ = nullptr; }
    Control* control() const { return control_; }
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Shared by controls and forms.
    struct MouseArgs {
        int button, shift;
        double x, y;
    };
    static MouseArgs mouseArgs(const QMouseEvent& e, bool held);

private:
    bool mouse(QObject* watched, QEvent* event);
    bool key(QObject* watched, QKeyEvent* event);
    Control* control_;
};

// Key events of a form and its controls: preview by the form, KeyAscii handling.
// Returns true when the event is consumed.
bool dispatchKey(Form* form, Control* control, QObject* receiver, QKeyEvent* e);
// Follows the keyboard for the forms from now on (the first form loaded starts it).
void watchKeys();
// A key's release waits until the events queued with it are delivered (a press of the same key
// with its time stamp makes the pair the keyboard's repeat); the event loop judges it then, or the
// next input event first. This judges a waiting release now (tests, after the release they send).
void judgeHeldKeyRelease();
// A close request from the window system may stand for a key press it kept to itself (a window
// manager turns Alt+F4 into the request, and repeats the request while the key is held).
// keysKeptBySystem() tells the keys of such a press that are down as the request comes and that no
// form has a press of; once the request is judged, holdKeptKeys() keeps them down (keyIsDown)
// until the keyboard has them up, so that the requests repeated meanwhile are no new presses while
// the first request after the release is one.
std::vector<int> keysKeptBySystem();
void holdKeptKeys(const std::vector<int>& keys);
// A control or form that goes away: the keys it took are nobody's.
void forgetKeyTarget(const void* owner);
// Text that arrives whole (pasted, or committed by an input method) put through the same KeyPress
// handlers as typed characters, in one pass: accepted(c) is told each character they let through,
// as they replaced it, before the next is judged; what they cancel is left out. False when a
// handler closed the form.
bool typeThroughKeyPress(Form* form, Control* control, const QString& text,
                         const std::function<void(QChar)>& accepted);

// Mouse bookkeeping shared by controls and forms: which object took the last press, and
// whether the release that follows a double click is due.
struct MouseTrack {
    const void* lastPressed = nullptr;
    bool dblPending = false;
    QPoint lastGlobal; // where the pointer was last seen, in global pixels
};
MouseTrack& mouseTrack();

} // namespace platform
