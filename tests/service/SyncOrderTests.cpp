// A whole sync against a scripted service: the requests in their order,
// what each sends, and the store they leave on disk.

#include "SyncTestBench.h"

#include "app/Preferences.h"
#include "model/BlogIds.h"
#include "model/HeadlessBlogPrompts.h"
#include "platform/Clock.h"

using SyncOrder = SyncTest;

TEST_F(SyncOrder, OneBlogGoesDeletionsChangesPhotosSettingsCategoriesEntriesComments)
{
    MakeBlogWithEverythingToSend();
    ASSERT_EQ(SyncBlog(), Error::Success) << ::testing::PrintToString(Shown());

    EXPECT_EQ(service.Actions(), EverythingSent());
    EXPECT_TRUE(Shown().empty()) << ::testing::PrintToString(Shown());

    EXPECT_NE(service.BodiesOf("DC")[0].find("<CA><CI>31</CI></CA>"), std::string::npos);
    EXPECT_NE(service.BodiesOf("DP")[0].find("<PI><ID>9001</ID></PI>"), std::string::npos);
    EXPECT_NE(service.BodiesOf("DCO")[0].find("<OM><OI>55</OI></OM>"), std::string::npos);
    EXPECT_NE(service.BodiesOf("EB")[0].find("<BT>New title</BT>"), std::string::npos);
    // The new entry goes in the category the service has just made.
    std::uint32_t categoryId = Blog().FindCategoryByName("A new category")->GetId();
    EXPECT_LT(categoryId, BlogIds::FirstLocalCategory);
    EXPECT_NE(service.BodiesOf("AP")[0].find("<CI>" + std::to_string(categoryId) + "</CI>"), std::string::npos);
    EXPECT_NE(service.BodiesOf("AP")[0].find("<JP>"), std::string::npos);
    EXPECT_NE(service.BodiesOf("EP")[0].find("<ID>9002</ID>"), std::string::npos);
    EXPECT_NE(service.BodiesOf("AO")[0].find("<ID>9002</ID>"), std::string::npos);

    // What the service took is what the file says.
    auto saved = StoreOnDisk();
    EXPECT_EQ(saved->GetDeletedCategories().GetSize(), 0u);
    EXPECT_EQ(saved->GetDeletedEntries().GetSize(), 0u);
    EXPECT_EQ(saved->GetDeletedComments().GetSize(), 0u);
    EXPECT_FALSE(saved->GetBlogInfo().IsSettingsModified());
    EXPECT_FALSE(saved->GetFirstModifiedCategory());
    for (auto& entry : saved->GetEntries()) {
        EXPECT_FALSE(entry->IsPending()) << entry->GetTitle();
        EXPECT_NE(entry->GetServerId(), 0u) << entry->GetTitle();
    }
    EXPECT_FALSE(saved->GetFirstPendingComment());
    EXPECT_EQ(saved->GetDownloadStamp(), Blog().GetDownloadStamp());
    EXPECT_NE(saved->GetDownloadStamp(), 0u);
    ASSERT_TRUE(saved->FindEntryByServerId(9003));
    EXPECT_EQ(saved->FindEntryByServerId(9003)->GetPhotoState(), 5);
    EXPECT_EQ(PhotoFiles(), (std::vector<std::string> { "9002.jpg", "9003.jpg" }));

    // Nothing is left to send.
    service.ClearLog();
    ASSERT_EQ(SyncBlog(), Error::Success);
    EXPECT_EQ(service.Actions(), (std::vector<std::string> { "GC" })) << "the message file is read once a day";
}

TEST_F(SyncOrder, SyncAllRefreshesTheAccountFirstAndRepairsTheServicesList)
{
    CWinBlogStorage& other = AddBlog("otherblog");
    user->RebuildBlogUrlNames();
    // The service lists "myblog" and a blog the device no longer has, which
    // it had known: the list is repaired.
    user->SetBlogUrlNames({ u"myblog", u"otherblog", u"removed" });
    service.SetSubscriptions({ "myblog", "otherblog", "removed" });
    ASSERT_EQ(SyncAll(), Error::Success) << ::testing::PrintToString(Shown());
    EXPECT_EQ(service.Actions(),
        (std::vector<std::string> { "GU", "EU", "GET /Downloads/messages/ppc/Vellumbrix.txt", "GC", "GC" }));
    EXPECT_NE(service.BodiesOf("EU")[0].find("<EU><SL><SU>myblog</SU><SU>otherblog</SU></SL></EU>"), std::string::npos);
    EXPECT_NE(other.GetDownloadStamp(), 0u);
    EXPECT_EQ(user->GetRemoteBlogNames(), (std::vector<std::u16string> { u"Elsewhere" }));
}

