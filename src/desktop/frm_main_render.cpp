// The render phases of setData: the scene of the current step record, laid out from its columns.
// Every statement that cannot be carried out (a field that does not fit 16 bits, a picture that
// cannot be read) is skipped and the render goes on.
#include <array>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/scale.h"
#include "common/text_file.h"
#include "desktop/frm_main.h"
#include "drill/frm_tm.h"
#include "platform/app.h"

using namespace platform;

namespace {

const QString& rec()
{
    return common::drill().stepRec;
}

QString col(int start, int length)
{
    return common::field(rec(), start, length);
}

std::optional<qint16> num(int start, int length)
{
    return common::fieldNumber(rec(), start, length);
}

bool questionInRange(int q)
{
    return q >= 1 && q <= common::DrillVars::MaxQuestions;
}

// Edit-field fonts and colours by format digit; a digit without an entry leaves the value.
std::optional<QString> formatFont(int digit)
{
    switch (digit) {
    case 0:
        return QStringLiteral("宋体");
    case 1:
        return QStringLiteral("Times New Roman");
    case 2:
        return QStringLiteral("黑体");
    case 3:
        return QStringLiteral("楷体_GB2312");
    case 4:
        return QStringLiteral("隶书");
    case 9:
        return QStringLiteral("Fixedsys");
    default:
        return std::nullopt;
    }
}

std::optional<long> formatForeColor(int digit)
{
    constexpr long colours[] = {0x0, 0xFF0000, 0xFF};
    if (digit >= 0 && digit <= 2) return colours[digit];
    return std::nullopt;
}

std::optional<long> formatBackColor(int digit)
{
    constexpr long colours[] = {0xFFFFFF, 0xFF0000, 0xFF,     0xC0C0C0, 0xAAA9FF,
                                0xD6D5FF, 0x18000,  0xB3B2CC, 0xE0E3BA, 0xE1FFFF};
    if (digit >= 0 && digit <= 9) return colours[digit];
    return std::nullopt;
}

// The list of unfinished questions on the panel: "未完成的题目" and " n" for every question that
// `open` says is not finished.
template <class Open> QString unfinishedList(Open open)
{
    QString s = QStringLiteral("未完成的题目");
    const int count = common::drill().tmCount;
    for (int i = 1; i <= count && i <= common::DrillVars::MaxQuestions; ++i)
        if (open(i)) s += QLatin1Char(' ') + QString::number(i);
    return s;
}

} // namespace

QString FrmMain::textEntry(const QString& lineField) const
{
    if (lineField == QLatin1String("000")) return QString();
    const std::optional<qint16> n = common::FieldNumber(lineField);
    if (!n) return QString();
    const common::LineResult r = common::readLineOrLast(common::drill().txtPath, *n);
    return r.line ? common::entryText(*r.line) : QString();
}

bool FrmMain::loadStepPicture(Image& img, const QString& code)
{
    const auto& d = common::drill();
    const QString file = common::pictureFile(d.dataPath, code, d.dataExt);
    return !file.isEmpty() && img.LoadPicture(file);
}

bool FrmMain::loadStepPicture(PictureBox& box, const QString& code)
{
    const auto& d = common::drill();
    const QString file = common::pictureFile(d.dataPath, code, d.dataExt);
    return !file.isEmpty() && box.LoadPicture(file);
}

// Phases 1 to 3: the success label, the z-order pair, the drop-down, the drill's paths, the
// window boxes, the edit fields' size and Label4's pointer.
void FrmMain::resetScene()
{
    auto& d = common::drill();
    const double sx = common::scaleX(), sy = common::scaleY();
    LblSuccess.setVisible(false);
    raisePair();
    Pic1J.Move(30000 * sx, 30000 * sy);

    d.stepPath = common::stepPath(d.dataPath, d.fileBase, d.setNo, d.dataExt);
    d.tmPath = common::tmPath(d.dataPath, d.fileBase, d.setNo, d.dataExt);

    for (Control* c :
         std::initializer_list<Control*>{&PicMenu, &PicTool, &PicHui, &PicTable, &Shape6, &PicCtrl})
        c->setVisible(false);
    Text1.setFontSize(9 * sx);
    Text2.setFontSize(9 * sx);
    Label4.setMousePointer(0);
}

