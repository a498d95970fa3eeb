// Steps that need more than a click: the rubber band and the drag from the second target, the
// drag of a picture to its drop point, and the drawn context menu with its sub-menu.
#include <algorithm>
#include <cmath>

#include <QImage>

#include "demo_fixture.h"

using namespace demotest;

namespace {

// A band (004x) or drag (005x) step: from the second target at (1500, 1500) to the target at
// (6000, 4500).
StepRecord fromSecond(const QString& code)
{
    StepRecord r;
    r.action(code);
    r.mainRect(6000, '0', 4500, 600, 300);
    r.setRect(col::AuxRect, 1500, '0', 1500, 600, 300);
    return r;
}

// Every record of the context-menu file: a cascade over its list, a plain row with a separator,
// an absent row, another plain row, and a last row that starts with a separator; each caption
// tagged with its group and set.
QStringList menuFile()
{
    // The 15 lines of a record; "*" marks the lines that carry the record's tag.
    static const char* const record[] = {"record*",
                                         "新建(W)*",
                                         "文件夹(F)|快捷方式(S)|-|文本文档*",
                                         "打开(O)|资源管理器(X)|-|删除(D)*",
                                         "0",
                                         "",
                                         "剪切(T)|复制(C)|粘贴(P)*",
                                         "0",
                                         "",
                                         "0",
                                         "0",
                                         "",
                                         "0",
                                         "",
                                         "-|属性(R)*"};
    QStringList lines;
    for (int g = 1; g <= 4; ++g)
        for (int s = 1; s <= 9; ++s)
            for (const char* line : record) {
                QString text = QString::fromUtf8(line);
                if (text.endsWith(QLatin1Char('*')))
                    text = text.chopped(1) + QStringLiteral(" %1-%2").arg(g).arg(s);
                lines << text;
            }
    return lines;
}

} // namespace

TEST_F(Demo, ABandGrowsFromTheSecondTargetToTheTarget)
{
    start({{fromSecond("0040"), terminal()}});
    startDemo();
    FrmYanShi& p = player();
    // The first leg already shows the cursor picture instead of the arrow.
    time.advance(100);
    EXPECT_TRUE(p.ImgICO.Visible());
    EXPECT_DOUBLE_EQ(p.LPoint(0).X1(), -100);
    // On its way from the start to the second target, up and to the left.
    EXPECT_LT(p.ImgICO.Left(), StartX);
    EXPECT_LT(p.ImgICO.Top(), StartY);
    // The second leg: the band starts at the second target's corner.
    for (int i = 0; i < 30 && p.Shape6.Left() != 1500 && p.shownStep() == 1; ++i)
        time.advance(100);
    EXPECT_TRUE(p.Shape6.Visible());
    EXPECT_DOUBLE_EQ(p.Shape6.Left(), 1500);
    EXPECT_DOUBLE_EQ(p.Shape6.Top(), 1500);
    EXPECT_DOUBLE_EQ(p.Shape4.Left(), -100); // the next arrival is the click
    time.advance(100);
    EXPECT_DOUBLE_EQ(p.Shape6.Width(), p.ImgICO.Left() - 1500 + 120);
    EXPECT_DOUBLE_EQ(p.Shape6.Height(), p.ImgICO.Top() - 1500 + 120);
    EXPECT_GT(ticksUntilStepLeaves(1), 0);
    EXPECT_EQ(p.shownStep(), 2);
}

TEST_F(Demo, ADragShowsTheArrowThenTheCursorAndNoBand)
{
    start({{fromSecond("0052"), terminal()}});
    startDemo();
    FrmYanShi& p = player();
    time.advance(100);
    EXPECT_FALSE(p.ImgICO.Visible());
    // The second leg shows the cursor picture and no band.
    for (int i = 0; i < 30 && !p.ImgICO.Visible() && p.shownStep() == 1; ++i)
        time.advance(100);
    EXPECT_TRUE(p.ImgICO.Visible());
    EXPECT_FALSE(p.Shape6.Visible());
    time.advance(100);
    EXPECT_TRUE(p.ImgICO.Visible());
    EXPECT_FALSE(p.Shape6.Visible());
    EXPECT_GT(ticksUntilStepLeaves(1), 0);
    EXPECT_EQ(p.shownStep(), 2);
}

