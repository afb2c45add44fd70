#pragma once

#include <QString>

namespace ondrix {

// The systemd journal as a destination for log lines with fields of their own (the connection, the file),
// so `journalctl ONDRIX_CONNECTION=Studio` finds a connection's lines.
class SystemdJournal {
public:
    struct Line {
        QString message;
        // syslog priority: 3 error, 4 warning, 5 notice, 6 info.
        int priority = 6;
        // Empty when the line is not about one.
        QString connection;
        QString file;
    };

    // Whether standard error is a stream to the journal: JOURNAL_STREAM names its device and inode, as
    // systemd sets it for a service (and not for a program whose stderr was redirected elsewhere).
    static bool standardErrorIsJournal();
    // False when the journal did not take the line.
    static bool send(const Line& line);
};

} // namespace ondrix
