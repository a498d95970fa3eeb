// The hot-spots of the candidate's desktop: the fixed geometry and the per-step layouts, clicks,
// double clicks and right clicks on every area, the object picture, the Start button, hover
// highlights, the teaching frames and pictures that cannot be read.
#include <QFile>
#include <algorithm>
#include <functional>
#include <map>
#include <tuple>
#include <vector>

#include "desktop_fixture.h"
#include "steps/hotspot_tables.h"

using namespace desktoptest;

namespace {

// A menu path ending at the hot-spot of menu id `id`: "H", the id, three rows "00", the jump.
QString path(const char* id, char jump = '0')
{
    return QStringLiteral("H") + QString::fromLatin1(id) + QStringLiteral("000000") +
           QString(QLatin1Char(jump));
}

} // namespace

class HotSpots : public Desktop {
protected:
    void SetUp() override
    {
        Desktop::SetUp();
        // The boxes' pictures at the sizes of the installation's.
        const std::tuple<const char*, int, int> boxes[] = {
            {"PicTable.rar", 800, 566}, {"PicStart.rar", 378, 479}, {"PicMyPc.rar", 590, 458},
            {"1100W1.rar", 798, 39},    {"1100W2.rar", 798, 39},    {"41A001.rar", 197, 445},
            {"41A002.rar", 197, 445},   {"41A003.rar", 197, 445},   {"NN0000.rar", 800, 457},
            {"NN0001.rar", 800, 457},   {"NN0005.rar", 800, 457},   {"NN000A.rar", 800, 457}};
        for (const auto& [name, w, h] : boxes)
            writeDeskPicture(QString::fromLatin1(name), w, h);
    }

    // Question 1: the record r, then three marked steps and the terminal record.
    FrmMain& show(const StepRecord& r)
    {
        writeBank({{r, marked(2), marked(3), marked(4), terminal()}});
        return showQuestion(1);
    }
    static int stepNow() { return common::drill().dqStep; }
    QString picOf(const platform::Picture& p) { return sourceName(p); }
};

// ---- Geometry --------------------------------------------------------------------------------

TEST(HotSpotTables, FixedTablesHoldTheirExactValues)
{
    using namespace hotspots;
    struct Row {
        int n;
        Rect r;
    };
    const Row rows[] = {
        {11, {30, 15, 1185, 570}},     {12, {1215, 15, 765, 570}},    {23, {7890, 15, 585, 570}},
        {22, {8505, 15, 480, 570}},    {25, {14370, 15, 480, 570}},   {61, {210, 30, 780, 930}},
        {64, {300, 3675, 780, 930}},   {69, {210, -1050, 780, 930}},  {71, {2925, 5535, 2640, 360}},
        {78, {2925, 2335, 2640, 360}}, {82, {2685, 6630, 1215, 450}}, {84, {105, 6120, 2610, 360}},
        {89, {105, 2415, 2640, 540}},  {90, {105, 1695, 2640, 540}},  {91, {105, 1095, 2640, 540}},
        {92, {315, 615, 1455, 555}},   {99, {240, 4320, 1980, 690}},  {101, {5585, 4455, 2160, 390}},
        {102, {255, 5775, 2055, 690}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.n);
        ASSERT_NE(fixedSpot(row.n), nullptr);
        EXPECT_EQ(fixedSpot(row.n)->r, row.r);
    }
    for (int n : {0, 10, 26, 60, 103})
        EXPECT_EQ(fixedSpot(n), nullptr) << n;
    // Neighbours touch where their buttons touch.
    const auto right = [](int n) { return fixedSpot(n)->r.left + fixedSpot(n)->r.width; };
    EXPECT_EQ(right(11), fixedSpot(12)->r.left);
    EXPECT_EQ(right(12), fixedSpot(13)->r.left);
    EXPECT_EQ(right(21), fixedSpot(23)->r.left);
    EXPECT_EQ(right(82), fixedSpot(83)->r.left);
    EXPECT_EQ(areaOf(25), Area::Toolbar);
    EXPECT_EQ(areaOf(103), Area::MyComputer);
    EXPECT_EQ(areaOf(104), Area::None);
}

TEST(HotSpotTables, TaskPaneAndDialogLayouts)
{
    using namespace hotspots;
    struct Row {
        int code, n;
        Rect r;
    };
    const Row pane[] = {
        {2, 26, {210, 540, 1740, 300}},  {4, 30, {210, 1740, 2280, 435}}, {2, 38, {210, 9600, 1560, 300}},
        {1, 27, {210, 1260, 1560, 300}}, {1, 30, {210, 840, 2100, 435}},  {1, 28, {210, 9600, 1560, 300}},
        {1, 34, {210, 2715, 1200, 300}}, {1, 37, {210, 3615, 1200, 300}}, {1, 39, {210, 4380, 2640, 300}},
        {3, 29, {210, 1860, 1560, 300}}, {3, 38, {210, 2160, 2280, 300}}, {3, 37, {210, 4935, 1200, 300}},
        {3, 31, {210, 9600, 1560, 300}}, {0, 33, {210, 3615, 1740, 300}}, {3, 40, {210, 9600, 1560, 300}},
    };
    for (const Row& row : pane)
        EXPECT_EQ(taskPaneLink(row.code, row.n), row.r) << row.code << "/" << row.n;

    const Row dialog[] = {
        {0, 42, {6945, 810, 2535, 855}},
        {0, 43, {3360, 1740, 3022.5, 855}},
        {0, 45, {3360, 2670, 2242.5, 855}},
        {0, 50, {6945, 4530, 1755, 855}},
        {0, 51, {375, 765, 1650, 330}},
        {0, 54, {375, 2535, 1830, 330}},
        {0, 55, DialogParked},
        {1, 45, {3345, 4080, 2670, 690}},
        {1, 46, {6105, 4080, 1695, 690}},
        {1, 47, {3345, 4770, 1110, 690}},
        {1, 49, {3345, 5010, 15, 450}},
        {1, 55, {375, 2715, 750, 330}},
        {1, 56, {375, 3015, 750, 330}},
        {1, 57, DialogParked},
        {2, 41, DialogParked},
    };
    for (const Row& row : dialog)
        EXPECT_EQ(dialogItem(row.code, row.n), row.r) << row.code << "/" << row.n;
}

