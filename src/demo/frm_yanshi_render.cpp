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

using namespace platform;

namespace {

std::optional<qint16> numIn(const QString& rec, int start, int length)
{
    return common::fieldNumber(rec, start, length);
}

std::optional<QString> formatFont(int digit)
{
    static const char* const fonts[] = {"宋体", "Times New Roman", "黑体", "楷体_GB2312", "隶书"};
    if (digit >= 0 && digit <= 4) return QString::fromUtf8(fonts[digit]);
    if (digit == 9) return QStringLiteral("Fixedsys");
    return std::nullopt;
}

// The demonstration knows a fourth text colour.
std::optional<long> formatForeColor(int digit)
{
    constexpr long colours[] = {0x0, 0xFF0000, 0xFF, 0x99A055};
    if (digit >= 0 && digit <= 3) return colours[digit];
    return std::nullopt;
}

std::optional<long> formatBackColor(int digit)
{
    constexpr long colours[] = {0xFFFFFF, 0xFF0000, 0xFF,     0xC0C0C0, 0xAAA9FF,
                                0xD6D5FF, 0x18000,  0xB3B2CC, 0xE0E3BA, 0xE1FFFF};
    if (digit >= 0 && digit <= 9) return colours[digit];
    return std::nullopt;
}

} // namespace

QString FrmYanShi::col(int start, int length) const
{
    return common::field(ysRec, start, length);
}

QString FrmYanShi::textEntry(const QString& lineField) const
{
    if (lineField == QLatin1String("000")) return QString();
    const std::optional<qint16> n = common::FieldNumber(lineField);
    if (!n) return QString();
    const common::LineResult r = common::readLineOrLast(common::drill().txtPath, *n);
    return r.line ? common::entryText(*r.line) : QString();
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
    const double sx = common::scaleX(), sy = common::scaleY();
    for (int i = 0; i <= 13; ++i) {
        Label& l = LblXXK(i);
        l.setHeight(1);
        l.setWidth(1);
        l.setLeft(-1 * sx);
        l.setTop(-1 * sy);
        l.setCaption(QString());
    }
}

void FrmYanShi::pictures()
{
    const auto& d = common::drill();
    const double sx = common::scaleX(), sy = common::scaleY();
    const QString bg = col(12, 6);
    if (bg != QLatin1String("888888")) {
        const QString file = common::pictureFile(d.dataPath, bg, d.dataExt);
        if (!file.isEmpty()) LoadPicture(file);
    }
    std::array<Control*, 6> slots{&Image1, &Image2, &Image3, &Image4, &Image5, &Image6};
    for (int k = 1; k <= 6; ++k) {
        const int c = common::col::Slots[k - 1];
        Control& image = *slots[k - 1];
        const QString code = col(c + 10, 6);
        if (code == QLatin1String("000000") || (k == 6 && code.isEmpty())) {
            image.setVisible(false);
            continue;
        }
        if (auto left = numIn(ysRec, c, 5)) image.setLeft(*left * sx);
        if (auto top = numIn(ysRec, c + 6, 4)) image.setTop(*top * sy);
        if (code != QLatin1String("888888")) {
            const QString file = common::pictureFile(d.dataPath, code, d.dataExt);
            if (!file.isEmpty()) {
                if (k == 6)
                    Image6.LoadPicture(file);
                else
                    static_cast<Image&>(image).LoadPicture(file);
            }
        }
        image.setVisible(true);
    }
    if (auto x = numIn(ysRec, 167, 5)) ysDragToX = *x;
    if (auto y = numIn(ysRec, 172, 5)) ysDragToY = *y;
}

