#include "transfer/CurlGlobal.h"

#include <curl/curl.h>

#include <mutex>

namespace ondrix {

void ensureCurlInitialized()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_ALL); });
}

} // namespace ondrix
