#include "platform/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <map>

#include "platform/controls.h"
#include "platform/event_bridge.h"
#include "platform/form_window.h"
#include "platform/keys.h"
#include "platform/menu.h"
#include "platform/units.h"

namespace platform {

namespace {

ModalHook* g_modalHook = nullptr;

struct Registry {
    std::map<std::type_index, std::unique_ptr<Form>> forms;
    std::vector<Form*> order;
};
Registry& registry()
{
    static Registry r;
    return r;
}

} // namespace

// FormWindow ---------------------------------------------------------------------------------

FormWindow::FormWindow(Form* form)
    : QWidget(nullptr)
    , form_(form)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMouseTracking(true);
    // The window takes the keys when no control has them, but it is no Tab stop of its own: Tab
    // goes round the controls that can take the focus.
    setFocusPolicy(Qt::ClickFocus);
    // The paint fills the whole window with the back colour: nothing to erase before it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FormWindow::paintEvent(QPaintEvent*)
{
    if (!form_) return;
    QPainter p(this);
    p.fillRect(rect(), toQColor(form_->BackColor()));
    if (!form_->picture().isNull()) p.drawPixmap(0, 0, form_->picture().pixmap());
}

void FormWindow::mousePressEvent(QMouseEvent* e)
{
    if (!form_) return;
    mouseTrack().lastGlobal = e->globalPosition().toPoint();
    mouseTrack().lastPressed = form_;
    mouseTrack().dblPending = false;
    auto a = EventBridge::mouseArgs(*e, false);
    if (form_->onMouseDown) form_->onMouseDown(a.button, a.shift, a.x, a.y);
}

void FormWindow::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (!form_) return;
    if (mouseTrack().lastPressed == form_ && e->button() == Qt::LeftButton) {
        mouseTrack().dblPending = true;
        if (form_->onDblClick) form_->onDblClick();
        return;
    }
    mousePressEvent(e);
}

void FormWindow::mouseReleaseEvent(QMouseEvent* e)
{
    if (!form_) return;
    QPointer<FormWindow> alive(this);
    const bool afterDbl = mouseTrack().dblPending && mouseTrack().lastPressed == form_;
    mouseTrack().dblPending = false;
    auto a = EventBridge::mouseArgs(*e, false);
    if (form_->onMouseUp) form_->onMouseUp(a.button, a.shift, a.x, a.y);
    if (alive && form_ && !afterDbl && e->button() == Qt::LeftButton && mouseTrack().lastPressed == form_ &&
        form_->onClick)
        form_->onClick();
}

void FormWindow::mouseMoveEvent(QMouseEvent* e)
{
    if (!form_) return;
    mouseTrack().lastGlobal = e->globalPosition().toPoint();
    auto a = EventBridge::mouseArgs(*e, true);
    if (form_->onMouseMove) form_->onMouseMove(a.button, a.shift, a.x, a.y);
}

// Keys go to the focused control; one that reaches the window while a control has the focus
// was passed up by that control, which has raised its events already.
bool FormWindow::ownKey() const
{
    return form_ && (!focusWidget() || focusWidget() == this);
}

// Before the widget's own handling, so Tab reaches the handlers before it moves the focus.
bool FormWindow::event(QEvent* e)
{
    if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
        QPointer<FormWindow> alive(this);
        if (ownKey() && dispatchKey(form_, nullptr, this, static_cast<QKeyEvent*>(e))) return true;
        if (alive && form_ && form_->keepsSystemKeys()) {
            e->accept();
            return true;
        }
    }
    return QWidget::event(e);
}

void FormWindow::closeEvent(QCloseEvent* e)
{
    // The keys as the request comes, before its handlers run.
    const std::vector<int> kept = keysKeptBySystem();
    if (form_ && !form_->closeFromWindow(vbFormControlMenu))
        e->ignore();
    else
        e->accept();
    holdKeptKeys(kept);
}

void FormWindow::moveEvent(QMoveEvent*)
{
    if (form_ && !applying && form_->WindowState() == vbNormal && isVisible()) {
        form_->left_ = fromPixelsX(x());
        form_->top_ = fromPixelsY(y());
    }
}

