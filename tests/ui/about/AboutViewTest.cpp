// The about window's content: the version line with its fallbacks, and links that open the configured
// website pages and support address.
#include "ui/about/AboutView.h"

#include "support/ui/UiTestSupport.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace ondrix;
using namespace ondrix::test;

TEST(AboutView, VersionLineAndLinks)
{
    // The desktop's icons, as a session's platform theme provides them.
    QIcon::setThemeSearchPaths({QStringLiteral("/usr/share/icons")});
    QIcon::setThemeName(QStringLiteral("Adwaita"));
    QList<QUrl> opened;
    AboutView view(AboutInfo{QStringLiteral("2.3.0"), QStringLiteral("45"),
                             QStringLiteral("https://example.org/"), QStringLiteral("help@example.org")},
                   [&opened](const QUrl& url) { opened.append(url); });
    view.resize(360, 340);
    view.show();
    EXPECT_EQ(view.versionLabel()->text(), QStringLiteral("Ondrix 2.3.0 (build 45)"));

    QStringList texts;
    for (QPushButton* link : view.linkButtons()) {
        texts.append(link->text());
        link->click();
    }
    EXPECT_EQ(texts, QStringList({QStringLiteral("Website"), QStringLiteral("Privacy Policy"),
                                  QStringLiteral("Terms of Service"), QStringLiteral("Support")}));
    EXPECT_EQ(opened, QList<QUrl>({QUrl(QStringLiteral("https://example.org/")),
                                   QUrl(QStringLiteral("https://example.org/privacy")),
                                   QUrl(QStringLiteral("https://example.org/terms")),
                                   QUrl(QStringLiteral("mailto:help@example.org"))}));
    saveScreenshot(&view, QStringLiteral("about"));
    EXPECT_EQ(controlsWithoutAccessibleName(&view).join(QStringLiteral(", ")), QString());

    EXPECT_EQ(AboutInfo().versionLine(), QStringLiteral("Ondrix 1.0.0 (build 1.0.0)"));
}
