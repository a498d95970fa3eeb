// The step library's rules behind a render and a hot-spot click, as tables of cases: what a click on
// each area's hot-spots shows on the candidate's desktop and in the demonstration, where the panel
// opens and which edges it keeps inside, the desktop pictures' folder and files, and the numbers the
// renders place controls by.
#include <gtest/gtest.h>

#include "steps/desk_pictures.h"
#include "steps/dropdown.h"
#include "steps/step.h"
#include "support/step_record.h"

using steps::PanelAt;
using steps::PanelEdges;
using steps::SpotClick;
using steps::SpotMark;
namespace col = testkit::col;

namespace {

const char* clickName(SpotClick c)
{
    return c == SpotClick::Left ? "left" : c == SpotClick::Other ? "other" : "demonstration";
}

} // namespace

TEST(HotSpotClicks, WhatEachAreaShowsForEveryClick)
{
    constexpr auto Left = SpotClick::Left, Other = SpotClick::Other, Demo = SpotClick::Demonstration;
    constexpr auto NoMark = SpotMark::None, Title = SpotMark::Title, Tool = SpotMark::ToolbarButton,
                   Icon = SpotMark::DesktopIcon, Start = SpotMark::StartItem, MyPc = SpotMark::MyComputerItem;
    constexpr auto Under = PanelAt::UnderSpot, Bar = PanelAt::UnderMenuBar, Centre = PanelAt::AtCentre,
                   Fixed = PanelAt::Fixed;
    constexpr auto NoEdges = PanelEdges::None, Form = PanelEdges::Form, Bounds = PanelEdges::TitleBounds;
    struct Case {
        int n;
        SpotClick click;
        const char* pane; // paneCode; the window is letter A's throughout
        SpotMark mark;
        const char* look;
        const char* panel; // "" no panel
        PanelAt at;
        PanelEdges edges;
        bool rows;
    } cases[] = {
        // The candidate's left release.
        {3, Left, "00", Title, "A30088", "A30077", Bar, NoEdges, true},
        {10, Left, "00", Title, "100088", "100077", Bar, NoEdges, true},
        {17, Left, "00", Tool, "170099", "", Under, NoEdges, true},
        {23, Left, "00", Tool, "230099", "230077", Under, NoEdges, true},
        {33, Left, "00", NoMark, "", "", Under, NoEdges, false},
        {45, Left, "N1", NoMark, "", "", Under, NoEdges, false},
        {62, Left, "00", Icon, "620099", "", Under, NoEdges, false},
        {69, Left, "00", NoMark, "", "", Under, NoEdges, false},
        {70, Left, "00", NoMark, "", "", Under, NoEdges, false},
        {75, Left, "00", NoMark, "", "", Under, NoEdges, false},
        {80, Left, "00", NoMark, "", "800077", Fixed, NoEdges, true},
        {84, Left, "00", NoMark, "", "840077", Fixed, NoEdges, true},
        {95, Left, "PC", MyPc, "950099", "", Under, NoEdges, false},
        {100, Left, "PC", MyPc, "Z00099", "", Under, NoEdges, false},
        {102, Left, "PC", MyPc, "Z20099", "", Under, NoEdges, false},
        // The candidate's release of another button: object menus of icons and of My Computer.
        {3, Other, "00", NoMark, "", "", Under, NoEdges, false},
        {23, Other, "00", NoMark, "", "", Under, NoEdges, false},
        {61, Other, "00", Icon, "610099", "610077", Centre, NoEdges, true},
        {63, Other, "00", Icon, "630099", "620077", Centre, NoEdges, true},
        {93, Other, "PC", MyPc, "930099", "S20077", Centre, Form, true},
        {100, Other, "PC", MyPc, "Z00099", "950077", Centre, Form, true},
        {101, Other, "PC", NoMark, "", "", Under, NoEdges, false},
        // The demonstration's click on a menu step's hot-spot.
        {3, Demo, "00", Title, "A30088", "A30077", Under, Bounds, true},
        {2, Demo, "S5", SpotMark::TitleEmptied, "", "S50077", Under, Bounds, true},
        {1, Demo, "S1", SpotMark::Object, "OBJ001", "S10077", Centre, Bounds, true},
        {17, Demo, "00", Tool, "170099", "", Under, NoEdges, true},
        {23, Demo, "00", Tool, "230099", "230077", Under, NoEdges, true},
        {33, Demo, "00", NoMark, "", "", Under, NoEdges, false},
        {63, Demo, "00", NoMark, "", "620077", Centre, NoEdges, true},
        {69, Demo, "00", NoMark, "", "690077", Centre, NoEdges, true},
        {70, Demo, "00", NoMark, "", "700077", Fixed, NoEdges, true},
        {75, Demo, "00", Start, "750088", "", Under, NoEdges, false},
        {84, Demo, "00", Start, "840088", "840077", Fixed, NoEdges, true},
        {95, Demo, "PC", MyPc, "950099", "950077", Centre, Form, true},
        {101, Demo, "PC", MyPc, "Z10099", "", Under, NoEdges, false},
        {103, Demo, "PC", NoMark, "", "Z30077", Centre, Form, true},
        {104, Demo, "PC", NoMark, "", "", Under, NoEdges, false},
    };
    const auto response = [](int n, SpotClick click, const char* pane) {
        testkit::StepRecord r;
        r.set(col::PaneCode, QString::fromLatin1(pane)).set(col::WinCode, QStringLiteral("A1"));
        r.set(col::PointSpec, QStringLiteral("OBJ001"));
        return steps::spotResponse(n, click, steps::Step(r.str()));
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "hot-spot " << c.n << ", " << clickName(c.click) << ", pane " << c.pane);
        const steps::SpotResponse got = response(c.n, c.click, c.pane);
        EXPECT_EQ(got.mark, c.mark);
        EXPECT_EQ(got.look, QString::fromLatin1(c.look));
        EXPECT_EQ(got.panel, QString::fromLatin1(c.panel));
        EXPECT_EQ(got.rows, c.rows);
        if (got.panel.isEmpty()) continue;
        EXPECT_EQ(got.at, c.at);
        EXPECT_EQ(got.edges, c.edges);
    }
    // The fixed places: the Start menu's two lists and the Start button's own menu.
    const auto fixedAt = [&](int n, SpotClick click) {
        const steps::Place p = response(n, click, "00").fixed;
        return std::pair{p.left, p.top};
    };
    EXPECT_EQ(fixedAt(80, Left), (std::pair{5535, 2890}));
    EXPECT_EQ(fixedAt(84, Left), (std::pair{2160, 2565}));
    EXPECT_EQ(fixedAt(84, Demo), (std::pair{2160, 2565}));
    EXPECT_EQ(fixedAt(70, Demo), (std::pair{360, 6600}));
    // A title's id takes the window's letter: Notepad's title 3 is B3.
    testkit::StepRecord notepad;
    notepad.set(col::WinCode, QStringLiteral("B1"));
    EXPECT_EQ(steps::spotResponse(3, Left, steps::Step(notepad.str())).panel, "B30077");
}

