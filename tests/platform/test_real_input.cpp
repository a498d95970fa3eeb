// Input as a candidate's machine delivers it: a held key on a busy event loop, the keyboard taken
// away by another window, a window manager's minimise and its Alt+F4, and long pastes.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <set>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/keys.h"
#include "support/kit.h"
#include "support/script.h"

using namespace platform;

namespace {

class PasteForm final : public Form {
public:
    TextBox Line{this, "Line"};
    TextBox Memo{this, "Memo"};
    int changes = 0;
    std::vector<int> lengthsSeen; // Text's length each time the filter judged a character

    PasteForm()
        : Form("PasteForm")
    {
        for (TextBox* t : {&Line, &Memo}) {
            // Digits are refused, "a" becomes "A", and "x" only once the text is four long.
            t->onKeyPress = [this, t](int& k) {
                lengthsSeen.push_back(int(t->Text().size()));
                if (k >= '0' && k <= '9') k = 0;
                if (k == 'a') k = 'A';
                if (k == 'x' && t->Text().size() < 4) k = 0;
            };
            t->onChange = [this] { ++changes; };
        }
    }

protected:
    void design() override
    {
        setBorderStyle(vbBSNone);
        Move(0, 0, 6000, 4500);
        Line.Move(150, 150, 3000, 300);
        Memo.Move(150, 900, 3000, 1500);
        Memo.setMultiLine(true);
    }
};

// A box that judges at the press (and at every repeat) and one that judges at the release.
class HoldForm final : public Form {
public:
    PictureBox PicDown{this, "PicDown"};
    PictureBox PicUp{this, "PicUp"};
    QStringList log;

    HoldForm()
        : Form("HoldForm")
    {
        PicDown.onKeyDown = [this](int& k, int s) {
            log << QStringLiteral("down %1 %2%3").arg(k).arg(s).arg(keyAutoRepeat() ? " repeat" : "");
        };
        PicUp.onKeyUp = [this](int& k, int) {
            log << QStringLiteral("up %1 %2").arg(k).arg(keyPressShift());
        };
    }

protected:
    void design() override
    {
        setBorderStyle(vbBSNone);
        Move(0, 0, 6000, 4500);
        PicDown.Move(150, 150, 1500, 1500);
        PicUp.Move(1800, 150, 1500, 1500);
    }
};

// Key events as the window system queues them for a window while the program is busy: each one
// posted to the window with its time stamp, none marked as a repeat (the window system marks a
// repeat only when it sees the next press already queued).
struct KeyStroke {
    bool press;
    int vk, shift;
    quint64 time;
};
void queueKeys(Form& f, const std::vector<KeyStroke>& strokes)
{
    QWindow* w = f.hostWidget()->windowHandle();
    for (const KeyStroke& k : strokes) {
        auto* e =
            new QKeyEvent(k.press ? QEvent::KeyPress : QEvent::KeyRelease, qtKey(k.vk), modifiersOf(k.shift));
        e->setTimestamp(k.time);
        QCoreApplication::postEvent(w, e);
    }
}

// Alt held, F4 held for three repeats, F4 let go, Alt let go. The X server repeats a key as a
// release and a press with one time stamp, or, with detectable auto-repeat, as presses alone.
std::vector<KeyStroke> altF4Held(bool pairs)
{
    std::vector<KeyStroke> s{{true, vbKeyMenu, vbAltMask, 1000}, {true, 115, vbAltMask, 1100}};
    for (quint64 t : {1600, 1633, 1666}) {
        if (pairs) s.push_back({false, 115, vbAltMask, t});
        s.push_back({true, 115, vbAltMask, t});
    }
    s.push_back({false, 115, vbAltMask, 1700});
    s.push_back({false, vbKeyMenu, vbAltMask, 1750});
    return s;
}

class RealInput : public ::testing::Test {
protected:
    testkit::FormsReset reset_;
};

} // namespace

