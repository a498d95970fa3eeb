#pragma once
// The context menus of "sMenu.sys": 4 groups of 9 records, each record 15 lines (a title line, five
// cascades with their items and four groups of plain items).
#include <QString>
#include <QStringList>
#include <array>

namespace sample {

struct ContextMenu {
    QString title;                     // line 1, read by nobody: the menu's name
    std::array<QString, 5> cascades;   // captions, "0" when absent
    std::array<QString, 5> subItems;   // their items, "|"-separated
    std::array<QString, 4> plainItems; // plain groups, "0" when absent
};

// The 36 records in file order (group 1 set 1, group 1 set 2, ...).
const std::array<ContextMenu, 36>& contextMenus();

// The 540 lines of "sMenu.sys".
QStringList contextMenuLines();

// The pop-up code (group digit 3, 4 or 5; set; list; item) that picks `item` in the menu titled
// `menuTitle`: a plain item by its text, a cascade's item as "caption/item". -1 when the menu or
// the item does not exist, or the menu lies in group 4 (whose codes 6001-6999 are key steps).
int menuCode(const QString& menuTitle, const QString& item);

} // namespace sample
