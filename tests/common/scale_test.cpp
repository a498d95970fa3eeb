#include "common/scale.h"

#include "platform/units.h"

#include <gtest/gtest.h>

namespace {

// Restores 15 twips per pixel (scale 1.0) whatever the test did.
struct ScaleTest : testing::Test {
    void TearDown() override
    {
        platform::setTwipsPerPixel(15, 15);
        common::computeScale();
    }
};

} // namespace

TEST_F(ScaleTest, OneAt15TwipsPerPixel)
{
    platform::setTwipsPerPixel(15, 15);
    common::computeScale();
    EXPECT_DOUBLE_EQ(common::scaleX(), 1.0);
    EXPECT_DOUBLE_EQ(common::scaleY(), 1.0);
}

TEST_F(ScaleTest, PointEightAt12TwipsPerPixel)
{
    platform::setTwipsPerPixel(12, 12);
    common::computeScale();
    EXPECT_DOUBLE_EQ(common::scaleX(), 0.8);
    EXPECT_DOUBLE_EQ(common::scaleY(), 0.8);
    EXPECT_DOUBLE_EQ(6600 * common::scaleX(), 5280);
}

TEST_F(ScaleTest, FactorsAreIndependent)
{
    platform::setTwipsPerPixel(12, 15);
    common::computeScale();
    EXPECT_DOUBLE_EQ(common::scaleX(), 0.8);
    EXPECT_DOUBLE_EQ(common::scaleY(), 1.0);
}