// The edit field with its initial text, the caret after it.
void FrmYanShi::editField()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    if (!common::leadingNumberNonZero(col(86, 20))) {
        Text1.setVisible(false);
        Text2.setVisible(false);
        return;
    }
    Text1.setVisible(true);
    if (auto v = numIn(ysRec, 86, 5)) Text1.setLeft(*v * sx);
    if (auto v = numIn(ysRec, 92, 4)) Text1.setTop(*v * sy);
    if (auto v = numIn(ysRec, 96, 5)) Text1.setWidth(*v * sx);
    if (auto v = numIn(ysRec, 101, 5)) Text1.setHeight(*v * sy);

    QString text;
    const QString lineField = col(106, 3);
    if (lineField != QLatin1String("000")) {
        if (auto n = common::FieldNumber(lineField)) {
            const common::LineResult r = common::readLineOrLast(common::drill().txtPath, *n);
            if (r.line) text = r.line->section(QLatin1Char('|'), 0, 0).mid(3);
        }
    }
    Text1.setText(text);
    Text1.SetFocus();
    Text1.setSelStart(int(text.size()));
    Text1.setSelLength(0);

    auto digit = [this](int column) { return numIn(ysRec, column, 1); };
    Text1.setAlignment(vbLeftJustify);
    const QString align = col(129, 1).toUpper();
    if (align == QLatin1String("R")) Text1.setAlignment(vbRightJustify);
    if (align == QLatin1String("M")) Text1.setAlignment(vbCenter);
    if (auto tenths = numIn(ysRec, 126, 3)) Text1.setFontSize((*tenths == 0 ? 9 : *tenths / 10.0) * sx);
    if (auto style = digit(131); style && *style >= 0 && *style <= 7) {
        Text1.setFontBold(*style & 1);
        Text1.setFontItalic(*style & 2);
        Text1.setFontUnderline(*style & 4);
    }
    if (auto f = digit(132))
        if (auto font = formatFont(*f)) Text1.setFontName(*font);
    if (auto f = digit(133))
        if (auto c = formatForeColor(*f)) Text1.setForeColor(*c);
    if (auto f = digit(134))
        if (auto c = formatBackColor(*f)) Text1.setBackColor(*c);
}

void FrmYanShi::hint()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    if (col(112, 10) == QLatin1String("0000000000")) return;
    if (auto v = numIn(ysRec, 112, 5)) LHelp.setLeft(*v * sx);
    if (auto v = numIn(ysRec, 117, 5)) LHelp.setTop(*v * sy);
    const QString lineField = col(122, 3);
    if (lineField == QLatin1String("000")) {
        LHelp.setCaption(QString());
        return;
    }
    const QString text = textEntry(lineField);
    LHelp.setCaption(text);
    ysTabHint = text;
}

void FrmYanShi::mainTarget()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    Label1.setHeight(1);
    Label1.setWidth(1);
    if (col(66, 20) != QLatin1String("00000000000000000000")) {
        Label1.setVisible(true);
        if (auto v = numIn(ysRec, 66, 5)) Label1.setLeft(*v * sx);
        if (auto v = numIn(ysRec, 72, 4)) Label1.setTop(*v * sy);
        if (auto v = numIn(ysRec, 76, 5)) {
            ysMainW = *v;
            Label1.setWidth(ysMainW * sx);
        }
        if (auto v = numIn(ysRec, 81, 5)) {
            ysMainH = *v;
            Label1.setAutoSize(ysMainH == 0);
            if (ysMainH != 0) Label1.setHeight(ysMainH * sy);
        }
    } else {
        Label1.setVisible(false);
        Shape1.setVisible(false);
    }
    if (ysMainH == 0) {
        Label1.setHeight(1);
        Label1.setWidth(1);
        Shape1.setVisible(false);
    }
    Shape1.Move(Label1.Left(), Label1.Top(), Label1.Width(), Label1.Height());
}

