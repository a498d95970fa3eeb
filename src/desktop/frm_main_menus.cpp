// The simulated menus of the candidate's desktop: the menu-bar titles, the three drop-down levels
// (their rows, hover looks and picks) and the per-step reset that closes them. The geometry comes
// from the drop-down tables (menu_tables.h), shared with the demonstration desktop and the sample
// generator.
//
// A pick is judged against the record current when the click arrived, and one click passes at most
// one step: once a target has matched, nothing else of that click is judged.
#include <array>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/scale.h"
#include "desktop/frm_main.h"
#include "steps/menu_tables.h"
#include "steps/step.h"

using namespace platform;

namespace {

// The three slots that can hold a menu path, in the order they are judged: targetC, targetA, targetB.
std::array<QString, 3> menuTargets(const steps::Step& rec)
{
    return {rec.targetC(), rec.targetA(), rec.targetB()};
}

// A two-character row field of a target code, by the FieldNumber rule ("05" 5, "00" and no digits 0).
int rowOf(const QString& target, int pos)
{
    return common::FieldNumber(QStringView(target).mid(pos, 2)).value_or(0);
}

// A menu target as the judges read it: a whole ten-character code starting with `kind` for the
// drop-down `menuId`. A shorter code (a record cut short) never matches.
bool isTargetFor(const QString& target, QChar kind, const QString& menuId)
{
    return target.size() == 10 && target.at(0) == kind && target.mid(1, 2) == menuId;
}

// Moves row labels first .. last to rows[first] .. rows[last].
void placeRows(LabelArray& labels, const menus::Box* rows, int first, int last)
{
    for (int i = first; i <= last; ++i) {
        const menus::Box& b = rows[i];
        labels(i).Move(b.left, b.top, b.width, b.height);
    }
}

template <int N> menus::Rows<N> currentRows(LabelArray& labels)
{
    menus::Rows<N> rows;
    rows.fill(menus::Parked);
    for (int i = 1; i <= N; ++i)
        rows[size_t(i)] = {labels(i).Left(), labels(i).Top(), labels(i).Width(), labels(i).Height()};
    return rows;
}

void parkRows(LabelArray& labels, int count)
{
    for (int i = 1; i <= count; ++i)
        labels(i).Move(menus::Parked.left, menus::Parked.top, menus::Parked.width, menus::Parked.height);
}

} // namespace

void FrmMain::wireMenus()
{
    Lbl1J.onMouseMove = [this](int i, int b, int s, double x, double y) { Lbl1J_MouseMove(i, b, s, x, y); };
    Lbl1J.onClick = [this](int i) { Lbl1J_Click(i); };
    Lbl2J.onMouseMove = [this](int i, int b, int s, double x, double y) { Lbl2J_MouseMove(i, b, s, x, y); };
    Lbl2J.onClick = [this](int i) { Lbl2J_Click(i); };
    Lbl3J.onMouseMove = [this](int i, int b, int s, double x, double y) { Lbl3J_MouseMove(i, b, s, x, y); };
    Lbl3J.onClick = [this](int i) { Lbl3J_Click(i); };
}

bool FrmMain::loadDeskPicture(Image& img, const QString& name)
{
    if (scene::loadDeskPicture(img, deskPath, name)) return true;
    img.clearPicture();
    return false;
}

bool FrmMain::loadDeskPicture(PictureBox& box, const QString& name)
{
    return scene::loadDeskPicture(box, deskPath, name);
}

bool FrmMain::loadDropDownPanel(PictureBox& panel, LabelArray& rows, int count, Image& hovered,
                                const QString& name)
{
    if (loadDeskPicture(panel, name)) return true;
    panel.setVisible(false);
    parkRows(rows, count);
    hovered.clearPicture();
    return false;
}

// ---- Menu bar ---------------------------------------------------------------------------------------

void FrmMain::MenuCSH()
{
    // The titles lie inside the menu-bar box.
    scene::placeMenuBar(step(), PicMenu, LblZHU, false);
}

// ---- Per-step reset ---------------------------------------------------------------------------------

void FrmMain::frmCsh()
{
    if (menuId != QLatin1String("33") && menuId != QLatin1String("34")) {
        Pic1J.setVisible(false);
        menuId = QStringLiteral("00");
    }
    Pic2J.setVisible(false);
    Pic3J.setVisible(false);
    restHighlights();
    ImgTable.clearPicture();
    ImgStart.clearPicture();
    ImgMyPc.clearPicture();
    ImgElse.clearPicture();
    PicStart.setVisible(false);
    showStepDrive();
}

// ---- Row placement ----------------------------------------------------------------------------------

void FrmMain::Tool1JTop(const QString& layout, int width, int height)
{
    auto rows = currentRows<menus::MaxRows1>(Lbl1J);
    menus::placeGroups(rows, layout, width, height, menus::Level::First, common::scaleX(), common::scaleY());
    placeRows(Lbl1J, rows.data(), 1, menus::MaxRows1);
}

void FrmMain::Tool1JCSH()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    Img1J.clearPicture();
    parkRows(Lbl1J, menus::MaxRows1);
    if (const menus::MenuEntry* e = menus::menuEntry(menuId)) {
        if (e->layout)
            Tool1JTop(QString::fromLatin1(e->layout), e->width, e->height);
        else
            placeRows(Lbl1J, menus::firstLevelRows(menuId, sx, sy).data(), 1, menus::MaxRows1);
    }

    // The row a MenuPick presents as already chosen.
    const std::optional<steps::MenuPick> pick = step().menuPick();
    Img1jBK.setVisible(false);
    if (!pick || pick->menuId != menuId) return;
    const int r = pick->row;
    if (r >= 1 && r <= menus::MaxRows1) Img1jBK.Move(Lbl1J(r).Left(), Lbl1J(r).Top());
    loadDeskPicture(Img1jBK, pick->picture + QStringLiteral("77"));
    Img1jBK.setVisible(true);
}