// A paste of any length takes one pass through the filter and one insert: one Change, the same
// text as typing each character would give, and the filter reads the text as it grows.
TEST_F(RealInput, APasteOfAnyLengthIsFilteredInOnePassAndInsertedOnce)
{
    PasteForm& f = form<PasteForm>();
    f.Show();
    QString longPaste;
    for (int i = 0; i < 10000; ++i)
        longPaste += QStringLiteral("ab1");
    QString longResult;
    for (int i = 0; i < 10000; ++i)
        longResult += QStringLiteral("Ab");
    struct Case {
        const char* what;
        TextBox* box;
        QString before;
        int selStart, selLength, maxLength;
        QString pasted, after;
        std::vector<int> lengthsSeen; // empty: not checked
    } cases[] = {
        {"long paste into a line", &f.Line, "", 0, 0, 0, longPaste, longResult, {}},
        {"long paste into a memo", &f.Memo, "", 0, 0, 0, longPaste, longResult, {}},
        {"over a selection, x once long enough",
         &f.Line,
         "12345",
         1,
         3,
         0,
         "xa9xb",
         "1xAxb5",
         {5, 3, 4, 4, 5}},
        {"up to the greatest length", &f.Line, "zz", 2, 0, 5, "abcde", "zzAbc", {2, 3, 4, 5, 5}},
        {"everything refused", &f.Memo, "q", 1, 0, 0, "123", "q", {1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.box->setMaxLength(c.maxLength);
        c.box->setText(c.before);
        c.box->SetFocus();
        c.box->setSelStart(c.selStart);
        c.box->setSelLength(c.selLength);
        f.changes = 0;
        f.lengthsSeen.clear();
        QGuiApplication::clipboard()->setText(c.pasted);
        testkit::key(f, 'V', vbCtrlMask);
        EXPECT_EQ(c.box->Text(), c.after);
        EXPECT_EQ(f.changes, c.after == c.before ? 0 : 1);
        EXPECT_EQ(f.lengthsSeen.size(), size_t(c.pasted.size()));
        if (!c.lengthsSeen.empty()) {
            EXPECT_EQ(f.lengthsSeen, c.lengthsSeen);
        }
    }
}

// A held key is one press: a key-up handler judges it once, at its release; a key-down handler
// judges it at the press and sees every repeat as one, whichever way the X server repeats it.
TEST_F(RealInput, AHeldKeyIsOnePressOnABusyEventLoop)
{
    HoldForm& f = form<HoldForm>();
    f.Show();
    f.hostWidget()->windowHandle()->requestActivate();
    QApplication::processEvents(); // the window has the keyboard before the keys come
    // A modifier's own press and release carry no Shift bit of its own.
    const QStringList upOnce{"up 115 4", "up 18 0"};
    const QStringList downWithRepeats{"down 18 0", "down 115 4", "down 115 4 repeat", "down 115 4 repeat",
                                      "down 115 4 repeat"};
    struct Case {
        const char* what;
        PictureBox* focus;
        std::vector<KeyStroke> strokes;
        QStringList expected;
    } cases[] = {
        {"release and press pairs, judged at the release", &f.PicUp, altF4Held(true), upOnce},
        {"presses alone, judged at the release", &f.PicUp, altF4Held(false), upOnce},
        {"release and press pairs, judged at the press", &f.PicDown, altF4Held(true), downWithRepeats},
        {"presses alone, judged at the press", &f.PicDown, altF4Held(false), downWithRepeats},
        // A release and a press of the same key a moment apart are two presses.
        {"pressed twice",
         &f.PicUp,
         {{true, vbKeyF1, 0, 2000},
          {false, vbKeyF1, 0, 2080},
          {true, vbKeyF1, 0, 2140},
          {false, vbKeyF1, 0, 2200}},
         {"up 112 0", "up 112 0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.focus->SetFocus();
        f.log.clear();
        queueKeys(f, c.strokes);
        QApplication::processEvents(); // the loop, busy until now, takes what is queued
        QApplication::processEvents();
        EXPECT_EQ(f.log.join(", ").toStdString(), c.expected.join(", ").toStdString());
        EXPECT_FALSE(keyIsDown(115));
        EXPECT_FALSE(keyIsDown(vbKeyMenu));
    }
}

// A key let go while a window of no form has the keyboard (another program's, here a bare window)
// is up when the keyboard comes back: its next press is a press, not a repeat; and a modifier held
// on the way back counts as held.
TEST_F(RealInput, KeyStateFollowsTheKeyboardNotTheLastEventThatReachedAForm)
{
    HoldForm& f = form<HoldForm>();
    f.Show();
    QWindow* formWindow = f.hostWidget()->windowHandle();
    f.PicDown.SetFocus();
    formWindow->requestActivate();
    QApplication::processEvents();
    testkit::keyDown(f, 115, 0);
    EXPECT_TRUE(keyIsDown(115));

    QWindow other;
    other.resize(100, 100);
    other.show();
    other.requestActivate();
    QApplication::processEvents();
    ASSERT_EQ(QGuiApplication::focusWindow(), &other);
    QTest::keyRelease(&other, Qt::Key_F4);
    QTest::keyPress(&other, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_FALSE(keyIsDown(115));

    formWindow->requestActivate();
    QApplication::processEvents();
    ASSERT_EQ(QGuiApplication::focusWindow(), formWindow);
    EXPECT_TRUE(keyIsDown(vbKeyMenu)); // Alt is still held
    f.log.clear();
    testkit::key(f, 115, vbAltMask); // with Alt pressed (and repeated, as it is held) first
    EXPECT_EQ(f.log.join(", ").toStdString(), "down 18 4 repeat, down 115 4");
    EXPECT_FALSE(keyIsDown(vbKeyMenu));
}

namespace {

class FixedForm final : public Form {
public:
    CommandButton Ok{this, "Ok"};
    int border = vbFixedDialog;

    FixedForm()
        : Form("FixedForm")
    {
        Ok.onClick = [this] { Unload(); };
    }

protected:
    void design() override
    {
        setBorderStyle(border);
        setCaption("重要提示");
        Move(3000, 3000, 3000, 1500);
        Ok.Move(300, 300, 1200, 450);
    }
};

} // namespace

// A fixed form offers a close box and neither minimise nor maximise, to any window manager; and a
// modal form that a window manager minimises all the same comes back, so the program is never
// left blocked behind a form no one sees.
TEST_F(RealInput, NoModalFormIsLostToAMinimise)
{
    for (int border : {vbFixedSingle, vbFixedDialog}) {
        SCOPED_TRACE(border);
        FixedForm& d = Forms::instance<FixedForm>();
        d.border = border;
        testkit::ModalScript modals;
        modals.expect("FixedForm", [&](Form&) {
            QWidget* w = d.hostWidget();
            const Qt::WindowFlags flags = w->windowFlags();
            EXPECT_TRUE(flags & Qt::CustomizeWindowHint); // only the buttons named
            EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
            EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
            w->windowHandle()->showMinimized(); // as the window manager does
            QApplication::processEvents();
            QApplication::processEvents();
            EXPECT_FALSE(w->windowState() & Qt::WindowMinimized);
            EXPECT_TRUE(w->isVisible());
            EXPECT_EQ(d.WindowState(), vbNormal);
            testkit::click(d.Ok);
        });
        d.Show(vbModal);
        EXPECT_FALSE(d.isLoaded());
    }
}

namespace {

// The keyboard as the X server has it, key by key as the test sets it.
class TestSystemKeyboard final : public SystemKeyboard {
public:
    TestSystemKeyboard() { setSystemKeyboard(this); }
    ~TestSystemKeyboard() override { setSystemKeyboard(nullptr); }
    TestSystemKeyboard(const TestSystemKeyboard&) = delete;
    TestSystemKeyboard& operator=(const TestSystemKeyboard&) = delete;
    std::optional<bool> keyDown(int vk) override { return down.count(vk) != 0; }
    std::set<int> down;
};

// A screen that never lets the window system close it and reads a close request made while Alt
// is held as Alt+F4, unless a press of F4 is down (the request then belongs to that press).
class CloseForm final : public Form {
public:
    int altF4 = 0;

    CloseForm()
        : Form("CloseForm")
    {
        onQueryUnload = [this](int& cancel, int mode) {
            if (mode != vbFormControlMenu) return;
            cancel = 1;
            if (heldShiftBits() == vbAltMask && !keyIsDown(vbKeyF4)) ++altF4;
        };
    }

protected:
    void design() override
    {
        setBorderStyle(vbFixedSingle);
        Move(600, 600, 4500, 3000);
    }
};

} // namespace

// A window manager that keeps Alt+F4 to itself lets Alt's press reach the window, then takes the
// keyboard and sends a close request at the press of F4 and again at every repeat while F4 is
// held; F4's release ends its hold and gives the keyboard back. A held Alt+F4 is one press, two
// taps are two.
TEST_F(RealInput, AnAltF4ThatTheWindowManagerKeepsIsOnePressHeldAndTwoWhenTappedTwice)
{
    CloseForm& f = form<CloseForm>();
    f.Show();
    QWindow* formWindow = f.hostWidget()->windowHandle();
    formWindow->requestActivate();
    QApplication::processEvents();
    testkit::ManualTime time;
    TestSystemKeyboard keyboard;
    QWindow manager; // the window manager's hold on the keyboard
    manager.resize(10, 10);

    enum Step { F4Down, F4Up, CloseRequest, Wait40, Wait100, Wait600, ManagerTakesKeys, KeysBack };
    // Auto-repeat starts 600 ms after the press, then repeats every 40 ms.
    std::vector<Step> held{F4Down, CloseRequest, Wait100, ManagerTakesKeys, Wait600, CloseRequest};
    for (int i = 0; i < 20; ++i) {
        held.push_back(Wait40);
        held.push_back(CloseRequest);
    }
    held.insert(held.end(), {F4Up, KeysBack, Wait40});
    const std::vector<Step> tap{F4Down, CloseRequest, Wait100, F4Up, Wait100};
    std::vector<Step> tappedTwice = tap;
    tappedTwice.insert(tappedTwice.end(), tap.begin(), tap.end());
    std::vector<Step> heldThenTapped = held;
    heldThenTapped.insert(heldThenTapped.end(), tap.begin(), tap.end());
    struct Case {
        const char* what;
        std::vector<Step> steps;
        int presses;
    } cases[] = {
        {"held", held, 1},
        {"tapped", tap, 1},
        {"tapped twice", tappedTwice, 2},
        {"held, then tapped", heldThenTapped, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        f.altF4 = 0;
        testkit::keyDown(f, vbKeyMenu, vbAltMask);
        // Queued as the window system queues them, and delivered in order.
        for (Step step : c.steps) {
            QMetaObject::invokeMethod(
                qApp,
                [&, step] {
                    switch (step) {
                    case F4Down:
                        keyboard.down.insert(vbKeyF4);
                        break;
                    case F4Up:
                        keyboard.down.erase(vbKeyF4);
                        break;
                    case CloseRequest:
                        f.hostWidget()->close();
                        break;
                    case Wait40:
                        time.advance(40);
                        break;
                    case Wait100:
                        time.advance(100);
                        break;
                    case Wait600:
                        time.advance(600);
                        break;
                    case ManagerTakesKeys:
                        manager.show();
                        manager.requestActivate();
                        break;
                    case KeysBack:
                        formWindow->requestActivate();
                        break;
                    }
                },
                Qt::QueuedConnection);
        }
        testkit::settle();
        EXPECT_EQ(f.altF4, c.presses);
        EXPECT_FALSE(keyIsDown(vbKeyF4));
        EXPECT_TRUE(f.Visible());
        testkit::keyUp(f, vbKeyMenu, vbAltMask);
        manager.hide();
    }
}
