#include "engine/ScanPace.h"

#include <algorithm>
#include <cmath>

namespace ondrix {

double ScanPace::stabilityInterval() const
{
    const double seconds = m_overrideSeconds.value_or(double(m_configuredSeconds));
    // A negative interval would be a wait of no time at all.
    return std::isfinite(seconds) && seconds > 0 ? seconds : 0.0;
}

qint64 ScanPace::intervalMs(bool watcherTrusted, bool backOffsWaiting, qint64 nowMs) const
{
    // Failed files are offered again by the scans once their back-off has passed, so while any waits the
    // scans stay frequent too.
    const double seconds = watcherTrusted && !isRecovering(nowMs) && !backOffsWaiting
                               ? std::max(m_safetyNetSeconds, stabilityInterval())
                               : stabilityInterval();
    return qint64(seconds * 1000.0);
}

} // namespace ondrix
