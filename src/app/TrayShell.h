#pragma once

#include "app/DesktopShell.h"

#include <functional>
#include <memory>

namespace ondrix {

class AppDelegate;
class TaskbarDockPresence;
class UpdateChecker;
class XdgAutostartLoginItem;

// The desktop shell of a desktop run: the application delegate with the login item, the taskbar presence
// and (in builds that have one) the update check it stands on.
//
// Lives on the main thread.
class TrayShell final : public DesktopShell {
public:
    TrayShell(Application& core, std::function<void()> quitRequested);
    ~TrayShell() override;

    void start() override;
    void showPopover() override;

private:
    std::unique_ptr<XdgAutostartLoginItem> m_loginItem;
    std::unique_ptr<TaskbarDockPresence> m_dock;
    std::unique_ptr<UpdateChecker> m_updates;
    std::unique_ptr<AppDelegate> m_delegate;
};

} // namespace ondrix
