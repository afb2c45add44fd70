#include "ui/common/SettingsNavigation.h"

namespace ondrix {

SettingsNavigation::SettingsNavigation(QObject* parent)
    : QObject(parent)
{}

void SettingsNavigation::setTab(SettingsTab tab)
{
    if (m_tab == tab) {
        return;
    }
    m_tab = tab;
    Q_EMIT tabChanged(tab);
}

void SettingsNavigation::setConnectionId(std::optional<QUuid> id)
{
    if (m_connectionId == id) {
        return;
    }
    m_connectionId = id;
    Q_EMIT connectionIdChanged(id);
}

void SettingsNavigation::navigate(SettingsTab tab, std::optional<QUuid> connectionId)
{
    setTab(tab);
    setConnectionId(connectionId);
    Q_EMIT navigated(m_tab, m_connectionId);
}

} // namespace ondrix
