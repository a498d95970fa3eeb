// The demonstration's render of one step: the candidate's scene rules on this desktop's controls,
// without any bookkeeping of the drill, with the values the player needs to perform the step, and
// with a short ending for the terminal record. A statement that cannot be carried out (a field
// that does not fit 16 bits, a picture that cannot be read) is skipped and the render goes on.
#include <array>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/scale.h"
#include "common/text_file.h"
#include "demo/frm_yanshi.h"
#include "scene/render_phases.h"
#include "scene/scene_parts.h"
#include "steps/desk_pictures.h"
#include "steps/menu_tables.h"
#include "steps/question_block.h"
#include "steps/step.h"
#include "steps/step_file.h"

using namespace platform;

steps::Step FrmYanShi::step() const
{
    return steps::Step(ysRec);
}

QString FrmYanShi::textEntry(const QString& lineField) const
{
    return common::readTextEntryNamed(common::drill().txtPath, lineField).line.value_or(QString());
}

void FrmYanShi::setData()
{
    ToolCSH();
    Shape5.setBorderColor(0xFF);
    CSH();
    ysTyped = 0;
    resetScene();
    if (!readRecord()) {
        endUnplayable();
        return;
    }
    // The pictures of the steps played next are decoded while the pointer glides.
    scene::prefetchNextSteps(common::drill().dqTm, ysStep);
    scene::renderPhases(*this, step());
}

void FrmYanShi::resetScene()
{
    auto& d = common::drill();
    const double sx = common::scaleX(), sy = common::scaleY();
    common::setDrillPaths(d);

    ysStartOn = false;
    Img1J.setVisible(false);
    Text1.setFontSize(9 * sx);
    Text2.setFontSize(9 * sx);
    for (Control* c : std::initializer_list<Control*>{&PicMenu, &PicTool, &PicHui, &PicStart})
        c->setVisible(false);
    ImgStart.clearPicture();
    ImgMenu.clearPicture();
    ImgHui.setTop(-90 * sy);
    ImgTool.clearPicture();
    ImgHui.clearPicture();
    ImgMyPc.clearPicture();
    ysTick = 0;
    Shape6.setWidth(10);
    Shape6.setHeight(10);
    ysBand = false;
    menuId = QStringLiteral("0");
    ysRow1 = ysRow2 = ysRow3 = 0;
    ysJump = QStringLiteral("0");
}

// Nothing more of this question can be played (its records are missing, unreadable or damaged):
// the demonstration ends instead of replaying whatever it showed last.
void FrmYanShi::endUnplayable()
{
    Shape1.setVisible(false);
    Timer2.setEnabled(false);
    TimEnd.setEnabled(true);
}

// The record of step ysStep of the current question. A step beyond the question's block is its
// last record: a demonstration never plays a neighbour's records.
bool FrmYanShi::readRecord()
{
    const auto& d = common::drill();
    if (stepCount() == 0) return false;
    ysStep = steps::clampStep(d, d.dqTm, ysStep);
    const std::optional<QString> rec = steps::questionRecord(d.dqTm, ysStep);
    if (!rec) return false;
    ysRec = *rec;
    return true;
}

// No picture code is remembered and nothing is dragged by hand here: the pictures alone, and the
// drop point the player's drag aims at.
void FrmYanShi::pictures()
{
    scene::stepPictures(*this, step());
    if (auto x = step().pointX()) ysDragToX = *x;
    if (auto y = step().pointY()) ysDragToY = *y;
}

// The edit field with its initial text, the caret after it.
void FrmYanShi::editField()
{
    scene::showEditField(ysRec, common::drill().txtPath, Text1, Text2, {true, 0x99A055});
}

void FrmYanShi::hint()
{
    if (auto text = scene::placeHint(ysRec, LHelp, common::drill().txtPath)) ysTabHint = *text;
}

void FrmYanShi::mainTarget()
{
    scene::placeMainTarget(ysRec, Label1, Shape1, ysMainW, ysMainH);
}

// The tab dialog and the back button as the candidate's desktop lays them out, the second target's
// frame hidden; the player needs the expected tab, the slot of its pages and its hint.
void FrmYanShi::tabDialog()
{
    if (step().hasTabs()) Shape4.setVisible(false);
    scene::TabParts parts = scene::tabPartsOf(*this);
    parts.loadPage = [](Image& overlay, const QString& code) { scene::loadStepPicture(overlay, code); };
    scene::tabDialog(step(), parts, tab, ysMainW, ysMainH, ysTabHint);
    ysTabNo = tab.expected;
    ysTabSlot = tab.slot;
}

void FrmYanShi::DoubleXXK()
{
    scene::tabRows(LblXXK, tab);
}

// The numeric action code for the player; the drag's timer is off at every render (an automatic
// step is the player's pause).
void FrmYanShi::actionCode()
{
    ysCode = step().actionNumber().value_or(0);
    Timer3.setEnabled(false);
}

// The terminal record ends the demonstration: its words, no frame, the end ticks; nothing more of it
// is laid out. Any other record: the red frame follows the hint.
void FrmYanShi::terminalOrFrame()
{
    if (step().kind() != steps::ActionKind::Terminal) {
        Shape1.setVisible(LHelp.Visible());
        return;
    }
    LHelp.setCaption(QStringLiteral("操作成功！"));
    Shape1.setVisible(false);
    TimEnd.setEnabled(true);
}

// The overlay field of "0021", the prompts of the typed-text codes, the empty box of "0028" and the
// simulated list (which judges nothing here).
void FrmYanShi::overlaysAndList()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    const QString code = step().action();

    scene::overlayField(code, Text1, Text2);
    scene::typedTextPrompts(code, LHelp, Shape1, Text1, true);
    if (steps::actionKind(code) == steps::ActionKind::Typing && steps::actionNumber(code) == 28) {
        Text4.Move(2880 * sx, 1560 * sy, 8865 * sx, 225 * sy);
        Text4.setFontSize(11 * sx);
        Text4.setVisible(true);
    } else {
        Text4.setVisible(false);
    }
    scene::setUpList(ysRec, common::drill().txtPath,
                     {&LstLA, {&PicLeft, &PicRight, &PicTop, &PicBottom}, &LblXXK(0), &Text1});
}

// The panes only this desktop has: a dialog step lays out the dialog's hot-spots, without a panel
// picture.
void FrmYanShi::ownPanes()
{
    if (step().paneLetter() == u'N') CtrlCSH();
}

// A menu step's MenuPath: targetC when it is one, otherwise targetA whatever it holds.
void FrmYanShi::menuTarget()
{
    if (step().kind() != steps::ActionKind::Menu) return;
    const steps::MenuPath p = step().menuPath();
    menuId = p.menuId;
    ysRow1 = p.row1;
    ysRow2 = p.row2;
    ysRow3 = p.row3;
    ysJump = p.jump;
}

// The hand-over to the player: the menu path of a menu step, the hot-spots and menus reset, and the
// step's first target.
void FrmYanShi::finishRender()
{
    menuTarget();
    CtrlCSH();
    CSH();
    ToolCSH();
    MuBiaoWei();
}
