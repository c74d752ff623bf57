#include "model/CWinBlogUser.h"

#include "app/Messages.h"
#include "model/BlogPrompts.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <new>

static constexpr StringId kSubscribeQuestion = 176;
static constexpr StringId kUnsubscribeQuestion = 182;
static constexpr StringId kDeletePhotosQuestion = 183;
static constexpr StringId kSampleBlogTitle = 400;
static constexpr StringId kSampleBlogUrlName = 401;
static constexpr StringId kOutOfMemoryMessage = 7000;
// The sample blog's file name; its URL name is string 401.
static constexpr std::string_view kSampleBlogFileName = "Sample";

const std::string* CWinBlogUser::GetBlogUrlNameAt(size_t index) const
{
    if (index >= m_blogList.GetSize())
        return nullptr;
    return &m_blogList.GetAt(index)->GetBlogInfo().GetUrlName();
}

void CWinBlogUser::SelectAllBlogsForSync()
{
    for (auto& store : m_blogList)
        store->SetSyncSelected(true);
}

void CWinBlogUser::DeselectBlog(size_t index)
{
    if (index < m_blogList.GetSize())
        m_blogList.GetAt(index)->SetSyncSelected(false);
}

const std::string* CWinBlogUser::NextSelectedBlog(size_t& index) const
{
    for (; index < m_blogList.GetSize(); ++index) {
        CWinBlogStorage* store = m_blogList.GetAt(index);
        if (store->IsSyncSelected())
            return &store->GetBlogInfo().GetUrlName();
    }
    return nullptr;
}

bool CWinBlogUser::UnsubscribeBlog(std::string_view urlName)
{
    if (!AskStringQuestion(kUnsubscribeQuestion, DefaultButton::No, { urlName }))
        return false;
    CWinBlogStorage* store = m_blogList.Find(urlName);
    if (!store)
        return true;
    bool deletePhotos = AskStringQuestion(kDeletePhotosQuestion, DefaultButton::No);
    return RemoveBlog(store, deletePhotos) == Error::Success;
}

bool CWinBlogUser::SubscribeBlog(std::string_view urlName)
{
    if (!AskStringQuestion(kSubscribeQuestion, DefaultButton::Yes, { urlName }))
        return false;
    std::unique_ptr<CWinBlogStorage> store(new (std::nothrow) CWinBlogStorage(m_dataFolder, urlName));
    if (!store) {
        ShowStringMessage(kOutOfMemoryMessage, MessageIcon::Warning);
        return false;
    }
    // The sheet writes into the store only on OK; on Cancel the new blog
    // keeps its defaults, which is what subscribing without it means.
    (void)BlogPrompts::Current().ShowBlogPreferences(*store, BlogPreferencesPages::SyncOnly);
    store->SetNewBlog(true);
    if (store->Save())
        return false;
    m_blogList.Insert(std::move(store));
    return true;
}

void CWinBlogUser::RebuildBlogUrlNames()
{
    m_blogUrlNames.clear();
    for (auto& store : m_blogList)
        m_blogUrlNames.push_back(store->GetBlogInfo().GetUrlNameText());
}

bool CWinBlogUser::IsKnownBlog(std::string_view urlName) const
{
    for (auto& known : m_blogUrlNames) {
        if (EqualsIgnoringCase(Utf16ToUtf8(known), urlName))
            return true;
    }
    return false;
}

ErrorCode CWinBlogUser::RemoveBlog(CWinBlogStorage* store, bool deletePhotos)
{
    long index = m_blogList.IndexOf(store);
    if (index < 0)
        return Error::InvalidParameter;
    if (ErrorCode error = DeleteFileIfExists(store->GetFilePath()))
        return error;
    // The store file is gone, so the blog is removed whatever happens to its
    // photos; a photo that cannot be deleted stays where the user sees it.
    if (deletePhotos)
        (void)store->RemoveAllPhotos();
    m_blogList.Detach(static_cast<size_t>(index));
    return Error::Success;
}

int CWinBlogUser::CreateSampleBlog()
{
    std::unique_ptr<CWinBlogStorage> store(new (std::nothrow) CWinBlogStorage(m_dataFolder, kSampleBlogFileName));
    if (!store)
        return -1;
    CBlogInfo& blog = store->GetBlogInfo();
    blog.SetUrlName(LoadString(kSampleBlogUrlName));
    blog.SetReadOnly(true);
    blog.SetTitle(LoadString(kSampleBlogTitle));
    // A failed save has shown its message; the blog is there for this run.
    (void)store->Save();
    m_blogList.Insert(std::move(store));
    return 0;
}

void CWinBlogUser::ClearNewBlogFlags()
{
    for (auto& store : m_blogList)
        store->SetNewBlog(false);
}
