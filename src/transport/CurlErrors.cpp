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
    // Over HTTPS: a certificate for another name, by an unknown signer or
    // out of date, or no store of trusted certificates to check it with.
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_CACERT_BADFILE:
        return Error::NetworkCertificateNotTrusted;
    case CURLE_ABORTED_BY_CALLBACK:
        return Error::Cancelled;
    case CURLE_OUT_OF_MEMORY:
        return Error::NotEnoughMemory;
    default:
        return Error::NetworkInternal;
    }
}
