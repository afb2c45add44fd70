#pragma once

namespace ondrix {

// Initialises libcurl for the whole process (curl_global_init with CURL_GLOBAL_ALL) the first time it is
// called; later calls return at once. Safe from any thread; every transfer object calls it on construction.
void ensureCurlInitialized();

} // namespace ondrix