TEST(HotSpotTables, LayoutsAddTheCallersOffsetAfterScaling)
{
    using namespace hotspots;
    std::map<int, Rect> got;
    const Put put = [&got](int n, double l, double t, double w, double h) { got[n] = {l, t, w, h}; };
    // The demonstration desktop puts its hot-spots on the form: offset = the box's place.
    layoutStartMenu(1, 1, {StartBox.left, StartBox.top}, put);
    EXPECT_EQ(got[71], (Rect{2925, 6915, 2640, 360}));
    EXPECT_EQ(got[84], (Rect{105, 7500, 2610, 360}));
    layoutMyComputer(1, 1, {MyPcBox.left, MyPcBox.top}, put);
    EXPECT_EQ(got[95], (Rect{3390, 3825, 1980, 390}));
    EXPECT_EQ(got[102], (Rect{3405, 7455, 2055, 690}));
    layoutDialog(1, 1, 1, {0, 1680}, put);
    EXPECT_EQ(got[47], (Rect{3345, 6450, 1110, 690}));
    EXPECT_EQ(got[55], (Rect{375, 4395, 750, 330}));
    layoutDialog(7, 1, 1, {0, 1680}, put);
    EXPECT_EQ(got[41], (Rect{-30, 1650, 15, 15}));
    // At 0.8 the offset is taken as given and the table is scaled.
    layoutToolbar(0.8, 0.8, {0, 588}, put);
    EXPECT_DOUBLE_EQ(got[11].left, 24);
    EXPECT_DOUBLE_EQ(got[11].top, 600);
    EXPECT_DOUBLE_EQ(got[11].width, 948);
    EXPECT_DOUBLE_EQ(got[11].height, 456);
    layoutDialog(0, 0.8, 0.8, {}, put);
    EXPECT_DOUBLE_EQ(got[43].width, 2418);
}

TEST(HotSpotTables, OnTheFormTheFixedAreasAreShiftedByTheirBoxes)
{
    using namespace hotspots;
    for (const double s : {1.0, 0.8}) {
        SCOPED_TRACE(s);
        std::map<int, Rect> got;
        layoutFixedOnForm(s, s, {ToolBox.left * s, ToolBox.top * s}, {StartBox.left * s, StartBox.top * s},
                          {MyPcBox.left * s, MyPcBox.top * s},
                          [&got](int n, double l, double t, double w, double h) {
                              got[n] = {l, t, w, h};
                          });
        const std::pair<int, Rect> rows[] = {
            {11, {30, 750, 1185, 570}},    {25, {14370, 750, 480, 570}},    {71, {2925, 6915, 2640, 360}},
            {81, {2925, 2475, 2640, 360}}, {84, {105, 7500, 2610, 360}},    {85, {105, 6195, 2640, 540}},
            {91, {105, 2475, 2640, 540}},  {92, {3465, 2295, 1455, 555}},   {95, {3390, 3825, 1980, 390}},
            {99, {3390, 6000, 1980, 690}}, {102, {3405, 7455, 2055, 690}},  {62, {210, 1260, 780, 930}},
            {69, {0, 0, 12000, 8490}},     {103, {3150, 1680, 8820, 6870}},
        };
        for (const auto& [n, r] : rows) {
            SCOPED_TRACE(n);
            EXPECT_DOUBLE_EQ(got[n].left, r.left * s);
            EXPECT_DOUBLE_EQ(got[n].top, r.top * s);
            EXPECT_DOUBLE_EQ(got[n].width, r.width * s);
            EXPECT_DOUBLE_EQ(got[n].height, r.height * s);
        }
        EXPECT_EQ(got.size(), size_t(15 + 10 + 21 + 11 + 1));
    }
}

TEST_F(HotSpots, TheDesktopLaysOutItsFixedAreasAtLoadAtBothScales)
{
    for (double tpp : {15.0, 12.0}) {
        SCOPED_TRACE(tpp);
        useScale(tpp);
        const double s = tpp / 15;
        writeBank({{step(), terminal()}});
        FrmMain& f = showQuestion(1);
        EXPECT_DOUBLE_EQ(f.PicTool.Top(), 735 * s);
        EXPECT_DOUBLE_EQ(f.PicStart.Top(), 1380 * s);
        EXPECT_DOUBLE_EQ(f.PicMyPc.Left(), 3150 * s);
        EXPECT_DOUBLE_EQ(f.PicHui.Left(), 105 * s);
        EXPECT_DOUBLE_EQ(f.LblZHU(11).Left(), 30 * s);
        EXPECT_DOUBLE_EQ(f.LblZHU(11).Width(), 1185 * s);
        EXPECT_DOUBLE_EQ(f.LblZHU(11).Height(), 570 * s);
        EXPECT_DOUBLE_EQ(f.LblZHU(69).Top(), -1050 * s);
        EXPECT_DOUBLE_EQ(f.LblZHU(90).Top(), 1695 * s);
        EXPECT_DOUBLE_EQ(f.LblZHU(100).Width(), 2055 * s);
        EXPECT_DOUBLE_EQ(f.StartMenu.Top(), 8520 * s);
        EXPECT_DOUBLE_EQ(f.StartMenu.Height(), 495 * s);
        EXPECT_DOUBLE_EQ(f.ImgHui.Top(), -90 * s);
        EXPECT_DOUBLE_EQ(f.ImgCtrl.Y2(), -90 * s);
        // The boxes show the installation's pictures.
        EXPECT_EQ(picOf(f.PicTable.picture()), QStringLiteral("PicTable.rar"));
        EXPECT_EQ(picOf(f.PicStart.picture()), QStringLiteral("PicStart.rar"));
        EXPECT_EQ(picOf(f.PicMyPc.picture()), QStringLiteral("PicMyPc.rar"));
        f.Unload();
        testkit::settle();
    }
}