void FormWindow::changeEvent(QEvent* e)
{
    // A modal form that the window manager minimises comes back at once (keepModalWindowsInView):
    // its state stays as it was.
    const bool modalComesBack = isModal() && (windowState() & Qt::WindowMinimized);
    if (form_ && e->type() == QEvent::WindowStateChange && !applying && !modalComesBack) {
        if (windowState() & Qt::WindowMinimized)
            form_->windowState_ = vbMinimized;
        else if (windowState() & Qt::WindowMaximized)
            form_->windowState_ = vbMaximized;
        else
            form_->windowState_ = vbNormal;
    }
    QWidget::changeEvent(e);
}

// Modal windows ------------------------------------------------------------------------------

namespace {

// A modal window holds every other window of the program: minimised by the window manager (from
// its title bar, or by a key of the manager's own), it would leave the program blocked behind a
// window no one sees. Whatever draws it (a form, a message box, any dialog), it comes back at once,
// and a window manager that took its owners along brings them back with it.
class ModalKeeper final : public QObject {
public:
    ModalKeeper()
        : QObject(qApp)
    {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::WindowStateChange || !watched->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(watched);
        if (!minimisedModal(w)) return false;
        // A form the program itself minimises is left so.
        if (auto* fw = dynamic_cast<FormWindow*>(w); fw && fw->applying) return false;
        QTimer::singleShot(0, w, [w] {
            if (!minimisedModal(w)) return;
            auto* fw = dynamic_cast<FormWindow*>(w);
            if (fw) fw->applying = true;
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
            w->show();
            if (fw) fw->applying = false;
            w->raise();
            w->activateWindow();
        });
        return false;
    }

private:
    static bool minimisedModal(const QWidget* w)
    {
        return w->isWindow() && w->isModal() && !w->isHidden() && (w->windowState() & Qt::WindowMinimized);
    }
};

} // namespace

void keepModalWindowsInView()
{
    static QPointer<ModalKeeper> keeper;
    if (!keeper && qApp) keeper = new ModalKeeper;
}

// From the start of the program: a dialog may come before any form.
Q_COREAPP_STARTUP_FUNCTION(keepModalWindowsInView)

// Form ---------------------------------------------------------------------------------------

Form::Form(const QString& name)
    : name_(name)
{}

Form::~Form()
{
    if (window_) {
        window_->detach();
        window_->hide();
        window_->deleteLater();
        window_ = nullptr;
    }
}

QWidget* Form::hostWidget() const
{
    return window_;
}

void Form::registerControl(Control* c)
{
    allControls_.push_back(c);
}

void Form::unregisterControl(Control* c)
{
    allControls_.erase(std::remove(allControls_.begin(), allControls_.end(), c), allControls_.end());
    if (focused_ == c) focused_ = nullptr;
}

void Form::registerTimer(Timer* t)
{
    timers_.push_back(t);
    t->setActive(loaded_);
}

void Form::registerRuntimeArray(std::function<void()> unloadRuntime)
{
    runtimeArrays_.push_back(std::move(unloadRuntime));
}

void Form::registerMenu(Menu* m)
{
    menus_.push_back(m);
}

Control* Form::defaultButton(bool cancel) const
{
    for (Control* c : allControls_) {
        if (c->kind() != Control::Kind::CommandButton || !c->widget() || !c->widget()->isVisible() ||
            !c->widget()->isEnabled())
            continue;
        const auto* b = static_cast<const CommandButton*>(c);
        if (cancel ? b->Cancel() : b->Default()) return c;
    }
    return nullptr;
}

void Form::noteFocus(Control* c)
{
    if (focused_ == c) return;
    Control* prev = focused_;
    focused_ = c;
    if (prev && prev->onLostFocus) prev->onLostFocus();
    if (c && focused_ == c && c->onGotFocus) c->onGotFocus();
}

