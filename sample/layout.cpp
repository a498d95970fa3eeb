#include "sample/layout.h"

#include "steps/menu_tables.h"

namespace sample::layout {

Twips menuTitle(char letter, int i)
{
    // The desktop's own title table, at scale 1: every value is a whole twip.
    const auto titles = menus::menuTitles(QChar(QLatin1Char(letter)), 1, 1);
    if (!titles || i < 1 || i > 10) return {};
    const menus::Box& b = (*titles)[size_t(i)];
    return {int(b.left), int(b.top), int(b.width), int(b.height)};
}

Twips taskPaneLink(int code, int id)
{
    return twipsOf(hotspots::taskPaneLink(code, id));
}

Twips dialogItem(int digit, int id)
{
    return twipsOf(hotspots::dialogItem(digit, id));
}

} // namespace sample::layout
