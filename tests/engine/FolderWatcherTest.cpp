#include "engine/FolderWatcher.h"

#include "platform/InotifyFileEventSource.h"
#include "support/FakeClock.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <utime.h>

#include <algorithm>
#include <functional>
#include <ostream>

using namespace Qt::StringLiterals;

using namespace ondrix;
using Kind = FolderWatcher::FSEventKind;

namespace {

struct Reported {
    QString path; // relative to the watched folder
    Kind kind;
    bool operator==(const Reported&) const = default;
    friend void PrintTo(const Reported& r, std::ostream* os)
    {
        *os << qPrintable(r.path) << ':' << int(r.kind);
    }
};

void writeFile(const QString& path, const QByteArray& contents = "data", QIODevice::OpenMode mode = {})
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | mode)) << path.toStdString();
    ASSERT_EQ(file.write(contents), contents.size());
}

// Coalescing windows close on a fake clock, so a test waits only for the system's events, never for time.
class FolderWatcherTest : public ::testing::Test {
protected:
    static constexpr double kLatency = 0.25;
    static constexpr int kLatencyMs = int(kLatency * 1000);

    void SetUp() override
    {
        m_root = m_env.makeDir(u"watched"_s);
        auto source = std::make_unique<InotifyFileEventSource>();
        m_source = source.get();
        m_watcher = std::make_unique<FolderWatcher>(m_root, std::move(source));
        m_watcher->setLatency(kLatency);
        m_watcher->setClock(&m_clock);
        m_watcher->setOnFileEvent([this](const QString& filePath, Kind kind) {
            m_offMainThread |= QThread::currentThread() != QCoreApplication::instance()->thread();
            m_reported.append({QDir(m_root).relativeFilePath(filePath), kind});
        });
    }
    void TearDown() override { EXPECT_FALSE(m_offMainThread); }

    QString path(const QString& relative) const { return m_root + QLatin1Char('/') + relative; }

    // Takes in all the system reported (up to a new marker file), closes every window and hands it over.
    QList<Reported> settle()
    {
        // A new name each time: the last marker's own late events may hold its name in a window.
        const QString marker = u"settle-marker-%1"_s.arg(++m_markers);
        if (m_watcher->isWatching()) {
            writeFile(path(marker));
            EXPECT_TRUE(QTest::qWaitFor([&] { return m_reported.contains({marker, Kind::Created}); }, 10000));
            QFile::remove(path(marker));
        }
        for (int i = 0; i < 3; ++i) {
            m_clock.advance(kLatencyMs);
        }
        m_reported.removeIf([](const Reported& r) { return r.path.startsWith(u"settle-marker-"); });
        return std::exchange(m_reported, {});
    }
    static QList<Reported> sorted(QList<Reported> reported)
    {
        std::ranges::sort(reported, {}, &Reported::path);
        return reported;
    }

    test::TestEnvironment m_env;
    test::FakeClock m_clock;
    QString m_root;
    InotifyFileEventSource* m_source = nullptr;
    std::unique_ptr<FolderWatcher> m_watcher;
    QList<Reported> m_reported;
    bool m_offMainThread = false;
    int m_markers = 0;
};

TEST(FolderWatcherRules, IgnoresHiddenTemporaryAndSystemNames)
{
    const QStringList keptNames = {"photo.jpg", "notes",     "tmp",        "part.jpg",
                                   "a~$b",      "x.tmp.jpg", "Ünïcode.png"};
    QStringList names = keptNames + QStringList{".DS_Store",    ".localized",        ".hidden",
                                                "~$draft.docx", "Report.CRDOWNLOAD", "movie.part",
                                                "x.TMP",        "song.downloading",  "a.jpg.ondrix-partial"};
    names.removeIf(FolderWatcher::isIgnoredFileName);
    EXPECT_EQ(names, keptNames);
    const QStringList keptPaths = {"a.jpg", "day/a.jpg", "day.2/x~/a.jpg"};
    QStringList paths = keptPaths + QStringList{".Trash-1000/files/a.jpg", ".git/objects/ab",
                                                "day/.cache/thumb.jpg", "day/.x.jpg"};
    paths.removeIf([](const QString& path) { return FolderWatcher::isIgnoredPath(path); });
    EXPECT_EQ(paths, keptPaths);
}

