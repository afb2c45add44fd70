#pragma once

#include "ui/about/AboutInfo.h"

#include <QUrl>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace ondrix {

// The about window's content: the application icon, the name, the version line and four links (website,
// privacy policy, terms of service, support mail) that open in the default browser or mail program.
class AboutView : public QWidget {
    Q_OBJECT

public:
    using UrlOpener = std::function<void(const QUrl&)>;

    // `openUrl` opens a link (the desktop's default handler when empty).
    explicit AboutView(AboutInfo info = AboutInfo::fromBuild(), UrlOpener openUrl = {},
                       QWidget* parent = nullptr);

    QLabel* versionLabel() const { return m_version; }
    QList<QPushButton*> linkButtons() const { return m_links; }

private:
    QPushButton* addLink(const QString& text, const QIcon& icon, const QUrl& url);

    AboutInfo m_info;
    UrlOpener m_openUrl;
    QLabel* m_version;
    QList<QPushButton*> m_links;
};

} // namespace ondrix
