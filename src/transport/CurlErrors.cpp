#include "transport/CurlErrors.h"

ErrorCode ErrorCodeFromCurl(CURLcode result)
{
    switch (result) {
    case CURLE_OK:
        return Error::Success;
    case CURLE_OPERATION_TIMEDOUT:
        return Error::NetworkTimeout;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
        return Error::NetworkDnsFailure;
    case CURLE_COULDNT_CONNECT:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
        return Error::NetworkNotConnected;
    case CURLE_ABORTED_BY_CALLBACK:
        return Error::Cancelled;
    case CURLE_OUT_OF_MEMORY:
        return Error::NotEnoughMemory;
    default:
        return Error::NetworkInternal;
    }
}
