#pragma once
// The hot-spot numbering of the simulated desktop and the fixed geometry of its areas: the
// Explorer toolbar, the desktop icons, the Start menu, the My Computer window, the task-pane links
// and the two Control Panel layouts. All values are design twips of the 800 x 600 design screen
// (half twips included); the layout procedures scale them and add the offset of the box the
// caller's hot-spots lie in, so the candidate's desktop (hot-spots inside their boxes, offset 0)
// and the demonstration desktop (hot-spots on the form, offset = the box's place) share one table.
// The sample generator draws the pictures under these same values.
#include <array>
#include <functional>

namespace hotspots {

// A rectangle in design twips.
struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// One hot-spot of a table.
struct Spot {
    int n = 0;
    Rect r;
};

// The areas of the numbering.
enum class Area { None, MenuBar, Toolbar, TaskPane, Dialog, Desktop, StartMenu, MyComputer };
// 1-10 menu bar, 11-25 toolbar, 26-40 task pane, 41-60 dialog, 61-70 desktop, 71-91 Start menu,
// 92-103 My Computer (103, the whole window, exists on the demonstration desktop only).
Area areaOf(int n);

// The numbers that stand for a whole area in step targets.
constexpr int WholeToolbar = 25;
constexpr int WholeDesktop = 69;
constexpr int WholeMyComputer = 103;

// Area boxes and their places on the form.
constexpr Rect ToolBox{0, 735, 11970, 585};        // the Explorer toolbar, 798 x 39 pixels
constexpr Rect TaskPaneBox{105, 1800, 2955, 6675}; // the task pane, 197 x 445 pixels
constexpr Rect DesktopBox{0, 0, 12000, 8490};      // the desktop with its icons, 800 x 566 pixels
constexpr Rect StartBox{0, 1380, 5670, 7185};      // the open Start menu, 378 x 479 pixels
constexpr Rect MyPcBox{3150, 1680, 8850, 6870};    // the content of My Computer, 590 x 458 pixels
constexpr Rect DialogBox{0, 1680, 12000, 6855};    // a Control Panel page, 800 x 457 pixels
// The Start button on the task bar (it reaches 15 twips below the design screen).
constexpr Rect StartButton{0, 8520, 1455, 495};
// Hot-spot 103 of the demonstration desktop: the whole My Computer window, on the form.
constexpr Rect MyComputerWindow{3150, 1680, 8820, 6870};

// The four fixed tables, box-relative: toolbar 11-25 (24 and 25 beyond the box's right edge),
// desktop 61-70 (66-70 above the box), Start menu 71-91, My Computer 92-102 (95-99 the drives
// C, D, E, F, A).
// Every toolbar hot-spot is 570 high at Top 15. The numbers do not follow the buttons' order:
// Views (23) lies between Properties (21) and Folder Options (22).
inline constexpr std::array<Spot, 15> Toolbar{{
    {11, {30, 15, 1185, 570}},   // Back, with its drop-down arrow
    {12, {1215, 15, 765, 570}},  // Forward, with its drop-down arrow
    {13, {1980, 15, 480, 570}},  // Up
    {14, {2580, 15, 945, 570}},  // Search
    {15, {3525, 15, 1125, 570}}, // Folders
    {16, {4770, 15, 480, 570}},  // Cut
    {17, {5250, 15, 480, 570}},  // Copy
    {18, {5730, 15, 480, 570}},  // Paste
    {19, {6330, 15, 480, 570}},  // Undo
    {20, {6810, 15, 480, 570}},  // Delete
    {21, {7410, 15, 480, 570}},  // Properties
    {22, {8505, 15, 480, 570}},  // Folder Options
    {23, {7890, 15, 585, 570}},  // Views, with its drop-down arrow
    {24, {14370, 15, 480, 570}}, // parked right of the toolbar
    {25, {14370, 15, 480, 570}}, // parked; the name of the whole toolbar
}};

inline constexpr std::array<Spot, 10> Desktop{{
    {61, {210, 30, 780, 930}},    // My Documents
    {62, {210, 1260, 780, 930}},  // My Computer
    {63, {210, 2460, 780, 930}},  // My Network Places
    {64, {300, 3675, 780, 930}},  // Recycle Bin
    {65, {210, 4890, 780, 930}},  // Internet Explorer
    {66, {210, -1050, 780, 930}}, // 66-70 parked above the desktop; 69 names the whole desktop
    {67, {210, -1050, 780, 930}},
    {68, {210, -1050, 780, 930}},
    {69, {210, -1050, 780, 930}},
    {70, {210, -1050, 780, 930}},
}};

// The right column (71-81) counts from the bottom up and is not evenly spaced; the left column's
// Tops are 4815 - 600 * (n - 85) except the two pinned items 90 and 91.
inline constexpr std::array<Spot, 21> StartMenu{{
    {71, {2925, 5535, 2640, 360}}, // Run
    {72, {2925, 5115, 2640, 360}}, // Search
    {73, {2925, 4695, 2640, 360}}, // Help and Support
    {74, {2925, 4155, 2640, 360}}, // Printers and Faxes
    {75, {2925, 3735, 2640, 360}}, // Set Program Access and Defaults
    {76, {2925, 3315, 2640, 360}}, // Control Panel
    {77, {2925, 2775, 2640, 360}}, // My Computer
    {78, {2925, 2335, 2640, 360}}, // My Music
    {79, {2925, 1935, 2640, 360}}, // My Pictures
    {80, {2925, 1515, 2640, 360}}, // My Recent Documents (opens its list)
    {81, {2925, 1095, 2640, 360}}, // My Documents
    {82, {2685, 6630, 1215, 450}}, // Log Off
    {83, {3900, 6630, 1755, 450}}, // Turn Off Computer
    {84, {105, 6120, 2610, 360}},  // All Programs (opens its list)
    {85, {105, 4815, 2640, 540}},  // Word
    {86, {105, 4215, 2640, 540}},  // Excel
    {87, {105, 3615, 2640, 540}},  // Tour Windows XP
    {88, {105, 3015, 2640, 540}},  // Windows Messenger
    {89, {105, 2415, 2640, 540}},  // Windows Media Player
    {90, {105, 1695, 2640, 540}},  // E-mail, pinned
    {91, {105, 1095, 2640, 540}},  // Internet, pinned
}};

inline constexpr std::array<Spot, 11> MyComputer{{
    {92, {315, 615, 1455, 555}},    // Shared Documents
    {93, {2985, 615, 1725, 555}},   // a user's documents
    {94, {5655, 615, 1905, 555}},   // a user's documents
    {95, {240, 2145, 1980, 390}},   // C:
    {96, {2910, 2145, 1980, 390}},  // D:
    {97, {5580, 2145, 1980, 390}},  // E:
    {98, {240, 2985, 1980, 390}},   // F:
    {99, {240, 4320, 1980, 690}},   // A: (floppy)
    {100, {2925, 4290, 2055, 720}}, // G: (CD)
    {101, {5585, 4455, 2160, 390}}, // I: (removable)
    {102, {255, 5775, 2055, 690}},  // My Sharing Folders
}};

// A spot of one of the four fixed tables (11-25, 61-70, 71-91, 92-102), box-relative; nullptr
// for any other number.
const Spot* fixedSpot(int n);

// Task-pane links 26-40 inside TaskPaneBox for a task-pane code (the window digit divided by 2):
// codes 1 and 3 have layouts of their own, every other code the base layout. A link the layout does
// not use lies at Top TaskPaneParked, below the box.
constexpr double TaskPaneParked = 9600;
Rect taskPaneLink(int code, int n);

// Dialog items 41-60 inside the dialog box for a layout digit (0 or 1); every item of another
// digit, and every item a layout does not use, is DialogParked, outside the box's upper left
// corner.
constexpr Rect DialogParked{-30, -30, 15, 15};
Rect dialogItem(int digit, int n);

// The drive letters of hot-spots 95-99, in order.
constexpr char DriveLetters[] = "CDEFA";
// The My Computer hot-spot of a drive letter (95-99); 0 for any other character.
constexpr int driveHotSpot(char letter)
{
    for (int i = 0; DriveLetters[i]; ++i)
        if (DriveLetters[i] == letter) return 95 + i;
    return 0;
}

// ---- Layout procedures ------------------------------------------------------------------------
// Each calls put(n, left, top, width, height) for every hot-spot of its area, in number order, with
// the design values multiplied by sx (left, width) and sy (top, height) and the offset (already in
// the caller's units) added to left and top.
using Put = std::function<void(int n, double left, double top, double width, double height)>;
struct Offset {
    double x = 0;
    double y = 0;
};
void layoutToolbar(double sx, double sy, Offset at, const Put& put);
void layoutDesktop(double sx, double sy, Offset at, const Put& put);
void layoutStartMenu(double sx, double sy, Offset at, const Put& put);
void layoutMyComputer(double sx, double sy, Offset at, const Put& put);
void layoutTaskPane(int code, double sx, double sy, Offset at, const Put& put);
void layoutDialog(int digit, double sx, double sy, Offset at, const Put& put);
// The four fixed areas of a desktop whose hot-spots lie on the form (the demonstration desktop):
// toolbar, Start menu and My Computer shifted by their boxes' places (in the caller's units), the
// desktop icons unshifted, then 69 over the whole desktop and 103 over the whole My Computer
// window, so a pointer can aim at either area as a whole.
void layoutFixedOnForm(double sx, double sy, Offset tool, Offset start, Offset myPc, const Put& put);

} // namespace hotspots
