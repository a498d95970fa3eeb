// Twips and pixels at 15 and 12 twips per pixel, the screen size, &HBBGGRR colours.
#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

#include "platform/units.h"

namespace {

using namespace platform;

class Units : public ::testing::Test {
protected:
    void SetUp() override
    {
        setTwipsPerPixel(15, 15);
        setScreenPixels({});
    }
    void TearDown() override
    {
        setTwipsPerPixel(15, 15);
        setScreenPixels({});
    }
};

struct PixelCase {
    double twips;
    int pixels;
};

TEST_F(Units, DefaultsToFifteenTwipsPerPixel)
{
    EXPECT_EQ(twipsPerPixelX(), 15.0);
    EXPECT_EQ(twipsPerPixelY(), 15.0);
}

TEST_F(Units, ToPixelsAtFifteenRoundsToNearest)
{
    const PixelCase cases[] = {
        {0, 0},
        {15, 1},
        {7, 0},
        {7.5, 1},
        {8, 1},
        {22.4, 1},
        {22.5, 2},
        {14.9999, 1},
        {1440, 96},
        {12000, 800},
        {9000, 600},
        {8490, 566},
        {-7.5, -1},
        {-7, 0},
        {-100, -7},
        {-1, 0},
        {375, 25},
        {12.5, 1},
        {1e12, 2147483647},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toPixelsX(c.twips), c.pixels) << "twips " << c.twips;
        EXPECT_EQ(toPixelsY(c.twips), c.pixels) << "twips " << c.twips;
    }
}

TEST_F(Units, ToPixelsAtTwelve)
{
    setTwipsPerPixel(12, 12);
    const PixelCase cases[] = {
        {0, 0},        {12, 1},     {5, 0},      {6, 1},      {5.99, 0}, {18, 2}, {1440, 120},
        {12000, 1000}, {9000, 750}, {9600, 800}, {7200, 600}, {-6, -1},  {-5, 0}, {300, 25},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toPixelsX(c.twips), c.pixels) << "twips " << c.twips;
        EXPECT_EQ(toPixelsY(c.twips), c.pixels) << "twips " << c.twips;
    }
}

TEST_F(Units, FromPixels)
{
    EXPECT_EQ(fromPixelsX(800), 12000.0);
    EXPECT_EQ(fromPixelsY(600), 9000.0);
    EXPECT_EQ(fromPixelsX(-3), -45.0);
    setTwipsPerPixel(12, 12);
    EXPECT_EQ(fromPixelsX(1000), 12000.0);
    EXPECT_EQ(fromPixelsY(750), 9000.0);
    EXPECT_EQ(fromPixelsY(1), 12.0);
}

TEST_F(Units, PixelsRoundTripAtBothScales)
{
    for (double tpp : {15.0, 12.0}) {
        setTwipsPerPixel(tpp, tpp);
        for (int px = -50; px <= 2000; px += 7) {
            EXPECT_EQ(toPixelsX(fromPixelsX(px)), px);
            EXPECT_EQ(toPixelsY(fromPixelsY(px)), px);
        }
    }
}

TEST_F(Units, AxesAreIndependent)
{
    setTwipsPerPixel(15, 12);
    EXPECT_EQ(twipsPerPixelX(), 15.0);
    EXPECT_EQ(twipsPerPixelY(), 12.0);
    EXPECT_EQ(toPixelsX(1200), 80);
    EXPECT_EQ(toPixelsY(1200), 100);
    EXPECT_EQ(fromPixelsX(10), 150.0);
    EXPECT_EQ(fromPixelsY(10), 120.0);
}

