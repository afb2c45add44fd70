#include "transfer/SshKnownHosts.h"

#include "platform/FileName.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMessageAuthenticationCode>
#include <QStandardPaths>

#include <curl/curl.h>

#include <mutex>

namespace ondrix {

Q_LOGGING_CATEGORY(lcKnownHosts, "ondrix.transfer.knownhosts")

namespace {

std::mutex& fileLock()
{
    static std::mutex lock;
    return lock;
}

std::mutex noticeLock;
std::function<void(const QString&)> noticeReporter;

// The algorithm name at the start of an SSH public key blob (uint32 length, then the name).
QByteArray keyTypeOf(const QByteArray& blob)
{
    if (blob.size() < 4) {
        return {};
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(blob.constData());
    const quint32 length =
        (quint32(bytes[0]) << 24) | (quint32(bytes[1]) << 16) | (quint32(bytes[2]) << 8) | quint32(bytes[3]);
    if (length == 0 || length > quint32(blob.size() - 4)) {
        return {};
    }
    return blob.mid(4, qsizetype(length));
}

// One host field entry: a plain name (compared without case) or OpenSSH's hashed form "|1|salt|hmac".
bool hostEntryMatches(const QByteArray& entry, const QByteArray& pattern)
{
    if (entry.startsWith("|1|")) {
        const QList<QByteArray> parts = entry.mid(3).split('|');
        if (parts.size() != 2) {
            return false;
        }
        const QByteArray salt = QByteArray::fromBase64(parts.at(0));
        return QMessageAuthenticationCode::hash(pattern, salt, QCryptographicHash::Sha1) ==
               QByteArray::fromBase64(parts.at(1));
    }
    return entry.compare(pattern, Qt::CaseInsensitive) == 0;
}

} // namespace

QString SshKnownHosts::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Ondrix/known_hosts");
}

QString SshKnownHosts::hostPattern(const QString& host, qint64 port)
{
    QString name = host.trimmed();
    if (name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']'))) {
        name = name.mid(1, name.size() - 2);
    }
    if (port == 22) {
        return name;
    }
    return QLatin1Char('[') + name + QStringLiteral("]:") + QString::number(port);
}

SshKnownHosts::Verdict SshKnownHosts::check(const QString& file, const QString& host, qint64 port,
                                            const QByteArray& keyBlob)
{
    const QByteArray pattern = hostPattern(host, port).toUtf8();
    const QByteArray type = keyTypeOf(keyBlob);
    const QByteArray key = keyBlob.toBase64();

    const std::lock_guard guard(fileLock());
    QFile known(file);
    bool hostKnown = false;
    bool endsWithNewline = true;
    if (!known.open(QIODevice::ReadOnly) && FileName::exists(file)) {
        // Read as empty, every key would be new and taken on trust.
        qCWarning(lcKnownHosts, "[SshKnownHosts] cannot read %s: %s", qUtf8Printable(file),
                  qUtf8Printable(known.errorString()));
        return Verdict::unusable;
    }
    if (known.isOpen()) {
        const QByteArray contents = known.readAll();
        endsWithNewline = contents.isEmpty() || contents.endsWith('\n');
        for (const QByteArray& rawLine : contents.split('\n')) {
            const QList<QByteArray> fields = rawLine.simplified().split(' ');
            if (fields.size() < 3 || fields.at(0).startsWith('#') || fields.at(0).startsWith('@')) {
                continue;
            }
            bool forHost = false;
            for (const QByteArray& entry : fields.at(0).split(',')) {
                forHost = forHost || hostEntryMatches(entry, pattern);
            }
            if (!forHost) {
                continue;
            }
            if (fields.at(1) == type && fields.at(2) == key) {
                return Verdict::trusted;
            }
            hostKnown = true;
        }
        known.close();
    }
    if (hostKnown) {
        return Verdict::changed;
    }

    QDir().mkpath(QFileInfo(file).absolutePath());
    // Owner-only like every file of ours: which servers the user trusts is nobody else's business. A file
    // an older version left readable by others is tightened on the next write.
    constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    // A key that cannot be written down would be taken on trust again at every connection, whatever it is.
    if (!known.open(QIODevice::WriteOnly | QIODevice::Append, kOwnerOnly)) {
        qCWarning(lcKnownHosts, "[SshKnownHosts] cannot write %s: %s", qUtf8Printable(file),
                  qUtf8Printable(known.errorString()));
        return Verdict::unusable;
    }
    known.setPermissions(kOwnerOnly);
    const QByteArray line =
        (endsWithNewline ? QByteArray() : QByteArray("\n")) + pattern + ' ' + type + ' ' + key + '\n';
    if (known.write(line) != line.size() || !known.flush()) {
        return Verdict::unusable;
    }
    const std::lock_guard noticeGuard(noticeLock);
    if (noticeReporter) {
        noticeReporter(
            QCoreApplication::translate("SshKnownHosts",
                                        "Trusted the SSH host key of %1 on first use: %2 %3. If this "
                                        "is not the server's key, remove its line from %4.")
                .arg(QString::fromUtf8(pattern), QString::fromLatin1(type), fingerprint(keyBlob), file));
    }
    return Verdict::added;
}

