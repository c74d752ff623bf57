#include "service/BlogExchange.h"

#include "app/ErrorTable.h"
#include "model/BlogIds.h"
#include "service/QuillberryBlogService.h"
#include "service/ServerErrors.h"
#include "service/ServiceProgress.h"
#include "service/StoreErrorReport.h"

#include <algorithm>
#include <limits>

namespace {

// Counts shown in the progress window are 16-bit.
std::uint16_t Count(std::size_t value)
{
    return static_cast<std::uint16_t>(std::min<std::size_t>(value, std::numeric_limits<std::uint16_t>::max()));
}

// Whether a deletion is done with: the service deleted the record, had
// nothing left to delete, or refused for good (the refusal was shown and
// the next changes request brings the record back).
bool DeletionSettled(const ServiceReply& reply, ErrorCode editCode)
{
    return reply.IsSuccess() || reply.Code() == editCode || (reply.IsServerError() && reply.Code() != Error::AlreadyReported);
}

// Restores the store's filters when the pending entries have been sent.
class FilterScope {
public:
    explicit FilterScope(BlogStorage& store)
        : m_store(store)
        , m_category(store.GetCategoryFilter())
        , m_status(store.GetStatusFilter())
    {
    }
    ~FilterScope() { m_store.SetFilters(m_category, m_status); }
    FilterScope(const FilterScope&) = delete;
    FilterScope& operator=(const FilterScope&) = delete;

private:
    BlogStorage& m_store;
    std::uint32_t m_category;
    std::uint16_t m_status;
};

}

BlogExchange::BlogExchange(QuillberryBlogService& service, CWinBlogStorage& store, ProgressCallback callback, void* context)
    : m_service(service)
    , m_store(store)
    , m_callback(callback)
    , m_context(context)
{
}

bool BlogExchange::Report(ProgressStep step, const std::string* detail, std::uint16_t done, std::uint16_t total)
{
    return ReportStep(m_callback, m_context, step, detail ? detail->c_str() : nullptr, done, total);
}

ErrorCode BlogExchange::Saved()
{
    return m_service.SaveStore();
}

ErrorCode BlogExchange::Run()
{
    m_service.DeferStoreFlush();
    ErrorCode result = Exchange();
    // However the exchange ended, what it saved goes to the disk now.
    ErrorCode flushed = m_service.FlushStore();
    return result ? result : flushed;
}

ErrorCode BlogExchange::Exchange()
{
    if (!Report(ProgressStep::Synchronizing, nullptr, 0, 0))
        return Error::Cancelled;
    bool newVersion = false;
    // The user chose to leave for a new version, or a note asked to stop.
    if (m_service.CheckVersion(false, newVersion, m_callback, m_context))
        return Error::AlreadyReported;
    if (ErrorCode error = SendCategoryDeletions())
        return error;
    if (ErrorCode error = SendEntryDeletions())
        return error;
    if (ErrorCode error = SendCommentDeletions())
        return error;
    if (m_service.GetDownloadSizeCode() != 0) {
        if (ErrorCode error = m_service.GetChanges(m_callback, m_context))
            return error;
    }
    if (ErrorCode error = SendBlogSettings())
        return error;
    m_groupBlog = m_store.GetBlogInfo().GetGroupBlog() != 0;
    if (ErrorCode error = SendCategories())
        return error;
    unsigned skipped = 0;
    ErrorCode result = SendPendingEntries(skipped);
    if (result == Error::Success)
        result = SendPendingComments();
    if (skipped > 0) {
        // One message for all the entries left behind, after the rest went.
        ShowStoreError(&m_store, Error::PendingPhotoMissing, m_store.GetErrorText(Error::PendingPhotoMissing), false);
    }
    return result;
}

ErrorCode BlogExchange::SendCategoryDeletions()
{
    std::size_t total = m_store.GetDeletedCategories().GetSize();
    std::size_t done = 0;
    while (BlogAlbum* category = m_store.GetFirstDeletedCategory()) {
        // A category made here and deleted before it was ever sent is
        // unknown to the service.
        if (category->HasServiceId()) {
            if (!Report(ProgressStep::DeletingAlbums, &category->GetName(), Count(++done), Count(total)))
                return Error::Cancelled;
            ServiceReply reply = m_service.SendCategoryDeletion(*category, m_callback, m_context);
            if (!DeletionSettled(reply, ServerError::NoPermissionToEditCategory))
                return reply.Code();
        }
        ForgetDeletedCategory(m_store, *category);
        if (ErrorCode error = Saved())
            return error;
    }
    return Error::Success;
}