TEST_F(HotSpots, EachStepLaysOutItsTaskPaneAndDialog)
{
    struct Row {
        const char* pane;
        const char* win;
        std::function<void(FrmMain&)> check;
    };
    const Row rows[] = {
        {"00", "O3",
         [](FrmMain& f) {
             EXPECT_TRUE(f.PicHui.Visible());
             EXPECT_EQ(sourceName(f.PicHui.picture()), QStringLiteral("41A001.rar"));
             EXPECT_DOUBLE_EQ(f.LblZHU(27).Top(), 1260);
             EXPECT_DOUBLE_EQ(f.LblZHU(28).Top(), 9600);
             EXPECT_DOUBLE_EQ(f.LblZHU(36).Top(), 3315);
             EXPECT_DOUBLE_EQ(f.ImgHui.Height(), 15);
         }},
        {"00", "O6",
         [](FrmMain& f) {
             EXPECT_DOUBLE_EQ(f.LblZHU(38).Top(), 2160);
             EXPECT_DOUBLE_EQ(f.LblZHU(38).Width(), 2280);
         }},
        {"N0", "00",
         [](FrmMain& f) {
             EXPECT_TRUE(f.PicCtrl.Visible());
             EXPECT_EQ(sourceName(f.PicCtrl.picture()), QStringLiteral("NN0000.rar"));
             EXPECT_DOUBLE_EQ(f.PicCtrl.Top(), 1680);
             EXPECT_DOUBLE_EQ(f.LblZHU(43).Width(), 3022.5);
             EXPECT_DOUBLE_EQ(f.LblZHU(51).Top(), 765);
             EXPECT_DOUBLE_EQ(f.LblZHU(55).Left(), -30);
         }},
        {"N1", "00",
         [](FrmMain& f) {
             EXPECT_EQ(sourceName(f.PicCtrl.picture()), QStringLiteral("NN0001.rar"));
             EXPECT_DOUBLE_EQ(f.LblZHU(47).Top(), 4770);
             EXPECT_DOUBLE_EQ(f.LblZHU(56).Top(), 3015);
         }},
        {"N5", "00",
         [](FrmMain& f) {
             // A digit without a layout: every item parked, the picture the digit's.
             EXPECT_EQ(sourceName(f.PicCtrl.picture()), QStringLiteral("NN0005.rar"));
             for (int n = 41; n <= 60; ++n)
                 EXPECT_DOUBLE_EQ(f.LblZHU(n).Top(), -30) << n;
         }},
        {"NA", "00",
         [](FrmMain& f) {
             // A letter names the picture and reads 0: layout 0.
             EXPECT_EQ(sourceName(f.PicCtrl.picture()), QStringLiteral("NN000A.rar"));
             EXPECT_DOUBLE_EQ(f.LblZHU(41).Left(), 3360);
             EXPECT_DOUBLE_EQ(f.LblZHU(55).Left(), -30);
         }},
        {"PD", "M0",
         [](FrmMain& f) {
             EXPECT_TRUE(f.PicMyPc.Visible());
             EXPECT_TRUE(f.PicTable.Visible());
             EXPECT_FALSE(f.PicCtrl.Visible());
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pane + std::string("/") + row.win);
        StepRecord r = step(QStringLiteral("0000"));
        r.set(col::PaneCode, QString::fromLatin1(row.pane)).set(col::WinCode, QString::fromLatin1(row.win));
        row.check(show(r));
        desk().Unload();
        testkit::settle();
    }
}

// ---- Clicks ----------------------------------------------------------------------------------

// One row per area: the step that shows it, the hot-spot clicked, and whether its menu path
// (in any of the three target slots) moves the task on.
TEST_F(HotSpots, ALeftClickCompletesTheMenuPathOfItsHotSpotOnly)
{
    struct Row {
        const char* what;
        const char* pane;
        const char* win;
        int slot; // column of the target
        const char* id;
        int clicked;
        char jump;
        int expected; // step afterwards
    };
    const Row rows[] = {
        {"toolbar button", "00", "O1", col::TargetC, "16", 16, '0', 2},
        {"another toolbar button", "00", "O1", col::TargetC, "16", 17, '0', 1},
        {"task-pane link", "00", "O2", col::TargetA, "33", 33, '3', 3},
        {"task-pane link of another pane", "00", "O2", col::TargetA, "33", 34, '3', 1},
        {"dialog item", "N1", "00", col::TargetB, "45", 45, '0', 2},
        {"dialog item, other one", "N1", "00", col::TargetB, "45", 46, '0', 1},
        {"desktop icon", "00", "M0", col::TargetA, "61", 61, '4', 4},
        {"desktop icon, wrong", "00", "M0", col::TargetA, "61", 62, '4', 1},
        {"My Computer drive", "PC", "00", col::TargetC, "95", 95, '0', 2},
        {"My Computer item 101", "PC", "00", col::TargetC, "Z1", 101, '0', 2},
        {"My Computer item 100, path of 101", "PC", "00", col::TargetC, "Z1", 100, '0', 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        StepRecord r = step(QStringLiteral("0000"));
        r.set(col::PaneCode, QString::fromLatin1(row.pane)).set(col::WinCode, QString::fromLatin1(row.win));
        r.set(row.slot, path(row.id, row.jump));
        FrmMain& f = show(r);
        testkit::click(f.LblZHU(row.clicked));
        EXPECT_EQ(stepNow(), row.expected);
        f.Unload();
        testkit::settle();
    }
}

TEST_F(HotSpots, APathWithARowIsNotCompletedOnTheHotSpotAndOneClickTakesOneStep)
{
    // targetC and targetA both name desktop icon 62: the first fires, the second belongs to a
    // record that is gone. targetB names a row of its drop-down: never completed here.
    StepRecord r = step(QStringLiteral("0000"));
    r.set(col::WinCode, "M0").set(col::TargetC, path("62")).set(col::TargetA, path("62", '4'));
    FrmMain& f = show(r);
    testkit::click(f.LblZHU(62));
    EXPECT_EQ(stepNow(), 2);

    StepRecord withRow = step(QStringLiteral("0000"));
    withRow.set(col::WinCode, "M0").set(col::TargetB, QStringLiteral("H620100000"));
    f.Unload();
    testkit::settle();
    show(withRow);
    testkit::click(desk().LblZHU(62));
    EXPECT_EQ(stepNow(), 1);
    EXPECT_EQ(desk().menuId, QStringLiteral("62"));
}

TEST_F(HotSpots, MenuIdsFollowTheApplicationLetterAndTheNumber)
{
    StepRecord r = step(QStringLiteral("0000"));
    r.set(col::WinCode, "B0");
    FrmMain& f = show(r);
    struct Row {
        int n;
        const char* id;
    };
    for (const Row& row : {Row{3, "B3"}, Row{10, "10"}, Row{23, "23"}, Row{100, "Z0"}, Row{102, "Z2"}})
        EXPECT_EQ(f.hotSpotMenuId(row.n), QString::fromLatin1(row.id)) << row.n;
}

TEST_F(HotSpots, ADoubleClickCompletesTheDoubleClickTargetOfItsHotSpot)
{
    writeDeskPicture(QStringLiteral("620099.rar"));
    for (const auto& [clicked, expected] : {std::pair{62, 2}, std::pair{61, 1}}) {
        SCOPED_TRACE(clicked);
        StepRecord r = step(QStringLiteral("0000"));
        r.set(col::WinCode, "M0").set(col::TargetA, QStringLiteral("S620000000"));
        FrmMain& f = show(r);
        testkit::dblClick(f.LblZHU(clicked));
        EXPECT_EQ(stepNow(), expected);
        f.Unload();
        testkit::settle();
    }
}

TEST_F(HotSpots, LeftClicksLightUpTheirItemAndOpenTheirDropDowns)
{
    writeDeskPicture(QStringLiteral("160099.rar"), 32, 38);
    writeDeskPicture(QStringLiteral("230099.rar"), 39, 38);
    writeDeskPicture(QStringLiteral("230077.rar"), 120, 200);
    writeDeskPicture(QStringLiteral("840077.rar"), 150, 300);
    writeDeskPicture(QStringLiteral("950099.rar"), 132, 26);
    StepRecord r = step(QStringLiteral("0000"));
    r.set(col::PaneCode, "PC").set(col::WinCode, "O1");
    FrmMain& f = show(r);

    testkit::click(f.LblZHU(16));
    EXPECT_EQ(sourceName(f.ImgTool.picture()), QStringLiteral("160099.rar"));
    EXPECT_DOUBLE_EQ(f.ImgTool.Left(), 4770);
    EXPECT_FALSE(f.Pic1J.Visible());

    testkit::click(f.LblZHU(23));
    EXPECT_TRUE(f.Pic1J.Visible());
    EXPECT_EQ(sourceName(f.Pic1J.picture()), QStringLiteral("230077.rar"));
    EXPECT_DOUBLE_EQ(f.Pic1J.Left(), 7890);
    EXPECT_DOUBLE_EQ(f.Pic1J.Top(), 735 + 15 + 570);

    testkit::click(f.LblZHU(95));
    EXPECT_FALSE(f.Pic1J.Visible());
    EXPECT_TRUE(f.ImgTool.picture().isNull());
    EXPECT_EQ(sourceName(f.ImgMyPc.picture()), QStringLiteral("950099.rar"));

    // All Programs opens its list at a fixed place, wherever its hot-spot lies.
    testkit::click(f.StartMenu);
    ASSERT_TRUE(f.PicStart.Visible());
    testkit::click(f.LblZHU(84));
    EXPECT_EQ(f.menuId, QStringLiteral("84"));
    EXPECT_TRUE(f.Pic1J.Visible());
    EXPECT_DOUBLE_EQ(f.Pic1J.Left(), 2160);
    EXPECT_DOUBLE_EQ(f.Pic1J.Top(), 2565);
}

TEST_F(HotSpots, RightClicksOpenObjectMenusAndJudgeNothing)
{
    writeDeskPicture(QStringLiteral("620077.rar"), 100, 120);
    writeDeskPicture(QStringLiteral("630099.rar"), 52, 62);
    StepRecord r = step(QStringLiteral("0000"));
    r.set(col::WinCode, "M0").set(col::TargetC, path("63"));
    FrmMain& f = show(r);
    testkit::click(f.LblZHU(63), platform::vbRightButton);
    EXPECT_EQ(stepNow(), 1);
    EXPECT_EQ(f.menuId, QStringLiteral("63"));
    EXPECT_EQ(sourceName(f.Pic1J.picture()), QStringLiteral("620077.rar"));
    EXPECT_EQ(sourceName(f.ImgTable.picture()), QStringLiteral("630099.rar"));
    EXPECT_DOUBLE_EQ(f.Pic1J.Left(), 210 + 390);
    EXPECT_DOUBLE_EQ(f.Pic1J.Top(), 2460 + 465);
    EXPECT_TRUE(f.Pic1J.Visible());
    // A middle release is not a left one either.
    f.Pic1J.setVisible(false);
    testkit::click(f.LblZHU(63), platform::vbMiddleButton);
    EXPECT_EQ(stepNow(), 1);
}

TEST_F(HotSpots, ADriveMenuFlipsOnlyWhenItWouldPassTheRightEdge)
{
    // Drive E's centre lies at 3150 + 5580 + 990 = 9720: a panel of 2280 twips ends exactly at the
    // form's right edge and stays; one pixel wider passes it and opens to the left.
    for (const auto& [widthPx, left] : {std::pair{152, 9720.0}, std::pair{153, 9720.0 - 153 * 15}}) {
        SCOPED_TRACE(widthPx);
        writeDeskPicture(QStringLiteral("950077.rar"), widthPx, 40);
        StepRecord r = step(QStringLiteral("0000"));
        r.set(col::PaneCode, "PC");
        FrmMain& f = show(r);
        ASSERT_DOUBLE_EQ(f.Width(), 12000);
        testkit::click(f.LblZHU(97), platform::vbRightButton);
        EXPECT_EQ(f.menuId, QStringLiteral("97"));
        EXPECT_DOUBLE_EQ(f.Pic1J.Left(), left);
        EXPECT_DOUBLE_EQ(f.Pic1J.Top(), 1680 + 2145 + 195);
        f.Unload();
        testkit::settle();
    }
}

TEST_F(HotSpots, RightClicksOnTheBareAreasOpenTheirMenusAtThePointer)
{
    writeDeskPicture(QStringLiteral("690077.rar"), 100, 100);
    writeDeskPicture(QStringLiteral("250077.rar"), 100, 100);
    writeDeskPicture(QStringLiteral("Z30077.rar"), 100, 100);
    writeDeskPicture(QStringLiteral("700077.rar"), 100, 100);
    StepRecord r = step(QStringLiteral("0000"));
    r.set(col::WinCode, "M0").set(col::TargetA, path("69"));
    FrmMain& f = show(r);

    testkit::rightClick(f, 6000, 3000);
    EXPECT_EQ(f.menuId, QStringLiteral("69"));
    EXPECT_EQ(sourceName(f.Pic1J.picture()), QStringLiteral("690077.rar"));
    EXPECT_DOUBLE_EQ(f.Pic1J.Left(), 6000);
    EXPECT_DOUBLE_EQ(f.Pic1J.Top(), 3000);
    EXPECT_EQ(stepNow(), 1);
    // Within its own height of the desktop box's bottom it opens above the pointer.
    testkit::rightClick(f, 6000, 8490 - 1500);
    EXPECT_DOUBLE_EQ(f.Pic1J.Top(), 8490 - 1500 - 1500);
    // Near the right edge it opens to the left.
    testkit::rightClick(f, 10995, 3000);
    EXPECT_DOUBLE_EQ(f.Pic1J.Left(), 10995 - 1500);
    // A left or middle release on the bare desktop opens nothing.
    f.Pic1J.setVisible(false);
    testkit::click(f, 6000, 3000);
    testkit::click(f, 6000, 3000, platform::vbMiddleButton);
    EXPECT_FALSE(f.Pic1J.Visible());

    // The Start button: a fixed place for any button but the left.
    testkit::click(f.StartMenu, platform::vbMiddleButton);
    EXPECT_EQ(f.menuId, QStringLiteral("70"));
    EXPECT_DOUBLE_EQ(f.Pic1J.Left(), 360);
    EXPECT_DOUBLE_EQ(f.Pic1J.Top(), 6600);
    EXPECT_EQ(stepNow(), 1);
    f.Unload();
    testkit::settle();

    StepRecord tool = step(QStringLiteral("0000"));
    tool.set(col::PaneCode, "PC").set(col::WinCode, "O1");
    FrmMain& g = show(tool);
    testkit::rightClick(g, 11505, 735 + 585 - 30); // on the toolbar's right end, past every button
    EXPECT_EQ(g.menuId, QStringLiteral("25"));
    EXPECT_DOUBLE_EQ(g.Pic1J.Left(), 11505 - 1500);
    EXPECT_DOUBLE_EQ(g.Pic1J.Top(), 735 + 585 - 30); // never moved up
    testkit::rightClick(g, 3150 + 7995, 1680 + 6000);
    EXPECT_EQ(g.menuId, QStringLiteral("Z3"));
    EXPECT_EQ(sourceName(g.Pic1J.picture()), QStringLiteral("Z30077.rar"));
    EXPECT_DOUBLE_EQ(g.Pic1J.Left(), 11145 - 1500);
}

TEST_F(HotSpots, TheStartButtonOpensAndClosesTheStartMenuUnlessTheStepForbidsIt)
{
    FrmMain& f = show(step(QStringLiteral("0000")));
    ASSERT_FALSE(f.PicStart.Visible());
    testkit::click(f.StartMenu);
    EXPECT_TRUE(f.PicStart.Visible());
    testkit::click(f.StartMenu);
    EXPECT_FALSE(f.PicStart.Visible());
    f.Unload();
    testkit::settle();

    StepRecord locked = step(QStringLiteral("0000"));
    locked.set(col::PaneCode, "0F");
    FrmMain& g = show(locked);
    testkit::click(g, 700, 8700);
    EXPECT_FALSE(g.PicStart.Visible());
}

TEST_F(HotSpots, StartMenuItemsCompleteTheirPaths)
{
    StepRecord r = step(QStringLiteral("0000"));
    r.set(col::TargetB, path("76"));
    FrmMain& f = show(r);
    testkit::click(f.StartMenu);
    testkit::click(f.LblZHU(77));
    EXPECT_EQ(stepNow(), 1);
    testkit::click(f.LblZHU(76));
    EXPECT_EQ(stepNow(), 2);
}

// ---- Object picture --------------------------------------------------------------------------

TEST_F(HotSpots, TheObjectPictureOpensItsMenuAndJudgesTargetCOnly)
{
    writePicture(QStringLiteral("SEL001"), 50, 20);
    writeDeskPicture(QStringLiteral("S50077.rar"), 100, 100);
    writeDeskPicture(QStringLiteral("S60077.rar"), 100, 100);
    writeDeskPicture(QStringLiteral("S20077.rar"), 100, 100);
    const auto object = [](const char* pane) {
        StepRecord r = marked(300, QStringLiteral("0000"));
        r.set(col::PaneCode, QString::fromLatin1(pane)).set(col::PointSpec, "SEL001");
        return r;
    };

    // S5: under the target, 15 below it; a path in targetA is not the object's.
    StepRecord s5 = object("S5");
    s5.set(col::TargetA, path("S5"));
    FrmMain& f = show(s5);
    ASSERT_TRUE(f.ImgElse.Visible());
    testkit::click(f.ImgElse);
    EXPECT_EQ(f.menuId, QStringLiteral("S5"));
    EXPECT_EQ(sourceName(f.ImgElse.picture()), QStringLiteral("SEL001.rar"));
    EXPECT_TRUE(f.Pic1J.Visible());
    EXPECT_DOUBLE_EQ(f.Pic1J.Left(), 3000);
    EXPECT_DOUBLE_EQ(f.Pic1J.Top(), 600 + 300 + 15);
    EXPECT_EQ(stepNow(), 1);
    f.Unload();
    testkit::settle();

    // S6: at 780, directly under the target.
    FrmMain& g = show(object("S6"));
    EXPECT_DOUBLE_EQ(g.ImgElse.Left(), 780);
    testkit::click(g.ImgElse);
    EXPECT_DOUBLE_EQ(g.Pic1J.Left(), 780);
    EXPECT_DOUBLE_EQ(g.Pic1J.Top(), 900);
    g.Unload();
    testkit::settle();

    // S4 opens nothing, and targetC completes the step.
    StepRecord s4 = object("S4");
    s4.set(col::TargetC, path("S4", '3'));
    FrmMain& k = show(s4);
    testkit::click(k.ImgElse);
    EXPECT_EQ(stepNow(), 3);
    k.Unload();
    testkit::settle();

    // S2: the right button opens at the pointer and judges nothing; a double click completes the
    // double-click target.
    StepRecord s2 = object("S2");
    s2.set(col::TargetA, QStringLiteral("SS20000000"));
    FrmMain& h = show(s2);
    testkit::rightClick(h, 3105, 705);
    EXPECT_EQ(h.menuId, QStringLiteral("S2"));
    EXPECT_EQ(sourceName(h.Pic1J.picture()), QStringLiteral("S20077.rar"));
    EXPECT_TRUE(h.Pic1J.Visible());
    EXPECT_DOUBLE_EQ(h.Pic1J.Left(), 3105);
    EXPECT_DOUBLE_EQ(h.Pic1J.Top(), 705);
    EXPECT_EQ(stepNow(), 1);
    h.Pic1J.setVisible(false); // closed, as the pointer leaving it would
    testkit::dblClick(h.ImgElse);
    EXPECT_EQ(stepNow(), 2);
}

// ---- Hover -----------------------------------------------------------------------------------

TEST_F(HotSpots, HoverHighlightsTheItemAndClosesOtherMenus)
{
    writeDeskPicture(QStringLiteral("170088.rar"), 32, 38);
    StepRecord r = step(QStringLiteral("0000"));
    r.set(col::PaneCode, "N0").set(col::WinCode, "O3");
    FrmMain& f = show(r);

    f.menuId = QStringLiteral("17");
    f.Pic1J.setVisible(true);
    f.LblZHU_MouseMove(17, 0, 0, 0, 0); // its own drop-down stays open
    EXPECT_TRUE(f.Pic1J.Visible());
    testkit::move(f, testkit::centreOf(f.LblZHU(16)).x(), testkit::centreOf(f.LblZHU(16)).y());
    EXPECT_FALSE(f.Pic1J.Visible());
    EXPECT_EQ(f.menuId, QStringLiteral("00"));
    f.LblZHU_MouseMove(17, 0, 0, 0, 0);
    EXPECT_EQ(sourceName(f.ImgTool.picture()), QStringLiteral("170088.rar"));
    EXPECT_DOUBLE_EQ(f.ImgTool.Left(), 5250);

    // A dialog item gets a line at 0.65 of its height, white for 41-50, blue for 51-60.
    f.LblZHU(45).Move(600, 300, 1500, 250);
    f.LblZHU_MouseMove(45, 0, 0, 0, 0);
    EXPECT_DOUBLE_EQ(f.ImgCtrl.X1(), 600 + 1.088 * 250);
    EXPECT_DOUBLE_EQ(f.ImgCtrl.X2(), 2100);
    EXPECT_DOUBLE_EQ(f.ImgCtrl.Y1(), 462.5);
    EXPECT_EQ(f.ImgCtrl.BorderColor(), 0xFFFFFF);
    f.LblZHU_MouseMove(53, 0, 0, 0, 0);
    EXPECT_EQ(f.ImgCtrl.BorderColor(), 0xFF8E42);

    // Task-pane link 38 of pane 1 (parked at 9600) and link 30 with its second underline.
    f.LblZHU_MouseMove(30, 0, 0, 0, 0);
    EXPECT_DOUBLE_EQ(f.ImgHui.Top(), 840 + 210);
    EXPECT_DOUBLE_EQ(f.ImgHui.Width(), 2100 - 480);
    EXPECT_DOUBLE_EQ(f.ImgHui2.Top(), 840 + 210 + 165);
    f.LblZHU_MouseMove(38, 0, 0, 0, 0);
    EXPECT_DOUBLE_EQ(f.ImgHui2.Width(), 1275);
    EXPECT_DOUBLE_EQ(f.ImgHui2.Top(), f.ImgHui.Top() + 180);
    // Hot-spot 39 closes and marks nothing.
    f.LblZHU_MouseMove(39, 0, 0, 0, 0);
    EXPECT_DOUBLE_EQ(f.ImgHui.Top(), -90);
    EXPECT_DOUBLE_EQ(f.ImgCtrl.Y1(), -90);
}

TEST_F(HotSpots, TheHotSpotThatOpenedTheDropDownKeepsItOpen)
{
    writeDeskPicture(QStringLiteral("A20088.rar"), 59, 18);
    StepRecord r = step(QStringLiteral("0000"));
    r.set(col::WinCode, "A1");
    FrmMain& f = show(r);
    struct Row {
        const char* menuId;
        int hovered;
        bool keeps;
    };
    const Row rows[] = {{"A1", 1, true},    {"01", 1, true},   {"G3", 3, true},  {"O3", 3, false},
                        {"A1", 2, false},   {"10", 10, true},  {"23", 23, true}, {"Z0", 100, true},
                        {"Z0", 101, false}, {"61", 62, false}, {"33", 33, true}, {"00", 40, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.menuId) + " " + std::to_string(row.hovered));
        f.menuId = QString::fromLatin1(row.menuId);
        f.Pic1J.setVisible(true);
        f.LblZHU_MouseMove(row.hovered, 0, 0, 0, 0);
        EXPECT_EQ(f.Pic1J.Visible(), row.keeps);
        EXPECT_EQ(f.menuId, row.keeps ? QString::fromLatin1(row.menuId) : QStringLiteral("00"));
    }
    // A title lights up with the picture of the window's letter and its number.
    f.menuId = QStringLiteral("A1");
    f.LblZHU_MouseMove(2, 0, 0, 0, 0);
    EXPECT_EQ(sourceName(f.ImgMenu.picture()), QStringLiteral("A20088.rar"));
}

// ---- Teaching frames -------------------------------------------------------------------------

TEST_F(HotSpots, TeachingFramesFrameTheExpectedHotSpotsInTeachingModeOnly)
{
    struct Row {
        const char* what;
        const char* b;
        const char* a;
        const char* c;
        std::function<void(FrmMain&)> check;
    };
    const auto only = [](FrmMain& f, std::initializer_list<platform::Shape*> shown) {
        for (platform::Shape* s : {&f.ShapeMenu, &f.ShapeTool, &f.ShapeHui, &f.ShapeCtrl, &f.ShapeTable,
                                   &f.ShapeStart, &f.ShapeMyPc}) {
            const bool expected = std::find(shown.begin(), shown.end(), s) != shown.end();
            EXPECT_EQ(s->Visible(), expected) << s->Name().toStdString();
        }
    };
    const Row rows[] = {
        {"button 23 and icon 62", "H230000000", "H620000000", "0000000000",
         [&](FrmMain& f) {
             only(f, {&f.ShapeTool, &f.ShapeTable});
             EXPECT_DOUBLE_EQ(f.ShapeTool.Left(), 7890);
             EXPECT_DOUBLE_EQ(f.ShapeTool.Width(), 585);
             EXPECT_DOUBLE_EQ(f.ShapeTable.Top(), 1260);
         }},
        {"the whole toolbar, a pick in the Start menu", "D840100000", "H250000000", "0000000000",
         [&](FrmMain& f) {
             only(f, {&f.ShapeTool, &f.ShapeStart});
             EXPECT_DOUBLE_EQ(f.ShapeTool.Left(), 15);
             EXPECT_DOUBLE_EQ(f.ShapeTool.Width(), f.PicTool.Width() - 30);
             EXPECT_DOUBLE_EQ(f.ShapeStart.Top(), 8520);
             EXPECT_DOUBLE_EQ(f.ShapeStart.Height(), 450);
         }},
        {"the whole My Computer window and drive 100", "HZ30000000", "0000000000", "HZ00000000",
         [&](FrmMain& f) {
             only(f, {&f.ShapeMyPc});
             EXPECT_DOUBLE_EQ(f.ShapeMyPc.Left(), 2925); // targetC is examined last
         }},
        {"a pick in targetC, object menus, 67", "H670000000", "HS50000000", "D690100000",
         [&](FrmMain& f) { only(f, {}); }},
        {"a dialog item and the whole desktop", "H690000000", "H450000000", "0000000000",
         [&](FrmMain& f) {
             only(f, {&f.ShapeTable, &f.ShapeCtrl});
             EXPECT_DOUBLE_EQ(f.ShapeTable.Height(), f.PicTable.Height() - 30);
             EXPECT_DOUBLE_EQ(f.ShapeCtrl.Left(), 3345);
         }},
    };
    for (const bool teaching : {true, false}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.what) + (teaching ? " teaching" : " practice"));
            common::drill().ksMode = teaching ? common::ModeTeaching : common::ModePractice;
            StepRecord r = step(QStringLiteral("0000"));
            r.set(col::PaneCode, "N1").set(col::TargetB, QString::fromLatin1(row.b));
            r.set(col::TargetA, QString::fromLatin1(row.a)).set(col::TargetC, QString::fromLatin1(row.c));
            FrmMain& f = show(r);
            EXPECT_TRUE(f.TimerDisFK.Enabled());
            clock.advance(100);
            EXPECT_FALSE(f.TimerDisFK.Enabled());
            if (teaching) {
                row.check(f);
            } else {
                only(f, {});
            }
            f.Unload();
            testkit::settle();
        }
    }
}

