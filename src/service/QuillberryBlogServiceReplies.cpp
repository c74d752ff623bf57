#include "service/ChangesResponse.h"
#include "service/QuillberryBlogService.h"
#include "service/ServiceProgress.h"

// What the service's replies change, and the operations made of one
// request and its reply.

ErrorCode QuillberryBlogService::ProcessChanges(Stream& body, ProgressCallback callback, void* context)
{
    if (!m_store)
        return Error::InvalidParameter;
    ChangesProcessing processing { *m_store, m_http, m_sentTimestamp == 0, callback, context };
    auto timestamp = ProcessChangesResponse(body, processing);
    if (timestamp.IsError())
        return timestamp.GetError();
    if (timestamp->time != 0)
        m_receivedTimestamp = timestamp->time;
    return Error::Success;
}

void QuillberryBlogService::ApplyCategoryReply(BlogAlbum& category, Stream& body)
{
    if (m_store)
        ::ApplyCategoryReply(*m_store, category, body);
}

ErrorCode QuillberryBlogService::ApplyEntryReply(BlogEntry& entry, Stream& body, bool groupBlog)
{
    if (!m_store)
        return Error::InvalidParameter;
    return ::ApplyEntryReply(*m_store, entry, body, { m_account.userId, m_uploadSizeCode, groupBlog });
}

ErrorCode QuillberryBlogService::ApplyCommentReply(BlogComment& comment, Stream& body)
{
    return ::ApplyCommentReply(comment, body, m_account.userId);
}

void QuillberryBlogService::ApplyBlogSettingsReply(Stream& body)
{
    if (m_store)
        ::ApplyBlogSettingsReply(m_store->GetBlogInfo(), body);
}

ErrorCode QuillberryBlogService::SendPhotoEmail(std::uint32_t categoryId, std::uint32_t entryId, std::string_view recipients,
    std::string_view message, ProgressCallback callback, void* context)
{
    if (!ReportStep(callback, context, ProgressStep::SendingEmail))
        return Error::Cancelled;
    // The reply carries nothing beyond its error check.
    return SendPhotoEmailRequest(categoryId, entryId, recipients, message, callback, context).Code();
}

ErrorCode QuillberryBlogService::PostToRemoteBlog(std::uint32_t categoryId, std::uint32_t entryId, std::string_view remoteBlog,
    std::string_view title, std::string_view caption, ProgressCallback callback, void* context)
{
    if (!ReportStep(callback, context, ProgressStep::SendingBlogPost))
        return Error::Cancelled;
    return SendRemoteBlogPostRequest(categoryId, entryId, remoteBlog, title, caption, callback, context).Code();
}
