// The render phases both desktops share, on a desktop of the test's own: the "0021" overlay field,
// the step pictures (the background kept by "888888", slot k in Image k, Image6 a box), the toolbar
// picture and the window chrome (a picture that cannot be read leaves the one shown), the My
// Computer pane and the menu bar's place with its titles inside the box or on the form.
#include <vector>

#include "scene_fixture.h"

using namespace scenetest;

TEST_F(Scene, TheOverlayFieldOf0021StandsInForTheEditField)
{
    auto& f = desk();
    // The code is read by its number: blanks around it change nothing.
    for (const char* code : {"0021", "21  ", " 21"}) {
        SCOPED_TRACE(code);
        f.Text1.setText(QStringLiteral("abc"));
        f.Text1.Move(1500, 3000, 3000, 300);
        f.Text1.setVisible(true);
        f.Text2.Move(0, 0, 100, 100);
        f.Text2.setVisible(false);
        scene::overlayField(QString::fromLatin1(code), f.Text1, f.Text2);
        EXPECT_TRUE(f.Text2.Visible());
        EXPECT_FALSE(f.Text1.Visible());
        EXPECT_EQ(f.Text2.Text(), "abc");
        EXPECT_DOUBLE_EQ(f.Text2.Left(), 1500);
        EXPECT_DOUBLE_EQ(f.Text2.Top(), 3000);
        EXPECT_DOUBLE_EQ(f.Text2.Width(), 3000);
        EXPECT_DOUBLE_EQ(f.Text2.Height(), 300);
    }
    // Any other code, typed-text codes and a list line numbered 21 included, hides it and leaves
    // the edit field.
    for (const char* code : {"0020", "0027", "0001", "L001", "L021", "2100"}) {
        SCOPED_TRACE(code);
        f.Text1.setVisible(true);
        f.Text2.setVisible(true);
        scene::overlayField(QString::fromLatin1(code), f.Text1, f.Text2);
        EXPECT_FALSE(f.Text2.Visible());
        EXPECT_TRUE(f.Text1.Visible());
    }
}

