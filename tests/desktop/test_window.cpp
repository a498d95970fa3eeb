// The desktop window: maximised or windowed by the screen, the docked question panel, the drag by
// the caption strip, and what the load sets up.
#include "desktop_fixture.h"

using namespace desktoptest;

namespace {

struct Mode {
    int width, height;
    double tpp;
    bool windowed;
    double left, top, w, h; // the desktop in twips
};

} // namespace

TEST_F(Desktop, WindowModeFollowsTheScreenHeight)
{
    const Mode modes[] = {
        {800, 600, 15, false, 0, 0, 12000, 9000},
        {1024, 768, 15, true, 1680, 1260, 12000, 9000},
        {800, 600, 12, false, 0, 0, 9600, 7200},
        {1024, 768, 12, true, 1344, 1008, 9600, 7200},
    };
    for (const Mode& m : modes) {
        SCOPED_TRACE(QStringLiteral("%1x%2 at %3").arg(m.width).arg(m.height).arg(m.tpp).toStdString());
        platform::setScreenPixels(QSize(m.width, m.height));
        useScale(m.tpp);
        writeBank({{marked(1), terminal()}});
        FrmMain& f = showQuestion(1);
        EXPECT_EQ(f.windowedMode(), m.windowed);
        EXPECT_EQ(f.WindowState(), m.windowed ? platform::vbNormal : platform::vbMaximized);
        EXPECT_DOUBLE_EQ(f.Left(), m.left);
        EXPECT_DOUBLE_EQ(f.Top(), m.top);
        EXPECT_DOUBLE_EQ(f.Width(), m.w);
        EXPECT_DOUBLE_EQ(f.Height(), m.h);
        // The panel's bottom-right corner on the desktop's.
        FrmTm& tm = panel();
        EXPECT_DOUBLE_EQ(tm.Width(), 4980 * sx());
        EXPECT_DOUBLE_EQ(tm.Height(), 3630 * sy());
        EXPECT_TRUE(tm.stayOnTop());
        EXPECT_DOUBLE_EQ(tm.Left() + tm.Width(), f.Left() + f.Width());
        EXPECT_DOUBLE_EQ(tm.Top() + tm.Height(), f.Top() + f.Height());
        if (m.width == 1024 && m.tpp == 15) {
            EXPECT_DOUBLE_EQ(tm.Left(), 8700);
            EXPECT_DOUBLE_EQ(tm.Top(), 6630);
        }
        f.Unload();
        panel().Unload();
        testkit::settle();
    }
}

TEST_F(Desktop, TheCaptionStripDragsAWindowedDesktopAndThePanelFollows)
{
    platform::setScreenPixels(QSize(1024, 768));
    writeBank({{marked(1), terminal()}});
    FrmMain& f = showQuestion(1);
    ASSERT_TRUE(f.windowedMode());
    const double x = f.LblMove.Left() + 600, y = 150;
    testkit::press(f, x, y);
    testkit::move(f, x + 1500, y + 900);
    testkit::release(f, x, y);
    EXPECT_DOUBLE_EQ(f.Left(), 1680 + 1500);
    EXPECT_DOUBLE_EQ(f.Top(), 1260 + 900);
    EXPECT_DOUBLE_EQ(panel().Left() + panel().Width(), f.Left() + f.Width());
    EXPECT_DOUBLE_EQ(panel().Top() + panel().Height(), f.Top() + f.Height());

    // A right-button press moves nothing but docks the panel again.
    panel().Move(0, 0);
    testkit::press(f, x, y, platform::vbRightButton);
    testkit::release(f, x, y, platform::vbRightButton);
    EXPECT_DOUBLE_EQ(f.Left(), 1680 + 1500);
    EXPECT_DOUBLE_EQ(panel().Top() + panel().Height(), f.Top() + f.Height());
}

TEST_F(Desktop, AMaximisedDesktopIsNotDragged)
{
    writeBank({{marked(1), terminal()}});
    FrmMain& f = showQuestion(1);
    ASSERT_FALSE(f.windowedMode());
    panel().Move(0, 0);
    const double x = f.LblMove.Left() + 600, y = 150;
    testkit::press(f, x, y);
    testkit::move(f, x + 1500, y + 900);
    testkit::release(f, x + 1500, y + 900);
    EXPECT_EQ(f.Left(), 0);
    EXPECT_EQ(f.Top(), 0);
    EXPECT_EQ(panel().Left(), 0); // nothing happens at all
}

TEST_F(Desktop, LoadSetsUpTheDesktop)
{
    for (double tpp : {15.0, 12.0}) {
        SCOPED_TRACE(tpp);
        useScale(tpp);
        auto& d = common::drill();
        d.tmStep.fill(7);
        FrmMain& f = platform::form<FrmMain>();
        for (int q = 1; q <= 40; ++q)
            EXPECT_EQ(d.tmStep[q], 1);
        EXPECT_EQ(f.deskPath, prog.path() + QStringLiteral("/examdata/"));
        EXPECT_DOUBLE_EQ(f.LHelp.FontSize(), 11 * sx());
        EXPECT_DOUBLE_EQ(f.LstLA.FontSize(), 9 * sx());
        EXPECT_DOUBLE_EQ(f.LblXXK(0).FontSize(), 9 * sx());
        EXPECT_DOUBLE_EQ(f.ImgLogo.Left(), 10170 * sx());
        EXPECT_DOUBLE_EQ(f.ImgLogo.Height(), 345 * sy());
        EXPECT_DOUBLE_EQ(f.LblMove.Left(), 1440 * sx());
        EXPECT_DOUBLE_EQ(f.LblMove.Width(), 9495 * sx());
        EXPECT_DOUBLE_EQ(f.LblMove.Height(), 375 * sy());
        EXPECT_DOUBLE_EQ(f.LblSuccess.FontSize(), 72 * sx());
        EXPECT_DOUBLE_EQ(f.LblSuccess.Left(), 2640 * sx());
        EXPECT_DOUBLE_EQ(f.LblSuccess.Top(), 3840 * sy());
        EXPECT_FALSE(f.LblSuccess.Visible());
        EXPECT_EQ(f.LblZHU(11).ToolTipText(), "返回");
        EXPECT_EQ(f.LblZHU(23).ToolTipText(), "查看");
        EXPECT_EQ(f.LblZHU(38).ToolTipText(), "发送包含选择的文件或在选择的文件夹中的文件副本的电子邮件。");
        EXPECT_EQ(f.LblZHU(14).ToolTipText(), "");
        for (platform::MenuArray* a : {&f.sTolqInde1, &f.sTolqInde4, &f.sTolqSub1, &f.sTolqSub5}) {
            EXPECT_EQ(a->Count(), 11);
            EXPECT_EQ(a->UBound(), 10);
        }
        EXPECT_FALSE(f.Timer2.Enabled());
        EXPECT_FALSE(f.Timer3.Enabled());
        f.Unload();
        testkit::settle();
    }
}
