#pragma once

#include <QObject>
#include <QUuid>

#include <optional>

namespace ondrix {

// The tabs of the settings window, in the order the window shows them.
enum class SettingsTab { connections, browser, general, notifications };

// Which settings tab is wanted and which connection it should select. Whoever opens the settings writes both
// (the tray menu, the popover, the editor's own links); the settings window follows them, so an open window
// switches at once. A write notifies only when the value changes; `navigate` always emits `navigated`, so a
// window can re-select a tab the user has left since the last request.
//
// Lives on the main thread.
class SettingsNavigation : public QObject {
    Q_OBJECT
    Q_PROPERTY(ondrix::SettingsTab tab READ tab WRITE setTab NOTIFY tabChanged)
    Q_PROPERTY(
        std::optional<QUuid> connectionId READ connectionId WRITE setConnectionId NOTIFY connectionIdChanged)

public:
    explicit SettingsNavigation(QObject* parent = nullptr);

    SettingsTab tab() const { return m_tab; }
    std::optional<QUuid> connectionId() const { return m_connectionId; }

    void setTab(SettingsTab tab);
    void setConnectionId(std::optional<QUuid> id);
    // Writes both, then emits `navigated` once.
    void navigate(SettingsTab tab, std::optional<QUuid> connectionId);

Q_SIGNALS:
    void tabChanged(ondrix::SettingsTab tab);
    void connectionIdChanged(std::optional<QUuid> connectionId);
    void navigated(ondrix::SettingsTab tab, std::optional<QUuid> connectionId);

private:
    SettingsTab m_tab = SettingsTab::connections;
    std::optional<QUuid> m_connectionId;
};

} // namespace ondrix
