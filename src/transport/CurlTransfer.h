#pragma once

#include "platform/ErrorCode.h"
#include "transport/CurlHandles.h"
#include "transport/HttpRequest.h"
#include "transport/LargeStream.h"
#include "transport/TrustedCertificates.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// How far the current (or last) request got.
struct TransferCounters {
    std::uint64_t bodyBytesSent { 0 };
    // How many times libcurl took body bytes: each is one buffer of
    // several pieces, written to the socket together.
    std::uint64_t bodyHandOvers { 0 };
    std::uint64_t responseBytesReceived { 0 };
};

struct TransferSettings {
    std::chrono::milliseconds connectTimeout { 30000 };
    // A transfer that moves no byte for this long has timed out.
    std::chrono::seconds stallTimeout { 60 };
};

// One request sent through libcurl, keeping the client's rules: the header
// lines come from the request text; the body goes up in pieces of 2048
// bytes (the last one shorter), several of them filling each of libcurl's
// upload buffers; the progress callback is asked before the request, after
// every header byte and every body piece, before every piece of the response
// that is stored, and every 100 ms while nothing happens; a "no" ends the
// request with 1223 within one piece. The raw response headers followed by
// the body land in a temporary-file stream.
class CurlTransfer {
public:
    static constexpr std::uint32_t kPieceSize = 2048;

    CurlTransfer(CURLM* multi, CURL* easy, HttpRequest& request, const TransferSettings& settings, TransferCounters& counters);

    // An HTTPS request trusts these as well as the system's store; they
    // must outlive Run.
    void TrustAlso(const TrustedCertificates* trusted) { m_trusted = trusted; }

    // Runs the request; on success `responseText` receives the response.
    ErrorCode Run(std::unique_ptr<Stream>& responseText);

private:
    bool Poll();
    ErrorCode ReadRequestText();
    ErrorCode Configure();
    ErrorCode Perform();

    // Copies the next `length` bytes of the body, across the stream's
    // blocks; false when the stream ends early.
    bool CopyBody(char* destination, std::uint32_t length);

    static std::size_t ReadBody(char* buffer, std::size_t size, std::size_t count, void* self);
    static std::size_t WriteHeader(char* data, std::size_t size, std::size_t count, void* self);
    static std::size_t WriteBody(char* data, std::size_t size, std::size_t count, void* self);

    CURLM* m_multi;
    CURL* m_easy;
    HttpRequest& m_request;
    TransferSettings m_settings;
    TransferCounters& m_counters;
    const TrustedCertificates* m_trusted { nullptr };

    std::unique_ptr<Stream> m_requestText;
    std::vector<std::string> m_headerLines;
    CurlHeaderList m_headerList;
    std::string m_url;
    std::uint32_t m_bodyRemaining { 0 };
    const std::uint8_t* m_chunk { nullptr };
    std::uint32_t m_chunkLength { 0 };
    std::unique_ptr<LargeStream> m_response;
    // Set by a callback that ends the transfer: 1223, 14 or a read fault.
    ErrorCode m_failure { 0 };
    std::chrono::steady_clock::time_point m_lastPoll;
};
