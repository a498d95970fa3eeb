// The hot-spots of the candidate's desktop: the fixed layout of toolbar, desktop icons, Start menu
// and My Computer, the task-pane and dialog layouts of each step, and what the pointer does over
// them and over the bare areas (hover highlights, clicks, double clicks, right clicks, the Start
// button, the travel reset). A mismatch is never reported; a match moves the task on by one step.
#include <QColor>
#include <QPixmap>
#include <cmath>
#include <optional>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/scale.h"
#include "desktop/frm_main.h"
#include "steps/desk_pictures.h"
#include "steps/dropdown.h"
#include "steps/hotspot_tables.h"
#include "steps/menu_tables.h"
#include "steps/step.h"

using namespace platform;

namespace {

constexpr long White = 0xFFFFFF;
constexpr long SeeAlsoBlue = 0xFF8E42;
// The colour of the task-pane underline.
constexpr long LinkBlue = 0xC65D21;

// The image that marks a hot-spot on this desktop; none for marks it has not.
Image* markImage(FrmMain& f, steps::SpotMark mark)
{
    switch (mark) {
    case steps::SpotMark::Title:
        return &f.ImgMenu;
    case steps::SpotMark::ToolbarButton:
        return &f.ImgTool;
    case steps::SpotMark::DesktopIcon:
        return &f.ImgTable;
    case steps::SpotMark::StartItem:
        return &f.ImgStart;
    case steps::SpotMark::MyComputerItem:
        return &f.ImgMyPc;
    default:
        return nullptr;
    }
}

// The box hot-spot n lies in.
const Control* spotBox(const FrmMain& f, int n)
{
    switch (hotspots::areaOf(n)) {
    case hotspots::Area::MenuBar:
        return &f.PicMenu;
    case hotspots::Area::Toolbar:
        return &f.PicTool;
    case hotspots::Area::TaskPane:
        return &f.PicHui;
    case hotspots::Area::Dialog:
        return &f.PicCtrl;
    case hotspots::Area::Desktop:
        return &f.PicTable;
    case hotspots::Area::StartMenu:
        return &f.PicStart;
    case hotspots::Area::MyComputer:
        return &f.PicMyPc;
    case hotspots::Area::None:
        break;
    }
    return nullptr;
}

hotspots::Put into(LabelArray& spots)
{
    return [&spots](int n, double left, double top, double width, double height) {
        spots(n).Move(left, top, width, height);
    };
}

} // namespace

// ---- Pictures -------------------------------------------------------------------------------

void FrmMain::underlinePictures()
{
    QPixmap line(1, 1);
    line.fill(QColor(int(LinkBlue & 0xFF), int((LinkBlue >> 8) & 0xFF), int((LinkBlue >> 16) & 0xFF)));
    for (Image* img : {&ImgHui, &ImgHui2}) {
        img->setStretch(true);
        img->setPicture(Picture(line, QStringLiteral("underline")));
        img->setHeight(15);
    }
}

// ---- Layout ---------------------------------------------------------------------------------

void FrmMain::ToolCSH()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    using namespace hotspots;

    // The pictures of the three fixed boxes: the desktop, the open Start menu and My Computer.
    loadDeskPicture(PicTable, steps::desk::desktopArea());
    loadDeskPicture(PicStart, steps::desk::startMenuArea());
    loadDeskPicture(PicMyPc, steps::desk::myComputerArea());

    restHighlights();
    ImgTable.clearPicture();
    ImgMyPc.clearPicture();
    StartMenu.Move(StartButton.left * sx, StartButton.top * sy, StartButton.width * sx,
                   StartButton.height * sy);
    for (Control* c : std::initializer_list<Control*>{&Pic1J, &Pic2J, &Pic3J, &PicCtrl})
        c->setVisible(false);

    PicStart.Move(StartBox.left * sx, StartBox.top * sy);
    PicTool.Move(ToolBox.left * sx, ToolBox.top * sy);
    layoutToolbar(sx, sy, {}, into(LblZHU));
    PicHui.Move(TaskPaneBox.left * sx, TaskPaneBox.top * sy);
    PicTable.Move(DesktopBox.left * sx, DesktopBox.top * sy);
    layoutDesktop(sx, sy, {}, into(LblZHU));
    layoutStartMenu(sx, sy, {}, into(LblZHU));
    PicMyPc.Move(MyPcBox.left * sx, MyPcBox.top * sy);
    layoutMyComputer(sx, sy, {}, into(LblZHU));
}

