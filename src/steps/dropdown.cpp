#include "steps/dropdown.h"

#include "common/numbers.h"

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
