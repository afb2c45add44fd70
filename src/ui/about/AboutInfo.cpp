#include "ui/about/AboutInfo.h"

#include <QCoreApplication>

// The build configuration defines these for this file alone, so changing an address rebuilds one file.
#ifndef ONDRIX_BUILD_NUMBER
#define ONDRIX_BUILD_NUMBER ""
#endif
#ifndef ONDRIX_WEBSITE_URL
#define ONDRIX_WEBSITE_URL "https://ondrix.io"
#endif
#ifndef ONDRIX_SUPPORT_EMAIL
#define ONDRIX_SUPPORT_EMAIL "support@ondrix.io"
#endif
#ifndef ONDRIX_VERSION
#define ONDRIX_VERSION ""
#endif

namespace ondrix {

namespace {

QString withoutTrailingSlash(QString url)
{
    while (url.endsWith(QLatin1Char('/'))) {
        url.chop(1);
    }
    return url;
}

} // namespace

AboutInfo AboutInfo::fromBuild()
{
    return {QStringLiteral(ONDRIX_VERSION), QStringLiteral(ONDRIX_BUILD_NUMBER),
            QStringLiteral(ONDRIX_WEBSITE_URL), QStringLiteral(ONDRIX_SUPPORT_EMAIL)};
}

QString AboutInfo::versionLine() const
{
    const QString fallback = QStringLiteral("1.0.0");
    return QCoreApplication::translate("AboutInfo", "Ondrix %1 (build %2)")
        .arg(version.isEmpty() ? fallback : version, buildNumber.isEmpty() ? fallback : buildNumber);
}

QUrl AboutInfo::website() const
{
    return QUrl(websiteUrl);
}

QUrl AboutInfo::privacyPolicy() const
{
    return QUrl(withoutTrailingSlash(websiteUrl) + QStringLiteral("/privacy"));
}

QUrl AboutInfo::termsOfService() const
{
    return QUrl(withoutTrailingSlash(websiteUrl) + QStringLiteral("/terms"));
}

QUrl AboutInfo::support() const
{
    return QUrl(QStringLiteral("mailto:") + supportEmail);
}

} // namespace ondrix
