#include "transport/CurlHandles.h"

#include <mutex>

bool InitializeCurlOnce()
{
    static std::once_flag once;
    static CURLcode result = CURLE_FAILED_INIT;
    std::call_once(once, [] { result = ::curl_global_init(CURL_GLOBAL_DEFAULT); });
    return result == CURLE_OK;
}
