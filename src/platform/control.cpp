#include "platform/control.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDebug>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <map>
#include <set>

#include "platform/event_bridge.h"
#include "platform/form.h"
#include "platform/form_window.h"
#include "platform/keys.h"
#include "platform/overlay.h"
#include "platform/units.h"

namespace platform {

void Container::restack()
{
    if (!hostWidget()) return;
    for (bool graphicalPass : {true, false})
        for (Control* c : children_)
            if (c->widget() && c->isGraphical() == graphicalPass) c->widget()->raise();
    raiseOverlay(hostWidget());
}

Control::Control(Form* form, const QString& name, Kind kind)
    : form_(form)
    , name_(name)
    , kind_(kind)
{
    if (form_) {
        form_->registerControl(this);
        form_->children_.push_back(this);
    }
}

Control::~Control()
{
    destroyWidget();
    if (Container* c = container()) {
        auto& v = c->children_;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
    }
    if (form_) form_->unregisterControl(this);
}

bool Control::isGraphical() const
{
    return kind_ == Kind::Label || kind_ == Kind::Image || kind_ == Kind::Shape || kind_ == Kind::Line;
}

bool Control::takesMouse() const
{
    return kind_ != Kind::Shape && kind_ != Kind::Line;
}

Container* Control::container() const
{
    if (container_) return container_;
    return form_;
}

void Control::setContainer(Container* c)
{
    if (!form_ || c == container()) return;
    if (Container* old = container()) {
        auto& v = old->children_;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
    }
    container_ = (c == form_) ? nullptr : c;
    Container* now = container();
    now->children_.push_back(this);
    if (widget_) {
        if (QWidget* host = now->hostWidget()) {
            widget_->setParent(host);
            applyGeometry();
            widget_->setVisible(cp_.visible);
            now->restack();
        } else {
            destroyWidget();
        }
    }
}

void Control::setLeft(double v)
{
    cp_.left = v;
    applyGeometry();
}
void Control::setTop(double v)
{
    cp_.top = v;
    applyGeometry();
}
void Control::setWidth(double v)
{
    cp_.width = v;
    applyGeometry();
}
void Control::setHeight(double v)
{
    cp_.height = v;
    applyGeometry();
}
void Control::Move(double left, double top)
{
    cp_.left = left;
    cp_.top = top;
    applyGeometry();
}
void Control::Move(double left, double top, double width)
{
    cp_.left = left;
    cp_.top = top;
    cp_.width = width;
    applyGeometry();
}
void Control::Move(double left, double top, double width, double height)
{
    cp_.left = left;
    cp_.top = top;
    cp_.width = width;
    cp_.height = height;
    applyGeometry();
}

void Control::setVisible(bool v)
{
    cp_.visible = v;
    if (widget_) widget_->setVisible(v);
}

void Control::setEnabled(bool v)
{
    cp_.enabled = v;
    if (widget_) widget_->setEnabled(v);
}

void Control::setToolTipText(const QString& t)
{
    cp_.toolTip = t;
    if (widget_) widget_->setToolTip(t);
}

void applyPointer(QWidget* w, int shape, const Picture& icon)
{
    if (!w) return;
    if (shape == 99 && !icon.isNull())
        w->setCursor(customPointer(icon));
    else if (shape == 0)
        w->unsetCursor();
    else
        w->setCursor(standardPointer(shape));
}

void Control::setMousePointer(int shape)
{
    cp_.mousePointer = shape;
    applyPointer(widget_, shape, cp_.mouseIcon);
}

void Control::setMouseIcon(const Picture& p)
{
    cp_.mouseIcon = p;
    applyPointer(widget_, cp_.mousePointer, p);
}

void Control::setTabStop(bool on)
{
    cp_.tabStop = on;
    if (widget_ && widget_->focusPolicy() != Qt::NoFocus)
        widget_->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

void Control::ZOrder(int position)
{
    Container* c = container();
    if (!c) return;
    auto& v = c->children_;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
    if (position == 0)
        v.push_back(this);
    else
        v.insert(v.begin(), this);
    c->restack();
}

void Control::Refresh()
{
    if (widget_) widget_->repaint();
}

void Control::SetFocus()
{
    if (!form_ || !cp_.visible || !cp_.enabled) return;
    if (widget_) widget_->setFocus(Qt::OtherFocusReason);
    form_->noteFocus(this);
}

bool Control::hasFocus() const
{
    return form_ && form_->focusedControl() == this;
}

void Control::raiseClick()
{
    if (onClick) onClick();
}

void Control::raiseChange()
{
    if (onChange) onChange();
}

void Control::createWidget()
{
    if (widget_ || !form_) return;
    Container* c = container();
    QWidget* parent = c ? c->hostWidget() : nullptr;
    if (!parent) return;
    if (QWidget* layer = overlayParent(*this)) parent = layer;
    widget_ = makeWidget(parent);
    widget_->setObjectName(index_ >= 0 ? QStringLiteral("%1(%2)").arg(name_).arg(index_) : name_);
    widget_->setMouseTracking(true);
    auto* bridge = new EventBridge(this, widget_);
    widget_->installEventFilter(bridge);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget_)) {
        area->viewport()->setMouseTracking(true);
        area->viewport()->installEventFilter(bridge);
    }
    if (!takesMouse()) widget_->setAttribute(Qt::WA_TransparentForMouseEvents);
    applyAll();
    if (auto* self = dynamic_cast<Container*>(this)) {
        for (Control* child : self->children())
            child->createWidget();
        self->restack();
    }
    widget_->setVisible(cp_.visible);
}

