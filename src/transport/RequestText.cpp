#include "transport/RequestText.h"

#include "transport/CompoundStream.h"
#include "transport/StreamFactories.h"
#include "transport/StreamUtilities.h"

#include <new>
#include <string>

namespace {

std::string HostLineValue(const HttpRequest& request)
{
    std::uint16_t defaultPort = request.secure ? 443 : 80;
    if (request.port == defaultPort)
        return request.host;
    // An IPv6 address needs brackets before a port can follow it.
    bool bracket = request.host.find(':') != std::string::npos && request.host.front() != '[';
    std::string host = bracket ? "[" + request.host + "]" : request.host;
    return host + ":" + std::to_string(request.port);
}

std::string HeaderText(const HttpRequest& request, std::uint32_t contentLength)
{
    std::string text;
    text += request.method;
    text += " ";
    text += request.path.empty() ? "/" : request.path;
    text += " HTTP/";
    text += request.httpVersion.value_or("1.1");
    text += "\r\nHost: ";
    text += HostLineValue(request);
    text += "\r\nContent-Type: ";
    text += request.contentType.value_or("text");
    text += "\r\nContent-Length: ";
    text += std::to_string(contentLength);
    text += "\r\n";
    return text;
}

}

std::unique_ptr<Stream> MakeRequestText(HttpRequest& request)
{
    std::uint32_t contentLength = request.body ? request.body->GetLength() : 0;
    auto headers = CreateMemoryStream();
    if (!headers || !WriteText(*headers, HeaderText(request, contentLength)))
        return nullptr;
    for (auto& header : request.extraHeaders) {
        if (!header)
            continue;
        header->Seek(0);
        if (!CopyStream(*headers, *header) || !WriteText(*headers, "\r\n"))
            return nullptr;
    }
    if (!WriteText(*headers, "\r\n"))
        return nullptr;
    if (!request.body) {
        headers->Seek(0);
        return headers;
    }
    std::unique_ptr<Stream> text(new (std::nothrow) CompoundStream(std::move(headers), std::move(request.body)));
    return text;
}
