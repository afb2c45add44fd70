#pragma once

#include <QString>
#include <QUrl>

namespace ondrix {

// What the about window tells: the version and build number, and where to read more or ask for help. The
// build configuration sets these once (ONDRIX_WEBSITE_URL, ONDRIX_SUPPORT_EMAIL, ONDRIX_BUILD_NUMBER).
struct AboutInfo {
    QString version;
    QString buildNumber;
    QString websiteUrl;
    QString supportEmail;

    // The values this build was made with.
    static AboutInfo fromBuild();

    // "Ondrix <version> (build <build>)"; a missing version or build number reads "1.0.0".
    QString versionLine() const;
    QUrl website() const;
    QUrl privacyPolicy() const;  // website + "/privacy"
    QUrl termsOfService() const; // website + "/terms"
    QUrl support() const;        // mailto: the support address
};

} // namespace ondrix
