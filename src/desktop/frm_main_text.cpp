// Typed-text and list steps: the overlay edit fields, the typed-text prompts, the simulated list,
// and the change and pick judges that a render can raise by writing them.
#include "common/drill_state.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/scale.h"
#include "common/text_file.h"
#include "desktop/frm_main.h"

using namespace platform;

namespace {

QString col(int start, int length)
{
    return common::field(common::drill().stepRec, start, length);
}

// Blanks at both ends removed, as the stored program's Trim does (spaces only).
QString trimSpaces(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s.at(b) == QLatin1Char(' '))
        ++b;
    while (e > b && s.at(e - 1) == QLatin1Char(' '))
        --e;
    return s.mid(b, e - b);
}

} // namespace

// Phase 15: overlay fields for "0021" and "0027", prompts of the typed-text codes, the list of
// the "L" codes.
void FrmMain::overlaysAndList()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    const QString code = col(8, 4);

    if (code == QLatin1String("0021")) {
        Text2.setText(Text1.Text());
        Text2.setLeft(Text1.Left());
        Text2.setTop(Text1.Top());
        Text2.setHeight(Text1.Height());
        Text2.setWidth(Text1.Width());
        Text2.setVisible(true);
        Text1.setVisible(false);
    } else {
        Text2.setVisible(false);
    }

    if (code == QLatin1String("0027")) {
        Shape1.setVisible(false);
        Text3.setText(Text1.Text());
        Text3.setLeft(Text1.Left());
        Text3.setTop(Text1.Top());
        Text3.setHeight(Text1.Height());
        Text3.setWidth(Text1.Width());
        Text3.setFontSize(Text1.FontSize());
        Text3.setFontName(Text1.FontName());
        Text3.setForeColor(Text1.ForeColor());
        Text3.setBackColor(Text1.BackColor());
        Text3.setFontBold(Text1.FontBold());
        Text3.setVisible(true);
        Text1.setVisible(false);
    } else {
        Text3.setVisible(false);
    }

    // The prompts: six tests one after the other, each on the caption the previous ones left.
    if (code.startsWith(QLatin1String("002"))) {
        Shape1.setVisible(false);
        QString h = LHelp.Caption();
        h.replace(QLatin1Char('|'), QStringLiteral("或  "));
        LHelp.setCaption(h);
    }
    const QString input = QStringLiteral("输入 ");
    if (code == QLatin1String("0020") || code == QLatin1String("0021") || code == QLatin1String("0025") ||
        code == QLatin1String("0027")) {
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
    if (auto n = common::fieldNumber(common::drill().stepRec, 9, 3)) {
        const common::LineResult r = common::readLineOrLast(common::drill().txtPath, *n);
        if (r.line) line = common::entryText(*r.line);
    }
    LstLA.Clear();
    for (const QString& item : line.split(QLatin1Char('|')))
        LstLA.AddItem(item);
    if (auto first = common::fieldNumber(common::drill().stepRec, 106, 3)) LstLA.setListIndex(*first);
    LblXXK(0).setCaption(LstLA.List(LstLA.ListIndex()));
    LblXXK(0).setWidth(LstLA.Width());
}

void FrmMain::LstLA_Click()
{
    LblXXK(0).setCaption(LstLA.List(LstLA.ListIndex()));
    const std::optional<qint16> answer = common::fieldNumber(common::drill().stepRec, 109, 3);
    if (answer && LstLA.ListIndex() == *answer) {
        for (Control* c : std::initializer_list<Control*>{&LstLA, &PicLeft, &PicRight, &PicTop, &PicBottom})
            c->setVisible(false);
        LblXXK(0).setCaption(QString());
        doNext();
    }
}

// The two accepted answers of the step: the answerLine entry split at its first "|" (an entry
// without one gives the same answer twice).
static std::pair<QString, QString> acceptedAnswers(const QString& entry)
{
    const qsizetype bar = entry.indexOf(QLatin1Char('|'));
    if (bar < 0) return {entry, entry};
    return {entry.left(bar), entry.mid(bar + 1)};
}

void FrmMain::Text1_Change()
{
    const QString code = col(8, 4);
    const bool ignoreCase = code == QLatin1String("0020");
    if (!ignoreCase && code != QLatin1String("0025")) return;
    const auto [a, b] = acceptedAnswers(textEntry(col(109, 3)));
    auto norm = [ignoreCase](const QString& s) {
        return ignoreCase ? trimSpaces(s).toLower() : trimSpaces(s);
    };
    const QString typed = norm(Text1.Text());
    if (typed == norm(a) || typed == norm(b)) doNext();
}

void FrmMain::Text2_Change()
{
    if (trimSpaces(Text2.Text()) == trimSpaces(textEntry(col(109, 3)))) doNext();
}

void FrmMain::Text3_Change()
{
    const auto [a, b] = acceptedAnswers(textEntry(col(109, 3)));
    const QString typed = trimSpaces(Text3.Text()).toLower();
    if (typed == trimSpaces(a).toLower() || typed == trimSpaces(b).toLower()) doNext();
}
