#pragma once

#include <QProcess>
#include <QString>

namespace ondrix::test {

// A tmpfs of the given size (it takes memory only for what is written), mounted while the object lives.
// Mounting needs root; `mounted` says whether it worked.
struct SmallVolume {
    SmallVolume(const QString& mountPoint, const QString& size)
        : path(mountPoint)
    {
        mounted =
            QProcess::execute(QStringLiteral("mount"),
                              QStringLiteral("-t tmpfs -o size=%1 tmpfs").arg(size).split(u' ') << path) == 0;
    }
    ~SmallVolume()
    {
        if (mounted) {
            QProcess::execute(QStringLiteral("umount"), {path});
        }
    }
    SmallVolume(const SmallVolume&) = delete;
    SmallVolume& operator=(const SmallVolume&) = delete;

    QString path;
    bool mounted = false;
};

} // namespace ondrix::test
