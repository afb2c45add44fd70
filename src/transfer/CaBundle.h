#pragma once

#include <QByteArray>

namespace ondrix {

// The CA bundle the user chose through the environment, as the curl tool and OpenSSL programs honour it:
// CURL_CA_BUNDLE, else SSL_CERT_FILE, when it names an existing file; empty otherwise (libcurl's built-in
// system store is then used). Certificates are verified either way.
QByteArray caBundleFromEnvironment();

} // namespace ondrix