TEST_F(Scene, TheBackgroundAndTheSixSlotsOfARecord)
{
    for (const char* code : {"B00001", "B00002", "P00001", "P00004", "P00006"})
        stepPicture(QString::fromLatin1(code));
    auto& f = desk();
    std::vector<std::pair<int, QString>> codes;
    std::vector<std::tuple<int, int, int>> places;
    scene::PictureHooks hooks;
    hooks.pictureCode = [&](int k, const QString& code) { codes.emplace_back(k, code); };
    hooks.placed = [&](int k, std::optional<qint16> left, std::optional<qint16> top) {
        places.emplace_back(k, left.value_or(-1), top.value_or(-1));
    };

    StepRecord first;
    first.background(QStringLiteral("B00001"));
    first.setSlot(col::Slot1, 300, '0', 600, QStringLiteral("P00001"));
    first.setSlot(col::Slot4, 900, '0', 1200, QStringLiteral("P00004"));
    first.setSlot(col::Slot6, 1500, '0', 1800, QStringLiteral("P00006"));
    // A Left that does not fit 16 bits leaves the slot's Left as it was.
    first.set(col::Slot5, QStringLiteral("99999"));
    first.set(col::Slot5 + 6, QStringLiteral("0450888888"));
    f.Image5.setLeft(77);
    scene::stepPictures(f, steps::Step(first.str()), hooks);
    EXPECT_EQ(sourceName(f.picture()), "B00001.rar");
    EXPECT_EQ(sourceName(f.Image1.picture()), "P00001.rar");
    EXPECT_EQ(sourceName(f.Image4.picture()), "P00004.rar");
    EXPECT_EQ(sourceName(f.Image6.picture()), "P00006.rar");
    EXPECT_TRUE(f.Image6.Visible());
    EXPECT_DOUBLE_EQ(f.Image6.Left(), 1500);
    EXPECT_DOUBLE_EQ(f.Image6.Top(), 1800);
    EXPECT_FALSE(f.Image2.Visible());
    EXPECT_TRUE(f.Image5.Visible());
    EXPECT_DOUBLE_EQ(f.Image5.Left(), 77);
    EXPECT_DOUBLE_EQ(f.Image5.Top(), 450);
    // Told of every code given before its load ("888888" and "000000" give none), and of every
    // slot placed.
    EXPECT_EQ(codes, (std::vector<std::pair<int, QString>>{
                         {0, "B00001"}, {1, "P00001"}, {4, "P00004"}, {6, "P00006"}}));
    EXPECT_EQ(places, (std::vector<std::tuple<int, int, int>>{
                          {1, 300, 600}, {4, 900, 1200}, {5, -1, 450}, {6, 1500, 1800}}));

    // "888888" keeps the background and a slot's picture, which moves; "000000" hides a slot and
    // keeps its picture; a code that cannot be read leaves the picture shown.
    StepRecord next;
    next.setSlot(col::Slot1, 600, '0', 900, QStringLiteral("888888"));
    next.setSlot(col::Slot6, 0, '0', 0, QStringLiteral("000000"));
    next.setSlot(col::Slot4, 0, '0', 0, QStringLiteral("NOFILE"));
    codes.clear();
    scene::stepPictures(f, steps::Step(next.str()));
    EXPECT_EQ(sourceName(f.picture()), "B00001.rar");
    EXPECT_EQ(sourceName(f.Image1.picture()), "P00001.rar");
    EXPECT_DOUBLE_EQ(f.Image1.Left(), 600);
    EXPECT_FALSE(f.Image6.Visible());
    EXPECT_EQ(sourceName(f.Image6.picture()), "P00006.rar");
    EXPECT_TRUE(f.Image4.Visible());
    EXPECT_EQ(sourceName(f.Image4.picture()), "P00004.rar");
    EXPECT_TRUE(codes.empty()); // no hooks given: nothing told, nothing broken

    // A record that ends before the sixth slot's code hides Image6; another background replaces it.
    StepRecord cut;
    cut.background(QStringLiteral("B00002"));
    cut.setSlot(col::Slot6, 1500, '0', 1800, QStringLiteral("P00006"));
    f.Image6.setVisible(true);
    scene::stepPictures(f, steps::Step(cut.truncated(200)));
    EXPECT_FALSE(f.Image6.Visible());
    EXPECT_EQ(sourceName(f.picture()), "B00002.rar");
}

TEST_F(Scene, TheToolbarAndTheWindowChromeKeepTheirPicturesWhenAnotherCannotBeRead)
{
    for (const char* name : {"1100W1", "A00000", "41A001"})
        deskPicture(QString::fromLatin1(name));
    auto& f = desk();
    StepRecord window;
    window.set(col::WinCode, QStringLiteral("A3"));
    scene::renderPhases(f, steps::Step(window.str()));
    EXPECT_EQ(sourceName(f.PicTool.picture()), "1100W1.rar");
    EXPECT_EQ(sourceName(f.PicMenu.picture()), "A00000.rar");
    EXPECT_EQ(sourceName(f.PicHui.picture()), "41A001.rar");
    EXPECT_TRUE(f.PicMenu.Visible());
    EXPECT_TRUE(f.PicTool.Visible());
    EXPECT_TRUE(f.PicHui.Visible());

    // "W" in column 5 asks for the wide toolbar, "B" for Notepad's menu bar, digit 5 for task pane
    // 2: none of them can be read, so the pictures shown stay, and the boxes are shown all the same.
    StepRecord other;
    other.set(col::PaneCode, QStringLiteral("0W")).set(col::WinCode, QStringLiteral("B5"));
    scene::renderPhases(f, steps::Step(other.str()));
    EXPECT_EQ(sourceName(f.PicTool.picture()), "1100W1.rar");
    EXPECT_EQ(sourceName(f.PicMenu.picture()), "A00000.rar");
    EXPECT_EQ(sourceName(f.PicHui.picture()), "41A001.rar");
    EXPECT_TRUE(f.PicMenu.Visible());
    EXPECT_TRUE(f.PicHui.Visible());

    // Once it can be read, the wide one is shown.
    deskPicture(QStringLiteral("1100W2"));
    scene::renderPhases(f, steps::Step(other.str()));
    EXPECT_EQ(sourceName(f.PicTool.picture()), "1100W2.rar");
}

