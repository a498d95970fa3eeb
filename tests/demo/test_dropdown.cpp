// Menu steps: the glide to the hot-spot, the Start menu for its items, and the cascade of drop-down
// panels picked level by level down the step's menu path.
#include <QFile>
#include <QImage>
#include <cmath>

#include "demo_fixture.h"
#include "steps/hotspot_tables.h"
#include "steps/menu_tables.h"

using namespace demotest;

namespace {

// A menu step of window "A" (or on the desktop for the Start menu) with its path in targetA.
StepRecord menuStep(const QString& path, const QString& window = QStringLiteral("A0"))
{
    StepRecord r;
    r.action(QStringLiteral("7000"));
    r.set(col::WinCode, window);
    r.set(col::TargetA, path);
    return r;
}

class Dropdown : public Demo {
protected:
    // Plays until `done` holds, at most 200 ticks; false when it never did.
    template <class F> bool until(F done)
    {
        for (int i = 0; i < 200 && playing(); ++i) {
            if (done()) return true;
            time.advance(100);
        }
        return playing() && done();
    }
    // A picture of the desktop's chrome, so that a panel or highlight has a size and a name.
    void chrome(const QString& name, int w = 120, int h = 200)
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::white);
        ASSERT_TRUE(img.save(prog.file(QStringLiteral("examdata/") + name + QStringLiteral(".rar")), "BMP"));
    }
};

} // namespace

TEST_F(Dropdown, ATitleOpensItsPanelAndTheSecondLevelEndsThePath)
{
    chrome(QStringLiteral("A10077"));
    chrome(QStringLiteral("A10477"));
    start({{menuStep(QStringLiteral("HA10401000")), terminal()}});
    startDemo();
    FrmYanShi& p = player();
    // The glide goes to title 1 of the menu bar, framed.
    platform::Label& title = p.LblZHU(1);
    EXPECT_TRUE(p.PicMenu.Visible());
    EXPECT_GT(title.Width(), 0);
    EXPECT_DOUBLE_EQ(p.Shape1.Left(), title.Left());
    ASSERT_TRUE(until([&] { return p.Pic1J.Visible(); }));
    // The click on the title: the panel under it, its rows on the form over it, row 4 framed.
    EXPECT_LE(std::abs(pointer().x() - (title.Left() + title.Width() / 2)), 0.5);
    EXPECT_TRUE(p.Pic1J.Visible());
    EXPECT_EQ(p.Pic1J.picture().source().section(QLatin1Char('/'), -1), QStringLiteral("A10077.rar"));
    EXPECT_DOUBLE_EQ(p.Pic1J.Left(), title.Left());
    EXPECT_DOUBLE_EQ(p.Pic1J.Top(), title.Top() + title.Height());
    const auto rows = menus::firstLevelRows(QStringLiteral("A1"), 1, 1, menus::Desk::Demonstration,
                                            {p.Pic1J.Left(), p.Pic1J.Top()});
    EXPECT_DOUBLE_EQ(p.Lbl1J(4).Top(), rows[4].top);
    EXPECT_DOUBLE_EQ(p.Shape1.Top(), p.Lbl1J(4).Top());
    // The first-level pick opens the second level beside the panel, level with the row.
    ASSERT_TRUE(until([&] { return p.Pic2J.Visible(); }));
    EXPECT_LE(std::abs(pointer().y() - (p.Lbl1J(4).Top() + p.Lbl1J(4).Height() / 2)), 0.5);
    EXPECT_TRUE(p.Img1J.Visible());
    EXPECT_DOUBLE_EQ(p.Img1J.Top(), p.Lbl1J(4).Top());
    EXPECT_TRUE(p.Pic2J.Visible());
    EXPECT_DOUBLE_EQ(p.Pic2J.Left(), p.Pic1J.Left() + p.Pic1J.Width() - 75);
    EXPECT_DOUBLE_EQ(p.Pic2J.Top(), p.Lbl1J(4).Top());
    EXPECT_DOUBLE_EQ(p.Shape1.Top(), p.Lbl2J(1).Top());
    EXPECT_GT(ticksUntilStepLeaves(1), 0);
    EXPECT_EQ(p.shownStep(), 2);
}

