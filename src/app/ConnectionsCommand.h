#pragma once

#include "model/PushConnection.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QTextStream;

namespace ondrix {

class SecretStore;

// `ondrix connections list | export [--with-passwords] [--output FILE] | import [--yes] FILE.json`:
// provisioning of the connection list without the interface, on the store of a stopped Ondrix.
//
// Export leaves passwords out unless asked for; then it reads them from wherever they live (keyring,
// store), refuses to print them to a terminal, and --output creates the file with mode 0600 whatever the
// umask. Import replaces connections with the same id (keeping their password when the file has none) and
// adds the others, after checks beyond the types (host, port, local folder, script); a file that fails any
// check changes nothing and the error names the connection and the key. It prints one line per connection
// before it commits, needs --yes when one deletes local files or runs a script, and hands the passwords in
// the file to the keyring.
class ConnectionsCommand {
    Q_DECLARE_TR_FUNCTIONS(ConnectionsCommand)

public:
    // Tries to take the single-instance lock: nothing when taken, else a sentence saying who holds it.
    using InstanceLock = std::function<std::optional<QString>()>;
    // Larger import files are refused before they are read.
    static constexpr qint64 kMaxImportBytes = 4 * 1024 * 1024;
    // Deeper JSON than a connection list ever needs is refused before it is decoded.
    static constexpr int kMaxImportDepth = 8;

    // `keyring` may be null: passwords are then kept in the store. `outputIsTerminal` says whether standard
    // output is a terminal.
    ConnectionsCommand(QString storePath, InstanceLock lock, SecretStore* keyring = nullptr,
                       std::function<bool()> outputIsTerminal = {});

    // Runs one command (`arguments` follow the word "connections") and returns the process exit status.
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) const;

    static QString usage();
    // Why an imported connection cannot be used as it is ("key \"port\": ..."); empty when it can.
    static QString importProblem(const PushConnection& connection);

private:
    int list(QTextStream& out) const;
    int exportList(bool withPasswords, const QString& outputFile, QTextStream& out, QTextStream& err) const;
    int importFile(const QString& file, bool confirmed, QTextStream& out, QTextStream& err) const;

    QString m_storePath;
    InstanceLock m_lock;
    SecretStore* m_keyring;
    std::function<bool()> m_outputIsTerminal;
};

} // namespace ondrix
