#pragma once

#include "platform/ErrorCode.h"
#include "transport/HttpResponse.h"

#include <memory>

// What one request to the service came back with: the response, to be read
// by the caller, or the code that says why there is none. A code that came
// from the server's error text is marked as such; every other code is the
// transport's, an HTTP status, or the client's own (a missing photo, a
// failed permission check turned into the server's code).
class [[nodiscard]] ServiceReply {
public:
    static ServiceReply Success(std::unique_ptr<HttpResponse> response)
    {
        ServiceReply reply;
        reply.m_response = std::move(response);
        return reply;
    }
    static ServiceReply Failure(ErrorCode code, bool fromServer = false)
    {
        ServiceReply reply;
        reply.m_code = code;
        reply.m_fromServer = fromServer;
        return reply;
    }

    ErrorCode Code() const { return m_code; }
    bool IsSuccess() const { return m_code == Error::Success; }
    // Whether the code came from the server's error text.
    bool IsServerError() const { return m_fromServer; }

    // The response of a successful request; its body stream starts right
    // after the HTTP headers (Body() seeks there each time).
    HttpResponse* Response() const { return m_response.get(); }
    Stream* Body() const { return m_response ? GetBody(*m_response) : nullptr; }

private:
    ServiceReply() = default;

    ErrorCode m_code { Error::Success };
    bool m_fromServer { false };
    std::unique_ptr<HttpResponse> m_response;
};