TEST_F(Dropdown, AProgramIsStartedThreeLevelsDeepInTheStartMenu)
{
    // At half speed: the glide into the Start menu keeps its own pace.
    for (const char* panel : {"840077", "841077", "SS0277"})
        chrome(QString::fromLatin1(panel));
    start({{menuStep(QStringLiteral("H841002020"), QStringLiteral("00")), terminal()}});
    startDemo(platform::vbLeftButton, platform::vbShiftMask);
    FrmYanShi& p = player();
    // First to the Start button, whose click opens the Start menu.
    EXPECT_DOUBLE_EQ(p.Shape1.Top(), 8520);
    ASSERT_TRUE(until([&] { return p.PicStart.Visible(); }));
    EXPECT_EQ(pointer().x(), 728);
    // The Start menu's item framed where the Start menu lies.
    EXPECT_DOUBLE_EQ(p.Shape1.Left(), 105);
    EXPECT_DOUBLE_EQ(p.Shape1.Top(), 7500);
    // The glide there at 100 ms a tick: a glide's 14 ticks and the click, where the half speed's
    // 200 ms would take twice as many.
    int ticks = 0;
    for (; ticks < 60 && playing() && !p.Pic1J.Visible(); ++ticks)
        time.advance(100);
    EXPECT_LE(ticks, 15);
    ASSERT_TRUE(p.Pic1J.Visible());
    EXPECT_DOUBLE_EQ(p.Pic1J.Left(), 2160);
    EXPECT_DOUBLE_EQ(p.Pic1J.Top(), 2565);
    // "8410": the second panel's top level with the first's.
    ASSERT_TRUE(until([&] { return p.Pic2J.Visible(); }));
    EXPECT_DOUBLE_EQ(p.Pic2J.Top(), p.Pic1J.Top());
    EXPECT_DOUBLE_EQ(p.Pic2J.Left(), p.Pic1J.Left() + p.Pic1J.Width() - 15);
    ASSERT_TRUE(until([&] { return p.Pic3J.Visible(); }));
    EXPECT_DOUBLE_EQ(p.Pic3J.Left(), p.Pic2J.Left() + p.Pic2J.Width() - 15);
    EXPECT_DOUBLE_EQ(p.Pic3J.Top(), p.Lbl2J(2).Top());
    EXPECT_DOUBLE_EQ(p.Shape1.Top(), p.Lbl3J(2).Top());
    EXPECT_GT(ticksUntilStepLeaves(1), 0);
    EXPECT_EQ(p.shownStep(), 2);
    EXPECT_FALSE(p.Pic3J.Visible());
    EXPECT_FALSE(p.Img2J.Visible());
}

TEST_F(Dropdown, APathThatStopsEarlyEndsItsStepThere)
{
    struct Case {
        const char* what;
        const char* path;
        const char* window;
        QList<int> played;
    } cases[] = {
        // The row opens a second level, but the path ends at the first: the jump is taken at once.
        {"first level", "HA10400004", "A0", {1, 4, 5}},
        // No third-level row: the wait after the third-level glide advances, whatever the jump.
        {"third level", "H841002004", "00", {1, 2, 3}},
        // A hot-spot whose area opens no panel.
        {"task pane", "H300100000", "A0", {1, 2, 3}},
    };
    for (const char* panel : {"A10077", "A10477", "840077", "841077", "SS0277"})
        chrome(QString::fromLatin1(panel));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        start({{menuStep(QString::fromLatin1(c.path), QString::fromLatin1(c.window)), at("8888"), terminal(),
                at("8888"), terminal()}});
        startDemo();
        EXPECT_EQ(playedToEnd(), c.played);
        reset = std::make_unique<testkit::FormsReset>();
        common::drill().resetAll();
    }
}

TEST_F(Dropdown, APickedRowShowsTheStepsOwnPicture)
{
    chrome(QStringLiteral("A10077"));
    chrome(QStringLiteral("A10477"));
    chrome(QStringLiteral("P00100"), 60, 20);
    chrome(QStringLiteral("A10400"), 60, 20);
    // targetC holds the path through row 4 of 文件; targetB the MenuPick, of row 4 or of another
    // row. A "D" code at targetA is no MenuPick: the candidate's desktop reads one at targetB only.
    struct Case {
        const char* targetA;
        const char* targetB;
        const char* shown;
    };
    const Case cases[] = {
        {"", "DA104 P001", "P00100.rar"},
        {"", "DA107 P001", "A10400.rar"},
        {"DA104 P001", "", "A10400.rar"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.targetA) + " / " + c.targetB);
        StepRecord r = menuStep(QString::fromLatin1(c.targetA));
        r.set(col::TargetB, QString::fromLatin1(c.targetB));
        r.set(col::TargetC, QStringLiteral("HA10401000"));
        start({{r, at("8888"), terminal()}});
        startDemo();
        FrmYanShi& p = player();
        ASSERT_TRUE(until([&] { return p.Img1J.Visible(); }));
        EXPECT_EQ(p.Img1J.picture().source().section(QLatin1Char('/'), -1), QString::fromLatin1(c.shown));
        reset = std::make_unique<testkit::FormsReset>();
        common::drill().resetAll();
    }
}

