#include "steps/hotspot_tables.h"

namespace hotspots {

Area areaOf(int n)
{
    if (n >= 1 && n <= 10) return Area::MenuBar;
    if (n >= 11 && n <= 25) return Area::Toolbar;
    if (n >= 26 && n <= 40) return Area::TaskPane;
    if (n >= 41 && n <= 60) return Area::Dialog;
    if (n >= 61 && n <= 70) return Area::Desktop;
    if (n >= 71 && n <= 91) return Area::StartMenu;
    if (n >= 92 && n <= 103) return Area::MyComputer;
    return Area::None;
}

const Spot* fixedSpot(int n)
{
    if (n >= 11 && n <= 25) return &Toolbar[size_t(n - 11)];
    if (n >= 61 && n <= 70) return &Desktop[size_t(n - 61)];
    if (n >= 71 && n <= 91) return &StartMenu[size_t(n - 71)];
    if (n >= 92 && n <= 102) return &MyComputer[size_t(n - 92)];
    return nullptr;
}

namespace {

// Top, Width, Height of links 26-40 (Left 210 throughout).
struct Link {
    double top, width, height;
};
constexpr double P = TaskPaneParked;

// The base layout: the pictures of codes 2 and 4.
constexpr std::array<Link, 15> PaneBase{{
    {540, 1740, 300},  // 26
    {840, 1560, 300},  // 27
    {1140, 1560, 300}, // 28
    {1440, 2280, 300}, // 29
    {1740, 2280, 435}, // 30, two lines
    {2160, 1560, 300}, // 31
    {2460, 1560, 300}, // 32
    {3615, 1740, 300}, // 33
    {3915, 1200, 300}, // 34
    {4215, 1200, 300}, // 35
    {4515, 1200, 300}, // 36
    {4815, 1200, 300}, // 37
    {P, 1560, 300},    // 38
    {5535, 2640, 300}, // 39
    {P, 1560, 300},    // 40
}};

// Code 1: new folder (26), publish to the Web (30), share (27); places 33-37; Details (39).
constexpr std::array<Link, 15> Pane1{{
    {540, 1920, 300},
    {1260, 1560, 300},
    {P, 1560, 300},
    {P, 2280, 300},
    {840, 2100, 435},
    {P, 1560, 300},
    {P, 1560, 300},
    {2415, 1200, 300},
    {2715, 1200, 300}, // 34-37 follow 33 at a pitch of 300
    {3015, 1200, 300},
    {3315, 1200, 300},
    {3615, 1200, 300},
    {P, 1560, 300},
    {4380, 2640, 300},
    {P, 1560, 300},
}};

constexpr std::array<Link, 15> Pane3{{
    {540, 1920, 300},
    {840, 1740, 300},
    {1140, 1740, 300},
    {1860, 1560, 300},
    {1440, 2100, 435},
    {P, 1560, 300},
    {2580, 1740, 300},
    {3735, 1740, 300},
    {4035, 1200, 300}, // 34-37 follow 33 at a pitch of 300
    {4335, 1200, 300},
    {4635, 1200, 300},
    {4935, 1200, 300},
    {2160, 2280, 300},
    {5535, 2640, 300},
    {P, 1560, 300},
}};

// Layout 0: two columns of five items (Left 3360 and 3360 + 3585, Top 810 + 930 per row,
// Width 975 + 195 per character) and the see-also column (Width 390 + 180 per character).
constexpr std::array<Rect, 14> Dialog0{{
    {3360, 810, 975 + 195 * 5, 855},     // 41
    {6945, 810, 975 + 195 * 8, 855},     // 42
    {3360, 1740, 975 + 195 * 10.5, 855}, // 43: 3022.5
    {6945, 1740, 975 + 195 * 4, 855},    // 44
    {3360, 2670, 975 + 195 * 6.5, 855},  // 45: 2242.5
    {6945, 2670, 975 + 195 * 13, 855},   // 46
    {3360, 3600, 975 + 195 * 10, 855},   // 47
    {6945, 3600, 975 + 195 * 6, 855},    // 48
    {3360, 4530, 975 + 195 * 5, 855},    // 49
    {6945, 4530, 975 + 195 * 4, 855},    // 50
    {375, 765, 390 + 180 * 7, 330},      // 51 stands apart, far above 52
    {375, 1935, 390 + 180 * 7, 330},     // 52
    {375, 2235, 390 + 180 * 5, 330},     // 53
    {375, 2535, 390 + 180 * 8, 330},     // 54
}};

// Layout 1, the page "Appearance and Themes": four tasks (41-44), three icons (45 and 46 on one
// row, 47 below 45), three 15-twip slivers (48-50), see-also links (51-54) and two
// troubleshooters (55, 56) 855 below their column places.
constexpr std::array<Rect, 16> Dialog1{{
    {3345, 1410, 435 + 195 * 8, 450},  // 41
    {3345, 1860, 435 + 195 * 6, 450},  // 42
    {3345, 2310, 435 + 195 * 10, 450}, // 43
    {3345, 2760, 435 + 195 * 7, 450},  // 44
    {3345, 4080, 720 + 195 * 10, 690}, // 45
    {3360 + 2745, 4080, 720 + 195 * 5, 690},
    {3345, 4080 + 690, 720 + 195 * 2, 690},
    {3345, 4560, 15, 450}, // 48
    {3345, 5010, 15, 450}, // 49
    {3345, 5460, 15, 450}, // 50
    {375, 660, 390 + 180 * 2, 330},
    {375, 960, 390 + 180 * 4, 330},
    {375, 1260, 390 + 180 * 4, 330},
    {375, 1560, 390 + 180 * 6, 330},
    {375, 1860 + 855, 390 + 180 * 2, 330},
    {375, 2160 + 855, 390 + 180 * 2, 330},
}};

void putScaled(int n, const Rect& r, double sx, double sy, Offset at, const Put& put)
{
    put(n, at.x + r.left * sx, at.y + r.top * sy, r.width * sx, r.height * sy);
}

template <size_t N>
void layoutTable(const std::array<Spot, N>& t, double sx, double sy, Offset at, const Put& put)
{
    for (const Spot& s : t)
        putScaled(s.n, s.r, sx, sy, at, put);
}

} // namespace

Rect taskPaneLink(int code, int n)
{
    if (n < 26 || n > 40) return {};
    const auto& t = code == 1 ? Pane1 : code == 3 ? Pane3 : PaneBase;
    const Link& l = t[size_t(n - 26)];
    return {210, l.top, l.width, l.height};
}

Rect dialogItem(int digit, int n)
{
    if (digit == 0 && n >= 41 && n <= 54) return Dialog0[size_t(n - 41)];
    if (digit == 1 && n >= 41 && n <= 56) return Dialog1[size_t(n - 41)];
    return DialogParked;
}

void layoutToolbar(double sx, double sy, Offset at, const Put& put)
{
    layoutTable(Toolbar, sx, sy, at, put);
}

void layoutDesktop(double sx, double sy, Offset at, const Put& put)
{
    layoutTable(Desktop, sx, sy, at, put);
}

void layoutStartMenu(double sx, double sy, Offset at, const Put& put)
{
    layoutTable(StartMenu, sx, sy, at, put);
}

void layoutMyComputer(double sx, double sy, Offset at, const Put& put)
{
    layoutTable(MyComputer, sx, sy, at, put);
}

void layoutTaskPane(int code, double sx, double sy, Offset at, const Put& put)
{
    for (int n = 26; n <= 40; ++n)
        putScaled(n, taskPaneLink(code, n), sx, sy, at, put);
}

void layoutDialog(int digit, double sx, double sy, Offset at, const Put& put)
{
    for (int n = 41; n <= 60; ++n)
        putScaled(n, dialogItem(digit, n), sx, sy, at, put);
}

void layoutFixedOnForm(double sx, double sy, Offset tool, Offset start, Offset myPc, const Put& put)
{
    layoutToolbar(sx, sy, tool, put);
    layoutDesktop(sx, sy, {}, put);
    layoutStartMenu(sx, sy, start, put);
    layoutMyComputer(sx, sy, myPc, put);
    putScaled(WholeDesktop, DesktopBox, sx, sy, {}, put);
    putScaled(WholeMyComputer, MyComputerWindow, sx, sy, {}, put);
}

} // namespace hotspots
