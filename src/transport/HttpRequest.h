#pragma once

#include "transport/Progress.h"
#include "transport/Stream.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// One request to the HTTP client. Owns its texts and streams.
struct HttpRequest {
    static constexpr std::size_t kMaxExtraHeaders = 4;

    std::string method { "GET" };
    std::optional<std::string> httpVersion; // none means "1.1"
    std::uint16_t secure { 0 };             // 1 asks for HTTPS
    std::string host;                       // the name to connect to, without port
    std::uint16_t port { 80 };
    std::string path; // empty means "/"
    // Each holds one header line without its CR LF.
    std::array<std::unique_ptr<Stream>, kMaxExtraHeaders> extraHeaders;
    std::optional<std::string> contentType; // none means "text"
    std::unique_ptr<Stream> body;
    // Without a callback the request is never cancelled.
    ProgressCallback progressCallback { nullptr };
    void* progressContext { nullptr };

    // Keeps the header stream in the first free slot; false (and the stream
    // is dropped) when all are taken.
    bool AddHeader(std::unique_ptr<Stream> header);
    // The same for a header line given as text.
    bool AddHeaderLine(std::string_view line);

    bool PollProgress() const { return ::PollProgress(progressCallback, progressContext); }
};
