// The forms runtime as the screens rely on it: geometry in twips, event order, capture,
// stacking, keys, programmatic events, forms' life cycle, control arrays, pop-up menus and what a
// change repaints.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/keys.h"
#include "platform/menu.h"
#include "platform/units.h"
#include "support/kit.h"

using namespace platform;

namespace {

QStringList g_log;
void note(const QString& s)
{
    g_log << s;
}

Picture solid(int w, int h, QColor c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return Picture(QPixmap::fromImage(img), QStringLiteral("solid"));
}

// A small screen with one of each kind of control, laid out in design pixels x 15.
class TestForm final : public Form {
public:
    Label LblA{this, "LblA"}, LblB{this, "LblB"}, LblOver{this, "LblOver"};
    PictureBox Pic{this, "Pic"};
    Label LblInPic{this, "LblInPic"};
    Shape Shp{this, "Shp"};
    Image Img{this, "Img"};
    TextBox Txt{this, "Txt"};
    ListBox Lst{this, "Lst"};
    CommandButton Cmd{this, "Cmd"};
    LabelArray Hot{this, "Hot"};
    Timer Tick{50, false};
    Menu mnuPop{"mnuPop"};
    Menu mnuNew{"mnuNew", &mnuPop};
    MenuArray mnuItem{"mnuItem", &mnuPop};
    Menu mnuSub{"mnuSub", &mnuNew};
    int loads = 0; // a form variable: survives unloading
    int refuseUnload = 0;

    TestForm()
        : Form("TestForm")
    {
        LblInPic.setContainer(&Pic);
        Hot.design(1);
        registerTimer(&Tick);
        registerMenu(&mnuPop);
        registerRuntimeArray([this] { mnuItem.unloadRuntime(); });
        mnuItem.design(0, "打开");
        auto logMouse = [](const char* who, const char* what) {
            return [who, what](int b, int s, double x, double y) {
                note(QStringLiteral("%1.%2 %3 %4 %5 %6").arg(who, what).arg(b).arg(s).arg(x).arg(y));
            };
        };
        for (auto [c, n] : {std::pair<Control*, const char*>{&LblA, "A"},
                            {&LblB, "B"},
                            {&LblOver, "Over"},
                            {&Pic, "Pic"},
                            {&LblInPic, "InPic"},
                            {&Img, "Img"}}) {
            c->onMouseDown = logMouse(n, "Down");
            c->onMouseUp = logMouse(n, "Up");
            c->onClick = [n = n] { note(QStringLiteral("%1.Click").arg(n)); };
            c->onDblClick = [n = n] { note(QStringLiteral("%1.DblClick").arg(n)); };
        }
        onMouseDown = logMouse("Form", "Down");
        onMouseUp = logMouse("Form", "Up");
        onClick = [] { note("Form.Click"); };
        Hot.onClick = [](int i) { note(QStringLiteral("Hot(%1).Click").arg(i)); };
        Txt.onChange = [this] { note("Txt.Change " + Txt.Text()); };
        Lst.onClick = [this] { note(QStringLiteral("Lst.Click %1").arg(Lst.ListIndex())); };
        Cmd.onClick = [] { note("Cmd.Click"); };
        Tick.onTimer = [] { note("Tick"); };
        mnuNew.onClick = [] { note("mnuNew.Click"); };
        mnuSub.onClick = [] { note("mnuSub.Click"); };
        mnuItem.onClick = [](int i) { note(QStringLiteral("mnuItem(%1).Click").arg(i)); };
        onQueryUnload = [this](int& cancel, int mode) {
            note(QStringLiteral("QueryUnload %1").arg(mode));
            cancel = refuseUnload;
        };
    }

protected:
    void design() override
    {
        Move(0, 0, 6000, 4500);
        setBorderStyle(vbBSNone);
        setCaption("测试");
        LblA.Move(150, 150, 300, 300);
        LblA.setCaption("A");
        LblB.Move(450, 150, 300, 300); // touches A on its right
        Pic.Move(1500, 150, 1500, 1500);
        Pic.setBorderStyle(0);
        LblOver.Move(1200, 150, 600, 600); // overlaps Pic, created before it lies below it
        LblOver.setBackStyle(vbTransparent);
        LblInPic.Move(150, 150, 300, 300);
        Img.Move(150, 1500, 600, 600);
        Img.setStretch(true);
        Shp.Move(150, 1500, 600, 600); // over the image, never takes the mouse
        Txt.Move(3300, 150, 1500, 300);
        Lst.Move(3300, 600, 1500, 900);
        Cmd.Move(3300, 1650, 1500, 450);
        Cmd.setCaption("确定");
        Hot(1).Move(150, 3000, 300, 300);
        Hot(1).setCaption("热");
        mnuNew.setDesign("新建");
        mnuSub.setDesign("文件夹");
    }
    void Form_Load() override { ++loads; }
};

// A small dialog: a button that closes it, and a frame style of its own.
class DialogForm final : public Form {
public:
    CommandButton Ok{this, "Ok"};
    int border = vbFixedSingle;

    DialogForm()
        : Form("DialogForm")
    {
        Ok.onClick = [this] {
            note("Ok.Click");
            Unload();
        };
    }

protected:
    void design() override
    {
        setBorderStyle(border);
        Move(3000, 3000, 3000, 1500);
        Ok.Move(300, 300, 1200, 450);
        Ok.setCaption("确定");
    }
};

class Runtime : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_log.clear();
        setTwipsPerPixel(15, 15);
    }
    void TearDown() override { setTwipsPerPixel(15, 15); }
    TestForm& shown()
    {
        TestForm& f = form<TestForm>();
        f.Show();
        return f;
    }
    testkit::FormsReset reset_;
};

} // namespace

