#include "model/BlogIds.h"
#include "model/CWinBlogUser.h"
#include "platform/CodePage.h"
#include "service/BlogExchange.h"
#include "service/QuillberryBlogService.h"
#include "service/ServerErrors.h"
#include "service/ServiceProgress.h"
#include "service/UserInfoReply.h"

// The operations of the sync that send one record or the account, and the
// exchange of a whole blog (BlogExchange).

ErrorCode QuillberryBlogService::GetUserInfo(CWinBlogUser& user, ProgressCallback callback, void* context)
{
    SetProgress(callback, context);
    if (!ReportStep(callback, context, ProgressStep::Synchronizing))
        return Error::Cancelled;
    // Without a login there is no account to ask about.
    if (user.GetEmail().empty() || user.GetPassword().empty())
        return Error::Success;
    SetAccount(user.GetEmail(), user.GetPassword(), user.GetUserId(), "", "");
    ServiceReply reply = RequestUserInfo(callback, context);
    if (!reply.IsSuccess())
        return reply.Code();
    Stream* body = reply.Body();
    if (!body)
        return Error::NoResponse;
    auto account = ReadUserInfoReply(*body);
    if (account.IsError())
        return account.GetError();

    ErrorCode result = Error::Success;
    if (user.ReconcileAccount(*account)) {
        std::vector<std::string> urlNames;
        for (const std::u16string& name : user.GetBlogUrlNames())
            urlNames.push_back(Utf16ToUtf8(name));
        SetAccount(user.GetEmail(), user.GetPassword(), user.GetUserId(), "", "");
        result = SendSubscriptions(urlNames, callback, context).Code();
    }
    // Whatever became of the repair, the account as it now stands is kept;
    // a failed save has shown message 6002.
    if (user.Save() != Error::Success && result == Error::Success)
        result = Error::AlreadyReported;
    return result;
}

ErrorCode QuillberryBlogService::SyncChanges(ProgressCallback callback, void* context)
{
    if (!m_store)
        return Error::InvalidParameter;
    SetProgress(callback, context);
    return BlogExchange(*this, *m_store, callback, context).Run();
}

ErrorCode QuillberryBlogService::StoreEntry(BlogEntry& entry, ProgressCallback callback, void* context, bool groupBlog)
{
    return StoreEntry(entry, callback, context, groupBlog, 0, 0);
}

ErrorCode QuillberryBlogService::StoreEntry(BlogEntry& entry, ProgressCallback callback, void* context, bool groupBlog, std::uint16_t done,
    std::uint16_t total)
{
    if (!m_store)
        return Error::InvalidParameter;
    SetProgress(callback, context);
    for (bool movedToUnfiled = false;;) {
        if (!ReportStep(callback, context, ProgressStep::StoringEntry, entry.GetTitle().c_str(), done, total))
            return Error::Cancelled;
        ServiceReply reply = SendEntry(entry, callback, context);
        if (reply.IsSuccess()) {
            Stream* body = reply.Body();
            if (!body)
                return Error::NoResponse;
            if (ErrorCode error = ApplyEntryReply(entry, *body, groupBlog))
                return error;
            return SaveStore();
        }
        ErrorCode code = reply.Code();
        bool categoryGone = code == ServerError::CategoryMissing || code == ServerError::SomeCategoryMissing;
        if (code == ServerError::NoPermissionToEditPicture || code == ServerError::PictureMissing) {
            // Shown already. The change stays here until the whole blog
            // comes down again and shows what the web holds.
            entry.SetPending(false);
            m_store->SetDownloadStamp(0);
            return SaveStore();
        }
        if (categoryGone && !movedToUnfiled && entry.GetCategoryId() != BlogIds::Unfiled) {
            // The category went from the web; the entry goes out filed
            // nowhere rather than not at all.
            entry.SetCategoryId(BlogIds::Unfiled);
            if (ErrorCode saved = SaveStore())
                return saved;
            movedToUnfiled = true;
            continue;
        }
        return categoryGone ? Error::AlreadyReported : code;
    }
}

ErrorCode QuillberryBlogService::StoreComment(BlogComment& comment, ProgressCallback callback, void* context)
{
    return StoreComment(comment, callback, context, 0, 0);
}

ErrorCode QuillberryBlogService::StoreComment(BlogComment& comment, ProgressCallback callback, void* context, std::uint16_t done,
    std::uint16_t total)
{
    if (!m_store)
        return Error::InvalidParameter;
    SetProgress(callback, context);
    if (!ReportStep(callback, context, ProgressStep::StoringComment, nullptr, done, total))
        return Error::Cancelled;
    ServiceReply reply = SendComment(comment, callback, context);
    if (reply.IsSuccess()) {
        Stream* body = reply.Body();
        if (!body)
            return Error::NoResponse;
        if (ErrorCode error = ApplyCommentReply(comment, *body))
            return error;
        return SaveStore();
    }
    ErrorCode code = reply.Code();
    if (code == ServerError::NoPermissionToEditComment || code == ServerError::CommentMissing) {
        comment.SetPending(false);
        m_store->SetDownloadStamp(0);
        return SaveStore();
    }
    if (code == ServerError::EntryMissing) {
        // Its entry is gone from the web: the comment can go nowhere.
        m_store->DeleteComment(comment, true);
        return SaveStore();
    }
    return code;
}
