// The module information file: the per-character packing, the reading routine and KmInfo.
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "common/trim.h"
#include "home/km_info.h"
#include "installation.h"
#include "support/kit.h"

using namespace home;

namespace {

struct UnpackCase {
    const char* packed;
    std::optional<QString> text;
};

} // namespace

TEST(InfoPacking, GroupsOfSixDigitsInBothRangesAndTheNegativeForm)
{
    const QString zhong = QStringLiteral("中"); // GBK D6D0 = 54992
    const UnpackCase cases[] = {
        {"", QString()},
        {"000000000000", QString()},                      // groups of 0 stand for nothing
        {"200065200066", QStringLiteral("AB")},           // first range: 200000 + code
        {"500065", QStringLiteral("A")},                  // second range: 500000 + code
        {"500001", QString(QChar(1))},                    // 500001 is code 1
        {"254992", zhong},                                // a double-byte code as its 16-bit value
        {"189456", zhong},                                // ... as that value less 65536
        {"554992", zhong},                                // ... in the second range
        {"200128", QStringLiteral("€")},                  // single byte 0x80 of code page 936
        {"2000650", QStringLiteral("A")},                 // a short last group of 0 adds nothing
        {"200065.5", QStringLiteral("A")},                // ".5" rounds half to even: 0
        {"167232", QString(QChar::ReplacementCharacter)}, // -32768: in range, but no character
        {"500000", std::nullopt},                         // 500000 belongs to the first range: code 300000
        {"167231", std::nullopt},                         // -32769
        {"265536", std::nullopt},                         // 65536
        {"565536", std::nullopt},
        {"20006", std::nullopt},        // a line shorter than 6 is one group
        {"200065-00001", std::nullopt}, // a negative group
    };
    for (const UnpackCase& c : cases) {
        SCOPED_TRACE(c.packed);
        EXPECT_EQ(unpackInfoLine(QString::fromLatin1(c.packed)), c.text);
    }
}

TEST(InfoPacking, ThePackerWritesWhatTheReaderReads)
{
    EXPECT_EQ(packInfoLine(QStringLiteral("中A")), QStringLiteral("189456200065"));
    for (const QString& text : hometest::Installation::standardVer()) {
        SCOPED_TRACE(text.toStdString());
        const auto packed = packInfoLine(text);
        ASSERT_TRUE(packed.has_value());
        EXPECT_EQ(packed->size(), text.size() * 6);
        EXPECT_EQ(unpackInfoLine(*packed), text);
        EXPECT_EQ(unpackInfoLine(hometest::packSecondRange(text)), text);
    }
    EXPECT_FALSE(packInfoLine(QStringLiteral("a😀")).has_value());
}

TEST(InfoFile, ReadsAtMostFortyLinesAndNamesTheBadOne)
{
    QTemporaryDir dir;
    using S = ModuleInfoRead::Status;
    EXPECT_EQ(readModuleInfo(dir.path()).status, S::Missing);
    QDir(dir.path()).mkdir(QStringLiteral("ver.txt"));
    EXPECT_EQ(readModuleInfo(dir.path()).status, S::Unreadable);
    QDir(dir.path()).rmdir(QStringLiteral("ver.txt"));

    QStringList forty;
    for (int i = 0; i < 40; ++i)
        forty << *packInfoLine(QString::number(i + 1));
    hometest::Installation::write(moduleInfoPath(dir.path()), forty);
    ModuleInfoRead r = readModuleInfo(dir.path());
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.lines.size(), 40);
    EXPECT_EQ(r.lines.first(), QStringLiteral("1"));
    EXPECT_EQ(r.lines.last(), QStringLiteral("40"));

    hometest::Installation::write(moduleInfoPath(dir.path()), forty + QStringList{QString()});
    EXPECT_EQ(readModuleInfo(dir.path()).status, S::TooManyLines);

    hometest::Installation::write(moduleInfoPath(dir.path()),
                                  {forty[0], QString(), QStringLiteral("500000"), forty[3]});
    r = readModuleInfo(dir.path());
    EXPECT_EQ(r.status, S::BadCode);
    EXPECT_EQ(r.badLine, 3);

    // A short file: the lines it lacks are empty.
    hometest::Installation::write(moduleInfoPath(dir.path()),
                                  {forty[0], QString(), QStringLiteral("000000")});
    r = readModuleInfo(dir.path());
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.lines.mid(0, 4), QStringList({QStringLiteral("1"), QString(), QString(), QString()}));
    EXPECT_EQ(r.lines.size(), 40);
}

TEST(InfoFile, KmInfoFromTheFirstFourLines)
{
    struct Case {
        QString name, folder, number;
        std::optional<int> kmNo;
        QString nn, dataPath;
    };
    const QString f = QStringLiteral("/opt/brannock");
    const Case cases[] = {
        {QStringLiteral(" XP "), QStringLiteral(" tiku "), QStringLiteral(" 7"), 7, QStringLiteral("07"),
         f + QStringLiteral("/tiku/")},
        {QString(), QString(), QStringLiteral("123"), 123, QStringLiteral("23"), f + QStringLiteral("/")},
        {QStringLiteral("A"), QStringLiteral("data\\bank"), QStringLiteral("-5"), -5, QStringLiteral("-5"),
         f + QStringLiteral("/data/bank/")},
        {QStringLiteral("A"), QStringLiteral("tiku"), QStringLiteral("6.5"), 6, QStringLiteral("06"),
         f + QStringLiteral("/tiku/")},
        {QStringLiteral("A"), QStringLiteral("tiku"), QStringLiteral("12abc"), 12, QStringLiteral("12"),
         f + QStringLiteral("/tiku/")},
        {QStringLiteral("A"), QStringLiteral("tiku"), QStringLiteral("40000"), std::nullopt, QString(),
         QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number.toStdString());
        const auto info = kmInfoFromLines({c.name, QStringLiteral(" 标题 "), c.folder, c.number},
                                          QStringLiteral("/opt/brannock"));
        ASSERT_EQ(info.has_value(), c.kmNo.has_value());
        if (!info) continue;
        EXPECT_EQ(info->kmNo, *c.kmNo);
        EXPECT_EQ(moduleNN(info->kmNo), c.nn);
        EXPECT_EQ(info->kmName, common::trimSpaces(c.name));
        EXPECT_EQ(info->kmTitle, QStringLiteral("标题"));
        EXPECT_EQ(info->dataPath, c.dataPath);
    }
}
