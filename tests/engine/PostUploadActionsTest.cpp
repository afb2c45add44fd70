#include "engine/PostUploadActions.h"

#include "engine/ScriptRunner.h"
#include "platform/WatchedTree.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>

using namespace Qt::StringLiterals;

using namespace ondrix;
using namespace ondrix::test;

namespace {

class PostUploadActionsTest : public ::testing::Test {
protected:
    QString write(const char* name, const QByteArray& contents)
    {
        return tree.rootPath() + QLatin1Char('/') +
               QFileInfo(env.writeFile(u"out/"_s + QLatin1String(name), contents)).fileName();
    }
    FileVersion versionOf(const QString& path) { return *PostUploadActions::currentVersion(path, tree); }

    TestEnvironment env;
    const WatchedTree tree{QFileInfo(env.makeDir(u"out"_s)).canonicalFilePath()}; // the watched folder
    QStringList problems;
    PostUploadActions::ProblemReporter report = [this](const QString& problem) { problems.append(problem); };
};

} // namespace

// A file saved again after it was sent is never moved, handed over or deleted. Archive problems are said and
// keep the file, and so does a name the archive already holds, short of the deletion asked for.
TEST_F(PostUploadActionsTest, OnlyTheVersionSentIsActedOnAndArchiveProblemsKeepTheFile)
{
    const QString archive = env.makeDir(u"archive"_s);
    const QString marker = env.root() + u"/script-ran"_s;
    const QString script = env.writeFile(u"mark.sh"_s, u"#!/bin/sh\ntouch '%1'\n"_s.arg(marker).toUtf8());
    QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner);
    for (const PostUploadAction& action : {PostUploadAction::moveToArchive(archive),
                                           PostUploadAction::runScript(script), PostUploadAction::none()}) {
        const QString path = write("photo.jpg", "sent");
        const FileVersion sent = versionOf(path);
        // Saved again the way editors do: a new file renamed over the old one.
        ASSERT_TRUE(QFile::remove(path) && QFile::rename(write("photo.new", "newer"), path));
        EXPECT_EQ(PostUploadActions(action, true, report).run(path, sent, tree),
                  PostUploadActions::Outcome::changedSinceUpload);
        EXPECT_EQ(readFile(path), "newer");
        QFile::remove(path);
    }
    ::usleep(200 * 1000);
    EXPECT_FALSE(QFile::exists(archive + u"/photo.jpg"_s) || QFile::exists(marker));
    EXPECT_TRUE(problems.isEmpty());

    const QString path = write("a.jpg", "a");
    const FileVersion sent = versionOf(path);
    const QString missing = env.root() + u"/no-archive"_s;
    PostUploadActions(PostUploadAction::moveToArchive(missing), false, report).run(path, sent, tree);
    EXPECT_EQ(problems.value(0),
              u"a.jpg stays in place, not moved to the archive: the archive folder %1 does not exist"_s.arg(
                  missing));
    if (::geteuid() != 0) { // root writes anywhere
        const QString locked = env.makeDir(u"locked"_s);
        ::chmod(QFile::encodeName(locked).constData(), 0500);
        PostUploadActions(PostUploadAction::moveToArchive(locked), false, report).run(path, sent, tree);
        EXPECT_TRUE(problems.value(1).contains(u"is not writable"_s)) << problems.value(1).toStdString();
        ::chmod(QFile::encodeName(locked).constData(), 0700);
    }
    EXPECT_EQ(problems.size(), ::geteuid() != 0 ? 2 : 1);

    env.writeFile(u"archive/a.jpg"_s, "older");
    problems.clear();
    PostUploadActions(PostUploadAction::moveToArchive(archive), false, report).run(path, sent, tree);
    EXPECT_TRUE(problems.isEmpty() && readFile(path) == "a");
    EXPECT_EQ(PostUploadActions(PostUploadAction::moveToArchive(archive), true, report).run(path, sent, tree),
              PostUploadActions::Outcome::done);
    EXPECT_FALSE(QFile::exists(path)) << "uploaded, and deleted as asked";
    EXPECT_EQ(readFile(archive + u"/a.jpg"_s), "older");
}

