// Pictures the program draws itself.
#include <QPainter>
#include <gtest/gtest.h>

#include "platform/drawing.h"

using namespace platform;

TEST(Drawing, KeptPicturesAreDrawnOnceUnderTheirName)
{
    int draws = 0;
    auto draw = [&](QPainter& p, QSize s) {
        ++draws;
        p.fillRect(QRect(QPoint(0, 0), s), Qt::red);
    };
    const Picture a = drawing::kept(QStringLiteral("test:red"), QSize(8, 4), draw);
    const Picture b = drawing::kept(QStringLiteral("test:red"), QSize(8, 4), draw);
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(a.source(), QStringLiteral("test:red"));
    EXPECT_EQ(b.pixmap().size(), QSize(8, 4));
    EXPECT_EQ(QColor(b.pixmap().toImage().pixel(3, 2)), QColor(Qt::red));
    drawing::drawn(QStringLiteral("test:red"), QSize(8, 4), draw);
    EXPECT_EQ(draws, 2); // drawn() never keeps
}

TEST(Drawing, TheHandPointsWithItsFingertip)
{
    const Picture hand = drawing::handPointer(QStringLiteral("test:hand"));
    EXPECT_TRUE(hand.isCursor());
    EXPECT_EQ(hand.hotSpot(), QPoint(6, 0));
    const QImage img = hand.pixmap().toImage();
    EXPECT_EQ(qAlpha(img.pixel(0, 31)), 0);  // transparent around the hand
    EXPECT_GT(qAlpha(img.pixel(12, 20)), 0); // the palm
}
