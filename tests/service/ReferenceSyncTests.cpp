// Whole syncs against the reference service: what one handheld publishes
// reaches the others at every download size, in the exchange's order, and
// what the service took is never sent twice.

#include "../server/ServerTestKit.h"
#include "SyncTestBench.h"

#include "app/Preferences.h"
#include "app/StartUp.h"
#include "model/HeadlessBlogPrompts.h"
#include "model/PhotoLocation.h"
#include "platform/CodePage.h"
#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "service/ServerErrorText.h"
#include "support/ForwardingGate.h"
#include "support/TemporaryFolder.h"

#include <fstream>

namespace {

constexpr const char* kOwner = "owner@example.com";
constexpr const char* kReader = "reader@example.com";
constexpr const char* kPassword = "pass & word";

// One handheld: a sandboxed device folder with its own preferences, user
// record, prompts and network commands. The test works on one at a time
// (Use), since the device's folders are the program's.
class Handheld {
public:
    Handheld(const std::string& serviceHost, const std::string& email)
    {
        Use();
        EXPECT_TRUE(CreatePreferenceKeyChain());
        EXPECT_TRUE(WriteServiceHost(Utf8ToUtf16(serviceHost)));
        user = std::make_unique<CWinBlogUser>(DeviceFolders::Current().DataFolder());
        user->SetEmail(email);
        user->SetPassword(kPassword);
        EXPECT_EQ(user->Save(), Error::Success);
        // Subscribing and downloading new subscriptions: yes.
        interaction.SetFallbackAnswer(true);
        // The message file is not the subject here.
        EXPECT_TRUE(WriteLastMessageCheck(GetCurrentSeconds()));
    }
    ~Handheld()
    {
        UserInteraction::Use(nullptr);
        BlogPrompts::Use(nullptr);
        DeviceFolders::Use(DeviceFolders::FromEnvironment());
    }

    void Use()
    {
        DeviceFolders::Use(DeviceFolders::ForSandbox(home.Path()));
        UserInteraction::Use(&interaction);
        BlogPrompts::Use(&prompts);
    }

    ErrorCode SyncAll()
    {
        Use();
        return commands.SyncAll(*user, progress);
    }
    ErrorCode SyncBlog(CWinBlogStorage& store)
    {
        Use();
        return commands.SyncBlog(store, *user, nullptr, progress);
    }
    // A subscription made on the device, as the subscribe dialog makes it.
    CWinBlogStorage& Subscribe(const std::string& urlName, std::uint16_t downloadSize)
    {
        Use();
        auto store = std::make_unique<CWinBlogStorage>(user->GetDataFolder(), urlName);
        store->GetBlogInfo().SetDownloadSize(downloadSize);
        store->GetBlogInfo().SetLimitEntries(false);
        EXPECT_EQ(store->Save(), Error::Success);
        CWinBlogStorage& added = *store;
        user->GetBlogList().Insert(std::move(store));
        return added;
    }
    CWinBlogStorage* Blog(const std::string& urlName) { return user->FindBlog(urlName); }
    std::vector<std::string> Shown() const
    {
        std::vector<std::string> texts;
        for (auto& shown : interaction.ShownMessages()) {
            if (!shown.isQuestion)
                texts.push_back(shown.text);
        }
        return texts;
    }
    std::vector<std::string> PhotoFiles(const std::string& urlName)
    {
        Use();
        std::vector<std::string> names;
        auto listed = ListFolder(PhotoLocation::ForDownloads().BlogFolder(urlName));
        if (!listed.IsError()) {
            for (auto& entry : *listed)
                names.push_back(entry.name);
        }
        return names;
    }

    TemporaryFolder home;
    HeadlessUserInteraction interaction;
    HeadlessBlogPrompts prompts;
    CurlHttp http;
    ServiceCommands commands { http };
    TestProgressWindow progress;
    std::unique_ptr<CWinBlogUser> user;
};

class ReferenceSync : public ::testing::Test {
protected:
    ReferenceSync()
    {
        reference.AddUser(kOwner, kPassword);
        reference.AddUser(kReader, kPassword);
    }

