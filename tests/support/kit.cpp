#include "support/kit.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include "platform/app.h"
#include "platform/event_bridge.h"
#include "platform/form_window.h"
#include "platform/keys.h"
#include "platform/units.h"

namespace testkit {

namespace {

QWindow* windowOf(platform::Form& f)
{
    QWidget* w = f.hostWidget();
    if (!w || !w->isVisible()) {
        ADD_FAILURE() << "form " << f.Name().toStdString() << " is not shown";
        return nullptr;
    }
    return w->windowHandle();
}

QPoint px(double x, double y)
{
    return QPoint(platform::toPixelsX(x), platform::toPixelsY(y));
}

Qt::MouseButton qtButton(int button)
{
    switch (button) {
    case 2:
        return Qt::RightButton;
    case 4:
        return Qt::MiddleButton;
    default:
        return Qt::LeftButton;
    }
}

QWidget* keyTarget(platform::Form& f)
{
    QWidget* w = f.hostWidget();
    if (!w) {
        ADD_FAILURE() << "form " << f.Name().toStdString() << " is not loaded";
        return nullptr;
    }
    QWidget* focus = w->focusWidget();
    return focus ? focus : w;
}

} // namespace

void press(platform::Form& f, double x, double y, int button, int shift)
{
    if (QWindow* w = windowOf(f))
        QTest::mousePress(w, qtButton(button), platform::modifiersOf(shift), px(x, y));
}

void release(platform::Form& f, double x, double y, int button, int shift)
{
    if (QWindow* w = windowOf(f))
        QTest::mouseRelease(w, qtButton(button), platform::modifiersOf(shift), px(x, y));
}

void move(platform::Form& f, double x, double y)
{
    if (QWindow* w = windowOf(f)) QTest::mouseMove(w, px(x, y));
}

void click(platform::Form& f, double x, double y, int button, int shift)
{
    if (QWindow* w = windowOf(f))
        QTest::mouseClick(w, qtButton(button), platform::modifiersOf(shift), px(x, y));
}

void rightClick(platform::Form& f, double x, double y, int shift)
{
    click(f, x, y, 2, shift);
}

void dblClick(platform::Form& f, double x, double y, int shift)
{
    if (QWindow* w = windowOf(f))
        QTest::mouseDClick(w, Qt::LeftButton, platform::modifiersOf(shift), px(x, y));
}

void drag(platform::Form& f, double x1, double y1, double x2, double y2, int button, int shift, int steps)
{
    QWindow* w = windowOf(f);
    if (!w) return;
    QTest::mousePress(w, qtButton(button), platform::modifiersOf(shift), px(x1, y1));
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / steps;
        QTest::mouseMove(w, px(x1 + (x2 - x1) * t, y1 + (y2 - y1) * t));
    }
    QTest::mouseRelease(w, qtButton(button), platform::modifiersOf(shift), px(x2, y2));
}

void moveHeld(platform::Form& f, double x, double y, int buttons, int shift)
{
    QWindow* w = windowOf(f);
    if (!w) return;
    Qt::MouseButtons held;
    for (int b : {1, 2, 4})
        if (buttons & b) held |= qtButton(b);
    const QPointF local = px(x, y);
    QMouseEvent e(QEvent::MouseMove, local, local, w->mapToGlobal(local), Qt::NoButton, held,
                  platform::modifiersOf(shift));
    QCoreApplication::sendEvent(w, &e);
}

void dragHeld(platform::Form& f, double x1, double y1, double x2, double y2, int button, int shift, int steps,
              int rest)
{
    QWindow* w = windowOf(f);
    if (!w) return;
    // Sent as they are: the test tool would put a move of its own before a release elsewhere.
    const auto send = [&](QEvent::Type type, double x, double y, Qt::MouseButtons held) {
        const QPointF local = px(x, y);
        QMouseEvent e(type, local, local, w->mapToGlobal(local), qtButton(button), held,
                      platform::modifiersOf(shift));
        QCoreApplication::sendEvent(w, &e);
    };
    send(QEvent::MouseButtonPress, x1, y1, qtButton(button));
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / steps;
        moveHeld(f, x1 + (x2 - x1) * t, y1 + (y2 - y1) * t, button, shift);
    }
    for (int i = 0; i < rest; ++i)
        moveHeld(f, x2, y2, button, shift);
    if (f.hostWidget()) send(QEvent::MouseButtonRelease, x2, y2, Qt::NoButton);
}

