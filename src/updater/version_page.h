#pragma once
// Where the update checker looks and what it accepts: the version page and the download page on
// the maker's site, the download keyword of each module, and the published version's form.
#include <QString>
#include <optional>

#include "common/maker_site.h"

namespace updater {

// The site, per-user settings so that an institution (or a test) can point the checker
// elsewhere: values "Host" (shared with the catalogue's download pages) and "PagePrefix" under
// this key of the settings store.
using common::DefaultHost;
using common::SiteKey;
inline const QString DefaultPagePrefix = QStringLiteral("518000001");

struct UpdateSite {
    QString host = DefaultHost;             // a host name, with a port when needed
    QString pagePrefix = DefaultPagePrefix; // nine digits
};

// The site from the settings; a value that is missing or empty gives the default, and so does a
// page prefix that is not nine digits.
UpdateSite readUpdateSite();

// "http://" & host, or the host as given when it names its own scheme; no trailing "/".
QString siteBase(const UpdateSite& site);

// The version page of module kmNo: base & "/pemba/pembaver/" & prefix & NN & ".htm".
QString versionPageAddress(const UpdateSite& site, int kmNo);

// The download keyword of module kmNo (0-21); a module with a second edition takes its second
// keyword when kmName in lower case is exactly that keyword. Empty outside 0-21.
QString kmKeyword(int kmNo, const QString& kmName);

// base & "/updown.asp?km=" & keyword.
QString downloadPageAddress(const UpdateSite& site, int kmNo, const QString& kmName);

// The published version in a page's text: the text trimmed, when it begins with the year of a
// bank version (four digits, 2010 or later: "2013.0.0.115", "2024.06.01", "20240601",
// "2013.0.0.115 beta"); nothing for anything else ("3.1", an error page, a script). What follows
// the year is free, notes of any length included: only the first 12 characters are compared. (The
// fetch bounds the page's size.)
constexpr int FirstVersionYear = 2010;
std::optional<QString> publishedVersion(const QString& pageText);

// Up to date: the first 12 characters of both versions, each trimmed, are the same.
bool sameVersion(const QString& published, const QString& local);

} // namespace updater