TEST_F(Runtime, GeometryIsKeptExactlyAndPaintedAtTheScreenScale)
{
    for (double tpp : {15.0, 12.0}) {
        SCOPED_TRACE(tpp);
        setTwipsPerPixel(tpp, tpp);
        TestForm& f = shown();
        f.LblA.Move(1234.5678, 99.999, 600.25, 0.3);
        EXPECT_EQ(f.LblA.Left(), 1234.5678);
        EXPECT_EQ(f.LblA.Top(), 99.999);
        EXPECT_EQ(f.LblA.Width(), 600.25);
        EXPECT_EQ(f.LblA.Height(), 0.3);
        const QRect g = f.LblA.widget()->geometry();
        EXPECT_EQ(g, QRect(qRound(1234.5678 / tpp), qRound(99.999 / tpp), qRound(600.25 / tpp), 0));
        f.Unload();
        testkit::settle();
    }
}

TEST_F(Runtime, ClickAndDoubleClickRaiseEventsInTheRuntimeOrder)
{
    TestForm& f = shown();
    testkit::click(f, 300, 300);
    EXPECT_EQ(g_log, QStringList({"A.Down 1 0 150 150", "A.Up 1 0 150 150", "A.Click"}));
    g_log.clear();
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    testkit::dblClick(f, 300, 300);
    EXPECT_EQ(g_log, QStringList({"A.Down 1 0 150 150", "A.Up 1 0 150 150", "A.Click", "A.DblClick",
                                  "A.Up 1 0 150 150"}));
}

TEST_F(Runtime, SecondClickOnANeighbourIsAClickThereNotADoubleClick)
{
    TestForm& f = shown();
    QWindow* w = f.hostWidget()->windowHandle();
    // A ends at pixel 30, B starts there: two quick clicks 2 pixels apart.
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(29, 15));
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(31, 15));
    EXPECT_EQ(g_log, QStringList({"A.Down 1 0 285 75", "A.Up 1 0 285 75", "A.Click", "B.Down 1 0 15 75",
                                  "B.Up 1 0 15 75", "B.Click"}));
}

TEST_F(Runtime, APressCapturesMovesAndTheReleaseOutsideGivesNoClick)
{
    TestForm& f = shown();
    f.LblA.onMouseMove = [](int b, int, double x, double y) {
        note(QStringLiteral("A.Move %1 %2 %3").arg(b).arg(x).arg(y));
    };
    f.LblB.onMouseMove = [](int, int, double, double) { note("B.Move"); };
    testkit::move(f, 300, 300);
    g_log.clear();
    testkit::press(f, 300, 300);
    testkit::move(f, 600, 300); // over B
    testkit::release(f, 600, 300);
    EXPECT_EQ(g_log, QStringList({"A.Down 1 0 150 150", "A.Move 1 450 150", "A.Up 1 0 450 150"}));
    g_log.clear();
    testkit::move(f, 600, 330); // no button held: the control under the pointer hears it
    EXPECT_EQ(g_log, QStringList({"B.Move"}));
}

TEST_F(Runtime, TheFormHearsOnlyItsBareBackground)
{
    TestForm& f = shown();
    testkit::click(f, 4500, 3600, 2, 2); // background, right button with Ctrl
    EXPECT_EQ(g_log, QStringList({"Form.Down 2 2 4500 3600", "Form.Up 2 2 4500 3600"}));
    g_log.clear();
    testkit::click(f, 4500, 3600, 1, 1 | 4);
    EXPECT_EQ(g_log, QStringList({"Form.Down 1 5 4500 3600", "Form.Up 1 5 4500 3600", "Form.Click"}));
}

TEST_F(Runtime, WindowedControlsLieAboveGraphicalOnesAndShapesLetTheMouseThrough)
{
    TestForm& f = shown();
    // LblOver overlaps the picture box from 1500 to 1800: the box wins there, whatever the order.
    f.LblOver.ZOrder(0);
    testkit::click(f, 1650, 240);
    EXPECT_EQ(g_log.first(), "Pic.Down 1 0 150 90");
    g_log.clear();
    // A transparent label takes the mouse over its whole rectangle.
    testkit::click(f, 1350, 300);
    EXPECT_EQ(g_log.first(), "Over.Down 1 0 150 150");
    g_log.clear();
    // The shape lies over the image and lets the click through to it.
    testkit::click(f, 450, 1800);
    EXPECT_EQ(g_log.first(), "Img.Down 1 0 300 300");
    g_log.clear();
    // Children of a picture box take positions relative to it.
    testkit::click(f, 1500 + 300, 450);
    EXPECT_EQ(g_log.first(), "InPic.Down 1 0 150 150");
}

TEST_F(Runtime, ZOrderMovesAControlWithinItsStratum)
{
    TestForm& f = shown();
    f.LblB.Move(150, 150, 300, 300); // now exactly over A, created after it
    testkit::click(f, 300, 300);
    EXPECT_EQ(g_log.first(), "B.Down 1 0 150 150");
    g_log.clear();
    f.LblB.ZOrder(1);
    testkit::click(f, 300, 300);
    EXPECT_EQ(g_log.first(), "A.Down 1 0 150 150");
}

