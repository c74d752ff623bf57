#include "service/DownloadedPhoto.h"
#include "service/QuillberryBlogService.h"
#include "service/ServerErrors.h"

// The changes request of the sync and what follows it: the viewer
// password, the trim to the entry limit.

namespace {

// Keeps the first `limit` entries in store order with their comments;
// the others go, with their comments, unless the store must keep them
// (pending, or never sent). A photo the sync downloaded for an entry that
// goes, goes with it; the user's own photos stay.
void TrimToEntryLimit(CWinBlogStorage& store)
{
    std::uint32_t limit = store.GetEffectiveEntryLimit();
    const auto& entries = store.GetEntries();
    if (limit >= CBlogInfo::kUnlimitedEntries || entries.GetSize() <= limit)
        return;
    store.MarkAllEntriesUnconfirmed();
    store.MarkAllCommentsUnconfirmed();
    for (std::size_t i = 0; i < limit; ++i) {
        BlogEntry& entry = *entries.GetAt(i);
        store.ConfirmEntry(entry);
        store.ConfirmCommentsOfEntry(entry.GetServerId());
    }
    const std::string& urlName = store.GetBlogInfo().GetUrlName();
    for (std::size_t i = limit; i < entries.GetSize(); ++i) {
        BlogEntry& entry = *entries.GetAt(i);
        if (entry.GetServerId() != 0 && !entry.IsPending() && IsDownloadedPhoto(entry, urlName)) {
            // A copy that cannot be deleted stays behind; the entry goes.
            (void)entry.PurgePhoto(false);
        }
    }
    store.SweepEntries();
    store.SweepComments();
}

}

ErrorCode QuillberryBlogService::GetChanges(ProgressCallback callback, void* context)
{
    if (!m_store)
        return Error::InvalidParameter;
    SetProgress(callback, context);
    // The response's file goes when it has been merged, before the photos
    // come.
    {
        ServiceReply reply = RequestChanges(callback, context);
        while (reply.IsServerError()
            && (reply.Code() == ServerError::BlogPasswordProtected || reply.Code() == ServerError::InvalidViewerPassword)) {
            CBlogInfo& blog = m_store->GetBlogInfo();
            // Declining to give the password ends the blog's sync quietly.
            if (!blog.AskForViewPassword())
                return Error::AlreadyReported;
            SetAccount(m_account.email, m_account.password, m_account.userId, m_account.blogUrlName, blog.GetViewPassword());
            if (ErrorCode saved = SaveStore())
                return saved;
            reply = RequestChanges(callback, context);
        }
        if (reply.IsServerError())
            return RefuseChanges(reply.Code());
        if (!reply.IsSuccess())
            return reply.Code();
        Stream* body = reply.Body();
        if (!body)
            return Error::NoResponse;
        if (ErrorCode error = ProcessChanges(*body, callback, context))
            return error;
    }
    TrimToEntryLimit(*m_store);
    m_store->SetDownloadStamp(m_receivedTimestamp);
    if (ErrorCode saved = SaveStore())
        return saved;
    return DownloadPhotos(callback, context);
}

ErrorCode QuillberryBlogService::RefuseChanges(ErrorCode code)
{
    ReportServerError(code);
    if (code == ServerError::InvalidTimestamp) {
        // The service no longer knows the changes since that time: the
        // next sync asks for everything. Kept at once, or the store's file
        // would ask the same way again and again.
        m_receivedTimestamp = 0;
        m_store->SetDownloadStamp(0);
        // A failed save has shown its message; the sync ends all the same.
        (void)SaveStore();
    }
    return Error::AlreadyReported;
}
