#pragma once

#include <QUuid>

#include <functional>

namespace ondrix {

// Where the popover's entries lead: the application shell opens its windows and quits. An empty optional
// closure hides its entry ("Add Connection", "Check for Updates...") or makes rows inert (open connection).
struct MenuBarActions {
    std::function<void()> onSettings;
    std::function<void()> onViewLog;
    std::function<void()> onViewHistory;
    std::function<void()> onAbout;
    std::function<void()> onQuit;
    std::function<void()> onAddConnection;
    std::function<void(const QUuid& connectionId)> onOpenConnection;
    std::function<void()> onCheckForUpdates;
};

} // namespace ondrix
