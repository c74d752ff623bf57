// What a sync does when something goes wrong at a chosen step: who tells
// the user, what stays on the device, what the next sync sends.

#include "SyncTestBench.h"

#include "model/HeadlessBlogPrompts.h"
#include "platform/Clock.h"
#include "support/TemporaryFolder.h"

#include <algorithm>
#include <filesystem>

namespace {

class SyncFailure : public SyncTest {
protected:
    SyncFailure()
    {
        // Synced an hour ago, message file read today.
        Blog().SetDownloadStamp(GetCurrentSeconds() - 3600);
        service.SetMessageFile("");
        EXPECT_EQ(Blog().Save(), Error::Success);
    }

    static HttpTestServer::Response Refusal(const std::string& action, const std::string& text)
    {
        return HttpTestServer::Ok(ScriptedService::ErrorReply(action, text));
    }
    void Refuse(const std::string& action, const std::string& text)
    {
        service.On(action, [=](const HttpTestServer::Request&) { return Refusal(action, text); });
    }
    std::vector<std::string> SoapActions() const
    {
        std::vector<std::string> actions;
        for (auto& action : service.Actions()) {
            if (!action.starts_with("GET "))
                actions.push_back(action);
        }
        return actions;
    }
};

}

TEST_F(SyncFailure, AServerErrorIsShownAtOnceAndEndsTheBlogsSync)
{
    AddPendingEntry("Never sent");
    Refuse("GC", "Error: A blog doesn't exist");
    EXPECT_EQ(SyncBlog(), Error::AlreadyReported);
    EXPECT_EQ(Shown(), (std::vector<std::string> { "This Blog URL does not exist." }));
    EXPECT_EQ(SoapActions(), (std::vector<std::string> { "GC" }));
}

TEST_F(SyncFailure, AFailingBlogEndsSyncAllAndTheBlogsAfterItAreNotSynced)
{
    AddBlog("zzz-later");
    service.SetSubscriptions({ "myblog", "zzz-later" });
    user->RebuildBlogUrlNames();
    service.On("GC", [](const HttpTestServer::Request&) { return HttpTestServer::WithStatus(500, "Internal Server Error"); });
    EXPECT_EQ(SyncAll(), Error::AlreadyReported);
    EXPECT_EQ(SoapActions(), (std::vector<std::string> { "GU", "GC" }));
    EXPECT_EQ(Shown(), (std::vector<std::string> { "An unknown error occurred (500)." })) << "a failure of the network is shown once too";
}

TEST_F(SyncFailure, ARefusedPermissionKeepsTheChangeHereAndTheSyncGoesOn)
{
    BlogAlbum& category = AddCategory(40, "Renamed", true);
    BlogEntry& refused = AddPublishedEntry(9002, "Edited, refused");
    refused.SetPending(true);
    BlogEntry& accepted = AddPendingEntry("New, accepted");
    BlogComment& comment = AddComment(9002, 0, "Refused comment", true);
    Refuse("EC", "Error: You have not permission to edit a category");
    Refuse("EP", "Error: You have not permission to edit a picture");
    Refuse("AO", "Error: You have not permission to post a comment");
    EXPECT_EQ(SyncBlog(), Error::Success);
    EXPECT_EQ(SoapActions(), (std::vector<std::string> { "GC", "EC", "AP", "EP", "AO" }));
    EXPECT_EQ(Shown().size(), 3u);
    EXPECT_EQ(category.GetName(), "Renamed") << "the change stays";
    EXPECT_FALSE(category.IsModified());
    EXPECT_EQ(refused.GetTitle(), "Edited, refused");
    EXPECT_FALSE(refused.IsPending());
    EXPECT_FALSE(accepted.IsPending());
    EXPECT_FALSE(comment.IsPending());
    EXPECT_EQ(StoreOnDisk()->GetDownloadStamp(), 0u) << "the next changes request asks for the whole blog";

    service.ClearLog();
    EXPECT_EQ(SyncBlog(), Error::Success);
    EXPECT_EQ(SoapActions(), (std::vector<std::string> { "GC" }));
    EXPECT_NE(service.BodiesOf("GC")[0].find("<TS />"), std::string::npos);
}