void Form::Load()
{
    if (loaded_ || loading_) return;
    loading_ = true;
    // Every loading starts from the design state.
    for (auto& unload : runtimeArrays_)
        unload();
    for (Control* c : allControls_)
        c->resetProps();
    for (Menu* m : menus_)
        m->reset();
    left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
    visible_ = false, enabled_ = true;
    caption_.clear();
    windowState_ = vbNormal;
    borderStyle_ = vbSizable;
    backColor_ = 0x8000000F;
    picture_ = Picture();
    keyPreview_ = false;
    mousePointer_ = 0;
    mouseIcon_ = Picture();
    centred_ = false;
    stayOnTop_ = false;
    showInTaskbar_ = true;
    focused_ = nullptr;
    design();

    watchKeys();
    keepModalWindowsInView();
    window_ = new FormWindow(this);
    window_->setObjectName(name_);
    applyWindowFlags();
    window_->setWindowTitle(caption_);
    applyGeometry();
    window_->setEnabled(enabled_);
    for (Control* c : children())
        c->createWidget();
    restack();
    loaded_ = true;
    loading_ = false;
    for (Timer* t : timers_) {
        t->reset();
        t->setActive(true);
    }
    Form_Load();
}

void Form::applyWindowFlags()
{
    if (!window_) return;
    Qt::WindowFlags f = Qt::Window;
    switch (borderStyle_) {
    case vbBSNone:
        f |= Qt::FramelessWindowHint;
        break;
    case vbFixedSingle:
    case vbFixedDialog:
        f |= Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
             Qt::CustomizeWindowHint;
        break;
    case vbFixedToolWindow:
        f |= Qt::Tool | Qt::MSWindowsFixedSizeDialogHint;
        break;
    default:
        break;
    }
    if (stayOnTop_) f |= Qt::WindowStaysOnTopHint;
    if (!showInTaskbar_ && borderStyle_ != vbFixedToolWindow) f |= Qt::Tool;
    const bool wasVisible = window_->isVisible();
    window_->applying = true;
    window_->setWindowFlags(f);
    if (wasVisible) window_->show();
    window_->applying = false;
    applyGeometry();
}

void Form::applyGeometry()
{
    if (!window_ || windowState_ == vbMaximized) return;
    window_->applying = true;
    const QSize size(std::max(1, toPixelsX(width_)), std::max(1, toPixelsY(height_)));
    // A fixed frame is fixed for the window manager too: its least and greatest size are its size.
    if (fixedFrame())
        window_->setFixedSize(size);
    else
        window_->setMinimumSize(0, 0), window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window_->setGeometry(QRect(QPoint(toPixelsX(left_), toPixelsY(top_)), size));
    window_->applying = false;
}

bool Form::fixedFrame() const
{
    return borderStyle_ == vbFixedSingle || borderStyle_ == vbFixedDialog ||
           borderStyle_ == vbFixedToolWindow;
}

void Form::Show(int modal)
{
    Load();
    if (!loaded_ || !window_) return;
    if (!visible_ && centred_ && windowState_ == vbNormal) {
        left_ = (screenWidthTwips() - width_) / 2;
        top_ = (screenHeightTwips() - height_) / 2;
        applyGeometry();
    }
    // A modal form is modal from its showing (the window system takes the modality of a window
    // when it is shown, never later) and belongs to the window that was active: it stays above it.
    QPointer<FormWindow> owner;
    if (modal == vbModal) {
        QWidget* active = QApplication::activeWindow();
        if (!active && QApplication::focusWidget()) active = QApplication::focusWidget()->window();
        if (auto* w = dynamic_cast<FormWindow*>(active); w && w != window_) owner = w;
        if (window_->isVisible()) window_->hide();
        window_->setWindowModality(Qt::ApplicationModal);
        if (owner) {
            window_->winId();
            owner->winId();
            if (window_->windowHandle() && owner->windowHandle())
                window_->windowHandle()->setTransientParent(owner->windowHandle());
        }
        ++modalDepth_;
    }
    visible_ = true;
    window_->applying = true;
    if (windowState_ == vbMaximized)
        showMaximised();
    else if (windowState_ == vbMinimized)
        window_->showMinimized();
    else
        window_->show();
    window_->applying = false;
    window_->raise();
    window_->activateWindow();
    keepTopmostAbove();
    if (modal != vbModal) return;

    QPointer<FormWindow> win(window_);
    QEventLoop loop;
    modalLoops_.push_back(&loop);
    if (g_modalHook) {
        ModalHook* hook = g_modalHook;
        QTimer::singleShot(0, &loop, [this, hook] { hook->modalShown(*this); });
    }
    loop.exec();
    --modalDepth_;
    modalLoops_.erase(std::remove(modalLoops_.begin(), modalLoops_.end(), &loop), modalLoops_.end());
    if (win) {
        win->setWindowModality(Qt::NonModal);
        if (win->windowHandle()) win->windowHandle()->setTransientParent(nullptr);
    }
    // Closing it gives the focus back to the form it belonged to.
    if (owner && owner->isVisible() && owner->form() && (!win || !win->isVisible())) {
        owner->form()->bringToTop();
        owner->activateWindow();
    }
}