TEST_F(Runtime, KeysArriveAsVirtualKeyCodesWithShiftBits)
{
    TestForm& f = shown();
    QStringList keys;
    f.onKeyDown = [&](int& k, int s) { keys << QStringLiteral("down %1 %2").arg(k).arg(s); };
    f.onKeyUp = [&](int& k, int s) { keys << QStringLiteral("up %1 %2").arg(k).arg(s); };
    f.onKeyPress = [&](int& a) { keys << QStringLiteral("press %1").arg(a); };
    f.hostWidget()->setFocus();
    struct Case {
        int vk, shift;
        QStringList expected;
    } cases[] = {
        {vbKeyReturn, 0, {"down 13 0", "press 13", "up 13 0"}},
        {vbKeyEscape, 0, {"down 27 0", "press 27", "up 27 0"}},
        {vbKeyF1, 0, {"down 112 0", "up 112 0"}},
        {vbKeyF12, 0, {"down 123 0", "up 123 0"}},
        // The modifier keys are keys too.
        {115, vbAltMask, {"down 18 4", "down 115 4", "up 115 4", "up 18 0"}}, // Alt+F4
        {vbKeyA, vbCtrlMask, {"down 17 2", "down 65 2", "press 1", "up 65 2", "up 17 0"}},
        {vbKeyDelete, vbShiftMask, {"down 16 1", "down 46 1", "up 46 1", "up 16 0"}},
        {vbKeyTab, 0, {"down 9 0"}}, // then the focus moves on, as Tab does
    };
    for (const auto& c : cases) {
        keys.clear();
        testkit::key(f, c.vk, c.shift);
        EXPECT_EQ(keys, c.expected) << c.vk;
    }
}

TEST_F(Runtime, KeyPressCanReplaceOrCancelTheTypedCharacterAndPreviewComesFirst)
{
    TestForm& f = shown();
    f.Txt.SetFocus();
    f.Txt.onKeyPress = [](int& a) {
        if (a == 'a')
            a = 'b';
        else if (a == 'x')
            a = 0;
    };
    testkit::type(f, "axc");
    EXPECT_EQ(f.Txt.Text(), "bc");
    QStringList order;
    f.setKeyPreview(true);
    f.onKeyDown = [&](int& k, int) { order << QStringLiteral("form %1").arg(k); };
    f.Txt.onKeyDown = [&](int& k, int) { order << QStringLiteral("text %1").arg(k); };
    testkit::key(f, vbKeyF1 + 1);
    EXPECT_EQ(order, QStringList({"form 113", "text 113"}));
}

TEST_F(Runtime, TheSelectionOfATextBoxSurvivesChangesOfItsLook)
{
    TestForm& f = shown();
    f.Txt.setText("新建文件夹");
    f.Txt.SetFocus();
    f.Txt.setSelStart(1);
    f.Txt.setSelLength(3);
    f.Txt.setAlignment(vbRightJustify);
    f.Txt.setFontSize(12);
    f.Txt.setFontBold(true);
    f.Txt.setFontName("黑体");
    f.Txt.setForeColor(0xFF);
    f.Txt.setBackColor(0xC0C0C0);
    EXPECT_EQ(f.Txt.SelStart(), 1);
    EXPECT_EQ(f.Txt.SelLength(), 3);
    EXPECT_EQ(f.Txt.SelText(), "建文件");
}

TEST_F(Runtime, WritesFromCodeRaiseChangeAndClick)
{
    TestForm& f = shown();
    f.Txt.setText("考试");
    f.Txt.setText("考试"); // unchanged: no event
    f.Lst.AddItem("一");
    f.Lst.AddItem("二");
    f.Lst.setListIndex(1);
    f.Lst.setListIndex(1);
    EXPECT_EQ(g_log, QStringList({"Txt.Change 考试", "Lst.Click 1"}));
    g_log.clear();
    f.Txt.SetFocus();
    f.Txt.setSelStart(2); // writing the text put the caret at its start
    testkit::type(f, "练习");
    EXPECT_EQ(g_log, QStringList({"Txt.Change 考试练", "Txt.Change 考试练习"}));
    EXPECT_EQ(f.Txt.Text(), "考试练习");
}

TEST_F(Runtime, SelectionReadsBackAsSet)
{
    TestForm& f = shown();
    f.Txt.setText("Windows XP");
    f.Txt.setSelStart(3);
    f.Txt.setSelLength(4);
    EXPECT_EQ(f.Txt.SelStart(), 3);
    EXPECT_EQ(f.Txt.SelLength(), 4);
    EXPECT_EQ(f.Txt.SelText(), "dows");
    f.Txt.setSelText("D");
    EXPECT_EQ(f.Txt.Text(), "WinD XP");
}