// Phase 5: the tab-dialog labels out of sight.
void FrmMain::parkTabLabels()
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

// Phases 6 and 7: step 1 clears the overlays; the background, the six overlay slots and the
// values that drag steps use.
void FrmMain::pictures()
{
    auto& d = common::drill();
    const double sx = common::scaleX(), sy = common::scaleY();
    const int q = d.dqTm;
    if (d.dqStep == 1) {
        for (Image* img : {&Image1, &Image2, &Image3, &Image4, &Image5})
            img->clearPicture();
        Image6.clearPicture();
    }
    if (questionInRange(q)) d.tmStep[q] = d.dqStep;

    const QString bg = col(12, 6);
    if (bg != QLatin1String("888888")) {
        if (questionInRange(q)) d.tmPic[q][0] = bg;
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
        if (auto left = num(c, 5)) {
            image.setLeft(*left * sx);
            if (k >= 5) dragLeft = *left;
        }
        if (auto top = num(c + 6, 4)) {
            image.setTop(*top * sy);
            if (k >= 5) dragTop = *top;
        }
        if (code != QLatin1String("888888")) {
            if (questionInRange(q)) d.tmPic[q][k] = code;
            if (k == 6)
                loadStepPicture(Image6, code);
            else
                loadStepPicture(static_cast<Image&>(image), code);
        }
        image.setVisible(true);
    }

    if (auto x = num(167, 5)) dragToX = *x;
    if (auto y = num(172, 5)) dragToY = *y;
}

// Phase 8: the edit field on editRect with its initial text and format, or no edit field.
void FrmMain::editField()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    if (!common::leadingNumberNonZero(col(86, 20))) {
        Text1.setVisible(false);
        Text2.setVisible(false);
        return;
    }
    Text1.setVisible(true);
    if (auto v = num(86, 5)) Text1.setLeft(*v * sx);
    if (auto v = num(92, 4)) Text1.setTop(*v * sy);
    if (auto v = num(96, 5)) Text1.setWidth(*v * sx);
    if (auto v = num(101, 5)) Text1.setHeight(*v * sy);

    QString text;
    const QString lineField = col(106, 3);
    if (lineField != QLatin1String("000")) {
        if (auto n = common::FieldNumber(lineField)) {
            const common::LineResult r = common::readLineOrLast(common::drill().txtPath, *n);
            if (r.line) {
                // The part before the first "|", from its fourth character.
                const QString line = r.line->section(QLatin1Char('|'), 0, 0);
                text = line.mid(3);
            }
        }
    }
    Text1.setText(text);
    Text1.SetFocus();
    Text1.setSelStart(0);
    Text1.setSelLength(int(text.size()));

    auto digit = [](int column) { return common::fieldNumber(rec(), column, 1); };
    Text1.setAlignment(vbLeftJustify);
    const QString align = col(129, 1);
    if (align == QLatin1String("R") || align == QLatin1String("r")) Text1.setAlignment(vbRightJustify);
    if (align == QLatin1String("M") || align == QLatin1String("m")) Text1.setAlignment(vbCenter);
    if (auto tenths = num(126, 3)) {
        double size = *tenths / 10.0;
        if (size == 0) size = 9;
        Text1.setFontSize(size * sx);
    }
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

// Phase 9: the hint's place and text; an all-zero hintPos keeps both.
void FrmMain::hint()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    if (col(112, 10) == QLatin1String("0000000000")) return;
    if (auto v = num(112, 5)) LHelp.setLeft(*v * sx);
    if (auto v = num(117, 5)) LHelp.setTop(*v * sy);
    const QString lineField = col(122, 3);
    if (lineField == QLatin1String("000")) {
        LHelp.setCaption(QString());
        return;
    }
    const QString text = textEntry(lineField);
    LHelp.setCaption(text);
    tabHint = text;
}

