// The demonstration desktop: construction, design state, load, the per-step reset of the drawn
// menus, the advance, the jump and the end that hands the question back to the panel.
#include "demo/frm_yanshi.h"

#include <QImage>
#include <QPainter>
#include <map>
#include <utility>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/scale.h"
#include "platform/app.h"
#include "platform/keys.h"
#include "platform/units.h"
#include "scene/step_engine.h"
#include "steps/desk_pictures.h"
#include "steps/hotspot_tables.h"
#include "steps/question_block.h"
#include "steps/step.h"
#include "steps/step_file.h"

using namespace platform;

namespace {

constexpr double Parked = -30000;

// A frame, hidden until a step shows it.
void frameShape(Shape& s, long colour, int width)
{
    scene::frameShape(s, colour, width);
    s.setVisible(false);
}

void transparentLabel(Label& l)
{
    l.setBackStyle(vbTransparent);
    l.setCaption(QString());
}

// The cascade mark of the drawn context menu: a black triangle pointing right, 4 x 7 pixels.
Picture cascadeTriangle()
{
    QImage img(4, 7, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int x = 0; x < 4; ++x)
        for (int y = x; y < 7 - x; ++y)
            img.setPixel(x, y, qRgb(0, 0, 0));
    return Picture(QPixmap::fromImage(img), QStringLiteral("cascade"));
}

} // namespace

FrmYanShi::FrmYanShi()
    : Form(QStringLiteral("FrmYanShi"))
{
    for (int i = 0; i <= 44; ++i) {
        Lbl1J.design(i);
        Lbl2J.design(i);
    }
    for (int i = 0; i <= 10; ++i)
        Lbl3J.design(i);
    for (int i = 0; i <= 105; ++i)
        LblZHU.design(i);
    for (int i = 0; i <= 13; ++i)
        LblXXK.design(i);
    for (int i = 0; i <= 9; ++i)
        for (LabelArray* a : {&LRM2, &LRM4, &LRM6, &LRM9, &LRS})
            a->design(i);
    for (int r : {1, 3, 5, 7, 8}) {
        LRMJL.design(r);
        ImgJLSanjiao.design(r);
    }
    for (int i = 0; i <= 9; ++i)
        LRFGX.design(i);
    for (int i = 0; i <= 5; ++i)
        LRSFgx.design(i);
    // The white filling lies under the outline, so the outline stays whole however wide strokes
    // are drawn.
    for (int i = 0; i <= 5; ++i)
        LPoinB.design(i);
    for (int i = 0; i <= 7; ++i)
        LPoint.design(i);
    // The ring and the pointer lie above every control, edit fields and lists included: the
    // demonstration shows where the candidate acts.
    overlay.lift({&Shape5, &ImgICO});
    LPoinB.forEach([this](int, Line& l) { overlay.lift(l); });
    LPoint.forEach([this](int, Line& l) { overlay.lift(l); });

    const std::pair<Timer*, const char*> timers[] = {
        {&Timer1, "Timer1"}, {&Timer2, "Timer2"},   {&Timer3, "Timer3"},   {&Timer4, "Timer4"},
        {&Timer5, "Timer5"}, {&Timer6, "Timer6"},   {&Timer7, "Timer7"},   {&Timer8, "Timer8"},
        {&Timer9, "Timer9"}, {&Timer10, "Timer10"}, {&Timer11, "Timer11"}, {&TimerRM, "TimerRM"},
        {&TimEnd, "TimEnd"}, {&TimerRS, "TimerRS"}, {&TimTool, "TimTool"}, {&TimerStart, "TimerStart"}};
    for (const auto& [t, name] : timers) {
        t->name = QString::fromLatin1(name);
        registerTimer(t);
    }
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
    Timer4.onTimer = [this] { Timer4_Timer(); };
    Timer5.onTimer = [this] { Timer5_Timer(); };
    TimerRM.onTimer = [this] { TimerRM_Timer(); };
    TimerRS.onTimer = [this] { TimerRS_Timer(); };
    TimEnd.onTimer = [this] { TimEnd_Timer(); };
    Timer6.onTimer = [this] { rowGlideTick(Timer6, 1); };
    Timer7.onTimer = [this] { rowGlideTick(Timer7, 2); };
    Timer8.onTimer = [this] { rowGlideTick(Timer8, 3); };
    Timer9.onTimer = [this] { Timer9_Timer(); };
    TimerStart.onTimer = [this] { TimerStart_Timer(); };

    // The candidate ends the demonstration by a double click anywhere on it (hot-spot 69 alone
    // covers the whole desktop) or by Enter, Space or Esc, wherever the keyboard focus is.
    onDblClick = [this] { endByUser(); };
    for (Control* c : std::initializer_list<Control*>{
             &Image1,      &Image2,    &Image3,   &Image4,  &Image5,  &ImgLogo, &PicTool,  &PicMenu,
             &PicHui,      &PicMyPc,   &PicStart, &ImgMenu, &ImgTool, &ImgHui,  &ImgStart, &ImgMyPc,
             &Pic1J,       &Pic2J,     &Pic3J,    &Img1J,   &Img2J,   &LHelp,   &Label4,   &Label1,
             &LRightMMenu, &LRightSub, &ImgICO,   &Image6,  &Text1,   &Text2,   &Text4,    &LstLA})
        c->onDblClick = [this] { endByUser(); };
    for (LabelArray* a : {&Lbl1J, &Lbl2J, &Lbl3J, &LblZHU, &LblXXK, &LRM2, &LRM4, &LRM6, &LRM9, &LRMJL, &LRS})
        a->onDblClick = [this](int) { endByUser(); };
    onKeyUp = [this](int& keyCode, int) { Form_KeyUp(keyCode); };
}