TEST_F(Runtime, EnterAndSpacePressTheFocusedButtonAndTheFormsDefaultAndCancelButtonsAnswer)
{
    struct Case {
        const char* what;
        bool isDefault, isCancel, focusButton;
        int key;
        bool clicks;
    };
    const Case cases[] = {
        {"Enter on the focused button", false, false, true, vbKeyReturn, true},
        {"Space on the focused button", false, false, true, vbKeySpace, true},
        {"Enter in a text box, no default", false, false, false, vbKeyReturn, false},
        {"Enter in a text box, a default", true, false, false, vbKeyReturn, true},
        {"Esc in a text box, a cancel button", false, true, false, vbKeyEscape, true},
        {"Esc, no cancel button", true, false, false, vbKeyEscape, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestForm& f = shown();
        int clicks = 0;
        f.Cmd.onClick = [&] { ++clicks; };
        f.Cmd.setDefault(c.isDefault);
        f.Cmd.setCancel(c.isCancel);
        (c.focusButton ? static_cast<Control&>(f.Cmd) : f.Txt).SetFocus();
        testkit::key(f, c.key);
        EXPECT_EQ(clicks, c.clicks ? 1 : 0);
        f.Unload();
        testkit::settle();
    }
}

TEST_F(Runtime, ADisabledLabelIsDrawnGreyed)
{
    TestForm& f = shown();
    f.LblA.setCaption(QStringLiteral("上一题"));
    f.LblA.setForeColor(0xFF0000); // blue
    auto image = [&] { return f.LblA.widget()->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    auto bluePixels = [](const QImage& img) { // text pixels in the fore colour, antialiased or not
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                n += c.blue() - std::max(c.red(), c.green()) > 100;
            }
        return n;
    };
    EXPECT_GT(bluePixels(image()), 0);
    f.LblA.setEnabled(false);
    const QImage greyed = image();
    EXPECT_EQ(bluePixels(greyed), 0);
    f.LblA.setCaption(QString());
    EXPECT_NE(image(), greyed); // the caption still shows, in grey
}

TEST_F(Runtime, ATallSingleLineTextBoxWritesItsTextAtTheTop)
{
    TestForm& f = shown();
    f.Txt.Move(0, 0, 3000, 3000); // 200 x 200 pixels
    f.Txt.setForeColor(0xFF0000); // blue
    f.Txt.setText(QStringLiteral("今天天气"));
    const QImage img = f.Txt.widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int top = img.height(), bottom = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.blue() - std::max(c.red(), c.green()) > 100) top = std::min(top, y), bottom = y;
        }
    ASSERT_GE(bottom, 0);
    EXPECT_LT(bottom, img.height() / 4) << "text from row " << top;
}

TEST_F(Runtime, ATextBoxsMenuIsChineseAndOffersWhatCanBeDone)
{
    TestForm& f = shown();
    f.Txt.setText(QStringLiteral("abc"));
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    auto menuOf = [&](int selStart, int selLength) {
        f.Txt.setSelStart(selStart);
        f.Txt.setSelLength(selLength);
        QStringList shown;
        QTimer::singleShot(0, [&shown] {
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_TRUE(popup);
            for (QAction* a : popup->actions())
                if (!a->isSeparator()) shown << a->text() + (a->isEnabled() ? "" : " -");
            popup->close();
        });
        QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5),
                            f.Txt.widget()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(f.Txt.widget(), &e);
        return shown;
    };
    EXPECT_EQ(menuOf(0, 0),
              QStringList({"撤消(&U) -", "剪切(&T) -", "复制(&C) -", "粘贴(&P)", "删除(&D) -", "全选(&A)"}));
    EXPECT_EQ(menuOf(0, 2),
              QStringList({"撤消(&U) -", "剪切(&T)", "复制(&C)", "粘贴(&P)", "删除(&D)", "全选(&A)"}));
}

TEST_F(Runtime, SetFocusRaisesGotFocusAndLostFocus)
{
    TestForm& f = shown();
    f.Txt.onGotFocus = [] { note("Txt.GotFocus"); };
    f.Txt.onLostFocus = [] { note("Txt.LostFocus"); };
    f.Lst.onGotFocus = [] { note("Lst.GotFocus"); };
    f.Txt.SetFocus();
    f.Lst.SetFocus();
    EXPECT_EQ(g_log, QStringList({"Txt.GotFocus", "Txt.LostFocus", "Lst.GotFocus"}));
}

TEST_F(Runtime, ControlArraysLoadElementsAndIgnoreMissingOnes)
{
    TestForm& f = shown();
    ASSERT_TRUE(f.Hot.Load(7)); // sparse: 1 and 7
    EXPECT_FALSE(f.Hot.Load(7));
    EXPECT_EQ(f.Hot(7).Caption(), "热");
    EXPECT_FALSE(f.Hot(7).Visible());
    EXPECT_EQ(f.Hot.Count(), 2);
    EXPECT_EQ(f.Hot.UBound(), 7);
    f.Hot(7).Move(1500, 3000, 300, 300);
    f.Hot(7).setVisible(true);
    testkit::click(f, 1650, 3150);
    EXPECT_EQ(g_log, QStringList({"Hot(7).Click"}));
    // A missing element takes writes without effect and reads as new.
    f.Hot(50).setCaption("x");
    f.Hot(50).Move(1, 2, 3, 4);
    EXPECT_EQ(f.Hot(50).Caption(), "");
    EXPECT_FALSE(f.Hot.exists(50));
}

TEST_F(Runtime, UnloadFromItsOwnHandlerAndReloadInDesignState)
{
    TestForm& f = shown();
    f.Hot.Load(9);
    f.LblA.setCaption("changed");
    f.Cmd.onClick = [&f] { f.Unload(); };
    testkit::click(f.Cmd);
    EXPECT_FALSE(f.isLoaded());
    testkit::settle();
    EXPECT_EQ(f.loads, 1);
    TestForm& again = shown();
    EXPECT_EQ(&again, &f);
    EXPECT_EQ(f.loads, 2); // variables survive, the load handler ran again
    EXPECT_EQ(f.LblA.Caption(), "A");
    EXPECT_FALSE(f.Hot.exists(9));
    EXPECT_TRUE(f.Hot.exists(1));
}

