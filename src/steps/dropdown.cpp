#include "steps/dropdown.h"

#include "common/numbers.h"
#include "steps/desk_pictures.h"
#include "steps/menu_tables.h"

namespace steps {

bool startItemOpensList(int n)
{
    return n == RecentDocuments || n == AllPrograms;
}

std::optional<Place> fixedPanelPlace(int n)
{
    switch (n) {
    case StartButtonMenu:
        return Place{360, 6600};
    case RecentDocuments:
        return Place{5535, 2890};
    case AllPrograms:
        return Place{2160, 2565};
    default:
        return std::nullopt;
    }
}

Rect underSpot(const Rect& spot, double width, double height)
{
    return {spot.left, spot.top + spot.height, width, height};
}

Rect atCentre(const Rect& spot, double width, double height)
{
    return {spot.left + spot.width / 2, spot.top + spot.height / 2, width, height};
}

Rect flipAtEdges(Rect panel, const Edges& edges)
{
    const auto passes = [&](double end, double limit) { return edges.strict ? end > limit : end >= limit; };
    if (passes(panel.left + panel.width, edges.right)) panel.left -= panel.width;
    if (edges.bottom && passes(panel.top + panel.height, *edges.bottom)) panel.top -= panel.height;
    return panel;
}

Rect flipUnderTitle(Rect panel, const Rect& title, double sx, double sy)
{
    if (panel.left + panel.width >= 12300 * sx) panel.left = title.left - panel.width;
    if (panel.top + panel.height >= 8820 * sy) panel.top = title.top - panel.height;
    return panel;
}

namespace {

using hotspots::Area;

SpotResponse marked(SpotMark mark, const QString& look)
{
    SpotResponse r;
    r.mark = mark;
    r.look = look;
    return r;
}

// The panel of menu `id` opens at `at` and its rows are laid out.
void opens(SpotResponse& r, const QString& id, PanelAt at, PanelEdges edges = PanelEdges::None)
{
    r.panel = menus::firstLevelPanel(id);
    r.at = at;
    r.edges = edges;
    r.rows = true;
}

void opensAtItsPlace(SpotResponse& r, const QString& id, int n)
{
    opens(r, id, PanelAt::Fixed);
    r.fixed = *fixedPanelPlace(n);
}

// A toolbar button, on either desktop: shown pressed; the Views button's panel opens under it, and
// every button lays the rows out, with a panel or not.
SpotResponse toolbarButton(int n, const QString& id)
{
    SpotResponse r = marked(SpotMark::ToolbarButton, desk::toolbarPressed(n));
    if (n == ViewsButton) opens(r, id, PanelAt::UnderSpot);
    r.rows = true;
    return r;
}

// The candidate's left release: titles, toolbar buttons, desktop icons and My Computer items are
// marked; a title's panel opens under the menu bar, the Start menu's two lists at their places.
SpotResponse leftRelease(int n, const QString& id)
{
    SpotResponse r;
    switch (hotspots::areaOf(n)) {
    case Area::MenuBar:
        r = marked(SpotMark::Title, desk::titleHighlight(id));
        opens(r, id, PanelAt::UnderMenuBar);
        break;
    case Area::Toolbar:
        r = toolbarButton(n, id);
        break;
    case Area::Desktop:
        if (n <= 66) r = marked(SpotMark::DesktopIcon, desk::itemHighlight(id));
        break;
    case Area::StartMenu:
        if (startItemOpensList(n)) opensAtItsPlace(r, id, n);
        break;
    case Area::MyComputer:
        if (n <= 102) r = marked(SpotMark::MyComputerItem, desk::itemHighlight(id));
        break;
    default:
        break;
    }
    return r;
}

// The candidate's release of another button: the object menus of the desktop icons (at the icon's
// centre) and of My Computer's items and drives (at the centre, inside the form).
SpotResponse otherRelease(int n, const QString& id)
{
    SpotResponse r;
    if (hotspots::areaOf(n) == Area::Desktop) {
        r = marked(SpotMark::DesktopIcon, desk::itemHighlight(id));
        opens(r, id, PanelAt::AtCentre);
    } else if (n >= 92 && n <= 100) {
        r = marked(SpotMark::MyComputerItem, desk::itemHighlight(id));
        opens(r, id, PanelAt::AtCentre, PanelEdges::Form);
    }
    return r;
}

// The demonstration's click on the hot-spot of a menu step.
SpotResponse demonstrationClick(int n, const QString& id, const Step& step)
{
    SpotResponse r;
    const QString pane = step.paneCode();
    switch (hotspots::areaOf(n)) {
    case Area::MenuBar:
        if (!pane.startsWith(QLatin1Char('S'))) {
            r = marked(SpotMark::Title, desk::titleHighlight(id));
            opens(r, id, PanelAt::UnderSpot, PanelEdges::TitleBounds);
        } else if (pane == QLatin1String("S1") || pane == QLatin1String("S2") ||
                   pane == QLatin1String("S3")) {
            // The objects of the first three panes show their own picture while their menu is
            // open, and it opens at the title's centre.
            r = marked(SpotMark::Object, step.objectPicture());
            opens(r, pane, PanelAt::AtCentre, PanelEdges::TitleBounds);
        } else {
            r = marked(SpotMark::TitleEmptied, {});
            opens(r, pane, PanelAt::UnderSpot, PanelEdges::TitleBounds);
        }
        break;
    case Area::Toolbar:
        r = toolbarButton(n, id);
        break;
    case Area::Desktop:
        if (n == StartButtonMenu)
            opensAtItsPlace(r, id, n);
        else
            opens(r, id, PanelAt::AtCentre);
        break;
    case Area::StartMenu:
        r = marked(SpotMark::StartItem, desk::startItemHighlight(n));
        if (startItemOpensList(n)) opensAtItsPlace(r, id, n);
        break;
    case Area::MyComputer:
        // The items and drives open their menus, the last two items none; the whole window (103,
        // which the candidate's desktop has not) opens the window's own.
        if (n != hotspots::WholeMyComputer) r = marked(SpotMark::MyComputerItem, desk::itemHighlight(id));
        if (n <= 100 || n == hotspots::WholeMyComputer) opens(r, id, PanelAt::AtCentre, PanelEdges::Form);
        break;
    default:
        break;
    }
    return r;
}

} // namespace

SpotResponse spotResponse(int n, SpotClick click, const Step& step)
{
    const QString id = menuIdOf(n, step.appLetter());
    switch (click) {
    case SpotClick::Left:
        return leftRelease(n, id);
    case SpotClick::Other:
        return otherRelease(n, id);
    case SpotClick::Demonstration:
        return demonstrationClick(n, id, step);
    }
    return {};
}

Rect panelPlace(const SpotResponse& r, const Rect& spot, const Rect& menuBar, double width, double height,
                double formWidth, double formHeight, double sx, double sy)
{
    Rect p;
    switch (r.at) {
    case PanelAt::UnderMenuBar:
        p = {spot.left, menuBar.top + menuBar.height, width, height};
        break;
    case PanelAt::UnderSpot:
        p = underSpot(spot, width, height);
        break;
    case PanelAt::AtCentre:
        p = atCentre(spot, width, height);
        break;
    case PanelAt::Fixed:
        p = {r.fixed.left * sx, r.fixed.top * sy, width, height};
        break;
    }
    if (r.edges == PanelEdges::Form) p = flipAtEdges(p, {true, formWidth, formHeight});
    if (r.edges == PanelEdges::TitleBounds) p = flipUnderTitle(p, spot, sx, sy);
    return p;
}

Rect secondLevelPlace(const Rect& first, const Rect& row, double width, double height, const QString& key,
                      const QString& menuId, double sx, double sy)
{
    const bool narrow = common::leadingNumber(key) != 0 && menuId != QLatin1String("S1") &&
                        menuId != QLatin1String("S2") && menuId != QLatin1String("69");
    Rect p{first.left + first.width - (narrow ? 15 : 75) * sx, row.top, width, height};
    if (key == QLatin1String("8401") || key == QLatin1String("8408"))
        p.top = row.top + row.height - p.height;
    else if (key == QLatin1String("8410"))
        p.top = first.top;
    if (p.top + p.height > 8820 * sy) p.top = 8820 * sy - p.height;
    if (p.left + p.width > 11850 * sx) p.left = first.left - p.width + 15 * sx;
    return p;
}

Rect thirdLevelPlace(const Rect& second, const Rect& row, double width, double height, double sx)
{
    return {second.left + second.width - 15 * sx, row.top, width, height};
}

} // namespace steps
