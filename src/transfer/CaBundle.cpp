#include "transfer/CaBundle.h"

#include <QFile>
#include <QFileInfo>

namespace ondrix {

QByteArray caBundleFromEnvironment()
{
    for (const char* variable : {"CURL_CA_BUNDLE", "SSL_CERT_FILE"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty() && QFileInfo(QFile::decodeName(value)).isFile()) {
            return value;
        }
    }
    return {};
}

} // namespace ondrix
