// The drawn context menu of right-click steps and its sub-menu, filled from the context-menu file
// and glided into row by row; and the click on the hot-spot of a menu step.
#include <algorithm>

#include "common/drill_state.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/scale.h"
#include "demo/frm_yanshi.h"
#include "steps/smenu.h"

using namespace platform;

namespace {

// Each row of the drawn menu is one of the record's lists (rows 1-9): a cascade's caption, or a
// plain list's items.
bool cascadeRow(int r)
{
    return smenu::listLines(r).caption != 0;
}

int rowLine(int r)
{
    const smenu::ListLines lines = smenu::listLines(r);
    return cascadeRow(r) ? lines.caption : lines.items;
}

long centre(double start, double size)
{
    return long(common::roundHalfEven(start + size / 2));
}

} // namespace

namespace {

// The menu code, group and set of the step's drawn menu: the stored code, or the override at
// column 86 as the demonstration reads it ("R" and four digits, "RA" and three); a stored code
// beginning "3" or "4" keeps its own group.
struct MenuCode {
    int code = 0, group = 0, set = 0;
};

MenuCode menuCode(const steps::Step& step)
{
    MenuCode m;
    m.code = smenu::judgingCode(step.text()); // the "RA" reading of the override
    m.group = smenu::groupOf(m.code);
    if (step.action().startsWith(u'3')) m.group = 1;
    if (step.action().startsWith(u'4')) m.group = 2;
    m.set = smenu::setDigit(m.code);
    return m;
}

// The 15 lines of the record, read as the candidate's pop-up reads them; a file that cannot be
// read leaves every line empty.
smenu::Record readMenuRecord(const MenuCode& m)
{
    return smenu::readRecordAt(smenu::filePath(), m.group, m.set).record;
}

} // namespace

double FrmYanShi::layOutItems(const QStringList& items, double left, double& y, LabelArray& rows,
                              LineArray& separators, int& separatorNo)
{
    double widest = 0;
    for (int k = 1; k <= items.size(); ++k) {
        if (items[k - 1] == QLatin1String("-")) {
            Line& sep = separators(separatorNo);
            sep.setVisible(true);
            sep.setX1(left + 60);
            sep.setY1(y);
            sep.setY2(y);
            separatorNo += 1;
            y += 135;
            continue;
        }
        Label& l = rows(k - 1);
        l.setCaption(items[k - 1]);
        l.setVisible(true);
        l.Move(left + 300, y);
        widest = std::max(widest, l.Width());
        y += 270;
    }
    return widest;
}