// Unloading detaches each control's own event bridge and nothing else: the other children of a
// control's widget (a list box's viewport and scroll bars, say) must come through untouched.
TEST_F(Runtime, UnloadLeavesTheOtherChildrenOfAControlsWidgetIntact)
{
    TestForm& f = shown();
    QPointer<QWidget> list = f.Lst.widget();
    ASSERT_TRUE(list);
    QList<QPointer<QWidget>> children;
    for (QWidget* w : list->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        children << w;
    ASSERT_FALSE(children.isEmpty());
    f.Unload();
    for (const QPointer<QWidget>& w : children) {
        ASSERT_TRUE(w); // deletion is deferred
        EXPECT_EQ(w->parentWidget(), list.data());
        EXPECT_GT(w->logicalDpiX(), 0); // a call through the widget's paint-device table
    }
    testkit::settle();
    EXPECT_FALSE(list);
}

TEST_F(Runtime, UnloadCanBeRefusedAlsoFromTheWindowFrame)
{
    TestForm& f = shown();
    f.refuseUnload = 1;
    EXPECT_FALSE(f.Unload());
    f.hostWidget()->close();
    EXPECT_TRUE(f.isLoaded());
    EXPECT_EQ(g_log, QStringList({"QueryUnload 1", "QueryUnload 0"}));
    f.refuseUnload = 0;
    EXPECT_TRUE(f.Unload());
    EXPECT_FALSE(f.isLoaded());
}

TEST_F(Runtime, ModalShowRunsANestedLoopInWhichTimersTick)
{
    testkit::ModalScript modals;
    TestForm& f = form<TestForm>();
    int ticks = 0;
    f.Tick.onTimer = [&] {
        if (++ticks == 3) f.Hide();
    };
    f.Tick.setInterval(5);
    f.Tick.setEnabled(true);
    bool shownWhileWaiting = false;
    modals.expect("TestForm", [&](Form& shown) {
        shownWhileWaiting = shown.Visible();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !shown.Visible(); }, 3000));
    });
    f.Show(vbModal);
    g_log << "returned";
    EXPECT_TRUE(shownWhileWaiting);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(f.Visible());
    EXPECT_EQ(g_log, QStringList({"returned"}));
}

TEST_F(Runtime, TimersTickOnlyWhileTheirFormIsLoadedAndRestartFromDesign)
{
    ManualClock clock;
    setClock(&clock);
    TestForm& f = shown();
    f.Tick.setEnabled(true);
    clock.advance(120);
    EXPECT_EQ(g_log, QStringList({"Tick", "Tick"}));
    f.Unload();
    clock.advance(500);
    EXPECT_EQ(g_log.size(), 3); // the QueryUnload line only
    shown();
    clock.advance(500);
    EXPECT_EQ(g_log.size(), 3); // designed disabled
    setClock(nullptr);
}

TEST_F(Runtime, EverySeparatorOfTheRealPopupDrawsItsLineAndACascadeKeepsItsItems)
{
    Menu root("root");
    Menu lead("lead", &root), file("file", &root), sep1("sep1", &root), sep2("sep2", &root);
    Menu cascade("cascade", &root), folder("folder", &cascade), del("del", &root), trail("trail", &root);
    for (auto [m, caption] : {std::pair{&lead, "-"},
                              {&file, "新建"},
                              {&sep1, "-"},
                              {&sep2, "-"},
                              {&cascade, "-"},
                              {&folder, "文件夹"},
                              {&del, "删除"},
                              {&trail, "-"}})
        m->setCaption(QString::fromUtf8(caption));
    QMenu shown;
    fillPopup(shown, root);
    EXPECT_FALSE(shown.separatorsCollapsible());
    QStringList got;
    for (QAction* a : shown.actions())
        got << (a->isSeparator() ? QStringLiteral("|")
                : a->menu()      ? QStringLiteral(">") + a->text()
                                 : a->text());
    EXPECT_EQ(got, QStringList({"|", "新建", "|", "|", ">-", "删除", "|"}));
    QMenu* sub = shown.actions().at(4)->menu();
    ASSERT_TRUE(sub);
    ASSERT_EQ(sub->actions().size(), 1);
    EXPECT_EQ(sub->actions().at(0)->text(), "文件夹");
    EXPECT_FALSE(sub->separatorsCollapsible());
}

TEST_F(Runtime, ALeadingSeparatorOfTheRealPopupIsALineApartFromTheBorder)
{
    Menu root("root");
    Menu lead("lead", &root), file("file", &root), mid("mid", &root), del("del", &root);
    for (auto [m, caption] : {std::pair{&lead, "-"}, {&file, "新建"}, {&mid, "-"}, {&del, "删除"}})
        m->setCaption(QString::fromUtf8(caption));
    QMenu shown;
    fillPopup(shown, root);
    shown.popup(QPoint(100, 100));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown));
    const QImage img = shown.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The menu's background: the far end of an item's row.
    const QRect item = shown.actionGeometry(shown.actions().at(1));
    const QColor background = img.pixelColor(item.right() - 2, item.center().y());
    // Down the middle of the menu: rows of the menu's background, and rows drawn in something else
    // (the border, a separator's line, an item's text).
    const int x = img.width() / 2;
    auto plain = [&](int y) {
        const QColor c = img.pixelColor(x, y);
        return std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
                   std::abs(c.blue() - background.blue()) <
               24;
    };
    int border = 0; // the rows of the menu's top border
    while (border < img.height() && !plain(border))
        ++border;
    ASSERT_LT(border, 4);
    for (QAction* sep : {shown.actions().at(0), shown.actions().at(2)}) {
        const QRect r = shown.actionGeometry(sep);
        SCOPED_TRACE(r.top());
        ASSERT_TRUE(sep->isSeparator());
        // Inside the separator's place, below the border: background, the line, background again.
        const int from = std::max(r.top(), border);
        ASSERT_LT(from, r.bottom());
        EXPECT_TRUE(plain(from)) << "the line touches what lies above it";
        int line = -1;
        for (int y = from; y <= r.bottom() && line < 0; ++y)
            if (!plain(y)) line = y;
        EXPECT_GT(line, from) << "no line of its own";
        EXPECT_TRUE(plain(r.bottom())) << "the line touches what lies below it";
    }
    shown.close();
}

