#pragma once
// The fixed tables of the simulated drop-down menus and menu-bar titles, and the layout procedures
// that turn them into row and title rectangles. Written once, as data, for every user: the
// candidate's desktop (rows relative to their panel, no offset), the demonstration desktop (rows on
// the form: it passes the panel's position as the offset) and the sample generator, which draws the
// pictures the rows lie over.
//
// Values in the tables are design twips of the 12000 x 9000 screen. The procedures multiply them by
// the scale factors they are given (horizontal values by sx, vertical ones by sy) and round only where
// the placement rounds: row Tops of a group layout are whole twips, everything else is exact.
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

#include "steps/hotspot_tables.h"
#include "steps/step.h"

namespace menus {

// A rectangle in screen twips (design twips times the scale factors, plus any offset): the hot-spot
// tables' rectangle.
using Box = hotspots::Rect;

// Where the procedures put rows they do not use: out of reach, no size. Not scaled.
inline constexpr Box Parked{-100, -100, 0, 0};

// An offset in screen twips added to every row (the panel's position on the demonstration desktop).
using Offset = hotspots::Offset;

// Which desktop a layout is for: a few widths differ on the demonstration desktop.
enum class Desk { Candidate, Demonstration };

inline constexpr int MaxRows1 = 44;       // row labels of the first level
inline constexpr int MaxRows2 = MaxRows1; // and of the second
inline constexpr int MaxRows3 = 9;
inline constexpr int MaxGroupRows = 20; // a group layout places at most this many rows

// Rows 1..N of one level (element 0 unused); rows a layout does not place hold Parked (+ offset).
template <int N> using Rows = std::array<Box, N + 1>;

// ---- Group layouts --------------------------------------------------------------------------------
// A GroupLayout text: one character per group of rows, top to bottom ("1"-"9" rows, "0" and other
// characters none; "B" 11 rows in the second level only). Every group is followed by a gap (150 in
// the first level at pitch 330, 135 otherwise). Rows beyond the twentieth are not placed.
enum class Level { First, Second };
int groupRowCount(QStringView layout, Level level);
// Places rows 1..n (n = the layout's rows, at most 20) into `rows`, leaving the others as they are:
// Left 45, Top from the whole-twip table of Tops, the given width, and the pitch as height (first
// level) or 270 (second level).
void placeGroups(Rows<MaxRows1>& rows, QStringView layout, int width, int pitch, Level level, double sx,
                 double sy);

// ---- First level ----------------------------------------------------------------------------------
// One drop-down of the MenuTable: a group layout, or one of the fixed row lists ("80", "84", "Z3",
// "S5", "S6").
struct MenuEntry {
    const char* id;
    const char* layout; // nullptr for a fixed list
    int rows;
    int width;
    int height;
    int demoWidth; // the demonstration desktop's width where it differs, else 0
};
// The MenuTable entry of a drop-down id, compared exactly; none for ids without rows ("71" .. "91"
// except "80" and "84", and every id the table does not hold).
const MenuEntry* menuEntry(QStringView menuId);
// The rows of the first-level drop-down `menuId`, relative to its panel plus the offset.
Rows<MaxRows1> firstLevelRows(QStringView menuId, double sx, double sy, Desk desk = Desk::Candidate,
                              Offset offset = {});

// ---- Second and third level -----------------------------------------------------------------------
// The key of a second level: the menu id and the first-level row as two digits (last two digits of
// a row of 100 or more).
QString secondLevelKey(QStringView menuId, int row1);
// The 29 keys that open a second level, as one list.
inline constexpr char SecondLevelKeys[] = "A104-A110-A111-A112-A301-A303-A309-A312-A403-6901-6906-8401-8408-"
                                          "8409-8410-Z301-Z306-Z308-S105-S107-S206-9206-9306-9406-F302-"
                                          "C313-C502-C503-D305";
bool hasSecondLevel(QStringView key);
// The rows of the second-level drop-down of `key` (parked throughout for a key without one).
Rows<MaxRows2> secondLevelRows(QStringView key, double sx, double sy, Desk desk = Desk::Candidate,
                               Offset offset = {});
// The third level exists only under All Programs: menu "84", first-level row 10, second-level rows 1-4.
bool opensThirdLevel(QStringView menuId, int row1, int row2);
// The nine rows of a third-level drop-down.
Rows<MaxRows3> thirdLevelRows(double sx, double sy, Desk desk = Desk::Candidate, Offset offset = {});

// ---- Picture names (desktop pictures, without ".rar") ---------------------------------------------
// The picture code of a menu id's first-level panel: the id itself, except the drop-downs that share
// another's pictures: 63 (62's), 92-94 (S2's), 95-99 and Z0, hot-spot 100 (95's).
QString firstLevelPanelCode(QStringView menuId);
// The first-level panel picture of a menu id: its panel code & "0077".
QString firstLevelPanel(QStringView menuId);
// The hovered look of first-level row `row`: row code & two-digit row & "00". appLetter stands for
// the menu ids "01" .. "09".
QString firstLevelRowPicture(QStringView menuId, int row, QChar appLetter);
// The second-level panel of a key: its own or a shared one (key & "77").
QString secondLevelPanel(QStringView key);
// The hovered look of second-level row `row` under `key`.
QString secondLevelRowPicture(QStringView key, int row);
// The third-level panel under second-level row `row2` ("SS0" & row & "77") and its hovered rows.
QString thirdLevelPanel(int row2);
QString thirdLevelRowPicture(int row2, int row);

// ---- Menu-bar titles ------------------------------------------------------------------------------
// The menu-bar titles in the hot-spot numbering: hot-spots 1 to 10 of the menu-bar box.
inline constexpr int FirstTitleHotSpot = 1, LastTitleHotSpot = 10;
// The default place of the menu-bar box.
inline constexpr double MenuBarLeft = 15, MenuBarTop = 405;
// The menu-bar box's place for a step, design twips: where the record places it ("W" in the point
// field), otherwise the default.
Offset menuBarPlace(const steps::Step& step);
// The ten title hot-spots of application letter "A" .. "G" (element 0 unused), relative to the box
// plus the offset; none for any other letter.
std::optional<std::array<Box, LastTitleHotSpot + 1>> menuTitles(QChar letter, double sx, double sy,
                                                                Offset offset = {});

} // namespace menus
