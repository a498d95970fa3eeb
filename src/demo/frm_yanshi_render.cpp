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
    parkTabLabels();
    pictures();
    editField();
    hint();
    const bool teaching = common::drill().ksMode == common::ModeTeaching;
    for (Control* c : std::initializer_list<Control*>{&LHelp, &Shape1, &Shape2, &Shape4})
        c->setVisible(teaching);
    mainTarget();

    // The tab dialog and the back button as the candidate's desktop lays them out; the player
    // needs the expected tab, the slot of its pages and its hint.
    const steps::Step s = step();
    if (s.hasTabs()) Shape4.setVisible(false);
    tabDialog();

    secondTarget();
    ysCode = s.actionNumber().value_or(0);
    Timer3.setEnabled(false);
    scene::shrinkTargetsForPictureDrag(s, Label1, Label4);

    if (s.kind() == steps::ActionKind::Terminal) {
        LHelp.setCaption(QStringLiteral("操作成功！"));
        Shape1.setVisible(false);
        TimEnd.setEnabled(true);
        return;
    }
    Shape1.setVisible(LHelp.Visible());

    typedTextAndList();
    if (Label1.Height() <= 10 || !Label1.Visible()) Shape1.setVisible(false);
    Shape2.setVisible(LHelp.Visible());
    scene::targetPointer(s, Label1);
    panes();
    menuTarget();
    scene::hintLineBreaks(LHelp);

    CtrlCSH();
    CSH();
    ToolCSH();
    MuBiaoWei();
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

void FrmYanShi::parkTabLabels()
{
    scene::parkTabLabels(LblXXK);
}

void FrmYanShi::pictures()
{
    const auto& d = common::drill();
    const QString bg = step().background();
    if (bg != QLatin1String("888888")) {
        const QString file = common::pictureFile(d.dataPath, bg, d.dataExt);
        if (!file.isEmpty()) LoadPicture(file);
    }
    scene::Slots slots;
    slots.images = {&Image1, &Image2, &Image3, &Image4, &Image5, &Image6};
    slots.load = [this, &d](int k, const QString& code) {
        const QString file = common::pictureFile(d.dataPath, code, d.dataExt);
        if (file.isEmpty()) return;
        Image* images[] = {&Image1, &Image2, &Image3, &Image4, &Image5};
        if (k == 6)
            Image6.LoadPicture(file);
        else
            images[k - 1]->LoadPicture(file);
    };
    scene::showOverlaySlots(ysRec, slots);
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

void FrmYanShi::tabDialog()
{
    scene::TabParts parts = scene::tabPartsOf(*this);
    parts.loadPage = [](Image& overlay, const QString& code) {
        const auto& d = common::drill();
        const QString file = common::pictureFile(d.dataPath, code, d.dataExt);
        if (!file.isEmpty()) overlay.LoadPicture(file);
    };
    scene::tabDialog(step(), parts, tab, ysMainW, ysMainH, ysTabHint);
    ysTabNo = tab.expected;
    ysTabSlot = tab.slot;
}

void FrmYanShi::DoubleXXK()
{
    scene::tabRows(LblXXK, tab);
}

void FrmYanShi::secondTarget()
{
    scene::placeSecondTarget(ysRec, Label4, Shape4);
}

// The overlay field of "0021", the prompts of the typed-text codes, the empty box of "0028" and the
// simulated list (which judges nothing here).
void FrmYanShi::typedTextAndList()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    const QString code = step().action();

    if (code == QLatin1String("0021")) {
        Text2.setText(Text1.Text());
        Text2.Move(Text1.Left(), Text1.Top(), Text1.Width(), Text1.Height());
        Text2.setVisible(true);
        Text1.setVisible(false);
    } else {
        Text2.setVisible(false);
    }

    scene::typedTextPrompts(code, LHelp, Shape1, Text1, true);
    if (code == QLatin1String("0028")) {
        Text4.Move(2880 * sx, 1560 * sy, 8865 * sx, 225 * sy);
        Text4.setFontSize(11 * sx);
        Text4.setVisible(true);
    } else {
        Text4.setVisible(false);
    }
    scene::setUpList(ysRec, common::drill().txtPath,
                     {&LstLA, {&PicLeft, &PicRight, &PicTop, &PicBottom}, &LblXXK(0), &Text1});
}

// The toolbar picture, the My Computer pane and the window chrome of the step.
void FrmYanShi::panes()
{
    const steps::Step s = step();
    loadDeskPicture(PicTool, steps::desk::toolbar(s.driveLetter()));
    PicMyPc.setVisible(s.paneLetter() == u'P');
    if (s.paneLetter() == u'N') CtrlCSH();

    scene::WindowParts<Image> window;
    window.menuBar = &PicMenu;
    window.toolbar = &PicTool;
    window.taskPane = &PicHui;
    window.load = [this](Image& box, const QString& name) { return loadDeskPicture(box, name); };
    window.menuRows = [this, &s] {
        const menus::Offset at = menus::menuBarPlace(s);
        PicMenu.Move(at.x * common::scaleX(), at.y * common::scaleY());
        MenuCSH();
    };
    window.taskRows = [this] { HuiRenwuCSH(); };
    scene::windowChrome(s, window);
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