// Each burst arrives once with its kind; directories, removals, attribute changes, links and ignored names
// never arrive; every file of a folder created or moved in does; stop ends deliveries.
TEST_F(FolderWatcherTest, ReportsEachBurstOnceWithItsKindAndNothingElse)
{
    writeFile(path("existing.jpg"));
    writeFile(path("doomed.jpg"));
    m_watcher->start();
    m_watcher->start();
    ASSERT_TRUE(m_watcher->isWatching());

    writeFile(path("new.jpg"), QByteArray(100000, 'n'));
    EXPECT_EQ(settle(), (QList<Reported>{{"new.jpg", Kind::Created}}));
    writeFile(path("existing.jpg"), "more", QIODevice::Append);
    EXPECT_EQ(settle(), (QList<Reported>{{"existing.jpg", Kind::Modified}}));

    // Saved under a temporary name, renamed into place; the temporary name's events arrive after it is gone.
    m_source->setReadingSuspended(true);
    writeFile(path("draft"), QByteArray(5000, 'r'));
    ASSERT_TRUE(QFile::rename(path("draft"), path("report.pdf")));
    m_source->setReadingSuspended(false);
    EXPECT_EQ(settle(), (QList<Reported>{{"report.pdf", Kind::Renamed}}));
    // A rename over an existing file is a rename too.
    writeFile(path(".~existing.jpg"), "replacement");
    ASSERT_EQ(::rename(QFile::encodeName(path(".~existing.jpg")).constData(),
                       QFile::encodeName(path("existing.jpg")).constData()),
              0);
    EXPECT_EQ(settle(), (QList<Reported>{{"existing.jpg", Kind::Renamed}}));

    ASSERT_TRUE(QDir(m_root).mkdir(u"sub"_s));
    ASSERT_TRUE(QFile::remove(path("doomed.jpg")));
    const QByteArray keep = QFile::encodeName(path("existing.jpg"));
    ASSERT_EQ(::chmod(keep.constData(), 0600), 0);
    ASSERT_EQ(::utime(keep.constData(), nullptr), 0);
    ASSERT_EQ(::setxattr(keep.constData(), "user.xdg.tags", "Green", 5, 0), 0);
    for (const char* name : {".hidden", "~$draft.docx", "Report.CRDOWNLOAD", "x.tmp", ".DS_Store"}) {
        writeFile(path(QString::fromLatin1(name)));
    }
    ::symlink(keep.constData(), QFile::encodeName(path("link.jpg")).constData());
    ASSERT_TRUE(QDir(m_root).mkpath(".Trash-1000/files"));
    writeFile(path(".Trash-1000/files/deleted.jpg"));
    ASSERT_TRUE(QDir(m_root).mkpath("day/.git"));
    writeFile(path("day/.git/index"));
    EXPECT_EQ(settle(), QList<Reported>{});

    writeFile(path("sub/inner.jpg"));
    EXPECT_EQ(settle(), (QList<Reported>{{"sub/inner.jpg", Kind::Created}}));

    QList<Reported> expected;
    for (const QString& dir : {u"a"_s, u"a/b"_s, u"a/b/c"_s}) {
        ASSERT_TRUE(QDir(m_root).mkpath(dir));
        for (int i = 0; i < 15; ++i) {
            const QString file = dir + u"/f%1.jpg"_s.arg(i);
            writeFile(path(file));
            expected.append({file, Kind::Created});
        }
    }
    EXPECT_EQ(sorted(settle()), sorted(expected));

    // A tree built elsewhere and moved in at once: nothing in it was reported by the system.
    const QString outside = m_env.makeDir(u"outside/shoot"_s);
    expected.clear();
    for (const QString& file : {u"1.jpg"_s, u"day1/2.jpg"_s, u"day1/raw/3.cr2"_s, u"day2/4.jpg"_s}) {
        m_env.writeFile(u"outside/shoot/"_s + file, "x");
        expected.append({u"shoot/"_s + file, Kind::Renamed});
    }
    ASSERT_TRUE(QDir().rename(outside, path("shoot")));
    EXPECT_EQ(sorted(settle()), sorted(expected));

    writeFile(path("shoot/day1/raw/5.cr2"));
    EXPECT_EQ(settle(), (QList<Reported>{{"shoot/day1/raw/5.cr2", Kind::Created}}));

    writeFile(path("a.jpg"));
    m_watcher->stop();
    writeFile(path("b.jpg"));
    EXPECT_EQ(settle(), QList<Reported>{});
    FolderWatcher missing(m_root + u"/nope"_s, std::make_unique<InotifyFileEventSource>());
    missing.start();
    EXPECT_FALSE(missing.isWatching() || m_watcher->isWatching());
}

