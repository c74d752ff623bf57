#include "PhotoTestFiles.h"

#include "model/CWinBlogUser.h"
#include "model/HeadlessBlogPrompts.h"
#include "platform/DeviceFolders.h"
#include "support/SampleArchiveFiles.h"
#include "support/SandboxDevice.h"

#include <gtest/gtest.h>

namespace {

// A blog's store file in the data folder, with one entry whose photo is
// in the blog's photo folder; returns the photo's path.
std::string WriteBlog(const std::string& urlName, std::string_view title = {})
{
    EXPECT_EQ(CreateFolderWithParents(DeviceFolders::Current().DataFolder()), Error::Success);
    CWinBlogStorage store(DeviceFolders::Current().DataFolder(), urlName);
    store.GetBlogInfo().SetTitle(title);
    auto entry = store.NewEntry();
    entry->SetServerId(1);
    std::string photo = WritePhoto(JoinPath(DeviceFolders::Current().PicturesFolder(), urlName + "/1.jpg"), 16, 16);
    entry->SetPhotoPath(photo);
    store.InsertEntry(std::move(entry));
    EXPECT_EQ(store.Save(), Error::Success);
    return photo;
}

std::string StoreFile(const std::string& urlName)
{
    return JoinPath(DeviceFolders::Current().DataFolder(), urlName + ".vxl");
}

std::vector<std::string> ListedNames(const CWinBlogUser& user)
{
    std::vector<std::string> names;
    for (size_t i = 0; const std::string* name = user.GetBlogUrlNameAt(i); ++i)
        names.push_back(*name);
    return names;
}

std::vector<std::string> Asked(const SandboxDevice& device)
{
    std::vector<std::string> texts;
    for (auto& shown : const_cast<SandboxDevice&>(device).Interaction().ShownMessages())
        texts.push_back(shown.text);
    return texts;
}

void KnowBlogs(CWinBlogUser& user, std::vector<std::u16string> names)
{
    user.SetBlogUrlNames(std::move(names));
}

}

TEST(Subscribe, MakesSavesAndListsTheBlogOnlyWhenTheUserAgrees)
{
    SandboxDevice device;
    ScopedHeadlessBlogPrompts prompts;
    CWinBlogUser user;
    user.SetUserId(42);
    EXPECT_FALSE(user.SubscribeBlog("trips")) << "unscripted questions are answered No";
    EXPECT_FALSE(PathExists(StoreFile("trips")));
    EXPECT_TRUE(user.GetBlogList().IsEmpty());

    device.Interaction().ScriptAnswer(true);
    ASSERT_TRUE(user.SubscribeBlog("trips"));
    EXPECT_EQ(Asked(device).back(), "Do you want to subscribe to the blog 'trips'?");
    EXPECT_EQ(prompts.PreferencesSheets(), std::vector<BlogPreferencesPages> { BlogPreferencesPages::SyncOnly });
    CWinBlogStorage* store = user.FindBlog(u"TRIPS");
    ASSERT_NE(store, nullptr);
    EXPECT_TRUE(store->IsNewBlog());
    EXPECT_EQ(store->GetUserId(), 42u);
    EXPECT_TRUE(IsRegularFile(StoreFile("trips")));
    user.ClearNewBlogFlags();
    EXPECT_FALSE(store->IsNewBlog());
}

TEST(Subscribe, AStoreThatCannotBeSavedIsNotListed)
{
    SandboxDevice device;
    CWinBlogUser user;
    // The data folder has become a file.
    ASSERT_EQ(std::system(("rm -rf '" + user.GetDataFolder() + "'").c_str()), 0);
    WriteTextFile(user.GetDataFolder(), "not a folder");
    device.Interaction().ScriptAnswer(true);
    EXPECT_FALSE(user.SubscribeBlog("trips"));
    EXPECT_TRUE(user.GetBlogList().IsEmpty());
    EXPECT_EQ(Asked(device).back(), "There was an error saving the local blog database.");
}

