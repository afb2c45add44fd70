#include "app/MetricsFile.h"

#include "supervision/StatusSnapshot.h"

#include <QSaveFile>

#include <utility>

namespace ondrix {

namespace {

// A label value with backslash, double quote and line feed escaped, in double quotes.
QByteArray labelValue(const QString& value)
{
    QByteArray escaped = value.toUtf8();
    escaped.replace('\\', "\\\\").replace('"', "\\\"").replace('\n', "\\n");
    return '"' + escaped + '"';
}

class Writer {
public:
    void family(const char* name, const char* type, const char* help)
    {
        m_name = name;
        m_text += QByteArray("# HELP ") + name + ' ' + help + "\n# TYPE " + name + ' ' + type + '\n';
    }
    void sample(const QByteArray& labels, double value)
    {
        m_text += m_name;
        if (!labels.isEmpty()) {
            m_text += '{' + labels + '}';
        }
        m_text += ' ' + QByteArray::number(value, 'g', 17) + '\n';
    }
    QByteArray text() const { return m_text; }

private:
    QByteArray m_name;
    QByteArray m_text;
};

QByteArray connectionLabels(const StatusSnapshot::Connection& connection)
{
    return "connection=" + labelValue(connection.name) +
           ",connection_id=" + labelValue(connection.id.toString(QUuid::WithoutBraces));
}

} // namespace

MetricsFile::MetricsFile(SnapshotSource source, QObject* parent)
    : QObject(parent)
    , m_source(std::move(source))
{
    m_timer.setInterval(kDefaultIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { write(true); });
}

void MetricsFile::setPath(const QString& path)
{
    m_path = path;
    m_failing = false;
    if (m_path.isEmpty()) {
        m_timer.stop();
        return;
    }
    write(true);
    m_timer.start();
}

bool MetricsFile::write(bool up, QString* error)
{
    if (m_path.isEmpty()) {
        return false;
    }
    QSaveFile file(m_path);
    const QByteArray text = encode(m_source(), up);
    // node_exporter runs as a user of its own: the file is readable by others.
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ReadGroup | QFileDevice::ReadOther) &&
                         file.write(text) == text.size() && file.commit();
    if (!written) {
        const QString message =
            tr("The metrics file %1 cannot be written: %2").arg(m_path, file.errorString());
        if (error) {
            *error = message;
        }
        if (!std::exchange(m_failing, true)) {
            Q_EMIT this->problem(message);
        }
        return false;
    }
    m_failing = false;
    return true;
}

QByteArray MetricsFile::encode(const StatusSnapshot& snapshot, bool up)
{
    Writer out;
    out.family("ondrix_up", "gauge", "Whether Ondrix is running (0 after it stopped).");
    out.sample({}, up ? 1 : 0);
    out.family("ondrix_build_info", "gauge", "The running version of Ondrix.");
    out.sample("version=" + labelValue(snapshot.version), 1);
    out.family("ondrix_start_time_seconds", "gauge", "When the running Ondrix started, in Unix time.");
    out.sample({}, double(snapshot.startedAt.toSecsSinceEpoch()));

    const auto perConnection = [&](const char* name, const char* type, const char* help, auto value) {
        out.family(name, type, help);
        for (const StatusSnapshot::Connection& connection : snapshot.connections) {
            out.sample(connectionLabels(connection), double(value(connection)));
        }
    };
    using C = StatusSnapshot::Connection;
    perConnection("ondrix_uploaded_files_total", "counter", "Files uploaded since Ondrix started.",
                  [](const C& c) { return c.counters.uploadedFiles; });
    perConnection("ondrix_uploaded_bytes_total", "counter", "Bytes uploaded since Ondrix started.",
                  [](const C& c) { return c.counters.uploadedBytes; });
    perConnection("ondrix_failed_files_total", "counter", "Failed uploads since Ondrix started.",
                  [](const C& c) { return c.counters.failedFiles; });
    perConnection("ondrix_queue_files", "gauge", "Files waiting for their upload.",
                  [](const C& c) { return c.queued; });
    perConnection("ondrix_uploading_files", "gauge", "Files being uploaded now.",
                  [](const C& c) { return c.uploading; });
    perConnection("ondrix_consecutive_failures", "gauge", "Failed uploads since the last success.",
                  [](const C& c) { return c.consecutiveFailures; });

    out.family("ondrix_last_success_timestamp_seconds", "gauge",
               "When the connection last uploaded a file, in Unix time (absent before the first).");
    for (const C& connection : snapshot.connections) {
        if (connection.counters.lastSuccess.isValid()) {
            out.sample(connectionLabels(connection),
                       double(connection.counters.lastSuccess.toSecsSinceEpoch()));
        }
    }
    out.family("ondrix_connection_paused", "gauge", "1 while the connection is paused for the reason.");
    for (const C& connection : snapshot.connections) {
        for (PauseReasons::Reason reason : StatusSnapshot::allReasons()) {
            out.sample(connectionLabels(connection) +
                           ",reason=" + labelValue(StatusSnapshot::reasonName(reason)),
                       connection.pauseReasons.contains(reason) ? 1 : 0);
        }
    }
    out.family("ondrix_connection_state", "gauge", "1 for the state the connection is in.");
    for (const C& connection : snapshot.connections) {
        const QString current = StatusSnapshot::stateName(connection);
        for (const QString& state : StatusSnapshot::stateNames()) {
            out.sample(connectionLabels(connection) + ",state=" + labelValue(state),
                       state == current ? 1 : 0);
        }
    }
    return out.text();
}

} // namespace ondrix
