#include "common/record.h"

#include <gtest/gtest.h>

using common::field;
using common::fieldNumber;

TEST(Record, FieldsAreOneBased)
{
    const QString rec = QStringLiteral("ABCDEFGHIJ");
    EXPECT_EQ(field(rec, 1, 3), "ABC");
    EXPECT_EQ(field(rec, 4, 2), "DE");
    EXPECT_EQ(field(rec, 10, 1), "J");
}

TEST(Record, FieldsPastTheEnd)
{
    const QString rec = QStringLiteral("ABCDEFGHIJ");
    EXPECT_EQ(field(rec, 9, 5), "IJ");
    EXPECT_EQ(field(rec, 11, 3), "");
    EXPECT_EQ(field(rec, 200, 16), "");
    EXPECT_EQ(field(QString(), 1, 4), "");
    EXPECT_EQ(field(rec, 0, 2), "A"); // column 0 does not exist
    EXPECT_EQ(field(rec, 3, 0), "");
    EXPECT_EQ(field(rec, 3, -2), "");
    EXPECT_EQ(field(rec, 2147483000, 2147483000), "");
}

TEST(Record, ColumnsAreUtf16Units)
{
    const QString rec = QStringLiteral("中文ABC");
    EXPECT_EQ(field(rec, 2, 2), QStringLiteral("文A"));
}

TEST(Record, FieldNumbers)
{
    const QString rec = QStringLiteral("0000001200ab0032768");
    EXPECT_EQ(fieldNumber(rec, 6, 5), 1200);
    EXPECT_EQ(fieldNumber(rec, 11, 2), 0);            // letters read 0
    EXPECT_EQ(fieldNumber(rec, 15, 5), std::nullopt); // 32768 does not fit
    EXPECT_EQ(fieldNumber(rec, 18, 5), 68);           // cut at the end
    EXPECT_EQ(fieldNumber(rec, 30, 5), 0);            // wholly past the end: empty, 0
}