ErrorCode BlogExchange::SendEntryDeletions()
{
    std::size_t total = m_store.GetDeletedEntries().GetSize();
    std::size_t done = 0;
    while (BlogEntry* entry = m_store.GetFirstDeletedEntry()) {
        if (entry->GetServerId() != 0) {
            if (!Report(ProgressStep::DeletingEntry, &entry->GetTitle(), Count(++done), Count(total)))
                return Error::Cancelled;
            ServiceReply reply = m_service.SendEntryDeletion(*entry, m_callback, m_context);
            if (!DeletionSettled(reply, ServerError::NoPermissionToEditPicture))
                return reply.Code();
        }
        if (ErrorCode error = ForgetDeletedEntry(m_store, *entry))
            return error;
        if (ErrorCode error = Saved())
            return error;
    }
    return Error::Success;
}

ErrorCode BlogExchange::SendCommentDeletions()
{
    std::size_t total = m_store.GetDeletedComments().GetSize();
    std::size_t done = 0;
    while (BlogComment* comment = m_store.GetFirstDeletedComment()) {
        if (comment->GetCommentId() != 0) {
            if (!Report(ProgressStep::DeletingComment, nullptr, Count(++done), Count(total)))
                return Error::Cancelled;
            ServiceReply reply = m_service.SendCommentDeletion(*comment, m_callback, m_context);
            if (!DeletionSettled(reply, ServerError::NoPermissionToEditComment))
                return reply.Code();
        }
        ForgetDeletedComment(m_store, *comment);
        if (ErrorCode error = Saved())
            return error;
    }
    return Error::Success;
}

ErrorCode BlogExchange::SendBlogSettings()
{
    if (!m_store.GetBlogInfo().IsSettingsModified())
        return Error::Success;
    if (!Report(ProgressStep::StoringData, nullptr, 0, 0))
        return Error::Cancelled;
    ServiceReply reply = m_service.SendBlogSettings(m_callback, m_context);
    if (!reply.IsSuccess())
        return reply.Code();
    Stream* body = reply.Body();
    if (!body)
        return Error::NoResponse;
    m_service.ApplyBlogSettingsReply(*body);
    return Saved();
}

ErrorCode BlogExchange::SendCategories()
{
    std::size_t total = 0;
    for (auto& category : m_store.GetCategories())
        total += category->IsModified() ? 1 : 0;
    std::size_t done = 0;
    while (BlogAlbum* category = m_store.GetFirstModifiedCategory()) {
        if (!Report(ProgressStep::StoringAlbums, &category->GetName(), Count(++done), Count(total)))
            return Error::Cancelled;
        ServiceReply reply = m_service.SendCategory(*category, m_callback, m_context);
        if (reply.IsSuccess()) {
            Stream* body = reply.Body();
            if (!body)
                return Error::NoResponse;
            m_service.ApplyCategoryReply(*category, *body);
        } else if (reply.IsServerError() && reply.Code() != Error::AlreadyReported) {
            // Refused for good, and shown: the change stays here until the
            // whole blog comes down again.
            category->SetModified(false);
            m_store.SetDownloadStamp(0);
        } else {
            return reply.Code();
        }
        if (ErrorCode error = Saved())
            return error;
    }
    return Error::Success;
}

ErrorCode BlogExchange::SendPendingEntries(unsigned& skipped)
{
    FilterScope filters(m_store);
    m_store.SetFilters(BlogIds::AllCategories, BlogStorage::kStatusPending);
    std::size_t total = m_store.GetShownEntryCount();
    std::size_t done = 0;
    std::size_t position = 0;
    // An entry sent is no longer pending, so the next one to send takes
    // its place in the list.
    while (BlogEntry* entry = m_store.GetShownEntryAt(position)) {
        ErrorCode code = m_service.StoreEntry(*entry, m_callback, m_context, m_groupBlog, Count(++done), Count(total));
        if (code == Error::PendingPhotoMissing) {
            ++position;
            ++skipped;
            continue;
        }
        if (code)
            return code;
        // Every success leaves the entry settled; should one ever stay
        // pending, it is not sent twice in one sync.
        if (m_store.GetShownEntryAt(position) == entry)
            ++position;
    }
    return Error::Success;
}

ErrorCode BlogExchange::SendPendingComments()
{
    std::size_t total = 0;
    for (auto& comment : m_store.GetComments())
        total += comment->IsPending() ? 1 : 0;
    std::size_t done = 0;
    while (BlogComment* comment = m_store.GetFirstPendingComment()) {
        if (ErrorCode code = m_service.StoreComment(*comment, m_callback, m_context, Count(++done), Count(total)))
            return code;
    }
    return Error::Success;
}
