#include "common/maker_site.h"

#include "platform/services.h"

namespace common {

QString siteHost()
{
    const QString host =
        platform::settings().read(SiteKey, QStringLiteral("Host")).value_or(QString()).trimmed();
    return host.isEmpty() ? DefaultHost : host;
}

QString siteBase(const QString& host)
{
    QString base = host;
    if (!base.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) &&
        !base.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        base.prepend(QStringLiteral("http://"));
    while (base.endsWith(u'/'))
        base.chop(1);
    return base;
}

} // namespace common
