#include "app/ConnectionsCommand.h"

#include "model/PushConnection.h"
#include "model/UuidText.h"
#include "platform/PreferencesStore.h"
#include "supervision/ConnectionSecrets.h"
#include "supervision/ConnectionsManager.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ondrix {

namespace {

QList<PushConnection> storedConnections(const PreferencesStore& store, QString* error)
{
    const QByteArray data = store.dataValue(ConnectionsManager::kConnectionsKey);
    if (data.isEmpty()) {
        return {};
    }
    return PushConnection::decodeList(data, error).value_or(QList<PushConnection>{});
}

// Lets the keyring answer what the secrets owner asked it, for at most half a minute.
void settle(const ConnectionSecrets& secrets)
{
    const QDeadlineTimer deadline(30000);
    while (secrets.isBusy() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
}

// Creates (or truncates) `path` readable by its owner only, whatever the umask, and writes `data` into it.
QString writePrivateFile(const QString& path, const QByteArray& data)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return QString::fromLocal8Bit(strerror(errno));
    }
    QString problem;
    if (::fchmod(fd, 0600) != 0) {
        problem = QString::fromLocal8Bit(strerror(errno));
    }
    for (qsizetype written = 0; problem.isEmpty() && written < data.size();) {
        const ssize_t n = ::write(fd, data.constData() + written, size_t(data.size() - written));
        if (n < 0 && errno != EINTR) {
            problem = QString::fromLocal8Bit(strerror(errno));
        }
        written += std::max<ssize_t>(n, 0);
    }
    if (::close(fd) != 0 && problem.isEmpty()) {
        problem = QString::fromLocal8Bit(strerror(errno));
    }
    return problem;
}

// Where the JSON in `data` nests deeper than `limit`: the connection's number (from 1) and the key of the
// connection it is under; nothing when it does not.
std::optional<std::pair<int, QString>> tooDeep(const QByteArray& data, int limit)
{
    int depth = 0;
    int connection = 0;
    QString key;
    bool inString = false;
    qsizetype stringStart = 0;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const char c = data[i];
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
                // A string at depth 2 followed by ':' is a key of a connection.
                qsizetype next = i + 1;
                while (next < data.size() && QChar::isSpace(uchar(data[next]))) {
                    ++next;
                }
                if (depth == 2 && next < data.size() && data[next] == ':') {
                    key = QString::fromUtf8(data.mid(stringStart, i - stringStart));
                }
            }
            continue;
        }
        if (c == '"') {
            inString = true;
            stringStart = i + 1;
        } else if (c == '[' || c == '{') {
            if (++depth == 2) {
                ++connection;
                key.clear();
            }
            if (depth > limit) {
                return std::pair{connection, key};
            }
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return std::nullopt;
}

bool writableByOthers(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 &&
           ((info.st_mode & S_IWOTH) != 0 || (info.st_uid != ::getuid() && info.st_uid != 0));
}

} // namespace

ConnectionsCommand::ConnectionsCommand(QString storePath, InstanceLock lock, SecretStore* keyring,
                                       std::function<bool()> outputIsTerminal)
    : m_storePath(std::move(storePath))
    , m_lock(std::move(lock))
    , m_keyring(keyring)
    , m_outputIsTerminal(outputIsTerminal ? std::move(outputIsTerminal)
                                          : [] { return ::isatty(STDOUT_FILENO) == 1; })
{}

QString ConnectionsCommand::usage()
{
    return tr("Usage: ondrix connections list\n"
              "       ondrix connections export [--with-passwords] [--output connections.json]\n"
              "       ondrix connections import [--yes] connections.json");
}

QString ConnectionsCommand::importProblem(const PushConnection& c)
{
    const auto keyed = [](const char* key, const QString& why) {
        return tr("key \"%1\": %2").arg(QLatin1String(key), why);
    };
    const QString host = c.host.trimmed();
    if (host.isEmpty()) {
        return keyed("host", tr("no host"));
    }
    if (host.contains(QLatin1String("://"))) {
        return keyed("host", tr("\"%1\" holds a scheme; give the host name alone").arg(host));
    }
    if (host.contains(u'/') || host.contains(u'@') || host.contains(u'?') || host.contains(u'#') ||
        std::any_of(host.cbegin(), host.cend(),
                    [](QChar ch) { return ch.isSpace() || ch.unicode() < 0x20; })) {
        return keyed("host",
                     tr("\"%1\" holds a path, credentials or spaces; give the host name alone").arg(host));
    }
    if (c.port < 1 || c.port > 65535) {
        return keyed("port", tr("%1 is not a port (1 to 65535)").arg(c.port));
    }
    if (!QFileInfo(c.localFolder).isDir()) {
        return keyed("localFolder", tr("the folder \"%1\" does not exist").arg(c.localFolder));
    }
    if (c.postUploadAction.kind() == PostUploadAction::Kind::runScript) {
        const QString script = c.postUploadAction.path();
        const QFileInfo info(script);
        if (!info.isFile() || !info.isExecutable()) {
            return keyed("postUploadAction", tr("\"%1\" is not an executable file").arg(script));
        }
        if (writableByOthers(script)) {
            return keyed(
                "postUploadAction",
                tr("\"%1\" can be changed by other users; make it writable by you only").arg(script));
        }
    }
    return QString();
}

int ConnectionsCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err) const
{
    const QString verb = arguments.value(0);
    bool withPasswords = false;
    bool confirmed = false;
    QString outputFile;
    QStringList files;
    bool known =
        verb == QLatin1String("list") || verb == QLatin1String("export") || verb == QLatin1String("import");
    for (qsizetype i = 1; known && i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (verb == QLatin1String("export") && argument == QLatin1String("--with-passwords")) {
            withPasswords = true;
        } else if (verb == QLatin1String("export") && argument == QLatin1String("--output") &&
                   i + 1 < arguments.size() && outputFile.isEmpty()) {
            outputFile = arguments[++i];
        } else if (verb == QLatin1String("import") && argument == QLatin1String("--yes")) {
            confirmed = true;
        } else if (verb == QLatin1String("import") && !argument.startsWith(QLatin1String("--"))) {
            files.append(argument);
        } else {
            known = false;
        }
    }
    if (verb == QLatin1String("import") && files.size() != 1) {
        known = false;
    }
    if (!known) {
        err << usage() << '\n';
        return 2;
    }
    // A running Ondrix keeps its own copy of the list and would write it back over an import; reading while
    // it runs is refused too, so what is listed is what a start would load.
    if (const std::optional<QString> holder = m_lock()) {
        err << *holder << '\n'
            << tr("Quit Ondrix first, or change the connections in its settings window.") << '\n';
        return 1;
    }
    if (verb == QLatin1String("list")) {
        return list(out);
    }
    if (verb == QLatin1String("export")) {
        return exportList(withPasswords, outputFile, out, err);
    }
    return importFile(files.first(), confirmed, out, err);
}

int ConnectionsCommand::list(QTextStream& out) const
{
    PreferencesStore store(m_storePath);
    QString error;
    const QList<PushConnection> connections = storedConnections(store, &error);
    if (!error.isEmpty()) {
        out << tr("The stored connection list cannot be read: %1").arg(error) << '\n';
        return 1;
    }
    if (connections.isEmpty()) {
        out << tr("No connections.") << '\n';
    }
    for (const PushConnection& c : connections) {
        out << uuidText(c.id) << '\t' << c.name << '\t' << (c.isEnabled ? tr("on") : tr("off")) << '\t'
            << rawValue(c.transferProtocol).toLower() << "://" << c.username << '@' << c.host << ':' << c.port
            << c.remoteFolder << '\t' << c.localFolder << '\n';
    }
    return 0;
}

int ConnectionsCommand::exportList(bool withPasswords, const QString& outputFile, QTextStream& out,
                                   QTextStream& err) const
{
    if (withPasswords && outputFile.isEmpty() && m_outputIsTerminal()) {
        err << tr("Passwords are not printed to a terminal. Write them to a file only you can read instead:\n"
                  "    ondrix connections export --with-passwords --output connections.json")
            << '\n';
        return 1;
    }
    PreferencesStore store(m_storePath);
    QString error;
    QList<PushConnection> connections = storedConnections(store, &error);
    if (!error.isEmpty()) {
        err << tr("The stored connection list cannot be read: %1").arg(error) << '\n';
        return 1;
    }
    if (withPasswords) {
        ConnectionSecrets secrets(m_keyring, &store, nullptr, qEnvironmentVariable("CREDENTIALS_DIRECTORY"),
                                  false);
        secrets.load(connections);
        settle(secrets);
        for (PushConnection& connection : connections) {
            const std::optional<QString> password = secrets.password(connection.id);
            if (!password) {
                err << tr("The password of \"%1\" cannot be read (%2); nothing was exported.")
                           .arg(connection.name, secrets.problem(connection.id))
                    << '\n';
                return 1;
            }
            connection.password = *password;
        }
    } else {
        for (PushConnection& connection : connections) {
            connection.password.clear();
        }
    }
    const QByteArray data = PushConnection::encodeList(connections) + '\n';
    if (outputFile.isEmpty()) {
        out << QString::fromUtf8(data);
        return 0;
    }
    if (const QString problem = writePrivateFile(outputFile, data); !problem.isEmpty()) {
        err << tr("%1 cannot be written: %2").arg(outputFile, problem) << '\n';
        return 1;
    }
    return 0;
}

