#pragma once
// Where the drop-down panels open, as pure functions of the places involved: the first level at a
// hot-spot (under it, at its centre, or at a fixed place) and flipped at the screen's edges, the
// second level beside its row, the third level beside the second. Screen twips throughout; both
// desktops pass the places of their own controls.
#include <QString>
#include <optional>

#include "steps/hotspot_tables.h"

namespace steps {

using Rect = hotspots::Rect;

// The hot-spots that open a first-level panel of their own beyond the menu bar, the desktop icons
// and My Computer: the toolbar's Views button (under it), the Start button's own menu (its right
// click) and the Start menu's two lists, each at a fixed place.
constexpr int ViewsButton = 23;
constexpr int StartButtonMenu = 70;
constexpr int RecentDocuments = 80;
constexpr int AllPrograms = 84;
// Whether Start-menu item n opens a list of its own.
bool startItemOpensList(int n);
// The fixed place (design twips, Left and Top) of the panel hot-spot n opens: the Start button's
// menu, My Recent Documents and All Programs; none for another hot-spot.
struct Place {
    int left = 0, top = 0;
};
std::optional<Place> fixedPanelPlace(int n);

// A first-level panel of the given size opening under a hot-spot, or at its centre.
Rect underSpot(const Rect& spot, double width, double height);
Rect atCentre(const Rect& spot, double width, double height);

// The edges a first-level panel must keep inside: it opens to the left (by its own width) when its
// right edge passes `right`, and upwards when its bottom passes `bottom`. The strict form moves it
// only past the edge, the other also when it ends exactly on it.
struct Edges {
    bool strict = false;
    double right = 0;
    std::optional<double> bottom;
};
Rect flipAtEdges(Rect panel, const Edges& edges);
// The demonstration's rule for a menu-bar title's panel, opened under the title: past 12300 x sx
// (or exactly on it) the panel opens to the left of the title, past 8820 x sy above it. The
// candidate's desktop opens a title's panel at the bottom of the menu-bar box and never moves it;
// the two places differ by the gap between the title's bottom and the box's, and near those
// bounds (a menu bar the record places far right or low) by the flip.
Rect flipUnderTitle(Rect panel, const Rect& title, double sx, double sy);

// The second-level panel of `key` beside first-level row `row` (on the screen) of the panel
// `first`: overlapping the first level by 15 (Start menu, My Computer) or 75 twips, the All
// Programs lists aligned as their menu is, and kept inside 11850 x 8820.
Rect secondLevelPlace(const Rect& first, const Rect& row, double width, double height, const QString& key,
                      const QString& menuId, double sx, double sy);
// The third-level panel beside second-level row `row` of the panel `second`.
Rect thirdLevelPlace(const Rect& second, const Rect& row, double width, double height, double sx);

} // namespace steps
