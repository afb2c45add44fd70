#pragma once

#include <QFile>
#include <QString>

namespace ondrix::test {

// Fills the kernel's inotify event queue of a watcher that does not read (the queue holds
// fs.inotify.max_queued_events events): every change after that is dropped and an overflow is reported.
struct InotifyQueue {
    // Writes to two files in `folder` by turns (the kernel merges repeated identical events) until the queue
    // must be full. False when the limit cannot be read or the files cannot be written.
    static bool fill(const QString& folder)
    {
        QFile limit(QStringLiteral("/proc/sys/fs/inotify/max_queued_events"));
        const int events = limit.open(QIODevice::ReadOnly) ? limit.readAll().trimmed().toInt() : 0;
        QFile a(folder + QStringLiteral("/a.bin"));
        QFile b(folder + QStringLiteral("/b.bin"));
        if (events <= 0 || !a.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
            !b.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            return false;
        }
        for (int i = 0; i < events / 2 + 100; ++i) {
            a.write("x", 1);
            b.write("y", 1);
        }
        return true;
    }
};

} // namespace ondrix::test
