#include "support/TestEnvironment.h"

#include "support/TestServerProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <stdexcept>

namespace ondrix::test {

TestEnvironment::TestEnvironment()
{
    if (!m_dir.isValid()) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    for (const auto& [variable, folder] : {std::pair{"HOME", home()},
                                           {"XDG_CONFIG_HOME", configHome()},
                                           {"XDG_DATA_HOME", dataHome()},
                                           {"XDG_STATE_HOME", stateHome()},
                                           {"XDG_CACHE_HOME", cacheHome()}}) {
        QDir().mkpath(folder);
        setVariable(variable, folder);
    }
    QStandardPaths::setTestModeEnabled(false);
    setVariable("SSL_CERT_FILE", testCertificatePath(QStringLiteral("ca.pem")));
    setVariable("CURL_CA_BUNDLE", QString());
}

TestEnvironment::~TestEnvironment()
{
    // Newest first, so a variable set twice gets its original value back.
    for (auto it = m_saved.crbegin(); it != m_saved.crend(); ++it) {
        const auto& [name, value] = *it;
        if (value.isNull()) {
            qunsetenv(name.constData());
        } else {
            qputenv(name.constData(), value);
        }
    }
}

void TestEnvironment::setVariable(const char* name, const QString& value)
{
    m_saved.append({name, qgetenv(name)});
    qputenv(name, QFile::encodeName(value));
}

QString TestEnvironment::makeDir(const QString& relative) const
{
    const QString path = m_dir.filePath(relative);
    QDir().mkpath(path);
    return path;
}

QString TestEnvironment::writeFile(const QString& relative, const QByteArray& contents) const
{
    return writeFileAt(m_dir.filePath(relative), contents);
}

QString writeFileAt(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size()) {
        throw std::runtime_error("cannot write test file " + path.toStdString());
    }
    return path;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString sourceDir()
{
    const QByteArray fromCtest = qgetenv("ONDRIX_SOURCE_DIR");
    return fromCtest.isEmpty() ? QStringLiteral(ONDRIX_TEST_SOURCE_DIR) : QFile::decodeName(fromCtest);
}

} // namespace ondrix::test