TEST(Unsubscribe, RefusingKeepsEverythingAndThePhotoQuestionDecidesThePhotos)
{
    SandboxDevice device;
    std::string tripsPhoto = WriteBlog("trips");
    std::string foodPhoto = WriteBlog("food");
    CWinBlogUser user;
    user.Load();
    ASSERT_EQ(user.GetBlogList().GetSize(), 2u);

    EXPECT_FALSE(user.UnsubscribeBlog("Trips"));
    EXPECT_EQ(Asked(device).back(), "Do you want to unsubscribe from the 'Trips' blog?");
    EXPECT_TRUE(IsRegularFile(StoreFile("trips")));
    EXPECT_EQ(user.GetBlogList().GetSize(), 2u);

    device.Interaction().ScriptAnswer(true);
    device.Interaction().ScriptAnswer(false);
    EXPECT_TRUE(user.UnsubscribeBlog("trips"));
    EXPECT_EQ(Asked(device).back(), "Do you want to delete all the local photos for this blog?");
    EXPECT_FALSE(PathExists(StoreFile("trips")));
    EXPECT_TRUE(IsRegularFile(tripsPhoto));
    EXPECT_EQ(user.FindBlog(u"trips"), nullptr);

    device.Interaction().ScriptAnswer(true);
    device.Interaction().ScriptAnswer(true);
    EXPECT_TRUE(user.UnsubscribeBlog("food"));
    EXPECT_FALSE(PathExists(foodPhoto));
    EXPECT_FALSE(PathExists(ParentPath(foodPhoto)));
    EXPECT_TRUE(user.GetBlogList().IsEmpty());

    // A blog that is not on the device is unsubscribed already.
    device.Interaction().ScriptAnswer(true);
    EXPECT_TRUE(user.UnsubscribeBlog("elsewhere"));
    EXPECT_EQ(device.Interaction().UnusedAnswers(), 0u);
}

TEST(RemoveBlog, AStoreFileThatCannotBeDeletedKeepsTheBlogAndItsPhotos)
{
    SandboxDevice device;
    std::string photo = WriteBlog("trips");
    CWinBlogUser user;
    user.Load();
    CWinBlogStorage* store = user.FindBlog(u"trips");
    ASSERT_NE(store, nullptr);
    // Something that cannot be unlinked where the file was.
    EXPECT_EQ(DeleteFileIfExists(StoreFile("trips")), Error::Success);
    EXPECT_EQ(CreateFolder(StoreFile("trips")), Error::Success);
    WriteTextFile(JoinPath(StoreFile("trips"), "inside"), "x");

    EXPECT_NE(user.RemoveBlog(store, true), Error::Success);
    EXPECT_EQ(user.FindBlog(u"trips"), store);
    EXPECT_TRUE(IsRegularFile(photo));
    EXPECT_EQ(store->GetEntries().GetAt(0)->GetPhotoPath(), photo);
}

TEST(SampleBlog, IsNamedSampleOnDiskAndSampleInsideAndReadOnly)
{
    SandboxDevice device;
    CWinBlogUser user;
    ASSERT_EQ(user.CreateSampleBlog(), 0);
    EXPECT_TRUE(IsRegularFile(StoreFile("Sample")));
    CWinBlogStorage* store = user.FindBlog(u"sample");
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->GetBlogInfo().GetUrlName(), "sample");
    EXPECT_EQ(store->GetBlogInfo().GetTitle(), "Sample Blog");
    EXPECT_TRUE(store->GetBlogInfo().IsReadOnly());
    EXPECT_TRUE(store->IsReadOnly(nullptr));
}

TEST(UserRecord, TheUserIdReachesEveryStoreWithoutPointersBack)
{
    SandboxDevice device;
    WriteBlog("trips");
    WriteTextFile(JoinPath(DeviceFolders::Current().DataFolder(), "UserInfo.vxu"), Sample::UserFile());
    CWinBlogUser user;
    user.Load();
    CWinBlogStorage* store = user.FindBlog(u"trips");
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->GetUserId(), 31337u);
    user.SetUserId(5);
    EXPECT_EQ(store->GetUserId(), 5u);
    EXPECT_EQ(user.GetBlogList().GetUserId(), 5u);
}

TEST(UserRecord, SelectionAndUrlNames)
{
    SandboxDevice device;
    WriteBlog("zeta", "Alpha Blog");
    WriteBlog("beta");
    WriteBlog("gamma");
    CWinBlogUser user;
    user.Load();
    EXPECT_EQ(ListedNames(user), (std::vector<std::string> { "zeta", "beta", "gamma" })) << "by display name";
    EXPECT_EQ(user.FindBlogIndex("GAMMA"), 2);
    EXPECT_EQ(user.FindBlogIndex("delta"), -1);

    user.SelectAllBlogsForSync();
    user.DeselectBlog(1);
    size_t index = 0;
    ASSERT_NE(user.NextSelectedBlog(index), nullptr);
    EXPECT_EQ(index, 0u);
    ++index;
    const std::string* next = user.NextSelectedBlog(index);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(*next, "gamma");
    EXPECT_EQ(index, 2u);
    ++index;
    EXPECT_EQ(user.NextSelectedBlog(index), nullptr);

    EXPECT_FALSE(user.IsKnownBlog("beta"));
    user.RebuildBlogUrlNames();
    EXPECT_EQ(user.GetBlogUrlNames(), (std::vector<std::u16string> { u"zeta", u"beta", u"gamma" }));
    EXPECT_TRUE(user.IsKnownBlog("BETA"));
}