TEST_F(SyncOrder, NewSubscriptionsAreAskedAboutOnceAndANoSkipsThem)
{
    service.SetSubscriptions({ "myblog", "first-new", "second-new" });
    device.Interaction().ScriptAnswer(true);  // subscribe to first-new
    device.Interaction().ScriptAnswer(true);  // subscribe to second-new
    device.Interaction().ScriptAnswer(false); // not now
    ASSERT_EQ(SyncAll(), Error::Success);
    EXPECT_EQ(service.Count("GC"), 1) << "only the blog that was there";
    std::size_t questions = 0;
    for (auto& shown : device.Interaction().ShownMessages())
        questions += shown.text.starts_with("You have one or more new subscriptions") ? 1 : 0;
    EXPECT_EQ(questions, 1u);
    EXPECT_TRUE(user->FindBlog("first-new"));
    EXPECT_TRUE(user->FindBlog("second-new"));

    // Asked again at the next Sync? No: they are no longer new.
    service.ClearLog();
    ASSERT_EQ(SyncAll(), Error::Success);
    EXPECT_EQ(service.Count("GC"), 3);
}

TEST_F(SyncOrder, ABlogThatDownloadsNothingStillSendsItsChanges)
{
    Blog().GetBlogInfo().SetDownloadSize(0);
    AddPendingEntry("New");
    AddPublishedEntry(9003, "Without photo");
    ASSERT_EQ(SyncBlog(), Error::Success);
    EXPECT_EQ(service.Actions(), (std::vector<std::string> { "GET /Downloads/messages/ppc/Vellumbrix.txt", "AP" }));
}

TEST_F(SyncOrder, TheEntryEditorsSyncSendsThatEntryAloneUnlessItsCategoryIsNew)
{
    BlogEntry& published = AddPendingEntry("In Unfiled");
    ASSERT_EQ(SyncBlog(&published), Error::Success);
    EXPECT_EQ(service.Actions(), (std::vector<std::string> { "AP" }));
    EXPECT_FALSE(published.IsPending());

    service.ClearLog();
    ASSERT_EQ(SyncBlog(&published), Error::Success);
    EXPECT_TRUE(service.Actions().empty()) << "nothing to send";

    BlogEntry& local = AddPendingEntry("In a new category", AddCategory(*Blog().NextLocalCategoryId(), "Fresh", true).GetId());
    ASSERT_EQ(SyncBlog(&local), Error::Success);
    EXPECT_EQ(service.Actions(),
        (std::vector<std::string> { "GET /Downloads/messages/ppc/Vellumbrix.txt", "GC", "AC", "AP" }));
}

TEST_F(SyncOrder, AMissingPhotoIsPassedOverAndToldOfOnceAfterTheComments)
{
    AddPendingEntry("Second", 0, true);
    BlogEntry& lost = AddPendingEntry("First, lost its photo", 0, false);
    // Newest first: the lost one is the first pending entry.
    lost.SetPostDate(lost.GetPostDate() + 100);
    AddPublishedEntry(9002, "Commented");
    AddComment(9002, 0, "Hello", true);
    ASSERT_EQ(SyncBlog(), Error::Success);
    auto actions = service.Actions();
    EXPECT_EQ(std::count(actions.begin(), actions.end(), "AP"), 1);
    EXPECT_EQ(actions.back(), "AO") << "the comments go all the same";
    EXPECT_TRUE(lost.IsPending());
    EXPECT_EQ(Shown(), (std::vector<std::string> { "Photos for one or more Pending items could not be found and were not" }));
}

TEST_F(SyncOrder, AnEntryLimitTrimsTheOldestEntriesWithTheirCommentsAndDownloadedPhotos)
{
    Blog().GetBlogInfo().SetLimitEntries(true);
    Blog().GetBlogInfo().SetEntryLimit(25);
    ChangesResponseBuilder changes;
    changes.Timestamp(ScriptedService::NowText());
    for (std::uint32_t i = 0; i < 30; ++i) {
        ChangesResponseBuilder::Entry entry;
        entry.id = 100 + i;
        entry.title = "Entry " + std::to_string(i);
        char posted[32];
        std::snprintf(posted, sizeof posted, "2006-07-%02uT10:00:00Z", 1 + i);
        entry.posted = posted;
        entry.sourceUrl = service.PhotoUrl(std::to_string(entry.id) + ".jpg");
        entry.photoUrl = service.PhotoUrl(std::to_string(entry.id) + "-p.jpg");
        entry.thumbnailUrl = service.PhotoUrl(std::to_string(entry.id) + "-t.jpg");
        changes.Add(entry);
        ChangesResponseBuilder::Comment comment;
        comment.id = 700 + i;
        comment.entryId = entry.id;
        comment.text = "On " + entry.title;
        changes.Add(comment);
    }
    service.SetChanges(changes.Text());
    ASSERT_EQ(SyncBlog(), Error::Success);
    const auto& entries = Blog().GetEntries();
    ASSERT_EQ(entries.GetSize(), 25u);
    EXPECT_EQ(entries.GetAt(0)->GetServerId(), 129u) << "the newest stay";
    EXPECT_EQ(entries.GetAt(24)->GetServerId(), 105u);
    EXPECT_EQ(Blog().GetComments().GetSize(), 25u);
    EXPECT_FALSE(Blog().FindCommentById(700));
    EXPECT_EQ(PhotoFiles().size(), 25u) << "only the entries kept got their photos";
}
