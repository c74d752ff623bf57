#include "workflows/ServiceNetworkOperations.h"

ServiceNetworkOperations::ServiceNetworkOperations() = default;

ErrorCode ServiceNetworkOperations::GetUserInfo(CWinBlogUser& user, ProgressWindow& progress)
{
    return m_commands.GetUserInfo(user, progress);
}

ErrorCode ServiceNetworkOperations::SyncAll(CWinBlogUser& user, ProgressWindow& progress)
{
    return m_commands.SyncAll(user, progress);
}

ErrorCode ServiceNetworkOperations::SyncBlog(CWinBlogStorage& store, CWinBlogUser& user, BlogEntry* entry, ProgressWindow& progress)
{
    return m_commands.SyncBlog(store, user, entry, progress);
}

bool ServiceNetworkOperations::CheckVersion(bool forced, bool& newVersion, ProgressWindow& progress)
{
    return m_commands.CheckVersion(forced, newVersion, progress);
}

ErrorCode ServiceNetworkOperations::DownloadEntryPhoto(CWinBlogStorage& store, BlogEntry& entry, std::uint16_t sizeCode, ProgressWindow& progress)
{
    return m_commands.DownloadEntryPhoto(store, entry, sizeCode, progress);
}

ErrorCode ServiceNetworkOperations::StoreComment(CWinBlogStorage& store, CWinBlogUser& user, BlogComment& comment, ProgressWindow& progress)
{
    return m_commands.StoreComment(store, user, comment, progress);
}

ErrorCode ServiceNetworkOperations::SendPhotoEmail(CWinBlogStorage& store, CWinBlogUser& user, SendSubject subject, std::string_view recipients,
    std::string_view message, ProgressWindow& progress)
{
    return m_commands.SendPhotoEmail(store, user, subject.categoryId, subject.entryId, recipients, message, progress);
}

ErrorCode ServiceNetworkOperations::PostToRemoteBlog(CWinBlogStorage& store, CWinBlogUser& user, SendSubject subject, std::string_view remoteBlog,
    std::string_view title, std::string_view text, ProgressWindow& progress)
{
    return m_commands.PostToRemoteBlog(store, user, subject.categoryId, subject.entryId, remoteBlog, title, text, progress);
}
