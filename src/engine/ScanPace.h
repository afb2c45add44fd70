#pragma once

#include <QtGlobal>

#include <optional>

namespace ondrix {

// The pause between two scans of one engine's folder. While its change notifications can be trusted, a scan
// is only a safety net and comes seldom; otherwise (changes were lost, the folder is on another machine or
// missing, failed files wait for their back-off) it comes every stability interval. After lost changes the
// scans stay frequent for `kRecoveryMs`.
//
// A plain value of its engine, on the main thread; times are milliseconds on the engine's clock.
class ScanPace {
public:
    static constexpr double kDefaultSafetyNetSeconds = 120.0;
    static constexpr qint64 kRecoveryMs = 60000;

    // The connection's stability interval (whole seconds); an override replaces it.
    void setConfiguredStabilitySeconds(qint64 seconds) { m_configuredSeconds = seconds; }
    void setStabilityIntervalSeconds(double seconds) { m_overrideSeconds = seconds; }
    void setSafetyNetSeconds(double seconds) { m_safetyNetSeconds = seconds; }
    // The stability interval in seconds; never negative.
    double stabilityInterval() const;

    void changesLost(qint64 nowMs) { m_recoveryUntilMs = nowMs + kRecoveryMs; }
    bool isRecovering(qint64 nowMs) const { return m_recoveryUntilMs >= 0 && nowMs < m_recoveryUntilMs; }
    // `watcherTrusted`: the folder exists, is local and its watcher reports reliably.
    qint64 intervalMs(bool watcherTrusted, bool backOffsWaiting, qint64 nowMs) const;

private:
    qint64 m_configuredSeconds = 0;
    std::optional<double> m_overrideSeconds;
    double m_safetyNetSeconds = kDefaultSafetyNetSeconds;
    qint64 m_recoveryUntilMs = -1;
};

} // namespace ondrix
