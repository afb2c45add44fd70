// The ondrix executable. With a display it is the tray application; a second start brings the running one
// forward. Runs headless (no tray, all engines, log lines on stderr) with --headless or when no display is
// available. --show, --pause, --resume, --upload-now and --status (--json) talk to the running instance and
// exit. Under systemd, log lines go to the journal with fields of their own; --metrics-file keeps a file for
// Prometheus.
// The desktop interface is a module loaded only for a desktop run; without it Ondrix runs headless.
#include "app/Application.h"
#include "app/ConnectionStatusReport.h"
#include "app/ConnectionsCommand.h"
#include "app/DesktopModule.h"
#include "app/InstanceLock.h"
#include "app/MainThreadBusyProbe.h"
#include "app/MetricsFile.h"
#include "app/RemoteControlClient.h"
#include "app/RemoteControlService.h"
#include "app/Translations.h"
#include "app/UnixSignalWatcher.h"
#include "model/AppSettings.h"
#include "model/PushConnection.h"
#include "platform/AppPaths.h"
#include "platform/QtKeychainSecretStore.h"
#include "platform/SystemdJournal.h"
#include "records/LogService.h"
#include "supervision/ConnectionsManager.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QTextStream>

#include <sys/prctl.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>

using namespace ondrix;

namespace {

bool hasArgument(int argc, char** argv, const char* name)
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], name) == 0) {
            return true;
        }
    }
    return false;
}

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Beside the store it guards, not in the runtime folder: two sessions with different runtime folders still
// share one store.
QString lockFilePath()
{
    QDir().mkpath(AppPaths::configDir());
    return AppPaths::instanceLockFile();
}

// Echoes activity-log entries to stderr, oldest first, with one write per batch. They come from the log's
// uncut feed: the observable list holds only the newest 100, and a burst (a folder of files queued at once)
// can add more in one turn.
void echoEntries(const QList<LogEntry>& entries)
{
    QByteArray text;
    // Formatting a date costs more than the rest of a line; lines of the same second share the text.
    qint64 stampSecond = std::numeric_limits<qint64>::min();
    QByteArray stamp;
    for (const LogEntry& entry : entries) {
        const qint64 second = entry.timestamp.toSecsSinceEpoch();
        if (second != stampSecond) {
            stampSecond = second;
            stamp = entry.timestamp.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1();
        }
        text += stamp + ' ' + fileLabel(entry.level).latin1() + ' ' + entry.message.toUtf8() + '\n';
    }
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    std::fflush(stderr);
}

int journalPriority(LogEntry::LogLevel level)
{
    switch (level) {
    case LogEntry::LogLevel::error:
        return 3;
    case LogEntry::LogLevel::warning:
        return 4;
    case LogEntry::LogLevel::success:
        return 5;
    case LogEntry::LogLevel::info:
        return 6;
    }
    return 6;
}

// Sends activity-log entries to the journal, each with its connection's name and file as fields of their own;
// a line the journal does not take goes to stderr instead.
void journalEntries(const QList<LogEntry>& entries, const QList<PushConnection>& connections)
{
    QHash<QUuid, QString> names;
    for (const PushConnection& connection : connections) {
        names.insert(connection.id, connection.name);
    }
    for (const LogEntry& entry : entries) {
        if (!SystemdJournal::send(
                {entry.message, journalPriority(entry.level), names.value(entry.connectionId), entry.file})) {
            echoEntries({entry});
        }
    }
}

// How many connections the run has, and where to learn how to add one when there are none.
QString startLine(const QList<PushConnection>& connections)
{
    if (connections.isEmpty()) {
        return QCoreApplication::translate(
            "main",
            "No connections are set up, so nothing is uploaded. The README (section \"The preferences "
            "database\") explains how to add one; `ondrix connections import FILE.json` adds them "
            "from a file.");
    }
    const auto enabled = std::count_if(connections.begin(), connections.end(),
                                       [](const PushConnection& connection) { return connection.isEnabled; });
    return QCoreApplication::translate("main", "Connections loaded: %1 (%2 enabled).")
        .arg(connections.size())
        .arg(enabled);
}

} // namespace

