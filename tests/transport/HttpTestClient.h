#pragma once

#include "support/HttpTestServer.h"
#include "transport/CurlHttp.h"
#include "transport/StreamFactories.h"
#include "transport/StreamUtilities.h"

#include <functional>
#include <string>
#include <vector>

// A progress callback for tests: logs how far the client had got at every
// poll and cancels when told to.
struct ProgressLog {
    explicit ProgressLog(CurlHttp& client)
        : http(&client)
    {
    }

    CurlHttp* http;
    std::vector<std::uint64_t> sentAtPoll;
    std::vector<std::uint64_t> receivedAtPoll;
    std::function<bool(const ProgressLog&)> cancelWhen;

    static bool Callback(void* context, const ProgressRecord*, int)
    {
        auto& log = *static_cast<ProgressLog*>(context);
        log.sentAtPoll.push_back(log.http->Counters().bodyBytesSent);
        log.receivedAtPoll.push_back(log.http->Counters().responseBytesReceived);
        return !(log.cancelWhen && log.cancelWhen(log));
    }

    // The sizes of the body pieces, as the polls after them saw them.
    std::vector<std::uint64_t> Pieces() const
    {
        std::vector<std::uint64_t> pieces;
        for (std::size_t i = 1; i < sentAtPoll.size(); ++i) {
            if (sentAtPoll[i] != sentAtPoll[i - 1])
                pieces.push_back(sentAtPoll[i] - sentAtPoll[i - 1]);
        }
        return pieces;
    }
};

inline HttpRequest MakeRequest(const HttpTestServer& server, const std::string& method, const std::string& path)
{
    HttpRequest request;
    request.method = method;
    request.host = server.Address();
    request.port = server.Port();
    request.path = path;
    return request;
}

inline HttpRequest MakePost(const HttpTestServer& server, const std::string& body, ProgressLog* log = nullptr)
{
    HttpRequest request = MakeRequest(server, "POST", "/ws/");
    request.contentType = "text/xml; charset=utf-8";
    request.body = CreateMemoryStream();
    WriteText(*request.body, body);
    if (log) {
        request.progressCallback = &ProgressLog::Callback;
        request.progressContext = log;
    }
    return request;
}
