#include "updater/version_page.h"

#include <QRegularExpression>
#include <array>

#include "home/km_info.h"
#include "platform/services.h"

namespace updater {

namespace {

struct Keyword {
    const char* first;
    const char* second; // a second edition of the module, or nullptr
};

// One row per module number.
constexpr std::array<Keyword, 22> KmKeywords{{
    {"win98", nullptr},      {"win2000", nullptr},   {"word97", nullptr},    {"word2000", nullptr},
    {"excel97", nullptr},    {"excel2000", nullptr}, {"ppt2000", "ppt97"},   {"winxp", nullptr},
    {"word2003", nullptr},   {"excel2003", nullptr}, {"ppt2003", nullptr},   {"access2000", nullptr},
    {"access2003", nullptr}, {"internet", nullptr},  {"frontpage", nullptr}, {"photoshop", nullptr},
    {"wps2005", "wps2000"},  {"autocad", nullptr},   {"flash", nullptr},     {"project", "project2000"},
    {"visio", nullptr},      {"outlook", nullptr},
}};

} // namespace

UpdateSite readUpdateSite()
{
    UpdateSite site;
    site.host = common::siteHost();
    static const QRegularExpression nineDigits(QStringLiteral("^[0-9]{9}$"));
    const QString prefix =
        platform::settings().read(SiteKey, QStringLiteral("PagePrefix")).value_or(QString()).trimmed();
    if (nineDigits.match(prefix).hasMatch()) site.pagePrefix = prefix;
    return site;
}

QString siteBase(const UpdateSite& site)
{
    return common::siteBase(site.host);
}

QString versionPageAddress(const UpdateSite& site, int kmNo)
{
    return siteBase(site) + QStringLiteral("/pemba/pembaver/") + site.pagePrefix + home::moduleNN(kmNo) +
           QStringLiteral(".htm");
}

QString kmKeyword(int kmNo, const QString& kmName)
{
    if (kmNo < 0 || kmNo >= int(KmKeywords.size())) return {};
    const Keyword& k = KmKeywords[size_t(kmNo)];
    if (k.second && kmName.toLower() == QLatin1String(k.second)) return QString::fromLatin1(k.second);
    return QString::fromLatin1(k.first);
}

QString downloadPageAddress(const UpdateSite& site, int kmNo, const QString& kmName)
{
    return siteBase(site) + QStringLiteral("/updown.asp?km=") + kmKeyword(kmNo, kmName);
}

std::optional<QString> publishedVersion(const QString& pageText)
{
    const QString text = pageText.trimmed();
    static const QRegularExpression year(QStringLiteral("^([0-9]{4})"));
    const QRegularExpressionMatch m = year.match(text);
    if (!m.hasMatch() || m.captured(1).toInt() < FirstVersionYear) return std::nullopt;
    return text;
}

bool sameVersion(const QString& published, const QString& local)
{
    constexpr int Compared = 12;
    return published.trimmed().left(Compared) == local.trimmed().left(Compared);
}

} // namespace updater
