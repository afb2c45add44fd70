#include "engine/FileStabilityChecker.h"

#include "support/FakeClock.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;

using namespace ondrix;
using Answer = FileStabilityChecker::Answer;

namespace {

// Time moves only when a test advances the clock, so "nothing happened yet" is a fact, not a guess.
class FileStabilityCheckerTest : public ::testing::Test {
protected:
    FileStabilityCheckerTest() { m_checker.setClock(&m_clock); }

    FileStabilityChecker::Handle wait(const QString& path, std::optional<double> interval,
                                      FileStabilityChecker::Reading firstReading = std::nullopt)
    {
        m_answer.reset();
        m_reading.reset();
        const auto handle = m_checker.waitForStability(
            path, interval, &m_context,
            [this](Answer answer, const FileStabilityChecker::Reading& reading) {
                m_answer = answer;
                m_reading = reading;
            },
            std::move(firstReading));
        EXPECT_FALSE(m_answer.has_value());
        return handle;
    }
    void advance(qint64 ms)
    {
        QCoreApplication::processEvents();
        m_clock.advance(ms);
        QCoreApplication::processEvents();
    }
    std::optional<Answer> awaitAnswer()
    {
        (void)QTest::qWaitFor([&] { return m_answer.has_value(); }, 10000);
        return m_answer;
    }
    void append(const QString& path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("x");
    }

    test::TestEnvironment m_env;
    test::FakeClock m_clock;
    QObject m_context;
    FileStabilityChecker m_checker;
    std::optional<Answer> m_answer;
    FileStabilityChecker::Reading m_reading;
};

// A file that grows, or that a writer holds open while it pauses, is stable only once both stop (and not past
// the maximum wait); a reading given with the wait stands in for the first, but a second must agree.
TEST_F(FileStabilityCheckerTest, AGrowingOrOpenFileIsStableOnceItStopsAndWaitsEndWhenCancelled)
{
    const QString path = m_env.writeFile(u"video.mov"_s, "start");
    for (const bool given : {false, true}) {
        SCOPED_TRACE(given);
        const std::optional<FolderScan::File> before = FolderScan::stat(path);
        wait(path, 0.1, given ? before : std::nullopt);
        advance(0);
        QFile writer(path); // grows five times, then is held open while its writer pauses
        for (int i = 0; i < 8; ++i) {
            i < 5 ? append(path) : void(i == 5 && writer.open(QIODevice::Append));
            advance(100);
            EXPECT_FALSE(m_answer.has_value());
        }
        writer.close();
        advance(100);
        ASSERT_EQ(m_answer, Answer::Stable);
        // The reading that settled it (the file's last version), as the scans read files.
        EXPECT_EQ(m_reading.value_or(FolderScan::File()).version, FolderScan::stat(path).value().version);
    }

    // One that grows for longer than the maximum wait is given up on.
    m_checker.setMaxWaitSeconds(0.3);
    wait(path, 0.1);
    advance(0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(m_answer.has_value());
        append(path);
        advance(100);
    }
    EXPECT_EQ(m_answer, Answer::NotStable);

    // A reading of a file that is gone by the next look is no reason to call it stable.
    const FileStabilityChecker::Reading reading = FolderScan::stat(path);
    ASSERT_TRUE(QFile::remove(path));
    wait(path, 0.0, reading);
    advance(0);
    EXPECT_EQ(std::tuple(m_answer, m_reading.has_value()), std::tuple(Answer::NotStable, false));

    // Cancelled, or for a context that is gone (without its answer), a wait ends; pooled readings answer too.
    m_checker.setMaxWaitSeconds(3600);
    const QString jpeg = m_env.writeFile(u"a.jpg"_s, "x");
    QSignalSpy waits(&m_checker, &FileStabilityChecker::activeWaitsChanged);

    // Before the first reading, or while sleeping an hour after it.
    for (const bool afterFirstReading : {false, true}) {
        const auto handle = wait(jpeg, 3600.0);
        EXPECT_TRUE(handle.isActive());
        afterFirstReading ? advance(0) : void();
        handle.cancel();
        EXPECT_FALSE(m_answer.has_value() || handle.isActive());
        advance(0);
        EXPECT_EQ(m_answer, Answer::Cancelled);
        handle.cancel();
    }
    EXPECT_EQ(std::tuple(m_checker.activeWaits(), waits.count()), std::tuple(0, 4));

    bool called = false;
    {
        QObject context;
        m_checker.waitForStability(jpeg, 0.0, &context,
                                   [&](Answer, const FileStabilityChecker::Reading&) { called = true; });
    }
    advance(0);
    advance(0);
    EXPECT_FALSE(called || m_checker.activeWaits() > 0);

    QThreadPool pool;
    m_checker.setPool(&pool);
    // A negative interval counts as none; an hour-long default would never answer if it fell back to that.
    m_checker.setCheckInterval(3600);
    for (const auto& [path, interval, answer] :
         {std::tuple(m_env.writeFile(u"empty.txt"_s, {}), 0.0, Answer::Stable),
          std::tuple(m_env.writeFile(u"photo.jpg"_s, "p"), -5.0, Answer::Stable),
          std::tuple(QString(m_env.root() + u"/never-there.jpg"_s), 0.0, Answer::NotStable)}) {
        wait(path, interval);
        EXPECT_EQ(awaitAnswer(), answer) << path.toStdString();
    }

    const QString gone = m_env.writeFile(u"gone.jpg"_s, "x");
    wait(gone, 0.2);
    QCoreApplication::processEvents(); // the first reading goes to the pool
    pool.waitForDone();
    QCoreApplication::processEvents(); // and is in
    ASSERT_TRUE(QFile::remove(gone));
    m_clock.advance(200);
    EXPECT_EQ(awaitAnswer(), Answer::NotStable);
}

} // namespace