    // The owner's blog, made on the service and found by the owner's
    // first Sync.
    CWinBlogStorage& MakeBlog(Handheld& owner, const std::string& urlName)
    {
        owner.Use();
        EXPECT_TRUE(owner.http.Open(1));
        ServiceReply created = owner.commands.Service().RequestBlogCreation(kOwner, kPassword, urlName, "Title of " + urlName, "", true, nullptr, nullptr);
        EXPECT_TRUE(created.IsSuccess());
        EXPECT_FALSE(created.Body() && ReadServerErrorText(*created.Body())) << "the blog is made";
        owner.http.Close(1);
        EXPECT_EQ(owner.SyncAll(), Error::Success) << ::testing::PrintToString(owner.Shown());
        CWinBlogStorage* blog = owner.Blog(urlName);
        EXPECT_TRUE(blog);
        return *blog;
    }

    void AddPhotos(Handheld& handheld, CWinBlogStorage& blog, int count, const std::string& prefix = "Photo")
    {
        handheld.Use();
        for (int i = 0; i < count; ++i) {
            std::string path = handheld.home.File(prefix + "-" + std::to_string(i) + ".jpg");
            std::string jpeg = SmallJpeg(96, 72, static_cast<unsigned>(i + 1));
            std::ofstream(path, std::ios::binary).write(jpeg.data(), static_cast<std::streamsize>(jpeg.size()));
            auto made = blog.NewEntryFromPhotoFile(path);
            ASSERT_FALSE(made.IsError());
            (*made)->SetTitle(prefix + " " + std::to_string(i));
            // Distinct times, so that the order is the same everywhere: each
            // photo newer than the one before.
            (*made)->SetPostDate(m_nextPostDate++);
        }
        ASSERT_EQ(blog.Save(), Error::Success);
    }

    static std::size_t PendingCount(const CWinBlogStorage& blog)
    {
        std::size_t pending = 0;
        for (auto& entry : blog.GetEntries())
            pending += entry->IsPending() ? 1 : 0;
        return pending;
    }

    ServiceUnderTest reference;
    std::uint32_t m_nextPostDate { GetCurrentSeconds() - 100000 };
};

}

TEST_F(ReferenceSync, TwoHundredPhotosGoUpAndComeDownAtEveryDownloadSize)
{
    constexpr int kPhotos = 200;
    Handheld owner(reference.Host(), kOwner);
    CWinBlogStorage& blog = MakeBlog(owner, "myblog");
    AddPhotos(owner, blog, kPhotos);
    ASSERT_EQ(owner.SyncAll(), Error::Success) << ::testing::PrintToString(owner.Shown());
    EXPECT_EQ(PendingCount(blog), 0u);
    EXPECT_EQ(blog.GetEntries().GetSize(), static_cast<std::size_t>(kPhotos));

    for (std::uint16_t size = 1; size <= 7; ++size) {
        SCOPED_TRACE(size);
        Handheld reader(reference.Host(), kReader);
        CWinBlogStorage& copy = reader.Subscribe("myblog", size);
        ASSERT_EQ(reader.SyncBlog(copy), Error::Success) << ::testing::PrintToString(reader.Shown());
        ASSERT_EQ(copy.GetEntries().GetSize(), static_cast<std::size_t>(kPhotos));
        for (auto& entry : copy.GetEntries()) {
            ASSERT_EQ(entry->GetPhotoState(), size) << entry->GetTitle();
            ASSERT_GT(entry->GetThumbnailSize(), 0u) << entry->GetTitle();
            ASSERT_EQ(entry->GetPhotoPath().empty(), size == 1) << entry->GetTitle();
        }
        EXPECT_EQ(reader.PhotoFiles("myblog").size(), size == 1 ? 0u : static_cast<std::size_t>(kPhotos));
        EXPECT_EQ(copy.GetEntries().GetAt(0)->GetTitle(), blog.GetEntries().GetAt(0)->GetTitle());
        EXPECT_EQ(copy.GetEntries().GetAt(kPhotos - 1)->GetTitle(), blog.GetEntries().GetAt(kPhotos - 1)->GetTitle());

        // The reader's next Sync finds its subscription on the service and
        // has nothing more to fetch.
        ASSERT_EQ(reader.SyncAll(), Error::Success) << ::testing::PrintToString(reader.Shown());
        EXPECT_EQ(reader.user->GetBlogList().GetSize(), 1u);
    }
}

