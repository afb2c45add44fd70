#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace ondrix {

// Trust on first use for SFTP host keys, in an OpenSSH-format known_hosts file of our own: the first key a
// host presents is written down as "[host]:port type base64key" (plain "host" for port 22, as OpenSSH does),
// later connections must present the same key, and a changed key is refused. Stands in for checking against
// "/dev/null", which libssh2 treats as "no host is known" and so refuses every server. Thread-safe: all
// threads of the process check and append under one lock, so two first connections add one line.
class SshKnownHosts {
public:
    enum class Verdict {
        trusted,
        added,
        changed,
        // The file is there but cannot be read, or a new key cannot be written down: nothing is trusted, or
        // every key would be accepted for ever.
        unusable,
    };

    // "$XDG_DATA_HOME/Ondrix/known_hosts".
    static QString defaultPath();

    // How `host` (a name or address, surrounding brackets allowed) and `port` appear in the file.
    static QString hostPattern(const QString& host, qint64 port);

    // Checks `keyBlob` (the server's public key in SSH wire form) against `file`; an unknown host's key is
    // appended. Lines for other hosts, comments, markers and hashed names of other hosts are left alone.
    static Verdict check(const QString& file, const QString& host, qint64 port, const QByteArray& keyBlob);

    // What the user reads when the key of host:port no longer matches the one trusted in `file`.
    static QString changedKeyMessage(const QString& file, const QString& host, qint64 port);
    // What the user reads when `file` cannot be used.
    static QString unusableFileMessage(const QString& file);
    // "SHA256:" and the unpadded base64 of the key's SHA-256, as ssh-keygen -l shows it.
    static QString fingerprint(const QByteArray& keyBlob);

    // Where a newly trusted key is said, in words for the activity log (once per host and key, when it is
    // written down). Any thread may call it; an empty function stops it.
    static void setNoticeReporter(std::function<void(const QString&)> reporter);
};

// One SFTP operation's host-key check, handed to libcurl as CURLOPT_SSH_HOSTKEYDATA with hostKeyCallback()
// as CURLOPT_SSH_HOSTKEYFUNCTION. Remembers whether it refused a changed key, so the operation can report
// that instead of libcurl's generic verification error.
struct SshHostKeyCheck {
    QString file;
    QString host;
    qint64 port = 0;
    bool refusedChangedKey = false;
    bool refusedUnusableFile = false;

    static int hostKeyCallback(void* check, int keyType, const char* key, size_t keyLength);
};

} // namespace ondrix
