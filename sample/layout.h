#pragma once
// Where the chrome of the simulated desktop lies: the screen, the task bar, the question panel's
// corner, the area boxes and the hot-spots that the desktop lays over the pictures. Every picture of
// the installation places its items by these values, so an item always lies under its hot-spot.
// The hot-spot tables are the desktop's fixed layout; when the desktop's own tables are in the tree,
// this file takes them from there instead of holding them itself.
#include <QRect>
#include <array>

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

// Area boxes of the fixed hot-spot layout.
constexpr Twips ToolBox{0, 735, 11970, 585};        // the Explorer toolbar, 798 x 39 pixels
constexpr Twips TaskPaneBox{105, 1800, 2955, 6675}; // the task pane, 197 x 445 pixels
constexpr Twips StartBox{0, 1380, 5670, 7185};      // the open Start menu, 378 x 479 pixels
constexpr Twips MyPcBox{3150, 1680, 8850, 6870};    // the content of My Computer, 590 x 458 pixels
constexpr Twips DialogBox{0, 1680, 12000, 6855};    // a Control Panel page, 800 x 457 pixels
constexpr Twips MenuBarAt{15, 405, 0, 0};           // the menu bar's default place

// Toolbar hot-spots 11-23 inside ToolBox (Top 15, Height 570).
struct ToolButton {
    int hotSpot;
    int left;
    int width;
};
constexpr std::array<ToolButton, 13> ToolButtons{{{11, 30, 1185},
                                                  {12, 1215, 765},
                                                  {13, 1980, 480},
                                                  {14, 2580, 945},
                                                  {15, 3525, 1125},
                                                  {16, 4770, 480},
                                                  {17, 5250, 480},
                                                  {18, 5730, 480},
                                                  {19, 6330, 480},
                                                  {20, 6810, 480},
                                                  {21, 7410, 480},
                                                  {23, 7890, 585},
                                                  {22, 8505, 480}}};
constexpr int ToolButtonTop = 15;
constexpr int ToolButtonHeight = 570;

// Desktop icon hot-spots 61-65 inside DesktopBox (Width 780, Height 930).
struct DeskIconSpot {
    int hotSpot;
    int left;
    int top;
};
constexpr std::array<DeskIconSpot, 5> DeskIcons{
    {{61, 210, 30}, {62, 210, 1260}, {63, 210, 2460}, {64, 300, 3675}, {65, 210, 4890}}};
constexpr int DeskIconWidth = 780;
constexpr int DeskIconHeight = 930;

// Start-menu hot-spots 71-91 inside StartBox.
struct Spot {
    int hotSpot;
    Twips rect;
};
constexpr std::array<Spot, 21> StartItems{{
    {71, {2925, 5535, 2640, 360}}, {72, {2925, 5115, 2640, 360}}, {73, {2925, 4695, 2640, 360}},
    {74, {2925, 4155, 2640, 360}}, {75, {2925, 3735, 2640, 360}}, {76, {2925, 3315, 2640, 360}},
    {77, {2925, 2775, 2640, 360}}, {78, {2925, 2335, 2640, 360}}, {79, {2925, 1935, 2640, 360}},
    {80, {2925, 1515, 2640, 360}}, {81, {2925, 1095, 2640, 360}}, {82, {2685, 6630, 1215, 450}},
    {83, {3900, 6630, 1755, 450}}, {84, {105, 6120, 2610, 360}},  {85, {105, 4815, 2640, 540}},
    {86, {105, 4215, 2640, 540}},  {87, {105, 3615, 2640, 540}},  {88, {105, 3015, 2640, 540}},
    {89, {105, 2415, 2640, 540}},  {90, {105, 1695, 2640, 540}},  {91, {105, 1095, 2640, 540}},
}};

// My Computer hot-spots 92-102 inside MyPcBox.
constexpr std::array<Spot, 11> MyPcItems{{
    {92, {315, 615, 1455, 555}},
    {93, {2985, 615, 1725, 555}},
    {94, {5655, 615, 1905, 555}},
    {95, {240, 2145, 1980, 390}},
    {96, {2910, 2145, 1980, 390}},
    {97, {5580, 2145, 1980, 390}},
    {98, {240, 2985, 1980, 390}},
    {99, {240, 4320, 1980, 690}},
    {100, {2925, 4290, 2055, 720}},
    {101, {5585, 4455, 2160, 390}},
    {102, {255, 5775, 2055, 690}},
}};

// The Left of menu-bar title i (1-10) of application letter A-G inside the menu bar, its Top,
// Width and Height: the desktop's own title table (desktop/menu_tables.h).
Twips menuTitle(char letter, int title);

// Task-pane link hot-spots 26-40 for a task-pane code (1, 3, or any other code: the base layout);
// a parked link has Top 9600.
Twips taskPaneLink(int code, int hotSpot);

// Control Panel page hot-spots 41-60 for the page digit 0 or 1; a parked item has Left -30.
Twips dialogItem(int digit, int hotSpot);

} // namespace sample::layout
