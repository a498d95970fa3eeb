// Menu steps on the demonstration desktop: the menu-bar titles, the click on the step's hot-spot
// (the Start menu first for its items), and the glides down the drop-down cascade with a pick at
// every level. Rows and titles come from the drop-down tables shared with the candidate's desktop,
// placed on the form at their panel's position.
#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/scale.h"
#include "demo/frm_yanshi.h"
#include "scene/render_phases.h"
#include "steps/desk_pictures.h"
#include "steps/dropdown.h"
#include "steps/menu_tables.h"
#include "steps/step.h"

using namespace platform;

namespace {

// Rows 1 .. N of a level onto their labels (element 0 of the rows is not used).
template <size_t M> void placeRows(LabelArray& labels, const std::array<menus::Box, M>& rows)
{
    for (size_t i = 1; i < M; ++i) {
        const menus::Box& b = rows[i];
        labels(int(i)).Move(b.left, b.top, b.width, b.height);
    }
}

} // namespace

// A picture that cannot be read leaves the image empty: it never shows another panel or row.
bool FrmYanShi::loadDeskPicture(Image& img, const QString& name)
{
    const QString file = steps::desk::file(deskPath, name);
    if (file.isEmpty()) {
        img.clearPicture();
        return false;
    }
    // The desktop's own pictures stay as they are while a demonstration runs: the picture an image
    // already shows is not read again, nor one that could not be read.
    if (!img.picture().isNull() && img.picture().source() == file) return true;
    if (!deskUnreadable.contains(file) && img.LoadPicture(file)) return true;
    deskUnreadable.insert(file);
    img.clearPicture();
    return false;
}

// The menu bar's place and its titles 1-10 of the window's application letter, on the form over it.
void FrmYanShi::MenuCSH()
{
    scene::placeMenuBar(step(), PicMenu, LblZHU, true);
}

// The arrival at a menu step's hot-spot: an item of the Start menu is reached through the Start
// menu, opened by the click on the Start button; any other hot-spot is clicked at once.
void FrmYanShi::startMenuAndClick()
{
    const int n = steps::hotSpotOf(menuId);
    Timer2.setEnabled(false);
    if (hotspots::areaOf(n) == hotspots::Area::StartMenu && !ysStartOn) {
        PicStart.setVisible(true);
        hotspots::layoutStartMenu(common::scaleX(), common::scaleY(), {PicStart.Left(), PicStart.Top()},
                                  onForm());
        Label& item = LblZHU(n);
        Shape1.Move(item.Left(), item.Top(), item.Width(), item.Height());
        Shape1.setVisible(true);
        glideToCentre(item);
        ysStartOn = true;
        TimerStart.setEnabled(true);
        return;
    }
    ZhuClick(menuId);
}

// The glide from the Start button to the Start-menu item; no ring of its own.
void FrmYanShi::TimerStart_Timer()
{
    if (!glideTick()) return;
    TimerStart.setEnabled(false);
    ZhuClick(menuId);
}

// The click on a hot-spot: a path without rows ends the step here; otherwise the hot-spot's mark
// and first-level panel are shown and the cascade begins. Where the hot-spot opens no panel, or its
// panel's picture cannot be read, the step ends by its jump all the same, so the demonstration goes
// on.
void FrmYanShi::ZhuClick(const QString& code)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    const int n = steps::hotSpotOf(code);
    ImgMenu.clearPicture();
    ImgTool.clearPicture();
    ImgHui.setTop(-90 * sy);
    Timer2.setEnabled(false);
    if (ysRow1 == 0 && ysRow2 == 0) {
        endStepBy(ysJump);
        return;
    }
    Pic1J.setVisible(false);
    const steps::SpotResponse r = steps::spotResponse(n, steps::SpotClick::Demonstration, step());
    Label& spot = LblZHU(n);
    Image* mark = nullptr;
    switch (r.mark) {
    case steps::SpotMark::Title:
    case steps::SpotMark::Object:
        mark = &ImgMenu;
        break;
    case steps::SpotMark::ToolbarButton:
        mark = &ImgTool;
        break;
    case steps::SpotMark::StartItem:
        mark = &ImgStart;
        break;
    case steps::SpotMark::MyComputerItem:
        mark = &ImgMyPc;
        break;
    default:
        break;
    }
    if (mark) {
        mark->Move(spot.Left(), spot.Top());
        if (r.mark == steps::SpotMark::Object)
            scene::loadStepPicture(*mark, r.look);
        else
            loadDeskPicture(*mark, r.look);
        mark->setVisible(true);
    }
    if (r.panel.isEmpty()) {
        // A toolbar button lays its rows out without a panel; elsewhere the path ends here.
        if (r.rows)
            Tool1JCSH();
        else
            endStepBy(ysJump);
        return;
    }
    if (!loadDeskPicture(Pic1J, r.panel)) {
        endStepBy(ysJump);
        return;
    }
    // The hot-spots lie on the form.
    const steps::Rect at{spot.Left(), spot.Top(), spot.Width(), spot.Height()};
    const steps::Rect bar{PicMenu.Left(), PicMenu.Top(), PicMenu.Width(), PicMenu.Height()};
    const steps::Rect p =
        steps::panelPlace(r, at, bar, Pic1J.Width(), Pic1J.Height(), Width(), Height(), sx, sy);
    Pic1J.Move(p.left, p.top);
    Pic1J.setVisible(true);
    Tool1JCSH();
}

