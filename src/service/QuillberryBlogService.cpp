#include "service/QuillberryBlogService.h"

#include "app/ErrorTable.h"
#include "app/ServiceHostSetting.h"
#include "service/ServerErrorText.h"
#include "service/ServerErrors.h"
#include "service/ServiceProgress.h"
#include "service/StoreErrorReport.h"
#include "transport/ServiceHost.h"
#include "transport/StreamFactories.h"

#include <algorithm>
#include <new>

QuillberryBlogService::QuillberryBlogService(Http& http)
    : m_http(http)
    , m_writer(http)
{
}

std::string QuillberryBlogService::ServiceHost() const
{
    return ServiceHostText();
}

bool QuillberryBlogService::CheckServerError(Stream& body, ErrorCode& code)
{
    if (code != Error::Success)
        return false;
    std::optional<std::string> text = ReadServerErrorText(body);
    m_writer.SetServerErrorText(text.value_or(std::string()));
    if (!text)
        return true;
    code = ServerErrorCodeForText(*text).value_or(Error::Success);
    if (code == ServerError::PictureLimitReached && m_store) {
        const CBlogInfo& blog = m_store->GetBlogInfo();
        if (blog.GetGroupBlog() && blog.GetOwnerId() != m_account.userId)
            code = ServerError::GroupBlogPictureLimitReached;
    }
    return true;
}

const std::string& QuillberryBlogService::FormatUrl(std::string text)
{
    m_url = std::move(text);
    return m_url;
}

const std::string& QuillberryBlogService::GetBlogURL()
{
    return FormatUrl(ReadServiceHostSetting().Origin() + "/" + m_account.blogUrlName);
}

const std::string& QuillberryBlogService::GetBlogAllCategoriesURL()
{
    return FormatUrl(ReadServiceHostSetting().Origin() + "/" + m_account.blogUrlName + "/?albumid=0");
}

const std::string& QuillberryBlogService::GetEntryPreviewURL(std::uint32_t entryId)
{
    // The id is printed as the signed number the service has always read.
    return FormatUrl(ReadServiceHostSetting().Origin() + "/" + m_account.blogUrlName + "/?preview=" + std::to_string(static_cast<std::int32_t>(entryId)));
}

void QuillberryBlogService::SetAccount(std::string_view email, std::string_view password, std::uint32_t userId,
    std::string_view blogUrlName, std::string_view viewerPassword)
{
    m_account.email = email;
    m_account.password = password;
    m_account.userId = userId;
    m_account.blogUrlName = blogUrlName;
    m_account.viewerPassword = viewerPassword;
}

void QuillberryBlogService::SetPhotoSizes(std::uint16_t uploadSizeCode, std::uint16_t downloadSizeCode)
{
    m_uploadSizeCode = uploadSizeCode;
    m_downloadSizeCode = downloadSizeCode;
}

void QuillberryBlogService::SetTimestamp(ProgramTime timestamp)
{
    ProgramTime now = m_http.GetCurrentSeconds();
    if (timestamp < now && now - timestamp > kMaxTimestampAge)
        timestamp = 0;
    m_sentTimestamp = timestamp;
    m_receivedTimestamp = timestamp;
}

void QuillberryBlogService::ReportServerError(ErrorCode code)
{
    std::string text = m_store ? m_store->GetErrorText(code) : ErrorText(code);
    if (text.empty())
        text = m_writer.ServerErrorText();
    ShowStoreError(m_store, code, text, true);
}

ServiceReply QuillberryBlogService::Send(const ActionRules& rules, const Builder& build, ProgressCallback callback, void* context)
{
    m_progressCallback = callback;
    m_progressContext = context;
    std::unique_ptr<Stream> body;
    if (rules.largeBody)
        body = CreateTempStream();
    else
        body = CreateMemoryStream();
    if (!body)
        return ServiceReply::Failure(Error::NotEnoughMemory);
    HttpRequest request;
    request.progressCallback = callback;
    request.progressContext = context;

    // Over HTTPS too the envelope names the host as written, without scheme.
    WebAddress address = ServiceAddress(kServicePath);
    RequestContext requestContext { m_writer, address.host, m_account };
    if (ErrorCode error = build(requestContext, *body))
        return ServiceReply::Failure(error);

    request.method = "POST";
    AimRequest(request, address);
    if (!request.AddHeader(m_http.MakeUserAgentHeader()) || !request.AddHeaderLine(m_writer.SoapActionLine()))
        return ServiceReply::Failure(Error::NotEnoughMemory);
    request.contentType = "text/xml; charset=utf-8";
    request.body = std::move(body);

    if (rules.editCode && m_store && rules.mayNotEdit && rules.mayNotEdit(*m_store))
        return JudgeServerError(rules, *rules.editCode);
    if (rules.needsUserId && m_account.userId == 0)
        return JudgeServerError(rules, ServerError::InvalidAuthentication);

    ServiceReply reply = SendAndCheck(request, rules.checkServerError);
    if (reply.IsServerError())
        return JudgeServerError(rules, reply.Code());
    return reply;
}

ServiceReply QuillberryBlogService::SendAndCheck(HttpRequest& request, bool check)
{
    std::unique_ptr<HttpResponse> response = m_http.Send(request);
    if (!response) {
        ReportFailure(m_progressCallback, m_progressContext, Error::NotEnoughMemory, nullptr);
        return ServiceReply::Failure(Error::NotEnoughMemory);
    }
    ErrorCode code = GetStatus(*response);
    bool fromServer = false;
    if (check && code == Error::Success) {
        if (Stream* body = GetBody(*response)) {
            // The status was a success, so the check runs.
            (void)CheckServerError(*body, code);
            fromServer = code != Error::Success;
        } else {
            code = Error::NoResponse;
        }
    }
    if (code == Error::Success)
        return ServiceReply::Success(std::move(response));
    if (!fromServer)
        ReportFailure(m_progressCallback, m_progressContext, code, response.get());
    return ServiceReply::Failure(code, fromServer);
}

ServiceReply QuillberryBlogService::JudgeServerError(const ActionRules& rules, ErrorCode code)
{
    if (!rules.reportServerError)
        return ServiceReply::Failure(code, true);
    if (std::find(rules.finalRefusals.begin(), rules.finalRefusals.end(), code) != rules.finalRefusals.end()) {
        if (rules.quietFinalRefusals)
            return ServiceReply::Failure(code, true);
        ReportServerError(code);
        // The web holds another version of the record: the next changes
        // request brings all of the blog again.
        m_sentTimestamp = 0;
        m_receivedTimestamp = 0;
        return ServiceReply::Failure(code, true);
    }
    ReportServerError(code);
    if (rules.editCode && (code == *rules.editCode || code == rules.serverEditCode)) {
        // The change stays on the device; the whole blog comes down again
        // at the next changes request, so the device sees what the service
        // kept.
        m_sentTimestamp = 0;
        m_receivedTimestamp = 0;
        return ServiceReply::Failure(*rules.editCode, true);
    }
    return ServiceReply::Failure(Error::AlreadyReported, true);
}

ErrorCode QuillberryBlogService::SaveStore()
{
    if (!m_store)
        return Error::InvalidParameter;
    // A failed save shows message 6002 itself.
    return m_store->Save() == Error::Success ? Error::Success : Error::AlreadyReported;
}

void QuillberryBlogService::DeferStoreFlush()
{
    if (m_store)
        m_store->DeferFlushes();
}

ErrorCode QuillberryBlogService::FlushStore()
{
    if (!m_store)
        return Error::InvalidParameter;
    return m_store->FlushSaves() == Error::Success ? Error::Success : Error::AlreadyReported;
}
