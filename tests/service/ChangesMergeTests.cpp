// Changes responses ("GC") fetched from the local server and merged into
// the blog's store, section by section.

#include "ProgressRecorder.h"
#include "ServiceTestBench.h"
#include "platform/FileSystem.h"
#include "support/ScopedEnvironment.h"
#include "support/TemporaryFolder.h"
#include "transport/TimeText.h"
#include "model/PhotoLocation.h"

#include <filesystem>

namespace {

using Response = ChangesResponseBuilder;

ProgramTime Utc(const char* iso)
{
    return ParseTime(iso);
}

class ChangesMerge : public ServiceTest {
protected:
    // Fetches the response with "GC" (a full refresh when asked) and merges
    // it.
    ErrorCode Merge(const Response& response, bool fullRefresh)
    {
        service.SetTimestamp(fullRefresh ? 0 : GetCurrentSeconds() - 3600);
        Answer(response.Text());
        ServiceReply reply = service.RequestChanges(nullptr, nullptr);
        EXPECT_TRUE(reply.IsSuccess()) << reply.Code();
        if (!reply.Body())
            return reply.Code();
        return service.ProcessChanges(*reply.Body(), recorder.Callback, &recorder);
    }

    BlogEntry& Held(std::uint32_t id)
    {
        BlogEntry* entry = store->FindEntryByServerId(id);
        EXPECT_TRUE(entry) << id;
        static std::unique_ptr<BlogEntry> none = store->NewEntry();
        return entry ? *entry : *none;
    }

    std::vector<std::uint32_t> EntryIds() const
    {
        std::vector<std::uint32_t> ids;
        for (auto& entry : store->GetEntries())
            ids.push_back(entry->GetServerId());
        return ids;
    }

    std::vector<std::uint32_t> CommentIds() const
    {
        std::vector<std::uint32_t> ids;
        for (auto& comment : store->GetComments())
            ids.push_back(comment->GetCommentId());
        return ids;
    }

    std::vector<std::string> CategoryNames() const
    {
        std::vector<std::string> names;
        for (auto& category : store->GetCategories())
            names.push_back(category->GetName() + "#" + std::to_string(category->GetId()));
        return names;
    }

    ScopedTimeZone zone { "XST-2" };
    ProgressRecorder recorder;
};

Response::Entry AnEntry(std::uint32_t id, std::string title, const char* posted = "2006-07-01T10:00:00Z")
{
    Response::Entry entry;
    entry.id = id;
    entry.categoryId = 31;
    entry.title = std::move(title);
    entry.caption = "Caption of " + entry.title;
    entry.sourceUrl = "http://photos.example/o/" + std::to_string(id) + ".jpg";
    entry.photoUrl = "http://photos.example/p/" + std::to_string(id) + ".jpg";
    entry.thumbnailUrl = "http://photos.example/t/" + std::to_string(id) + ".jpg";
    entry.posted = posted;
    return entry;
}

Response::Comment AComment(std::uint32_t id, std::uint32_t entryId, std::string text)
{
    Response::Comment comment;
    comment.id = id;
    comment.entryId = entryId;
    comment.text = std::move(text);
    return comment;
}

}

