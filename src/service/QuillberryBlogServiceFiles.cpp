#include "model/CWinBlogChannels.h"
#include "service/QuillberryBlogService.h"
#include "service/ResponseFields.h"
#include "service/ServiceProgress.h"
#include "transport/ServiceHost.h"
#include "transport/XmlReader.h"

// The plain files the service host publishes beside its SOAP service, and
// the list of recommended blogs read from one of them.

namespace {

constexpr std::string_view kChannelsFilePath = "/Downloads/messages/ppc/VellumbrixChannels.txt";
// The channel text is read in one buffer of 30 KB (and the NUL).
constexpr std::uint32_t kChannelTextSize = 30720 + 1;

}

ServiceReply QuillberryBlogService::GetServiceFile(std::string_view path, ProgressCallback callback, void* context)
{
    m_progressCallback = callback;
    m_progressContext = context;
    HttpRequest request;
    if (!PrepareGet(request, ServiceAddress(path), callback, context))
        return ServiceReply::Failure(Error::NotEnoughMemory);
    return SendAndCheck(request, false);
}

bool QuillberryBlogService::PrepareGet(HttpRequest& request, const WebAddress& where, ProgressCallback callback, void* context)
{
    request.method = "GET";
    AimRequest(request, where);
    request.progressCallback = callback;
    request.progressContext = context;
    return request.AddHeader(m_http.MakeUserAgentHeader());
}

ErrorCode QuillberryBlogService::GetChannels(std::string& text, std::uint32_t size, ProgressCallback callback, void* context)
{
    if (!ReportStep(callback, context, ProgressStep::GettingChannels))
        return Error::Cancelled;
    ServiceReply reply = GetServiceFile(kChannelsFilePath, callback, context);
    if (!reply.IsSuccess())
        return reply.Code();
    Stream* body = reply.Body();
    if (!body)
        return Error::NoResponse;
    // The first element whose name begins with "CHAN"; the file may hold
    // anything else around it.
    if (FindText(*body, "<CHAN"))
        ResponseFieldReader(*body).Value(size, text);
    return Error::Success;
}

ErrorCode QuillberryBlogService::GetChannelList(CWinBlogChannels& channels, ProgressCallback callback, void* context)
{
    channels.RemoveAll();
    std::string text;
    ErrorCode code = GetChannels(text, kChannelTextSize, callback, context);
    if (code == Error::Success)
        channels.Parse(text);
    return code;
}