// Phase 10: hint and frames shown exactly in teaching mode.
void FrmMain::teachingAids()
{
    const bool teaching = common::drill().ksMode == common::ModeTeaching;
    for (Control* c : std::initializer_list<Control*>{&LHelp, &Shape1, &Shape2, &Shape4})
        c->setVisible(teaching);
}

// Phase 11: the main target on mainRect and its red frame.
void FrmMain::mainTarget()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    Label1.setHeight(1);
    Label1.setWidth(1);
    if (col(66, 20) != QLatin1String("00000000000000000000")) {
        Label1.setVisible(true);
        if (auto v = num(66, 5)) Label1.setLeft(*v * sx);
        if (auto v = num(72, 4)) Label1.setTop(*v * sy);
        if (auto v = num(76, 5)) {
            mainWidth = *v;
            Label1.setWidth(mainWidth * sx);
        }
        if (auto v = num(81, 5)) {
            mainHeight = *v;
            if (mainHeight == 0) {
                Label1.setAutoSize(true);
            } else {
                Label1.setAutoSize(false);
                Label1.setHeight(mainHeight * sy);
            }
        }
    } else {
        Label1.setHeight(1);
        Label1.setWidth(1);
        Label1.setVisible(false);
        Shape1.setVisible(false);
    }
    if (mainHeight == 0) {
        Label1.setHeight(1);
        Label1.setWidth(1);
        Shape1.setVisible(false);
    }
    Shape1.setLeft(Label1.Left());
    Shape1.setTop(Label1.Top());
    Shape1.setWidth(Label1.Width());
    Shape1.setHeight(Label1.Height());
}

// Phase 13: the second target and its frame, the action code and the automatic-step timer, and
// the target labels shrunk out of the way of a dragged picture.
void FrmMain::secondTarget()
{
    auto& d = common::drill();
    const double sx = common::scaleX(), sy = common::scaleY();
    if (col(187, 10) != QLatin1String("0000000000")) {
        Label4.setVisible(true);
        if (auto v = num(177, 5)) Label4.setLeft(*v * sx);
        if (auto v = num(183, 4)) Label4.setTop(*v * sy);
        if (auto v = num(187, 5)) Label4.setWidth(*v * sx);
        if (auto v = num(192, 5)) Label4.setHeight(*v * sy);
    } else {
        // Parked in real twips, out of reach; the render never hides it.
        Label4.setWidth(1);
        Label4.setHeight(1);
        Label4.setLeft(-1);
    }
    Shape4.setLeft(Label4.Left());
    Shape4.setTop(Label4.Top());
    Shape4.setWidth(Label4.Width());
    Shape4.setHeight(Label4.Height());

    if (auto code = num(8, 4)) actCode = *code;
    if (actCode == 8888) {
        // The second counts from this render, also when the same step is rendered again.
        autoTm = d.dqTm;
        autoStep = d.dqStep;
        Timer3.setEnabled(false);
        Timer3.setEnabled(true);
    } else {
        Timer3.setEnabled(false);
    }

    if (col(8, 2) == QLatin1String("80")) {
        Label1.setWidth(1);
        Label1.setHeight(1);
        Label4.setWidth(1);
        Label4.setHeight(1);
    }
}

// Phase 14: the terminal record's bookkeeping, or the red frame following the hint.
void FrmMain::terminalOrFrame()
{
    auto& d = common::drill();
    if (col(8, 4) != QLatin1String("9999")) {
        Shape1.setVisible(LHelp.Visible());
        return;
    }
    const int q = d.dqTm;
    if (questionInRange(q) && d.tmState[q] < 4) d.tmState[q] += 4;
    Shape1.setVisible(false);
    if (d.ksMode != common::ModeExam) {
        LblSuccess.setVisible(true);
        LHelp.setVisible(false);
    }
    FrmTm& tm = form<FrmTm>();
    if (d.fileBase == 20) {
        if (questionInRange(q)) d.tmDone[q] = QStringLiteral("T");
        tm.LblUnit.setCaption(unfinishedList([&d](int i) { return d.tmDone[i] == QLatin1String("F"); }));
        tm.LblBiao.setCaption(QStringLiteral("第") + QString::number(d.setNo + 1) +
                              QStringLiteral("单元  第") + QString::number(q) + QStringLiteral("/") +
                              QString::number(d.tmCount) + QStringLiteral("题") +
                              QStringLiteral("（已完成）"));
    }
    if (d.setNo == -1) {
        tm.LblBiao.setCaption(QStringLiteral("错题复习  第") + QString::number(q) + QStringLiteral("/") +
                              QString::number(d.tmCount) + QStringLiteral("题"));
    }
    if (d.setNo == -1 || d.fileBase == 0)
        tm.LblUnit.setCaption(unfinishedList([&d](int i) { return d.tmState[i] < 4; }));
}

