#pragma once
// Forms: one screen each, loaded on first use, shown modeless or modal, hidden, unloaded.
#include <QString>
#include <functional>
#include <memory>
#include <typeindex>
#include <vector>

#include "platform/clock.h"
#include "platform/control.h"
#include "platform/picture.h"

class QWidget;
class QEventLoop;

namespace platform {

class FormWindow;
class Menu;

enum FormShow : int { vbModeless = 0, vbModal = 1 };
enum WindowStateValue : int { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };
enum BorderStyleValue : int {
    vbBSNone = 0,
    vbFixedSingle = 1,
    vbSizable = 2,
    vbFixedDialog = 3,
    vbFixedToolWindow = 4
};
// Why a form is being unloaded.
enum UnloadModeValue : int { vbFormControlMenu = 0, vbFormCode = 1, vbAppWindows = 2, vbAppTaskManager = 3 };
enum PopupFlags : int {
    vbPopupMenuLeftAlign = 0,
    vbPopupMenuCenterAlign = 4,
    vbPopupMenuRightAlign = 8,
    vbPopupMenuLeftButton = 0,
    vbPopupMenuRightButton = 2
};

class Form : public Container {
public:
    explicit Form(const QString& name);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& Name() const { return name_; }

    // Life cycle.
    bool isLoaded() const { return loaded_; }
    void Load();                       // runs the design and Form_Load once per loading
    void Show(int modal = vbModeless); // loads first; a modal show returns when the form is hidden
    void Hide();
    bool Unload(); // false when the form refused to close
    bool isModalRunning() const { return modalDepth_ > 0; }

    // Properties, in twips.
    // A maximised form reads as the whole screen.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void setLeft(double v);
    void setTop(double v);
    void setWidth(double v);
    void setHeight(double v);
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);
    double ScaleWidth() const { return Width(); }
    double ScaleHeight() const { return Height(); }

    bool Visible() const { return visible_; }
    void setVisible(bool v);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    const QString& Caption() const { return caption_; }
    void setCaption(const QString& c);
    int WindowState() const { return windowState_; }
    void setWindowState(int s);
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int b);
    long BackColor() const { return backColor_; }
    void setBackColor(long c);
    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& p);
    bool LoadPicture(const QString& path);
    bool KeyPreview() const { return keyPreview_; }
    void setKeyPreview(bool on) { keyPreview_ = on; }
    // Keys the window system would act on itself (Alt+F4, F10, Alt+Space) stay with the form's
    // handlers: every key that reaches the window counts as handled.
    bool keepsSystemKeys() const { return keepsSystemKeys_; }
    void setKeepsSystemKeys(bool on) { keepsSystemKeys_ = on; }
    // Keys of a focused control that has no key handler of its own and takes no typing (a picture
    // box, not a text box or list) go to the form's key handlers.
    bool takesUnhandledKeys() const { return takesUnhandledKeys_; }
    void setTakesUnhandledKeys(bool on) { takesUnhandledKeys_ = on; }
    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int shape);
    void setMouseIcon(const Picture& p);
    bool centred() const { return centred_; }
    void setCentred(bool on) { centred_ = on; } // start centred on the screen
    bool stayOnTop() const { return stayOnTop_; }
    void setStayOnTop(bool on); // topmost window
    void setShowInTaskbar(bool on) { showInTaskbar_ = on; }

    // Raises the window to the top of the z-order without making it topmost.
    void bringToTop();
    // Moves the window with the pointer while the button is held, as dragging a caption does;
    // done() is told when the move ends.
    void beginMoveByPointer(std::function<void()> done = {});

    // Shows a pop-up menu at the pointer, or at (x, y) in the form's twips, and runs the
    // picked item's Click before returning.
    void PopupMenu(Menu& menu, int flags = 0);
    void PopupMenu(Menu& menu, int flags, double x, double y);

    // Events.
    MouseHandler onMouseDown, onMouseUp, onMouseMove;
    std::function<void()> onClick, onDblClick, onActivate, onDeactivate, onResize;
    KeyHandler onKeyDown, onKeyUp;
    KeyPressHandler onKeyPress;
    // QueryUnload(cancel, unloadMode) and Unload(cancel): set cancel to refuse.
    std::function<void(int& cancel, int unloadMode)> onQueryUnload;
    std::function<void(int& cancel)> onUnload;

    // Runtime side.
    QWidget* hostWidget() const override;
    Form* ownerForm() override { return this; }
    FormWindow* window() const { return window_; }
    void registerControl(Control* c);
    void unregisterControl(Control* c);
    void registerTimer(Timer* t);
    void registerRuntimeArray(std::function<void()> unloadRuntime);
    void registerMenu(Menu* m); // its design state is restored at every loading
    Control* focusedControl() const { return focused_; }
    // The form's default (Enter) or cancel (Esc) button, when one is set, shown and enabled.
    Control* defaultButton(bool cancel) const;
    void noteFocus(Control* c);           // GotFocus/LostFocus bookkeeping
    bool closeFromWindow(int unloadMode); // the window frame asks to close

protected:
    // The design state of the controls, applied at every loading before Form_Load.
    virtual void design() {}
    virtual void Form_Load() {}

private:
    void applyWindowFlags();
    void applyGeometry();
    bool fixedFrame() const;
    bool unloadWith(int mode);
    void teardown();
    void quitModal();
    void keepTopmostAbove();
    void showMaximised();

    QString name_;
    bool loaded_ = false;
    bool loading_ = false;
    int modalDepth_ = 0;
    FormWindow* window_ = nullptr;
    double left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
    bool visible_ = false;
    bool enabled_ = true;
    QString caption_;
    int windowState_ = vbNormal;
    int borderStyle_ = vbSizable;
    long backColor_ = 0x8000000F;
    Picture picture_;
    bool keyPreview_ = false;
    bool keepsSystemKeys_ = false;
    bool takesUnhandledKeys_ = false;
    int mousePointer_ = 0;
    Picture mouseIcon_;
    bool centred_ = false;
    bool stayOnTop_ = false;
    bool showInTaskbar_ = true;
    std::vector<Control*> allControls_;
    std::vector<Timer*> timers_;
    std::vector<Menu*> menus_;
    std::vector<QEventLoop*> modalLoops_;
    std::vector<std::function<void()>> runtimeArrays_;
    Control* focused_ = nullptr;
    std::function<void()> moveDone_;
    friend class FormWindow;
    friend class Forms;
};

// The single instance of each form, created on first use. form<T>() loads it (as touching a
// form does); instance<T>() does not.
class Forms {
public:
    template <class T> static T& instance()
    {
        Form* f = find(typeid(T));
        if (!f) f = add(typeid(T), std::make_unique<T>());
        return static_cast<T&>(*f);
    }
    template <class T> static bool isLoaded()
    {
        Form* f = find(typeid(T));
        return f && f->isLoaded();
    }
    static std::vector<Form*> all();
    // Unloads every form without asking and forgets the instances (tests; program end).
    static void destroyAll();

private:
    static Form* find(std::type_index t);
    static Form* add(std::type_index t, std::unique_ptr<Form> f);
};

template <class T> T& form()
{
    T& f = Forms::instance<T>();
    f.Load();
    return f;
}

// Replaceable answer to modal shows and pop-up menus, so tests can script them.
class ModalHook {
public:
    virtual ~ModalHook() = default;
    // Called inside the modal loop once the form is shown; must end by hiding or unloading it.
    virtual void modalShown(Form& form) = 0;
};
void setModalHook(ModalHook* hook);
ModalHook* modalHook();

} // namespace platform