void Control::destroyWidget()
{
    if (!widget_) return;
    if (auto* self = dynamic_cast<Container*>(this))
        for (Control* child : self->children())
            child->destroyWidget();
    // The bridge has no meta-object of its own, so a lookup by meta type would take every child
    // for one; a dynamic cast tells the bridge from the widget's other children exactly.
    for (QObject* child : widget_->children())
        if (auto* bridge = dynamic_cast<EventBridge*>(child)) bridge->detach();
    if (mouseTrack().lastPressed == this) mouseTrack() = {};
    forgetKeyTarget(this);
    QWidget* w = widget_;
    widget_ = nullptr;
    w->hide();
    w->deleteLater();
}

void Control::resetProps()
{
    cp_ = CommonProps{};
}

void Control::copyPropsFrom(const Control& other)
{
    cp_ = other.cp_;
}

void Control::applyAll()
{
    applyGeometry();
    widget_->setEnabled(cp_.enabled);
    widget_->setToolTip(cp_.toolTip);
    applyPointer(widget_, cp_.mousePointer, cp_.mouseIcon);
}

QRect Control::pixelRect() const
{
    return QRect(toPixelsX(cp_.left), toPixelsY(cp_.top), std::max(0, toPixelsX(cp_.width)),
                 std::max(0, toPixelsY(cp_.height)));
}

void Control::applyGeometry()
{
    if (widget_) {
        Container* c = container();
        widget_->setGeometry(pixelRect().translated(c ? c->clientOriginPx() : QPoint()));
    }
    afterGeometry();
}

void reportMissing(const QString& array, int index)
{
    qWarning().noquote() << "control array" << array << "has no element" << index;
}

void registerArray(Form* form, std::function<void()> unloadRuntime)
{
    if (form) form->registerRuntimeArray(std::move(unloadRuntime));
}

void createWidgetIfLoaded(Control& c)
{
    if (c.form() && c.form()->isLoaded()) {
        c.createWidget();
        if (Container* k = c.container()) k->restack();
    }
}

// ---------------------------------------------------------------------------------------------

MouseTrack& mouseTrack()
{
    static MouseTrack t;
    return t;
}

EventBridge::EventBridge(Control* control, QObject* parent)
    : QObject(parent)
    , control_(control)
{}

EventBridge::MouseArgs EventBridge::mouseArgs(const QMouseEvent& e, bool held)
{
    MouseArgs a;
    a.button = held ? buttonsCode(e.buttons()) : buttonCode(e.button());
    a.shift = shiftBits(e.modifiers());
    a.x = e.position().x() * twipsPerPixelX();
    a.y = e.position().y() * twipsPerPixelY();
    return a;
}

bool EventBridge::eventFilter(QObject* watched, QEvent* event)
{
    if (!control_) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return mouse(watched, event);
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return key(watched, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        if (control_->form()) control_->form()->noteFocus(control_);
        return false;
    default:
        return false;
    }
}

