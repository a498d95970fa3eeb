#include "common/naming.h"

#include <gtest/gtest.h>

using namespace common;

TEST(Naming, TwoDigits)
{
    const std::pair<int, const char*> cases[] = {
        {0, "00"},   {7, "07"},  {19, "19"}, {20, "20"},  {99, "99"},
        {123, "23"}, {-1, "-1"}, {-5, "-5"}, {-15, "15"}, {90, "90"},
    };
    for (const auto& [n, s] : cases) {
        SCOPED_TRACE(n);
        EXPECT_EQ(twoDigits(n), QString::fromLatin1(s));
    }
}

TEST(Naming, JoinPath)
{
    EXPECT_EQ(joinPath("/opt/km/bank/", "a.rar"), "/opt/km/bank/a.rar");
    EXPECT_EQ(joinPath("/opt/km/bank", "a.rar"), "/opt/km/bank/a.rar");
    EXPECT_EQ(joinPath("", "a.rar"), "a.rar");
    EXPECT_EQ(joinPath("bank", "a.rar"), "bank/a.rar");
}

TEST(Naming, BankFiles)
{
    EXPECT_EQ(bankFile("/d/bank/", 7), "/d/bank/288807.rar");
    EXPECT_EQ(bankFile("/d/bank", 92), "/d/bank/288892.rar");
    EXPECT_EQ(bankFile("/d/bank", 97, ".txt"), "/d/bank/288897.txt");
    EXPECT_EQ(numberedFile("/p/ksdata", "1824", 3, ".rar"), "/p/ksdata/182403.rar");
    EXPECT_EQ(defaultDataExt(), ".rar");
}

TEST(Naming, DrillPaths)
{
    struct Case {
        int fileBase, setNo;
        const char* step;
        const char* list;
    };
    const Case cases[] = {
        {20, 3, "/b/288823.rar", "/b/288873.rar"},  {0, 7, "/b/288807.rar", "/b/288857.rar"},
        {20, -1, "/b/288819.rar", "/b/288869.rar"}, {0, 0, "/b/288800.rar", "/b/288850.rar"},
        {0, 13, "/b/288813.rar", "/b/288863.rar"},  {20, 0, "/b/288820.rar", "/b/288870.rar"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fileBase << " " << c.setNo);
        EXPECT_EQ(stepPath("/b/", c.fileBase, c.setNo), QString::fromLatin1(c.step));
        EXPECT_EQ(tmPath("/b/", c.fileBase, c.setNo), QString::fromLatin1(c.list));
    }
    EXPECT_EQ(txtPath("/b/"), "/b/288890.rar");
    EXPECT_EQ(txtPath("/b"), "/b/288890.rar");
}

TEST(Naming, SafeCodes)
{
    EXPECT_TRUE(isSafeCode(u"A10477"));
    EXPECT_TRUE(isSafeCode(u"abc123"));
    EXPECT_TRUE(isSafeCode(u"Z"));
    EXPECT_FALSE(isSafeCode(u""));
    EXPECT_FALSE(isSafeCode(u"../etc"));
    EXPECT_FALSE(isSafeCode(u"a/b"));
    EXPECT_FALSE(isSafeCode(u"a\\b"));
    EXPECT_FALSE(isSafeCode(u"a b"));
    EXPECT_FALSE(isSafeCode(u"A1.rar"));
    EXPECT_FALSE(isSafeCode(u"中文"));
    EXPECT_FALSE(isSafeCode(u"ＡＢ")); // full-width letters are not ASCII
}

TEST(Naming, PictureFiles)
{
    EXPECT_EQ(pictureFile("/b/", "A10477"), "/b/A10477.rar");
    EXPECT_EQ(pictureFile("/b", "123456"), "/b/123456.rar");
    EXPECT_EQ(pictureFile("/b/", "000000"), "");
    EXPECT_EQ(pictureFile("/b/", "888888"), "");
    EXPECT_EQ(pictureFile("/b/", ""), "");
    EXPECT_EQ(pictureFile("/b/", "..\\..\\x"), "");
    EXPECT_EQ(pictureFile("/b/", "../../x"), "");
}
