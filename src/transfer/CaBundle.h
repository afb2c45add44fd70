#pragma once

#include <QByteArray>

#include <curl/curl.h>

namespace ondrix {

// The CA bundle the user chose through the environment, as the curl tool and OpenSSL programs honour it:
// CURL_CA_BUNDLE, else SSL_CERT_FILE, when it names an existing file; empty otherwise (libcurl's built-in
// system store is then used). Certificates are verified either way.
QByteArray caBundleFromEnvironment();

// The one file of CA certificates TLS connections of `easy` are verified against: the environment's
// bundle, else libcurl's built-in bundle when that file exists; empty when there is neither (libcurl's
// built-in CA folder alone is then used). Whether a file exists is looked at once per thread for as long as
// the environment variables keep their values.
QByteArray caBundleFor(CURL* easy);

} // namespace ondrix
