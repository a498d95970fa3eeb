// The candidate's desktop: construction, design state, load, window modes and the z-order pair.
#include "desktop/frm_main.h"

#include <utility>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/question_panel.h"
#include "common/scale.h"
#include "platform/app.h"
#include "platform/units.h"

using namespace platform;

namespace {

constexpr long Red = 0xFF;
constexpr long Green = 0xFF00;
constexpr long Yellow = 0xFFFF;

// Tooltips of the toolbar and task-pane hot-spots.
constexpr std::pair<int, const char*> ZhuTips[] = {
    {11, "返回"},
    {12, "前进"},
    {13, "向上"},
    {16, "剪切"},
    {17, "复制"},
    {18, "粘贴"},
    {19, "撤消"},
    {20, "删除"},
    {21, "属性"},
    {22, "文件夹选项"},
    {23, "查看"},
    {28, "将选择的项目复制到您选择的位置。"},
    {31, "将选择的文件发送到打印机。"},
    {32, "将选择的项目移动到回收站。如果您稍后想恢复它们，请转到回收站。"},
    {34, "包含信件，报告和其它文档以及文件。"},
    {35, "包含在此计算机的用户之间共享的文件和文件夹。"},
    {36, "显示连接到此计算机的驱动器和硬件。"},
    {37, "显示到网站，网络计算机和 FTP 站点的快捷方式。"},
    {38, "发送包含选择的文件或在选择的文件夹中的文件副本的电子邮件。"},
};

// The area box that holds hot-spot i.
Container* zhuBox(FrmMain& f, int i)
{
    if (i <= 10) return &f.PicMenu;
    if (i <= 25) return &f.PicTool;
    if (i <= 40) return &f.PicHui;
    if (i <= 60) return &f.PicCtrl;
    if (i <= 70) return &f.PicTable;
    if (i <= 91) return &f.PicStart;
    return &f.PicMyPc;
}

void hotSpot(Label& l)
{
    l.setBackStyle(vbTransparent);
    l.setCaption(QString());
}

} // namespace

FrmMain::FrmMain()
    : Form(QStringLiteral("FrmMain"))
{
    ImgTable.setContainer(&PicTable);
    ShapeTable.setContainer(&PicTable);
    ImgMenu.setContainer(&PicMenu);
    ShapeMenu.setContainer(&PicMenu);
    ImgTool.setContainer(&PicTool);
    ShapeTool.setContainer(&PicTool);
    ImgHui.setContainer(&PicHui);
    ImgHui2.setContainer(&PicHui);
    ShapeHui.setContainer(&PicHui);
    ImgCtrl.setContainer(&PicCtrl);
    ShapeCtrl.setContainer(&PicCtrl);
    ImgMyPc.setContainer(&PicMyPc);
    ShapeMyPc.setContainer(&PicMyPc);
    ImgStart.setContainer(&PicStart);
    // The hovered row's look lies over the chosen row's, so a MenuPick's row shows its hover look.
    Img1jBK.setContainer(&Pic1J);
    Img1J.setContainer(&Pic1J);
    Img2J.setContainer(&Pic2J);
    Img3J.setContainer(&Pic3J);
    for (int i = 1; i <= 44; ++i)
        Lbl1J.design(i).setContainer(&Pic1J);
    for (int i = 1; i <= 44; ++i)
        Lbl2J.design(i).setContainer(&Pic2J);
    for (int i = 1; i <= 9; ++i)
        Lbl3J.design(i).setContainer(&Pic3J);
    for (int i = 1; i <= 102; ++i)
        LblZHU.design(i).setContainer(zhuBox(*this, i));
    for (int i = 0; i <= 13; ++i)
        LblXXK.design(i);

    Timer2.name = QStringLiteral("Timer2");
    Timer3.name = QStringLiteral("Timer3");
    TimerDisFK.name = QStringLiteral("TimerDisFK");
    registerTimer(&Timer2);
    registerTimer(&Timer3);
    registerTimer(&TimerDisFK);
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
    TimerDisFK.onTimer = [this] { TimerDisFK_Timer(); };

    registerMenu(&wm100);
    for (MenuArray* a : {&sTolqSub1, &sTolqInde1, &sTolqSub2, &sTolqInde2, &sTolqSub3, &sTolqInde3,
                         &sTolqSub4, &sTolqSub5, &sTolqInde4}) {
        a->design(0, QString());
        registerRuntimeArray([a] { a->unloadRuntime(); });
    }

    LblMove.onMouseDown = [this](int b, int s, double x, double y) { LblMove_MouseDown(b, s, x, y); };
    // Events a render raises by writing a field or the list are judged once it has finished.
    Text1.onChange = [this] { afterRender([this] { Text1_Change(); }); };
    Text2.onChange = [this] { afterRender([this] { Text2_Change(); }); };
    Text3.onChange = [this] { afterRender([this] { Text3_Change(); }); };
    LstLA.onClick = [this] { afterRender([this] { LstLA_Click(); }); };
    wireJudges();
    wireMenus();
    wireHotspots();
    wireActions();
}

