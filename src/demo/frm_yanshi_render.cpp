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
#include "desktop/scene_parts.h"

using namespace platform;

namespace {

std::optional<qint16> numIn(const QString& rec, int start, int length)
{
    return common::fieldNumber(rec, start, length);
}

} // namespace

QString FrmYanShi::col(int start, int length) const
{
    return common::field(ysRec, start, length);
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
        // Nothing of this question can be played (its records are missing or unreadable): the
        // demonstration ends instead of replaying whatever it showed last.
        Shape1.setVisible(false);
        Timer2.setEnabled(false);
        TimEnd.setEnabled(true);
        return;
    }
    parkTabLabels();
    pictures();
    editField();
    hint();
    const bool teaching = common::drill().ksMode == common::ModeTeaching;
    for (Control* c : std::initializer_list<Control*>{&LHelp, &Shape1, &Shape2, &Shape4})
        c->setVisible(teaching);
    mainTarget();

    // The tab dialog: the player needs the expected tab, the slot of its pages and its hint.
    if (col(130, 1) == QLatin1String("X")) {
        Shape4.setVisible(false);
        const QString tab = col(133, 1);
        const int letter = int(QStringLiteral("ABCD").indexOf(tab));
        if (letter >= 0)
            ysTabNo = 10 + letter;
        else if (auto v = numIn(ysRec, 133, 1))
            ysTabNo = *v;
        if (auto v = numIn(ysRec, 134, 1)) ysTabSlot = *v;
    }

    secondTarget();
    ysCode = numIn(ysRec, 8, 4).value_or(0);
    Timer3.setEnabled(false);
    if (col(8, 2) == QLatin1String("80")) {
        Label1.setWidth(1);
        Label1.setHeight(1);
        Label4.setWidth(1);
        Label4.setHeight(1);
    }

    if (col(8, 4) == QLatin1String("9999")) {
        LHelp.setCaption(QStringLiteral("操作成功！"));
        Shape1.setVisible(false);
        TimEnd.setEnabled(true);
        return;
    }
    Shape1.setVisible(LHelp.Visible());

    typedTextAndList();
    if (Label1.Height() <= 10 || !Label1.Visible()) Shape1.setVisible(false);
    Shape2.setVisible(LHelp.Visible());
    panes();
    menuTarget();

    QString caption = LHelp.Caption();
    caption.replace(QLatin1Char('|'), QStringLiteral("\r\n"));
    LHelp.setCaption(caption);

    CtrlCSH();
    CSH();
    ToolCSH();
    MuBiaoWei();
}

void FrmYanShi::resetScene()
{
    auto& d = common::drill();
    const double sx = common::scaleX(), sy = common::scaleY();
    d.stepPath = common::stepPath(d.dataPath, d.fileBase, d.setNo, d.dataExt);
    d.tmPath = common::tmPath(d.dataPath, d.fileBase, d.setNo, d.dataExt);

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

// The record of step ysStep of the current question. A step beyond the question's block is its
// last record: a demonstration never plays a neighbour's records.
bool FrmYanShi::readRecord()
{
    const auto& d = common::drill();
    const int n = stepCount();
    if (n == 0 || d.tmStart[d.dqTm] < 1) return false;
    if (ysStep > n) ysStep = n;
    if (ysStep < 1) ysStep = 1;
    const common::TextReadResult file = common::readTextFile(d.stepPath);
    const int line = d.tmStart[d.dqTm] + ysStep - 1;
    if (file.status != common::TextStatus::Ok || line > file.lines.size()) return false;
    ysRec = file.lines.at(line - 1);
    return true;
}

void FrmYanShi::parkTabLabels()
{
    scene::parkTabLabels(LblXXK);
}

void FrmYanShi::pictures()
{
    const auto& d = common::drill();
    const QString bg = col(12, 6);
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
    if (auto x = numIn(ysRec, 167, 5)) ysDragToX = *x;
    if (auto y = numIn(ysRec, 172, 5)) ysDragToY = *y;
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

void FrmYanShi::secondTarget()
{
    scene::placeSecondTarget(ysRec, Label4, Shape4);
}

// The overlay field of "0021", the prompts of the typed-text codes, the empty box of "0028" and the
// simulated list (which judges nothing here).
void FrmYanShi::typedTextAndList()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    const QString code = col(8, 4);

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
    const QString c5 = col(5, 1);
    PicTool.LoadPicture(
        deskPath + (c5 == QLatin1String("W") ? QStringLiteral("1100W2.rar") : QStringLiteral("1100W1.rar")));
    PicMyPc.setVisible(col(4, 1) == QLatin1String("P"));
    if (col(4, 1) == QLatin1String("N")) CtrlCSH();

    const QString w = col(6, 2), c6 = col(6, 1);
    static const QString windowLetters = QStringLiteral("ABCDEFGO");
    if (c6.size() != 1 || !windowLetters.contains(c6) || w == QLatin1String("EE")) return;
    if (c6 != QLatin1String("O")) {
        PicMenu.LoadPicture(deskPath + c6 + QStringLiteral("00000.rar"));
        PicMenu.Move(15 * common::scaleX(), 405 * common::scaleY());
        if (col(167, 1) == QLatin1String("W")) {
            if (auto l = numIn(ysRec, 168, 4)) PicMenu.setLeft(*l * common::scaleX());
            if (auto t = numIn(ysRec, 173, 4)) PicMenu.setTop(*t * common::scaleY());
        }
        PicMenu.setVisible(true);
        MenuCSH();
    }
    const int v = numIn(ysRec, 7, 1).value_or(0);
    if (v % 2 == 1) PicTool.setVisible(true);
    if (v / 2 != 0) {
        PicHui.LoadPicture(deskPath + QStringLiteral("41A00") + QString::number(v / 2) +
                           QStringLiteral(".rar"));
        PicHui.setVisible(true);
        HuiRenwuCSH();
    }
}

// A menu step's MenuPath: targetC when it is one, otherwise targetA whatever it holds.
void FrmYanShi::menuTarget()
{
    if (col(8, 4) != QLatin1String("7000")) return;
    const QString t = col(125, 1) == QLatin1String("H") ? col(125, 10) : col(86, 10);
    menuId = t.mid(1, 2);
    ysRow1 = common::FieldNumber(t.mid(3, 2)).value_or(0);
    ysRow2 = common::FieldNumber(t.mid(5, 2)).value_or(0);
    ysRow3 = common::FieldNumber(t.mid(7, 2)).value_or(0);
    ysJump = t.mid(9, 1);
    if (ysJump.isEmpty()) ysJump = QStringLiteral("0");
}