TEST_F(SyncFailure, AnEditOfAnEntryDeletedOnTheWebDoesNotStickTheSync)
{
    BlogEntry& gone = AddPublishedEntry(9002, "Deleted on the web, edited here");
    gone.SetCaption("my edit");
    gone.SetPending(true);
    AddPendingEntry("New after it").SetPostDate(gone.GetPostDate() - 1);
    Refuse("EP", "Error: This picture is deleted or doesn't exist");
    EXPECT_EQ(SyncBlog(), Error::Success);
    EXPECT_EQ(Shown(), (std::vector<std::string> { "Error: This picture is deleted or doesn't exist." }));
    EXPECT_EQ(SoapActions(), (std::vector<std::string> { "GC", "EP", "AP" })) << "the entries after it still go";

    // The next sync brings the whole blog, which no longer holds it.
    service.ClearLog();
    service.SetChanges(ChangesResponseBuilder().Timestamp(ScriptedService::NowText()).Text());
    EXPECT_EQ(SyncBlog(), Error::Success);
    EXPECT_EQ(SoapActions(), (std::vector<std::string> { "GC" }));
    EXPECT_FALSE(Blog().FindEntryByServerId(9002));
    EXPECT_EQ(Shown().size(), 1u);
}

TEST_F(SyncFailure, RecordsGoneFromTheWebAreSettledNotSentForever)
{
    Blog().DeleteCategory(AddCategory(31, "Gone", false), false);
    ASSERT_EQ(Blog().DeleteEntry(AddPublishedEntry(9001, "Gone"), false, false), Error::Success);
    Blog().DeleteComment(AddComment(9003, 56, "Gone", false), false);
    AddCategory(40, "Taken name", true);
    AddPublishedEntry(9003, "Deleted on the web");
    AddComment(9003, 0, "On a deleted entry", true);
    Refuse("DC", "Error: This category is deleted or doesn't exist");
    Refuse("DP", "Error: This picture is deleted or doesn't exist");
    Refuse("DCO", "Error: This comment is deleted or doesn't exist");
    Refuse("EC", "Error: Category already used");
    Refuse("AO", "Error: An entry is deleted or doesn't exist");
    EXPECT_EQ(SyncBlog(), Error::Success);
    EXPECT_EQ(SoapActions(), (std::vector<std::string> { "DC", "DP", "DCO", "GC", "EC", "AO" }));
    EXPECT_EQ(Shown(), (std::vector<std::string> { "Category already used.", "A category is deleted or doesn't exist." }))
        << "deletions of what is gone are done, quietly (8017 has the message the error table gives it)";
    auto saved = StoreOnDisk();
    EXPECT_EQ(saved->GetDeletedCategories().GetSize() + saved->GetDeletedEntries().GetSize() + saved->GetDeletedComments().GetSize(), 0u);
    EXPECT_FALSE(saved->GetFirstModifiedCategory());
    EXPECT_EQ(saved->GetComments().GetSize(), 0u) << "a comment for an entry that is gone can go nowhere";

    service.ClearLog();
    EXPECT_EQ(SyncBlog(), Error::Success);
    EXPECT_EQ(SoapActions(), (std::vector<std::string> { "GC" }));
}

TEST_F(SyncFailure, AnEntryWhoseCategoryIsGoneIsSentUnfiled)
{
    BlogEntry& entry = AddPendingEntry("Filed in a deleted category", 40);
    service.OnNth("AP", 1, [](const HttpTestServer::Request&) { return Refusal("AP", "Error: This category is deleted or doesn't exist"); });
    EXPECT_EQ(SyncBlog(), Error::Success);
    auto bodies = service.BodiesOf("AP");
    ASSERT_EQ(bodies.size(), 2u);
    EXPECT_NE(bodies[1].find("<CI>0</CI>"), std::string::npos);
    EXPECT_FALSE(entry.IsPending());
}

TEST_F(SyncFailure, AnInvalidTimestampAsksForEverythingNextTime)
{
    Refuse("GC", "Error: Invalid timestamp");
    EXPECT_EQ(SyncBlog(), Error::AlreadyReported);
    EXPECT_EQ(Shown(), (std::vector<std::string> { "Timestamp updated.  Please sync again." }));
    EXPECT_EQ(StoreOnDisk()->GetDownloadStamp(), 0u) << "kept at once, or the same request would fail forever";
    service.ClearLog();
    service.On("GC", nullptr);
    service.SetChanges(ChangesResponseBuilder().Timestamp(ScriptedService::NowText()).Text());
    EXPECT_EQ(SyncBlog(), Error::Success);
    EXPECT_NE(service.BodiesOf("GC")[0].find("<TS />"), std::string::npos);
}