TEST_F(ChangesMerge, AnIncrementalSyncAddsWhatIsNewAndMarksIt)
{
    Response::Blog blog;
    blog.title = "Holidays & more";
    blog.visibility = "hidden";
    blog.commentAccess = "no";
    Response response;
    response.Timestamp("2006-07-03T08:00:00Z")
        .Add(blog)
        .Add(Response::Category { 31, "Beach", "http://example/beach" })
        .Add(AnEntry(1, "Sunset <1>"))
        .Add(AnEntry(2, "Surf", "2006-07-02T10:00:00Z"))
        .Add(AComment(501, 1, "Lovely"))
        .Add(AComment(502, 99, "On an entry this device does not hold"));
    ASSERT_EQ(Merge(response, false), Error::Success);

    EXPECT_EQ(service.GetTimestamp(), Utc("2006-07-03T08:00:00Z"));
    const CBlogInfo& info = store->GetBlogInfo();
    EXPECT_EQ(info.GetTitle(), "Holidays & more");
    EXPECT_EQ(info.GetHidden(), 1);
    EXPECT_EQ(info.GetGroupBlog(), 0);
    EXPECT_EQ(info.GetOwnerId(), 77u);
    EXPECT_TRUE(info.CanAddPhotos());
    EXPECT_FALSE(info.AreCommentsAllowed());
    EXPECT_EQ(CategoryNames(), (std::vector<std::string> { "Beach#31" }));
    EXPECT_FALSE(store->GetCategoryAt(0)->IsModified());

    EXPECT_EQ(EntryIds(), (std::vector<std::uint32_t> { 2, 1 })) << "newest first";
    BlogEntry& sunset = Held(1);
    EXPECT_EQ(sunset.GetTitle(), "Sunset <1>");
    EXPECT_EQ(sunset.GetCaption(), "Caption of Sunset <1>");
    EXPECT_EQ(sunset.GetCategoryId(), 31u);
    EXPECT_EQ(sunset.GetSourceUrl(), "http://photos.example/o/1.jpg");
    EXPECT_EQ(sunset.GetPhotoUrl(), "http://photos.example/p/1.jpg");
    EXPECT_EQ(sunset.GetThumbnailUrl(), "http://photos.example/t/1.jpg");
    EXPECT_EQ(sunset.GetPostDate(), Utc("2006-07-01T10:00:00Z"));
    EXPECT_EQ(sunset.GetTakenDate(), Utc("2006-07-01T09:00:00Z"));
    EXPECT_EQ(sunset.GetPosterId(), 0u) << "read for group blogs only";
    EXPECT_EQ(sunset.GetAuthorName(), "");
    EXPECT_FALSE(sunset.IsPending());
    EXPECT_TRUE(sunset.IsNewEntry());
    EXPECT_TRUE(sunset.HasNewComments());
    EXPECT_TRUE(Held(2).IsNewEntry());
    EXPECT_FALSE(Held(2).HasNewComments());

    EXPECT_EQ(CommentIds(), (std::vector<std::uint32_t> { 501, 502 }));
    BlogComment& lovely = *store->FindCommentById(501);
    EXPECT_EQ(lovely.GetAuthorName(), "Reader");
    EXPECT_EQ(lovely.GetAuthorId(), 78u);
    EXPECT_EQ(lovely.GetDate(), Utc("2006-07-02T10:00:00Z"));
    EXPECT_FALSE(lovely.IsPending());

    SaveStore();
    auto saved = ReloadStore();
    EXPECT_EQ(saved->GetEntries().GetSize(), 2u);
    EXPECT_EQ(saved->GetComments().GetSize(), 2u);
}

TEST_F(ChangesMerge, AGroupBlogsEntriesNameTheirPosters)
{
    Response::Blog blog;
    blog.type = "group";
    blog.writeAccess = "no";
    blog.ownerId = 12;
    Response::Entry entry = AnEntry(1, "Shared");
    entry.posterId = 12;
    entry.posterName = "Owner";
    ASSERT_EQ(Merge(Response().Add(blog).Add(entry), false), Error::Success);
    EXPECT_EQ(store->GetBlogInfo().GetGroupBlog(), 1);
    EXPECT_EQ(store->GetBlogInfo().GetOwnerId(), 12u);
    EXPECT_FALSE(store->GetBlogInfo().CanAddPhotos());
    EXPECT_EQ(Held(1).GetPosterId(), 12u);
    EXPECT_EQ(Held(1).GetAuthorName(), "Owner");
}