TEST_F(Units, UnusableTwipsPerPixelIsIgnored)
{
    setTwipsPerPixel(12, 12);
    setTwipsPerPixel(0, -15);
    EXPECT_EQ(twipsPerPixelX(), 12.0);
    EXPECT_EQ(twipsPerPixelY(), 12.0);
    setTwipsPerPixel(std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity());
    EXPECT_EQ(twipsPerPixelX(), 12.0);
    EXPECT_EQ(twipsPerPixelY(), 12.0);
    EXPECT_EQ(toPixelsX(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST_F(Units, TwipsPerPixelFollowTheScreensDotsPerInch)
{
    const std::pair<double, double> cases[] = {{96, 15}, {120, 12}, {144, 10}, {72, 20}, {110, 13},
                                               {0, 15},  {-96, 15}, {NAN, 15}, {1e9, 1}};
    for (auto [dpi, tpp] : cases)
        EXPECT_DOUBLE_EQ(twipsPerPixelForDpi(dpi), tpp) << dpi;
}

TEST_F(Units, ScreenSizeCanBeSetForTests)
{
    setScreenPixels(QSize(1024, 768));
    EXPECT_EQ(screenPixels(), QSize(1024, 768));
    EXPECT_EQ(screenWidthTwips(), 15360.0);
    EXPECT_EQ(screenHeightTwips(), 11520.0);
    setTwipsPerPixel(12, 12);
    EXPECT_EQ(screenWidthTwips(), 12288.0);
    EXPECT_EQ(screenHeightTwips(), 9216.0);
}

TEST_F(Units, EmptySizeReturnsToTheRealScreen)
{
    setScreenPixels(QSize(1024, 768));
    setScreenPixels(QSize());
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screenPixels(), screen->geometry().size());
    EXPECT_EQ(screenWidthTwips(), screen->geometry().width() * 15.0);
}

struct ColourCase {
    long bgr;
    int r, g, b;
};

TEST_F(Units, ColoursAreBgrLongs)
{
    const ColourCase cases[] = {
        {0x000000, 0, 0, 0},          {0xFFFFFF, 255, 255, 255},    {0x0000FF, 255, 0, 0},
        {0x00FF00, 0, 255, 0},        {0xFF0000, 0, 0, 255},        {0x00FFFF, 255, 255, 0},
        {0x808040, 0x40, 0x80, 0x80}, {0x563412, 0x12, 0x34, 0x56}, {0xC0C0C0, 192, 192, 192},
    };
    for (const auto& c : cases) {
        const QColor colour = toQColor(c.bgr);
        EXPECT_EQ(colour, QColor(c.r, c.g, c.b)) << std::hex << c.bgr;
        EXPECT_EQ(fromQColor(colour), c.bgr) << std::hex << c.bgr;
    }
}

TEST_F(Units, SystemColoursAreThoseOfWindowsXp)
{
    const ColourCase cases[] = {
        {0x8000000F, 236, 233, 216}, // button face
        {0x80000005, 255, 255, 255}, // window background
        {0x80000008, 0, 0, 0},       // window text
        {0x80000012, 0, 0, 0},       // button text
        {0x8000000D, 49, 106, 197},  // highlight
        {0x8000000E, 255, 255, 255}, // highlight text
        {0x80000010, 172, 168, 153}, // button shadow
        {0x80000018, 255, 255, 225}, // tooltip background
        {0x80000001, 0, 78, 152},    // desktop
        {0x800000FF, 0, 0, 0},       // no such colour: black, as GetSysColor gives
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toQColor(c.bgr), QColor(c.r, c.g, c.b)) << std::hex << c.bgr;
        // The same value read as a signed 32-bit long.
        const long negative = static_cast<std::int32_t>(static_cast<std::uint32_t>(c.bgr));
        EXPECT_LT(negative, 0);
        EXPECT_EQ(toQColor(negative), QColor(c.r, c.g, c.b)) << std::hex << c.bgr;
    }
    EXPECT_EQ(toQColor(ButtonFaceColor), toQColor(0x8000000F));
    EXPECT_EQ(toQColor(WindowBackgroundColor), QColor(Qt::white));
    EXPECT_EQ(toQColor(WindowTextColor), QColor(Qt::black));
    EXPECT_EQ(toQColor(ButtonTextColor), QColor(Qt::black));
}

TEST_F(Units, FromQColorDropsAlpha)
{
    EXPECT_EQ(fromQColor(QColor(1, 2, 3, 4)), 0x030201);
    EXPECT_EQ(fromQColor(QColor::fromHsv(0, 255, 255)), 0x0000FF);
}

} // namespace
