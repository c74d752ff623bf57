#include "SyncTestBench.h"

#include "app/Preferences.h"
#include "app/StartUp.h"
#include "model/PhotoLocation.h"
#include "platform/CodePage.h"
#include "platform/DeviceFolders.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "support/JpegTestKit.h"

#include <fstream>

void TestProgressWindow::SetLine(int index, std::string_view text)
{
    std::lock_guard lock(m_mutex);
    m_lines.push_back(std::to_string(index) + ":" + std::string(text));
}

std::vector<std::string> TestProgressWindow::Lines() const
{
    std::lock_guard lock(m_mutex);
    return m_lines;
}

SyncTest::SyncTest()
{
    EXPECT_TRUE(CreatePreferenceKeyChain());
    EXPECT_TRUE(WriteServiceHost(Utf8ToUtf16(server.HostText())));
    user = std::make_unique<CWinBlogUser>(DeviceFolders::Current().DataFolder());
    user->SetEmail(kEmail);
    user->SetPassword(kPassword);
    user->SetUserId(kUserId);
    m_blog = &AddBlog("myblog");
    m_blog->GetBlogInfo().SetOwnerId(kUserId);
    m_blog->GetBlogInfo().SetCommentsAllowed(true);
    m_blog->GetBlogInfo().SetDownloadSize(5);
    m_blog->GetBlogInfo().SetLimitEntries(false);
    EXPECT_EQ(m_blog->Save(), Error::Success);
    user->RebuildBlogUrlNames();
    EXPECT_EQ(user->Save(), Error::Success);
}

CWinBlogStorage& SyncTest::AddBlog(const std::string& urlName)
{
    auto store = std::make_unique<CWinBlogStorage>(user->GetDataFolder(), urlName);
    store->GetBlogInfo().SetLimitEntries(false);
    CWinBlogStorage& added = *store;
    EXPECT_EQ(added.Save(), Error::Success);
    user->GetBlogList().Insert(std::move(store));
    return added;
}

BlogEntry& SyncTest::AddPendingEntry(const std::string& title, std::uint32_t categoryId, bool withPhoto)
{
    std::string path = device.Path("photo-" + std::to_string(m_photoSeed) + ".jpg");
    std::string jpeg = SmallJpeg(80, 60, m_photoSeed++);
    std::ofstream(path, std::ios::binary).write(jpeg.data(), static_cast<std::streamsize>(jpeg.size()));
    auto made = m_blog->NewEntryFromPhotoFile(path);
    EXPECT_FALSE(made.IsError());
    BlogEntry& entry = **made;
    entry.SetTitle(title);
    entry.SetCategoryId(categoryId);
    if (!withPhoto) {
        EXPECT_EQ(DeleteFileIfExists(path), Error::Success);
    }
    EXPECT_EQ(m_blog->Save(), Error::Success);
    return entry;
}

BlogEntry& SyncTest::AddPublishedEntry(std::uint32_t id, const std::string& title, std::uint32_t postDate)
{
    auto entry = m_blog->NewEntry();
    entry->SetServerId(id);
    entry->SetTitle(title);
    entry->SetPostDate(postDate);
    entry->SetPending(false);
    entry->SetPosterId(kUserId);
    entry->SetSourceUrl(service.PhotoUrl(std::to_string(id) + ".jpg"));
    entry->SetPhotoUrl(service.PhotoUrl(std::to_string(id) + "-p.jpg"));
    entry->SetThumbnailUrl(service.PhotoUrl(std::to_string(id) + "-t.jpg"));
    BlogEntry& added = m_blog->InsertEntry(std::move(entry));
    EXPECT_EQ(m_blog->Save(), Error::Success);
    return added;
}

BlogAlbum& SyncTest::AddCategory(std::uint32_t id, const std::string& name, bool modified)
{
    auto category = m_blog->NewCategory();
    category->SetId(id);
    category->SetName(name);
    category->SetModified(modified);
    BlogAlbum& added = m_blog->InsertCategory(std::move(category));
    EXPECT_EQ(m_blog->Save(), Error::Success);
    return added;
}

BlogComment& SyncTest::AddComment(std::uint32_t entryId, std::uint32_t commentId, const std::string& text, bool pending)
{
    auto comment = m_blog->NewComment();
    comment->SetEntryId(entryId);
    comment->SetCommentId(commentId);
    comment->SetText(text);
    comment->SetDate(3000000000u);
    comment->SetPending(pending);
    BlogComment& added = m_blog->InsertComment(std::move(comment));
    EXPECT_EQ(m_blog->Save(), Error::Success);
    return added;
}

std::unique_ptr<CWinBlogStorage> SyncTest::StoreOnDisk() const
{
    auto copy = std::make_unique<CWinBlogStorage>();
    copy->SetFilePath(m_blog->GetFilePath());
    EXPECT_EQ(copy->Load(), Error::Success);
    return copy;
}

std::vector<std::string> SyncTest::Shown() const
{
    std::vector<std::string> texts;
    for (auto& shown : const_cast<SandboxDevice&>(device).Interaction().ShownMessages())
        texts.push_back(shown.text);
    return texts;
}

std::vector<std::string> SyncTest::PhotoFiles() const
{
    std::vector<std::string> names;
    auto listed = ListFolder(PhotoLocation::ForDownloads().BlogFolder("myblog"));
    if (listed.IsError())
        return names;
    for (auto& entry : *listed)
        names.push_back(entry.name);
    return names;
}

void SyncTest::MakeBlogWithEverythingToSend()
{
    CWinBlogStorage& blog = Blog();
    blog.DeleteCategory(AddCategory(31, "Gone category", false), false);
    EXPECT_EQ(blog.DeleteEntry(AddPublishedEntry(9001, "Gone entry"), false, false), Error::Success);
    blog.DeleteComment(AddComment(9002, 55, "Gone comment", false), false);
    blog.GetBlogInfo().SetTitle("New title");
    blog.GetBlogInfo().SetSettingsModified(true);
    AddCategory(*blog.NextLocalCategoryId(), "A new category", true);
    AddCategory(40, "B renamed category", true);
    BlogEntry& edited = AddPublishedEntry(9002, "Edited entry");
    edited.SetCaption("new caption");
    edited.SetPending(true);
    AddPublishedEntry(9003, "Needs its photo");
    AddPendingEntry("New entry", blog.FindCategoryByName("A new category")->GetId());
    AddComment(9002, 0, "A new comment", true);
    blog.SetDownloadStamp(GetCurrentSeconds() - 3600);
    EXPECT_EQ(blog.Save(), Error::Success);
}

std::vector<std::string> SyncTest::EverythingSent()
{
    return { "GET /Downloads/messages/ppc/Vellumbrix.txt", "DC", "DP", "DCO", "GC", "GET /photos/myblog/9002-p.jpg",
        "GET /photos/myblog/9003-p.jpg", "EB", "AC", "EC", "AP", "EP", "AO" };
}
