#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

namespace ondrix {

struct StatusSnapshot;

// Keeps a Prometheus text-format file for node_exporter's textfile collector: written at once, then every
// `kDefaultIntervalMs` while the process runs, and a last time at stop with `ondrix_up 0`. Each write goes to
// a temporary file beside it that is then renamed over it, so a reader never sees half a file.
//
// Lives on the main thread.
class MetricsFile : public QObject {
    Q_OBJECT

public:
    using SnapshotSource = std::function<StatusSnapshot()>;
    static constexpr int kDefaultIntervalMs = 10000;

    explicit MetricsFile(SnapshotSource source, QObject* parent = nullptr);

    // Starts writing to `path` (at once), or stops writing when it is empty; the old file is left alone.
    void setPath(const QString& path);
    QString path() const { return m_path; }
    void setIntervalMs(int ms) { m_timer.setInterval(ms); }
    // Writes now; false, with the reason in `problem`, when the file cannot be written.
    bool write(bool up, QString* error = nullptr);

    // The metrics of `snapshot` in Prometheus text format.
    static QByteArray encode(const StatusSnapshot& snapshot, bool up);

Q_SIGNALS:
    // A write failed; said once until a write succeeds again.
    void problem(const QString& message);

private:
    const SnapshotSource m_source;
    QString m_path;
    QTimer m_timer;
    bool m_failing = false;
};

} // namespace ondrix
