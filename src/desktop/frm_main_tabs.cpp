// The simulated tab dialog: the render's phase that lays the tab labels LblXXK(1-13) over the
// tabs drawn in an overlay picture and places the back button LblXXK(0); the clicks on them. A tab
// click shows that tab's page and never advances: only on the expected tab is the main target
// large enough to be hit.
#include <QStringView>

#include "common/drill_state.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/scale.h"
#include "desktop/frm_main.h"
#include "desktop/step_fields.h"
#include "desktop/tab_templates.h"

using namespace platform;
using desktop::recField;
using desktop::recNumber;

namespace {

// A tab number of one character: a digit, or "A"-"D" for 10-13; anything else 0.
int tabNumber(const QString& c)
{
    if (c.size() != 1) return 0;
    const QChar ch = c.front();
    if (ch.isDigit()) return ch.digitValue();
    if (ch >= u'A' && ch <= u'D') return 10 + (ch.unicode() - u'A');
    return 0;
}

// A number field of the template.
int tplNumber(const QString& tpl, int start, int length)
{
    return common::fieldNumber(tpl, start, length).value_or(0);
}

QString chooseTab(int n)
{
    return QStringLiteral("请选择第") + QString::number(n) + QStringLiteral("个选项卡");
}

// The ImageSlot column of overlay 1-5.
int slotColumn(int k)
{
    return common::col::Slots[k - 1];
}

} // namespace

void FrmMain::tabDialog()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    auto frameOn = [this](const Label& l) { Shape1.Move(l.Left(), l.Top(), l.Width(), l.Height()); };

    // A letter that names no template lays out no tab dialog: another question's template would
    // put its tabs and its "choose a tab" hint over this step's picture.
    const QString letter = recField(131, 1);
    const std::string_view tpl = letter.size() == 1 && letter.front().unicode() < 128
                                     ? desktop::tabTemplate(char(letter.front().unicode()))
                                     : std::string_view();
    const bool tabs = recField(common::col::TabSpec, 1) == QLatin1String("X") && !tpl.empty();
    if (tabs) {
        const int shown = tabNumber(recField(132, 1));
        tabExpected = tabNumber(recField(133, 1));
        tabSlot = recNumber(134, 1);
        LHelp.setCaption(chooseTab(tabExpected));
        tabTpl = QString::fromLatin1(tpl.data(), qsizetype(tpl.size()));
        const QString page = common::field(tabTpl, 10 * shown, 6);

        if (tabSlot >= 1 && tabSlot <= 5) {
            Image* overlays[] = {&Image1, &Image2, &Image3, &Image4, &Image5};
            Image& overlay = *overlays[tabSlot - 1];
            tabPageLeft = int(common::roundHalfEven(overlay.Left()));
            tabPageTop = int(common::roundHalfEven(overlay.Top()));
            if (shown != tabExpected) loadStepPicture(overlay, page);
        }

        tabCount = tabNumber(common::field(tabTpl, 2, 1));
        const int rowTop = tplNumber(tabTpl, 3, 4), rowHeight = tplNumber(tabTpl, 7, 3);
        for (int i = 0; i <= tabCount; ++i) {
            Label& l = LblXXK(i);
            l.setHeight(rowHeight * sy);
            l.setWidth(1);
            l.setLeft(-1 * sx);
            l.setTop(rowTop * sy + tabPageTop);
            l.setCaption(QString());
        }
        for (int i = 1; i <= tabCount; ++i) {
            const int left = tplNumber(tabTpl, 10 * i + 6, 4);
            int width = tplNumber(tabTpl, 10 * (i + 1) + 6, 4) - left;
            if (width < 0) width = 990; // the last tab of a row
            LblXXK(i).setLeft(left * sx + tabPageLeft);
            LblXXK(i).setWidth(width * sx);
        }
        if (tabCount >= 10) {
            LblXXK(12).setWidth(1050 * sx);
            LblXXK(6).setWidth(1050 * sx);
            tabRow = shown > 6 ? 2 : 1;
            DoubleXXK();
        }
        LblXXK(0).Move(tplNumber(tabTpl, 140, 4) * sx + tabPageLeft,
                       tplNumber(tabTpl, 144, 4) * sy + tabPageTop, tplNumber(tabTpl, 148, 4) * sx,
                       tplNumber(tabTpl, 152, 4) * sy);

        if (shown == tabExpected) {
            Label1.setWidth(mainWidth * sx);
            Label1.setHeight(mainHeight * sy);
            LHelp.setCaption(tabHint);
            frameOn(Label1);
        } else {
            // Out of reach until the expected tab is chosen; the frame marks that tab.
            Label1.setWidth(1);
            Label1.setHeight(1);
            frameOn(LblXXK(tabExpected));
        }
    } else {
        frameOn(Label1);
    }

    const bool back = recField(common::col::BackSpec, 1) == QLatin1String("Q");
    if (back) {
        backKey = recField(common::col::BackSpec, 5);
        LblXXK(0).Move(recNumber(167, 5) * sx, recNumber(172, 5) * sy, 1095 * sx, 285 * sy);
        LblXXK(0).setCaption(QString());
    } else {
        backKey = QStringLiteral("NONO");
    }
    // As the back button it lies unseen over the button drawn in the dialog; elsewhere it is the
    // list's white display.
    LblXXK(0).setBackStyle(tabs || back ? vbTransparent : vbOpaque);
}