TEST_F(Demo, APictureIsDraggedPastItsDropPointWhereTheCandidatesDesktopAcceptsIt)
{
    // At scale 1.0 and 0.8 the pointer takes the picture at its centre and carries it, at one step a
    // second, as the candidate's desktop moves a picture: its Left and Top at the arrow's tip, along
    // the axes the code moves it. It lets go of it three pixels past the drop point in the directions
    // the code judges; an axis the code does not judge keeps the picture's own place, whatever its
    // drop coordinate. A candidate who takes the picture where the arrow took it and lets go where the
    // arrow let go passes the step on the candidate's desktop.
    const struct {
        const char* code;
        int x, y;
        int dx, dy; // the side of the drop point the picture must end on, per axis (0: not judged)
    } cases[] = {{"8004", 0, 3000, 0, 1},     {"8001", 1200, 0, -1, 0},    {"8003", 5000, 2000, 0, -1},
                 {"8007", 4500, 5000, 1, 1},  {"8008", 900, 1500, -1, -1}, {"8006", 1000, 7000, -1, 1},
                 {"8009", 8000, 1000, 1, -1}, {"8002", 8000, 3000, 1, 0}};
    for (double tpp : {15.0, 12.0}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << tpp << " " << c.code);
            platform::setTwipsPerPixel(tpp, tpp);
            common::computeScale();
            const double sx = common::scaleX(), sy = common::scaleY();
            // A picture of an odd width, whose centre lies between two whole twips at scale 1.0.
            QImage img(61, 45, QImage::Format_RGB32);
            img.fill(Qt::darkBlue);
            ASSERT_TRUE(img.save(dataPath + QStringLiteral("/P00001.rar"), "BMP"));
            StepRecord r;
            r.action(QString::fromLatin1(c.code));
            r.setSlot(col::Slot5, 3000, '0', 6000, QStringLiteral("P00001"));
            r.setNumber(col::PointSpec, 5, c.x).setNumber(col::PointSpec + 5, 5, c.y);
            start({{r, terminal()}});
            startDemo();
            FrmYanShi& p = player();
            EXPECT_TRUE(p.Image5.Visible());
            const double left = p.Image5.Left(), top = p.Image5.Top();
            const QPointF picture(qRound(left + p.Image5.Width() / 2), qRound(top + p.Image5.Height() / 2));
            const auto tip = [&p] { return QPointF(p.LPoint(5).X1(), p.LPoint(5).Y1()); };
            // The glide to the picture, then the drag at one step a second.
            for (int i = 0; i < 30 && pointer() != picture && p.shownStep() == 1; ++i)
                time.advance(100);
            ASSERT_EQ(pointer(), picture);
            const QPointF took = tip();
            int ticks = 0;
            while (p.shownStep() == 1 && ticks < 20) {
                time.advance(1000);
                ++ticks;
                if (p.shownStep() != 1) break;
                EXPECT_DOUBLE_EQ(p.Image5.Left(), c.dx ? tip().x() : left);
                EXPECT_DOUBLE_EQ(p.Image5.Top(), c.dy ? tip().y() : top);
            }
            EXPECT_EQ(p.shownStep(), 2);
            EXPECT_LE(ticks, 14);
            // Where the arrow let go: three pixels past the drop point along the axes judged.
            const QPointF letGo = tip();
            EXPECT_NEAR(letGo.x(), c.dx ? (c.x + 45 * c.dx) * sx : took.x(), 0.5 + 1e-6);
            EXPECT_NEAR(letGo.y(), c.dy ? (c.y + 45 * c.dy) * sy : took.y(), 0.5 + 1e-6);
            // The picture then lies where the candidate's desktop puts an accepted one.
            EXPECT_DOUBLE_EQ(p.Image5.Left(), c.dx ? c.x * sx : left);
            EXPECT_DOUBLE_EQ(p.Image5.Top(), c.dy ? c.y * sy : top);
            EXPECT_GE(runToEnd(), 0);
            time.advance(200);

            ASSERT_EQ(common::drill().dqStep, 1);
            testkit::dragHeld(desk(), took.x(), took.y(), letGo.x(), letGo.y(), platform::vbLeftButton, 0, 8,
                              16);
            EXPECT_EQ(common::drill().dqStep, 2) << "the candidate's picture was let go of at "
                                                 << desk().Image5.Left() << "," << desk().Image5.Top();
            reset = std::make_unique<testkit::FormsReset>();
            common::drill().resetAll();
        }
    }
    platform::setTwipsPerPixel(15, 15);
    common::computeScale();
}