// A file written in many small steps is reported a few times, not once per write and not only once; a whole
// second save soon after the first is its own delivery.
TEST_F(FolderWatcherTest, RepeatedWritesAreCoalescedNotDropped)
{
    m_watcher->start();
    QSignalSpy arrived(m_source, &FileEventSource::eventsArrived);
    const auto step = [&](const std::function<void()>& write) {
        const qsizetype before = arrived.count();
        write();
        ASSERT_TRUE(QTest::qWaitFor([&] { return arrived.count() > before; }, 10000));
        m_clock.advance(kLatencyMs / 3);
    };
    QFile file(path("log.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    constexpr int kWrites = 12;
    for (int i = 0; i < kWrites; ++i) {
        step([&] { file.write("line\n"); });
    }
    file.close();
    const QList<Reported> reported = settle();
    ASSERT_GE(reported.size(), 2);
    EXPECT_LT(reported.size(), kWrites);
    QList<Reported> expected(reported.size(), {"log.txt", Kind::Modified});
    expected.first().kind = Kind::Created;
    EXPECT_EQ(reported, expected);

    step([&] { writeFile(path("report.pdf"), "first"); });
    step([&] { writeFile(path("report.pdf"), " and again", QIODevice::Append); });
    EXPECT_EQ(settle(), (QList<Reported>{{"report.pdf", Kind::Created}, {"report.pdf", Kind::Modified}}));
}

// A watcher at its own limit, or at the application's share of inotify watches, says so once; watches stay.
TEST_F(FolderWatcherTest, AnExhaustedWatchLimitIsReportedAndExistingWatchesStay)
{
    for (const char* dir : {"one", "two", "three"}) {
        QDir(m_root).mkdir(QString::fromLatin1(dir));
    }
    m_source->setWatchLimit(2);
    QSignalSpy unreliable(m_watcher.get(), &FolderWatcher::becameUnreliable);
    QSignalSpy reliableChanged(m_watcher.get(), &FolderWatcher::isReliableChanged);
    m_watcher->start();
    ASSERT_TRUE(m_watcher->isWatching());
    ASSERT_TRUE(unreliable.wait(5000));
    const QString message = unreliable.first().first().toString();
    EXPECT_TRUE(message.contains(u"sudo sysctl fs.inotify.max_user_watches="_s)) << message.toStdString();
    EXPECT_EQ(std::tuple(m_watcher->isReliable(), reliableChanged.count(), m_source->watchCount()),
              std::tuple(false, 1, 2));

    writeFile(path("root.jpg"));
    EXPECT_EQ(settle(), (QList<Reported>{{"root.jpg", Kind::Created}}));
    // A folder created beyond the limit: the limit is not announced twice.
    ASSERT_TRUE(QDir(m_root).mkdir(u"four"_s));
    settle();
    EXPECT_EQ(unreliable.count(), 1);

    InotifyFileEventSource::setProcessWatchBudget(4);
    FolderWatcher second(m_env.makeDir(u"other"_s), std::make_unique<InotifyFileEventSource>());
    m_env.makeDir(u"other/a/b"_s);
    QSignalSpy secondUnreliable(&second, &FolderWatcher::becameUnreliable);
    second.start();
    EXPECT_TRUE(secondUnreliable.wait(5000));
    EXPECT_EQ(std::tuple(secondUnreliable.count(), m_source->watchCount()), std::tuple(1, 2));

    InotifyFileEventSource::setProcessWatchBudget(-1);
}

} // namespace