TEST_F(SyncFailure, AProtectedBlogAsksForTheViewPasswordAndRepeatsTheRequest)
{
    ScopedHeadlessBlogPrompts prompts;
    prompts.ScriptViewPassword("wrong");
    prompts.ScriptViewPassword("open sesame");
    service.OnNth("GC", 1, [](const HttpTestServer::Request&) { return Refusal("GC", "Error: The Blog is password protected"); });
    service.OnNth("GC", 2, [](const HttpTestServer::Request&) { return Refusal("GC", "Error: Enter valid viewer password"); });
    EXPECT_EQ(SyncBlog(), Error::Success);
    EXPECT_EQ(prompts.PasswordPrompts(), (std::vector<std::string> { "myblog", "myblog" }));
    auto bodies = service.BodiesOf("GC");
    ASSERT_EQ(bodies.size(), 3u);
    EXPECT_NE(bodies[0].find("<VP />"), std::string::npos);
    EXPECT_NE(bodies[2].find("<VP><DI>"), std::string::npos);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(StoreOnDisk()->GetBlogInfo().GetViewPassword(), "open sesame");
}

TEST_F(SyncFailure, DecliningTheViewPasswordEndsTheSyncQuietly)
{
    ScopedHeadlessBlogPrompts prompts;
    AddPendingEntry("Stays");
    Refuse("GC", "Error: The Blog is password protected");
    EXPECT_EQ(SyncBlog(), Error::AlreadyReported);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(SoapActions(), (std::vector<std::string> { "GC" }));
}

TEST_F(SyncFailure, ATransportFailureIsShownOnceAndWhatWentBeforeStaysSent)
{
    AddPendingEntry("First");
    BlogEntry& second = AddPendingEntry("Second");
    second.SetPostDate(second.GetPostDate() - 10);
    service.OnNth("AP", 2, [](const HttpTestServer::Request&) { return HttpTestServer::WithStatus(503, "Service Unavailable"); });
    EXPECT_EQ(SyncBlog(), Error::AlreadyReported);
    EXPECT_EQ(Shown(), (std::vector<std::string> { "An unknown error occurred (503)." }));
    EXPECT_TRUE(second.IsPending());
    auto saved = StoreOnDisk();
    EXPECT_EQ(std::count_if(saved->GetEntries().begin(), saved->GetEntries().end(),
                  [](const std::unique_ptr<BlogEntry>& entry) { return entry->IsPending(); }),
        1)
        << "the first entry's acceptance is on disk";
}

TEST_F(SyncFailure, APictureThatIsNotThereOrNotAPictureDoesNotStopTheSync)
{
    AddPublishedEntry(9001, "Missing on the server", 3000000003u);
    AddPublishedEntry(9002, "Not a JPEG", 3000000002u);
    AddPublishedEntry(9003, "Fine", 3000000001u);
    AddPendingEntry("Goes up");
    service.On("GET /photos/myblog/9001-p.jpg", [](const HttpTestServer::Request&) { return HttpTestServer::WithStatus(404, "Not Found"); });
    service.On("GET /photos/myblog/9002-p.jpg", [](const HttpTestServer::Request&) { return HttpTestServer::Ok("<html>oops</html>", "text/html"); });
    EXPECT_EQ(SyncBlog(), Error::Success);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(PhotoFiles(), (std::vector<std::string> { "9003.jpg" }));
    EXPECT_EQ(Blog().FindEntryByServerId(9001)->GetPhotoState(), 0);
    EXPECT_EQ(service.Count("AP"), 1);
}

