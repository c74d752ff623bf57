#pragma once

#include "transport/CurlHandles.h"
#include "transport/CurlTransfer.h"
#include "transport/Http.h"
#include "transport/TrustedCertificates.h"

#include <optional>

// The program's HTTP client on this machine, over libcurl.
//
// Between Open and Close one libcurl handle keeps up to 5 connections open
// for reuse; when a sixth host and port is needed, the connection that has
// been idle longest is closed. See CurlTransfer for how one request runs.
class CurlHttp final : public Http {
public:
    static constexpr long kMaxCachedConnections = 5;

    CurlHttp() = default;
    ~CurlHttp() override;

    std::unique_ptr<HttpResponse> Send(HttpRequest& request) override;
    // "User-Agent: WinCE-PocketPC " with the program file's name and its
    // version (each cut to 30 characters).
    std::unique_ptr<Stream> MakeUserAgentHeader() override;
    bool Open(int flag) override;
    void Close(int flag) override;
    bool IsCancelCode(ErrorCode code) const override { return code == Error::Cancelled; }
    bool IsFailureCode(ErrorCode code) const override { return code != Error::Success && code != Error::Cancelled; }

    bool IsOpen() const { return m_easy != nullptr; }
    ErrorCode GetLastError() const { return m_lastError; }
    void SetTransferSettings(const TransferSettings& settings) { m_settings = settings; }
    // Progress of the request being sent (or the last one): body bytes
    // handed to the connection, response bytes stored.
    const TransferCounters& Counters() const { return m_counters; }

private:
    // The certificates of the "Service CA File" preference, when it names
    // one; 4691 when it names a file that holds none.
    [[nodiscard]] static ErrorCode LoadServiceTrust(std::optional<TrustedCertificates>& trusted);

    ErrorCode m_lastError { 0 };
    CurlMultiHandle m_multi;
    CurlEasyHandle m_easy;
    TransferSettings m_settings;
    TransferCounters m_counters;
};
