#include "workflows/PostRemoteEntryWorkflow.h"

#include "workflows/FieldLimits.h"
#include "workflows/NetworkStep.h"
#include "workflows/NetworkOperations.h"

#include "app/Preferences.h"
#include "model/CWinBlogUser.h"
#include "platform/CodePage.h"
#include "platform/Path.h"

PostRemoteEntryWorkflow::PostRemoteEntryWorkflow(CWinBlogUser& user, CWinBlogStorage& store, SendSubject subject, std::string title,
    std::string text, NetworkOperations* network)
    : m_user(user)
    , m_store(store)
    , m_subject(subject)
    , m_title(std::move(title))
    , m_text(std::move(text))
    , m_network(network)
{
}

const std::vector<std::u16string>& PostRemoteEntryWorkflow::RemoteBlogs() const
{
    return m_user.GetRemoteBlogNames();
}

PostRemoteEntryWorkflow::Controls PostRemoteEntryWorkflow::Opening() const
{
    Controls controls { std::nullopt, Utf8ToUtf16(m_title), Utf8ToUtf16(m_text) };
    const auto& blogs = RemoteBlogs();
    std::string last = Utf16ToUtf8(ReadLastRemoteBlog());
    for (size_t i = 0; i < blogs.size() && !controls.remoteBlog; ++i) {
        if (EqualsIgnoringCase(Utf16ToUtf8(blogs[i]), last))
            controls.remoteBlog = i;
    }
    if (!controls.remoteBlog && !blogs.empty())
        controls.remoteBlog = 0;
    return controls;
}

DialogOutcome PostRemoteEntryWorkflow::Publish(const Controls& controls)
{
    if (!FitsFieldLimit(controls.title, kTitleLimit))
        return DialogOutcome::Stay(kTitleField);
    if (!FitsFieldLimit(controls.text, kTextLimit))
        return DialogOutcome::Stay(kTextField);
    const auto& blogs = RemoteBlogs();
    if (!controls.remoteBlog || *controls.remoteBlog >= blogs.size())
        return DialogOutcome::Stay(kRemoteBlogField);
    const std::u16string& remoteBlog = blogs[*controls.remoteBlog];
    // A preference that cannot be written keeps its old value; the post
    // goes all the same.
    (void)WriteLastRemoteBlog(remoteBlog);
    if (m_network) {
        RunConnected([&](ProgressWindow& progress) {
            // The service and the transport show their failures.
            (void)m_network->PostToRemoteBlog(m_store, m_user, m_subject, Utf16ToSystemCodePage(remoteBlog), Utf16ToUtf8(controls.title),
                Utf16ToUtf8(controls.text), progress);
        });
    }
    return DialogOutcome::Close(DialogResults::Ok);
}