// Every kind of hot-spot a menu target can name, in a folder window with menu bar, toolbar and task
// pane over My Computer: the frame takes the hot-spot's rectangle exactly.
TEST_F(HotSpots, TeachingFramesTakeTheRectangleOfTitlesLinksIconsStartItemsAndDrives)
{
    writeDeskPicture(QStringLiteral("A00000.rar"), 798, 19);
    struct Row {
        const char* what;
        const char* b;
        const char* a;
        const char* c;
        std::vector<std::pair<int, platform::Shape FrmMain::*>> framed; // hot-spot, frame
    };
    const Row rows[] = {
        {"a letter and a digit name a title; targetC comes last",
         "HA20000000",
         "0000000000",
         "HA10000000",
         {{1, &FrmMain::ShapeMenu}}},
        {"two digits name a title too, a pick in targetB counts",
         "D030100000",
         "0000000000",
         "0000000000",
         {{3, &FrmMain::ShapeMenu}}},
        {"a task-pane link and a drive",
         "0000000000",
         "H360000000",
         "H950000000",
         {{36, &FrmMain::ShapeHui}, {95, &FrmMain::ShapeMyPc}}},
        {"a desktop icon picked in targetA, a Start-menu item",
         "0000000000",
         "D610200000",
         "H710000000",
         {{61, &FrmMain::ShapeTable}}},
        {"Z4, 68 and an object menu frame nothing", "HZ40000000", "H680000000", "HS10000000", {}},
    };
    common::drill().ksMode = common::ModeTeaching;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        StepRecord r = step(QStringLiteral("0000"));
        r.set(col::PaneCode, "P0").set(col::WinCode, "A3").set(col::TargetB, QString::fromLatin1(row.b));
        r.set(col::TargetA, QString::fromLatin1(row.a)).set(col::TargetC, QString::fromLatin1(row.c));
        FrmMain& f = show(r);
        clock.advance(100);
        const bool start = QString::fromLatin1(row.c).startsWith(QStringLiteral("H71"));
        EXPECT_EQ(f.ShapeStart.Visible(), start);
        if (start) {
            EXPECT_DOUBLE_EQ(f.ShapeStart.Left(), 15);
            EXPECT_DOUBLE_EQ(f.ShapeStart.Width(), 1455);
        }
        for (platform::Shape FrmMain::*frame :
             {&FrmMain::ShapeMenu, &FrmMain::ShapeTool, &FrmMain::ShapeHui, &FrmMain::ShapeCtrl,
              &FrmMain::ShapeTable, &FrmMain::ShapeMyPc}) {
            const platform::Shape& s = f.*frame;
            const auto it = std::find_if(row.framed.begin(), row.framed.end(),
                                         [&](const auto& p) { return p.second == frame; });
            EXPECT_EQ(s.Visible(), it != row.framed.end()) << s.Name().toStdString();
            if (it == row.framed.end()) continue;
            const platform::Label& spot = f.LblZHU(it->first);
            EXPECT_EQ(QRectF(s.Left(), s.Top(), s.Width(), s.Height()),
                      QRectF(spot.Left(), spot.Top(), spot.Width(), spot.Height()))
                << s.Name().toStdString();
            EXPECT_GT(spot.Width(), 0);
        }
        f.Unload();
        testkit::settle();
    }
}