TEST(AccountRefresh, SubscribesNewBlogsAndOffersTheUnlistedOnesForUnsubscribing)
{
    SandboxDevice device;
    WriteBlog("first");
    WriteBlog("second");
    WriteBlog("third");
    CWinBlogUser user;
    user.Load();
    KnowBlogs(user, { u"first", u"second", u"third" });

    AccountData account;
    account.userId = 77;
    account.accountType = "pro";
    account.photoQuota = 1000;
    account.subscriptionUrlNames = { "second", "fourth" };
    account.remoteBlogNames = std::vector<std::string> { "Elsewhere" };
    auto& interaction = device.Interaction();
    interaction.ScriptAnswer(true);  // subscribe to fourth
    interaction.ScriptAnswer(true);  // unsubscribe from first
    interaction.ScriptAnswer(false); // ... keeping its photos
    interaction.ScriptAnswer(false); // but not from third

    EXPECT_TRUE(user.ReconcileAccount(account)) << "third was kept against the account";
    EXPECT_EQ(Asked(device), (std::vector<std::string> {
                                 "Do you want to subscribe to the blog 'fourth'?",
                                 "Do you want to unsubscribe from the 'first' blog?",
                                 "Do you want to delete all the local photos for this blog?",
                                 "Do you want to unsubscribe from the 'third' blog?",
                             }));
    EXPECT_EQ(ListedNames(user), (std::vector<std::string> { "fourth", "second", "third" }));
    EXPECT_EQ(user.GetBlogUrlNames(), (std::vector<std::u16string> { u"fourth", u"second", u"third" }));
    EXPECT_EQ(user.GetUserId(), 77u);
    EXPECT_EQ(user.GetProAccount(), 1);
    EXPECT_EQ(user.GetPhotoQuota(), 1000u);
    EXPECT_EQ(user.GetRemoteBlogNames(), std::vector<std::u16string> { u"Elsewhere" });
    EXPECT_EQ(user.FindBlog(u"fourth")->GetUserId(), 77u);
    EXPECT_FALSE(PathExists(StoreFile("first")));
}

TEST(AccountRefresh, RepairIsNeededOnlyWhenDeviceAndAccountDisagree)
{
    SandboxDevice device;
    WriteBlog("mine");
    CWinBlogUser user;
    user.Load();
    KnowBlogs(user, { u"mine", u"removed-here" });
    std::vector<std::string> remote { "kept" };
    user.SetRemoteBlogNames(remote);

    AccountData account;
    account.accountType = "free";
    account.subscriptionUrlNames = { "mine" };
    EXPECT_FALSE(user.ReconcileAccount(account));
    EXPECT_TRUE(Asked(device).empty());
    EXPECT_EQ(user.GetProAccount(), 0);
    EXPECT_EQ(user.GetRemoteBlogNames(), std::vector<std::u16string> { u"kept" }) << "no remote list came";

    // The service still lists a blog removed on the device: it must be told.
    KnowBlogs(user, { u"mine", u"removed-here" });
    account.subscriptionUrlNames = { "MINE", "removed-here" };
    EXPECT_TRUE(user.ReconcileAccount(account));
    EXPECT_TRUE(Asked(device).empty());

    // A refused subscription is a disagreement too.
    account.subscriptionUrlNames = { "mine", "offered" };
    EXPECT_TRUE(user.ReconcileAccount(account));
    EXPECT_EQ(Asked(device).back(), "Do you want to subscribe to the blog 'offered'?");
    EXPECT_EQ(user.FindBlog(u"offered"), nullptr);
}

TEST(ViewPassword, TheTypedPasswordIsKeptOnlyOnOk)
{
    ScopedHeadlessBlogPrompts prompts;
    CBlogInfo blog;
    blog.SetUrlName("secret-trips");
    blog.SetViewPassword("old");
    EXPECT_FALSE(blog.AskForViewPassword());
    EXPECT_EQ(blog.GetViewPassword(), "old");
    prompts.ScriptViewPassword("open sesame");
    EXPECT_TRUE(blog.AskForViewPassword());
    EXPECT_EQ(blog.GetViewPassword(), "open sesame");
    EXPECT_EQ(prompts.PasswordPrompts(), (std::vector<std::string> { "secret-trips", "secret-trips" }));
}
