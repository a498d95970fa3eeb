#pragma once
// Where the chrome of the simulated desktop lies: the screen, the task bar, the question panel's
// corner, the area boxes and the hot-spots that the desktop lays over the pictures. Every picture of
// the installation places its items by these values, so an item always lies under its hot-spot.
// The hot-spot tables are the desktop's own (steps/hotspot_tables.h).
#include <QRect>
#include <array>

#include "steps/hotspot_tables.h"

namespace sample::layout {

constexpr int TwipsPerPixel = 15;
constexpr int ScreenW = 800; // design pixels
constexpr int ScreenH = 600;

// A rectangle in design twips.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    constexpr QRect px() const
    {
        return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel};
    }
};

// In pixels, a rectangle's twips as the step record stores them.
constexpr Twips twips(const QRect& px)
{
    return {px.x() * TwipsPerPixel, px.y() * TwipsPerPixel, px.width() * TwipsPerPixel,
            px.height() * TwipsPerPixel};
}

// The desktop above the task bar (the box of the desktop icons) and the task bar below it.
constexpr Twips DesktopBox{0, 0, 12000, 8490};
constexpr int TaskbarTop = 566; // pixels
// The Start button's hot-spot.
constexpr Twips StartButton{0, 8520, 1455, 495};
// The question panel docks over the desktop's bottom-right corner: nothing there can be clicked.
constexpr Twips PanelCorner{12000 - 4980, 9000 - 3630, 4980, 3630};

// Area boxes of the fixed hot-spot layout, and the hot-spots themselves: the desktop's own tables.
constexpr Twips twipsOf(const hotspots::Rect& r)
{
    return {int(r.left), int(r.top), int(r.width), int(r.height)};
}
constexpr Twips ToolBox = twipsOf(hotspots::ToolBox);         // the Explorer toolbar, 798 x 39 pixels
constexpr Twips TaskPaneBox = twipsOf(hotspots::TaskPaneBox); // the task pane, 197 x 445 pixels
constexpr Twips StartBox = twipsOf(hotspots::StartBox);       // the open Start menu, 378 x 479 pixels
constexpr Twips MyPcBox = twipsOf(hotspots::MyPcBox);         // the content of My Computer, 590 x 458 pixels
constexpr Twips DialogBox = twipsOf(hotspots::DialogBox);     // a Control Panel page, 800 x 457 pixels
constexpr Twips MenuBarAt{15, 405, 0, 0};                     // the menu bar's default place

// Toolbar hot-spots 11-23 inside ToolBox (24 and 25 lie beyond it and are not drawn).
struct ToolButton {
    int hotSpot;
    int left;
    int width;
};
constexpr std::array<ToolButton, 13> ToolButtons = [] {
    std::array<ToolButton, 13> out{};
    for (size_t i = 0; i < out.size(); ++i) {
        const hotspots::Spot& s = hotspots::Toolbar[i];
        out[i] = {s.n, int(s.r.left), int(s.r.width)};
    }
    return out;
}();
constexpr int ToolButtonTop = int(hotspots::Toolbar[0].r.top);
constexpr int ToolButtonHeight = int(hotspots::Toolbar[0].r.height);

// Desktop icon hot-spots 61-65 inside DesktopBox (66-70 lie above it).
struct DeskIconSpot {
    int hotSpot;
    int left;
    int top;
};
constexpr std::array<DeskIconSpot, 5> DeskIcons = [] {
    std::array<DeskIconSpot, 5> out{};
    for (size_t i = 0; i < out.size(); ++i) {
        const hotspots::Spot& s = hotspots::Desktop[i];
        out[i] = {s.n, int(s.r.left), int(s.r.top)};
    }
    return out;
}();
constexpr int DeskIconWidth = int(hotspots::Desktop[0].r.width);
constexpr int DeskIconHeight = int(hotspots::Desktop[0].r.height);

// Start-menu hot-spots 71-91 inside StartBox, My Computer hot-spots 92-102 inside MyPcBox.
struct Spot {
    int hotSpot;
    Twips rect;
};
template <size_t N> constexpr std::array<Spot, N> spotsOf(const std::array<hotspots::Spot, N>& table)
{
    std::array<Spot, N> out{};
    for (size_t i = 0; i < N; ++i)
        out[i] = {table[i].n, twipsOf(table[i].r)};
    return out;
}
constexpr std::array<Spot, 21> StartItems = spotsOf(hotspots::StartMenu);
constexpr std::array<Spot, 11> MyPcItems = spotsOf(hotspots::MyComputer);

// The Left of menu-bar title i (1-10) of application letter A-G inside the menu bar, its Top,
// Width and Height: the desktop's own title table (steps/menu_tables.h).
Twips menuTitle(char letter, int title);

// Where the desktop draws the underline of a hovered task-pane link, from the task pane's left edge.
constexpr int TaskPaneUnderlineLeft = 645;

// Task-pane link hot-spots 26-40 for a task-pane code (1, 3, or any other code: the base layout);
// a parked link has Top 9600.
Twips taskPaneLink(int code, int hotSpot);

// Control Panel page hot-spots 41-60 for the page digit 0 or 1; a parked item has Left -30.
Twips dialogItem(int digit, int hotSpot);

} // namespace sample::layout