void FrmYanShi::RightKeyMenu()
{
    if (!common::drill().ysRun) return;
    const double sy = common::scaleY();
    LRightMMenu.Move(ysPosX, ysPosY);
    ShapeRMain.Move(ysPosX, ysPosY);
    LRightMMenu.setVisible(true);
    ShapeRMain.setVisible(true);
    int sepNo = 0;
    double maxW = 0;
    double y = LRightMMenu.Top() + 90;

    const MenuCode m = menuCode(step());
    ysCode = m.code;
    ysPopSet = m.set;
    const smenu::Record rec = readMenuRecord(m);

    LabelArray* plain[10] = {nullptr, nullptr, &LRM2,   nullptr, &LRM4,
                             nullptr, &LRM6,   nullptr, nullptr, &LRM9};
    const double left = LRightMMenu.Left();
    for (int r = 1; r <= 9; ++r) {
        const QString& line = rec[rowLine(r)];
        if (smenu::isAbsent(line)) continue;
        if (cascadeRow(r)) {
            LRMJL(r).setCaption(line);
            LRMJL(r).setVisible(true);
            LRMJL(r).Move(left + 300, y);
            ImgJLSanjiao(r).setVisible(true);
            ImgJLSanjiao(r).setTop(y + 30);
            y += 270;
            continue;
        }
        maxW = std::max(maxW, layOutItems(smenu::splitItems(line), left, y, *plain[r], LRFGX, sepNo));
    }

    LRightMMenu.setWidth(maxW + 690);
    LRightMMenu.setHeight(y - LRightMMenu.Top());
    ShapeRMain.Move(LRightMMenu.Left(), LRightMMenu.Top(), LRightMMenu.Width(), LRightMMenu.Height());
    ImgJLSanjiao.forEach(
        [this](int, Image& img) { img.setLeft(LRightMMenu.Left() + LRightMMenu.Width() - 180); });
    LRFGX.forEach([this](int, Line& l) { l.setX2(l.X1() + LRightMMenu.Width() - 120); });

    // Every piece of the menu, moved together at the form's edges.
    auto shift = [this, &plain](double dx, double dy) {
        for (Control* c : std::initializer_list<Control*>{&LRightMMenu, &ShapeRMain})
            c->Move(c->Left() + dx, c->Top() + dy);
        for (int r : {2, 4, 6, 9})
            plain[r]->forEach([dx, dy](int, Label& l) { l.Move(l.Left() + dx, l.Top() + dy); });
        LRMJL.forEach([dx, dy](int, Label& l) { l.Move(l.Left() + dx, l.Top() + dy); });
        ImgJLSanjiao.forEach([dx, dy](int, Image& i) { i.Move(i.Left() + dx, i.Top() + dy); });
        LRFGX.forEach([dx, dy](int, Line& l) {
            l.setX1(l.X1() + dx);
            l.setX2(l.X2() + dx);
            l.setY1(l.Y1() + dy);
            l.setY2(l.Y2() + dy);
        });
    };
    const double w = LRightMMenu.Width();
    if (LRightMMenu.Left() + w >= Width() - w) shift(-w, 0);
    if (LRightMMenu.Top() + LRightMMenu.Height() >= Height() - 300 * sy)
        shift(0, -(LRightMMenu.Top() + LRightMMenu.Height() - (Height() - 600 * sy)));

    const int r = step().popupRow(), i = step().popupItem();
    Label* target = nullptr;
    if (r == 2 || r == 4 || r == 6 || r == 9) target = &(*plain[r])(i);
    if (cascadeRow(r)) target = &LRMJL(r);
    if (target) {
        ysToX = centre(target->Left(), target->Width());
        ysToY = centre(target->Top(), target->Height());
    }
    Shape1.Move(LRightMMenu.Left(), ysToY - 135 * sy, LRightMMenu.Width(), 270 * sy);
    glideTo(ysToX, ysToY);
    TimerRM.setEnabled(true);
}

void FrmYanShi::TimerRM_Timer()
{
    if (!common::drill().ysRun) return;
    if (!glideTick()) return;
    const int r = step().popupRow();
    TimerRM.setEnabled(false);
    if (r == 2 || r == 4 || r == 6 || r == 9) {
        ringAtPointer();
        doNext();
        return;
    }
    RightKeySub();
}

void FrmYanShi::RightKeySub()
{
    if (!common::drill().ysRun) return;
    const MenuCode m = menuCode(step());
    ysCode = m.code;
    ysPopSet = m.set;
    const int r = step().popupRow(), i = step().popupItem();

    LRightSub.setVisible(true);
    ShapeRSUB.setVisible(true);
    LRightSub.setLeft(LRightMMenu.Left() + LRightMMenu.Width() - 60);
    if (cascadeRow(r)) LRightSub.setTop(LRMJL(r).Top());
    ShapeRSUB.Move(LRightSub.Left(), LRightSub.Top());

    const smenu::Record rec = readMenuRecord(m);
    double y = LRightSub.Top() + 135;
    int sepNo = 0;
    const QStringList items = smenu::splitItems(cascadeRow(r) ? rec[smenu::listLines(r).items] : QString());
    const double maxW = layOutItems(items, LRightSub.Left(), y, LRS, LRSFgx, sepNo);
    LRightSub.setWidth(maxW + 690);
    LRightSub.setHeight(y - LRightSub.Top());
    ShapeRSUB.Move(LRightSub.Left(), LRightSub.Top(), LRightSub.Width(), LRightSub.Height());
    LRSFgx.forEach([this](int, Line& l) { l.setX2(l.X1() + LRightSub.Width() - 120); });

    Label& target = LRS(i);
    Shape1.Move(LRightSub.Left(), target.Top() - 60, LRightSub.Width(), 285);
    glideTo(centre(target.Left(), target.Width()), centre(target.Top(), target.Height()));
    TimerRS.setEnabled(true);
}

void FrmYanShi::TimerRS_Timer()
{
    if (!common::drill().ysRun) return;
    if (!glideTick()) return;
    ringAtPointer();
    TimerRS.setEnabled(false);
    doNext();
}
