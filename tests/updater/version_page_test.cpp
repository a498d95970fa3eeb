// The addresses the update checker builds, its settings, and what it accepts as a version.
#include <QFile>
#include <gtest/gtest.h>

#include "platform/services_fake.h"
#include "support/kit.h"
#include "updater/version_page.h"

using namespace updater;

TEST(UpdateSite, DefaultsUnlessTheSettingsNameAnother)
{
    platform::FakeServices fakes;
    UpdateSite site = readUpdateSite();
    EXPECT_EQ(site.host, DefaultHost);
    EXPECT_EQ(site.pagePrefix, DefaultPagePrefix);

    fakes.settings.write(SiteKey, QStringLiteral("Host"), QStringLiteral(" 127.0.0.1:8080 "));
    fakes.settings.write(SiteKey, QStringLiteral("PagePrefix"), QStringLiteral("123456789"));
    site = readUpdateSite();
    EXPECT_EQ(site.host, QStringLiteral("127.0.0.1:8080"));
    EXPECT_EQ(site.pagePrefix, QStringLiteral("123456789"));

    // A prefix that is not nine digits, or an empty host, is not used.
    for (const char* bad : {"12345678", "1234567890", "12345678x", "../../etc"}) {
        SCOPED_TRACE(bad);
        fakes.settings.write(SiteKey, QStringLiteral("PagePrefix"), QString::fromLatin1(bad));
        EXPECT_EQ(readUpdateSite().pagePrefix, DefaultPagePrefix);
    }
    fakes.settings.write(SiteKey, QStringLiteral("Host"), QStringLiteral("  "));
    EXPECT_EQ(readUpdateSite().host, DefaultHost);
}

