#include "ui/about/AboutView.h"

#include "support/ui/UiTestSupport.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;
using namespace ondrix::test;

TEST(AboutView, VersionLineAndLinks)
{
    QIcon::setThemeSearchPaths({u"/usr/share/icons"_s});
    QIcon::setThemeName(u"Adwaita"_s);
    QList<QUrl> opened;
    AboutView view(AboutInfo{u"2.3.0"_s, u"45"_s, u"https://example.org/"_s, u"help@example.org"_s},
                   [&opened](const QUrl& url) { opened.append(url); });
    view.resize(360, 340);
    view.show();
    EXPECT_EQ(view.versionLabel()->text(), u"Ondrix 2.3.0 (build 45)"_s);

    QStringList texts;
    for (QPushButton* link : view.linkButtons()) {
        texts.append(link->text());
        link->click();
    }
    EXPECT_EQ(texts, QStringList({u"Website"_s, u"Privacy Policy"_s, u"Terms of Service"_s, u"Support"_s}));
    EXPECT_EQ(opened,
              QList<QUrl>({QUrl(u"https://example.org/"_s), QUrl(u"https://example.org/privacy"_s),
                           QUrl(u"https://example.org/terms"_s), QUrl(u"mailto:help@example.org"_s)}));
    saveScreenshot(&view, u"about"_s);
    EXPECT_EQ(controlsWithoutAccessibleName(&view).join(u", "_s), QString());
    EXPECT_EQ(AboutInfo().versionLine(), u"Ondrix 1.0.0 (build 1.0.0)"_s);
}