void FrmMain::LblXXK_Click(int index)
{
    auto& d = common::drill();
    if (index == 0) {
        // Back by the "Q" field's count (0 counts as 1), or one step; never before step 1.
        if (backKey.startsWith(QLatin1Char('Q'))) {
            int n = common::FieldNumber(backKey.right(1)).value_or(0);
            if (n == 0) n = 1;
            d.dqStep -= n;
        } else if (d.dqStep > 1) {
            d.dqStep -= 1;
        }
        setData();
        return;
    }

    const double sx = common::scaleX(), sy = common::scaleY();
    Image* overlays[] = {&Image1, &Image2, &Image3, &Image4, &Image5};
    Image* overlay = tabSlot >= 1 && tabSlot <= 5 ? overlays[tabSlot - 1] : nullptr;
    if (overlay) loadStepPicture(*overlay, common::field(tabTpl, 10 * index, 6));
    if (tabCount >= 10) {
        tabRow = index > 6 ? 2 : 1;
        DoubleXXK();
    }
    if (index == tabExpected) {
        if (overlay) loadStepPicture(*overlay, recField(slotColumn(tabSlot) + 10, 6));
        Label1.setVisible(true);
        LHelp.setCaption(tabHint);
        Label1.setHeight(mainHeight * sy);
        Label1.setWidth(mainWidth * sx);
        Shape1.Move(Label1.Left(), Label1.Top(), Label1.Width(), Label1.Height());
    } else {
        LHelp.setCaption(chooseTab(tabExpected));
        Label1.setWidth(1);
        Label1.setHeight(1);
        const Label& tab = LblXXK(tabExpected);
        Shape1.Move(tab.Left(), tab.Top(), tab.Width(), tab.Height());
    }
    QString caption = LHelp.Caption();
    caption.replace(QLatin1Char('|'), QStringLiteral("\r\n"));
    LHelp.setCaption(caption);
}

void FrmMain::DoubleXXK()
{
    // The row holding the shown tab lies 300 twips lower, against the page.
    const double sy = common::scaleY();
    const int rowTop = tplNumber(tabTpl, 3, 4);
    for (int i = 1; i <= tabCount; ++i)
        LblXXK(i).setTop(rowTop * sy + tabPageTop);
    const int first = tabRow == 2 ? 7 : 1, last = tabRow == 2 ? tabCount : 6;
    for (int i = first; i <= last; ++i)
        LblXXK(i).setTop((rowTop + 300) * sy + tabPageTop);
}