void Form::quitModal()
{
    for (QEventLoop* l : modalLoops_)
        l->quit();
}

void Form::Hide()
{
    if (!loaded_) Load(); // hiding a form that is not loaded loads it, as touching it does
    visible_ = false;
    if (window_) window_->hide();
    quitModal();
}

bool Form::Unload()
{
    return unloadWith(vbFormCode);
}

bool Form::closeFromWindow(int unloadMode)
{
    return unloadWith(unloadMode);
}

bool Form::unloadWith(int mode)
{
    if (!loaded_) return true;
    int cancel = 0;
    if (onQueryUnload) onQueryUnload(cancel, mode);
    if (cancel) return false;
    if (onUnload) onUnload(cancel);
    if (cancel || !loaded_) return !loaded_;
    teardown();
    return true;
}

void Form::teardown()
{
    loaded_ = false;
    visible_ = false;
    quitModal();
    for (Timer* t : timers_)
        t->setActive(false);
    for (Control* c : children())
        c->destroyWidget();
    for (auto& unload : runtimeArrays_)
        unload();
    focused_ = nullptr;
    if (mouseTrack().lastPressed == this) mouseTrack() = {};
    forgetKeyTarget(this);
    if (window_) {
        // Never deleted under a running handler: the window goes when control returns to the loop.
        window_->detach();
        window_->hide();
        window_->deleteLater();
        window_ = nullptr;
    }
}

void Form::setLeft(double v)
{
    left_ = v;
    applyGeometry();
}
void Form::setTop(double v)
{
    top_ = v;
    applyGeometry();
}
void Form::setWidth(double v)
{
    width_ = v;
    applyGeometry();
}
void Form::setHeight(double v)
{
    height_ = v;
    applyGeometry();
}
void Form::Move(double left, double top)
{
    left_ = left;
    top_ = top;
    applyGeometry();
}
void Form::Move(double left, double top, double width, double height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    applyGeometry();
}

double Form::Left() const
{
    return windowState_ == vbMaximized ? 0 : left_;
}
double Form::Top() const
{
    return windowState_ == vbMaximized ? 0 : top_;
}
double Form::Width() const
{
    return windowState_ == vbMaximized ? screenWidthTwips() : width_;
}
double Form::Height() const
{
    return windowState_ == vbMaximized ? screenHeightTwips() : height_;
}

void Form::setVisible(bool v)
{
    if (v)
        Show();
    else
        Hide();
}

void Form::setEnabled(bool v)
{
    enabled_ = v;
    if (window_) window_->setEnabled(v);
}

void Form::setCaption(const QString& c)
{
    caption_ = c;
    if (window_) window_->setWindowTitle(c);
}

void Form::setWindowState(int s)
{
    windowState_ = s;
    if (!window_ || !visible_) {
        applyGeometry();
        return;
    }
    window_->applying = true;
    if (s == vbMaximized)
        showMaximised();
    else if (s == vbMinimized)
        window_->showMinimized();
    else {
        window_->showNormal();
        window_->setGeometry(toPixelsX(left_), toPixelsY(top_), std::max(1, toPixelsX(width_)),
                             std::max(1, toPixelsY(height_)));
    }
    window_->applying = false;
}

// Maximised covers the screen also where no window manager does the maximising.
void Form::showMaximised()
{
    window_->setGeometry(QRect(QPoint(0, 0), screenPixels()));
    window_->showMaximized();
}

void Form::setBorderStyle(int b)
{
    borderStyle_ = b;
    applyWindowFlags();
}

void Form::setBackColor(long c)
{
    if (c == backColor_) return;
    backColor_ = c;
    if (window_) window_->update();
}

// The same picture shown again (a step that names the background it has) repaints nothing.
void Form::setPicture(const Picture& p)
{
    const bool same = p.sameImage(picture_);
    picture_ = p;
    if (window_ && !same) window_->update();
}