bool EventBridge::mouse(QObject* watched, QEvent* event)
{
    auto* me = static_cast<QMouseEvent*>(event);
    Control* c = control_;
    QWidget* w = c->widget();
    if (!w) return false;
    // Coordinates relative to the control even when a viewport inside it got the event.
    QPointF pos = me->position();
    if (watched != w)
        if (auto* from = qobject_cast<QWidget*>(watched))
            pos = from->mapTo(w, pos.toPoint()) + (pos - pos.toPoint());
    QMouseEvent local(me->type(), pos, me->scenePosition(), me->globalPosition(), me->button(), me->buttons(),
                      me->modifiers(), me->pointingDevice());
    const bool custom = c->synthesizesClick() && c->kind() != Control::Kind::TextBox;
    MouseTrack& t = mouseTrack();
    t.lastGlobal = me->globalPosition().toPoint();
    // Everything a handler calls may unload the form: keep only what was read before.
    auto alive = QPointer<EventBridge>(this);

    QEvent::Type type = me->type();
    if (type == QEvent::MouseButtonDblClick) {
        const bool sameTarget = t.lastPressed == c;
        if (sameTarget && me->button() == Qt::LeftButton && c->synthesizesClick()) {
            t.dblPending = true;
            if (c->onDblClick) c->onDblClick();
            return custom;
        }
        type = QEvent::MouseButtonPress; // Qt dropped this press: it started a new click here
    }
    if (type == QEvent::MouseButtonPress) {
        t.lastPressed = c;
        t.dblPending = false;
        MouseArgs a = mouseArgs(local, false);
        if (c->onMouseDown) c->onMouseDown(a.button, a.shift, a.x, a.y);
        if (me->type() == QEvent::MouseButtonDblClick && alive && control_ && !custom) {
            // Let the native control see an ordinary press.
            QMouseEvent press(QEvent::MouseButtonPress, me->position(), me->scenePosition(),
                              me->globalPosition(), me->button(), me->buttons(), me->modifiers(),
                              me->pointingDevice());
            QApplication::sendEvent(watched, &press);
            return true;
        }
        return custom;
    }
    if (type == QEvent::MouseButtonRelease) {
        MouseArgs a = mouseArgs(local, false);
        const bool afterDbl = t.dblPending && t.lastPressed == c;
        t.dblPending = false;
        const bool inside = QRectF(QPointF(0, 0), QSizeF(w->size())).contains(pos);
        if (c->onMouseUp) c->onMouseUp(a.button, a.shift, a.x, a.y);
        if (!alive || !control_) return true;
        if (c->synthesizesClick() && !afterDbl && me->button() == Qt::LeftButton && inside &&
            t.lastPressed == c)
            c->raiseClick();
        return custom;
    }
    MouseArgs a = mouseArgs(local, true);
    if (c->onMouseMove) c->onMouseMove(a.button, a.shift, a.x, a.y);
    return custom;
}

// Key events ------------------------------------------------------------------------------------

bool EventBridge::key(QObject* watched, QKeyEvent* e)
{
    Control* c = control_;
    if (watched != c->widget()) return dispatchKey(c->form(), c, watched, e);
    QPointer<QObject> alive(watched);
    if (dispatchKey(c->form(), c, watched, e) || !alive) return true;
    // The control's own handling (typing, Tab) runs here and the key ends with it: a key belongs to
    // the control that has the focus, never to its containers or its window as well. A handler may
    // have moved the focus (a new step hides the focused area): passed on, the key would reach the
    // window as one of the window's own and be judged a second time.
    watched->event(e);
    e->accept();
    return true;
}

static bool replayingKey = false;

static int keyAsciiOf(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0;
    default:
        break;
    }
    if (e->modifiers() & Qt::ControlModifier && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
        return e->key() - Qt::Key_A + 1;
    if (e->modifiers() & Qt::AltModifier) return 0;
    const QString text = e->text();
    if (text.isEmpty() || text.at(0).unicode() < 32 || text.at(0).unicode() == 127) return 0;
    return text.at(0).unicode();
}

