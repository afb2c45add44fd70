#include "model/NextTurn.h"

namespace ondrix {

void NextTurn::request()
{
    if (m_pending.exchange(true)) {
        return;
    }
    QMetaObject::invokeMethod(
        m_owner,
        [this] {
            if (m_pending.exchange(false)) {
                m_run();
            }
        },
        Qt::QueuedConnection);
}

} // namespace ondrix