// A panel whose picture cannot be read is never shown, with another menu's picture or none, and
// no glide goes to rows laid out without it: the path ends where the pictures end, by its jump, and
// the demonstration goes on to the end.
TEST_F(Dropdown, APanelThatCannotBeReadOpensNothingAndTheDemonstrationGoesOn)
{
    chrome(QStringLiteral("A20077"));
    chrome(QStringLiteral("A10077"));
    QFile bad(prog.file(QStringLiteral("examdata/A10477.rar")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
    bad.write("not a picture");
    bad.close();
    // Step 1 opens 编辑 (its panel is there); step 2 opens 查看 (no panel); step 3 goes down 文件 to
    // row 4, whose sub-menu's panel is damaged.
    start({{menuStep(QStringLiteral("HA20100000")), menuStep(QStringLiteral("HA30200000")),
            menuStep(QStringLiteral("HA10402000")), terminal()}});
    startDemo();
    FrmYanShi& p = player();
    bool firstShown = false, otherShown = false, secondShown = false, rowsAimed = false;
    // Once the pointer has reached the last place a step can go to (the title of 查看, row 4 of
    // 文件), it goes nowhere else.
    bool reached[4] = {};
    const auto centre = [](const platform::Control& c) {
        return QPointF(c.Left() + c.Width() / 2, c.Top() + c.Height() / 2);
    };
    for (int i = 0; i < 400 && playing() && p.shownStep() < 4; ++i) {
        const int step = p.shownStep();
        if (step == 1) firstShown |= p.Pic1J.Visible() && !p.Pic1J.picture().isNull();
        if (step == 2) otherShown |= p.Pic1J.Visible();
        if (step == 3) secondShown |= p.Pic2J.Visible();
        time.advance(100);
        if (!playing()) break;
        // Where the tick of that step left the pointer.
        if (step == 2 || step == 3) {
            const QPointF last = centre(step == 2 ? p.LblZHU(3) : p.Lbl1J(4));
            const bool there =
                std::abs(pointer().x() - last.x()) <= 1 && std::abs(pointer().y() - last.y()) <= 1;
            if (reached[step] && !there) rowsAimed = true;
            reached[step] |= there;
        }
    }
    EXPECT_TRUE(reached[2] && reached[3]);
    EXPECT_TRUE(firstShown);
    EXPECT_FALSE(otherShown) << "a panel stood under 查看";
    EXPECT_FALSE(secondShown) << "a sub-menu panel stood beside 文件's row 4";
    EXPECT_FALSE(rowsAimed) << "the pointer went to rows without a panel";
    EXPECT_EQ(p.shownStep(), 4);
    EXPECT_GE(runToEnd(), 0);
}

TEST_F(Dropdown, TheHotSpotsLieOnTheFormOverTheirAreas)
{
    // Window "A" with task pane 1; dialog layout 0.
    StepRecord r = at("8888");
    r.set(col::WinCode, QStringLiteral("A2"));
    start({{r, terminal()}});
    startDemo();
    FrmYanShi& p = player();
    struct Spot {
        int n;
        double left, top, width, height;
    } spots[] = {
        {11, 30, 750, 1185, 570},      // toolbar, offset by its box at (0, 735)
        {71, 2925, 6915, 2640, 360},   // Start menu, offset by its box at (0, 1380)
        {84, 105, 7500, 2610, 360},    //
        {92, 3465, 2295, 1455, 555},   // My Computer, offset by its box at (3150, 1680)
        {69, 0, 0, 12000, 8490},       // the whole desktop
        {103, 3150, 1680, 8820, 6870}, // the whole My Computer window
        {42, 6945, 2490, 2535, 855},   // dialog layout 0, 1680 down
        {55, -30, 1650, 15, 15},       // an item layout 0 does not use
    };
    for (const Spot& s : spots) {
        SCOPED_TRACE(s.n);
        EXPECT_DOUBLE_EQ(p.LblZHU(s.n).Left(), s.left);
        EXPECT_DOUBLE_EQ(p.LblZHU(s.n).Top(), s.top);
        EXPECT_DOUBLE_EQ(p.LblZHU(s.n).Width(), s.width);
        EXPECT_DOUBLE_EQ(p.LblZHU(s.n).Height(), s.height);
    }
    const hotspots::Rect link = hotspots::taskPaneLink(1, 26);
    EXPECT_DOUBLE_EQ(p.LblZHU(26).Left(), 105 + link.left);
    EXPECT_DOUBLE_EQ(p.LblZHU(26).Top(), 1800 + link.top);
}
