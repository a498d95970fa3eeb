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

// Toolbar hot-spots 11-25 inside ToolBox; 24 and 25 lie beyond the box's right edge.
extern const std::array<Spot, 15> Toolbar;
// Desktop hot-spots 61-70 inside DesktopBox; 66-70 lie above the box.
extern const std::array<Spot, 10> Desktop;
// Start-menu hot-spots 71-91 inside StartBox.
extern const std::array<Spot, 21> StartMenu;
// My Computer hot-spots 92-102 inside MyPcBox (95-99: the drives C, D, E, F, A).
extern const std::array<Spot, 11> MyComputer;

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

} // namespace hotspots
