#include "model/CWinBlogChannels.h"
#include "model/CWinBlogStorage.h"
#include "model/CWinBlogUser.h"
#include "service/ServiceCommands.h"
#include "service/ServiceCommandsFrame.h"

// The network commands of the account and of sending: each one request,
// made by the account of the device.

ErrorCode ServiceCommands::CreateAccount(std::string_view email, std::string_view password, std::string_view firstName,
    std::string_view lastName, ProgressWindow& progress)
{
    m_service.SetStore(nullptr);
    return RunRequest(progress, [&](ProgressCallback callback, void* context) {
        return m_service.CreateAccount(email, password, firstName, lastName, callback, context);
    });
}

ErrorCode ServiceCommands::CreateBlog(const CWinBlogUser& user, std::string_view blogUrlName, std::string_view title,
    std::string_view subtitle, bool visible, BlogUrlAlternates& alternates, ProgressWindow& progress)
{
    // Suggestions are at most as long as a Blog URL may be.
    constexpr std::uint32_t kAlternateSize = 64;
    m_service.SetStore(nullptr);
    return RunRequest(progress, [&](ProgressCallback callback, void* context) {
        return m_service.CreateBlog(user.GetEmail(), user.GetPassword(), blogUrlName, title, subtitle, visible, alternates, kAlternateSize,
            callback, context);
    });
}

ErrorCode ServiceCommands::GetChannels(CWinBlogChannels& channels, ProgressWindow& progress)
{
    m_service.SetStore(nullptr);
    return RunRequest(progress, [&](ProgressCallback callback, void* context) { return m_service.GetChannelList(channels, callback, context); });
}

ErrorCode ServiceCommands::SendPhotoEmail(CWinBlogStorage& store, const CWinBlogUser& user, std::uint32_t categoryId,
    std::uint32_t entryId, std::string_view recipients, std::string_view message, ProgressWindow& progress)
{
    SetBlog(store, user);
    return RunRequest(progress, [&](ProgressCallback callback, void* context) {
        return m_service.SendPhotoEmail(categoryId, entryId, recipients, message, callback, context);
    });
}

ErrorCode ServiceCommands::PostToRemoteBlog(CWinBlogStorage& store, const CWinBlogUser& user, std::uint32_t categoryId,
    std::uint32_t entryId, std::string_view remoteBlog, std::string_view title, std::string_view caption, ProgressWindow& progress)
{
    SetBlog(store, user);
    return RunRequest(progress, [&](ProgressCallback callback, void* context) {
        return m_service.PostToRemoteBlog(categoryId, entryId, remoteBlog, title, caption, callback, context);
    });
}