// `ondrix connections ...`: provisioning without the interface; it runs on the store of a stopped Ondrix.
static int runConnectionsCommand(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ondrix"));
    // A terminal command speaks the terminal's language.
    installTranslations(QStringLiteral("system"));
    InstanceLock lock(lockFilePath());
    QtKeychainSecretStore keyring(QDBusConnection::sessionBus());
    const ConnectionsCommand command(
        AppPaths::preferencesFile(),
        [&]() -> std::optional<QString> {
            if (lock.tryLock()) {
                return std::nullopt;
            }
            return QCoreApplication::translate("main", "Ondrix is running (process %1).")
                .arg(lock.ownerProcess());
        },
        &keyring);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return command.run(app.arguments().mid(2), out, err);
}

int main(int argc, char** argv)
{
#ifdef NDEBUG
    // Passwords are in this process's memory: no core dumps, and no other process of the user may attach.
    // Debug builds stay dumpable for debuggers.
    ::prctl(PR_SET_DUMPABLE, 0);
#endif
    if (argc > 1 && qstrcmp(argv[1], "connections") == 0) {
        return runConnectionsCommand(argc, argv);
    }
    // The application object decides the platform, so the mode is known before the options are parsed.
    const bool remoteCommand = hasArgument(argc, argv, "--show") || hasArgument(argc, argv, "--pause") ||
                               hasArgument(argc, argv, "--resume") ||
                               hasArgument(argc, argv, "--upload-now") || hasArgument(argc, argv, "--status");
    // A stop asked for while the interface loads and the store opens waits for the signal watcher, which
    // turns it into a clean stop (the remote controls keep the default: they end at once).
    if (!remoteCommand) {
        UnixSignalWatcher::holdBackTermination();
    }
    bool desktop = !hasArgument(argc, argv, "--headless") && !remoteCommand && hasDisplay();
    DesktopModule desktopModule;
    QString desktopProblem;
    if (desktop && !desktopModule.load(DesktopModule::defaultPath(), &desktopProblem)) {
        desktop = false;
    }
    std::unique_ptr<QCoreApplication> application = desktop
                                                        ? desktopModule.entry().makeApplication(argc, argv)
                                                        : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication& app = *application;
    // Made as soon as it can be; what it receives waits for the event loop, and the stop is connected below.
    std::unique_ptr<UnixSignalWatcher> signalWatcher;
    if (!remoteCommand) {
        signalWatcher = std::make_unique<UnixSignalWatcher>();
    }
    // Per-file diagnostics (tag writes, keyword injection) would drown the activity log on stderr; they stay
    // available through QT_LOGGING_RULES="ondrix.*.debug=true".
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES")) {
        QLoggingCategory::setFilterRules(QStringLiteral("ondrix.*.debug=false"));
    }
    QCoreApplication::setApplicationName(QStringLiteral("Ondrix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ONDRIX_VERSION));
    // Until the store is open (and for the commands that never open it: --help, the remote controls) the
    // texts follow the desktop's language; the running instance then switches to the stored one.
    installTranslations(QStringLiteral("system"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Keeps local folders pushed to FTP, FTPS and SFTP servers. Connections are set up in the "
                "settings window or in the preferences store (see the README)."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption headless(
        QStringLiteral("headless"),
        QCoreApplication::translate("main", "Run without a tray icon or windows."));
    parser.addOption(headless);
    const QCommandLineOption show(
        QStringLiteral("show"),
        QCoreApplication::translate("main", "Bring the running Ondrix forward (its popover or window)."));
    parser.addOption(show);
    // The remote controls of the running instance, each with the service method it calls.
    const QList<std::pair<QCommandLineOption, QString>> remoteControls{
        {show, QStringLiteral("Show")},
        {QCommandLineOption(
             QStringLiteral("pause"),
             QCoreApplication::translate("main", "Pause every connection of the running Ondrix.")),
         QStringLiteral("Pause")},
        {QCommandLineOption(
             QStringLiteral("resume"),
             QCoreApplication::translate("main", "Resume every connection of the running Ondrix.")),
         QStringLiteral("Resume")},
        {QCommandLineOption(QStringLiteral("upload-now"),
                            QCoreApplication::translate("main",
                                                        "Rescan every running connection now and retry "
                                                        "failed files at once.")),
         QStringLiteral("UploadNow")},
        {QCommandLineOption(QStringLiteral("status"),
                            QCoreApplication::translate("main", "Print one line per connection: name, state, "
                                                                "files queued and uploading, last error.")),
         QStringLiteral("Status")},
    };
    for (qsizetype i = 1; i < remoteControls.size(); ++i) {
        parser.addOption(remoteControls[i].first);
    }
    const QCommandLineOption json(
        QStringLiteral("json"),
        QCoreApplication::translate("main", "With --status: print the state as one JSON document: per "
                                            "connection its state, pause reasons, counts, last success "
                                            "and last error; the version and uptime."));
    parser.addOption(json);
    const QCommandLineOption metricsFile(
        QStringLiteral("metrics-file"),
        QCoreApplication::translate("main", "Keep Prometheus metrics in <file> (for node_exporter's textfile "
                                            "collector), written every 10 seconds and at stop."),
        QStringLiteral("file"));
    parser.addOption(metricsFile);
    parser.process(app);
    if (parser.isSet(json) && !parser.isSet(remoteControls.last().first)) {
        QTextStream(stderr) << QCoreApplication::translate("main", "--json goes with --status.") << '\n';
        return 2;
    }

    QTextStream err(stderr);
    for (const auto& [option, method] : remoteControls) {
        if (!parser.isSet(option)) {
            continue;
        }
        QString error;
        QString answer;
        const QString call = parser.isSet(json) ? QStringLiteral("StatusJson") : method;
        const RemoteControlClient::Outcome outcome =
            RemoteControlClient::send(QDBusConnection::sessionBus(), call, &error, &answer);
        if (outcome == RemoteControlClient::Outcome::done) {
            if (!answer.isEmpty()) {
                QTextStream(stdout) << answer << '\n';
            }
            return 0;
        }
        // A running Ondrix that refused the command says why itself; anything else did not reach it.
        err << (outcome == RemoteControlClient::Outcome::refused
                    ? error
                    : QCoreApplication::translate("main", "Cannot reach a running Ondrix: %1").arg(error))
            << '\n';
        return 1;
    }

    InstanceLock lock(lockFilePath());
    if (!lock.tryLock()) {
        QString showError;
        if (desktop && RemoteControlClient::send(QDBusConnection::sessionBus(), QStringLiteral("Show"),
                                                 &showError) == RemoteControlClient::Outcome::done) {
            // A second start from the launcher means "show me Ondrix".
            return 0;
        }
        err << QCoreApplication::translate("main",
                                           "Ondrix is already running for this user (process %1). Quit it "
                                           "first, or remove %2 if no Ondrix is running.")
                   .arg(lock.ownerProcess())
                   .arg(lock.fileName())
            << '\n';
        return 1;
    }
    QFile::setPermissions(lock.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    // The language setting applies from the next start: services, windows and log lines are built after it
    // is installed.
    Application ondrix([](const PreferencesStore& store) { installTranslations(startLanguage(store)); },
                       desktop);
    if (SystemdJournal::standardErrorIsJournal()) {
        QObject::connect(&ondrix.log(), &LogService::entriesAdded, &app, [&](const QList<LogEntry>& entries) {
            journalEntries(entries, ondrix.manager().connections());
        });
    } else {
        QObject::connect(&ondrix.log(), &LogService::entriesAdded, &app, &echoEntries);
    }
    if (!desktopProblem.isEmpty()) {
        ondrix.log().log(QCoreApplication::translate("main",
                                                     "The desktop interface cannot be loaded, so Ondrix "
                                                     "runs without a tray icon or windows: %1")
                             .arg(desktopProblem),
                         LogEntry::LogLevel::warning);
    }

    // Benchmarks ask for the longest stretch the main thread spent without waiting for events while running:
    // reported when a stop is requested (tearing down is not running), else at exit.
    std::unique_ptr<MainThreadBusyProbe> busyProbe;
    if (qEnvironmentVariableIsSet("ONDRIX_REPORT_MAIN_THREAD_BUSY")) {
        busyProbe = std::make_unique<MainThreadBusyProbe>();
    }
    const auto reportBusy = [&] {
        if (busyProbe) {
            err << "Main thread: longest busy " << QString::number(busyProbe->longestBusyMs(), 'f', 1)
                << " ms over " << busyProbe->wakeUps() << " wake-ups\n";
            err.flush();
            busyProbe.reset();
        }
    };

    if (!signalWatcher) {
        signalWatcher = std::make_unique<UnixSignalWatcher>();
    }
    QObject::connect(signalWatcher.get(), &UnixSignalWatcher::terminationRequested, &app,
                     [&](int signalNumber, int count) {
                         if (count > 1) {
                             err << QCoreApplication::translate("main", "Stopping at once.") << '\n';
                             err.flush();
                             std::_Exit(128 + signalNumber);
                         }
                         err << QCoreApplication::translate(
                                    "main", "Stopping: waiting for running uploads to finish (signal again "
                                            "to quit at once).")
                             << '\n';
                         err.flush();
                         reportBusy();
                         ondrix.stop();
                     });
    QObject::connect(&ondrix, &Application::transfersFinished, &app, [&] { QCoreApplication::exit(0); });

    std::unique_ptr<DesktopShell> shell;
    RemoteControlService::Handlers remoteHandlers;
    remoteHandlers.pause = [&] { ondrix.manager().pauseAll(); };
    remoteHandlers.resume = [&] { ondrix.manager().resumeAll(); };
    remoteHandlers.uploadNow = [&] { ondrix.manager().uploadNow(); };
    remoteHandlers.status = [&] { return ConnectionStatusReport::text(ondrix.statusSnapshot()); };
    remoteHandlers.statusJson = [&] {
        return QString::fromUtf8(ConnectionStatusReport::json(ondrix.statusSnapshot())).trimmed();
    };
    if (desktop) {
        shell = desktopModule.entry().makeShell(ondrix, [&] {
            reportBusy();
            ondrix.stop();
        });
        remoteHandlers.show = [&] { shell->showPopover(); };
    }
    RemoteControlService remoteControl(QDBusConnection::sessionBus(), remoteHandlers);
    QString remoteError;
    if (!remoteControl.registerOnBus(&remoteError)) {
        err << QCoreApplication::translate("main", "Remote control is not available: %1").arg(remoteError)
            << '\n';
        err.flush();
    }

    if (shell) {
        shell->start();
    } else {
        ondrix.start();
        err << startLine(ondrix.manager().connections()) << '\n';
        err.flush();
    }

    // The command line's file wins over the stored one; the stored one follows the setting while running.
    MetricsFile metrics([&] { return ondrix.statusSnapshot(); });
    QObject::connect(&metrics, &MetricsFile::problem, &app,
                     [&](const QString& problem) { ondrix.log().log(problem, LogEntry::LogLevel::error); });
    if (parser.isSet(metricsFile)) {
        metrics.setPath(QFileInfo(parser.value(metricsFile)).absoluteFilePath());
    } else {
        metrics.setPath(ondrix.settings().metricsFile());
        QObject::connect(&ondrix.settings(), &AppSettings::metricsFileChanged, &metrics,
                         &MetricsFile::setPath);
    }

    const int status = QCoreApplication::exec();
    metrics.write(false);
    // Lines logged in the last turn have not reached the echo yet.
    QCoreApplication::sendPostedEvents(&ondrix.log(), QEvent::MetaCall);
    reportBusy();
    return status;
}