TEST_F(SyncFailure, CancellingAStalledRequestEndsTheSyncWithOneMessage)
{
    AddPendingEntry("Waits");
    service.On("GC", [this](const HttpTestServer::Request&) {
        progress.cancel = true;
        return HttpTestServer::Stalled(ChangesResponseBuilder().Timestamp(ScriptedService::NowText()).Text(), 40);
    });
    std::uint32_t stamp = Blog().GetDownloadStamp();
    EXPECT_EQ(SyncBlog(), Error::AlreadyReported);
    EXPECT_EQ(Shown(), (std::vector<std::string> { "Sync Cancelled." }));
    EXPECT_EQ(Blog().GetDownloadStamp(), stamp) << "what the service holds has not changed";
    EXPECT_EQ(SoapActions(), (std::vector<std::string> { "GC" }));
}

namespace {

// An HTTP client that cannot be made ready, as when the library cannot
// start; nothing is ever sent through it.
class HttpThatCannotOpen final : public Http {
public:
    std::unique_ptr<HttpResponse> Send(HttpRequest&) override
    {
        ADD_FAILURE() << "a request was sent through a client that did not open";
        return nullptr;
    }
    std::unique_ptr<Stream> MakeUserAgentHeader() override { return nullptr; }
    bool Open(int) override { return false; }
    void Close(int) override { ++closed; }
    bool IsCancelCode(ErrorCode code) const override { return code == Error::Cancelled; }
    bool IsFailureCode(ErrorCode code) const override { return code != Error::Success && code != Error::Cancelled; }

    int closed { 0 };
};

}

TEST_F(SyncFailure, AClientThatCannotOpenSaysSoOnceAndSendsNothing)
{
    BlogEntry& entry = AddPendingEntry("Waits");
    EXPECT_EQ(Blog().Save(), Error::Success);
    HttpThatCannotOpen closedHttp;
    ServiceCommands closedCommands { closedHttp };
    EXPECT_EQ(closedCommands.SyncBlog(Blog(), *user, nullptr, progress), Error::AlreadyReported);
    EXPECT_EQ(closedCommands.SyncAll(*user, progress), Error::AlreadyReported);
    EXPECT_EQ(Shown(), (std::vector<std::string> { "A connection to the Internet could not be made.", "A connection to the Internet could not be made." }))
        << "one message for each command";
    EXPECT_EQ(closedHttp.closed, 0) << "a client that did not open is not closed";
    EXPECT_TRUE(entry.IsPending());
    EXPECT_TRUE(service.Actions().empty());
}

// The store cannot be saved once the changes are merged (its folder has
// become a file): the save's message is shown, nothing more is sent, and
// the file keeps the store as it was until a later sync saves it.
TEST_F(SyncFailure, AStoreThatCannotBeSavedAfterTheMergeEndsTheSync)
{
    AddPendingEntry("Waits");
    EXPECT_EQ(Blog().Save(), Error::Success);
    std::filesystem::path folder = std::filesystem::path(Blog().GetFilePath()).parent_path();
    std::filesystem::path away = folder.string() + ".away";
    service.On("GC", [&](const HttpTestServer::Request&) {
        std::filesystem::rename(folder, away);
        WriteTextFile(folder.string(), "not a folder");
        return HttpTestServer::Ok(ChangesResponseBuilder().Timestamp(ScriptedService::NowText()).Add(ChangesResponseBuilder::Entry { .id = 9100, .title = "From the web" }).Text());
    });
    EXPECT_EQ(SyncBlog(), Error::AlreadyReported);
    EXPECT_EQ(Shown(), (std::vector<std::string> { "There was an error saving the local blog database." }));
    EXPECT_EQ(SoapActions(), (std::vector<std::string> { "GC" })) << "the pending entry waits";

    std::filesystem::remove(folder);
    std::filesystem::rename(away, folder);
    EXPECT_FALSE(StoreOnDisk()->FindEntryByServerId(9100)) << "the file is the store before the sync";
    service.On("GC", [](const HttpTestServer::Request&) { return HttpTestServer::Ok(ChangesResponseBuilder().Timestamp(ScriptedService::NowText()).Text()); });
    EXPECT_EQ(SyncBlog(), Error::Success);
    auto saved = StoreOnDisk();
    EXPECT_TRUE(saved->FindEntryByServerId(9100));
    EXPECT_EQ(std::count_if(saved->GetEntries().begin(), saved->GetEntries().end(),
                  [](const std::unique_ptr<BlogEntry>& entry) { return entry->IsPending(); }),
        0);
}