void FrmMain::HuiRenwuCSH()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    hotspots::layoutTaskPane(step().taskPaneCode(), sx, sy, {}, into(LblZHU));
    ImgHui.setHeight(15 * sy);
}

void FrmMain::CtrlCSH()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    const steps::Step s = step();
    PicCtrl.Move(hotspots::DialogBox.left * sx, hotspots::DialogBox.top * sy);
    // A panel that cannot be read ends the layout here: the box keeps its picture and that
    // picture keeps its items, so no item of another panel lies over it.
    if (!loadDeskPicture(PicCtrl, steps::desk::dialogPage(s.driveLetter()))) return;
    hotspots::layoutDialog(s.dialogDigit(), sx, sy, {}, into(LblZHU));
}

// ---- Wiring ---------------------------------------------------------------------------------

void FrmMain::wireHotspots()
{
    LblZHU.onMouseMove = [this](int i, int b, int s, double x, double y) { LblZHU_MouseMove(i, b, s, x, y); };
    LblZHU.onMouseUp = [this](int i, int b, int s, double x, double y) { LblZHU_MouseUp(i, b, s, x, y); };
    LblZHU.onDblClick = [this](int i) { LblZHU_DblClick(i); };
    ImgElse.onMouseUp = [this](int b, int s, double x, double y) { ImgElse_MouseUp(b, s, x, y); };
    ImgElse.onDblClick = [this] { ImgElse_DblClick(); };
    PicTool.onMouseUp = [this](int b, int s, double x, double y) { PicTool_MouseUp(b, s, x, y); };
    PicTable.onMouseUp = [this](int b, int s, double x, double y) { PicTable_MouseUp(b, s, x, y); };
    PicMyPc.onMouseUp = [this](int b, int s, double x, double y) { PicMyPc_MouseUp(b, s, x, y); };
    StartMenu.onMouseUp = [this](int b, int s, double x, double y) { StartMenu_MouseUp(b, s, x, y); };
    PicCtrl.onMouseMove = [this](int, int, double x, double y) { travelReset(x, y); };
    PicTable.onMouseMove = [this](int, int, double x, double y) { travelReset(x, y); };
    PicMyPc.onMouseMove = [this](int b, int s, double x, double y) { PicMyPc_MouseMove(b, s, x, y); };
    onMouseMove = [this](int, int, double, double) { frmCsh(); };
}

// ---- Hover ----------------------------------------------------------------------------------

QString FrmMain::hotSpotMenuId(int n) const
{
    return steps::menuIdOf(n, step().appLetter());
}

void FrmMain::restHighlights()
{
    const double sy = common::scaleY();
    ImgMenu.clearPicture();
    ImgTool.clearPicture();
    ImgHui.setTop(-90 * sy);
    ImgHui2.setTop(ImgHui.Top());
    ImgCtrl.setY1(-90 * sy);
    ImgCtrl.setY2(ImgCtrl.Y1());
}

void FrmMain::closeHotSpotMenus()
{
    menuId = QStringLiteral("00");
    Pic1J.setVisible(false);
    Pic2J.setVisible(false);
    Pic3J.setVisible(false);
    restHighlights();
}