// The README tells an institution where the settings live and which values set the site; what it
// says must be what the programs read.
TEST(UpdateSite, TheReadmeNamesTheSettingsFileAndTheSiteValues)
{
    QFile readme(QStringLiteral(BRANNOCK_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    // The file the programs use when the environment names none (the tests name their own).
    const QByteArray testFile = qgetenv("BRANNOCK_SETTINGS_FILE");
    qunsetenv("BRANNOCK_SETTINGS_FILE");
    const QString settingsFile = platform::FileSettingsStore::defaultFileName();
    qputenv("BRANNOCK_SETTINGS_FILE", testFile);
    const QStringList named = {
        QStringLiteral("BRANNOCK_SETTINGS_FILE"),
        settingsFile.mid(settingsFile.lastIndexOf(u'/', settingsFile.lastIndexOf(u'/') - 1)), // folder/file
        QStringLiteral("[") + SiteKey + QStringLiteral("]"),
        QStringLiteral("`Host`"),
        QStringLiteral("`PagePrefix`"),
        QStringLiteral("`") + DefaultHost + QStringLiteral("`"),
        QStringLiteral("`") + DefaultPagePrefix + QStringLiteral("`"),
        QStringLiteral("/down.asp?id="),
    };
    for (const QString& n : named)
        EXPECT_TRUE(text.contains(n)) << n.toStdString();
}

TEST(UpdateSite, Addresses)
{
    const UpdateSite site{QStringLiteral("www.ostrel.example"), QStringLiteral("518000001")};
    EXPECT_EQ(versionPageAddress(site, 7),
              QStringLiteral("http://www.ostrel.example/pemba/pembaver/51800000107.htm"));
    EXPECT_EQ(versionPageAddress(site, 123),
              QStringLiteral("http://www.ostrel.example/pemba/pembaver/51800000123.htm"));
    EXPECT_EQ(downloadPageAddress(site, 7, QStringLiteral("XP")),
              QStringLiteral("http://www.ostrel.example/updown.asp?km=winxp"));
    // A module without a keyword: the address ends in "km=".
    EXPECT_EQ(downloadPageAddress(site, 25, QStringLiteral("XP")),
              QStringLiteral("http://www.ostrel.example/updown.asp?km="));
    // A host with its own scheme and a trailing slash.
    const UpdateSite secure{QStringLiteral("https://mirror.example/"), QStringLiteral("518000001")};
    EXPECT_EQ(versionPageAddress(secure, 0),
              QStringLiteral("https://mirror.example/pemba/pembaver/51800000100.htm"));
}

TEST(UpdateSite, KeywordsOfModulesWithTwoEditions)
{
    struct Case {
        int kmNo;
        const char* kmName;
        const char* keyword;
    };
    const Case cases[] = {
        {7, "XP", "winxp"},
        {6, "ppt2000", "ppt2000"},
        {6, "PPT97", "ppt97"},
        {6, "ppt97 ", "ppt2000"}, // only an exact match picks the second edition
        {16, "Wps2000", "wps2000"},
        {19, "project2000", "project2000"},
        {19, "Project", "project"},
        {0, "", "win98"},
        {21, "", "outlook"},
        {22, "", ""},
        {-1, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kmNo);
        EXPECT_EQ(kmKeyword(c.kmNo, QString::fromLatin1(c.kmName)), QString::fromLatin1(c.keyword));
    }
}

// A page is usable when its text begins with the year of a bank version, 2010 or later; what
// follows the year is free.
TEST(PublishedVersion, ABankVersionsYearBeginsTheText)
{
    struct Case {
        QString page;
        std::optional<QString> version;
    };
    // A version with notes after it, however long.
    const QString withNotes = QStringLiteral("2024.06.01 ") + QString(60, u'x');
    const QString withLongNotes = QStringLiteral("2024.06.01\r\n") + QString(20000, u'说');
    const Case cases[] = {
        {QStringLiteral("2024.06.01"), QStringLiteral("2024.06.01")},
        {QStringLiteral(" \r\n2013.0.0.115 \r\n"), QStringLiteral("2013.0.0.115")},
        // Followed by other text.
        {QStringLiteral("2013.0.0.115 beta"), QStringLiteral("2013.0.0.115 beta")},
        {QStringLiteral("2024.06.01 第3版"), QStringLiteral("2024.06.01 第3版")},
        {QStringLiteral("2024.07.01.1234567890.12345678901"),
         QStringLiteral("2024.07.01.1234567890.12345678901")},
        {QStringLiteral("2024.06\n<script>"), QStringLiteral("2024.06\n<script>")},
        // The years: 2010 on, the years after 2019 too; a year alone is a version.
        {QStringLiteral("2010"), QStringLiteral("2010")},
        {QStringLiteral("2019.12.31"), QStringLiteral("2019.12.31")},
        {QStringLiteral("2020.01.01"), QStringLiteral("2020.01.01")},
        {QStringLiteral("2105.1"), QStringLiteral("2105.1")},
        {QStringLiteral("20240601"), QStringLiteral("20240601")},
        {QStringLiteral("2009.12.31"), std::nullopt},
        {QStringLiteral("1999.1"), std::nullopt},
        // Unusable: no year at the start.
        {QStringLiteral("3.1"), std::nullopt},
        {QStringLiteral("7"), std::nullopt},
        {QStringLiteral("201"), std::nullopt},
        {QStringLiteral(".2024"), std::nullopt},
        {QStringLiteral("&2024.06"), std::nullopt},
        {QStringLiteral("v2024.06"), std::nullopt},
        {QStringLiteral("２０２４.06"), std::nullopt}, // full-width digits
        {QStringLiteral("The page cannot be found"), std::nullopt},
        {QString(), std::nullopt},
        {QStringLiteral("   "), std::nullopt},
        // Notes after the version.
        {withNotes, withNotes},
        {withLongNotes + QStringLiteral(" \r\n"), withLongNotes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page.left(40).toStdString());
        EXPECT_EQ(publishedVersion(c.page), c.version);
    }
}

TEST(PublishedVersion, SameWhenTheFirstTwelveCharactersAgree)
{
    struct Case {
        const char* published;
        const char* local;
        bool same;
    };
    const Case cases[] = {
        {"2013.0.0.115", "2013.0.0.115", true},
        {"2013.0.0.1151", "2013.0.0.1159", true}, // differ after 12 characters
        {"2013.0.0.115", " 2013.0.0.115 ", true},
        {"2024.06", "2024.06", true},
        {"2024.06.01", "2024.06", false},    // begins with the local one: different
        {"2023.01.01", "2024.06.01", false}, // older: different all the same
        {"2024.06.01", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.published);
        EXPECT_EQ(sameVersion(QString::fromLatin1(c.published), QString::fromLatin1(c.local)), c.same);
    }
}
