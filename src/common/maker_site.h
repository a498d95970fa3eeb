#pragma once
// The maker's web site, where the update checker finds the published question-bank versions and
// the download pages, and where the home screen's catalogue sends a module that is not installed.
// One per-user setting for both, so that an institution (or a test) points them elsewhere
// together: the value "Host" under SiteKey in the settings store.
#include <QString>

namespace common {

inline const QString SiteKey = QStringLiteral("Software\\Ostrel\\Tessaly");
inline const QString DefaultHost = QStringLiteral("www.ostrel.example");

// The Host setting without blanks around it; DefaultHost when it is missing or empty.
QString siteHost();

// "http://" & host, or the host as given when it names its own scheme; no trailing "/".
QString siteBase(const QString& host);

} // namespace common