void FrmMain::LblZHU_MouseMove(int index, int, int, double, double)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    const int h = index;

    // The hot-spot that opened the drop-down keeps it open, so the pointer may cross it on its way
    // into the drop-down.
    bool owns = false;
    if (h >= 1 && h <= 9) {
        for (QChar c : QStringLiteral("0ABCDEFG"))
            owns = owns || menuId == QString(c) + QString::number(h);
    } else if (h >= 10 && h <= 99) {
        owns = menuId == QString::number(h);
    } else if (h >= 100) {
        owns = menuId == QStringLiteral("Z") + QString::number(h % 10);
    }
    if (owns) return;

    closeHotSpotMenus();
    const Label& spot = LblZHU(h);
    const double L = spot.Left(), T = spot.Top(), W = spot.Width(), H = spot.Height();
    const hotspots::Area area = hotspots::areaOf(h);
    if (area == hotspots::Area::MenuBar) {
        ImgMenu.Move(L, T);
        loadDeskPicture(ImgMenu, steps::desk::titleHighlight(hotSpotMenuId(h)));
    } else if (area == hotspots::Area::Toolbar) {
        ImgTool.Move(L, T);
        loadDeskPicture(ImgTool, steps::desk::toolbarHovered(h));
    } else if (h >= 26 && h <= 38) {
        ImgHui.setLeft(645 * sx);
        ImgHui.setTop(T + 210 * sy);
        ImgHui.setWidth(W - 480 * sx);
        ImgHui2.setLeft(6000 * sx);
        if (h == 30 || h == 38) {
            // A link of two lines gets a second underline.
            ImgHui2.setLeft(645 * sx);
            ImgHui2.setTop(ImgHui.Top() + 165 * sy);
            ImgHui2.setWidth(360 * sx);
        }
        if (h == 38) {
            ImgHui2.setWidth(1275 * sx);
            ImgHui2.setTop(ImgHui.Top() + 180 * sy);
        }
    } else if (area == hotspots::Area::Dialog) {
        ImgCtrl.setBorderColor(h <= 50 ? White : SeeAlsoBlue);
        ImgCtrl.setX1(L + 1.088 * H);
        ImgCtrl.setY1(T + 0.65 * H);
        ImgCtrl.setX2(ImgCtrl.X1() + W - 1.088 * H);
        ImgCtrl.setY2(ImgCtrl.Y1());
    } else if (area == hotspots::Area::StartMenu) {
        ImgStart.Move(L, T);
        loadDeskPicture(ImgStart, steps::desk::startItemHighlight(h));
    }
}

// ---- Clicks ---------------------------------------------------------------------------------

bool FrmMain::judgeSlot(const QString& slot, QChar kind)
{
    if (slot.size() < 10 || slot[0] != kind || slot.mid(1, 2) != menuId ||
        slot.mid(3, 4) != QLatin1String("0000"))
        return false;
    advance(slot.mid(9, 1));
    return true;
}

void FrmMain::openDropDown(const Placement& place, std::optional<steps::Edges> edges)
{
    if (!loadDropDownPanel(Pic1J, Lbl1J, menus::MaxRows1, Img1J, menus::firstLevelPanel(menuId))) {
        Img1jBK.setVisible(false);
        return;
    }
    steps::Rect r = place(Pic1J.Width(), Pic1J.Height());
    if (edges) r = steps::flipAtEdges(r, *edges);
    Pic1J.Move(r.left, r.top);
    Pic1J.setVisible(true);
    Tool1JCSH();
}

void FrmMain::openDropDown(double left, double top, std::optional<steps::Edges> edges)
{
    openDropDown(
        [left, top](double width, double height) {
            return steps::Rect{left, top, width, height};
        },
        edges);
}

void FrmMain::LblZHU_MouseUp(int index, int button, int, double, double)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    const int n = index;
    // The targets of the record this release was made on.
    const steps::Step s = step();
    const QString slots[] = {s.targetC(), s.targetA(), s.targetB()};
    menuId = hotSpotMenuId(n);
    const bool left = button == vbLeftButton;
    const steps::SpotResponse r =
        steps::spotResponse(n, left ? steps::SpotClick::Left : steps::SpotClick::Other, s);

    // A left release first takes every highlight away; another button judges nothing.
    if (left) {
        restHighlights();
        ImgTable.clearPicture();
        Pic1J.setVisible(false);
    }
    // The hot-spot's mark lies in the hot-spot's own box, at its place there.
    const Label& spot = LblZHU(n);
    if (Image* mark = markImage(*this, r.mark)) {
        mark->Move(spot.Left(), spot.Top());
        loadDeskPicture(*mark, r.look);
    }
    if (!r.panel.isEmpty()) {
        // The hot-spot and the menu bar on the form, their boxes' places added.
        const Control* box = spotBox(*this, n);
        const steps::Rect at{spot.Left() + (box ? box->Left() : 0), spot.Top() + (box ? box->Top() : 0),
                             spot.Width(), spot.Height()};
        const steps::Rect bar{PicMenu.Left(), PicMenu.Top(), PicMenu.Width(), PicMenu.Height()};
        openDropDown([&](double width, double height) {
            return steps::panelPlace(r, at, bar, width, height, Width(), Height(), sx, sy);
        });
    } else if (r.rows) {
        Tool1JCSH();
    }
    if (!left) return;

    // Menu paths that end at this hot-spot; the first that fires moves the task on.
    for (const QString& slot : slots)
        if (judgeSlot(slot, u'H')) return;
}