TEST_F(Runtime, PopupMenuRunsThePickedItemBeforeReturning)
{
    testkit::PopupScript popups;
    TestForm& f = shown();
    ASSERT_TRUE(f.mnuItem.Load(1));
    ASSERT_TRUE(f.mnuItem.Load(2));
    f.mnuItem(1).setCaption("-");
    f.mnuItem(2).setCaption("删除");
    f.mnuItem(0).setVisible(false);
    popups.pick("删除");
    f.PopupMenu(f.mnuPop, vbPopupMenuRightAlign, 3000, 1500);
    g_log << "returned";
    EXPECT_EQ(popups.lastShown, QStringList({"新建", "-", "删除"}));
    EXPECT_TRUE(popups.lastRightAligned);
    EXPECT_EQ(popups.lastAt, f.hostWidget()->mapToGlobal(QPoint(200, 100)));
    EXPECT_EQ(g_log, QStringList({"mnuItem(2).Click", "returned"}));
    g_log.clear();
    popups.pick("新建/文件夹");
    f.PopupMenu(f.mnuPop);
    EXPECT_EQ(g_log, QStringList({"mnuSub.Click"}));
}

TEST_F(Runtime, MovingAWindowWithTheButtonHeldEndsWithANotice)
{
    TestForm& f = shown();
    bool done = false;
    f.LblA.onMouseDown = [&](int, int, double, double) { f.beginMoveByPointer([&] { done = true; }); };
    testkit::press(f, 300, 300);
    testkit::move(f, 1800, 900);
    // The window has followed the pointer: the same screen point is now where the press was.
    testkit::release(f, 300, 300);
    EXPECT_TRUE(done);
    EXPECT_EQ(f.Left(), 1500);
    EXPECT_EQ(f.Top(), 600);
}

TEST_F(Runtime, PicturesSizeImagesAndAutoSizedBoxes)
{
    for (double tpp : {15.0, 12.0}) {
        SCOPED_TRACE(tpp);
        setTwipsPerPixel(tpp, tpp);
        TestForm& f = shown();
        f.Img.setStretch(false);
        f.Img.setPicture(solid(40, 20, Qt::red));
        EXPECT_EQ(f.Img.Width(), 40 * tpp);
        EXPECT_EQ(f.Img.Height(), 20 * tpp);
        f.Pic.setAutoSize(true);
        f.Pic.setPicture(solid(64, 32, Qt::blue));
        EXPECT_EQ(f.Pic.Width(), 64 * tpp);
        EXPECT_EQ(f.Pic.Height(), 32 * tpp);
        f.Unload();
        testkit::settle();
    }
}

TEST_F(Runtime, GraphicalButtonsShowTheirBackColour)
{
    TestForm& f = shown();
    f.Cmd.setStyle(1);
    f.Cmd.setBackColor(0x0000FF); // &HBBGGRR: red
    QImage shot = f.Cmd.widget()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(shot.width() / 2, 4)), QColor(255, 0, 0));
}

TEST_F(Runtime, MaximisedFormReadsAsTheScreen)
{
    setScreenPixels(QSize(800, 600));
    TestForm& f = shown();
    f.setWindowState(vbMaximized);
    EXPECT_EQ(f.Width(), 12000);
    EXPECT_EQ(f.Height(), 9000);
    f.setWindowState(vbNormal);
    EXPECT_EQ(f.Width(), 6000);
    setScreenPixels(QSize());
}

namespace {

class BoxForm final : public Form {
public:
    Frame Fra{this, "Fra"};
    CheckBox Chk{this, "Chk"};
    Label Lbl{this, "Lbl"};
    BoxForm()
        : Form("BoxForm")
    {
        Chk.setContainer(&Fra);
        Chk.onClick = [this] { note(QStringLiteral("Chk.Click %1").arg(Chk.Value())); };
    }

protected:
    void design() override
    {
        Move(0, 0, 4500, 3000);
        setStayOnTop(true);
        Fra.Move(600, 600, 3000, 1800);
        Fra.setCaption("选项");
        Chk.Move(300, 450, 2000, 300);
        Chk.setCaption("自动");
        Lbl.Move(0, 0, 3000, 0);
        Lbl.setFontSize(9);
    }
};

} // namespace

TEST_F(Runtime, FramesHoldControlsAndCheckBoxesRaiseClick)
{
    BoxForm& f = form<BoxForm>();
    f.Show();
    EXPECT_TRUE(f.hostWidget()->windowFlags() & Qt::WindowStaysOnTopHint);
    // The check box lies 300 x 450 twips inside the frame; its centre, whole pixels at 15 twips.
    EXPECT_EQ(testkit::centreOf(f.Chk), QPointF(1890, 1200));
    testkit::click(f.Chk);
    f.Chk.setValue(0);
    f.Chk.setValue(0);
    EXPECT_EQ(g_log, QStringList({"Chk.Click 1", "Chk.Click 0"}));
}

