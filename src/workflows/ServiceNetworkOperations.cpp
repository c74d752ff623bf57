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