void FrmMain::LblZHU_DblClick(int)
{
    judgeSlot(step().targetA(), u'S');
}

void FrmMain::ImgElse_MouseUp(int button, int, double x, double y)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    const steps::Step s = step();
    const QString targetC = s.targetC();
    menuId = s.paneCode();
    loadStepPicture(ImgElse, s.objectPicture());
    static const QStringList underTarget = {"S5", "S6", "S7", "S8", "S9"};
    static const QStringList atPointer = {"S1", "S2", "S3"};

    if (button != vbRightButton) {
        if (underTarget.contains(menuId)) {
            if (menuId == QLatin1String("S6"))
                openDropDown(780 * sx, Label1.Top() + Label1.Height());
            else
                openDropDown(Label1.Left(), Label1.Top() + Label1.Height() + 15 * sy);
        }
        judgeSlot(targetC, u'H');
        return;
    }
    if (!atPointer.contains(menuId)) return;
    openDropDown(ImgElse.Left() + x, ImgElse.Top() + y, steps::Edges{false, Width(), Height()});
}

void FrmMain::ImgElse_DblClick()
{
    judgeSlot(step().targetA(), u'S');
}

// ---- Bare areas -----------------------------------------------------------------------------

void FrmMain::PicTool_MouseUp(int button, int, double x, double y)
{
    if (button != vbRightButton) return;
    menuId = QStringLiteral("25");
    openDropDown(x, PicTool.Top() + y, steps::Edges{false, Width(), std::nullopt});
}

void FrmMain::PicTable_MouseUp(int button, int, double x, double y)
{
    if (button != vbRightButton) return;
    menuId = QStringLiteral("69");
    openDropDown(x, y, steps::Edges{false, Width(), PicTable.Height()});
}

void FrmMain::PicMyPc_MouseUp(int button, int, double x, double y)
{
    if (button != vbRightButton) return;
    menuId = QStringLiteral("Z3");
    openDropDown(PicMyPc.Left() + x, PicMyPc.Top() + y, steps::Edges{false, Width(), Height()});
}

void FrmMain::StartMenu_MouseUp(int button, int, double, double)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    if (button == vbLeftButton) {
        PicStart.setVisible(!PicStart.Visible());
        if (!PicStart.Visible()) frmCsh();
        return;
    }
    menuId = QString::number(steps::StartButtonMenu);
    const steps::Place at = *steps::fixedPanelPlace(steps::StartButtonMenu);
    openDropDown(at.left * sx, at.top * sy);
}

// ---- Pointer travel -------------------------------------------------------------------------

void FrmMain::travelReset(double x, double y)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    if (std::abs(x - lastMoveX) > 3000 * sx || std::abs(y - lastMoveY) > 3000 * sy) {
        lastMoveX = long(common::roundHalfEven(x));
        lastMoveY = long(common::roundHalfEven(y));
        frmCsh();
    }
}

void FrmMain::showStepDrive()
{
    const steps::Step s = step();
    if (s.paneLetter() != u'P') return;
    // A record without column 5 names no drive: 0.
    const int k = hotspots::driveHotSpot(s.driveLetter().toLatin1());
    if (k == 0) return;
    ImgMyPc.Move(LblZHU(k).Left(), LblZHU(k).Top());
    loadDeskPicture(ImgMyPc, steps::desk::itemHighlight(QString::number(k)));
}

void FrmMain::PicMyPc_MouseMove(int, int, double x, double y)
{
    showStepDrive();
    travelReset(x, y);
}