TEST_F(Runtime, AutoSizedLabelsFitTheirCaption)
{
    BoxForm& f = form<BoxForm>();
    f.Show();
    f.Lbl.setAutoSize(true);
    f.Lbl.setCaption("考试");
    const double oneLine = f.Lbl.Height();
    const double twoChars = f.Lbl.Width();
    EXPECT_GT(oneLine, 0);
    f.Lbl.setCaption("考试考试");
    EXPECT_GT(f.Lbl.Width(), twoChars * 1.5);
    f.Lbl.setWordWrap(true);
    f.Lbl.setWidth(twoChars);
    f.Lbl.setCaption("考试考试");
    EXPECT_GT(f.Lbl.Height(), oneLine * 1.5); // wraps onto a second line, width kept
    EXPECT_EQ(f.Lbl.Width(), twoChars);
    // Sized by hand, it fits its caption again when the caption is set again, the same one too.
    f.Lbl.setWordWrap(false);
    const double fourChars = f.Lbl.Width();
    EXPECT_EQ(f.Lbl.Height(), oneLine);
    f.Lbl.Move(0, 0, 150, 900);
    f.Lbl.setCaption("考试考试");
    EXPECT_EQ(f.Lbl.Width(), fourChars);
    EXPECT_EQ(f.Lbl.Height(), oneLine);
}

TEST_F(Runtime, LoadPictureClearsOnAnEmptyPathAndKeepsThePictureWhenItCannotLoad)
{
    testkit::TempProgramFolder dir;
    QImage img(10, 6, QImage::Format_RGB32);
    img.fill(Qt::green);
    const QString file = dir.file("pic.rar");
    ASSERT_TRUE(img.save(file, "BMP"));
    QFile junk(dir.file("junk.rar"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();

    TestForm& f = shown();
    f.Img.setStretch(false);
    for (auto load :
         {std::function<bool(const QString&)>([&](const QString& p) { return f.Img.LoadPicture(p); }),
          std::function<bool(const QString&)>([&](const QString& p) { return f.Pic.LoadPicture(p); }),
          std::function<bool(const QString&)>([&](const QString& p) { return f.LoadPicture(p); })}) {
        EXPECT_TRUE(load(file));
        EXPECT_FALSE(load(dir.file("junk.rar")));
        EXPECT_FALSE(load(dir.file("missing.rar")));
    }
    // A failed load left each picture as it was.
    EXPECT_EQ(f.Img.picture().source(), file);
    EXPECT_EQ(f.Pic.picture().source(), file);
    EXPECT_EQ(f.picture().source(), file);
    EXPECT_TRUE(f.Img.LoadPicture(QString()));
    EXPECT_TRUE(f.Img.picture().isNull());
    EXPECT_TRUE(f.LoadPicture(QString()));
    EXPECT_TRUE(f.picture().isNull());
}

TEST_F(Runtime, AModalFormHoldsEveryOtherFormUntilItClosesAndGivesTheFocusBack)
{
    testkit::ModalScript modals;
    TestForm& owner = shown();
    owner.onKeyUp = [](int& k, int) { note(QStringLiteral("Form.KeyUp %1").arg(k)); };
    owner.setKeyPreview(true); // every key of the form, wherever its focus is
    owner.hostWidget()->activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), owner.hostWidget());
    modals.expect("DialogForm", [&](Form& d) {
        QApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), d.hostWidget());
        testkit::click(owner.Cmd);
        testkit::keyThroughWindow(owner, vbKeyA);
        EXPECT_EQ(g_log, QStringList());
        testkit::click(static_cast<DialogForm&>(d).Ok);
    });
    form<DialogForm>().Show(vbModal);
    EXPECT_EQ(g_log, QStringList{"Ok.Click"});
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), owner.hostWidget());
    testkit::click(owner.Cmd);
    testkit::keyThroughWindow(owner, vbKeyA);
    EXPECT_EQ(g_log, (QStringList{"Ok.Click", "Cmd.Click", "Form.KeyUp 65"}));
}

TEST_F(Runtime, AFixedFrameCannotBeResizedOrMaximisedByTheWindowManager)
{
    struct Case {
        int border;
        bool fixed;
    } cases[] = {{vbFixedSingle, true}, {vbFixedDialog, true}, {vbFixedToolWindow, true}, {vbSizable, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.border);
        DialogForm& d = Forms::instance<DialogForm>();
        d.border = c.border;
        d.Show();
        QWidget* w = d.hostWidget();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->size(), QSize(200, 100));
        EXPECT_EQ(w->minimumSize() == w->size() && w->maximumSize() == w->size(), c.fixed);
        if (c.fixed) {
            EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
            // The program itself still sizes it.
            d.setWidth(3600);
            EXPECT_EQ(w->maximumSize(), QSize(240, 100));
            EXPECT_EQ(w->size(), QSize(240, 100));
        }
        d.Unload();
    }
}

namespace {

// One control of each kind that draws itself, on a form with a picture.
class PaintForm final : public Form {
public:
    Label Lbl{this, "Lbl"}, Spot{this, "Spot"};
    Image Img{this, "Img"};
    PictureBox Box{this, "Box"};
    Shape Shp{this, "Shp"};
    Line Ln{this, "Ln"};
    CommandButton Cmd{this, "Cmd"};
    Picture back = solid(400, 300, Qt::darkCyan);
    Picture red = solid(40, 30, Qt::red);