int ConnectionsCommand::importFile(const QString& file, bool confirmed, QTextStream& out,
                                   QTextStream& err) const
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        err << tr("%1 cannot be read: %2").arg(file, input.errorString()) << '\n';
        return 1;
    }
    const auto refuse = [&](const QString& why) {
        err << tr("%1 was not imported, nothing changed: %2").arg(file, why) << '\n';
        return 1;
    };
    if (input.size() > kMaxImportBytes) {
        return refuse(tr("it is larger than a connection list can be (%1 bytes, at most %2)")
                          .arg(input.size())
                          .arg(kMaxImportBytes));
    }
    const QByteArray data = input.read(kMaxImportBytes + 1);
    if (const auto deep = tooDeep(data, kMaxImportDepth)) {
        return refuse(tr("connection %1, key \"%2\": nested deeper than a connection list is")
                          .arg(deep->first)
                          .arg(deep->second));
    }
    QString error;
    const std::optional<QList<PushConnection>> imported = PushConnection::decodeList(data, &error);
    if (!imported) {
        return refuse(error);
    }
    bool dangerous = false;
    for (qsizetype i = 0; i < imported->size(); ++i) {
        const PushConnection& c = imported->at(i);
        if (const QString problem = importProblem(c); !problem.isEmpty()) {
            return refuse(tr("connection %1 (\"%2\"), %3").arg(i + 1).arg(c.name, problem));
        }
        QStringList line{c.name, rawValue(c.transferProtocol).toLower(), c.host, c.localFolder};
        switch (c.postUploadAction.kind()) {
        case PostUploadAction::Kind::none:
            line.append(tr("nothing after upload"));
            break;
        case PostUploadAction::Kind::moveToArchive:
            line.append(tr("moves files to %1").arg(c.postUploadAction.path()));
            break;
        case PostUploadAction::Kind::runScript:
            line.append(tr("runs %1").arg(c.postUploadAction.path()));
            dangerous = true;
            break;
        }
        if (c.deleteLocalAfterUpload) {
            line.append(tr("deletes local files"));
            dangerous = true;
        }
        out << line.join(QLatin1Char('\t')) << '\n';
    }
    if (dangerous && !confirmed) {
        return refuse(tr("some connections delete local files or run a script; check the lines above and "
                         "import again with --yes"));
    }
    PreferencesStore store(m_storePath);
    QString storedError;
    QList<PushConnection> connections = storedConnections(store, &storedError);
    if (!storedError.isEmpty()) {
        err << tr("The stored connection list cannot be read (%1); nothing changed.").arg(storedError)
            << '\n';
        return 1;
    }
    ConnectionSecrets secrets(m_keyring, &store, nullptr, QString(), false);
    secrets.load(connections);
    settle(secrets);
    for (PushConnection& connection : connections) {
        connection.password = secrets.password(connection.id).value_or(QString());
    }
    int replaced = 0;
    for (PushConnection connection : *imported) {
        const auto same = std::find_if(connections.begin(), connections.end(),
                                       [&](const PushConnection& c) { return c.id == connection.id; });
        if (same != connections.end()) {
            // A list exported without passwords does not wipe the ones kept so far.
            if (connection.password.isEmpty()) {
                connection.password = same->password;
            }
            secrets.update(connection, &*same);
            *same = connection;
            ++replaced;
        } else {
            secrets.update(connection, nullptr);
            connections.append(connection);
        }
    }
    settle(secrets);
    if (const QStringList unsaved = secrets.unsavedPasswords(); !unsaved.isEmpty()) {
        err << tr("The keyring did not take the passwords of %1 (%2); nothing changed.")
                   .arg(unsaved.join(QStringLiteral(", ")), secrets.keyringProblem())
            << '\n';
        return 1;
    }
    for (PushConnection& connection : connections) {
        connection.password = secrets.storedPassword(connection);
    }
    store.setData(ConnectionsManager::kConnectionsKey, PushConnection::encodeList(connections));
    out << tr("Imported %n connections", nullptr, int(imported->size()))
        << tr(" (%n replaced).", nullptr, replaced) << '\n';
    return 0;
}

} // namespace ondrix
