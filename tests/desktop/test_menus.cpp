// The simulated menus of the candidate's desktop: the drop-down tables and their placement, the
// menu-bar titles, the per-step reset, hovering and picking rows of the three levels.
#include <QFile>
#include <QWidget>

#include "desktop_fixture.h"
#include "steps/menu_tables.h"

namespace desktoptest {
namespace {

using menus::Box;
using menus::Desk;

// ---- Tables -----------------------------------------------------------------------------------------

std::vector<double> tops(const menus::Rows<menus::MaxRows1>& rows, int count)
{
    std::vector<double> out;
    for (int i = 1; i <= count; ++i)
        out.push_back(rows[size_t(i)].top);
    return out;
}

TEST(MenuTables, GroupLayoutsPlaceRowsWithGapsAfterEveryGroup)
{
    struct Case {
        const char* layout;
        int pitch;
        menus::Level level;
        double scale;
        std::vector<double> tops;
    };
    const Case cases[] = {
        {"1422", 270, menus::Level::First, 1, {45, 450, 720, 990, 1260, 1665, 1935, 2340, 2610}},
        {"412121",
         330,
         menus::Level::First,
         1,
         {45, 375, 705, 1035, 1515, 1995, 2325, 2805, 3285, 3615, 4095}},
        {"11", 329, menus::Level::First, 1, {45, 509}},  // 135: only a pitch of exactly 330 gets 150
        {"11", 330, menus::Level::Second, 1, {45, 510}}, // the second level always 135
        {"101", 270, menus::Level::First, 1, {45, 585}}, // "0" doubles the gap
        {"2B", 270, menus::Level::First, 1, {45, 315}},  // "B" is no row in the first level
        {"b1", 270, menus::Level::Second, 1, {180}},     // ... and "b" in neither
        {"2B",
         285,
         menus::Level::Second,
         1,
         {45, 330, 750, 1035, 1320, 1605, 1890, 2175, 2460, 2745, 3030, 3315, 3600}},
        // Every Top is rounded after each addition: gaps of 108 at scale 0.8.
        {"91", 270, menus::Level::First, 0.8, {36, 252, 468, 684, 900, 1116, 1332, 1548, 1764, 2088}},
        // Groups at 0.8: the first level's gap of 150 becomes 120, the second level's 135 becomes 108.
        {"412121",
         330,
         menus::Level::First,
         0.8,
         {36, 300, 564, 828, 1212, 1596, 1860, 2244, 2628, 2892, 3276}},
        {"2B",
         285,
         menus::Level::Second,
         0.8,
         {36, 264, 600, 828, 1056, 1284, 1512, 1740, 1968, 2196, 2424, 2652, 2880}},
        {"1422", 270, menus::Level::First, 1.2, {54, 540, 864, 1188, 1512, 1998, 2322, 2808, 3132}},
        // Halves go to the even twip: 22.5 → 22, 22 + 135 + 67.5 = 224.5 → 224.
        {"11", 270, menus::Level::First, 0.5, {22, 224}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        menus::Rows<menus::MaxRows1> rows;
        rows.fill(menus::Parked);
        menus::placeGroups(rows, QString::fromLatin1(c.layout), 2820, c.pitch, c.level, c.scale, c.scale);
        const int n = int(c.tops.size());
        EXPECT_EQ(menus::groupRowCount(QString::fromLatin1(c.layout), c.level), n);
        EXPECT_EQ(tops(rows, n), c.tops);
        EXPECT_EQ(rows[size_t(n + 1)], menus::Parked) << "a row beyond the layout is not touched";
    }
}

TEST(MenuTables, RowSizesAreExactAndOnlyTopsAreRounded)
{
    menus::Rows<menus::MaxRows1> rows;
    rows.fill(menus::Parked);
    // At 192 dpi (7.5 twips a pixel) the Left 45 becomes 22.5 and the width 2625 half a twip too.
    menus::placeGroups(rows, QStringLiteral("51"), 2625, 285, menus::Level::Second, 0.5, 0.5);
    EXPECT_EQ(rows[1], (Box{22.5, 22, 1312.5, 135}));
    // Second level: a pitch of 330 still makes labels 270 high.
    menus::placeGroups(rows, QStringLiteral("6"), 2415, 330, menus::Level::Second, 1, 1);
    EXPECT_EQ(rows[2], (Box{45, 375, 2415, 270}));
    // A layout of more than twenty rows places twenty.
    rows.fill(menus::Parked);
    menus::placeGroups(rows, QStringLiteral("99999"), 1000, 100, menus::Level::First, 1, 1);
    EXPECT_NE(rows[20], menus::Parked);
    EXPECT_EQ(rows[21], menus::Parked);
}

TEST(MenuTables, FirstLevelDropDowns)
{
    const auto a2 = menus::firstLevelRows(u"A2", 1, 1);
    EXPECT_EQ(a2[1], (Box{45, 45, 2820, 270}));
    EXPECT_EQ(a2[9], (Box{45, 2610, 2820, 270}));
    EXPECT_EQ(a2[10], menus::Parked);
    EXPECT_EQ(menus::firstLevelRows(u"C1", 1, 1)[5], (Box{45, 1515, 3075, 330}));

    // All Programs runs upwards, its top five rows 120 higher than an even column.
    const auto all = menus::firstLevelRows(u"84", 1, 1);
    EXPECT_EQ(all[1], (Box{90, 4950, 2595, 345}));
    EXPECT_EQ(all[10].top, 1845);
    EXPECT_EQ(all[11].top, 1380);
    EXPECT_EQ(all[15].top, 0);
    EXPECT_EQ(menus::firstLevelRows(u"80", 1, 1)[7], (Box{90, 2070, 1725, 345}));

    const auto z3 = menus::firstLevelRows(u"Z3", 1, 1);
    EXPECT_EQ(z3[8], (Box{45, 45, 2550, 270}));
    EXPECT_EQ(tops(z3, 7), (std::vector<double>{450, 720, 1125, 1395, 1665, 2070, 2475}));

    const auto s5 = menus::firstLevelRows(u"S5", 1, 1);
    EXPECT_EQ(s5[4], (Box{255, 735, 2025, 240}));
    EXPECT_EQ(s5[14].left, 210);
    EXPECT_EQ(s5[13].left, 360);
    EXPECT_EQ(menus::firstLevelRows(u"S6", 1, 1)[1].width, 10215);
    EXPECT_EQ(menus::firstLevelRows(u"S6", 1, 1, Desk::Demonstration)[1].width, 9600);

    EXPECT_EQ(menus::firstLevelRows(u"62", 1, 1), menus::firstLevelRows(u"63", 1, 1));
    for (const char16_t* none : {u"71", u"85", u"91", u"a1", u"A7", u""})
        EXPECT_EQ(menus::firstLevelRows(none, 1, 1)[1], menus::Parked);

    // The demonstration desktop passes the panel's place: rows (parked ones too) end on the form.
    const auto onForm = menus::firstLevelRows(u"A2", 1, 1, Desk::Demonstration, {2000, 1000});
    EXPECT_EQ(onForm[2], (Box{2045, 1450, 2820, 270}));
    EXPECT_EQ(onForm[44], (Box{1900, 900, 0, 0}));
}

TEST(MenuTables, SecondAndThirdLevels)
{
    EXPECT_EQ(menus::secondLevelKey(u"A1", 4), "A104");
    EXPECT_EQ(menus::secondLevelKey(u"84", 10), "8410");
    EXPECT_EQ(menus::secondLevelKey(u"84", 110), "8410");
    EXPECT_TRUE(menus::hasSecondLevel(u"Z308"));
    EXPECT_FALSE(menus::hasSecondLevel(u"A105"));
    EXPECT_FALSE(menus::hasSecondLevel(u"A10"));
    EXPECT_FALSE(menus::hasSecondLevel(u"04-A"));

    const auto a110 = menus::secondLevelRows(u"A110", 1, 1);
    EXPECT_EQ(a110[1], (Box{45, 60, 2415, 270}));
    EXPECT_EQ(a110[6].top, 1710);
    EXPECT_EQ(menus::secondLevelRows(u"C313", 1, 1)[6].top, 1695); // the same layout without the 15
    EXPECT_EQ(menus::secondLevelRows(u"S206", 1, 1), a110);
    const auto a104 = menus::secondLevelRows(u"A104", 1, 1);
    EXPECT_EQ(a104[5].top, 1185);
    EXPECT_EQ(a104[6], (Box{45, 1605, 2625, 270}));
    EXPECT_EQ(menus::secondLevelRows(u"8409", 1, 1)[15], (Box{90, 4830, 3675, 345}));
    EXPECT_EQ(menus::secondLevelRows(u"8409", 1, 1, Desk::Demonstration)[15].width, 2400);
    EXPECT_EQ(menus::secondLevelRows(u"8409", 1, 1)[16], menus::Parked);
    for (int i = 1; i <= menus::MaxRows2; ++i)
        EXPECT_EQ(menus::secondLevelRows(u"A105", 1, 1)[size_t(i)], menus::Parked);
    EXPECT_EQ(menus::secondLevelRows(u"A104", 1, 1, Desk::Demonstration, {6000, 2000})[3],
              (Box{6045, 2615, 2625, 270}));

    EXPECT_TRUE(menus::opensThirdLevel(u"84", 10, 4));
    EXPECT_FALSE(menus::opensThirdLevel(u"84", 10, 5));
    EXPECT_FALSE(menus::opensThirdLevel(u"84", 9, 1));
    const auto third = menus::thirdLevelRows(1, 1);
    EXPECT_EQ(third[1], (Box{90, 0, 2595, 345}));
    EXPECT_EQ(third[9].top, 2760);
    EXPECT_EQ(menus::thirdLevelRows(1, 1, Desk::Demonstration)[9].width, 1980);
}

TEST(MenuTables, PictureNames)
{
    struct Case {
        QString got, want;
    };
    const Case cases[] = {
        {menus::firstLevelPanel(u"A1"), "A10077"},
        {menus::firstLevelPanel(u"63"), "620077"},
        {menus::firstLevelPanel(u"93"), "S20077"},
        {menus::firstLevelPanel(u"Z0"), "950077"},
        {menus::firstLevelPanel(u"99"), "950077"},
        {menus::firstLevelRowPicture(u"63", 4, u'A'), "620400"},
        {menus::firstLevelRowPicture(u"Z3", 7, u'A'), "690700"},
        {menus::firstLevelRowPicture(u"Z3", 8, u'A'), "Z30800"},
        {menus::firstLevelRowPicture(u"S6", 12, u'A'), "S51200"},
        {menus::firstLevelRowPicture(u"05", 3, u'B'), "B50300"},
        {menus::firstLevelRowPicture(u"97", 1, u'B'), "950100"},
        {menus::secondLevelPanel(u"S107"), "A11077"},
        {menus::secondLevelPanel(u"Z306"), "A11177"},
        {menus::secondLevelPanel(u"Z308"), "230077"},
        {menus::secondLevelPanel(u"8401"), "840177"},
        {menus::secondLevelRowPicture(u"S105", 2), "A10402"},
        {menus::secondLevelRowPicture(u"Z308", 2), "230200"},
        {menus::secondLevelRowPicture(u"D305", 11), "D30511"},
        {menus::thirdLevelPanel(3), "SS0377"},
        {menus::thirdLevelRowPicture(2, 7), "SS0207"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.want);
}

TEST(MenuTables, MenuBarTitles)
{
    const int lefts[7][10] = {
        {15, 885, 1755, 2625, 3495, 4365, 6105, 6105, 6975, 7845},
        {0, 795, 1605, 2415, 3225, 5655, 4845, 5655, 6465, 7275},
        {165, 1035, 1905, 2775, 3645, 4515, 5385, 8160, 7125, 7995},
        {0, 810, 1620, 2430, 3240, 4050, 8160, 5670, 6480, 7290},
        {0, 810, 1620, 2430, 5670, 4050, 4860, 5670, 6480, 7290},
        {0, 810, 1620, 2430, 3240, 4050, 5670, 5670, 6480, 7290},
        {-15, 795, 1605, 2415, 3225, 4035, 5655, 5655, 6465, 7275},
    };
    for (int l = 0; l < 7; ++l) {
        const QChar letter(u'A' + l);
        const auto titles = menus::menuTitles(letter, 1, 1);
        ASSERT_TRUE(titles);
        for (int i = 1; i <= 10; ++i)
            EXPECT_EQ((*titles)[size_t(i)].left, lefts[l][i - 1]) << QString(letter).toStdString() << i;
    }
    EXPECT_EQ((*menus::menuTitles(u'A', 1, 1, {15, 405}))[1], (Box{30, 420, 885, 270}));
    EXPECT_EQ((*menus::menuTitles(u'D', 0.8, 0.8))[3], (Box{1296, 0, 648, 240}));
    EXPECT_EQ((*menus::menuTitles(u'B', 1, 1))[1].height, 285);
    EXPECT_FALSE(menus::menuTitles(u'O', 1, 1));
    EXPECT_FALSE(menus::menuTitles(u'a', 1, 1));
}

// ---- The desktop ------------------------------------------------------------------------------------

// Records of a menu step: the window letter in column 6, menu targets in the three slots.
StepRecord menuStep(const QString& targetC = QString(), const QString& targetA = QString(),
                    const QString& targetB = QString())
{
    StepRecord r = step(QStringLiteral("0000"));
    r.set(col::WinCode, QStringLiteral("A0"));
    if (!targetC.isEmpty()) r.set(col::TargetC, targetC);
    if (!targetA.isEmpty()) r.set(col::TargetA, targetA);
    if (!targetB.isEmpty()) r.set(col::TargetB, targetB);
    return r;
}

class Menus : public Desktop {
protected:
    void SetUp() override
    {
        Desktop::SetUp();
        for (const char* name : {"A00000", "A10077", "840077"})
            writeDeskPicture(QString::fromLatin1(name) + QStringLiteral(".rar"), 220, 360);
        writeDeskPicture(QStringLiteral("A10477.rar"), 180, 120);
        writeDeskPicture(QStringLiteral("841077.rar"), 250, 350);
        for (int r = 1; r <= 4; ++r)
            writeDeskPicture(QStringLiteral("SS0") + QString::number(r) + QStringLiteral("77.rar"), 175, 210);
        writeDeskPicture(QStringLiteral("A10300.rar"), 200, 18);
        writeDeskPicture(QStringLiteral("A10402.rar"), 170, 18);
        writeDeskPicture(QStringLiteral("SS0305.rar"), 170, 23);
    }

    // The first level as the hot-spot click opens it: the id set, its picture shown at (x, y).
    void open(FrmMain& f, const QString& id, double x = 3000, double y = 1500)
    {
        f.menuId = id;
        f.loadDeskPicture(f.Pic1J, menus::firstLevelPanel(id));
        f.Pic1J.Move(x, y);
        f.Pic1J.setVisible(true);
        f.Tool1JCSH();
    }
    static QPointF at(const platform::Control& c) { return testkit::centreOf(c); }
    void hover(FrmMain& f, const platform::Control& c)
    {
        const QPointF p = at(c);
        testkit::move(f, p.x(), p.y());
    }
    int stepNow() const { return common::drill().dqStep; }
    // A fresh desktop and installation for the next case of a table.
    void restart()
    {
        TearDown();
        reset = std::make_unique<testkit::FormsReset>();
        SetUp();
    }
};

TEST_F(Menus, MenuBarBoxAndTitlesFollowTheRecord)
{
    StepRecord moved = menuStep();
    moved.set(col::PointSpec, QStringLiteral("W0600,1200"));
    StepRecord notW = menuStep();
    notW.set(col::PointSpec, QStringLiteral("X0600,1200"));
    writeBank({{menuStep(), moved, notW, terminal()}});
    FrmMain& f = showQuestion(1);
    EXPECT_EQ(f.PicMenu.Left(), 15);
    EXPECT_EQ(f.PicMenu.Top(), 405);
    EXPECT_EQ(f.LblZHU(7).Left(), 6105);
    EXPECT_EQ(f.LblZHU(10).Left() + f.LblZHU(10).Width(), 8730);
    f.doNext();
    EXPECT_EQ(f.PicMenu.Left(), 600);
    EXPECT_EQ(f.PicMenu.Top(), 1200);
    f.doNext();
    EXPECT_EQ(f.PicMenu.Left(), 15);
}

TEST_F(Menus, ResetClosesMenusButKeepsThe33And34PanelsAndMarksTheDrive)
{
    StepRecord drive = menuStep();
    drive.set(col::PaneCode, QStringLiteral("PA"));
    writeBank({{menuStep(), drive, terminal()}});
    writeDeskPicture(QStringLiteral("990099.rar"), 60, 40);
    FrmMain& f = showQuestion(1);
    open(f, QStringLiteral("A1"));
    f.Pic2J.setVisible(true);
    f.frmCsh();
    EXPECT_FALSE(f.Pic1J.Visible());
    EXPECT_FALSE(f.Pic2J.Visible());
    EXPECT_EQ(f.menuId, "00");
    EXPECT_TRUE(f.ImgMyPc.picture().isNull());

    open(f, QStringLiteral("33"));
    f.Pic3J.setVisible(true);
    f.frmCsh();
    EXPECT_TRUE(f.Pic1J.Visible());
    EXPECT_EQ(f.menuId, "33");
    EXPECT_FALSE(f.Pic3J.Visible());
    f.doNext();
    EXPECT_EQ(f.menuId, "00");

    f.LblZHU(99).Move(240, 4320);
    f.frmCsh();
    EXPECT_EQ(f.ImgMyPc.Left(), 240);
    EXPECT_EQ(f.ImgMyPc.Top(), 4320);
    EXPECT_EQ(sourceName(f.ImgMyPc.picture()), "990099.rar");
}

TEST_F(Menus, RowsLieOverTheOpenedPanelAndAMenuPickShowsItsChosenRow)
{
    writeDeskPicture(QStringLiteral("K7K777.rar"), 200, 18);
    writeBank({{menuStep(QString(), QString(), QStringLiteral("DA103xK7K7")), terminal()}});
    FrmMain& f = showQuestion(1);
    open(f, QStringLiteral("A1"));
    EXPECT_EQ(f.Lbl1J(3).Top(), 585);
    EXPECT_EQ(f.Lbl1J(17).Top(), 45 + 16 * 270 + 5 * 135);
    EXPECT_EQ(f.Lbl1J(18).Left(), -100);
    EXPECT_TRUE(f.Img1jBK.Visible());
    EXPECT_EQ(f.Img1jBK.Top(), 585);
    EXPECT_EQ(sourceName(f.Img1jBK.picture()), "K7K777.rar");
    // Another drop-down on the same step shows no chosen row.
    open(f, QStringLiteral("84"));
    EXPECT_FALSE(f.Img1jBK.Visible());
}

TEST_F(Menus, TheHoveredLookOfAMenuPickRowLiesOverItsChosenLook)
{
    // The chosen look blue, the hovered look red, both as large as the row.
    const auto paint = [&](const QString& name, Qt::GlobalColor colour) {
        QImage img(200, 18, QImage::Format_RGB32);
        img.fill(colour);
        ASSERT_TRUE(img.save(prog.file(QStringLiteral("examdata/") + name), "BMP"));
    };
    paint(QStringLiteral("K7K777.rar"), Qt::blue);
    paint(QStringLiteral("K7K700.rar"), Qt::red);
    writeBank({{menuStep(QString(), QString(), QStringLiteral("DA103xK7K7")), terminal()}});
    FrmMain& f = showQuestion(1);
    open(f, QStringLiteral("A1"));
    const auto rowColour = [&] {
        const QImage shot = f.Pic1J.widget()->grab().toImage();
        return QColor(shot.pixel(platform::toPixelsX(f.Lbl1J(3).Left() + 300),
                                 platform::toPixelsY(f.Lbl1J(3).Top() + 135)));
    };
    EXPECT_EQ(rowColour(), QColor(Qt::blue));
    // Into the row near its left end (the centre is where other tests come in).
    const QPointF row = at(f.Lbl1J(3));
    testkit::move(f, row.x() - f.Lbl1J(3).Width() / 2 + 150, row.y());
    ASSERT_EQ(sourceName(f.Img1J.picture()), "K7K700.rar");
    EXPECT_EQ(rowColour(), QColor(Qt::red));
}

TEST_F(Menus, HoverHighlightsRowsAndClosesTheSubMenuOfAnotherRow)
{
    writeDeskPicture(QStringLiteral("A10400.rar"), 200, 18);
    writeBank({{menuStep(), terminal()}});
    FrmMain& f = showQuestion(1);
    open(f, QStringLiteral("A1"));
    hover(f, f.Lbl1J(3));
    EXPECT_EQ(f.Img1J.Top(), f.Lbl1J(3).Top());
    EXPECT_EQ(sourceName(f.Img1J.picture()), "A10300.rar");

    testkit::click(f.Lbl1J(4)); // opens A104
    ASSERT_TRUE(f.Pic2J.Visible());
    EXPECT_EQ(sourceName(f.Pic2J.picture()), "A10477.rar");
    EXPECT_EQ(f.Pic2J.Left(), f.Pic1J.Left() + f.Pic1J.Width() - 75);
    EXPECT_EQ(f.Pic2J.Top(), f.Pic1J.Top() + f.Lbl1J(4).Top());
    hover(f, f.Lbl1J(4));
    EXPECT_TRUE(f.Pic2J.Visible()) << "the row whose sub-menu is open keeps it";
    hover(f, f.Lbl2J(2));
    EXPECT_EQ(sourceName(f.Img2J.picture()), "A10402.rar");
    EXPECT_EQ(f.Img2J.Top(), f.Lbl2J(2).Top());
    hover(f, f.Lbl1J(3));
    EXPECT_FALSE(f.Pic2J.Visible());
    hover(f, f.Lbl1J(4));
    EXPECT_FALSE(f.Pic2J.Visible()) << "only a click opens it again";
}

TEST_F(Menus, SubMenusOfAllProgramsAlignAndStayOnTheScreen)
{
    writeDeskPicture(QStringLiteral("840177.rar"), 250, 120);
    writeBank({{menuStep(), terminal()}});
    FrmMain& f = showQuestion(1);
    open(f, QStringLiteral("84"), 2160, 2565);
    testkit::click(f.Lbl1J(1));
    EXPECT_EQ(f.Pic2J.Left(), f.Pic1J.Left() + f.Pic1J.Width() - 15);
    EXPECT_EQ(f.Pic2J.Top() + f.Pic2J.Height(), 2565 + 4950 + 345) << "bottoms meet";
    testkit::click(f.Lbl1J(10));
    EXPECT_EQ(f.Pic2J.Top(), 2565);
    EXPECT_EQ(sourceName(f.Pic2J.picture()), "841077.rar");
    // Too far right: the panel opens on the left, overlapping by 15; too low: pulled up to 8820.
    open(f, QStringLiteral("84"), 9000, 6000);
    testkit::click(f.Lbl1J(10));
    EXPECT_EQ(f.Pic2J.Left(), 9000 - f.Pic2J.Width() + 15);
    EXPECT_EQ(f.Pic2J.Top() + f.Pic2J.Height(), 8820);
}

TEST_F(Menus, SubMenusOpenBesideTheirRowUnlessTheScreenEdgeIsPassed)
{
    // Row 4 of "A1" opens "A104" (overlapping by 75). Design pictures: the drop-down 220 x 360
    // pixels, the sub-menu 180 x 120; its right edge may reach 11850, its bottom 8820 (scaled).
    struct Case {
        const char* name;
        double tpp; // twips a pixel
        double x, y;
        double left, top;
    };
    const Case cases[] = {
        {"beside the row", 15, 3000, 1500, 3000 + 3300 - 75, 1500 + 855},
        {"the right edge just reached", 15, 5925, 1500, 9150, 2355},
        {"a pixel beyond the right edge: on the left, overlapping by 15", 15, 5940, 1500, 5940 - 2700 + 15,
         2355},
        {"the bottom just above the edge", 15, 3000, 6150, 6225, 7005},
        {"beyond the bottom edge: pulled up to it", 15, 3000, 6500, 6225, 8820 - 1800},
        {"beyond both", 15, 6000, 6500, 3315, 7020},
        // At 0.8 (12 twips a pixel): drop-down 2640 x 4320, sub-menu 2160 x 1440, row 4 at 684.
        {"0.8 beside the row", 12, 1000, 1000, 1000 + 2640 - 60, 1684},
        {"0.8 beyond the right edge", 12, 5000, 1000, 5000 - 2160 + 12, 1684},
        {"0.8 beyond the bottom edge", 12, 1000, 5000, 3580, 8820 * 0.8 - 1440},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        useScale(c.tpp);
        writeBank({{menuStep(), terminal()}});
        FrmMain& f = showQuestion(1);
        open(f, QStringLiteral("A1"), c.x, c.y);
        testkit::click(f.Lbl1J(4));
        ASSERT_TRUE(f.Pic2J.Visible());
        EXPECT_EQ(f.Pic2J.Left(), c.left);
        EXPECT_EQ(f.Pic2J.Top(), c.top);
        hover(f, f.Lbl2J(2)); // its rows go with it
        EXPECT_EQ(sourceName(f.Img2J.picture()), "A10402.rar");
    }
}

TEST_F(Menus, ThirdLevelRowsHighlightUnderTheSecondLevelRowPicked)
{
    writeDeskPicture(QStringLiteral("SS0207.rar"), 173, 23);
    writeBank({{menuStep(), terminal()}});
    FrmMain& f = showQuestion(1);
    open(f, QStringLiteral("84"), 2160, 2565);
    testkit::click(f.Lbl1J(10));
    testkit::click(f.Lbl2J(2));
    ASSERT_TRUE(f.Pic3J.Visible());
    EXPECT_EQ(sourceName(f.Pic3J.picture()), "SS0277.rar");
    EXPECT_EQ(f.Pic3J.Left(), f.Pic2J.Left() + f.Pic2J.Width() - 15);
    EXPECT_EQ(f.Pic3J.Top(), f.Pic2J.Top() + 345);
    hover(f, f.Lbl3J(7));
    EXPECT_EQ(f.Img3J.Top(), 6 * 345);
    EXPECT_EQ(sourceName(f.Img3J.picture()), "SS0207.rar");
    hover(f, f.Lbl2J(2));
    EXPECT_TRUE(f.Pic3J.Visible()) << "the row whose sub-menu is open keeps it";
    hover(f, f.Lbl2J(5));
    EXPECT_FALSE(f.Pic3J.Visible());
}

TEST_F(Menus, AtHalfScaleRowsKeepTheirHalfTwips)
{
    useScale(7.5); // 192 dpi
    writeBank({{menuStep(), terminal()}});
    FrmMain& f = showQuestion(1);
    open(f, QStringLiteral("A1"), 1500, 750);
    EXPECT_EQ(f.Lbl1J(1).Left(), 22.5);
    EXPECT_EQ(f.Lbl1J(1).Top(), 22);
    EXPECT_EQ(f.Lbl1J(1).Width(), 1500);
    EXPECT_EQ(f.Lbl1J(10).Top(), 1304); // 22 + 9 × 135 + 67.5 = 1304.5, to the even twip
    EXPECT_EQ(f.LblZHU(1).Left(), 7.5);
    EXPECT_EQ(f.PicMenu.Left(), 7.5);
    EXPECT_EQ(f.PicMenu.Top(), 202.5);
}

TEST_F(Menus, PicksAtEachLevel)
{
    struct Case {
        const char* name;
        QString targetC, targetA, targetB;
        QString menu;
        std::vector<int> rows; // first-, second-, third-level rows clicked in turn
        int stepAfter;
    };
    const Case cases[] = {
        {"level 1 advances", "HA10300000", "", "", "A1", {3}, 2},
        {"level 1 jumps by its JumpChar", "", "HA10300003", "", "A1", {3}, 3},
        {"level 1 wrong row", "HA10300000", "", "", "A1", {2}, 1},
        {"level 1 wrong drop-down", "HA20300000", "", "", "A1", {3}, 1},
        {"lower-case h never matches", "hA10300000", "", "", "A1", {3}, 1},
        {"a row with a sub-menu can itself be the target", "HA10400000", "", "", "A1", {4}, 2},
        {"a path to the second level does not fire at the first", "HA10402000", "", "", "A1", {4}, 1},
        {"menu pick", "", "", "DA103xK7K7", "A1", {3}, 2},
        {"menu pick of another row", "", "", "DA103xK7K7", "A1", {5}, 1},
        {"level 2 from targetB", "", "", "HA10402000", "A1", {4, 2}, 2},
        {"level 2 wrong row", "", "", "HA10402000", "A1", {4, 3}, 1},
        {"no menu pick at level 2", "", "", "DA102xK7K7", "A1", {4, 2}, 1},
        {"level 3", "H841003050", "", "", "84", {10, 3, 5}, 2},
        {"level 3 jumps", "H84100305B", "", "", "84", {10, 3, 5}, 11},
        {"level 3 wrong row", "H841003050", "", "", "84", {10, 3, 6}, 1},
        {"level 3 under another row", "H841003050", "", "", "84", {10, 2, 5}, 1},
        {"rows 1-4 under row 10 open, they are not judged", "H841003000", "", "", "84", {10, 3}, 1},
        {"row 5 under row 10 is judged", "H841005000", "", "", "84", {10, 5}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        // GoStep("B") goes to step 11: the bank gives the question eleven steps.
        QList<StepRecord> q{menuStep(c.targetC, c.targetA, c.targetB)};
        for (int s = 2; s <= 11; ++s)
            q.append(menuStep());
        q.append(terminal());
        writeBank({q});
        FrmMain& f = showQuestion(1);
        open(f, c.menu, c.menu == QLatin1String("84") ? 2160 : 3000,
             c.menu == QLatin1String("84") ? 2565 : 1500);
        const int want = c.stepAfter;
        platform::LabelArray* levels[] = {&f.Lbl1J, &f.Lbl2J, &f.Lbl3J};
        for (size_t i = 0; i < c.rows.size(); ++i) {
            ASSERT_EQ(stepNow(), 1) << "nothing advanced before the last pick";
            testkit::click((*levels[i])(c.rows[i]));
        }
        EXPECT_EQ(stepNow(), want);
        if (want == 1) {
            EXPECT_TRUE(f.Pic1J.Visible()) << "a wrong pick leaves the panels open";
            if (c.rows.size() == 3) {
                EXPECT_TRUE(f.Pic3J.Visible());
            }
        } else {
            EXPECT_FALSE(f.Pic1J.Visible());
        }
    }
}

TEST_F(Menus, OneClickPassesOneStepOnly)
{
    // After the first slot has matched, the next record would match the later slots: the same
    // click must not judge them.
    const QString again = QStringLiteral("H000000000"); // the id and row an advance leaves
    writeBank({{menuStep(QStringLiteral("HA10300000"), again, again), menuStep(again), terminal()}});
    FrmMain& f = showQuestion(1);
    open(f, QStringLiteral("A1"));
    testkit::click(f.Lbl1J(3));
    EXPECT_EQ(stepNow(), 2);
    EXPECT_FALSE(common::drill().tmState[1] & 4);

    // The same at the third level, with a menu path in targetC and targetB.
    restart();
    const QString path = QStringLiteral("H841003050");
    writeBank({{menuStep(path, QString(), path), menuStep(path), terminal()}});
    FrmMain& g = showQuestion(1);
    open(g, QStringLiteral("84"), 2160, 2565);
    testkit::click(g.Lbl1J(10));
    testkit::click(g.Lbl2J(3));
    testkit::click(g.Lbl3J(5));
    EXPECT_EQ(stepNow(), 2);
}

// A picture that cannot be read never shows another's: a drop-down whose panel is missing or
// damaged opens nothing (no panel, no rows), a row whose hovered look is missing shows no
// highlight, and the step can still be completed by what does open.
TEST_F(Menus, UnreadablePicturesShowNothingInsteadOfAnothersAndTheStepGoesOn)
{
    QFile bad(prog.file(QStringLiteral("examdata/A10477.rar")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
    bad.write("not a picture");
    bad.close();
    writeBank({{menuStep(QStringLiteral("HA10300000")), terminal()}});
    FrmMain& f = showQuestion(1);

    // The title of a menu without a panel picture, after a menu that had one.
    testkit::click(f.LblZHU(1));
    ASSERT_TRUE(f.Pic1J.Visible());
    EXPECT_EQ(f.Pic1J.picture().source().section(QLatin1Char('/'), -1), QStringLiteral("A10077.rar"));
    testkit::click(f.LblZHU(2)); // "A20077.rar" does not exist
    EXPECT_FALSE(f.Pic1J.Visible()) << "the panel of 文件 stood under 编辑";
    EXPECT_EQ(f.Lbl1J(1).Width(), 0) << "rows were laid out without a panel";
    EXPECT_FALSE(f.Img1jBK.Visible());

    // Rows whose hovered look is missing: no highlight, not the row hovered before.
    testkit::click(f.LblZHU(1));
    ASSERT_TRUE(f.Pic1J.Visible());
    hover(f, f.Lbl1J(3));
    EXPECT_EQ(f.Img1J.picture().source().section(QLatin1Char('/'), -1), QStringLiteral("A10300.rar"));
    hover(f, f.Lbl1J(5)); // "A10500.rar" does not exist
    EXPECT_TRUE(f.Img1J.picture().isNull()) << "row 3's caption stood on row 5";

    // A damaged second-level panel opens nothing; the first level stays open.
    f.Pic2J.setVisible(true);
    testkit::click(f.Lbl1J(4));
    EXPECT_FALSE(f.Pic2J.Visible());
    EXPECT_EQ(f.Lbl2J(1).Width(), 0);
    EXPECT_TRUE(f.Pic1J.Visible());
    EXPECT_EQ(stepNow(), 1);
    // What does open still completes the step.
    testkit::click(f.Lbl1J(3));
    EXPECT_EQ(stepNow(), 2);

    // A missing third-level panel opens nothing either; the second level stays usable.
    restart();
    QFile::remove(prog.file(QStringLiteral("examdata/SS0377.rar")));
    writeBank({{menuStep(QStringLiteral("H841002050")), terminal()}});
    FrmMain& g = showQuestion(1);
    open(g, QStringLiteral("84"), 2160, 2565);
    testkit::click(g.Lbl1J(10));
    ASSERT_TRUE(g.Pic2J.Visible());
    testkit::click(g.Lbl2J(2));
    ASSERT_TRUE(g.Pic3J.Visible());
    testkit::click(g.Lbl2J(3)); // "SS0377.rar" does not exist
    EXPECT_FALSE(g.Pic3J.Visible()) << "the panel of row 2 stood beside row 3";
    EXPECT_EQ(g.Lbl3J(1).Width(), 0);
    testkit::click(g.Lbl2J(2));
    ASSERT_TRUE(g.Pic3J.Visible());
    testkit::click(g.Lbl3J(5));
    EXPECT_EQ(stepNow(), 2);
}

TEST_F(Menus, CodesFromTheRecordNeverNameAFileOutsideThePictures)
{
    // "../A" in a menu pick would name <program>/A77.rar.
    QImage img(10, 10, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(prog.file(QStringLiteral("A77.rar")), "BMP"));
    writeBank({{menuStep(QString(), QString(), QStringLiteral("DA103x../A")), terminal()}});
    FrmMain& f = showQuestion(1);
    open(f, QStringLiteral("A1"));
    EXPECT_TRUE(f.Img1jBK.Visible());
    EXPECT_TRUE(f.Img1jBK.picture().isNull());
    EXPECT_FALSE(f.loadDeskPicture(f.Img1J, QStringLiteral("../A77")));
}

} // namespace
} // namespace desktoptest
