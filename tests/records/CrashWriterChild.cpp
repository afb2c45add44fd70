// Child process of CrashSafetyTest: writes the upload history and the preferences store as fast as it can
// until it is killed. It prints "ready" once both files have been written a few times.
#include "platform/AppPaths.h"
#include "platform/PreferencesStore.h"
#include "records/HistoryService.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <cstdio>

using namespace ondrix;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    PreferencesStore store(AppPaths::preferencesFile());
    HistoryService history(AppPaths::historyFile());
    qint64 n = store.integerValue(QStringLiteral("crash_counter"));
    const qint64 readyAt = n + 50;

    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++n;
        HistoryEntry entry;
        entry.timestamp = QDateTime::currentDateTimeUtc();
        entry.filename =
            QStringLiteral("photo-%1-").arg(n) + QString(150, QLatin1Char('x')) + QStringLiteral(".jpg");
        entry.bytes = n * 1000;
        entry.connectionName = QStringLiteral("Crash");
        history.add(entry);

        store.setRealDictionaryEntry(QStringLiteral("ondrix_uploaded_crash"), QStringLiteral("/f/%1").arg(n),
                                     double(n));
        QJsonArray connections;
        for (qint64 i = 0; i < n % 40; ++i) {
            connections.append(QJsonObject{{QStringLiteral("name"), QStringLiteral("c%1").arg(i)}});
        }
        store.setData(QStringLiteral("push_connections"), QJsonDocument(connections).toJson());
        if (n % 25 == 0) {
            PreferencesStore::RealDictionary whole;
            for (int i = 0; i < 200; ++i) {
                whole.insert(QStringLiteral("/w/%1").arg(i), double(n));
            }
            store.setRealDictionary(QStringLiteral("replaced_whole"), whole);
        }
        store.setInteger(QStringLiteral("crash_counter"), n);
        if (n == readyAt) {
            std::puts("ready");
            std::fflush(stdout);
        }
    });
    timer.start();
    return app.exec();
}