FrmYanShi::~FrmYanShi() = default;

void FrmYanShi::design()
{
    setBorderStyle(vbBSNone);
    setCaption(QString());
    setBackColor(0xF9D9C3);
    setStayOnTop(true);
    setShowInTaskbar(false);
    // Enter, Space and Esc end the demonstration wherever the keyboard focus is.
    setKeyPreview(true);
    Move(0, 0, 12000, 9000);

    for (Image* img : {&Image1, &Image2, &Image3, &Image4, &Image5, &PicMenu, &Pic1J, &Pic2J, &Pic3J, &Img1J,
                       &Img2J, &ImgMenu, &ImgTool, &ImgHui, &ImgStart, &ImgMyPc, &ImgICO}) {
        img->clearPicture();
        img->Move(Parked, Parked);
        img->setVisible(false);
    }
    for (Image* img : {&PicTool, &PicHui, &PicMyPc})
        img->Move(Parked, Parked);
    PicStart.setVisible(false);
    PicMyPc.setVisible(false);
    ImgLogo.setStretch(true);
    Image6.setBorderStyle(0);
    Image6.setAutoSize(true);
    Image6.Move(Parked, Parked);
    Image6.setVisible(false);

    for (LabelArray* a : {&Lbl1J, &Lbl2J, &Lbl3J, &LblZHU, &LblXXK})
        a->forEach([](int, Label& l) {
            transparentLabel(l);
            l.Move(0, 0, 495, 375);
        });
    LblXXK(0).setBackStyle(vbOpaque);
    LblXXK(0).setBackColor(0xFFFFFF);
    for (Label* l : {&Label1, &Label4}) {
        transparentLabel(*l);
        l->Move(Parked, Parked, 1, 1);
    }

    LHelp.setBackStyle(vbOpaque);
    LHelp.setBackColor(0xC0FFFF);
    LHelp.setForeColor(0xFF);
    LHelp.setFontName(QStringLiteral("宋体"));
    LHelp.setFontBold(true);
    LHelp.setFontSize(10.5);
    LHelp.setAutoSize(true);
    LHelp.setVisible(false);

    frameShape(Shape1, 0xFF, 2);
    frameShape(Shape2, 0xFFFF, 2);
    Shape2.Move(9600, 8520, 2385, 465);
    frameShape(Shape4, 0xFF00, 2);
    frameShape(Shape6, 0x0, 1);
    Shape6.setBorderStyle(vbBSDot);
    Shape6.Move(Parked, Parked, 10, 10);
    Shape6.setVisible(true);
    frameShape(Shape5, 0xFF, 2);
    Shape5.setShape(vbShapeCircle);
    Shape5.Move(-500, -500, 375, 375);

    // The drawn menus: white backgrounds with silver frames, rows sized to their captions.
    for (Label* l : {&LRightMMenu, &LRightSub}) {
        l->setBackStyle(vbOpaque);
        l->setBackColor(0xFFFFFF);
        l->setCaption(QString());
        l->setVisible(false);
    }
    for (Shape* s : {&ShapeRMain, &ShapeRSUB})
        frameShape(*s, 0xC0C0C0, 1);
    for (LabelArray* a : {&LRM2, &LRM4, &LRM6, &LRM9, &LRMJL, &LRS})
        a->forEach([](int, Label& l) {
            l.setBackStyle(vbTransparent);
            l.setAutoSize(true);
            l.setCaption(QString());
            l.setVisible(false);
        });
    const Picture triangle = cascadeTriangle();
    ImgJLSanjiao.forEach([&triangle](int, Image& img) {
        img.setPicture(triangle);
        img.setVisible(false);
    });
    for (LineArray* a : {&LRFGX, &LRSFgx})
        a->forEach([](int, Line& l) {
            l.setBorderColor(0xC0C0C0);
            l.setVisible(false);
        });

    // The arrow lies below the window until its first glide tick.
    LPoint.forEach([](int, Line& l) {
        l.setBorderWidth(1);
        l.setBorderColor(0x0);
        l.setX1(0), l.setX2(0), l.setY1(Parked), l.setY2(Parked);
    });
    LPoinB.forEach([](int, Line& l) {
        l.setBorderWidth(2);
        l.setBorderColor(0xFFFFFF);
        l.setX1(0), l.setX2(0), l.setY1(Parked), l.setY2(Parked);
    });

    scene::hideEditParts({&Text1, &Text2, &Text4}, LstLA, {&PicLeft, &PicRight, &PicTop, &PicBottom});
    for (PictureBox* p : {&PicLeft, &PicRight, &PicTop, &PicBottom})
        p->Move(Parked, Parked, 15, 15);
}