TEST(HotSpotClicks, WhereThePanelOpens)
{
    const steps::Rect spot{1000, 420, 885, 270}, bar{15, 405, 3240, 285};
    auto place = [&](PanelAt at, PanelEdges edges, const steps::Rect& s, double sx = 1, double sy = 1,
                     steps::Place fixed = {}) {
        steps::SpotResponse r;
        r.at = at;
        r.edges = edges;
        r.fixed = fixed;
        return steps::panelPlace(r, s, bar, 2000, 3000, 12000, 9000, sx, sy);
    };
    // Under the menu bar at the title's Left; under the hot-spot; at its centre; at a fixed place,
    // scaled.
    EXPECT_EQ(place(PanelAt::UnderMenuBar, PanelEdges::None, spot), (steps::Rect{1000, 690, 2000, 3000}));
    EXPECT_EQ(place(PanelAt::UnderSpot, PanelEdges::None, spot), (steps::Rect{1000, 690, 2000, 3000}));
    EXPECT_EQ(place(PanelAt::AtCentre, PanelEdges::None, spot), (steps::Rect{1442.5, 555, 2000, 3000}));
    EXPECT_EQ(place(PanelAt::Fixed, PanelEdges::None, spot, 0.8, 0.8, {2160, 2565}),
              (steps::Rect{1728, 2052, 2000, 3000}));
    // The form's edges are strict: a panel ending on the form's edge stays, one twip further flips.
    const steps::Rect onEdge{9000, 5000, 2000, 2000}; // centre 10000, 6000
    EXPECT_EQ(place(PanelAt::AtCentre, PanelEdges::Form, onEdge), (steps::Rect{10000, 6000, 2000, 3000}));
    const steps::Rect past{9002, 5002, 2000, 2000};
    EXPECT_EQ(place(PanelAt::AtCentre, PanelEdges::Form, past), (steps::Rect{8002, 3002, 2000, 3000}));
    // A title's panel on the demonstration desktop: left of and above the title from 12300 x 8820 on.
    const steps::Rect far{10300, 5820, 885, 270};
    EXPECT_EQ(place(PanelAt::UnderSpot, PanelEdges::TitleBounds, far), (steps::Rect{8300, 2820, 2000, 3000}));
    EXPECT_EQ(place(PanelAt::UnderSpot, PanelEdges::TitleBounds, spot), (steps::Rect{1000, 690, 2000, 3000}));
    // The candidate's title panel keeps no edges, wherever the bar is.
    EXPECT_EQ(place(PanelAt::UnderMenuBar, PanelEdges::None, far), (steps::Rect{10300, 690, 2000, 3000}));
}