// The rows of the first level over Pic1J; the glide to the path's row.
void FrmYanShi::Tool1JCSH()
{
    Img1J.clearPicture();
    placeRows(Lbl1J, menus::firstLevelRows(menuId, common::scaleX(), common::scaleY(),
                                           menus::Desk::Demonstration, {Pic1J.Left(), Pic1J.Top()}));
    aimAtRow(Lbl1J(ysRow1));
    Timer6.setEnabled(true);
}

void FrmYanShi::Tool2JCSH()
{
    Img2J.clearPicture();
    placeRows(Lbl2J, menus::secondLevelRows(menus::secondLevelKey(menuId, ysRow1), common::scaleX(),
                                            common::scaleY(), menus::Desk::Demonstration,
                                            {Pic2J.Left(), Pic2J.Top()}));
    aimAtRow(Lbl2J(ysRow2));
    Timer7.setEnabled(true);
}

void FrmYanShi::Tool3JCSH()
{
    placeRows(Lbl3J, menus::thirdLevelRows(common::scaleX(), common::scaleY(), menus::Desk::Demonstration,
                                           {Pic3J.Left(), Pic3J.Top()}));
    aimAtRow(Lbl3J(ysRow3));
    Timer8.setEnabled(true);
}

void FrmYanShi::aimAtRow(const Label& row)
{
    Shape1.Move(row.Left(), row.Top(), row.Width(), row.Height());
    glideToCentre(row);
}

// The glides to the rows of the three levels; each arrival marks the click with the ring and picks.
void FrmYanShi::rowGlideTick(Timer& own, int level)
{
    if (!common::drill().ysRun) return;
    if (!glideTick()) return;
    Shape5.Move(ysPosX - 180, ysPosY - 180);
    if (level < 3) ysTick = 0;
    Timer5.setEnabled(true);
    own.setEnabled(false);
    if (level == 1) Tool1JClick(ysRow1);
    if (level == 2) Tool2JClick(ysRow2);
    if (level == 3) {
        Timer9.setEnabled(true);
        Tool3JClick();
    }
}

// The wait after a third-level pick; it ends a step the pick left open.
void FrmYanShi::Timer9_Timer()
{
    if (!common::drill().ysRun) return;
    ysTick += 1;
    if (ysTick < 3) return;
    ysTick = 0;
    doNext();
    Timer9.setEnabled(false);
}

// The first-level pick: the second level opens where the row has one; the row is shown picked;
// a path that ends here, or whose row opens nothing, ends the step.
void FrmYanShi::Tool1JClick(int row)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    const QString key = menus::secondLevelKey(menuId, row);
    // A second level whose panel cannot be read opens nothing: the path ends at this row.
    const bool second = menus::hasSecondLevel(key) && loadDeskPicture(Pic2J, menus::secondLevelPanel(key));
    if (second) {
        const Label& r = Lbl1J(row);
        const steps::Rect p = steps::secondLevelPlace(
            {Pic1J.Left(), Pic1J.Top(), Pic1J.Width(), Pic1J.Height()},
            {r.Left(), r.Top(), r.Width(), r.Height()}, Pic2J.Width(), Pic2J.Height(), key, menuId, sx, sy);
        Pic2J.Move(p.left, p.top);
        Pic2J.setVisible(true);
        Tool2JCSH();
    }

    Img1J.Move(Lbl1J(row).Left(), Lbl1J(row).Top());
    QString picture = menus::firstLevelRowPicture(menuId, row, step().appLetter());
    const std::optional<steps::MenuPick> pick = step().menuPick();
    if (pick && pick->names(menuId, row)) picture = pick->picture + QStringLiteral("00");
    loadDeskPicture(Img1J, picture);
    Img1J.setVisible(true);

    if (ysRow2 == 0 || !second) {
        Timer7.setEnabled(false);
        endStepBy(ysJump);
        Pic1J.clearPicture();
    }
}

// The second-level pick: the third level under All Programs, or the end of the step.
void FrmYanShi::Tool2JClick(int row)
{
    const double sx = common::scaleX();
    // A third level whose panel cannot be read opens nothing: the path ends at this row.
    if (menus::opensThirdLevel(menuId, ysRow1, ysRow2) &&
        loadDeskPicture(Pic3J, menus::thirdLevelPanel(row))) {
        const steps::Rect p = steps::thirdLevelPlace(
            {Pic2J.Left(), Pic2J.Top(), Pic2J.Width(), Pic2J.Height()},
            {Lbl2J(row).Left(), Lbl2J(row).Top(), 0, 0}, Pic3J.Width(), Pic3J.Height(), sx);
        Pic3J.Move(p.left, p.top);
        Pic3J.setVisible(true);
        Img2J.Move(Lbl2J(row).Left(), Lbl2J(row).Top());
        loadDeskPicture(Img2J, menus::secondLevelRowPicture(menus::secondLevelKey(menuId, ysRow1), row));
        Img2J.setVisible(true);
        Tool3JCSH();
        return;
    }
    if (ysRow2 == 0) return;
    endStepBy(ysJump);
    Img1J.setVisible(false);
}

// The third-level pick ends the step; without a third-level row the wait ends it.
void FrmYanShi::Tool3JClick()
{
    if (ysRow3 == 0) return;
    Timer9.setEnabled(false);
    endStepBy(ysJump);
    for (Control* c : std::initializer_list<Control*>{&Img1J, &Img2J, &Pic3J})
        c->setVisible(false);
}
