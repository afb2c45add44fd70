#pragma once

#include <QString>
#include <QTemporaryDir>

namespace ondrix::test {

// A private temporary home for one test: HOME and the XDG config, data, state and cache folders point into
// it while the object lives, so nothing a test does reaches the real user's folders. The previous values come
// back on destruction.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    QString root() const { return m_dir.path(); }
    QString home() const { return m_dir.filePath(QStringLiteral("home")); }
    QString configHome() const { return m_dir.filePath(QStringLiteral("config")); }
    QString dataHome() const { return m_dir.filePath(QStringLiteral("data")); }
    QString stateHome() const { return m_dir.filePath(QStringLiteral("state")); }
    QString cacheHome() const { return m_dir.filePath(QStringLiteral("cache")); }

    // Sets an environment variable for the lifetime of this object (e.g. SSL_CERT_FILE to the test CA); the
    // previous value comes back on destruction.
    void setVariable(const char* name, const QString& value);

    // Creates (with parents) and returns a folder below the root, e.g. "watched" or "remote/ftp".
    QString makeDir(const QString& relative) const;
    // Writes a file below the root (parents created) and returns its absolute path.
    QString writeFile(const QString& relative, const QByteArray& contents) const;

private:
    QTemporaryDir m_dir;
    QList<QPair<QByteArray, QByteArray>> m_saved;
};

// The whole contents of a file, or "<missing>" when it cannot be read (so a comparison fails readably).
QByteArray readFile(const QString& path);

// The source tree's root, for test data and the server scripts under tests/support.
QString sourceDir();

} // namespace ondrix::test