bool typeThroughKeyPress(Form* form, Control* control, const QString& text,
                         const std::function<void(QChar)>& accepted)
{
    const bool preview = form && control && form->KeyPreview() && form->onKeyPress;
    KeyPressHandler* own = control ? &control->onKeyPress : form ? &form->onKeyPress : nullptr;
    QPointer<QObject> alive(control && control->widget() ? static_cast<QObject*>(control->widget())
                                                         : nullptr);
    for (QChar ch : text) {
        int ascii = ch.unicode();
        if (preview) form->onKeyPress(ascii);
        if (ascii != 0 && own && *own) (*own)(ascii);
        if (control && !alive) return false; // a handler closed the form
        if (ascii > 0 && ascii <= 0xFFFF) accepted(QChar(char16_t(ascii)));
    }
    return true;
}

// The keyboard as the runtime follows it ------------------------------------------------------

namespace {

// A press that reached a form and whose release has not: its owner (the control or form that
// took it) and the Shift bits held then.
struct Press {
    const void* owner;
    int shift;
};
std::map<int, Press> pressedBy;

// A release is held back until the events queued with it are delivered: the X server's auto-repeat
// sends a held key as release and press with one time stamp, and only a release that no such
// press follows lets the key up.
struct HeldRelease {
    bool pending = false;
    unsigned seq = 0;
    int vk = 0;
    quint64 timestamp = 0;
    Press press{};
    Form* form = nullptr;
    Control* control = nullptr;
    int shift = 0;
} held;

// Keys whose press the window system kept to itself but made a request of (a window manager's
// close for Alt+F4): down until the system keyboard has them up, looked at every few milliseconds
// of the program's clock meanwhile. Losing the keyboard leaves them as they are: the window manager
// holds it while the key is down.
std::set<int> keptKeys;
constexpr int KeptKeyPollMs = 10;
void releaseKeptKeysThatAreUp();
Timer& keptKeyPoll()
{
    static Timer* const poll = [] {
        auto* t = new Timer(KeptKeyPollMs, false); // lives as long as the program
        t->name = QStringLiteral("keptKeyPoll");
        t->onTimer = releaseKeptKeysThatAreUp;
        return t;
    }();
    return *poll;
}

void releaseKeptKeysThatAreUp()
{
    for (auto it = keptKeys.begin(); it != keptKeys.end();) {
        if (systemKeyboard().keyDown(*it) == true) {
            ++it;
            continue;
        }
        if (!pressedBy.count(*it)) setKeyDown(*it, false);
        it = keptKeys.erase(it);
    }
    if (keptKeys.empty()) keptKeyPoll().setEnabled(false);
}

void forgetKey(int vk)
{
    pressedBy.erase(vk);
    keptKeys.erase(vk);
    setKeyDown(vk, false);
}

void forgetAllKeys()
{
    for (const auto& [vk, press] : pressedBy)
        setKeyDown(vk, false);
    pressedBy.clear();
    for (int vk : {int(vbKeyShift), int(vbKeyControl), int(vbKeyMenu)})
        setKeyDown(vk, false);
}

bool isRepeatOfHeld(const QKeyEvent* e)
{
    return held.pending && e->type() == QEvent::KeyPress && e->timestamp() != 0 &&
           e->timestamp() == held.timestamp &&
           virtualKey(e->key(), e->modifiers() & Qt::KeypadModifier) == held.vk;
}

void runKeyUp(Form* form, Control* control, int vk, int shift, int pressShift);

// Sees every input event of the application before its receiver does, and follows the keyboard
// focus of the application as a whole.
class KeyWatch final : public QObject {
public:
    KeyWatch()
        : QObject(qApp)
    {
        // A held key comes as presses alone where the X server can send it so.
        useDetectableAutoRepeat();
        qApp->installEventFilter(this);
        QObject::connect(qApp, &QGuiApplication::focusWindowChanged, this, [](QWindow* w) {
            if (!formWindow(w))
                keyboardLost();
            else if (QGuiApplication::applicationState() == Qt::ApplicationActive)
                keyboardBack();
        });
        QObject::connect(qApp, &QGuiApplication::applicationStateChanged, this, [](Qt::ApplicationState s) {
            if (s != Qt::ApplicationActive)
                keyboardLost();
            else if (formWindow(QGuiApplication::focusWindow()))
                keyboardBack();
        });
    }

