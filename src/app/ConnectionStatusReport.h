#pragma once

#include <QString>

namespace ondrix {

class ConnectionsManager;
class LogService;

// The text `ondrix --status` prints: one line per configured connection with its name, what its engine is
// doing (with the reasons of a pause), how many files are queued and uploading, and its last error (the
// engine's error, else the newest error line of the connection in the activity log).
class ConnectionStatusReport {
public:
    static QString text(const ConnectionsManager& manager, const LogService& log);
};

} // namespace ondrix
