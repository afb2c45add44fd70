#include "engine/FileStabilityChecker.h"

#include "support/TestEnvironment.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

using namespace ondrix;
using Answer = FileStabilityChecker::Answer;

namespace {

// Appends a byte to a file every millisecond until stopped, so any two size readings a check interval
// apart differ.
class GrowingWriter {
public:
    explicit GrowingWriter(const QString& path)
        : m_thread([this, path] {
            QFile file(path);
            if (!file.open(QIODevice::Append)) {
                return;
            }
            while (!m_stop) {
                file.write("x", 1);
                file.flush();
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        })
    {}
    ~GrowingWriter() { stop(); }
    void stop()
    {
        m_stop = true;
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }

private:
    std::atomic_bool m_stop = false;
    std::thread m_thread;
};

class FileStabilityCheckerTest : public ::testing::Test {
protected:
    // Readings on a pool, as the engine takes them.
    FileStabilityCheckerTest() { m_checker.setPool(&m_pool); }

    FileStabilityChecker::Handle wait(const QString& path, std::optional<double> interval,
                                      FileStabilityChecker::Reading firstReading = std::nullopt)
    {
        m_answer.reset();
        m_reading.reset();
        return m_checker.waitForStability(
            path, interval, &m_context,
            [this](Answer answer, const FileStabilityChecker::Reading& reading) {
                m_answer = answer;
                m_reading = reading;
            },
            std::move(firstReading));
    }
    std::optional<Answer> awaitAnswer()
    {
        if (!QTest::qWaitFor([&] { return m_answer.has_value(); }, 10000)) {
            return std::nullopt;
        }
        return m_answer;
    }

    test::TestEnvironment m_env;
    QObject m_context;
    QThreadPool m_pool;
    FileStabilityChecker m_checker;
    std::optional<Answer> m_answer;
    FileStabilityChecker::Reading m_reading;
};

TEST_F(FileStabilityCheckerTest, AGrowingFileIsStableOnlyOnceItStops)
{
    const QString path = m_env.writeFile(QStringLiteral("video.mov"), "start");
    GrowingWriter writer(path);
    wait(path, 0.1);
    QTest::qWait(450);
    EXPECT_FALSE(m_answer.has_value());
    writer.stop();
    EXPECT_EQ(awaitAnswer(), Answer::Stable);
    // The answer carries the reading that settled it, as the scans read files.
    const std::optional<FolderScan::File> now = FolderScan::stat(path);
    ASSERT_TRUE(m_reading && now);
    EXPECT_EQ(m_reading->size, now->size);
    EXPECT_EQ(m_reading->modified, now->modified);
}

TEST_F(FileStabilityCheckerTest, AReadingGivenWithTheWaitStillNeedsTheFileToHoldStill)
{
    const QString path = m_env.writeFile(QStringLiteral("video.mov"), "start");
    const std::optional<FolderScan::File> given = FolderScan::stat(path);
    ASSERT_TRUE(given);
    {
        GrowingWriter writer(path);
        wait(path, 0.1, given);
        QTest::qWait(450);
        EXPECT_FALSE(m_answer.has_value());
    }
    ASSERT_EQ(awaitAnswer(), Answer::Stable);
    EXPECT_GT(m_reading->size, given->size);

    // A reading of a file that is gone by the next look is no reason to call it stable.
    const QString gone = m_env.writeFile(QStringLiteral("gone.jpg"), "x");
    const std::optional<FolderScan::File> before = FolderScan::stat(gone);
    ASSERT_TRUE(QFile::remove(gone));
    wait(gone, 0.0, before);
    EXPECT_EQ(awaitAnswer(), Answer::NotStable);
    EXPECT_FALSE(m_reading.has_value());
}

TEST_F(FileStabilityCheckerTest, GivesUpOnAFileThatGrowsLongerThanTheMaximumWait)
{
    m_checker.setMaxWaitSeconds(0.3);
    const QString path = m_env.writeFile(QStringLiteral("video.mov"), "start");
    GrowingWriter writer(path);
    wait(path, 0.05);
    EXPECT_EQ(awaitAnswer(), Answer::NotStable);
}

TEST_F(FileStabilityCheckerTest, AFileThatKeepsItsSizeIsStableAMissingOrVanishingOneIsNot)
{
    wait(m_env.writeFile(QStringLiteral("empty.txt"), {}), 0.02);
    EXPECT_EQ(awaitAnswer(), Answer::Stable);
    // A negative interval counts as none; an hour-long default would hang here if it fell back to that.
    m_checker.setCheckInterval(3600);
    wait(m_env.writeFile(QStringLiteral("photo.jpg"), QByteArray(5000, 'p')), -5.0);
    EXPECT_EQ(awaitAnswer(), Answer::Stable);

    wait(m_env.root() + QStringLiteral("/never-there.jpg"), 0.0);
    EXPECT_EQ(awaitAnswer(), Answer::NotStable);
    const QString path = m_env.writeFile(QStringLiteral("gone.jpg"), "x");
    wait(path, 0.2);
    QTest::qWait(50);
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(awaitAnswer(), Answer::NotStable);
}

TEST_F(FileStabilityCheckerTest, CancellationEndsAWaitPromptlyAndNeverInsideTheCall)
{
    m_checker.setMaxWaitSeconds(3600);
    const QString path = m_env.writeFile(QStringLiteral("a.jpg"), "x");
    QSignalSpy waits(&m_checker, &FileStabilityChecker::activeWaitsChanged);

    // Before the first reading, and while sleeping an hour between readings.
    for (const int settleMs : {0, 50}) {
        const auto handle = wait(path, 3600.0);
        EXPECT_TRUE(handle.isActive());
        QTest::qWait(settleMs);
        handle.cancel();
        EXPECT_FALSE(m_answer.has_value());
        EXPECT_FALSE(handle.isActive());
        EXPECT_EQ(awaitAnswer(), Answer::Cancelled);
        handle.cancel();
    }
    EXPECT_EQ(m_checker.activeWaits(), 0);
    EXPECT_EQ(waits.count(), 4);
}

TEST_F(FileStabilityCheckerTest, AnAnswerForADestroyedContextIsDropped)
{
    const QString path = m_env.writeFile(QStringLiteral("a.jpg"), "x");
    bool called = false;
    {
        QObject context;
        m_checker.waitForStability(path, 0.0, &context,
                                   [&](Answer, const FileStabilityChecker::Reading&) { called = true; });
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_checker.activeWaits() == 0; }));
    QCoreApplication::processEvents();
    EXPECT_FALSE(called);
}

} // namespace