// The second target; its frame follows it, which also clears a click marker of the step before.
void FrmYanShi::secondTarget()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    if (col(187, 10) != QLatin1String("0000000000")) {
        Label4.setVisible(true);
        if (auto v = numIn(ysRec, 177, 5)) Label4.setLeft(*v * sx);
        if (auto v = numIn(ysRec, 183, 4)) Label4.setTop(*v * sy);
        if (auto v = numIn(ysRec, 187, 5)) Label4.setWidth(*v * sx);
        if (auto v = numIn(ysRec, 192, 5)) Label4.setHeight(*v * sy);
    } else {
        Label4.setWidth(1);
        Label4.setHeight(1);
        Label4.setLeft(-1);
    }
    Shape4.Move(Label4.Left(), Label4.Top(), Label4.Width(), Label4.Height());
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

    if (code.startsWith(QLatin1String("002"))) {
        Shape1.setVisible(false);
        QString h = LHelp.Caption();
        h.replace(QLatin1Char('|'), QStringLiteral("或  "));
        LHelp.setCaption(h);
    }
    const QString input = QStringLiteral("输入 ");
    if (code == QLatin1String("0020") || code == QLatin1String("0021") || code == QLatin1String("0027")) {
        Text1.setSelLength(0);
        Shape1.setVisible(false);
        LHelp.setCaption(input + LHelp.Caption());
    }
    if (code == QLatin1String("0022")) {
        Text1.setSelLength(0);
        Shape1.setVisible(LHelp.Visible());
        LHelp.setCaption(input + LHelp.Caption() + QStringLiteral(" 并按回车键或点红色方框处"));
    }
    if (code == QLatin1String("0024")) {
        Text1.setSelLength(0);
        Shape1.setVisible(false);
        LHelp.setCaption(input + LHelp.Caption() + QStringLiteral(" 并按回车键"));
    }
    if (code == QLatin1String("0023")) {
        Text1.setSelLength(0);
        Shape1.setVisible(false);
        LHelp.setCaption(QStringLiteral("请选中 ") + LHelp.Caption());
    }
    if (code == QLatin1String("0026")) {
        Text1.setSelLength(0);
        Shape1.setVisible(LHelp.Visible());
        LHelp.setCaption(input + LHelp.Caption() + QStringLiteral(" 并点击红色方框处"));
    }
    if (code == QLatin1String("0028")) {
        Text1.setSelLength(0);
        Shape1.setVisible(LHelp.Visible());
        Text4.Move(2880 * sx, 1560 * sy, 8865 * sx, 225 * sy);
        Text4.setFontSize(11 * sx);
        Text4.setVisible(true);
        LHelp.setCaption(QStringLiteral("在单元格或编辑栏中输入 ") + LHelp.Caption() +
                         QStringLiteral(" 并按回车键或点编辑区或点“√”"));
    } else {
        Text4.setVisible(false);
    }

    std::initializer_list<Control*> border{&LstLA, &PicLeft, &PicRight, &PicTop, &PicBottom};
    if (col(8, 1) != QLatin1String("L")) {
        for (Control* c : border)
            c->setVisible(false);
        LblXXK(0).setCaption(QString());
        return;
    }
    for (Control* c : border)
        c->setVisible(true);
    LstLA.Move(Text1.Left(), Text1.Top(), Text1.Width(), Text1.Height());
    Text1.setVisible(false);
    const double L = LstLA.Left(), T = LstLA.Top(), W = LstLA.Width(), H = LstLA.Height();
    const double t = 15 * sx, u = 15 * sy;
    PicLeft.Move(L, T, t, H);
    PicRight.Move(L + W - t, T, t, H);
    PicTop.Move(L, T, W, u);
    PicBottom.Move(L, T + H - u, W, u);

    QString line;
    if (auto n = numIn(ysRec, 9, 3)) {
        const common::LineResult r = common::readLineOrLast(common::drill().txtPath, *n);
        if (r.line) line = common::entryText(*r.line);
    }
    LstLA.Clear();
    for (const QString& item : line.split(QLatin1Char('|')))
        LstLA.AddItem(item);
    if (auto first = numIn(ysRec, 106, 3)) LstLA.setListIndex(*first);
    LblXXK(0).setCaption(LstLA.List(LstLA.ListIndex()));
    LblXXK(0).setWidth(LstLA.Width());
}

// The toolbar picture, the My Computer pane and the window chrome of the step.
void FrmYanShi::panes()
{
    const QString c5 = col(5, 1);
    PicTool.LoadPicture(
        deskPath + (c5 == QLatin1String("W") ? QStringLiteral("1100W2.rar") : QStringLiteral("1100W1.rar")));
    PicMyPc.setVisible(col(4, 1) == QLatin1String("P"));

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
    }
    const int v = numIn(ysRec, 7, 1).value_or(0);
    if (v % 2 == 1) PicTool.setVisible(true);
    if (v / 2 != 0) {
        PicHui.LoadPicture(deskPath + QStringLiteral("41A00") + QString::number(v / 2) +
                           QStringLiteral(".rar"));
        PicHui.setVisible(true);
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
