// Fonts: the screens' family names render with installed fonts that have their glyphs, and
// sizes follow the runtime's twips per pixel. The test main has installed the substitutions.
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <cmath>
#include <gtest/gtest.h>

#include "platform/fonts.h"
#include "platform/units.h"

namespace {

using namespace platform;

const QString chineseSample = QStringLiteral("考试练习");

const QStringList screenFamilies = {
    QStringLiteral("宋体"),          QStringLiteral("SimSun"),
    QStringLiteral("新宋体"),        QStringLiteral("黑体"),
    QStringLiteral("SimHei"),        QStringLiteral("楷体_GB2312"),
    QStringLiteral("楷体"),          QStringLiteral("隶书"),
    QStringLiteral("仿宋_GB2312"),   QStringLiteral("微软雅黑"),
    QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
    QStringLiteral("Tahoma"),        QStringLiteral("Times New Roman"),
    QStringLiteral("Fixedsys"),      QStringLiteral("System"),
};

bool installed(const QString& family)
{
    const QStringList families = QFontDatabase::families();
    for (const QString& f : families) {
        if (f.compare(family, Qt::CaseInsensitive) == 0 ||
            f.startsWith(family + QStringLiteral(" ["), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

class Fonts : public ::testing::Test {
protected:
    void SetUp() override { setTwipsPerPixel(15, 15); }
    void TearDown() override { setTwipsPerPixel(15, 15); }
};

TEST_F(Fonts, SubstitutesAreInstalledFamilies)
{
    for (const QString& family : screenFamilies) {
        const QStringList substitutes = fontSubstitutes(family);
        for (const QString& s : substitutes)
            EXPECT_TRUE(installed(s)) << family.toStdString() << " -> " << s.toStdString();
        EXPECT_EQ(QFont::substitutes(family), [&] {
            QStringList lower;
            for (const QString& s : substitutes)
                lower.append(s.toLower());
            return lower;
        }()) << family.toStdString();
    }
    EXPECT_TRUE(fontSubstitutes(QStringLiteral("No Such Family")).isEmpty());
}

TEST_F(Fonts, SongTiHasChineseGlyphs)
{
    if (cjkFontFamily().isEmpty()) GTEST_SKIP() << "no font with Chinese glyphs is installed";
    const QFont font = makeFont(QStringLiteral("宋体"), 9);
    const QRawFont raw = QRawFont::fromFont(font);
    ASSERT_TRUE(raw.isValid());
    for (const QChar c : chineseSample)
        EXPECT_TRUE(raw.supportsCharacter(c))
            << raw.familyName().toStdString() << " lacks U+" << std::hex << int(c.unicode());
    const QString resolved = QFontInfo(font).family();
    EXPECT_TRUE(QFontDatabase::writingSystems(resolved).contains(QFontDatabase::SimplifiedChinese))
        << resolved.toStdString();
}

TEST_F(Fonts, EveryChineseFamilyResolvesToAChineseFont)
{
    if (cjkFontFamily().isEmpty()) GTEST_SKIP() << "no font with Chinese glyphs is installed";
    const QStringList chinese = {QStringLiteral("宋体"),        QStringLiteral("SimSun"),
                                 QStringLiteral("新宋体"),      QStringLiteral("黑体"),
                                 QStringLiteral("SimHei"),      QStringLiteral("楷体_GB2312"),
                                 QStringLiteral("楷体"),        QStringLiteral("隶书"),
                                 QStringLiteral("仿宋_GB2312"), QStringLiteral("微软雅黑")};
    for (const QString& family : chinese) {
        const QRawFont raw = QRawFont::fromFont(makeFont(family, 12));
        ASSERT_TRUE(raw.isValid()) << family.toStdString();
        for (const QChar c : chineseSample)
            EXPECT_TRUE(raw.supportsCharacter(c))
                << family.toStdString() << " -> " << raw.familyName().toStdString();
    }
}

TEST_F(Fonts, EveryScreenFamilyShowsChineseAndLatinText)
{
    if (cjkFontFamily().isEmpty()) GTEST_SKIP() << "no font with Chinese glyphs is installed";
    for (const QString& family : screenFamilies) {
        const QFontMetrics metrics(makeFont(family, 9));
        for (const QChar c : chineseSample + QStringLiteral("Ab1"))
            EXPECT_TRUE(metrics.inFont(c)) << family.toStdString() << " U+" << std::hex << int(c.unicode());
        EXPECT_FALSE(fontSubstitutes(family).isEmpty()) << family.toStdString();
        EXPECT_TRUE(fontSubstitutes(family).contains(cjkFontFamily())) << family.toStdString();
    }
}

// 宋体 takes a Song/Ming face, whose lines are about as high as its glyphs, as the labels that
// hold several lines of it expect; 黑体 keeps a Hei face. (The setup script installs both.)
TEST_F(Fonts, SongTiTakesASongFaceAndHeiTiAHeiFace)
{
    if (cjkFontFamily().isEmpty()) GTEST_SKIP() << "no font with Chinese glyphs is installed";
    for (const double points : {9.0, 12.0, 15.0}) {
        const QFont song = makeFont(QStringLiteral("宋体"), points);
        const QFontMetrics metrics(song);
        EXPECT_LE(metrics.height(), std::ceil(song.pixelSize() * 1.15))
            << points << " pt in " << QFontInfo(song).family().toStdString();
    }
    const QString heiFace = fontSubstitutes(QStringLiteral("黑体")).value(0);
    EXPECT_NE(fontSubstitutes(QStringLiteral("宋体")).value(0).toStdString(), heiFace.toStdString());
    if (installed(QStringLiteral("WenQuanYi Zen Hei"))) {
        EXPECT_EQ(QFontInfo(makeFont(QStringLiteral("黑体"), 12)).family().toStdString(),
                  "WenQuanYi Zen Hei");
    }
}

// 楷体 texts (the hand-in dialogs) are set in a Kai face, as 宋体 is in a Song face: the setup
// script installs Debian's AR PL UKai for them, and the runtime resolves every Kai family to it.
TEST_F(Fonts, KaiTiTakesAKaiFace)
{
    const QString kai = QStringLiteral("AR PL UKai CN");
    ASSERT_TRUE(installed(kai)) << "the setup script installs fonts-arphic-ukai";
    for (const char* family : {"楷体_GB2312", "楷体", "KaiTi", "华文楷体"}) {
        const QString name = QString::fromUtf8(family);
        EXPECT_EQ(fontSubstitutes(name).value(0).toStdString(), kai.toStdString()) << family;
        for (const bool bold : {false, true})
            EXPECT_EQ(QFontInfo(makeFont(name, 15, bold)).family().toStdString(), kai.toStdString())
                << family << (bold ? " bold" : "");
    }
    EXPECT_NE(QFontInfo(makeFont(QStringLiteral("宋体"), 15)).family().toStdString(), kai.toStdString());
}

TEST_F(Fonts, LatinFamiliesPreferLatinLookAlikes)
{
    const QStringList serif = fontSubstitutes(QStringLiteral("Times New Roman"));
    const QStringList mono = fontSubstitutes(QStringLiteral("Courier New"));
    if (installed(QStringLiteral("DejaVu Serif")) || installed(QStringLiteral("Nimbus Roman"))) {
        ASSERT_FALSE(serif.isEmpty());
        EXPECT_NE(serif.first(), cjkFontFamily());
    }
    if (installed(QStringLiteral("DejaVu Sans Mono"))) {
        ASSERT_FALSE(mono.isEmpty());
        EXPECT_TRUE(QFontDatabase::isFixedPitch(mono.first())) << mono.first().toStdString();
    }
}

TEST_F(Fonts, SizeFollowsTwipsPerPixel)
{
    // Windows sizes a 9-point font at 96 dpi as 12 pixels; the screens scale the point size
    // by twips per pixel / 15, which must give the same pixels at 120 dpi.
    const std::pair<double, int> at15[] = {{9, 12}, {10.5, 14}, {12, 16}, {14, 19}, {36, 48}, {0.1, 1}};
    for (const auto& [points, pixels] : at15)
        EXPECT_EQ(makeFont(QStringLiteral("宋体"), points).pixelSize(), pixels) << points;
    setTwipsPerPixel(12, 12);
    const std::pair<double, int> at12[] = {{9 * 0.8, 12}, {10.5 * 0.8, 14}, {12 * 0.8, 16}, {9, 15}};
    for (const auto& [points, pixels] : at12)
        EXPECT_EQ(makeFont(QStringLiteral("宋体"), points).pixelSize(), pixels) << points;
}

TEST_F(Fonts, StyleFlags)
{
    const QFont plain = makeFont(QStringLiteral("黑体"), 9);
    EXPECT_EQ(plain.family(), QStringLiteral("黑体"));
    EXPECT_FALSE(plain.bold());
    EXPECT_FALSE(plain.italic());
    EXPECT_FALSE(plain.underline());
    const QFont styled = makeFont(QStringLiteral("Times New Roman"), 12, true, true, true);
    EXPECT_TRUE(styled.bold());
    EXPECT_TRUE(styled.italic());
    EXPECT_TRUE(styled.underline());
    EXPECT_EQ(makeFont(QStringLiteral("Arial"), 9, false, false, true).underline(), true);
}

TEST_F(Fonts, NoSizeIsNinePoints)
{
    EXPECT_EQ(makeFont(QStringLiteral("宋体"), 0).pixelSize(), 12);
    EXPECT_EQ(makeFont(QStringLiteral("宋体"), -3).pixelSize(), 12);
    setTwipsPerPixel(12, 12);
    EXPECT_EQ(makeFont(QStringLiteral("宋体"), 0).pixelSize(), 15);
}

TEST_F(Fonts, InstallingAgainGivesTheSameMapping)
{
    const QStringList before = fontSubstitutes(QStringLiteral("宋体"));
    installFontSubstitutions();
    EXPECT_EQ(fontSubstitutes(QStringLiteral("宋体")), before);
    EXPECT_EQ(QFont::substitutes(QStringLiteral("宋体")).size(), before.size());
}

} // namespace