TEST_F(ChangesMerge, AFullRefreshSweepsWhatTheServiceNoLongerLists)
{
    store->InsertCategory(MakeCategory(*store, 31, "Beach", false));
    store->InsertCategory(MakeCategory(*store, 32, "Gone", false));
    store->InsertCategory(MakeCategory(*store, 4294967040u, "Made here", true));
    store->InsertEntry(MakeEntry(*store, 1, "Kept", 300, false));
    store->InsertEntry(MakeEntry(*store, 2, "Gone", 200, false));
    store->InsertEntry(MakeEntry(*store, 4, "Pending edit", 150, true));
    store->InsertEntry(MakeEntry(*store, 0, "Not yet sent", 100, true));
    store->InsertComment(MakeComment(*store, 1, 601, "kept", 10, false));
    store->InsertComment(MakeComment(*store, 2, 602, "gone with its entry", 11, false));
    store->InsertComment(MakeComment(*store, 1, 0, "not yet sent", 12, true));

    Response response;
    response.Timestamp("2006-07-03T08:00:00Z")
        .Add(Response::Category { 31, "Beach", "" })
        .Add(AnEntry(1, "Kept"))
        .Add(AnEntry(3, "New"))
        .Add(AComment(601, 1, "kept"))
        .Add(AComment(603, 3, "on the new entry"))
        .Add(AComment(604, 42, "on an entry the device does not get"));
    ASSERT_EQ(Merge(response, true), Error::Success);

    EXPECT_EQ(CategoryNames(), (std::vector<std::string> { "Beach#31", "Made here#4294967040" }));
    std::vector<std::uint32_t> ids = EntryIds();
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<std::uint32_t> { 0, 1, 3, 4 }));
    EXPECT_FALSE(Held(3).IsNewEntry()) << "a full listing marks nothing new";
    EXPECT_FALSE(Held(1).HasNewComments());
    EXPECT_EQ(CommentIds(), (std::vector<std::uint32_t> { 0, 601, 603 })) << "601 took the service's (later) date";
    for (auto& entry : store->GetEntries())
        EXPECT_FALSE(entry->IsUnconfirmed());
}

TEST_F(ChangesMerge, AnIncrementalSyncRemovesNothingItDoesNotMention)
{
    store->InsertEntry(MakeEntry(*store, 2, "Stays", 200, false));
    ASSERT_EQ(Merge(Response().Add(AnEntry(1, "New")), false), Error::Success);
    EXPECT_EQ(EntryIds().size(), 2u);
}

TEST_F(ChangesMerge, DeletionsRemoveHeldRecordsForGoodAndCreateNothing)
{
    store->InsertCategory(MakeCategory(*store, 31, "Beach", false));
    store->InsertEntry(MakeEntry(*store, 1, "Deleted on the web", 300, false));
    store->GetEntries().GetAt(0)->SetCategoryId(31);
    store->InsertEntry(MakeEntry(*store, 2, "Stays", 200, false));
    store->InsertComment(MakeComment(*store, 2, 601, "deleted", 10, false));

    Response response;
    response.Add(Response::Category { 31, "Beach", "", true })
        .Add(Response::Category { 33, "Never held", "", true })
        .Add([] {
            auto entry = AnEntry(1, "x");
            entry.deleted = true;
            return entry;
        }())
        .Add([] {
            auto entry = AnEntry(7, "never held");
            entry.deleted = true;
            return entry;
        }())
        .Add([] {
            auto comment = AComment(601, 2, "deleted");
            comment.deleted = true;
            return comment;
        }())
        .Add([] {
            auto comment = AComment(602, 2, "never held");
            comment.deleted = true;
            return comment;
        }());
    ASSERT_EQ(Merge(response, false), Error::Success);
    EXPECT_TRUE(CategoryNames().empty());
    EXPECT_EQ(EntryIds(), (std::vector<std::uint32_t> { 2 }));
    EXPECT_TRUE(CommentIds().empty());
    EXPECT_TRUE(store->GetDeletedEntries().IsEmpty()) << "nothing to send back to the service";
    EXPECT_TRUE(store->GetDeletedCategories().IsEmpty());
    EXPECT_TRUE(store->GetDeletedComments().IsEmpty());
}

