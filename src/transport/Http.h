#pragma once

#include "platform/Clock.h"
#include "platform/ErrorCode.h"
#include "transport/HttpRequest.h"
#include "transport/HttpResponse.h"

#include <memory>
#include <string>
#include <string_view>

// The program's HTTP client as the rest of the program sees it. Besides
// sending requests it is the service's clock and its source of nonces.
class Http {
public:
    static constexpr std::size_t kNonceLength = 31;

    virtual ~Http() = default;
    Http(const Http&) = delete;
    Http& operator=(const Http&) = delete;

    // Sends the request and reads its response. Null only when not even an
    // empty response could be made (the last error is then 8). The response
    // carries the code of a failed send, or the response text.
    virtual std::unique_ptr<HttpResponse> Send(HttpRequest& request) = 0;
    // A new stream holding the "User-Agent" header line (no CR LF).
    virtual std::unique_ptr<Stream> MakeUserAgentHeader() = 0;
    // Prepares the client for a network command; callers pass 1. When it
    // fails the caller shows string 8500.
    virtual bool Open(int flag) = 0;
    // Closes every cached connection.
    virtual void Close(int flag) = 0;

    // 31 random letters and digits, drawn from the operating system's
    // random source: a nonce that could be predicted would weaken the
    // digest it goes into.
    virtual std::string MakeNonce();

    // 1223: the user cancelled.
    virtual bool IsCancelCode(ErrorCode code) const = 0;
    // Neither success nor a cancel.
    virtual bool IsFailureCode(ErrorCode code) const = 0;

    virtual ProgramTime GetCurrentSeconds();
    // 2082844800, the seconds from 1904-01-01 to 1970-01-01.
    virtual std::uint32_t GetSecondsFrom1904To1970();
    // The C library's time-zone offset: seconds west of UTC, standard time.
    virtual std::int32_t GetTimeZoneOffset();
    virtual std::string FormatTime(ProgramTime time, bool utc);
    virtual ProgramTime ParseTime(std::string_view text);

protected:
    Http() = default;
};