void FrmMain::Tool2JCSH()
{
    Img2J.clearPicture();
    parkRows(Lbl2J, menus::MaxRows2);
    const auto rows =
        menus::secondLevelRows(menus::secondLevelKey(menuId, menuRow1), common::scaleX(), common::scaleY());
    placeRows(Lbl2J, rows.data(), 1, menus::MaxRows2);
}

void FrmMain::Tool3JCSH()
{
    Img3J.clearPicture();
    const auto rows = menus::thirdLevelRows(common::scaleX(), common::scaleY());
    placeRows(Lbl3J, rows.data(), 1, menus::MaxRows3);
}

// ---- Hover ------------------------------------------------------------------------------------------

void FrmMain::Lbl1J_MouseMove(int index, int, int, double, double)
{
    const steps::Step s = step();
    Img1J.Move(Lbl1J(index).Left(), Lbl1J(index).Top());
    // The row's own hovered look, or the chosen row's of a MenuPick instead; none when it is missing.
    QString look = menus::firstLevelRowPicture(menuId, index, s.appLetter());
    const std::optional<steps::MenuPick> pick = s.menuPick();
    if (pick && pick->names(menuId, index)) look = pick->picture + QStringLiteral("00");
    loadDeskPicture(Img1J, look);
    if (menuRow1 != index) {
        Pic2J.setVisible(false);
        Pic3J.setVisible(false);
    }
}

void FrmMain::Lbl2J_MouseMove(int index, int, int, double, double)
{
    Img2J.Move(Lbl2J(index).Left(), Lbl2J(index).Top());
    loadDeskPicture(Img2J, menus::secondLevelRowPicture(menus::secondLevelKey(menuId, menuRow1), index));
    if (menuRow2 != index) Pic3J.setVisible(false);
}

void FrmMain::Lbl3J_MouseMove(int index, int, int, double, double)
{
    Img3J.Move(Lbl3J(index).Left(), Lbl3J(index).Top());
    loadDeskPicture(Img3J, menus::thirdLevelRowPicture(menuRow2, index));
}

// ---- Picks ------------------------------------------------------------------------------------------

void FrmMain::Lbl1J_Click(int index)
{
    const steps::Step rec = step(); // the record this click is judged against
    const double sx = common::scaleX(), sy = common::scaleY();
    menuRow1 = index;
    const QString key = menus::secondLevelKey(menuId, index);
    if (menus::hasSecondLevel(key) &&
        loadDropDownPanel(Pic2J, Lbl2J, menus::MaxRows2, Img2J, menus::secondLevelPanel(key))) {
        const steps::Rect p =
            steps::secondLevelPlace({Pic1J.Left(), Pic1J.Top(), Pic1J.Width(), Pic1J.Height()},
                                    {Pic1J.Left() + Lbl1J(index).Left(), Pic1J.Top() + Lbl1J(index).Top(),
                                     Lbl1J(index).Width(), Lbl1J(index).Height()},
                                    Pic2J.Width(), Pic2J.Height(), key, menuId, sx, sy);
        Pic2J.Move(p.left, p.top);
        Pic2J.setVisible(true);
        Tool2JCSH();
    }

    for (const QString& t : menuTargets(rec)) {
        if (isTargetFor(t, u'H', menuId) && t.mid(5, 2) == QLatin1String("00") && rowOf(t, 3) == menuRow1) {
            advance(t.mid(9, 1));
            return;
        }
    }
    const std::optional<steps::MenuPick> pick = rec.menuPick();
    if (pick && pick->names(menuId, menuRow1)) doNext();
}

void FrmMain::Lbl2J_Click(int index)
{
    const steps::Step rec = step();
    const double sx = common::scaleX();
    menuRow2 = index;
    if (menus::opensThirdLevel(menuId, menuRow1, index)) {
        if (!loadDropDownPanel(Pic3J, Lbl3J, menus::MaxRows3, Img3J, menus::thirdLevelPanel(index))) return;
        const steps::Rect p =
            steps::thirdLevelPlace({Pic2J.Left(), Pic2J.Top(), Pic2J.Width(), Pic2J.Height()},
                                   {Pic2J.Left() + Lbl2J(index).Left(), Pic2J.Top() + Lbl2J(index).Top(),
                                    Lbl2J(index).Width(), Lbl2J(index).Height()},
                                   Pic3J.Width(), Pic3J.Height(), sx);
        Pic3J.Move(p.left, p.top);
        Pic3J.setVisible(true);
        Tool3JCSH();
        return;
    }
    for (const QString& t : menuTargets(rec)) {
        if (isTargetFor(t, u'H', menuId) && rowOf(t, 3) == menuRow1 && rowOf(t, 5) == index &&
            t.mid(7, 2) == QLatin1String("00")) {
            advance(t.mid(9, 1));
            return;
        }
    }
}

void FrmMain::Lbl3J_Click(int index)
{
    const steps::Step rec = step();
    for (const QString& t : menuTargets(rec)) {
        if (isTargetFor(t, u'H', menuId) && rowOf(t, 3) == menuRow1 && rowOf(t, 5) == menuRow2 &&
            rowOf(t, 7) == index) {
            advance(t.mid(9, 1));
            return;
        }
    }
}
