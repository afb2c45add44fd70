#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QTextStream;

namespace ondrix {

// `ondrix connections list | export [--with-passwords] | import FILE.json`: provisioning of the connection
// list without the interface, on the store of a stopped Ondrix. Import replaces connections with the same
// id and adds the others; a file that does not decode changes nothing and the error names the entry and the
// key. Export leaves passwords out unless asked for.
class ConnectionsCommand {
    Q_DECLARE_TR_FUNCTIONS(ConnectionsCommand)

public:
    // Tries to take the single-instance lock: nothing when taken, else a sentence saying who holds it.
    using InstanceLock = std::function<std::optional<QString>()>;

    ConnectionsCommand(QString storePath, InstanceLock lock);

    // Runs one command (`arguments` follow the word "connections") and returns the process exit status.
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) const;

    static QString usage();

private:
    int list(QTextStream& out) const;
    int exportList(bool withPasswords, QTextStream& out) const;
    int importFile(const QString& file, QTextStream& out, QTextStream& err) const;

    QString m_storePath;
    InstanceLock m_lock;
};

} // namespace ondrix
