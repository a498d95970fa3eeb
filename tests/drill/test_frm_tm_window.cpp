// The panel as a window: minimise and restore, the drag strips, the keyboard handed back to the
// candidate's desktop; and the illustration viewer opened from the panel.
#include <QImage>
#include <QWidget>

#include "drill/frm_picture.h"
#include "test_frm_tm_fixture.h"

using namespace paneltest;

namespace {

class PanelWindow : public Panel {
protected:
    // Question 2 with an illustration of w x h pixels.
    void withIllustration(int w, int h)
    {
        writeUnit(
            3, {QStringLiteral("第1题"), QStringLiteral("pictureP00001请看图。"), QStringLiteral("第3题")});
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::green);
        ASSERT_TRUE(img.save(data + QStringLiteral("/P00001.rar"), "BMP"));
    }
    drill::FrmPicture& viewer() { return platform::Forms::instance<drill::FrmPicture>(); }
};

TEST_F(PanelWindow, MinimiseAndRestoreAtBothScales)
{
    for (double tpp : {15.0, 12.0}) {
        SCOPED_TRACE(tpp);
        useScale(tpp);
        FrmTm& p = load();
        desk().Show();
        testkit::click(p.LblZXH);
        EXPECT_TRUE(p.FrmZXH.Visible());
        EXPECT_EQ(p.Width(), p.FrmZXH.Width());
        EXPECT_EQ(p.Height(), p.FrmZXH.Height());
        EXPECT_DOUBLE_EQ(p.Left() + p.Width(), 2700 * sx());
        EXPECT_DOUBLE_EQ(p.Top() + p.Height(), 8550 * sy());
        if (tpp == 15.0) { // the box's bottom-right corner at pixel (180, 570)
            EXPECT_EQ(platform::toPixelsX(p.Left() + p.Width()), 180);
            EXPECT_EQ(platform::toPixelsY(p.Top() + p.Height()), 570);
        }

        // Restored, the panel docks at the desktop's bottom-right corner, wherever it is now.
        desk().Move(600 * sx(), 300 * sy(), 9000 * sx(), 6000 * sy());
        testkit::click(p.Command2);
        EXPECT_FALSE(p.FrmZXH.Visible());
        EXPECT_DOUBLE_EQ(p.Width(), 4980 * sx());
        EXPECT_DOUBLE_EQ(p.Height(), 3630 * sy());
        EXPECT_DOUBLE_EQ(p.Left() + p.Width(), desk().Left() + desk().Width());
        EXPECT_DOUBLE_EQ(p.Top() + p.Height(), desk().Top() + desk().Height());
        reset = std::make_unique<testkit::FormsReset>();
    }
}

TEST_F(PanelWindow, TheRestoreButtonsBorderFollowsThePointer)
{
    FrmTm& p = load();
    testkit::click(p.LblZXH);
    testkit::move(p, p.Command2.Left() + 100, p.Command2.Top() + 100);
    EXPECT_EQ(p.Command2.BorderStyle(), 1);
    testkit::move(p, p.Label2.Left() + 100, p.Command2.Top() + p.Command2.Height() + 15);
    EXPECT_EQ(p.Command2.BorderStyle(), 0);
}

TEST_F(PanelWindow, ClickingTheTextLeavesNoSelectionAndGivesTheDesktopTheKeyboard)
{
    FrmTm& p = load();
    desk().Show();
    desk().setWindowState(platform::vbMinimized);
    p.RtbTM.setSelStart(0);
    p.RtbTM.setSelLength(3);
    testkit::click(p.RtbTM);
    EXPECT_EQ(p.RtbTM.SelLength(), 0);
    EXPECT_EQ(desk().WindowState(), platform::vbNormal);
    EXPECT_TRUE(desk().Visible());

    // A right press on the title strip moves nothing but hands the keyboard over too.
    desk().setWindowState(platform::vbMinimized);
    const double left = p.Left(), top = p.Top();
    testkit::click(p.LblMove, platform::vbRightButton);
    EXPECT_EQ(desk().WindowState(), platform::vbNormal);
    EXPECT_EQ(p.Left(), left);
    EXPECT_EQ(p.Top(), top);
}

TEST_F(PanelWindow, TheIllustrationOpensSizedAndCentredAndClosesWithTheQuestion)
{
    struct Case {
        double tpp;
        double width, height, left, top;
    };
    // 300 x 200 pixels and a 60-twip margin; the centring difference is scaled, as ever.
    const Case cases[] = {{15, 4620, 3120, (12000 - 4620) / 2.0, (9000 - 3120) / 2.0},
                          {12, 96 + 3600, 96 + 2400, (9600 - 3696) * 0.8 / 2, (7200 - 2496) * 0.8 / 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tpp);
        useScale(c.tpp);
        withIllustration(300, 200);
        common::drill().dqTm = 1;
        FrmTm& p = load();
        testkit::click(p.CmdGN(1)); // question 2
        ASSERT_TRUE(p.Image2.Visible());
        EXPECT_FALSE(viewer().Visible());
        testkit::click(p.Image2);
        EXPECT_EQ(p.Image2.Caption(), QStringLiteral("隐藏图片"));
        EXPECT_TRUE(viewer().Visible());
        time.advance(100);
        EXPECT_DOUBLE_EQ(viewer().Width(), c.width);
        EXPECT_DOUBLE_EQ(viewer().Height(), c.height);
        EXPECT_DOUBLE_EQ(viewer().Left(), c.left);
        EXPECT_DOUBLE_EQ(viewer().Top(), c.top);
        EXPECT_TRUE(viewer().stayOnTop());
        EXPECT_FALSE(viewer().Timer1.Enabled());

        testkit::click(p.Image2);
        EXPECT_FALSE(viewer().Visible());
        EXPECT_EQ(p.Image2.Caption(), QStringLiteral("显示图片"));
        testkit::click(p.Image2);
        EXPECT_TRUE(viewer().Visible());
        testkit::click(p.CmdGN(1)); // question 3: no illustration
        EXPECT_FALSE(viewer().Visible());
        EXPECT_FALSE(p.Image2.Visible());
        EXPECT_EQ(p.Image2.Caption(), QStringLiteral("显示图片"));
        reset = std::make_unique<testkit::FormsReset>();
    }
}

} // namespace