    // Whether the window is a form's: keys that go to any other window never reach a form.
    static bool formWindow(QWindow* w)
    {
        if (!w) return false;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->windowHandle() == w) return dynamic_cast<FormWindow*>(top) != nullptr;
        return false;
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            auto* e = static_cast<QKeyEvent*>(event);
            if (held.pending && !isRepeatOfHeld(e)) judgeHeldKeyRelease();
            // A release that a window of no form takes (a message box, a menu) lets its key up
            // all the same.
            if (e->type() == QEvent::KeyRelease && !e->isAutoRepeat())
                if (auto* w = qobject_cast<QWidget*>(watched); w && !dynamic_cast<FormWindow*>(w->window()))
                    forgetKey(virtualKey(e->key(), e->modifiers() & Qt::KeypadModifier));
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            // Input that follows a release comes after it.
            if (held.pending) judgeHeldKeyRelease();
            break;
        default:
            break;
        }
        return false;
    }

    // Keys let go while another program or a window of no form has the keyboard never come up
    // here: none is held.
    static void keyboardLost()
    {
        judgeHeldKeyRelease();
        forgetAllKeys();
        lost = true;
    }
    // The keys held on the way back: the modifiers, as the keyboard has them now.
    static void keyboardBack()
    {
        if (!lost) return;
        lost = false;
        const int shift = heldShiftBits();
        setKeyDown(vbKeyShift, shift & vbShiftMask);
        setKeyDown(vbKeyControl, shift & vbCtrlMask);
        setKeyDown(vbKeyMenu, shift & vbAltMask);
    }
    static inline bool lost = false;
};

} // namespace

void watchKeys()
{
    static QPointer<KeyWatch> watch;
    if (!watch && qApp) watch = new KeyWatch;
}

namespace {

// The owners of the key-up handlers running now: an owner that goes away under them is forgotten.
struct KeyUpTarget {
    Form* form = nullptr;
    Control* control = nullptr;
} keyUpTarget;

void runKeyUp(Form* form, Control* control, int vk, int shift, int pressShift)
{
    const KeyUpTarget outer = keyUpTarget;
    keyUpTarget = {form, control};
    struct Scope {
        explicit Scope(int pressShift) { setKeyPressShift(pressShift); }
        ~Scope() { setKeyPressShift(-1); }
    } scope(pressShift);
    const bool preview = control && form->KeyPreview();
    if (preview && form->onKeyUp) form->onKeyUp(vk, shift);
    const auto gone = [control] { return !keyUpTarget.form || (control && !keyUpTarget.control); };
    if (!gone()) {
        const bool unhandled = control && form->takesUnhandledKeys() && !control->onKeyDown &&
                               !control->onKeyUp && control->kind() != Control::Kind::TextBox &&
                               control->kind() != Control::Kind::ListBox;
        KeyHandler& own = control ? control->onKeyUp : form->onKeyUp;
        if (own)
            own(vk, shift);
        else if (unhandled && !preview && form->onKeyUp)
            form->onKeyUp(vk, shift);
    }
    keyUpTarget = outer;
}

} // namespace

void judgeHeldKeyRelease()
{
    if (!held.pending) return;
    held.pending = false;
    if (held.form) runKeyUp(held.form, held.control, held.vk, held.shift, held.press.shift);
}

std::vector<int> keysKeptBySystem()
{
    std::vector<int> kept;
    for (int vk : {int(vbKeyF4)})
        if (!keyIsDown(vk) && systemKeyboard().keyDown(vk) == true) kept.push_back(vk);
    return kept;
}

void holdKeptKeys(const std::vector<int>& keys)
{
    for (int vk : keys) {
        keptKeys.insert(vk);
        setKeyDown(vk, true);
    }
    if (!keptKeys.empty()) keptKeyPoll().setEnabled(true);
}

void forgetKeyTarget(const void* owner)
{
    if (keyUpTarget.form == owner) keyUpTarget = {};
    if (keyUpTarget.control == owner) keyUpTarget.control = nullptr;
    if (held.pending && (held.form == owner || held.control == owner)) held.pending = false;
    for (auto it = pressedBy.begin(); it != pressedBy.end();)
        it = it->second.owner == owner ? pressedBy.erase(it) : std::next(it);
}

