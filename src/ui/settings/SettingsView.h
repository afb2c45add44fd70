#pragma once

#include "ui/common/SettingsNavigation.h"

#include <QWidget>

class QTabWidget;
class QThreadPool;

namespace ondrix {

class AppSettings;
class ConnectionsManager;
class Dialogs;
class LogService;
class PreferencesStore;
class SoundPlayer;

// The root of the settings window: four tabs (General, Notifications, Connections, Browser) that follow the
// settings navigation, so whoever opens the settings at a tab and connection sees it selected even when the
// window is already open on another tab. Choosing a tab by hand changes only what this view shows.
class SettingsView : public QWidget {
    Q_OBJECT

public:
    // What the tabs work with; everything must outlive the view.
    struct Context {
        ConnectionsManager& manager;
        AppSettings& settings;
        PreferencesStore& store; // the browser's colour tags
        SettingsNavigation& navigation;
        SoundPlayer& sounds;
        Dialogs& dialogs;
        QThreadPool& pool;
        LogService* log = nullptr;
    };

    explicit SettingsView(Context context, QWidget* parent = nullptr);

    SettingsTab selectedTab() const;
    void setSelectedTab(SettingsTab tab);
    // The page of a tab.
    QWidget* page(SettingsTab tab) const;
    QTabWidget* tabWidget() const { return m_tabs; }

Q_SIGNALS:
    void selectedTabChanged(ondrix::SettingsTab tab);

private:
    static int indexOf(SettingsTab tab);

    Context m_context;
    QTabWidget* m_tabs;
};

} // namespace ondrix