TEST_F(Scene, TheMyComputerPaneGoesWithThePaneLetter)
{
    auto& f = desk();
    struct Case {
        const char* pane;
        bool shown;
    } cases[] = {{"PC", true}, {"PF", true}, {"N0", false}, {"S6", false}, {"00", false}, {"pC", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pane);
        StepRecord r;
        r.set(col::PaneCode, QString::fromLatin1(c.pane));
        f.PicMyPc.setVisible(!c.shown);
        scene::myComputerPane(steps::Step(r.str()), f.PicMyPc);
        EXPECT_EQ(f.PicMyPc.Visible(), c.shown);
    }
    // A record cut before the pane letter names no pane.
    f.PicMyPc.setVisible(true);
    scene::myComputerPane(steps::Step(QStringLiteral("000")), f.PicMyPc);
    EXPECT_FALSE(f.PicMyPc.Visible());
}

// The menu bar at its default place or where "W" puts it, and letter A's titles 1 and 7 (7 takes
// 8's Left): inside the box, or on the form over it.
TEST_F(Scene, TheMenuBarsPlaceAndItsTitles)
{
    struct Case {
        const char* point; // pointSpec
        double left, top;  // the box, design twips
    } cases[] = {{"0000000000", 15, 405},
                 {"W0600,1200", 600, 1200},
                 {"W0600 1200", 600, 1200},
                 {"Wabcd,efgh", 0, 0},
                 {"X0600,1200", 15, 405}};
    for (double tpp : {15.0, 12.0}) {
        useScale(tpp);
        for (const Case& c : cases) {
            for (bool onForm : {false, true}) {
                SCOPED_TRACE(testing::Message()
                             << c.point << (onForm ? " on the form" : " in the box") << " at " << tpp);
                auto& f = desk();
                StepRecord r;
                r.set(col::WinCode, QStringLiteral("A0")).set(col::PointSpec, QString::fromLatin1(c.point));
                scene::placeMenuBar(steps::Step(r.str()), f.PicMenu, f.LblZHU, onForm);
                EXPECT_DOUBLE_EQ(f.PicMenu.Left(), c.left * sx());
                EXPECT_DOUBLE_EQ(f.PicMenu.Top(), c.top * sy());
                const double dx = onForm ? c.left * sx() : 0, dy = onForm ? c.top * sy() : 0;
                EXPECT_DOUBLE_EQ(f.LblZHU(1).Left(), 15 * sx() + dx);
                EXPECT_DOUBLE_EQ(f.LblZHU(1).Top(), 15 * sy() + dy);
                EXPECT_DOUBLE_EQ(f.LblZHU(1).Width(), 885 * sx());
                EXPECT_DOUBLE_EQ(f.LblZHU(1).Height(), 270 * sy());
                EXPECT_DOUBLE_EQ(f.LblZHU(7).Left(), 6105 * sx() + dx);
            }
        }
    }
    // A letter without titles places the box and leaves the titles.
    auto& f = desk();
    f.LblZHU(1).Move(1, 2, 3, 4);
    StepRecord none;
    none.set(col::WinCode, QStringLiteral("O1"));
    scene::placeMenuBar(steps::Step(none.str()), f.PicMenu, f.LblZHU, false);
    EXPECT_DOUBLE_EQ(f.PicMenu.Left(), 15 * sx());
    EXPECT_DOUBLE_EQ(f.LblZHU(1).Left(), 1);
}