TEST(DeskPictures, TheFolderAndItsFiles)
{
    EXPECT_EQ(steps::desk::folder(QStringLiteral("/opt/kaoshi")), "/opt/kaoshi/examdata/");
    EXPECT_EQ(steps::desk::folder(QStringLiteral("/opt/kaoshi/")), "/opt/kaoshi/examdata/");
    const QString folder = steps::desk::folder(QStringLiteral("/opt/kaoshi"));
    EXPECT_EQ(steps::desk::file(folder, QStringLiteral("1100W1")), "/opt/kaoshi/examdata/1100W1.rar");
    EXPECT_EQ(steps::desk::file(QStringLiteral("/opt/kaoshi/examdata"), QStringLiteral("A30088")),
              "/opt/kaoshi/examdata/A30088.rar");
    // A name that is not letters and digits names no file: nothing outside the folder is read.
    for (const char* name : {"", "../x", "a/b", "A 3", "A3.rar", "图片"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(steps::desk::file(folder, QString::fromUtf8(name)).isEmpty());
    }
}

// The numbers the renders place and format controls by: each read from its own columns, none where
// it does not fit 16 bits, 0 past the end of a short record.
TEST(StepView, TheNumbersOfTheRendersFields)
{
    testkit::StepRecord r;
    r.action(QStringLiteral("L012"));
    r.mainRect(1200, '3', 2400, 900, 450);
    r.setRect(col::EditRect, 300, '0', 600, 3000, 285);
    r.setRect(col::AuxRect, 4500, '0', 5100, 600, 330);
    r.setSlot(col::Slot3, 1500, '0', 1800, QStringLiteral("P00003"));
    r.setNumber(col::TextLine, 3, 2).setNumber(col::HintPos, 5, 7000).setNumber(col::HintPos + 5, 5, 8000);
    r.set(col::EditFormat, QStringLiteral("0105R 1234"));
    const steps::Step s(r.str());
    auto expectNumbers = [](const steps::Step::Numbers& n, std::optional<int> l, std::optional<int> t,
                            std::optional<int> w, std::optional<int> h) {
        EXPECT_EQ(n.left, l);
        EXPECT_EQ(n.top, t);
        EXPECT_EQ(n.width, w);
        EXPECT_EQ(n.height, h);
    };
    expectNumbers(s.mainNumbers(), 1200, 2400, 900, 450);
    expectNumbers(s.editNumbers(), 300, 600, 3000, 285);
    expectNumbers(s.auxNumbers(), 4500, 5100, 600, 330);
    expectNumbers(s.slotNumbers(3), 1500, 1800, std::nullopt, std::nullopt);
    expectNumbers(s.slotNumbers(7), std::nullopt, std::nullopt, std::nullopt, std::nullopt);
    EXPECT_EQ(s.hintLeft(), 7000);
    EXPECT_EQ(s.hintTop(), 8000);
    EXPECT_EQ(s.fontTenths(), 105);
    EXPECT_EQ(s.alignCode(), "R");
    EXPECT_EQ(s.styleDigit(), 1);
    EXPECT_EQ(s.fontDigit(), 2);
    EXPECT_EQ(s.colourDigit(), 3);
    EXPECT_EQ(s.backDigit(), 4);
    EXPECT_EQ(s.listLine(), 12);
    EXPECT_EQ(s.firstEntry(), 2);

    // A field that does not fit 16 bits reads as none; the others of its rectangle still read.
    testkit::StepRecord big;
    big.set(col::MainRect, QStringLiteral("40000"));
    big.setNumber(col::MainRect + 6, 4, 300);
    big.set(col::HintPos, QStringLiteral("99999"));
    big.set(col::CursorSpec, QStringLiteral("S0011"));
    const steps::Step b(big.str());
    expectNumbers(b.mainNumbers(), std::nullopt, 300, 0, 0);
    EXPECT_EQ(b.hintLeft(), std::nullopt);
    EXPECT_EQ(b.cursorNumber(), 11);

    // Past the end of a short record the numbers read 0.
    const steps::Step cut(r.truncated(100));
    expectNumbers(cut.mainNumbers(), 1200, 2400, 900, 450);
    expectNumbers(cut.editNumbers(), 300, 600, 3000, 0);
    expectNumbers(cut.auxNumbers(), 0, 0, 0, 0);
    EXPECT_EQ(cut.hintLeft(), 0);
}