TEST_F(ChangesMerge, AnEntryDeletedOnTheWebTakesItsDownloadedPhotoButNeverTheUsersOwn)
{
    std::string blogFolder = PhotoLocation::InternalStorage().BlogFolder(kBlog);
    ASSERT_EQ(CreateFolderWithParents(blogFolder), Error::Success);
    std::string downloaded = blogFolder + "/1.jpg";
    std::string ownPhoto = device.Path("My Documents/My Pictures/IMG_0001.jpg");
    WriteTextFile(downloaded, "downloaded");
    WriteTextFile(ownPhoto, "the user's own");
    store->InsertEntry(MakeEntry(*store, 1, "Downloaded", 300, false));
    Held(1).SetPhotoPath(downloaded);
    store->InsertEntry(MakeEntry(*store, 2, "Taken here", 200, false));
    Held(2).SetPhotoPath(ownPhoto);

    Response response;
    for (std::uint32_t id : { 1u, 2u }) {
        auto entry = AnEntry(id, "x");
        entry.deleted = true;
        response.Add(entry);
    }
    ASSERT_EQ(Merge(response, false), Error::Success);
    EXPECT_TRUE(EntryIds().empty());
    EXPECT_FALSE(std::filesystem::exists(downloaded));
    EXPECT_TRUE(std::filesystem::exists(ownPhoto));
}

TEST_F(ChangesMerge, ChangesNotYetSentWinOverTheServices)
{
    store->GetBlogInfo().SetTitle("My title");
    store->GetBlogInfo().SetSettingsModified(true);
    store->InsertCategory(MakeCategory(*store, 31, "Renamed here", true));
    store->InsertEntry(MakeEntry(*store, 1, "Edited here", 300, true));
    Held(1).SetCaption("my caption");
    store->InsertComment(MakeComment(*store, 1, 601, "edited here", 10, true));

    Response::Blog blog;
    blog.title = "Server title";
    blog.type = "group";
    Response response;
    response.Add(blog)
        .Add(Response::Category { 31, "Server name", "http://example/31" })
        .Add(AnEntry(1, "Server title"))
        .Add(AComment(601, 1, "server text"));
    ASSERT_EQ(Merge(response, false), Error::Success);
    EXPECT_EQ(store->GetBlogInfo().GetTitle(), "My title");
    EXPECT_EQ(store->GetBlogInfo().GetGroupBlog(), 1) << "what only the service decides is always taken";
    EXPECT_EQ(CategoryNames(), (std::vector<std::string> { "Renamed here#31" }));
    EXPECT_EQ(Held(1).GetTitle(), "Edited here");
    EXPECT_EQ(Held(1).GetCaption(), "my caption");
    EXPECT_TRUE(Held(1).IsPending());
    EXPECT_EQ(store->FindCommentById(601)->GetText(), "edited here");
}

TEST_F(ChangesMerge, RecordsMadeOnTheDeviceAreRecognisedAndTakeTheirIds)
{
    store->InsertCategory(MakeCategory(*store, 4294967040u, "Made Here", true));
    auto entry = MakeEntry(*store, 0, "Sunset", Utc("2006-07-01T10:00:00Z"), true);
    entry->SetCategoryId(31);
    entry->SetCaption("Caption of Sunset");
    store->InsertEntry(std::move(entry));
    auto filed = MakeEntry(*store, 9, "Filed under the new category", 10, false);
    filed->SetCategoryId(4294967040u);
    store->InsertEntry(std::move(filed));
    store->InsertComment(MakeComment(*store, 1, 0, "Lovely", Utc("2006-07-02T10:00:00Z"), true));

    Response response;
    response.Add(Response::Category { 31, "made here", "http://example/31" })
        .Add(AnEntry(1, "SUNSET"))
        .Add(AComment(501, 1, "LOVELY"));
    ASSERT_EQ(Merge(response, false), Error::Success);

    EXPECT_EQ(CategoryNames(), (std::vector<std::string> { "Made Here#31" }));
    EXPECT_FALSE(store->GetCategoryAt(0)->IsModified());
    EXPECT_EQ(Held(9).GetCategoryId(), 31u) << "its entries follow the category";
    EXPECT_EQ(EntryIds().size(), 2u) << "no second copy of the entry";
    BlogEntry& sunset = Held(1);
    EXPECT_EQ(sunset.GetTitle(), "Sunset") << "what the user wrote stays";
    EXPECT_EQ(sunset.GetSourceUrl(), "http://photos.example/o/1.jpg");
    EXPECT_FALSE(sunset.IsPending());
    EXPECT_FALSE(sunset.IsNewEntry());
    EXPECT_EQ(CommentIds(), (std::vector<std::uint32_t> { 501 }));
    EXPECT_EQ(store->FindCommentById(501)->GetText(), "Lovely");
    EXPECT_EQ(store->FindCommentById(501)->GetAuthorName(), "Reader");
    EXPECT_FALSE(store->FindCommentById(501)->IsPending());
}

