#pragma once

#include "platform/ErrorCode.h"
#include "transport/Stream.h"

#include <cstdint>
#include <memory>

// What the HTTP client made of one request: the code of a failed send, or
// the raw response headers followed by the body.
class HttpResponse {
public:
    ErrorCode code { 0 };
    std::uint32_t bodyOffset { 0 }; // 0 until GetBody has found it
    std::unique_ptr<Stream> stream;
};

// The outcome of a response as one code: the send's failure when there was
// one; 65535 without response text or without a readable status line; 0 for
// an HTTP status from 200 to 299; otherwise the status itself (404, 500...).
// Informational responses (1xx) before the final one are skipped.
ErrorCode GetStatus(HttpResponse& response);

// The response stream positioned at the body (still owned by the response);
// null without a stream or when the headers never end.
Stream* GetBody(HttpResponse& response);
