#pragma once
// Controls: the base every control shares, containers and control arrays.
#include <QPoint>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/picture.h"

class QWidget;
class QEvent;
class QMouseEvent;
class QKeyEvent;

namespace platform {

class Form;
class Control;
class EventBridge;

// Mouse buttons and Shift bits as the handlers receive them.
enum MouseButton : int { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };
enum ShiftBits : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

using MouseHandler = std::function<void(int button, int shift, double x, double y)>;
using KeyHandler = std::function<void(int& keyCode, int shift)>;
using KeyPressHandler = std::function<void(int& keyAscii)>;

// Something that holds controls: a form, a picture box or a frame. Children are positioned
// relative to its client area and kept in stacking order (first = bottom).
class Container {
public:
    virtual ~Container() = default;
    virtual QWidget* hostWidget() const = 0; // the widget children are placed in; null unless loaded
    virtual QPoint clientOriginPx() const { return {}; } // where the client area starts inside it
    virtual Form* ownerForm() = 0;
    const std::vector<Control*>& children() const { return children_; }

    // Puts windowed children above graphical ones, each stratum in stacking order.
    void restack();

private:
    friend class Control;
    std::vector<Control*> children_;
};

// The properties every control has, kept in twips exactly as set.
struct CommonProps {
    double left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    bool enabled = true;
    QString tag;
    QString toolTip;
    int mousePointer = 0;
    Picture mouseIcon;
    int tabIndex = 0;
    bool tabStop = true;
};

class Control {
public:
    enum class Kind {
        Label,
        Image,
        PictureBox,
        TextBox,
        ListBox,
        CommandButton,
        Frame,
        CheckBox,
        Shape,
        Line
    };

    Control(Form* form, const QString& name, Kind kind);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& Name() const { return name_; }
    int Index() const { return index_; } // -1 unless an element of a control array
    Kind kind() const { return kind_; }
    Form* form() const { return form_; }
    bool isGraphical() const; // drawn on its container: Label, Image, Shape, Line
    bool takesMouse() const;  // Shape and Line never do

    // The container it lies in (the form when none was set).
    Container* container() const;
    void setContainer(Container* c);

    double Left() const { return cp_.left; }
    double Top() const { return cp_.top; }
    double Width() const { return cp_.width; }
    double Height() const { return cp_.height; }
    virtual void setLeft(double v);
    virtual void setTop(double v);
    virtual void setWidth(double v);
    virtual void setHeight(double v);
    void Move(double left, double top);
    void Move(double left, double top, double width);
    void Move(double left, double top, double width, double height);

    bool Visible() const { return cp_.visible; }
    void setVisible(bool v);
    bool Enabled() const { return cp_.enabled; }
    void setEnabled(bool v);
    const QString& Tag() const { return cp_.tag; }
    void setTag(const QString& t) { cp_.tag = t; }
    const QString& ToolTipText() const { return cp_.toolTip; }
    void setToolTipText(const QString& t);
    int MousePointer() const { return cp_.mousePointer; }
    void setMousePointer(int shape);
    const Picture& MouseIcon() const { return cp_.mouseIcon; }
    void setMouseIcon(const Picture& p);
    int TabIndex() const { return cp_.tabIndex; }
    void setTabIndex(int i) { cp_.tabIndex = i; }
    bool TabStop() const { return cp_.tabStop; }
    void setTabStop(bool on);

    // 0 brings it to the front of its stratum, 1 sends it to the back.
    void ZOrder(int position = 0);
    void Refresh();
    // Gives it the keyboard focus; raises GotFocus.
    void SetFocus();
    bool hasFocus() const;

    // Events.
    MouseHandler onMouseDown, onMouseUp, onMouseMove;
    std::function<void()> onClick, onDblClick, onGotFocus, onLostFocus, onChange;
    KeyHandler onKeyDown, onKeyUp;
    KeyPressHandler onKeyPress;

    // Runtime side.
    QWidget* widget() const { return widget_; }
    void createWidget();       // with its container's widget as parent (the form is loaded)
    void destroyWidget();      // the widget is deleted later, never under a running handler
    virtual void resetProps(); // back to the state of a newly created control
    virtual void copyPropsFrom(const Control& other); // an element loaded into a control array
    void setIndex(int i) { index_ = i; }

    // Raises the control's events (the event bridge and programmatic writes call these).
    void raiseClick();
    void raiseChange();

protected:
    virtual QWidget* makeWidget(QWidget* parent) = 0;
    virtual void applyAll(); // pushes every property to the widget
    void applyGeometry();
    virtual QRect pixelRect() const; // in the container's widget
    virtual void afterGeometry() {}
    // Whether the event bridge makes Click and DblClick from presses (controls with a native
    // click of their own say no).
    virtual bool synthesizesClick() const { return true; }
    friend class EventBridge;