FrmMain::~FrmMain() = default;

void FrmMain::design()
{
    setBorderStyle(vbBSNone);
    Move(0, 0, 12000, 9000);

    for (PictureBox* box : {&PicTable, &PicMenu, &PicTool, &PicHui, &PicCtrl, &PicMyPc, &PicStart, &Image6,
                            &Pic1J, &Pic2J, &Pic3J}) {
        box->setBorderStyle(0);
        box->setAutoSize(true);
    }
    PicTable.Move(0, 0, 12000, 8490);
    PicMenu.Move(15, 405, 11970, 300);
    PicTool.Move(0, 735, 11970, 585);
    PicHui.Move(105, 1800, 2955, 6675);
    PicCtrl.Move(0, 1680, 6000, 4500);
    PicMyPc.Move(3150, 1680, 8850, 6870);
    PicStart.Move(0, 1380, 5670, 7185);
    for (PictureBox* box : {&PicTable, &PicMenu, &PicTool, &PicHui, &PicCtrl, &PicMyPc, &PicStart})
        box->setVisible(false);
    Pic1J.Move(30000, 30000, 1500, 1500);
    Pic1J.setVisible(false);
    Pic2J.setVisible(false);
    Pic3J.setVisible(false);
    Image6.setVisible(false);

    for (Image* img : {&Image1, &Image2, &Image3, &Image4, &Image5})
        img->setVisible(false);
    ImgHui.setTop(-90);
    ImgHui2.setTop(-90);
    ImgCtrl.setY1(-90);
    ImgCtrl.setY2(-90);
    ImgCtrl.setBorderColor(0xC56A31);
    underlinePictures();
    ImgElse.setVisible(false);

    for (Shape* s : {&ShapeMenu, &ShapeTool, &ShapeHui, &ShapeCtrl, &ShapeTable, &ShapeMyPc, &ShapeStart}) {
        scene::frameShape(*s, Red, 2);
        s->setVisible(false);
    }
    scene::frameShape(Shape1, Red, 2);
    scene::frameShape(Shape4, Green, 2);
    scene::frameShape(Shape2, Yellow, 2);
    Shape2.Move(9600, 8520, 2385, 465);
    scene::frameShape(Shape6, 0x0, 1);
    Shape6.setBorderStyle(vbBSDot);
    for (Shape* s : {&Shape1, &Shape2, &Shape4, &Shape6})
        s->setVisible(false);

    for (auto* arr : {&Lbl1J, &Lbl2J, &Lbl3J, &LblZHU})
        arr->forEach([](int, Label& l) { hotSpot(l); });
    LblXXK.forEach([](int, Label& l) { hotSpot(l); });
    LblXXK(0).setBackStyle(vbOpaque);
    LblXXK(0).setBackColor(0xFFFFFF);

    hotSpot(Label1);
    hotSpot(Label4);
    hotSpot(StartMenu);
    StartMenu.Move(0, 8520, 1455, 495);
    hotSpot(LblMove);

    LHelp.setBackStyle(vbOpaque);
    LHelp.setBackColor(0xC0FFFF);
    LHelp.setForeColor(Red);
    LHelp.setFontName(QStringLiteral("宋体"));
    LHelp.setFontBold(true);
    LHelp.setAutoSize(true);
    LHelp.setVisible(false);

    LblSuccess.setCaption(QStringLiteral("操作成功！"));
    LblSuccess.setBackStyle(vbTransparent);
    LblSuccess.setForeColor(Red);
    LblSuccess.setFontName(QStringLiteral("黑体"));
    LblSuccess.setFontBold(true);
    LblSuccess.setFontSize(72);
    LblSuccess.setAutoSize(true);
    LblSuccess.setVisible(false);

    scene::hideEditParts({&Text1, &Text2, &Text3}, LstLA, {&PicLeft, &PicRight, &PicTop, &PicBottom});
}