TEST_F(ChangesMerge, AKnownRecordTakesTheServicesFieldsAndKeepsItsPlace)
{
    store->InsertCategory(MakeCategory(*store, 31, "Alpha", false));
    store->InsertCategory(MakeCategory(*store, 32, "Beta", false));
    store->InsertEntry(MakeEntry(*store, 1, "Old", 300, false));
    store->InsertEntry(MakeEntry(*store, 2, "Middle", 200, false));
    store->InsertEntry(MakeEntry(*store, 3, "Young", 100, false));
    Held(3).SetTakenDate(55);
    store->InsertComment(MakeComment(*store, 1, 601, "first", 10, false));
    store->InsertComment(MakeComment(*store, 1, 602, "second", 20, false));

    Response response;
    auto comment = AComment(601, 1, "first, edited");
    comment.date = "2020-01-01T00:00:00Z";
    response.Add(Response::Category { 31, "Zulu", "" }).Add(AnEntry(3, "Young, edited", "2030-01-01T00:00:00Z")).Add(comment);
    ASSERT_EQ(Merge(response, false), Error::Success);
    EXPECT_EQ(CategoryNames(), (std::vector<std::string> { "Beta#32", "Zulu#31" })) << "still in name order";
    EXPECT_EQ(EntryIds(), (std::vector<std::uint32_t> { 3, 1, 2 })) << "still in post-date order";
    EXPECT_EQ(Held(3).GetTitle(), "Young, edited");
    EXPECT_EQ(Held(3).GetTakenDate(), 55u) << "the taken time stays";
    EXPECT_FALSE(Held(3).IsNewEntry());
    EXPECT_EQ(CommentIds(), (std::vector<std::uint32_t> { 602, 601 })) << "still in date order";
}

TEST_F(ChangesMerge, ProcessingIsReportedAfterEveryEighthEntry)
{
    Response response;
    for (std::uint32_t id = 1; id <= 17; ++id)
        response.Add(AnEntry(id, "Entry " + std::to_string(id)));
    ASSERT_EQ(Merge(response, false), Error::Success);
    EXPECT_EQ(recorder.Steps(), (std::vector<ProgressStep>(3, ProgressStep::Processing)));
}

TEST_F(ChangesMerge, ACancelWhileProcessingLeavesTheSavedStoreAsItWas)
{
    store->InsertEntry(MakeEntry(*store, 1, "Before", 300, false));
    SaveStore();
    std::string before = ReadTextFile(store->GetFilePath());
    service.SetTimestamp(0);
    ProgramTime sent = service.GetSentTimestamp();

    Response response;
    response.Timestamp("2006-07-03T08:00:00Z");
    for (std::uint32_t id = 2; id <= 30; ++id)
        response.Add(AnEntry(id, "Entry " + std::to_string(id)));
    recorder.cancelAtStep = ProgressStep::Processing;
    EXPECT_EQ(Merge(response, true), Error::Cancelled);
    EXPECT_EQ(service.GetTimestamp(), sent) << "the same changes are fetched again";
    EXPECT_EQ(ReadTextFile(store->GetFilePath()), before);
    EXPECT_TRUE(store->FindEntryByServerId(1)) << "nothing swept";
    for (auto& entry : store->GetEntries())
        EXPECT_FALSE(entry->IsUnconfirmed());
}

TEST_F(ChangesMerge, AResponseWithoutTimestampKeepsTheOldOne)
{
    service.SetTimestamp(GetCurrentSeconds() - 3600);
    ProgramTime sent = service.GetSentTimestamp();
    Answer(Response().Add(AnEntry(1, "x")).Text());
    ServiceReply reply = service.RequestChanges(nullptr, nullptr);
    ASSERT_TRUE(reply.Body());
    ASSERT_EQ(service.ProcessChanges(*reply.Body(), nullptr, nullptr), Error::Success);
    EXPECT_EQ(service.GetTimestamp(), sent);
}
