#include "service/DialogSends.h"

#include "app/ErrorTable.h"
#include "app/Messages.h"
#include "model/CWinBlogUser.h"
#include "service/ProgressWindowCallback.h"
#include "service/ServiceProgress.h"
#include "transport/Http.h"

namespace {

constexpr StringId kCancelledMessage = 7998;
constexpr StringId kNoConnectionMessage = 8500;

// Shows what nobody has shown yet: the cancel, or any failure other than
// one already reported. Answers 0 or 10201.
ErrorCode Concluded(ErrorCode code)
{
    if (code == Error::Success || code == Error::AlreadyReported)
        return code;
    if (code == Error::Cancelled)
        ShowStringMessage(kCancelledMessage, MessageIcon::Information);
    else
        ShowError(code);
    return Error::AlreadyReported;
}

}

DialogSends::DialogSends(Http& http)
    : m_http(http)
    , m_service(http)
{
}

template<typename Request>
ErrorCode DialogSends::Run(CWinBlogStorage& store, const CWinBlogUser& user, ProgressWindow& progress, Request request)
{
    if (!m_http.Open(1)) {
        ShowStringMessage(kNoConnectionMessage, MessageIcon::Error);
        return Error::AlreadyReported;
    }
    const CBlogInfo& blog = store.GetBlogInfo();
    ProgressWindowCallback window(&progress, blog.GetUrlName());
    m_service.SetStore(&store);
    m_service.SetAccount(user.GetEmail(), user.GetPassword(), user.GetUserId(), blog.GetUrlName(), blog.GetViewPassword());
    ErrorCode code = request(window.Callback(), window.Context());
    m_http.Close(1);
    m_service.SetStore(nullptr);
    return Concluded(code);
}

ErrorCode DialogSends::SendComment(BlogComment& comment, ProgressCallback callback, void* context)
{
    if (!ReportStep(callback, context, ProgressStep::StoringComment))
        return Error::Cancelled;
    ServiceReply reply = m_service.SendComment(comment, callback, context);
    // A refusal has been shown as the server wrote it; the comment stays
    // pending, and the next sync settles it with the service.
    if (reply.IsServerError())
        return Error::AlreadyReported;
    if (!reply.IsSuccess())
        return reply.Code();
    Stream* body = reply.Body();
    if (!body)
        return Error::NoResponse;
    if (ErrorCode code = m_service.ApplyCommentReply(comment, *body))
        return code;
    CWinBlogStorage* store = m_service.GetStore();
    // A store that cannot be saved says so itself (message 6002).
    return store->Save() == Error::Success ? Error::Success : Error::AlreadyReported;
}

ErrorCode DialogSends::StoreComment(CWinBlogStorage& store, const CWinBlogUser& user, BlogComment& comment, ProgressWindow& progress)
{
    return Run(store, user, progress, [&](ProgressCallback callback, void* context) { return SendComment(comment, callback, context); });
}

ErrorCode DialogSends::SendPhotoEmail(CWinBlogStorage& store, const CWinBlogUser& user, std::uint32_t categoryId, std::uint32_t entryId,
    std::string_view recipients, std::string_view message, ProgressWindow& progress)
{
    return Run(store, user, progress, [&](ProgressCallback callback, void* context) {
        return m_service.SendPhotoEmail(categoryId, entryId, recipients, message, callback, context);
    });
}

ErrorCode DialogSends::PostToRemoteBlog(CWinBlogStorage& store, const CWinBlogUser& user, std::uint32_t categoryId, std::uint32_t entryId,
    std::string_view remoteBlog, std::string_view title, std::string_view text, ProgressWindow& progress)
{
    return Run(store, user, progress, [&](ProgressCallback callback, void* context) {
        return m_service.PostToRemoteBlog(categoryId, entryId, remoteBlog, title, text, callback, context);
    });
}
