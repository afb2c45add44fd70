#include "transfer/CaBundle.h"

#include <QFile>
#include <QFileInfo>

namespace ondrix {

namespace {

bool isFile(const QByteArray& path)
{
    return !path.isEmpty() && QFileInfo(QFile::decodeName(path)).isFile();
}

} // namespace

QByteArray caBundleFromEnvironment()
{
    for (const char* variable : {"CURL_CA_BUNDLE", "SSL_CERT_FILE"}) {
        const QByteArray value = qgetenv(variable);
        if (isFile(value)) {
            return value;
        }
    }
    return {};
}

QByteArray caBundleFor(CURL* easy)
{
    QByteArray bundle = caBundleFromEnvironment();
    if (!bundle.isEmpty()) {
        return bundle;
    }
    char* builtIn = nullptr;
    if (easy != nullptr && curl_easy_getinfo(easy, CURLINFO_CAINFO, &builtIn) == CURLE_OK &&
        builtIn != nullptr && isFile(QByteArray(builtIn))) {
        return QByteArray(builtIn);
    }
    return {};
}

} // namespace ondrix
