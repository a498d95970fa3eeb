#include "steps/tabs.h"

#include "common/numbers.h"
#include "common/record.h"
#include "steps/tab_templates.h"

namespace steps {

namespace {

int number(const QString& tpl, int start, int length)
{
    return common::fieldNumber(tpl, start, length).value_or(0);
}

} // namespace

QString tabTemplateText(QChar letter)
{
    if (letter.unicode() >= 128 || letter.isNull()) return {};
    const std::string_view t = desktop::tabTemplate(char(letter.unicode()));
    return QString::fromLatin1(t.data(), qsizetype(t.size()));
}

int tabCount(const QString& tpl)
{
    return tpl.size() >= 2 ? tabNumber(tpl.at(1)) : 0;
}

QString tabPage(const QString& tpl, int tab)
{
    return common::field(tpl, 10 * tab, 6);
}

TabLayout layoutTabs(const QString& tpl, int shown, double sx, double sy, double pageLeft, double pageTop)
{
    TabLayout l;
    l.count = tabCount(tpl);
    const int rowTop = number(tpl, 3, 4), rowHeight = number(tpl, 7, 3);
    for (int i = 0; i <= l.count; ++i)
        l.labels[size_t(i)] = {-1 * sx, rowTop * sy + pageTop, 1, rowHeight * sy};
    for (int i = 1; i <= l.count; ++i) {
        const int left = number(tpl, 10 * i + 6, 4);
        int width = number(tpl, 10 * (i + 1) + 6, 4) - left;
        if (width < 0) width = LastRowWidth;
        l.labels[size_t(i)].left = left * sx + pageLeft;
        l.labels[size_t(i)].width = width * sx;
    }
    if (l.count >= 10) {
        l.labels[12].width = 1050 * sx;
        l.labels[6].width = 1050 * sx;
        placeRows(l, tpl, shown > 6 ? 2 : 1, sy, pageTop);
    }
    l.labels[0] = {number(tpl, 140, 4) * sx + pageLeft, number(tpl, 144, 4) * sy + pageTop,
                   number(tpl, 148, 4) * sx, number(tpl, 152, 4) * sy};
    return l;
}

void placeRows(TabLayout& layout, const QString& tpl, int row, double sy, double pageTop)
{
    layout.row = row;
    const int rowTop = number(tpl, 3, 4);
    const int count = std::min(layout.count, TabLabels - 1);
    for (int i = 1; i <= count; ++i)
        layout.labels[size_t(i)].top = rowTop * sy + pageTop;
    const int first = row == 2 ? 7 : 1, last = row == 2 ? count : std::min(6, count);
    for (int i = first; i <= last; ++i)
        layout.labels[size_t(i)].top = (rowTop + 300) * sy + pageTop;
}

Rect backButton(const Step& step, double sx, double sy)
{
    return {step.pointX().value_or(0) * sx, step.pointY().value_or(0) * sy, 1095 * sx, 285 * sy};
}

int backCount(const QString& backKey)
{
    if (!backKey.startsWith(QLatin1Char('Q'))) return 1;
    const int n = common::FieldNumber(backKey.right(1)).value_or(0);
    return n == 0 ? 1 : n;
}

QString chooseTabHint(int expected)
{
    return QStringLiteral("请选择第") + QString::number(expected) + QStringLiteral("个选项卡");
}

} // namespace steps
