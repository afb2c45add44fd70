#pragma once

#include "app/DockPresence.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace ondrix {

// Regular: the application's windows have taskbar entries. Accessory: they are marked to be left out of
// taskbars and pagers (_NET_WM_STATE_SKIP_TASKBAR and _NET_WM_STATE_SKIP_PAGER on X11, XWayland included).
// A hidden window carries the mark in its own property, which the window manager reads when it is shown
// again; a shown one is changed through the window manager. Without X11 there is no such mark and the policy
// changes nothing.
//
// Lives on the main thread.
class TaskbarDockPresence final : public DockPresence {
public:
    void addWindow(QWidget* window) override;
    void setPolicy(Policy policy) override;
    Policy policy() const { return m_policy; }

private:
    void apply(QWidget* window) const;

    Policy m_policy = Policy::regular;
    QList<QPointer<QWidget>> m_windows;
};

} // namespace ondrix
