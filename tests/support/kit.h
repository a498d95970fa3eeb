#pragma once
// Drives forms as a candidate does: pointer and keys go through the window at twip positions,
// with real hit-testing, stacking and event order.
#include <QObject>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <ostream>
#include <vector>

#include "platform/control.h"
#include "platform/form.h"
#include "platform/menu.h"

// Readable QString values in test failures.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace testkit {

// Positions are twips in the form's client area.
void press(platform::Form& f, double x, double y, int button = 1, int shift = 0);
void release(platform::Form& f, double x, double y, int button = 1, int shift = 0);
void move(platform::Form& f, double x, double y);
void click(platform::Form& f, double x, double y, int button = 1, int shift = 0);
void rightClick(platform::Form& f, double x, double y, int shift = 0);
void dblClick(platform::Form& f, double x, double y, int shift = 0);
// Press at the start, move in steps, release at the end.
void drag(platform::Form& f, double x1, double y1, double x2, double y2, int button = 1, int shift = 0,
          int steps = 4);

// Moves and drags whose move events carry the buttons and keys held, as a real drag's do.
void moveHeld(platform::Form& f, double x, double y, int buttons, int shift = 0);
// Press, `steps` moves to the end, `rest` more moves there (a pointer resting at the end), release.
void dragHeld(platform::Form& f, double x1, double y1, double x2, double y2, int button = 1, int shift = 0,
              int steps = 4, int rest = 0);
// A key held down: its press, `repeats` presses the keyboard repeats, then its release.
void keyHeld(platform::Form& f, int virtualKey, int shift, int repeats);

// The centre of a control in its form's client twips (through its containers).
QPointF centreOf(const platform::Control& c);
void click(const platform::Control& c, int button = 1, int shift = 0);
// A place of a container where none of its controls lies (its own background), in its form's client
// twips; a click there gives a box that takes the focus the keys.
QPointF bareSpotOf(const platform::Control& c);
void dblClick(const platform::Control& c);

// Keys go to the focused widget of the form's window (or the window itself).
void key(platform::Form& f, int virtualKey, int shift = 0);
void keyDown(platform::Form& f, int virtualKey, int shift = 0);
void keyUp(platform::Form& f, int virtualKey, int shift = 0);
// A key pressed and released through the window system's own delivery (the window's focus
// widget, blocked where a modal window blocks it).
void keyThroughWindow(platform::Form& f, int virtualKey, int shift = 0);
// Types text: ASCII as key presses, other characters as an input method commits them.
void type(platform::Form& f, const QString& text);

// Makes sure queued events (deferred deletes, posted events) have run.
void settle();

// The paints the windows would do at their next frame, done now: the parts marked dirty since the
// last frame, as the window system's frames paint them (a window shown meanwhile is exposed first).
void paintPending();

// The paints of every widget while it lives: the widget's name and what of it was painted, in its
// window's pixels.
class PaintLog final : public QObject {
public:
    PaintLog();
    ~PaintLog() override;
    struct Paint {
        QString widget;
        const QWidget* window = nullptr;
        QRegion inWindow;
    };
    const std::vector<Paint>& paints() const { return paints_; }
    void clear() { paints_.clear(); }
    // All that was painted in a window.
    QRegion area(const QWidget* window) const;
    // The widgets painted, in order, for a failure's message.
    QString names() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<Paint> paints_;
};

// Answers modal shows in order; a modal form shown with nothing armed fails the test and is hidden.
class ModalScript final : public platform::ModalHook {
public:
    ModalScript();
    ~ModalScript() override;
    void expect(const QString& formName, std::function<void(platform::Form&)> answer);
    void modalShown(platform::Form& form) override;
    int pending() const { return int(queue_.size()); }

private:
    std::deque<std::pair<QString, std::function<void(platform::Form&)>>> queue_;
    platform::ModalHook* previous_;
};

// Picks pop-up menu items by caption path ("新建/文件夹"), in order; a pop-up with nothing armed
// fails the test and picks nothing.
class PopupScript final : public platform::PopupService {
public:
    PopupScript();
    ~PopupScript() override;
    void pick(const QString& captionPath);
    void dismiss(); // the next pop-up is closed without a pick
    platform::Menu* pick(platform::Menu& menu, QPoint globalPx, bool rightAlign) override;
    // What the last pop-up showed: the captions of its visible items, and where.
    QStringList lastShown;
    QPoint lastAt;
    bool lastRightAligned = false;

private:
    std::deque<QString> queue_;
    platform::PopupService* previous_;
};

// A temporary program folder: the application path points at it while this lives.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const { return dir_.filePath(relative); }

private:
    QTemporaryDir dir_;
    QString oldPath_;
};

// What a test meets when it armed nothing: a modal form or a pop-up fails the test and is
// closed at once, so no test waits for a click that never comes. The test main installs these.
class UnexpectedModals final : public platform::ModalHook {
public:
    void modalShown(platform::Form& form) override;
};
class UnexpectedPopups final : public platform::PopupService {
public:
    platform::Menu* pick(platform::Menu& menu, QPoint, bool) override;
};

// Forgets every form when the test ends, so the next one starts fresh.
struct FormsReset {
    ~FormsReset();
};

} // namespace testkit