    CommonProps cp_;
    QWidget* widget_ = nullptr;

private:
    Form* form_;
    QString name_;
    Kind kind_;
    int index_ = -1;
    Container* container_ = nullptr;
};

void reportMissing(const QString& array, int index);
// Gives a widget the numbered pointer shape, or the custom pointer icon for 99.
void applyPointer(QWidget* w, int shape, const Picture& icon);
// A control loaded at run time into a loaded form gets its widget at once.
void createWidgetIfLoaded(Control& c);
// The form removes an array's run-time elements when it unloads.
void registerArray(Form* form, std::function<void()> unloadRuntime);

// A control array: indexed elements, possibly sparse, some present at design time and others
// loaded at run time. Touching a missing element is a reported no-op.
template <class T> class ControlArray {
public:
    ControlArray(Form* form, QString name)
        : form_(form)
        , name_(std::move(name))
    {
        registerArray(form_, [this] { unloadRuntime(); });
    }

    // Creates an element present at design time (it survives unloading).
    T& design(int index)
    {
        auto& e = elements_[index];
        if (!e) {
            e = std::make_unique<T>(form_, name_);
            wire(*e, index);
        }
        designIndexes_.push_back(index);
        return *e;
    }

    bool exists(int index) const { return elements_.count(index) != 0; }
    T& operator()(int index)
    {
        auto it = elements_.find(index);
        if (it != elements_.end()) return *it->second;
        reportMissing(name_, index);
        if (!scratch_) scratch_ = std::make_unique<Scratch>(nullptr, name_);
        scratch_->resetProps();
        return *scratch_;
    }

    // Loads a new element with the properties of the lowest element, hidden. False when it
    // exists already or the array has no element to copy.
    bool Load(int index)
    {
        if (exists(index) || elements_.empty()) return false;
        T& model = *elements_.begin()->second;
        auto e = std::make_unique<T>(form_, name_);
        e->setContainer(model.container());
        e->copyPropsFrom(model);
        e->setVisible(false);
        wire(*e, index);
        T& ref = *e;
        elements_[index] = std::move(e);
        afterLoad(ref);
        return true;
    }

    // Unloads an element loaded at run time.
    bool Unload(int index)
    {
        auto it = elements_.find(index);
        if (it == elements_.end() || isDesign(index)) return false;
        it->second->destroyWidget();
        elements_.erase(it);
        return true;
    }

    // Removes every element loaded at run time and resets the others (the form unloads).
    void unloadRuntime()
    {
        for (auto it = elements_.begin(); it != elements_.end();) {
            if (isDesign(it->first)) {
                ++it;
            } else {
                it->second->destroyWidget();
                it = elements_.erase(it);
            }
        }
    }

    int Count() const { return int(elements_.size()); }
    int LBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
    int UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }
    std::vector<int> indexes() const
    {
        std::vector<int> out;
        for (auto& [i, e] : elements_)
            out.push_back(i);
        return out;
    }
    template <class F> void forEach(F f)
    {
        for (auto& [i, e] : elements_)
            f(i, *e);
    }

    std::function<void(int index, int button, int shift, double x, double y)> onMouseDown, onMouseUp,
        onMouseMove;
    std::function<void(int index)> onClick, onDblClick, onGotFocus, onLostFocus, onChange;
    std::function<void(int index, int&keyCode, int shift)> onKeyDown, onKeyUp;
    std::function<void(int index, int& keyAscii)> onKeyPress;

private:
    // The stand-in returned for a missing element: never shown, reset at every access.
    struct Scratch final : T {
        using T::T;
    };

    bool isDesign(int index) const
    {
        for (int d : designIndexes_)
            if (d == index) return true;
        return false;
    }

    void afterLoad(T& e);

    void wire(T& e, int index)
    {
        e.setIndex(index);
        e.onMouseDown = [this, index](int b, int s, double x, double y) {
            if (onMouseDown) onMouseDown(index, b, s, x, y);
        };
        e.onMouseUp = [this, index](int b, int s, double x, double y) {
            if (onMouseUp) onMouseUp(index, b, s, x, y);
        };
        e.onMouseMove = [this, index](int b, int s, double x, double y) {
            if (onMouseMove) onMouseMove(index, b, s, x, y);
        };
        e.onClick = [this, index] {
            if (onClick) onClick(index);
        };
        e.onDblClick = [this, index] {
            if (onDblClick) onDblClick(index);
        };
        e.onGotFocus = [this, index] {
            if (onGotFocus) onGotFocus(index);
        };
        e.onLostFocus = [this, index] {
            if (onLostFocus) onLostFocus(index);
        };
        e.onChange = [this, index] {
            if (onChange) onChange(index);
        };
        e.onKeyDown = [this, index](int& k, int s) {
            if (onKeyDown) onKeyDown(index, k, s);
        };
        e.onKeyUp = [this, index](int& k, int s) {
            if (onKeyUp) onKeyUp(index, k, s);
        };
        e.onKeyPress = [this, index](int& k) {
            if (onKeyPress) onKeyPress(index, k);
        };
    }

    Form* form_;
    QString name_;
    std::map<int, std::unique_ptr<T>> elements_;
    std::vector<int> designIndexes_;
    std::unique_ptr<Scratch> scratch_;
};

template <class T> void ControlArray<T>::afterLoad(T& e)
{
    createWidgetIfLoaded(e);
}

} // namespace platform
