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
using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    PreferencesStore store(AppPaths::preferencesFile());
    HistoryService history(AppPaths::historyFile());
    qint64 n = store.integerValue(u"crash_counter"_s);
    const qint64 readyAt = n + 50;

    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++n;
        history.add({.timestamp = QDateTime::currentDateTimeUtc(),
                     .filename = u"photo-%1-"_s.arg(n) + QString(150, QLatin1Char('x')) + u".jpg"_s,
                     .bytes = n * 1000,
                     .connectionName = u"Crash"_s});
        store.setRealDictionaryEntry(u"ondrix_uploaded_crash"_s, u"/f/%1"_s.arg(n), double(n));
        QJsonArray connections;
        for (qint64 i = 0; i < n % 40; ++i) {
            connections.append(QJsonObject{{u"name"_s, u"c%1"_s.arg(i)}});
        }
        store.setData(u"push_connections"_s, QJsonDocument(connections).toJson());
        if (n % 25 == 0) {
            PreferencesStore::RealDictionary whole;
            for (int i = 0; i < 200; ++i) {
                whole.insert(u"/w/%1"_s.arg(i), double(n));
            }
            store.setRealDictionary(u"replaced_whole"_s, whole);
        }
        store.setInteger(u"crash_counter"_s, n);
        if (n == readyAt) {
            std::puts("ready");
            std::fflush(stdout);
        }
    });
    timer.start(0);
    return app.exec();
}