void FrmYanShi::Form_Load()
{
    auto& d = common::drill();
    const double sx = common::scaleX(), sy = common::scaleY();
    // A newly loaded form starts from nothing: no value of an earlier demonstration is kept.
    ysRec.clear();
    menuId = QStringLiteral("0");
    ysRow1 = ysRow2 = ysRow3 = 0;
    ysJump = QStringLiteral("0");
    ysStartOn = ysBand = false;
    ysLen = 0;
    ysToX = ysToY = 0;
    ysDx = ysDy = 0;
    endTicks = 0;
    ysCode = ysDragToX = ysDragToY = 0;
    ysText.clear();
    ysTyped = ysTabSlot = ysTabNo = 0;
    ysTabHint.clear();
    ysMainW = ysMainH = ysPopSet = 0;
    ysPosX = long(common::roundHalfEven(7680 * sx));
    ysPosY = long(common::roundHalfEven(5760 * sy));
    d.ksMode = common::ModeTeaching;
    ysTick = 0;

    setWindowState(vbNormal);
    Move(0, 0, 12000 * sx, 9000 * sy);
    ImgLogo.Move(10170 * sx, 8130 * sy, 1740 * sx, 345 * sy);
    LHelp.setFontSize(11 * sx);
    LstLA.setFontSize(9 * sx);
    LblXXK(0).setFontSize(9 * sx);

    // Centred, or exactly over the candidate's desktop when that is a window.
    Move((screenWidthTwips() - Width()) / 2, (screenHeightTwips() - Height()) / 2);
    if (const Form* desk = handed.candidateDesktop;
        desk && desk->isLoaded() && desk->WindowState() == vbNormal)
        Move(desk->Left(), desk->Top());

    deskPath = steps::desk::folder(app::path());
    deskUnreadable.clear();
    steps::stepFile().forget();
    ysStep = 1;
    ToolCSH();
    CSH();
    setData();
}

// The drawn menus and the drop-down panels of the step before are gone.
void FrmYanShi::CSH()
{
    if (!common::drill().ysRun) return;
    for (LabelArray* a : {&LRM2, &LRM4, &LRM6, &LRM9, &LRS, &LRMJL})
        a->forEach([](int, Label& l) {
            l.setVisible(false);
            l.setCaption(QString());
        });
    for (LineArray* a : {&LRFGX, &LRSFgx})
        a->forEach([](int, Line& l) { l.setVisible(false); });
    ImgJLSanjiao.forEach([](int, Image& img) { img.setVisible(false); });
    for (Control* c :
         std::initializer_list<Control*>{&LRightMMenu, &ShapeRMain, &LRightSub, &ShapeRSUB, &Pic2J, &Pic1J})
        c->setVisible(false);
    ImgMenu.clearPicture();
}

