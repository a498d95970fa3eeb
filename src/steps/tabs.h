#pragma once
// The simulated tab dialog's rules: the built-in templates read by their columns, and the places of
// the tab labels and the back button as rectangles, for both desktops.
#include <QString>
#include <array>

#include "steps/hotspot_tables.h"
#include "steps/step.h"

namespace steps {

using Rect = hotspots::Rect;

// The built-in template of a letter "A"-"N" as text; empty for any other character.
QString tabTemplateText(QChar letter);

// Fields of a template (design twips relative to the overlay that holds the dialog).
int tabCount(const QString& tpl);             // column 2: "1"-"9", "A"-"D" 10-13
QString tabPage(const QString& tpl, int tab); // the page picture code of tab 1..n
inline constexpr int TabLabels = 14;          // LblXXK(0) the back button, 1-13 the tabs
inline constexpr int LastRowWidth = 990;      // a tab that ends a row of two

// The labels of a tab dialog in screen twips: element 0 the template's back button, 1..count the
// tabs (labels beyond count are not placed), and the row of a two-row template that holds the
// shown tab (lying 300 lower, against the page).
struct TabLayout {
    int count = 0;
    int row = 1;
    std::array<Rect, TabLabels> labels{};
};
TabLayout layoutTabs(const QString& tpl, int shown, double sx, double sy, double pageLeft, double pageTop);
// The Tops of tabs 1..count for `row` shown (two-row templates of ten or more tabs).
void placeRows(TabLayout& layout, const QString& tpl, int row, double sy, double pageTop);

// The back button of a backSpec: at pointSpec in form twips, 1095 x 285 design twips.
Rect backButton(const Step& step, double sx, double sy);
// The number of steps a back button goes back: the last character of its key, "0" counting as 1;
// without a "Q" key one step.
int backCount(const QString& backKey);

// The hint of a tab dialog shown on another page than the expected one.
QString chooseTabHint(int expected);

} // namespace steps
