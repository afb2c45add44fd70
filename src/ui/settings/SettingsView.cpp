#include "ui/settings/SettingsView.h"

#include "platform/SoundPlayer.h"
#include "ui/browser/BrowserView.h"
#include "ui/connections/ConnectionsSettingsView.h"
#include "ui/settings/GeneralSettingsTab.h"
#include "ui/settings/NotificationsSettingsTab.h"

#include <QIcon>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>

namespace ondrix {

namespace {

// Tabs in the order of the tab bar.
constexpr std::array kTabOrder{SettingsTab::general, SettingsTab::notifications, SettingsTab::connections,
                               SettingsTab::browser};

QIcon themeIcon(std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        const QIcon icon = QIcon::fromTheme(QLatin1String(name));
        if (!icon.isNull()) {
            return icon;
        }
    }
    return {};
}

} // namespace

SettingsView::SettingsView(Context context, QWidget* parent)
    : QWidget(parent)
    , m_context(std::move(context))
    , m_tabs(new QTabWidget(this))
{
    m_tabs->setDocumentMode(true);
    m_tabs->setAccessibleName(tr("Settings sections"));
    m_tabs->tabBar()->setAccessibleName(tr("Settings sections"));

    m_tabs->addTab(new GeneralSettingsTab(m_context.settings),
                   themeIcon({"preferences-system-symbolic", "preferences-system", "configure"}),
                   tr("General"));
    m_tabs->addTab(new NotificationsSettingsTab(m_context.settings, m_context.sounds),
                   themeIcon({"preferences-system-notifications-symbolic", "preferences-desktop-notification",
                              "notifications"}),
                   tr("Notifications"));
    auto* connections = new ConnectionsSettingsView(m_context.manager, m_context.dialogs, m_context.pool,
                                                    &m_context.navigation);
    m_tabs->addTab(connections,
                   themeIcon({"network-workgroup-symbolic", "network-workgroup", "network-server"}),
                   tr("Connections"));
    m_tabs->addTab(
        new BrowserView(m_context.manager, m_context.store, m_context.pool, m_context.dialogs, m_context.log),
        themeIcon({"view-refresh-symbolic", "view-refresh"}), tr("Browser"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);

    connect(m_tabs, &QTabWidget::currentChanged, this,
            [this](int index) { Q_EMIT selectedTabChanged(kTabOrder[std::size_t(index)]); });
    // Every request selects its tab, also one for the tab the navigation already holds after the user moved
    // elsewhere by hand.
    connect(&m_context.navigation, &SettingsNavigation::tabChanged, this, &SettingsView::setSelectedTab);
    connect(&m_context.navigation, &SettingsNavigation::navigated, this,
            [this](SettingsTab tab) { setSelectedTab(tab); });
    setSelectedTab(m_context.navigation.tab());
}

SettingsTab SettingsView::selectedTab() const
{
    return kTabOrder[std::size_t(m_tabs->currentIndex())];
}

void SettingsView::setSelectedTab(SettingsTab tab)
{
    m_tabs->setCurrentIndex(indexOf(tab));
}

QWidget* SettingsView::page(SettingsTab tab) const
{
    return m_tabs->widget(indexOf(tab));
}

int SettingsView::indexOf(SettingsTab tab)
{
    for (std::size_t i = 0; i < kTabOrder.size(); ++i) {
        if (kTabOrder[i] == tab) {
            return int(i);
        }
    }
    return 0;
}

} // namespace ondrix