QString SshKnownHosts::changedKeyMessage(const QString& file, const QString& host, qint64 port)
{
    const QString pattern = hostPattern(host, port);
    return QCoreApplication::translate(
               "SshKnownHosts",
               "The server's host key changed: %1 no longer presents the key trusted in %2. The server may "
               "have "
               "been reinstalled, or someone may be intercepting the connection. If you expect the change, "
               "remove the line for %1 from that file (ssh-keygen -R \"%1\" -f \"%2\") and connect again.")
        .arg(pattern, file);
}

QString SshKnownHosts::unusableFileMessage(const QString& file)
{
    return QCoreApplication::translate(
               "SshKnownHosts", "The file of trusted SSH host keys %1 cannot be read or written, so no "
                                "server key can be checked; make it readable and writable by you (or "
                                "remove it) and connect again.")
        .arg(file);
}

QString SshKnownHosts::fingerprint(const QByteArray& keyBlob)
{
    QByteArray digest = QCryptographicHash::hash(keyBlob, QCryptographicHash::Sha256).toBase64();
    while (digest.endsWith('=')) {
        digest.chop(1);
    }
    return QStringLiteral("SHA256:") + QString::fromLatin1(digest);
}

void SshKnownHosts::setNoticeReporter(std::function<void(const QString&)> reporter)
{
    const std::lock_guard guard(noticeLock);
    noticeReporter = std::move(reporter);
}

int SshHostKeyCheck::hostKeyCallback(void* check, int, const char* key, size_t keyLength)
{
    auto* self = static_cast<SshHostKeyCheck*>(check);
    if (self == nullptr || key == nullptr) {
        return CURLKHMATCH_MISMATCH;
    }
    const QByteArray blob(key, qsizetype(keyLength));
    switch (SshKnownHosts::check(self->file, self->host, self->port, blob)) {
    case SshKnownHosts::Verdict::trusted:
        return CURLKHMATCH_OK;
    case SshKnownHosts::Verdict::added:
        qCInfo(lcKnownHosts, "[SshKnownHosts] trusting the host key of %s on first use",
               qUtf8Printable(SshKnownHosts::hostPattern(self->host, self->port)));
        return CURLKHMATCH_OK;
    case SshKnownHosts::Verdict::changed:
        self->refusedChangedKey = true;
        return CURLKHMATCH_MISMATCH;
    case SshKnownHosts::Verdict::unusable:
        self->refusedUnusableFile = true;
        return CURLKHMATCH_MISMATCH;
    }
    return CURLKHMATCH_MISMATCH;
}

} // namespace ondrix
