#pragma once
// The keyboard shortcuts of the simulated applications' menu items, by item code (menu id and
// two-digit first-level row): the key judge accepts them for the menu paths of a step.
#include <array>
#include <string_view>

namespace desktop {

struct Shortcut {
    std::string_view item; // menu id and row, "A201"
    int keyCode;           // virtual-key code
    int shift;             // 1 Shift, 2 Ctrl, 4 Alt
};

inline constexpr std::array<Shortcut, 50> ShortcutTable{{
    {"A201", 90, 2},  {"B201", 90, 2}, {"D201", 90, 2}, {"G201", 90, 2},                  // Z
    {"A202", 88, 2},  {"B202", 88, 2}, {"D203", 88, 2}, {"G202", 88, 2},                  // X
    {"A203", 67, 2},  {"B203", 67, 2}, {"D204", 67, 2}, {"E201", 67, 2}, {"G203", 67, 2}, // C
    {"A204", 86, 2},  {"B106", 86, 2}, {"B204", 86, 2}, {"D108", 86, 2}, {"D205", 86, 2}, // V
    {"E202", 86, 2},  {"G105", 86, 2}, {"G204", 86, 2},                                   // V
    {"A208", 65, 2},  {"B210", 65, 2}, {"D207", 65, 2}, {"G207", 65, 2},                  // A
    {"B101", 78, 2},  {"D101", 78, 2}, {"G101", 78, 2},                                   // N
    {"B102", 79, 2},  {"D102", 79, 2}, {"G102", 79, 2},                                   // O
    {"B103", 83, 2},  {"D103", 83, 2}, {"G103", 83, 2},                                   // S
    {"B206", 70, 2},  {"G208", 70, 2},                                                    // F
    {"B208", 72, 2},  {"G210", 72, 2},                                                    // H
    {"D202", 89, 2},  {"D401", 82, 2}, {"D402", 87, 2}, {"D403", 73, 2}, {"D404", 69, 2}, // Y R W I E
    {"0418", 75, 2},                                                                      // Ctrl+K
    {"0306", 112, 2},                                                                     // Ctrl+F1
    {"D114", 115, 4},                                                                     // Alt+F4
    {"0517", 112, 1},                                                                     // Shift+F1
    {"0601", 118, 0},                                                                     // F7
    {"0608", 69, 3},                                                                      // Ctrl+Shift+E
    {"0901", 112, 0},                                                                     // F1
}};

} // namespace desktop
