#include "engine/MonotonicClock.h"

namespace ondrix {

MonotonicClock::MonotonicClock(QObject* parent)
    : QObject(parent)
{
    m_elapsed.start();
}

} // namespace ondrix