class DrawnMenu : public Demo {
protected:
    void SetUp() override
    {
        Demo::SetUp();
        testkit::writeTextLines(prog.path(), QStringLiteral("sMenu.sys"), menuFile());
    }
    // Plays until the drawn menu shows; its Left and Top are where the pointer arrived.
    void untilMenu()
    {
        FrmYanShi& p = player();
        while (!p.LRightMMenu.Visible() && p.shownStep() == 1)
            time.advance(100);
        ASSERT_TRUE(p.LRightMMenu.Visible());
    }
};

TEST_F(DrawnMenu, APlainEntryIsPickedFromTheRecordOfTheCode)
{
    start({{at("3123", 3000, 3000), terminal()}});
    startDemo();
    untilMenu();
    FrmYanShi& p = player();
    const double L = p.LRightMMenu.Left(), T = p.LRightMMenu.Top();
    EXPECT_EQ(QPointF(L, T), pointer());
    EXPECT_EQ(p.Shape5.BorderColor(), 0xFFFF);
    // Rows from 90 twips below the top: cascade 1, row 2 with its separator, row 4, row 9.
    EXPECT_EQ(p.LRMJL(1).Caption(), QStringLiteral("新建(W) 1-1"));
    EXPECT_DOUBLE_EQ(p.LRMJL(1).Top(), T + 90);
    EXPECT_DOUBLE_EQ(p.LRMJL(1).Left(), L + 300);
    EXPECT_DOUBLE_EQ(p.LRM2(0).Top(), T + 360);
    EXPECT_DOUBLE_EQ(p.LRFGX(0).Y1(), T + 900);
    EXPECT_FALSE(p.LRM2(2).Visible());
    EXPECT_EQ(p.LRM2(3).Caption(), QStringLiteral("删除(D) 1-1"));
    EXPECT_DOUBLE_EQ(p.LRM2(3).Top(), T + 1035);
    EXPECT_FALSE(p.LRMJL(3).Visible());
    EXPECT_DOUBLE_EQ(p.LRM4(2).Top(), T + 1845);
    EXPECT_DOUBLE_EQ(p.LRFGX(1).Y1(), T + 2115);
    EXPECT_EQ(p.LRM9(1).Caption(), QStringLiteral("属性(R) 1-1"));
    EXPECT_DOUBLE_EQ(p.LRightMMenu.Height(), 2520);
    const double W = p.LRightMMenu.Width();
    EXPECT_GT(W, 690);
    EXPECT_DOUBLE_EQ(p.ShapeRMain.Width(), W);
    EXPECT_DOUBLE_EQ(p.ImgJLSanjiao(1).Left(), L + W - 180);
    EXPECT_DOUBLE_EQ(p.LRFGX(0).X2(), L + 60 + W - 120);
    // The frame across the menu on the entry; the glide there, and the pick.
    const long rowY = qRound(p.LRM2(3).Top() + p.LRM2(3).Height() / 2);
    EXPECT_DOUBLE_EQ(p.Shape1.Top(), rowY - 135);
    EXPECT_DOUBLE_EQ(p.Shape1.Width(), W);
    EXPECT_GT(ticksUntilStepLeaves(1), 1);
    EXPECT_EQ(pointer().y(), rowY);
    // The next step's set-up takes the menu away.
    EXPECT_EQ(p.shownStep(), 2);
    EXPECT_FALSE(p.LRightMMenu.Visible());
    EXPECT_FALSE(p.LRM2(3).Visible());
}

