// The login screen and the results screen laid out from design twips times the screen scale, at
// 15 and at 12 twips per pixel, their pages centred in the window.
#include <gtest/gtest.h>

#include "exam_fixture.h"

using namespace drill;

namespace drilltest {
namespace {

class Layout : public ScaledExam {};

TEST_P(Layout, LoginPlacesItsControlsAndItsBarGrowsByTheScale)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    auto& d = common::drill();
    d.tmCount = 40;
    d.ksMode = common::ModeExam;
    FrmLogon& f = platform::form<FrmLogon>();
    f.Show();
    time.advance(100);
    const std::tuple<platform::Control*, double, double> placed[] = {
        {&f.TxtZwh, 5070, 4440},  {&f.TxtSFZ, 5070, 4905}, {&f.CmdLog, 4275, 5640},  {&f.CmdExit, 6660, 5640},
        {&f.LblName, 4080, 2610}, {&f.LblZwh, 4080, 2940}, {&f.LblCC, 4080, 3300},   {&f.LblKm, 2505, 4215},
        {&f.LblSfz, 2505, 4590},  {&f.LblDah, 2505, 4950}, {&f.LblDate, 2505, 5250}, {&f.P2, 1110, 7980},
    };
    for (auto [c, left, top] : placed) {
        EXPECT_DOUBLE_EQ(c->Left(), left * sx) << c->Name().toStdString();
        EXPECT_DOUBLE_EQ(c->Top(), top * sy) << c->Name().toStdString();
    }
    EXPECT_DOUBLE_EQ(f.P2.Width(), 10335 * sx);
    EXPECT_EQ(f.CmdLog.Width(), 1335); // design values
    // Each page fills its box, which lies centred in the window.
    for (const platform::PictureBox* p : {&f.Picture1, &f.Picture2}) {
        SCOPED_TRACE(p->Name().toStdString());
        EXPECT_EQ(p->picture().pixmap().size(), QSize(800, 600));
        EXPECT_DOUBLE_EQ(p->Width(), p->picture().widthTwips());
        EXPECT_DOUBLE_EQ(p->Height(), p->picture().heightTwips());
        EXPECT_DOUBLE_EQ(p->Left(), (f.Width() - p->Width()) / 2);
        EXPECT_DOUBLE_EQ(p->Top(), (f.Height() - p->Height()) / 2);
    }

    testkit::click(f.CmdLog);
    time.advance(600);
    EXPECT_DOUBLE_EQ(f.LJD.Width(), 255 + 6 * 1500 * sx);
    EXPECT_TRUE(f.isLoaded());
    time.advance(100);
    EXPECT_FALSE(f.isLoaded());
}

TEST_P(Layout, ResultsScreenPlacesItsButtonsAndTheAnswerSheet)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    login(0);
    handIn();
    FrmChengji& r = results();
    const std::tuple<platform::Control*, double, double, double, double> placed[] = {
        {&r.Command3, 2880, 4080, 2175, 495},
        {&r.Command1, 5160, 4080, 2175, 495},
        {&r.Command2, 7440, 4080, 1095, 495},
        {&r.CmTNO(1), 0, 0, 430, 430},
        {&r.CmTNO(12), 430, 430, 430, 430},
        {&r.CmTNO(40), 9 * 430, 3 * 430, 430, 430},
        {&r.Frame1, 3900, 5520, 10 * 430 + 30, 4 * 430 + 30},
    };
    for (auto [c, left, top, width, height] : placed) {
        SCOPED_TRACE(c->Name().toStdString() + " " + std::to_string(c->Index()));
        EXPECT_DOUBLE_EQ(c->Left(), left * sx);
        EXPECT_DOUBLE_EQ(c->Top(), top * sy);
        EXPECT_DOUBLE_EQ(c->Width(), width * sx);
        EXPECT_DOUBLE_EQ(c->Height(), height * sy);
    }
    EXPECT_DOUBLE_EQ(r.Command3.FontSize(), 12 * sx);
    EXPECT_DOUBLE_EQ(r.Label1.Left(), 5310 * sx);
    EXPECT_DOUBLE_EQ(r.Label1.Top(), 5040 * sy);
    EXPECT_TRUE(r.Frame1.Enabled());
    // The page fills its box, which lies centred in the window.
    time.advance(100);
    EXPECT_EQ(r.Picture1.picture().pixmap().size(), QSize(800, 600));
    EXPECT_DOUBLE_EQ(r.Picture1.Width(), r.Picture1.picture().widthTwips());
    EXPECT_DOUBLE_EQ(r.Picture1.Height(), r.Picture1.picture().heightTwips());
    EXPECT_DOUBLE_EQ(r.Picture1.Left(), (r.Width() - r.Picture1.Width()) / 2);
    EXPECT_DOUBLE_EQ(r.Picture1.Top(), (r.Height() - r.Picture1.Height()) / 2);
}

INSTANTIATE_TEST_SUITE_P(Scales, Layout, ::testing::Values(15.0, 12.0));

} // namespace
} // namespace drilltest
