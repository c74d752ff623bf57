#include "service/ServiceCommands.h"
#include "service/ServiceCommandsFrame.h"

#include "app/ErrorTable.h"
#include "app/Messages.h"
#include "model/CWinBlogUser.h"
#include "platform/ProgressWindow.h"
#include "service/ProgressWindowCallback.h"
#include "transport/Http.h"

#include <vector>

namespace {

constexpr StringId kNewSubscriptionsQuestion = 181;
constexpr StringId kSyncCancelledMessage = 7998;

}

ServiceCommands::ServiceCommands(Http& http)
    : m_http(http)
    , m_service(http)
{
}

void ServiceCommands::Begin()
{
    m_lastRequestFailure = Error::Success;
    m_cancelled = false;
}

ErrorCode ServiceCommands::Conclude(ErrorCode code)
{
    // Answers the caller acts on; the server's own refusal has been shown.
    if (code == Error::EmailAlreadyUsed || code == Error::BlogUrlAlreadyUsed)
        return code;
    if (code == Error::CreationRefused)
        return Error::AlreadyReported;
    if (code == Error::Cancelled) {
        m_cancelled = true;
        ShowStringMessage(kSyncCancelledMessage, MessageIcon::Information);
        return Error::AlreadyReported;
    }
    if (code == Error::Success || code == Error::AlreadyReported)
        return code;
    ShowError(code);
    return Error::AlreadyReported;
}

void ServiceCommands::SetBlog(CWinBlogStorage& store, const CWinBlogUser& user)
{
    const CBlogInfo& blog = store.GetBlogInfo();
    store.SetUserId(user.GetUserId());
    m_service.SetStore(&store);
    m_service.SetAccount(user.GetEmail(), user.GetPassword(), user.GetUserId(), blog.GetUrlName(), blog.GetViewPassword());
    m_service.SetPhotoSizes(blog.GetUploadSize(), blog.GetDownloadSize());
}

ErrorCode ServiceCommands::GetUserInfo(CWinBlogUser& user, ProgressWindow& progress)
{
    m_service.SetStore(nullptr);
    return RunRequest(progress, [&](ProgressCallback callback, void* context) { return m_service.GetUserInfo(user, callback, context); });
}

ErrorCode ServiceCommands::SyncAll(CWinBlogUser& user, ProgressWindow& progress)
{
    Begin();
    user.ClearNewBlogFlags();
    OpenClient client(m_http);
    if (!client.IsOpen())
        return Error::AlreadyReported;
    {
        Progress callback(*this, progress);
        m_service.SetStore(nullptr);
        if (ErrorCode code = m_service.GetUserInfo(user, callback.Callback(), callback.Context()))
            return Conclude(code);
    }
    // The list as the refresh left it; a sync changes no blog's place in
    // it that matters here.
    std::vector<CWinBlogStorage*> blogs;
    for (auto& store : user.GetBlogList())
        blogs.push_back(store.get());
    bool asked = false;
    bool downloadNewBlogs = false;
    for (CWinBlogStorage* store : blogs) {
        if (store->IsNewBlog()) {
            if (!asked) {
                downloadNewBlogs = AskStringQuestion(kNewSubscriptionsQuestion, DefaultButton::Yes);
                asked = true;
            }
            if (!downloadNewBlogs)
                continue;
        }
        if (ErrorCode code = SyncOpenBlog(*store, user, nullptr, progress))
            return code;
        // A store that cannot be saved has said so (message 6002); the
        // other blogs are synced all the same.
        (void)store->Save();
    }
    return Error::Success;
}

ErrorCode ServiceCommands::SyncBlog(CWinBlogStorage& store, CWinBlogUser& user, BlogEntry* entry, ProgressWindow& progress)
{
    Begin();
    OpenClient client(m_http);
    if (!client.IsOpen())
        return Error::AlreadyReported;
    return SyncOpenBlog(store, user, entry, progress);
}

ErrorCode ServiceCommands::SyncOpenBlog(CWinBlogStorage& store, CWinBlogUser& user, BlogEntry* entry, ProgressWindow& progress)
{
    progress.ClearStatus();
    Progress callback(*this, progress, store.GetBlogInfo().GetUrlName());
    SetBlog(store, user);
    if (entry && entry->HasServiceCategory()) {
        if (!entry->IsPending())
            return Error::Success;
        ErrorCode code = m_service.StoreEntry(*entry, callback.Callback(), callback.Context(), false);
        if (code == Error::Cancelled)
            return Conclude(code);
        // The entry stays pending for the next sync; what went wrong has
        // been told.
        (void)Conclude(code);
        return Error::Success;
    }
    m_service.SetTimestamp(store.GetDownloadStamp());
    ErrorCode code = m_service.SyncChanges(callback.Callback(), callback.Context());
    store.SetDownloadStamp(m_service.GetTimestamp());
    return Conclude(code);
}

bool ServiceCommands::CheckVersion(bool forced, bool& newVersion, ProgressWindow& progress)
{
    Begin();
    newVersion = false;
    OpenClient client(m_http);
    if (!client.IsOpen())
        return false;
    Progress callback(*this, progress);
    m_service.SetStore(nullptr);
    return m_service.CheckVersion(forced, newVersion, callback.Callback(), callback.Context());
}

ErrorCode ServiceCommands::DownloadEntryPhoto(CWinBlogStorage& store, BlogEntry& entry, std::uint16_t sizeCode, ProgressWindow& progress)
{
    Begin();
    Progress callback(*this, progress, store.GetBlogInfo().GetUrlName());
    m_service.SetStore(&store);
    // The service opens and closes the client for this one itself.
    return Conclude(m_service.DownloadEntryPhoto(entry, sizeCode, callback.Callback(), callback.Context()));
}

ErrorCode ServiceCommands::StoreComment(CWinBlogStorage& store, CWinBlogUser& user, BlogComment& comment, ProgressWindow& progress)
{
    Begin();
    OpenClient client(m_http);
    if (!client.IsOpen())
        return Error::AlreadyReported;
    Progress callback(*this, progress, store.GetBlogInfo().GetUrlName());
    SetBlog(store, user);
    return Conclude(m_service.StoreComment(comment, callback.Callback(), callback.Context()));
}
