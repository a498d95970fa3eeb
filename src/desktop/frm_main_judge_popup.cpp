// The right-click pop-up menu wm100, filled from "sMenu.sys", and the judges of its items.
#include <tuple>

#include "common/drill_state.h"
#include "desktop/frm_main.h"
#include "steps/smenu.h"

using namespace platform;

namespace {

// Element k of an item array shows item k of its list; elements beyond the list stay hidden.
void fillItems(MenuArray& array, const QString& line)
{
    const QStringList items = smenu::splitItems(line);
    for (int k = 0; k < items.size(); ++k) {
        Menu& item = array(k);
        item.setCaption(items.at(k));
        item.setVisible(true);
    }
}

} // namespace

bool FrmMain::systemMenu()
{
    MenuArray* arrays[] = {&sTolqInde1, &sTolqInde2, &sTolqInde3, &sTolqInde4, &sTolqSub1,
                           &sTolqSub2,  &sTolqSub3,  &sTolqSub4,  &sTolqSub5};
    for (MenuArray* a : arrays)
        for (int k = 0; k <= a->UBound(); ++k)
            if (a->exists(k)) (*a)(k).setVisible(false);
    Menu* cascades[] = {&sTolqMain1, &sTolqMain2, &sTolqMain3, &sTolqMain4, &sTolqMain5};
    for (Menu* m : cascades)
        m->setVisible(false);

    actCode = smenu::openingCode(common::drill().stepRec);
    const smenu::ReadResult read = smenu::readRecord(smenu::filePath(), actCode, popupSet);
    if (!read.ok) return false;
    const smenu::Record& r = read.record;

    const std::pair<MenuArray*, int> plain[] = {
        {&sTolqInde1, 2}, {&sTolqInde2, 4}, {&sTolqInde3, 6}, {&sTolqInde4, 9}};
    for (const auto& [array, list] : plain) {
        const int line = smenu::listLines(list).items;
        if (!smenu::isAbsent(r[line])) fillItems(*array, r[line]);
    }

    // A cascade's items are read only under a present caption, and never tested for "0".
    const std::tuple<Menu*, MenuArray*, int> cascadeLists[] = {{&sTolqMain1, &sTolqSub1, 1},
                                                               {&sTolqMain2, &sTolqSub2, 3},
                                                               {&sTolqMain3, &sTolqSub3, 5},
                                                               {&sTolqMain4, &sTolqSub4, 7},
                                                               {&sTolqMain5, &sTolqSub5, 8}};
    for (const auto& [cascade, items, list] : cascadeLists) {
        const smenu::ListLines lines = smenu::listLines(list);
        if (smenu::isAbsent(r[lines.caption])) continue;
        cascade->setVisible(true);
        cascade->setCaption(r[lines.caption]);
        fillItems(*items, r[lines.items]);
    }
    return true;
}

void FrmMain::openPopup(int code)
{
    popupSet = smenu::setDigit(code);
    // Without the file there is nothing to show: the right click does nothing.
    if (systemMenu()) PopupMenu(wm100);
}

void FrmMain::popupItem_Click(int list, int index)
{
    actCode = smenu::judgingCode(common::drill().stepRec);
    // The group is not compared: "R8" overrides judge as group-4 codes on both sides.
    if (smenu::itemDigit(actCode) == index && smenu::setDigit(actCode) == popupSet &&
        smenu::listDigit(actCode) == list)
        doNext();
}
