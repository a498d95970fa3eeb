#include "common/numbers.h"

#include <gtest/gtest.h>

#include <QString>
#include <cmath>

using common::cint16;
using common::FieldNumber;
using common::leadingNumber;
using common::leadingNumberNonZero;
using common::roundHalfEven;

namespace {

struct NumberCase {
    const char* text;
    std::optional<qint16> expected;
};

} // namespace

TEST(FieldNumber, Table)
{
    const NumberCase cases[] = {
        {"", 0},
        {"abc", 0},
        {"0", 0},
        {"00000", 0},
        {"01200", 1200},
        {" 12ab", 12},
        {"12ab34", 12},
        {"-5", -5},
        {"- 5", -5},
        {"+7", 7},
        {"--5", 0},
        {"5-3", 5},
        {"  7 8", 78}, // blanks inside the number are skipped as well
        {"\t1\n2", 12},
        {"1e3", 1}, // a letter ends the number
        {"1d3", 1},
        {"&H10", 0},
        {"1,5", 1},
        {"2.5", 2}, // rounded half to even
        {"3.5", 4},
        {"0.5", 0},
        {"-2.5", -2},
        {"1.2.3", 1},
        {".", 0},
        {"-", 0},
        {"32767", 32767},
        {"-32768", -32768},
        {"32767.4", 32767},
        {"-32768.5", -32768}, // rounds to the even -32768, which fits
        {"32768", std::nullopt},
        {"-32769", std::nullopt},
        {"32767.5", std::nullopt}, // rounds to 32768
        {"99999", std::nullopt},
        {"9999", 9999},
        {"0021", 21},
        {"L012", 0}, // a list code reads 0
        {"H0102000000", 0},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FieldNumber(QString::fromLatin1(c.text)), c.expected);
    }
}

TEST(FieldNumber, OutOfRangeIsNotZero)
{
    const auto v = FieldNumber(u"40000");
    EXPECT_FALSE(v.has_value());
    EXPECT_NE(v, std::optional<qint16>(0));
}

TEST(LeadingNumber, TwentyColumns)
{
    EXPECT_TRUE(leadingNumberNonZero(u"00000000000000000001"));
    EXPECT_TRUE(leadingNumberNonZero(u"99999999999999999999"));
    EXPECT_TRUE(leadingNumberNonZero(u"01200000000900002000"));
    EXPECT_FALSE(leadingNumberNonZero(u"00000000000000000000"));
    EXPECT_FALSE(leadingNumberNonZero(u"A0000000000000000001"));
    EXPECT_FALSE(leadingNumberNonZero(u"H010200000P6001P6002"));
    EXPECT_FALSE(leadingNumberNonZero(u"0000000000H010203000")); // targetA empty, targetB "H"
    EXPECT_FALSE(leadingNumberNonZero(u""));
    EXPECT_TRUE(leadingNumberNonZero(u"0.001"));

    EXPECT_EQ(leadingNumber(u"00000000000000000001"), 1.0);
    EXPECT_DOUBLE_EQ(leadingNumber(u"99999999999999999999"), 1e20);
    EXPECT_EQ(leadingNumber(u"A0000000000000000001"), 0.0);
    EXPECT_EQ(leadingNumber(u"-12.25x"), -12.25);
    // Hundreds of digits neither overflow nor crash.
    EXPECT_TRUE(std::isinf(leadingNumber(QString(400, u'9'))));
    EXPECT_TRUE(leadingNumberNonZero(QString(400, u'9')));
    EXPECT_EQ(leadingNumber(QStringLiteral("0.") + QString(400, u'0') + u'1'), 0.0);
}

TEST(RoundHalfEven, Table)
{
    const std::pair<double, double> cases[] = {
        {0.5, 0},  {1.5, 2},    {2.5, 2},       {3.5, 4},
        {-0.5, 0}, {-1.5, -2},  {-2.5, -2},     {0.49, 0},
        {0.51, 1}, {-0.51, -1}, {1234.5, 1234}, {1235.5, 1236},
        {7.0, 7},  {-7.0, -7},  {1e300, 1e300}, {2.4999999999999996, 2},
    };
    for (const auto& [in, out] : cases) {
        SCOPED_TRACE(in);
        EXPECT_EQ(roundHalfEven(in), out);
    }
    EXPECT_TRUE(std::isnan(roundHalfEven(std::nan(""))));
}

TEST(Cint16, Range)
{
    EXPECT_EQ(cint16(32767.0), 32767);
    EXPECT_EQ(cint16(-32768.0), -32768);
    EXPECT_EQ(cint16(-32768.5), -32768);
    EXPECT_EQ(cint16(32767.5), std::nullopt);
    EXPECT_EQ(cint16(-32768.51), std::nullopt);
    EXPECT_EQ(cint16(1e20), std::nullopt);
    EXPECT_EQ(cint16(std::nan("")), std::nullopt);
    EXPECT_EQ(cint16(12.5 * 0.8), 10);
    EXPECT_EQ(cint16(2.5), 2);
}
