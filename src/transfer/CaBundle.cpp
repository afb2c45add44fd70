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
    // Asked for every FTPS upload, and the answer hardly ever changes: the thread keeps its last one for
    // as long as the environment names the same files, instead of looking at the file system each time.
    struct Answer {
        bool valid = false;
        QByteArray curlCaBundle;
        QByteArray sslCertFile;
        QByteArray bundle;
    };
    thread_local Answer last;
    const QByteArray curlCaBundle = qgetenv("CURL_CA_BUNDLE");
    const QByteArray sslCertFile = qgetenv("SSL_CERT_FILE");
    if (last.valid && last.curlCaBundle == curlCaBundle && last.sslCertFile == sslCertFile) {
        return last.bundle;
    }
    QByteArray bundle = caBundleFromEnvironment();
    char* builtIn = nullptr;
    if (bundle.isEmpty() && easy != nullptr &&
        curl_easy_getinfo(easy, CURLINFO_CAINFO, &builtIn) == CURLE_OK && builtIn != nullptr &&
        isFile(QByteArray(builtIn))) {
        bundle = QByteArray(builtIn);
    }
    if (easy != nullptr) {
        last = Answer{true, curlCaBundle, sslCertFile, bundle};
    }
    return bundle;
}

} // namespace ondrix