TEST_F(DrawnMenu, ACascadeRowOpensItsSubMenuAndItsEntryIsPicked)
{
    start({{at("3113", 3000, 3000), terminal()}});
    startDemo();
    untilMenu();
    FrmYanShi& p = player();
    while (!p.LRightSub.Visible() && p.shownStep() == 1)
        time.advance(100);
    ASSERT_TRUE(p.LRightSub.Visible());
    const double top = p.LRMJL(1).Top();
    EXPECT_DOUBLE_EQ(p.LRightSub.Left(), p.LRightMMenu.Left() + p.LRightMMenu.Width() - 60);
    EXPECT_DOUBLE_EQ(p.LRightSub.Top(), top);
    EXPECT_EQ(p.LRS(0).Caption(), QStringLiteral("文件夹(F)"));
    EXPECT_DOUBLE_EQ(p.LRS(0).Top(), top + 135);
    EXPECT_DOUBLE_EQ(p.LRSFgx(0).Y1(), top + 675);
    EXPECT_FALSE(p.LRS(2).Visible());
    EXPECT_DOUBLE_EQ(p.LRS(3).Top(), top + 810);
    EXPECT_DOUBLE_EQ(p.LRightSub.Height(), 1080);
    EXPECT_DOUBLE_EQ(p.Shape1.Top(), p.LRS(3).Top() - 60);
    EXPECT_DOUBLE_EQ(p.Shape1.Height(), 285);
    EXPECT_GT(ticksUntilStepLeaves(1), 0);
    EXPECT_EQ(p.shownStep(), 2);
    EXPECT_FALSE(p.LRightSub.Visible());
}

TEST_F(DrawnMenu, TheOverrideChoosesTheRecordAndTheMenuOpensLeftAtTheEdge)
{
    // Stored 8210 with "RA342": menu code 6342, group 4, set 3, the cascade of row 1.
    StepRecord over = at("8210", 11000, 3000);
    over.set(col::TargetA, QStringLiteral("RA342"));
    start({{over, terminal()}});
    startDemo();
    untilMenu();
    FrmYanShi& p = player();
    // The captions of group 4, set 3.
    EXPECT_EQ(p.LRMJL(1).Caption(), QStringLiteral("新建(W) 4-3"));
    // No room on the right: the menu's right edge is at the pointer.
    EXPECT_DOUBLE_EQ(p.LRightMMenu.Left() + p.LRightMMenu.Width(), pointer().x());
    // The glide into the cascade row opens its sub-menu there.
    const long rowY = qRound(p.LRMJL(1).Top() + p.LRMJL(1).Height() / 2);
    for (int i = 0; i < 30 && !p.LRightSub.Visible() && p.shownStep() == 1; ++i)
        time.advance(100);
    ASSERT_TRUE(p.LRightSub.Visible());
    EXPECT_EQ(pointer().y(), rowY);
    EXPECT_GT(ticksUntilStepLeaves(1), 0);
    EXPECT_EQ(p.shownStep(), 2);
}

TEST_F(DrawnMenu, ACodeThatNamesNoRowStillEndsItsStep)
{
    // Stored 3000 with "R5125": group 1, set 1, row digit 0.
    StepRecord none = at("3000", 3000, 3000);
    none.set(col::TargetA, QStringLiteral("R5125"));
    start({{none, terminal()}});
    startDemo();
    EXPECT_GE(runToEnd(), 0);
}

TEST_F(Demo, AMissingMenuFileDrawsEmptyRowsAndGoesOn)
{
    start({{at("3123", 3000, 3000), terminal()}});
    startDemo();
    FrmYanShi& p = player();
    while (!p.LRightMMenu.Visible() && p.shownStep() == 1)
        time.advance(100);
    ASSERT_TRUE(p.LRightMMenu.Visible());
    EXPECT_DOUBLE_EQ(p.LRightMMenu.Height(), 2520);
    EXPECT_GE(runToEnd(), 0);
}

TEST_F(DrawnMenu, TheFrameTheRingAndThePointerLieAboveTheMenus)
{
    start({{at("3113", 3000, 3000), terminal()}});
    startDemo();
    FrmYanShi& p = player();
    const auto& order = p.children();
    auto place = [&order](const platform::Control& c) {
        return std::find(order.begin(), order.end(), &c) - order.begin();
    };
    const platform::Control* below[] = {&p.LRightMMenu, &p.LRightSub, &p.LHelp, &p.Pic1J};
    for (const platform::Control* c : below)
        EXPECT_LT(place(*c), place(p.Shape1)) << c->Name().toStdString();
    EXPECT_LT(place(p.LRightMMenu), place(p.LRightSub));
    EXPECT_LT(place(p.LHelp), place(p.LRightMMenu));
    EXPECT_LT(place(p.Shape1), place(p.Shape5));
    EXPECT_LT(place(p.Shape5), place(p.LPoinB(0)));
    EXPECT_LT(place(p.LPoinB(5)), place(p.LPoint(0)));
}