// Phase 16: no red frame around a target too flat to click or hidden; Shape2 follows the hint.
void FrmMain::lastFrameRule()
{
    if (Label1.Height() <= 10 || !Label1.Visible()) Shape1.setVisible(false);
    Shape2.setVisible(LHelp.Visible());
}

// Phase 17: pointer of the main target, Start button, toolbar picture, window panes and chrome,
// line breaks in the hint.
void FrmMain::panes()
{
    const double sx = common::scaleX();

    Label1.setMousePointer(0);
    const QString kind = col(101, 1);
    if (kind == QLatin1String("S")) {
        if (auto shape = num(104, 2)) Label1.setMousePointer(*shape);
    }
    if (kind == QLatin1String("M")) {
        Label1.setMousePointer(99);
        const QString nn = col(104, 2);
        if (common::isSafeCode(nn)) {
            const QString file =
                common::joinPath(app::path(), QStringLiteral("ico") + nn + QStringLiteral(".CUR"));
            if (auto cursor = loadPicture(file)) Label1.setMouseIcon(*cursor);
        }
    }

    StartMenu.setVisible(true);
    const QString c5 = col(5, 1);
    if (c5 == QLatin1String("F")) StartMenu.setVisible(false);
    loadDeskPicture(PicTool, c5 == QLatin1String("W") ? QStringLiteral("1100W2") : QStringLiteral("1100W1"));
    if (col(8, 4) == QLatin1String("9999")) StartMenu.setVisible(false);

    const QString c4 = col(4, 1);
    PicMyPc.setVisible(false);
    if (c4 == QLatin1String("P")) PicMyPc.setVisible(true);
    PicCtrl.setVisible(false);
    if (c4 == QLatin1String("N")) {
        PicCtrl.setVisible(true);
        CtrlCSH();
    }
    if (c4 == QLatin1String("S")) {
        ImgElse.setLeft(Label1.Left());
        ImgElse.setTop(Label1.Top());
        ImgElse.setWidth(Label1.Width());
        ImgElse.setHeight(Label1.Height());
        ImgElse.setVisible(true);
        if (col(4, 2) == QLatin1String("S6")) ImgElse.setLeft(780 * sx);
    } else {
        ImgElse.setVisible(false);
    }

    const QString w = col(6, 2), c6 = col(6, 1);
    PicTable.setVisible(false);
    if (c6 == QLatin1String("M")) PicTable.setVisible(true);
    static const QString windowLetters = QStringLiteral("ABCDEFGO");
    if (c6.size() == 1 && windowLetters.contains(c6) && w != QLatin1String("EE")) {
        if (c6 == QLatin1String("O")) {
            PicMenu.setVisible(false);
        } else {
            loadDeskPicture(PicMenu, c6 + QStringLiteral("00000"));
            PicMenu.setVisible(true);
            MenuCSH();
        }
        const int v = num(7, 1).value_or(0);
        if (v % 2 == 1) PicTool.setVisible(true);
        if (v / 2 != 0) {
            loadDeskPicture(PicHui, QStringLiteral("41A00") + QString::number(v / 2));
            PicHui.setVisible(true);
            HuiRenwuCSH();
        }
    }

    QString caption = LHelp.Caption();
    caption.replace(QLatin1Char('|'), QStringLiteral("\r\n"));
    LHelp.setCaption(caption);
}

// Phase 18: the z-order pair again, the per-step reset and the teaching frames' tick.
void FrmMain::finishRender()
{
    raisePair();
    frmCsh();
    TimerDisFK.setEnabled(true);
}