TEST_F(HotSpots, TeachingStartedInTheMiddleOfAStepFramesItsHotSpot100MsLater)
{
    StepRecord r = step(QStringLiteral("0000"));
    r.set(col::WinCode, "A1").set(col::TargetB, path("23"));
    FrmMain& f = show(r);
    clock.advance(100);
    EXPECT_FALSE(f.ShapeTool.Visible());
    panel().CmdCZTS_Click();
    EXPECT_FALSE(f.ShapeTool.Visible());
    clock.advance(100);
    EXPECT_TRUE(f.ShapeTool.Visible());
    EXPECT_DOUBLE_EQ(f.ShapeTool.Left(), 7890);
}

// ---- Pictures that cannot be read ------------------------------------------------------------

TEST_F(HotSpots, PicturesThatCannotBeReadLeaveTheControlsAndTheStepGoesOn)
{
    // A damaged desktop picture, a damaged dialog panel and missing hover and menu pictures.
    for (const char* name : {"PicTable.rar", "NN0001.rar"}) {
        QFile file(prog.file(QStringLiteral("examdata/") + QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
    }
    StepRecord first = step(QStringLiteral("0000"));
    first.set(col::PaneCode, "N0").set(col::WinCode, "M0");
    StepRecord second = step(QStringLiteral("0000"));
    second.set(col::PaneCode, "N1").set(col::WinCode, "M0").set(col::TargetA, path("45"));
    writeBank({{first, second, marked(3), terminal()}});
    FrmMain& f = showQuestion(1);
    EXPECT_TRUE(f.PicTable.Visible());
    EXPECT_TRUE(f.PicTable.picture().isNull());
    EXPECT_EQ(sourceName(f.PicCtrl.picture()), QStringLiteral("NN0000.rar"));

    common::drill().dqStep = 2;
    f.setData();
    // The panel keeps its picture, and the picture keeps its items: those of layout 0.
    EXPECT_EQ(sourceName(f.PicCtrl.picture()), QStringLiteral("NN0000.rar"));
    EXPECT_DOUBLE_EQ(f.LblZHU(45).Top(), 2670);
    EXPECT_DOUBLE_EQ(f.LblZHU(51).Top(), 765);
    EXPECT_DOUBLE_EQ(f.LblZHU(55).Left(), -30);
    f.LblZHU_MouseMove(71, 0, 0, 0, 0);
    testkit::rightClick(f, 6000, 1000); // "690077.rar" does not exist: no menu opens
    EXPECT_FALSE(f.Pic1J.Visible());
    // Where layout 1 puts its item 45, the shown panel has its item 47: a click there is on the
    // wrong item and does not pass the step ...
    testkit::click(f, 3345 + 300, 1680 + 4080 + 300);
    EXPECT_EQ(stepNow(), 2);
    // ... while the item 45 of the shown panel does.
    testkit::click(f, 3360 + 300, 1680 + 2670 + 300);
    EXPECT_EQ(stepNow(), 3);

    // Codes that are not letters and digits never become file names.
    StepRecord odd = step(QStringLiteral("0000"));
    odd.set(col::PaneCode, "N.").set(col::WinCode, "M0");
    writeBank({{odd, terminal()}});
    f.Unload();
    testkit::settle();
    FrmMain& g = showQuestion(1);
    EXPECT_TRUE(g.PicCtrl.picture().isNull());
    EXPECT_DOUBLE_EQ(g.LblZHU(41).Width(), 0); // no panel: nothing laid out over the empty box
    EXPECT_FALSE(g.loadDeskPicture(g.ImgTool, QStringLiteral("../x0088")));
}

TEST_F(HotSpots, MovingOverMyComputerShowsTheStepsDriveSelectedAgain)
{
    writeDeskPicture(QStringLiteral("960099.rar"), 132, 26);
    writeDeskPicture(QStringLiteral("920099.rar"), 97, 37);
    StepRecord r = step(QStringLiteral("0000"));
    r.set(col::PaneCode, "PD");
    FrmMain& f = show(r);
    testkit::click(f.LblZHU(92)); // another item lit
    EXPECT_EQ(sourceName(f.ImgMyPc.picture()), QStringLiteral("920099.rar"));
    testkit::move(f, 3150 + 7995, 1680 + 6000);
    EXPECT_EQ(sourceName(f.ImgMyPc.picture()), QStringLiteral("960099.rar"));
    EXPECT_DOUBLE_EQ(f.ImgMyPc.Left(), 2910);
    EXPECT_DOUBLE_EQ(f.ImgMyPc.Top(), 2145);
}

// ---- Pointer travel --------------------------------------------------------------------------

TEST_F(HotSpots, OnlyATravelOfMoreThan3000TwipsIsStored)
{
    StepRecord r = step(QStringLiteral("0000"));
    r.set(col::WinCode, "M0");
    FrmMain& f = show(r);
    f.travelReset(3000, 100);
    EXPECT_EQ(f.lastMoveX, 0);
    f.travelReset(3000.5, 100);
    EXPECT_EQ(f.lastMoveX, 3000); // rounded half to even
    EXPECT_EQ(f.lastMoveY, 100);
    f.travelReset(3000, 3100);
    EXPECT_EQ(f.lastMoveY, 100);
    f.travelReset(3000, 3101.5);
    EXPECT_EQ(f.lastMoveY, 3102);
}

// The overlay pictures report their moves too, in their own twips, and a far one closes the menus.
TEST_F(HotSpots, MovesOverTheOverlayPicturesCountAsTravel)
{
    StepRecord r = step(QStringLiteral("0000"));
    r.set(col::WinCode, "EE");
    FrmMain& f = show(r);
    int k = 0;
    for (platform::Image* img : {&f.Image1, &f.Image2, &f.Image3, &f.Image4, &f.Image5}) {
        SCOPED_TRACE(img->Name().toStdString());
        const int across = 4500 + 150 * k++; // a new place each time: a move to where it is is none
        f.travelReset(0, 0);
        f.lastMoveX = 0, f.lastMoveY = 0;
        img->setVisible(true);
        img->Move(1500, 1500, 6000, 4500);
        f.Pic1J.setVisible(true);
        testkit::move(f, 1500 + across, 1500 + 300);
        EXPECT_EQ(f.lastMoveX, across);
        EXPECT_EQ(f.lastMoveY, 300);
        EXPECT_FALSE(f.Pic1J.Visible());
        img->setVisible(false);
    }
}
