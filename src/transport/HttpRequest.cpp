#include "transport/HttpRequest.h"

#include "transport/StreamFactories.h"
#include "transport/StreamUtilities.h"

bool HttpRequest::AddHeader(std::unique_ptr<Stream> header)
{
    if (!header)
        return false;
    for (auto& slot : extraHeaders) {
        if (!slot) {
            slot = std::move(header);
            return true;
        }
    }
    return false;
}

bool HttpRequest::AddHeaderLine(std::string_view line)
{
    auto stream = CreateMemoryStream();
    if (!stream || !WriteText(*stream, line))
        return false;
    return AddHeader(std::move(stream));
}