TEST_F(ReferenceSync, EveryKindOfChangeGoesInTheExchangesOrderAndReachesTheOtherDevice)
{
    ForwardingGate gate(reference.Port());
    Handheld owner(gate.HostText(), kOwner);
    CWinBlogStorage& blog = MakeBlog(owner, "myblog");
    AddPhotos(owner, blog, 3);
    BlogAlbum& doomed = blog.InsertCategory(blog.NewCategory());
    doomed.SetId(*blog.NextLocalCategoryId());
    doomed.SetName("Doomed");
    doomed.SetModified(true);
    ASSERT_EQ(owner.SyncAll(), Error::Success);
    BlogEntry& first = *blog.GetEntries().GetAt(0);
    std::uint32_t second = blog.GetEntries().GetAt(1)->GetServerId();
    BlogComment& comment = blog.InsertComment(blog.NewComment());
    comment.SetEntryId(first.GetServerId());
    comment.SetText("To be deleted");
    comment.SetDate(GetCurrentSeconds() - 60);
    comment.SetPending(true);
    ASSERT_EQ(owner.SyncAll(), Error::Success);
    ASSERT_NE(comment.GetCommentId(), 0u);

    // Deletions, edits, new categories, pending entries and comments.
    owner.Use();
    blog.DeleteCategory(*blog.FindCategoryByName("Doomed"), false);
    ASSERT_EQ(blog.DeleteEntry(*blog.GetEntries().GetAt(2), false, false), Error::Success) << "the oldest";
    blog.DeleteComment(comment, false);
    blog.GetBlogInfo().SetTitle("Renamed blog");
    blog.GetBlogInfo().SetSettingsModified(true);
    BlogAlbum& fresh = blog.InsertCategory(blog.NewCategory());
    fresh.SetId(*blog.NextLocalCategoryId());
    fresh.SetName("Fresh");
    fresh.SetModified(true);
    first.SetCaption("Edited caption");
    first.SetCategoryId(fresh.GetId());
    first.SetPending(true);
    AddPhotos(owner, blog, 1, "Late");
    BlogComment& reply = blog.InsertComment(blog.NewComment());
    reply.SetEntryId(second);
    reply.SetText("A new comment");
    reply.SetDate(GetCurrentSeconds());
    reply.SetPending(true);
    ASSERT_EQ(blog.Save(), Error::Success);
    gate.ClearLog();
    ASSERT_EQ(owner.SyncAll(), Error::Success) << ::testing::PrintToString(owner.Shown());
    EXPECT_EQ(gate.Actions(), (std::vector<std::string> { "GU", "DC", "DP", "DCO", "GC", "EB", "AC", "AP", "EP", "AO" }));
    EXPECT_TRUE(owner.Shown().empty()) << ::testing::PrintToString(owner.Shown());

    Handheld reader(gate.HostText(), kReader);
    CWinBlogStorage& copy = reader.Subscribe("myblog", 3);
    ASSERT_EQ(reader.SyncBlog(copy), Error::Success) << ::testing::PrintToString(reader.Shown());
    EXPECT_EQ(copy.GetBlogInfo().GetTitle(), "Renamed blog");
    EXPECT_EQ(copy.GetEntries().GetSize(), 3u);
    EXPECT_FALSE(copy.FindCategoryByName("Doomed"));
    ASSERT_TRUE(copy.FindCategoryByName("Fresh"));
    BlogEntry* edited = copy.FindEntryByServerId(first.GetServerId());
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->GetCaption(), "Edited caption");
    EXPECT_EQ(edited->GetCategoryId(), copy.FindCategoryByName("Fresh")->GetId());
    ASSERT_EQ(copy.GetComments().GetSize(), 1u);
    EXPECT_EQ(copy.GetComments().GetAt(0)->GetText(), "A new comment");
}

