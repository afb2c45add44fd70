#pragma once

#include <QString>
#include <QTemporaryDir>

namespace ondrix::test {

// A private temporary home for one test: HOME and the XDG folders point into it while the object lives, and
// the test CA of the loopback servers is trusted. The previous values come back on destruction.
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

    void setVariable(const char* name, const QString& value);

    // Create (with parents) below the root and return the absolute path.
    QString makeDir(const QString& relative) const;
    QString writeFile(const QString& relative, const QByteArray& contents) const;

private:
    QTemporaryDir m_dir;
    QList<QPair<QByteArray, QByteArray>> m_saved;
};

// The whole contents of a file, or "<missing>" when it cannot be read (so a comparison fails readably).
QByteArray readFile(const QString& path);
// Writes a file (parents created) and returns its path; throws std::runtime_error when it cannot.
QString writeFileAt(const QString& path, const QByteArray& contents);

// The source tree's root, for test data and the server scripts under tests/support.
QString sourceDir();

} // namespace ondrix::test
