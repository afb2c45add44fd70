#pragma once

#include "app/DockPresence.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace ondrix {

// Regular: the application's windows have taskbar entries. Accessory: hidden windows are turned into tool
// windows, which taskbars leave out, so nothing of the application shows in the taskbar until a window is
// shown again (the shell switches back to regular before it shows one). Visible windows are never changed:
// a flag change re-creates the native window.
//
// Lives on the main thread.
class TaskbarDockPresence final : public DockPresence {
public:
    void addWindow(QWidget* window);
    void setPolicy(Policy policy) override;
    Policy policy() const { return m_policy; }

private:
    void apply(QWidget* window) const;

    Policy m_policy = Policy::regular;
    QList<QPointer<QWidget>> m_windows;
};

} // namespace ondrix