TEST_F(ReferenceSync, AnEditOfAnEntryDeletedOnTheWebIsToldOnceAndTheBlogSyncsOn)
{
    Handheld owner(reference.Host(), kOwner);
    CWinBlogStorage& blog = MakeBlog(owner, "myblog");
    AddPhotos(owner, blog, 3);
    ASSERT_EQ(owner.SyncAll(), Error::Success);
    std::uint32_t first = blog.GetEntries().GetAt(0)->GetServerId();
    std::uint32_t second = blog.GetEntries().GetAt(1)->GetServerId();

    // A second handheld of the owner deletes two of them on the web.
    Handheld other(reference.Host(), kOwner);
    ASSERT_EQ(other.SyncAll(), Error::Success);
    CWinBlogStorage& otherBlog = *other.Blog("myblog");
    ASSERT_EQ(otherBlog.DeleteEntry(*otherBlog.FindEntryByServerId(first), false, false), Error::Success);
    ASSERT_EQ(otherBlog.DeleteEntry(*otherBlog.FindEntryByServerId(second), false, false), Error::Success);
    ASSERT_EQ(other.SyncAll(), Error::Success);

    // The first edits both before hearing of it. The changes since its last
    // sync say the first is deleted: the web's deletion wins, nothing is
    // sent for it.
    owner.Use();
    for (std::uint32_t id : { first, second }) {
        BlogEntry& entry = *blog.FindEntryByServerId(id);
        entry.SetTitle("Edited too late");
        entry.SetPending(true);
    }
    ASSERT_EQ(blog.Save(), Error::Success);
    ASSERT_EQ(owner.SyncBlog(blog), Error::Success);
    EXPECT_FALSE(blog.FindEntryByServerId(first));
    EXPECT_FALSE(blog.FindEntryByServerId(second));
    EXPECT_TRUE(owner.Shown().empty());

    // A full listing (the service had forgotten the deletion, or the device
    // asks for everything) does not name a deleted entry: the edit of one
    // is sent, refused once, and the next sync drops it.
    ASSERT_EQ(other.SyncAll(), Error::Success);
    std::uint32_t third = otherBlog.GetEntries().GetAt(0)->GetServerId();
    ASSERT_EQ(otherBlog.DeleteEntry(*otherBlog.FindEntryByServerId(third), false, false), Error::Success);
    ASSERT_EQ(other.SyncAll(), Error::Success);
    owner.Use();
    BlogEntry& stale = *blog.FindEntryByServerId(third);
    stale.SetTitle("Also too late");
    stale.SetPending(true);
    AddPhotos(owner, blog, 1, "After");
    blog.SetDownloadStamp(0);
    ASSERT_EQ(owner.SyncBlog(blog), Error::Success);
    EXPECT_EQ(owner.Shown(), (std::vector<std::string> { "Error: This picture is deleted or doesn't exist." }));
    EXPECT_FALSE(stale.IsPending());
    EXPECT_EQ(PendingCount(blog), 0u) << "the entry after it went too";
    ASSERT_EQ(owner.SyncBlog(blog), Error::Success);
    EXPECT_FALSE(blog.FindEntryByServerId(third));
    EXPECT_EQ(owner.Shown().size(), 1u);
    EXPECT_EQ(blog.GetEntries().GetSize(), 1u);
}

TEST_F(ReferenceSync, AnEntryTakenWhoseAnswerWasLostIsNotSentAgain)
{
    ForwardingGate gate(reference.Port());
    Handheld owner(gate.HostText(), kOwner);
    CWinBlogStorage& blog = MakeBlog(owner, "myblog");
    AddPhotos(owner, blog, 2);
    // The service takes the first entry; its answer never reaches the
    // handheld, whose user gives up waiting.
    bool lost = false;
    gate.After([&](const std::string& action, int) -> std::optional<HttpTestServer::Response> {
        if (action != "AP" || lost)
            return std::nullopt;
        lost = true;
        owner.progress.cancel = true;
        return HttpTestServer::Silent();
    });
    EXPECT_EQ(owner.SyncBlog(blog), Error::AlreadyReported);
    EXPECT_EQ(owner.Shown(), (std::vector<std::string> { "Sync Cancelled." }));
    EXPECT_EQ(PendingCount(blog), 2u);

    owner.progress.cancel = false;
    gate.After(nullptr);
    gate.ClearLog();
    ASSERT_EQ(owner.SyncBlog(blog), Error::Success);
    auto actions = gate.Actions();
    EXPECT_EQ(std::count(actions.begin(), actions.end(), "AP"), 1) << "the changes brought the first one back as sent";
    EXPECT_EQ(PendingCount(blog), 0u);
    EXPECT_EQ(blog.GetEntries().GetSize(), 2u);

    Handheld reader(reference.Host(), kReader);
    CWinBlogStorage& copy = reader.Subscribe("myblog", 1);
    ASSERT_EQ(reader.SyncBlog(copy), Error::Success);
    EXPECT_EQ(copy.GetEntries().GetSize(), 2u) << "one copy of each on the web";
}
