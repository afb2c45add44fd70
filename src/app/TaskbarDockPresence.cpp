#include "app/TaskbarDockPresence.h"

namespace ondrix {

void TaskbarDockPresence::addWindow(QWidget* window)
{
    m_windows.append(window);
    apply(window);
}

void TaskbarDockPresence::setPolicy(Policy policy)
{
    m_policy = policy;
    for (const QPointer<QWidget>& window : std::as_const(m_windows)) {
        if (window) {
            apply(window);
        }
    }
}

void TaskbarDockPresence::apply(QWidget* window) const
{
    const bool tool = m_policy == Policy::accessory;
    if (window->isVisible() || window->windowFlags().testFlag(Qt::Tool) == tool) {
        return;
    }
    // Qt::Tool includes Qt::Window; clearing it must leave a plain window.
    Qt::WindowFlags flags = window->windowFlags() & ~Qt::WindowType_Mask;
    window->setWindowFlags(flags | (tool ? Qt::Tool : Qt::Window));
}

} // namespace ondrix
