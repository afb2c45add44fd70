#pragma once

#include <QByteArray>
#include <QString>

namespace ondrix {

struct StatusSnapshot;

// What `ondrix --status` prints, as text for a person or as one JSON document for scripts, from one
// snapshot of the running instance.
class ConnectionStatusReport {
public:
    // One line per configured connection: its name, what its engine is doing, how many files are queued and
    // uploading, and its last error.
    static QString text(const StatusSnapshot& snapshot);
    // The version, start and uptime of the process and, per connection, every value the snapshot holds;
    // times in UTC as ISO 8601, null when they never happened.
    static QByteArray json(const StatusSnapshot& snapshot);
};

} // namespace ondrix