    PaintForm()
        : Form("PaintForm")
    {}

protected:
    void design() override
    {
        setBorderStyle(vbBSNone);
        Move(0, 0, 6000, 4500);
        setPicture(back);
        Lbl.Move(150, 150, 1500, 300);
        Lbl.setCaption("提示");
        Lbl.setAutoSize(true);
        Spot.Move(0, 0, 6000, 4500); // a hot-spot over the whole form
        Spot.setBackStyle(vbTransparent);
        Img.Move(150, 900, 600, 450);
        Img.setPicture(red);
        Box.Move(1500, 900, 1500, 1200);
        Box.setPicture(red);
        Shp.Move(3300, 900, 900, 900);
        Shp.setBorderColor(0xFF);
        Ln.setX1(150);
        Ln.setY1(2700);
        Ln.setX2(1500);
        Ln.setY2(3300);
        Cmd.Move(3300, 2700, 1200, 450);
        Cmd.setCaption("确定");
    }
};

struct Change {
    const char* what;
    std::function<void(PaintForm&)> same;  // sets the value the property has
    std::function<void(PaintForm&)> other; // sets another value
};

} // namespace

// A property set to the value it has changes nothing on the screen, so it repaints nothing; the
// same property set to another value is repainted.
TEST_F(Runtime, AValueAlreadySetRepaintsNothingAndAnotherValueIsRepainted)
{
    testkit::TempProgramFolder dir;
    const QString file = dir.file("box.rar");
    ASSERT_TRUE(solid(40, 30, Qt::yellow).pixmap().save(file, "BMP"));
    PaintForm& f = form<PaintForm>();
    f.Show();
    ASSERT_TRUE(f.Box.LoadPicture(file));
    const std::vector<Change> changes = {
        {"caption", [](PaintForm& f) { f.Lbl.setCaption("提示"); },
         [](PaintForm& f) { f.Lbl.setCaption("错误"); }},
        {"label alignment", [](PaintForm& f) { f.Lbl.setAlignment(vbLeftJustify); },
         [](PaintForm& f) { f.Lbl.setAlignment(vbCenter); }},
        {"font size", [](PaintForm& f) { f.Lbl.setFontSize(f.Lbl.FontSize()); },
         [](PaintForm& f) { f.Lbl.setFontSize(f.Lbl.FontSize() + 3); }},
        {"fore colour", [](PaintForm& f) { f.Lbl.setForeColor(f.Lbl.ForeColor()); },
         [](PaintForm& f) { f.Lbl.setForeColor(0xFF); }},
        {"image picture", [](PaintForm& f) { f.Img.setPicture(f.Img.picture()); },
         [](PaintForm& f) { f.Img.clearPicture(); }},
        {"empty image", [](PaintForm& f) { f.Img.clearPicture(); },
         [](PaintForm& f) { f.Img.setPicture(f.red); }},
        {"picture read again", [&file](PaintForm& f) { f.Box.LoadPicture(file); },
         [](PaintForm& f) { f.Box.setPicture(solid(40, 30, Qt::green)); }},
        {"picture box colour", [](PaintForm& f) { f.Box.setBackColor(f.Box.BackColor()); },
         [](PaintForm& f) { f.Box.setBackColor(0xFF); }},
        {"form picture", [](PaintForm& f) { f.setPicture(f.back); },
         [](PaintForm& f) { f.setPicture(solid(400, 300, Qt::darkRed)); }},
        {"form colour", [](PaintForm& f) { f.setBackColor(f.BackColor()); },
         [](PaintForm& f) { f.setBackColor(0xFF00); }},
        {"shape colour", [](PaintForm& f) { f.Shp.setBorderColor(0xFF); },
         [](PaintForm& f) { f.Shp.setBorderColor(0xFF00); }},
        {"shape width", [](PaintForm& f) { f.Shp.setBorderWidth(f.Shp.BorderWidth()); },
         [](PaintForm& f) { f.Shp.setBorderWidth(3); }},
        {"line end", [](PaintForm& f) { f.Ln.setX1(f.Ln.X1()); }, [](PaintForm& f) { f.Ln.setX1(600); }},
        {"line ends", [](PaintForm& f) { f.Ln.setPoints(f.Ln.X1(), f.Ln.Y1(), f.Ln.X2(), f.Ln.Y2()); },
         [](PaintForm& f) { f.Ln.setPoints(f.Ln.X2(), f.Ln.Y2(), f.Ln.X1(), f.Ln.Y1()); }},
        {"line colour", [](PaintForm& f) { f.Ln.setBorderColor(f.Ln.BorderColor()); },
         [](PaintForm& f) { f.Ln.setBorderColor(0xFF); }},
        {"button caption", [](PaintForm& f) { f.Cmd.setCaption(f.Cmd.Caption()); },
         [](PaintForm& f) { f.Cmd.setCaption("取消"); }},
        {"place", [](PaintForm& f) { f.Shp.Move(f.Shp.Left(), f.Shp.Top()); },
         [](PaintForm& f) { f.Shp.Move(f.Shp.Left() + 300, f.Shp.Top()); }},
        {"visibility", [](PaintForm& f) { f.Img.setVisible(true); },
         [](PaintForm& f) { f.Img.setVisible(false); }},
        {"back style", [](PaintForm& f) { f.Spot.setBackStyle(vbTransparent); },
         [](PaintForm& f) { f.Spot.setBackStyle(vbOpaque); }},
    };
    testkit::PaintLog log;
    for (const Change& c : changes) {
        SCOPED_TRACE(c.what);
        testkit::paintPending();
        log.clear();
        c.same(f);
        testkit::paintPending();
        EXPECT_TRUE(log.paints().empty()) << log.names().toStdString();
        c.other(f);
        testkit::paintPending();
        EXPECT_FALSE(log.paints().empty());
    }
}