void keyHeld(platform::Form& f, int vk, int shift, int repeats)
{
    keyDown(f, vk, shift);
    for (int i = 0; i < repeats; ++i) {
        QWidget* t = keyTarget(f);
        if (!t) return;
        QKeyEvent e(QEvent::KeyPress, platform::qtKey(vk), platform::modifiersOf(shift), QString(), true);
        QCoreApplication::sendEvent(t, &e);
    }
    keyUp(f, vk, shift);
}

QPointF centreOf(const platform::Control& c)
{
    QWidget* w = c.widget();
    QWidget* top = c.form() ? c.form()->hostWidget() : nullptr;
    if (!w || !top) {
        ADD_FAILURE() << "control " << c.Name().toStdString() << " has no window";
        return {};
    }
    QPoint p = w->mapTo(top, QPoint(w->width() / 2, w->height() / 2));
    return QPointF(platform::fromPixelsX(p.x()), platform::fromPixelsY(p.y()));
}

void click(const platform::Control& c, int button, int shift)
{
    QPointF p = centreOf(c);
    click(*c.form(), p.x(), p.y(), button, shift);
}

QPointF bareSpotOf(const platform::Control& c)
{
    QWidget* w = c.widget();
    QWidget* top = c.form() ? c.form()->hostWidget() : nullptr;
    if (!w || !top) {
        ADD_FAILURE() << "control " << c.Name().toStdString() << " has no window";
        return {};
    }
    for (int y = w->height() - 4; y > 2; y -= 7)
        for (int x = w->width() - 4; x > 2; x -= 7)
            if (!w->childAt(x, y)) {
                const QPoint p = w->mapTo(top, QPoint(x, y));
                return QPointF(platform::fromPixelsX(p.x()), platform::fromPixelsY(p.y()));
            }
    ADD_FAILURE() << "control " << c.Name().toStdString() << " has no bare place";
    return {};
}

void dblClick(const platform::Control& c)
{
    QPointF p = centreOf(c);
    dblClick(*c.form(), p.x(), p.y());
}

void keyDown(platform::Form& f, int vk, int shift)
{
    if (QWidget* t = keyTarget(f))
        QTest::keyPress(t, Qt::Key(platform::qtKey(vk)), platform::modifiersOf(shift));
}

void keyUp(platform::Form& f, int vk, int shift)
{
    if (!f.hostWidget()) return; // the press closed the form: the release goes elsewhere
    if (QWidget* t = keyTarget(f))
        QTest::keyRelease(t, Qt::Key(platform::qtKey(vk)), platform::modifiersOf(shift));
    // The event loop would judge the release once the events queued with it are delivered.
    platform::judgeHeldKeyRelease();
}

void keyThroughWindow(platform::Form& f, int vk, int shift)
{
    QWidget* w = f.hostWidget();
    if (!w || !w->windowHandle()) {
        ADD_FAILURE() << "form " << f.Name().toStdString() << " has no window";
        return;
    }
    QTest::keyClick(w->windowHandle(), Qt::Key(platform::qtKey(vk)), platform::modifiersOf(shift));
    platform::judgeHeldKeyRelease();
}

void key(platform::Form& f, int vk, int shift)
{
    keyDown(f, vk, shift);
    keyUp(f, vk, shift);
}

void type(platform::Form& f, const QString& text)
{
    for (QChar ch : text) {
        QWidget* t = keyTarget(f);
        if (!t) return;
        if (ch.unicode() >= 32 && ch.unicode() < 127) {
            QTest::keyClick(t, ch.toLatin1());
            platform::judgeHeldKeyRelease();
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(ch));
            QApplication::sendEvent(t, &commit);
        }
    }
}

void settle()
{
    QApplication::sendPostedEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void paintPending()
{
    QApplication::processEvents();
    // The top-level widget's own update request paints what is dirty; the same request sent to
    // its QWindow would repaint the whole window.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible()) continue;
        QEvent frame(QEvent::UpdateRequest);
        QApplication::sendEvent(w, &frame);
    }
}

PaintLog::PaintLog()
{
    qApp->installEventFilter(this);
}

