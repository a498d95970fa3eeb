// Every fixed text of the splash, the home screen and the About box fits the control that shows
// it, at 15 and at 12 twips per pixel (scale 1.0 and 0.8).
#include "home/frm_about.h"
#include "home_fixture.h"
#include "support/fit.h"

using namespace hometest;

namespace {

class FixedTexts : public HomeTest, public ::testing::WithParamInterface<double> {
protected:
    void SetUp() override
    {
        HomeTest::SetUp();
        platform::setTwipsPerPixel(GetParam(), GetParam());
        common::computeScale();
    }
};

TEST_P(FixedTexts, SplashHomeAndAboutFit)
{
    auto& splash = platform::Forms::instance<home::FrmStart>();
    splash.Show();
    EXPECT_EQ(testkit::textsThatDoNotFit(splash), QStringList());
    time.advance(100);
    home::FrmFengmian& h = home();
    ASSERT_TRUE(h.isLoaded());
    EXPECT_EQ(testkit::textsThatDoNotFit(h), QStringList());

    testkit::ModalScript modals;
    modals.expect(QStringLiteral("FrmAbout"), [](platform::Form& f) {
        EXPECT_EQ(testkit::textsThatDoNotFit(f), QStringList());
        f.Unload();
    });
    testkit::click(h.LblAbout);
    EXPECT_EQ(modals.pending(), 0);
}

INSTANTIATE_TEST_SUITE_P(Scales, FixedTexts, ::testing::Values(15.0, 12.0));

} // namespace