void FrmMain::Form_Load()
{
    auto& d = common::drill();
    const double sx = common::scaleX(), sy = common::scaleY();

    setWindowState(vbMaximized);
    setLeft(0);
    setTop(0);
    if (windowedMode()) {
        setWindowState(vbNormal);
        setWidth(12000 * sx);
        setHeight(9000 * sy);
        setLeft((screenWidthTwips() - Width()) / 2);
        setTop((screenHeightTwips() - Height()) / 2);
    }
    dockPanel();

    LHelp.setFontSize(11 * sx);
    LstLA.setFontSize(9 * sx);
    LblXXK(0).setFontSize(9 * sx);
    Label1.setCaption(QString());
    ImgLogo.Move(10170 * sx, 8130 * sy, 1740 * sx, 345 * sy);

    // A drill starts every question at its first step, with no picture of an earlier drill.
    for (int q = 1; q <= common::DrillVars::MaxQuestions; ++q) {
        d.tmStep[q] = 1;
        d.tmPic[q].fill(QString());
    }
    jumpNotices.clear(); // each drill tells of a damaged jump again

    for (int i = 1; i <= 10; ++i) {
        for (MenuArray* a : {&sTolqInde1, &sTolqInde2, &sTolqInde3, &sTolqInde4, &sTolqSub1, &sTolqSub2,
                             &sTolqSub3, &sTolqSub4, &sTolqSub5})
            a->Load(i);
    }

    deskPath = steps::desk::folder(app::path());

    for (const auto& [i, tip] : ZhuTips)
        LblZHU(i).setToolTipText(QString::fromUtf8(tip));

    LblMove.Move(1440 * sx, 0, 9495 * sx, 375 * sy);
    LblSuccess.setFontSize(72 * sx);
    LblSuccess.Move(2640 * sx, 3840 * sy);
    LblSuccess.setVisible(false);

    ToolCSH();
}

bool FrmMain::windowedMode() const
{
    // Both sides in single precision, as the load's test is made.
    const float screenPx = float(screenHeightTwips()) / 15.0f;
    return screenPx > float(650.0 * common::scaleY());
}

void FrmMain::dockPanel()
{
    if (common::QuestionPanel* tm = common::questionPanel())
        tm->dockAtCorner(Left() + Width(), Top() + Height());
}

void FrmMain::raisePair()
{
    if (common::QuestionPanel* tm = common::questionPanel()) tm->bringPanelToTop();
    bringToTop();
}

void FrmMain::LblMove_MouseDown(int button, int, double, double)
{
    if (!windowedMode()) return;
    if (button == vbLeftButton) {
        // The panel follows once the move has ended.
        beginMoveByPointer([this] { dockPanel(); });
    }
    dockPanel();
}