bool dispatchKey(Form* form, Control* control, QObject* receiver, QKeyEvent* e)
{
    if (replayingKey || !form) return false;
    watchKeys();
    const bool press = e->type() == QEvent::KeyPress;
    if (!press && e->isAutoRepeat()) return false;
    int vk = virtualKey(e->key(), e->modifiers() & Qt::KeypadModifier);
    const int shift = shiftBits(e->modifiers());
    const bool preview = control && form->KeyPreview();
    QPointer<QObject> alive(receiver);

    // A release belongs to the control (or form) that took its press and is judged with the Shift
    // bits of that press: when a handler of the press moved the focus on, the release is not handed
    // to the new owner as a key of its own, and a release whose press never reached a form (it
    // closed a message box, or the window system kept it) is nobody's.
    const void* owner = control ? static_cast<const void*>(control) : static_cast<const void*>(form);
    bool repeat = press && e->isAutoRepeat();
    if (vk != 0 && press) {
        if (isRepeatOfHeld(e)) {
            // The release before it was the keyboard's repeat: the key never went up.
            held.pending = false;
            pressedBy[vk] = held.press;
            setKeyDown(vk, true);
            repeat = true;
        } else if (pressedBy.count(vk)) {
            repeat = true; // a press of a key already down is the keyboard's repeat
        } else if (keyIsDown(vk) && !repeat) {
            repeat = true; // held still, though no form owns its press (the keyboard came back)
            pressedBy[vk] = Press{owner, shift};
        } else if (!repeat) {
            pressedBy[vk] = Press{owner, shift};
            setKeyDown(vk, true);
        }
    }
    if (vk != 0 && !press) {
        setKeyDown(vk, false);
        keptKeys.erase(vk);
        const auto it = pressedBy.find(vk);
        if (it == pressedBy.end()) return true;
        const Press p = it->second;
        pressedBy.erase(it);
        if (p.owner != owner) return true;
        held.pending = true;
        held.seq++;
        held.vk = vk;
        held.timestamp = e->timestamp();
        held.press = p;
        held.form = form;
        held.control = control;
        held.shift = shift;
        QTimer::singleShot(0, qApp, [seq = held.seq] {
            if (held.pending && held.seq == seq) judgeHeldKeyRelease();
        });
        return false;
    }
    struct RepeatScope {
        RepeatScope(bool on)
        {
            setKeyAutoRepeat(on);
            setKeyPressShift(-1);
        }
        ~RepeatScope() { setKeyAutoRepeat(false); }
    } repeatScope(repeat);

    KeyHandler& own =
        control ? (press ? control->onKeyDown : control->onKeyUp) : (press ? form->onKeyDown : form->onKeyUp);
    if (vk != 0) {
        KeyHandler& formKey = press ? form->onKeyDown : form->onKeyUp;
        if (preview && formKey) formKey(vk, shift);
        const bool unhandled = control && form->takesUnhandledKeys() && !control->onKeyDown &&
                               !control->onKeyUp && control->kind() != Control::Kind::TextBox &&
                               control->kind() != Control::Kind::ListBox;
        if (vk != 0 && own && alive)
            own(vk, shift);
        else if (unhandled && !preview && formKey && alive)
            formKey(vk, shift);
    }
    if (!press || !alive) return !alive;

    // Enter away from a button presses the form's default button; Esc its cancel button.
    const bool onButton = control && control->kind() == Control::Kind::CommandButton;
    if ((vk == vbKeyReturn && !onButton) || vk == vbKeyEscape) {
        if (Control* b = form->defaultButton(vk == vbKeyEscape)) {
            if (auto* w = qobject_cast<QPushButton*>(b->widget())) w->click();
            return true;
        }
    }

    // Paste (Ctrl+V, Shift+Insert) is the text box's own: it puts the clipboard's text through the
    // KeyPress handlers one character at a time, as typing does; the keys are no character.
    if (control && control->kind() == Control::Kind::TextBox && e->matches(QKeySequence::Paste)) return false;

    int ascii = keyAsciiOf(e);
    if (ascii == 0) return false;
    const int original = ascii;
    if (preview && form->onKeyPress) form->onKeyPress(ascii);
    KeyPressHandler& ownPress = control ? control->onKeyPress : form->onKeyPress;
    if (ascii != 0 && alive && ownPress && (control || !preview)) ownPress(ascii);
    if (!alive) return true;
    if (ascii == 0) return true; // cancelled
    if (ascii != original) {
        QKeyEvent replaced(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(ascii)));
        replayingKey = true;
        QApplication::sendEvent(receiver, &replaced);
        replayingKey = false;
        return true;
    }
    return false;
}

} // namespace platform