// /dev/shm is a tmpfs, another file system than the temporary folder (when it is not, the test says so).
TEST_F(PostUploadActionsTest, AMoveAcrossFileSystemsIsACompleteCopyOrNothing)
{
    QTemporaryDir other(u"/dev/shm/ondrix-archive-XXXXXX"_s);
    ASSERT_TRUE(other.isValid());
    const auto statOf = [](const QString& path) {
        struct stat status {};
        ::stat(QFile::encodeName(path).constData(), &status);
        return status;
    };
    if (statOf(env.root()).st_dev == statOf(other.path()).st_dev) {
        GTEST_SKIP() << "the temporary folder and /dev/shm are one file system here";
    }
    const QByteArray bytes(3 * 1024 * 1024 + 17, 'c');
    const QString path = write("big.raw", bytes);
    ::chmod(QFile::encodeName(path).constData(), 0640);
    const FileVersion sent = versionOf(path);
    // A copy cut short by a kill earlier leaves its hidden temporary name, which is cleaned up.
    writeFileAt(other.path() + u"/.big.raw.ondrix-partial"_s, "partial");

    EXPECT_EQ(PostUploadActions::moveIntoFolder(path, other.path(), sent, tree), std::nullopt);
    EXPECT_FALSE(QFile::exists(path));
    const QString archived = other.path() + u"/big.raw"_s;
    EXPECT_EQ(readFile(archived), bytes);
    EXPECT_EQ(QDir(other.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{u"big.raw"_s});
    const struct stat copied = statOf(archived);
    EXPECT_EQ(copied.st_mode & 0777, 0640u);
    EXPECT_EQ(qint64(copied.st_mtim.tv_sec) * 1000000000 + copied.st_mtim.tv_nsec, sent.modifiedNs);

    // A named pipe swapped in for the file is not waited on (no writer would ever come) and not archived.
    const QString piped = write("piped.raw", bytes);
    const FileVersion pipedSent = versionOf(piped);
    ASSERT_TRUE(QFile::remove(piped));
    ASSERT_EQ(::mkfifo(QFile::encodeName(piped).constData(), 0600), 0);
    auto moving = std::async(std::launch::async, [&] {
        return PostUploadActions::moveIntoFolder(piped, other.path(), pipedSent, tree);
    });
    const bool returned = moving.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    if (!returned) {
        ::close(::open(QFile::encodeName(piped).constData(), O_WRONLY | O_NONBLOCK)); // lets it go
    }
    EXPECT_TRUE(returned) << "the move waited for a writer of a named pipe";
    EXPECT_TRUE(moving.get() == std::nullopt && !QFile::exists(other.path() + u"/piped.raw"_s));

    // A copy that cannot be completed (a full file system) leaves nothing behind and the file in place.
    QTemporaryDir small(u"/dev/shm/ondrix-small-XXXXXX"_s);
    const QString full = small.path() + u"/full"_s;
    QDir().mkpath(full);
    if (QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=1m"_s, u"tmpfs"_s, full}) != 0) {
        GTEST_SKIP() << "a small file system needs mount rights";
    }
    const QString second = write("second.raw", bytes);
    const QString problem =
        PostUploadActions::moveIntoFolder(second, full, versionOf(second), tree).value_or("");
    EXPECT_TRUE(problem.contains(u"No space left on device"_s)) << problem.toStdString();
    EXPECT_EQ(readFile(second), bytes);
    EXPECT_TRUE(QDir(full).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    QProcess::execute(u"umount"_s, {full});
}

// A burst of uploads goes to the script a few at a time, every file in the end; the script inherits no
// descriptor beyond the standard three.
TEST_F(PostUploadActionsTest, ScriptsRunAFewAtATimeWithNothingButTheStandardDescriptors)
{
    const QString runs = env.makeDir(u"runs"_s);
    const QString release = env.root() + u"/release"_s;
    const QString script = env.writeFile(
        u"hold.sh"_s,
        QStringLiteral(
            "#!/bin/sh\nname=$(basename \"$1\")\ntouch '%1'/running.$name\n"
            "ls /proc/$$/fd > '%1'/fds.$name\n"
            "while [ ! -e '%2' ]; do sleep 0.02; done\nrm '%1'/running.$name; touch '%1'/done.$name\n")
            .arg(runs, release)
            .toUtf8());
    QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner);
    // A descriptor without close-on-exec, as a socket may be.
    const int leaked = ::fcntl(STDERR_FILENO, F_DUPFD, 100);
    const PostUploadActions actions(PostUploadAction::runScript(script), false, report);
    for (int i = 0; i < 8; ++i) {
        const QString path = write(u"s%1.jpg"_s.arg(i).toUtf8().constData(), "s");
        EXPECT_EQ(actions.run(path, versionOf(path), tree), PostUploadActions::Outcome::done);
    }
    const auto count = [&](const QString& prefix) {
        return QDir(runs).entryList({prefix + QLatin1Char('*')}, QDir::Files).size();
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return count(u"running."_s) == ScriptRunner::kMaxRunning; }, 10000));
    QTest::qWait(200);
    EXPECT_EQ(count(u"running."_s), ScriptRunner::kMaxRunning) << "no more start meanwhile";
    QFile(release).open(QIODevice::WriteOnly);
    EXPECT_TRUE(QTest::qWaitFor([&] { return count(u"done."_s) == 8; }, 20000));
    const QStringList fds =
        QString::fromUtf8(readFile(runs + u"/fds.s0.jpg"_s)).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(fds.contains(u"2"_s) && !fds.contains(QString::number(leaked))) << qPrintable(fds.join(u' '));

    ::close(leaked);
}