PaintLog::~PaintLog()
{
    qApp->removeEventFilter(this);
}

bool PaintLog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Paint) return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w) return false;
    const QRegion painted = static_cast<QPaintEvent*>(event)->region();
    paints_.push_back({w->objectName(), w->window(), painted.translated(w->mapTo(w->window(), QPoint()))});
    return false;
}

QRegion PaintLog::area(const QWidget* window) const
{
    QRegion all;
    for (const Paint& p : paints_)
        if (p.window == window) all += p.inWindow;
    return all;
}

QString PaintLog::names() const
{
    QStringList out;
    for (const Paint& p : paints_)
        out << (p.widget.isEmpty() ? QStringLiteral("(unnamed)") : p.widget);
    return out.join(QLatin1Char(' '));
}

// ---------------------------------------------------------------------------------------------

ModalScript::ModalScript()
    : previous_(platform::modalHook())
{
    platform::setModalHook(this);
}

ModalScript::~ModalScript()
{
    platform::setModalHook(previous_);
    if (!queue_.empty())
        ADD_FAILURE() << queue_.size() << " expected modal form(s) never shown, first "
                      << queue_.front().first.toStdString();
}

void ModalScript::expect(const QString& formName, std::function<void(platform::Form&)> answer)
{
    queue_.emplace_back(formName, std::move(answer));
}

void ModalScript::modalShown(platform::Form& form)
{
    if (queue_.empty() || queue_.front().first != form.Name()) {
        ADD_FAILURE() << "unexpected modal form " << form.Name().toStdString();
        form.Hide();
        return;
    }
    auto answer = std::move(queue_.front().second);
    queue_.pop_front();
    answer(form);
    if (form.isModalRunning() && form.Visible()) {
        ADD_FAILURE() << "modal form " << form.Name().toStdString() << " still shown after its answer";
        form.Hide();
    }
}

// ---------------------------------------------------------------------------------------------

PopupScript::PopupScript()
    : previous_(platform::installedPopupService())
{
    platform::setPopupService(this);
}

PopupScript::~PopupScript()
{
    platform::setPopupService(previous_);
    if (!queue_.empty())
        ADD_FAILURE() << queue_.size() << " expected pop-up pick(s) never made, first "
                      << queue_.front().toStdString();
}

void PopupScript::pick(const QString& captionPath)
{
    queue_.push_back(captionPath);
}

void PopupScript::dismiss()
{
    queue_.push_back(QString());
}

platform::Menu* PopupScript::pick(platform::Menu& menu, QPoint globalPx, bool rightAlign)
{
    lastShown.clear();
    for (platform::Menu* m : menu.shownItems())
        lastShown << m->Caption();
    lastAt = globalPx;
    lastRightAligned = rightAlign;
    if (queue_.empty()) {
        ADD_FAILURE() << "unexpected pop-up menu " << menu.Name().toStdString();
        return nullptr;
    }
    const QString path = queue_.front();
    queue_.pop_front();
    if (path.isEmpty()) return nullptr;
    platform::Menu* at = &menu;
    for (const QString& caption : path.split(QLatin1Char('/'))) {
        platform::Menu* next = nullptr;
        for (platform::Menu* m : at->shownItems())
            if (m->Caption() == caption && !m->isSeparator()) {
                next = m;
                break;
            }
        if (!next) {
            ADD_FAILURE() << "pop-up has no item " << path.toStdString();
            return nullptr;
        }
        at = next;
    }
    return at;
}

void UnexpectedModals::modalShown(platform::Form& form)
{
    ADD_FAILURE() << "unexpected modal form " << form.Name().toStdString();
    form.Hide();
}

platform::Menu* UnexpectedPopups::pick(platform::Menu& menu, QPoint, bool)
{
    ADD_FAILURE() << "unexpected pop-up menu " << menu.Name().toStdString();
    return nullptr;
}

// ---------------------------------------------------------------------------------------------

TempProgramFolder::TempProgramFolder()
    : oldPath_(platform::app::path())
{
    platform::app::setPath(dir_.path());
}

TempProgramFolder::~TempProgramFolder()
{
    platform::app::setPath(oldPath_);
}

FormsReset::~FormsReset()
{
    platform::Forms::destroyAll();
    settle();
}

} // namespace testkit
