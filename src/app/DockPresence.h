#pragma once

class QWidget;

namespace ondrix {

// Whether the application shows itself to the desktop as a regular application or only as a tray
// accessory. Kept as a decision the shell makes at the same moments as on other platforms; the Linux
// implementation maps it to the taskbar presence of the application's windows.
class DockPresence {
public:
    enum class Policy { regular, accessory };

    virtual ~DockPresence() = default;
    virtual void setPolicy(Policy policy) = 0;
    // A window of the application that the policy applies to from now on.
    virtual void addWindow(QWidget* window) { (void)window; }
};

} // namespace ondrix
