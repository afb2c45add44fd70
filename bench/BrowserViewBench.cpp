// How long the window's thread is kept busy when the Browser tab shows a big remote folder: the listing of
// N entries arriving and filling the table, sorting it by each column, selecting all of it, and refreshing it
// in place, against the loopback servers (pyftpdlib FTP, paramiko SFTP and OpenSSH's sshd when installed).
// Each step runs the way a person causes it, from the event loop; the figure is the longest stretch the
// event loop went without waiting for events during the step (what a person feels as a frozen window), and
// the whole step's time.
//
//   BrowserViewBench [--entries N]
#include "app/MainThreadBusyProbe.h"
#include "platform/PreferencesStore.h"
#include "support/FtpTestServer.h"
#include "support/SftpTestServer.h"
#include "support/SshdTestServer.h"
#include "support/TestEnvironment.h"
#include "ui/browser/BrowserFolderView.h"
#include "ui/browser/RemoteItemModel.h"
#include "ui/browser/RemoteListingLoader.h"
#include "ui/common/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QThreadPool>
#include <QTimer>
#include <QTreeView>

#include <cstdio>
#include <cstring>

using namespace ondrix;
using ondrix::test::FtpTestServer;
using ondrix::test::SftpTestServer;
using ondrix::test::SshdTestServer;
using ondrix::test::TestEnvironment;

namespace {

class NoDialogs final : public Dialogs {
public:
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return {}; }
    QString chooseOpenFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString chooseSaveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    bool confirm(QWidget*, const Confirmation&) override { return false; }
    void inform(QWidget*, const QString&, const QString&) override {}
};

void populate(const QString& folder, int entries)
{
    QDir().mkpath(folder);
    for (int i = 0; i < entries; ++i) {
        if (i % 20 == 0) {
            QDir().mkpath(QStringLiteral("%1/Folder %2").arg(folder).arg(i));
            continue;
        }
        QFile file(QStringLiteral("%1/IMG_%2 final.%3")
                       .arg(folder)
                       .arg(i, 6, 10, QLatin1Char('0'))
                       .arg(i % 3 == 0 ? "jpg" : (i % 3 == 1 ? "png" : "txt")));
        if (!file.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            std::exit(1);
        }
        file.write(QByteArray(i % 1000, 'x'));
    }
}

// Runs `step` from the event loop and waits until `done` holds; prints the longest busy stretch and the
// step's time.
void measure(const char* label, const char* name, const std::function<void()>& step,
             const std::function<bool()>& done)
{
    QElapsedTimer timer;
    QEventLoop loop;
    bool started = false;
    // Checks for the end between events, so the loop waits (and the probe sees it wait) in between.
    QTimer check;
    check.setInterval(5);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (started && done()) {
            // Once more through a wait, so the probe closes the stretch the step ended in.
            check.stop();
            QTimer::singleShot(1, &loop, &QEventLoop::quit);
        } else if (timer.elapsed() > 120000) {
            std::fprintf(stderr, "%s: %s did not finish\n", label, name);
            std::exit(1);
        }
    });
    MainThreadBusyProbe probe;
    timer.start();
    check.start();
    QTimer::singleShot(0, &loop, [&] {
        step();
        started = true;
    });
    loop.exec();
    std::printf("%-8s %-20s longest main-thread stretch %6.1f ms (%lld wake-ups), step %6.0f ms\n", label,
                name, probe.longestBusyMs(), static_cast<long long>(probe.wakeUps()),
                timer.nsecsElapsed() / 1e6);
}

void run(const char* label, const PushConnection& connection, const QString& folder, int entries,
         QThreadPool& pool, PreferencesStore& store)
{
    NoDialogs dialogs;
    BrowserFolderView view(connection, pool, store, dialogs, nullptr);
    view.resize(800, 600);
    view.show();
    const auto listed = [&view] { return view.isShowingListing() && !view.loader()->isLoading(); };
    measure(
        label, "first listing of /", [] {}, listed);

    measure(
        label, qPrintable(QStringLiteral("open %1 entries").arg(entries)), [&] { view.navigateInto(folder); },
        listed);
    if (view.listingModel()->rowCount() != entries) {
        std::fprintf(stderr, "%s: %d rows shown, %d expected\n", label, view.listingModel()->rowCount(),
                     entries);
        std::exit(1);
    }
    bool sorted = false;
    const auto sortBy = [&](int column, Qt::SortOrder order) {
        return [&, column, order] {
            view.table()->sortByColumn(column, order);
            sorted = true;
        };
    };
    measure(label, "sort by name, down", sortBy(RemoteItemModel::NameColumn, Qt::DescendingOrder),
            [&] { return std::exchange(sorted, false); });
    measure(label, "sort by size", sortBy(RemoteItemModel::SizeColumn, Qt::AscendingOrder),
            [&] { return std::exchange(sorted, false); });
    measure(label, "sort by type", sortBy(RemoteItemModel::TypeColumn, Qt::AscendingOrder),
            [&] { return std::exchange(sorted, false); });
    measure(label, "sort by date", sortBy(RemoteItemModel::ModifiedColumn, Qt::DescendingOrder),
            [&] { return std::exchange(sorted, false); });
    bool selected = false;
    measure(
        label, "select all",
        [&] {
            view.table()->selectAll();
            selected = true;
        },
        [&] { return selected; });
    measure(
        label, "refresh in place", [&] { view.refresh(); }, listed);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The probe needs the plain Unix event dispatcher: the GLib one reports waking up and going to sleep in
    // an order that makes every stretch look empty.
    qputenv("QT_NO_GLIB", "1");
    QApplication app(argc, argv);
    int entries = 10000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--entries") == 0) {
            entries = std::atoi(argv[i + 1]);
        }
    }
    TestEnvironment env; // a private known_hosts
    QThreadPool pool;
    PreferencesStore store(env.root() + QStringLiteral("/preferences.sqlite"));

    FtpTestServer ftp;
    ftp.start();
    populate(ftp.rootDir() + QStringLiteral("/big"), entries);
    run("ftp", ftp.connection(), QStringLiteral("/big"), entries, pool, store);

    SftpTestServer sftp;
    sftp.start();
    populate(sftp.rootDir() + QStringLiteral("/big"), entries);
    run("paramiko", sftp.connection(), QStringLiteral("/big"), entries, pool, store);

    if (SshdTestServer::isAvailable()) {
        SshdTestServer sshd;
        sshd.start();
        populate(sshd.rootDir() + QStringLiteral("/big"), entries);
        PushConnection connection = sshd.connection();
        run("sshd", connection, sshd.rootDir() + QStringLiteral("/big"), entries, pool, store);
    }
    pool.waitForDone();
    return 0;
}
