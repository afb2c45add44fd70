#include "app/ConnectionsCommand.h"

#include "model/PushConnection.h"
#include "platform/PreferencesStore.h"
#include "supervision/ConnectionsManager.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

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

} // namespace

ConnectionsCommand::ConnectionsCommand(QString storePath, InstanceLock lock)
    : m_storePath(std::move(storePath))
    , m_lock(std::move(lock))
{}

QString ConnectionsCommand::usage()
{
    return tr("Usage: ondrix connections list\n"
              "       ondrix connections export [--with-passwords] > connections.json\n"
              "       ondrix connections import connections.json");
}

int ConnectionsCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err) const
{
    const QString verb = arguments.value(0);
    const bool known = (verb == QLatin1String("list") && arguments.size() == 1) ||
                       (verb == QLatin1String("export") &&
                        (arguments.size() == 1 ||
                         (arguments.size() == 2 && arguments[1] == QLatin1String("--with-passwords")))) ||
                       (verb == QLatin1String("import") && arguments.size() == 2);
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
        return exportList(arguments.size() == 2, out);
    }
    return importFile(arguments[1], out, err);
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
        out << c.id.toString(QUuid::WithoutBraces).toUpper() << '\t' << c.name << '\t'
            << (c.isEnabled ? tr("on") : tr("off")) << '\t' << rawValue(c.transferProtocol).toLower() << "://"
            << c.username << '@' << c.host << ':' << c.port << c.remoteFolder << '\t' << c.localFolder
            << '\n';
    }
    return 0;
}

int ConnectionsCommand::exportList(bool withPasswords, QTextStream& out) const
{
    PreferencesStore store(m_storePath);
    QString error;
    QList<PushConnection> connections = storedConnections(store, &error);
    if (!error.isEmpty()) {
        out << tr("The stored connection list cannot be read: %1").arg(error) << '\n';
        return 1;
    }
    if (!withPasswords) {
        for (PushConnection& connection : connections) {
            connection.password.clear();
        }
    }
    out << QString::fromUtf8(PushConnection::encodeList(connections)) << '\n';
    return 0;
}

int ConnectionsCommand::importFile(const QString& file, QTextStream& out, QTextStream& err) const
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        err << tr("%1 cannot be read: %2").arg(file, input.errorString()) << '\n';
        return 1;
    }
    QString error;
    const std::optional<QList<PushConnection>> imported = PushConnection::decodeList(input.readAll(), &error);
    if (!imported) {
        err << tr("%1 was not imported, nothing changed: %2").arg(file, error) << '\n';
        return 1;
    }
    PreferencesStore store(m_storePath);
    QString storedError;
    QList<PushConnection> connections = storedConnections(store, &storedError);
    if (!storedError.isEmpty()) {
        err << tr("The stored connection list cannot be read (%1); nothing changed.").arg(storedError)
            << '\n';
        return 1;
    }
    int replaced = 0;
    for (const PushConnection& connection : *imported) {
        const auto same = std::find_if(connections.begin(), connections.end(),
                                       [&](const PushConnection& c) { return c.id == connection.id; });
        if (same != connections.end()) {
            *same = connection;
            ++replaced;
        } else {
            connections.append(connection);
        }
    }
    store.setData(ConnectionsManager::kConnectionsKey, PushConnection::encodeList(connections));
    out << tr("Imported %n connections", nullptr, int(imported->size()))
        << tr(" (%n replaced).", nullptr, replaced) << '\n';
    return 0;
}

} // namespace ondrix