// The area pictures in their places, the highlights emptied, and the fixed hot-spots on the form
// over their areas, from the hot-spot tables shared with the candidate's desktop.
void FrmYanShi::ToolCSH()
{
    using namespace hotspots;
    const double sx = common::scaleX(), sy = common::scaleY();
    Pic3J.setVisible(false);
    ImgStart.clearPicture();
    ImgMenu.clearPicture();
    ImgTool.clearPicture();
    ImgHui.clearPicture();
    ImgHui.setTop(-90 * sy);
    ImgMyPc.clearPicture();
    loadDeskPicture(PicStart, steps::desk::startMenuArea());
    loadDeskPicture(PicMyPc, steps::desk::myComputerArea());
    PicStart.Move(StartBox.left * sx, StartBox.top * sy);
    PicTool.Move(ToolBox.left * sx, ToolBox.top * sy);
    PicHui.Move(TaskPaneBox.left * sx, TaskPaneBox.top * sy);
    PicMyPc.Move(MyPcBox.left * sx, MyPcBox.top * sy);
    // The layout parks 69 with the desktop icons before it lays it over the whole desktop: each
    // hot-spot goes to its last place only, so a step repaints no place a hot-spot only passed.
    std::map<int, Rect> last;
    layoutFixedOnForm(sx, sy, {PicTool.Left(), PicTool.Top()}, {PicStart.Left(), PicStart.Top()},
                      {PicMyPc.Left(), PicMyPc.Top()},
                      [&last](int n, double left, double top, double width, double height) {
                          last[n] = {left, top, width, height};
                      });
    const Put put = onForm();
    for (const auto& [n, r] : last)
        put(n, r.left, r.top, r.width, r.height);
}

hotspots::Put FrmYanShi::onForm()
{
    return [this](int n, double left, double top, double width, double height) {
        LblZHU(n).Move(left, top, width, height);
    };
}

// The task-pane links of the window's task pane, over PicHui.
void FrmYanShi::HuiRenwuCSH()
{
    const int pane = step().taskPaneCode();
    hotspots::layoutTaskPane(pane, common::scaleX(), common::scaleY(), {PicHui.Left(), PicHui.Top()},
                             onForm());
}

// The dialog items of layout digit column 5 where the dialog box lies; every other item parked.
void FrmYanShi::CtrlCSH()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    const int digit = step().dialogDigit();
    hotspots::layoutDialog(digit, sx, sy, {hotspots::DialogBox.left * sx, hotspots::DialogBox.top * sy},
                           onForm());
}

int FrmYanShi::stepCount() const
{
    return steps::stepCount(common::drill(), common::drill().dqTm);
}

void FrmYanShi::doNext()
{
    if (!common::drill().ysRun) return;
    for (Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6, &Timer7, &Timer8, &Timer9,
                     &Timer10, &Timer11})
        t->setEnabled(false);
    if (step().kind() == steps::ActionKind::Terminal) {
        Shape5.Move(-500, -500);
        ysPosX = -500;
        ysPosY = -500;
        TimEnd.setEnabled(true);
        return;
    }
    ysStep += 1;
    setData();
}

void FrmYanShi::GoStep(const QString& code)
{
    scene::goStep(*this, code);
}

// A damaged record: the demonstration ends as it does on records it cannot read.
void FrmYanShi::jumpPastBlock()
{
    endUnplayable();
}

void FrmYanShi::showStep(int n)
{
    ysStep = n;
    setData();
}

void FrmYanShi::setSpeed(int factor)
{
    const std::pair<Timer*, int> bases[] = {{&Timer1, 500}, {&Timer2, 100},  {&Timer3, 1000}, {&Timer4, 200},
                                            {&Timer5, 100}, {&Timer6, 100},  {&Timer7, 200},  {&Timer8, 100},
                                            {&Timer9, 100}, {&Timer10, 100}, {&Timer11, 100}, {&TimerRM, 100},
                                            {&TimEnd, 100}, {&TimerRS, 100}, {&TimTool, 100}};
    for (const auto& [timer, base] : bases)
        timer->setInterval(base * factor);
}

void FrmYanShi::endStepBy(const QString& jump)
{
    scene::endStepBy(*this, jump);
}

void FrmYanShi::endByUser()
{
    TimEnd.setEnabled(true);
}

void FrmYanShi::Form_KeyUp(int keyCode)
{
    if (keyCode == vbKeyReturn || keyCode == vbKeySpace || keyCode == vbKeyEscape) endByUser();
}

// Four ticks of its own, whatever else counts meanwhile; then the question goes back to the
// candidate's desktop at the candidate's own step.
void FrmYanShi::TimEnd_Timer()
{
    Shape5.Move(-500, -500);
    endTicks += 1;
    if (endTicks < 4) return;
    for (Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6, &Timer7, &Timer8, &Timer9})
        t->setEnabled(false);
    endTicks = 0;
    ysTick = 0;
    ysStep = 1;
    common::drill().ysRun = false;
    TimEnd.setEnabled(false);
    Unload();
    if (const std::function<void()> ended = std::exchange(handed, {}).ended) ended();
}
