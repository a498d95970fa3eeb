#pragma once
// What a click on a hot-spot shows, and where the drop-down panels open, as pure functions of the
// places involved: the first level at a hot-spot (under it, at its centre, or at a fixed place) and
// flipped at the screen's edges, the second level beside its row, the third level beside the
// second. Screen twips throughout; both desktops pass the places of their own controls.
#include <QString>
#include <optional>

#include "steps/hotspot_tables.h"
#include "steps/step.h"

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

// ---- A click on a hot-spot ----------------------------------------------------------------------
// What a click on hot-spot n shows, on either desktop: the mark on the hot-spot, the first-level
// panel, where it opens and the edges it keeps inside. The candidate's desktop answers a left
// release and a release of another button; the demonstration's click on the hot-spot of a menu
// step shows the path's menu whatever the area (a desktop icon's at its centre, a title's under
// the title, where the candidate's opens under the menu-bar box).
enum class SpotClick { Left, Other, Demonstration };
// The image that marks the hot-spot, at its Left and Top: a menu-bar title (ImgMenu), a toolbar
// button (ImgTool), a desktop icon (ImgTable), a Start-menu item (ImgStart), a My Computer item
// (ImgMyPc); or, for an object menu of the demonstration, the title image emptied or showing the
// object's own picture.
enum class SpotMark {
    None,
    Title,
    ToolbarButton,
    DesktopIcon,
    StartItem,
    MyComputerItem,
    TitleEmptied,
    Object
};
// Where the panel opens: under the menu-bar box at the title's Left, under the hot-spot, at its
// centre, or at a fixed place.
enum class PanelAt { UnderMenuBar, UnderSpot, AtCentre, Fixed };
// The edges it keeps inside then: none; the form's (the strict flip); the bounds of a title's panel
// on the demonstration desktop (flipUnderTitle).
enum class PanelEdges { None, Form, TitleBounds };
struct SpotResponse {
    SpotMark mark = SpotMark::None;
    QString look;  // the mark's desktop picture; for Object the object's step picture code
    QString panel; // the first-level panel's desktop picture; empty: no panel opens
    PanelAt at = PanelAt::UnderSpot;
    Place fixed; // design twips, for PanelAt::Fixed
    PanelEdges edges = PanelEdges::None;
    bool rows = false; // the first level's rows are laid out (on toolbar buttons also without a panel)
};
// The response of hot-spot n to a click on a step (its application letter, and for the
// demonstration its object pane and picture).
SpotResponse spotResponse(int n, SpotClick click, const Step& step);
// The place of a panel of the given size that opens by `r`: `spot` and `menuBar` (the menu-bar box)
// on the form, the form's width and height for its edges.
Rect panelPlace(const SpotResponse& r, const Rect& spot, const Rect& menuBar, double width, double height,
                double formWidth, double formHeight, double sx, double sy);

// The second-level panel of `key` beside first-level row `row` (on the screen) of the panel
// `first`: overlapping the first level by 15 (Start menu, My Computer) or 75 twips, the All
// Programs lists aligned as their menu is, and kept inside 11850 x 8820.
Rect secondLevelPlace(const Rect& first, const Rect& row, double width, double height, const QString& key,
                      const QString& menuId, double sx, double sy);
// The third-level panel beside second-level row `row` of the panel `second`.
Rect thirdLevelPlace(const Rect& second, const Rect& row, double width, double height, double sx);

} // namespace steps