bool Form::LoadPicture(const QString& path)
{
    auto pic = loadPictureOrEmpty(path);
    if (pic) setPicture(*pic);
    return pic.has_value();
}

void Form::setMousePointer(int shape)
{
    mousePointer_ = shape;
    applyPointer(window_, shape, mouseIcon_);
}

void Form::setMouseIcon(const Picture& p)
{
    mouseIcon_ = p;
    setMousePointer(mousePointer_);
}

void Form::setStayOnTop(bool on)
{
    if (stayOnTop_ == on) return;
    stayOnTop_ = on;
    applyWindowFlags();
}

void Form::bringToTop()
{
    if (!window_ || !window_->isVisible()) return;
    window_->raise();
    keepTopmostAbove();
}

// Topmost windows stay above the others even where no window manager keeps them there (a bare
// X server, the offscreen platform): raising an ordinary window raises them again after it.
void Form::keepTopmostAbove()
{
    if (!stayOnTop_)
        for (Form* f : Forms::all())
            if (f != this && f->stayOnTop_ && f->window_ && f->window_->isVisible()) f->window_->raise();
    // A modal form that is open stays above every other form.
    for (Form* f : Forms::all())
        if (f->modalDepth_ > 0 && f->window_ && f->window_->isVisible()) f->window_->raise();
}

// Moving by the pointer ----------------------------------------------------------------------

namespace {

class MoveTracker final : public QObject {
public:
    MoveTracker(Form* form, QPoint start, std::function<void()> done)
        : form_(form)
        , start_(start)
        , done_(std::move(done))
    {
        origin_ = QPointF(form->Left(), form->Top());
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        // Only the window-level events: their global position is where the pointer really is,
        // while the copies sent on to widgets are mapped through the window that has just moved.
        if (!watched->isWindowType()) return false;
        if (e->type() == QEvent::MouseMove) {
            auto* me = static_cast<QMouseEvent*>(e);
            QPoint d = me->globalPosition().toPoint() - start_;
            form_->Move(origin_.x() + fromPixelsX(d.x()), origin_.y() + fromPixelsY(d.y()));
            return false;
        }
        if (e->type() == QEvent::MouseButtonRelease) {
            qApp->removeEventFilter(this);
            auto done = std::move(done_);
            deleteLater();
            if (done) done();
        }
        return false;
    }

private:
    Form* form_;
    QPoint start_;
    QPointF origin_;
    std::function<void()> done_;
};

} // namespace

void Form::beginMoveByPointer(std::function<void()> done)
{
    if (!window_ || windowState_ != vbNormal) return;
    new MoveTracker(this, mouseTrack().lastGlobal, std::move(done));
}

// Pop-up menus -------------------------------------------------------------------------------

void Form::PopupMenu(Menu& menu, int flags)
{
    Menu* picked = popupService().pick(menu, mouseTrack().lastGlobal, flags & vbPopupMenuRightAlign);
    if (picked && picked->Enabled() && picked->onClick) picked->onClick();
}

void Form::PopupMenu(Menu& menu, int flags, double x, double y)
{
    QPoint at(toPixelsX(x), toPixelsY(y));
    if (window_) at = window_->mapToGlobal(at);
    Menu* picked = popupService().pick(menu, at, flags & vbPopupMenuRightAlign);
    if (picked && picked->Enabled() && picked->onClick) picked->onClick();
}

// Forms registry -----------------------------------------------------------------------------

Form* Forms::find(std::type_index t)
{
    auto& r = registry();
    auto it = r.forms.find(t);
    return it == r.forms.end() ? nullptr : it->second.get();
}

Form* Forms::add(std::type_index t, std::unique_ptr<Form> f)
{
    auto& r = registry();
    Form* raw = f.get();
    r.forms[t] = std::move(f);
    r.order.push_back(raw);
    return raw;
}

std::vector<Form*> Forms::all()
{
    return registry().order;
}

void Forms::destroyAll()
{
    auto& r = registry();
    for (Form* f : r.order)
        if (f->isLoaded()) f->teardown();
    r.order.clear();
    r.forms.clear();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void setModalHook(ModalHook* hook)
{
    g_modalHook = hook;
}

ModalHook* modalHook()
{
    return g_modalHook;
}

} // namespace platform
