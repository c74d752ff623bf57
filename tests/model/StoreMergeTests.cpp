#include "StoreTestHelpers.h"

#include "platform/FileSystem.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

using Ids = std::vector<std::uint32_t>;

TEST(StoreLookup, ServerIdsFindTheFirstEntryInStoreOrderThroughEveryChange)
{
    CWinBlogStorage store("/nowhere", "lookup");
    BlogEntry& older = store.InsertEntry(NewTestEntry(store, 7, 10));
    EXPECT_EQ(store.FindEntryByServerId(7), &older);
    // A newer entry with the same id comes first in store order.
    BlogEntry& newer = store.InsertEntry(NewTestEntry(store, 7, 20));
    EXPECT_EQ(store.FindEntryByServerId(7), &newer);
    ASSERT_EQ(store.DeleteEntry(newer, true, false), Error::Success);
    EXPECT_EQ(store.FindEntryByServerId(7), &older);

    // The merge confirms an entry made on the device by giving it the
    // service's id; later lookups of that id must find it.
    BlogEntry& local = store.InsertEntry(NewTestEntry(store, 0, 30, true));
    EXPECT_EQ(store.FindEntryByServerId(8), nullptr);
    EXPECT_EQ(store.FindEntryByServerId(0), &local);
    local.SetServerId(8);
    EXPECT_EQ(store.FindEntryByServerId(8), &local);
    EXPECT_EQ(store.FindEntryByServerId(0), nullptr);
    // ...or by copying the service's record over it.
    auto incoming = NewTestEntry(store, 9, 30);
    local.CopyFrom(*incoming);
    EXPECT_EQ(store.FindEntryByServerId(8), nullptr);
    EXPECT_EQ(store.FindEntryByServerId(9), &local);
    // Taking the id of an entry further down puts this one first.
    older.SetServerId(9);
    EXPECT_EQ(store.FindEntryByServerId(9), &local);
    local.SetServerId(10);
    EXPECT_EQ(store.FindEntryByServerId(9), &older);
    EXPECT_EQ(store.FindEntryByServerId(10), &local);
}

TEST(StoreLookup, LocalEntriesMatchByCategoryDateTitleAndCaption)
{
    CWinBlogStorage store("/nowhere", "lookup");
    auto add = [&](std::uint32_t id, std::uint32_t date, std::string_view title, std::string_view caption) -> BlogEntry& {
        auto entry = NewTestEntry(store, id, date, true);
        entry->SetCategoryId(3);
        entry->SetTitle(title);
        entry->SetCaption(caption);
        return store.InsertEntry(std::move(entry));
    };
    add(55, 100, "Beach", "sand");
    BlogEntry& older = add(0, 50, "Beach", "waves");
    BlogEntry& newer = add(0, 60, "beach", "SAND");

    EXPECT_EQ(store.FindLocalEntry(3, "BEACH", "sand", 0), &newer) << "id 55 is on the web";
    EXPECT_EQ(store.FindLocalEntry(3, "Beach", std::nullopt, 0), &newer) << "first in store order";
    EXPECT_EQ(store.FindLocalEntry(3, "Beach", std::nullopt, 50), &older);
    EXPECT_EQ(store.FindLocalEntry(3, "Beach", "waves", 0), &older);
    EXPECT_EQ(store.FindLocalEntry(4, "Beach", std::nullopt, 0), nullptr);
    EXPECT_EQ(store.FindLocalEntry(3, "Beach", "other", 0), nullptr);
    newer.SetServerId(56);
    EXPECT_EQ(store.FindLocalEntry(3, "Beach", std::nullopt, 0), &older);
}

TEST(StoreMerge, CopiesAreAddedOnlyForUnknownIds)
{
    CWinBlogStorage store("/nowhere", "merge");
    auto incoming = NewTestEntry(store, 5, 10);
    incoming->SetThumbnail({ 1, 2, 3 });
    BlogEntry* copy = store.AddEntryCopy(*incoming);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, incoming.get());
    EXPECT_EQ(copy->GetThumbnailSize(), 3u);
    EXPECT_EQ(store.AddEntryCopy(*incoming), nullptr);

    // New entries of the device may share id 0; a copy of one may not.
    store.InsertEntry(NewTestEntry(store, 0, 20, true));
    store.InsertEntry(NewTestEntry(store, 0, 20, true));
    EXPECT_EQ(store.GetEntries().GetSize(), 3u);
    EXPECT_EQ(store.AddEntryCopy(*NewTestEntry(store, 0, 30)), nullptr);

    auto category = NewTestCategory(store, 12, "Trips");
    EXPECT_NE(store.AddCategoryCopy(*category), nullptr);
    EXPECT_EQ(store.AddCategoryCopy(*category), nullptr);
    auto comment = NewTestComment(store, 5, 900, 1);
    EXPECT_NE(store.AddCommentCopy(*comment), nullptr);
    EXPECT_EQ(store.AddCommentCopy(*comment), nullptr);
    EXPECT_EQ(store.GetCategoryCount(), 1u);
    EXPECT_EQ(store.GetComments().GetSize(), 1u);
}

TEST(StoreDelete, NeverPublishedEntriesAreDeletedByIdentity)
{
    CWinBlogStorage store("/nowhere", "delete");
    BlogEntry& first = store.InsertEntry(NewTestEntry(store, 0, 30, true));
    BlogEntry& second = store.InsertEntry(NewTestEntry(store, 0, 20, true));
    BlogEntry& third = store.InsertEntry(NewTestEntry(store, 0, 10, true));
    second.SetThumbnail({ 9, 9 });

    ASSERT_EQ(store.DeleteEntry(second, false, false), Error::Success);
    ASSERT_EQ(store.GetEntries().GetSize(), 2u);
    EXPECT_EQ(store.GetEntries().GetAt(0), &first);
    EXPECT_EQ(store.GetEntries().GetAt(1), &third);
    // Queued with id 0 and without its thumbnail.
    ASSERT_EQ(store.GetDeletedEntries().GetSize(), 1u);
    EXPECT_EQ(store.GetFirstDeletedEntry(), &second);
    EXPECT_EQ(second.GetServerId(), 0u);
    EXPECT_EQ(second.GetThumbnailSize(), 0u);

    // A permanent delete of another one leaves the queued one alone.
    ASSERT_EQ(store.DeleteEntry(third, true, false), Error::Success);
    EXPECT_EQ(store.GetEntries().GetSize(), 1u);
    EXPECT_EQ(store.GetDeletedEntries().GetSize(), 1u);

    // A copy that is not held names nothing when it has no id.
    auto stranger = NewTestEntry(store, 0, 30, true);
    ASSERT_EQ(store.DeleteEntry(*stranger, true, false), Error::Success);
    EXPECT_EQ(store.GetEntries().GetSize(), 1u);
}

TEST(StoreDelete, PermanentDeletionOfAServiceRecordAlsoEmptiesItsQueuedDeletion)
{
    CWinBlogStorage store("/nowhere", "delete");
    store.InsertEntry(NewTestEntry(store, 21, 30));
    store.InsertEntry(NewTestEntry(store, 22, 20));
    ASSERT_EQ(store.DeleteEntry(*store.FindEntryByServerId(21), false, false), Error::Success);
    store.InsertEntry(NewTestEntry(store, 21, 40));
    // The service reports entry 21 deleted: its copy names the held one.
    auto deletedOnWeb = NewTestEntry(store, 21, 0);
    ASSERT_EQ(store.DeleteEntry(*deletedOnWeb, true, false), Error::Success);
    EXPECT_EQ(store.FindEntryByServerId(21), nullptr);
    EXPECT_TRUE(store.GetDeletedEntries().IsEmpty());
    EXPECT_EQ(store.RemoveEntry(*store.FindEntryByServerId(22)), Error::Success);
    EXPECT_TRUE(store.GetEntries().IsEmpty());
}

// Once "DP" has succeeded the sync deletes the entry for good; by then it
// is only in the deleted-entries queue, and it must leave it, or the next
// sync would send "DP" again.
TEST(StoreDelete, PermanentDeletionForgetsAnEntryThatIsOnlyQueued)
{
    TemporaryFolder folder;
    CWinBlogStorage store(folder.Path(), "delete");
    store.InsertEntry(NewTestEntry(store, 31, 30));
    store.InsertEntry(NewTestEntry(store, 32, 20));
    BlogEntry& withPhoto = store.InsertEntry(NewTestEntry(store, 33, 10));
    withPhoto.SetPhotoPath(folder.File("33.jpg"));
    WriteTextFile(folder.File("33.jpg"), "jpeg");
    for (std::uint32_t id : { 31, 32, 33 })
        ASSERT_EQ(store.DeleteEntry(*store.FindEntryByServerId(id), false, false), Error::Success);
    ASSERT_EQ(store.GetDeletedEntries().GetSize(), 3u);

    // The head of the queue itself, as the sync passes it.
    ASSERT_EQ(store.DeleteEntry(*store.GetFirstDeletedEntry(), true, false), Error::Success);
    ASSERT_EQ(store.GetDeletedEntries().GetSize(), 2u);
    EXPECT_EQ(store.GetFirstDeletedEntry()->GetServerId(), 32u);

    // A copy carrying the id, as the service's answer names it.
    ASSERT_EQ(store.DeleteEntry(*NewTestEntry(store, 32, 0), true, false), Error::Success);
    ASSERT_EQ(store.GetDeletedEntries().GetSize(), 1u);
    EXPECT_EQ(store.GetFirstDeletedEntry()->GetServerId(), 33u);

    // Removing it for good takes its photo too.
    ASSERT_EQ(store.RemoveEntry(*NewTestEntry(store, 33, 0)), Error::Success);
    EXPECT_TRUE(store.GetDeletedEntries().IsEmpty());
    EXPECT_FALSE(PathExists(folder.File("33.jpg")));
    EXPECT_TRUE(store.GetEntries().IsEmpty());

    // Nothing queued and nothing listed: nothing to do.
    EXPECT_EQ(store.DeleteEntry(*NewTestEntry(store, 34, 0), true, false), Error::Success);
}

TEST(StoreDelete, PermanentDeletionForgetsACommentThatIsOnlyQueued)
{
    CWinBlogStorage store("/nowhere", "comments");
    store.InsertComment(NewTestComment(store, 5, 100, 10));
    store.InsertComment(NewTestComment(store, 5, 101, 20));
    BlogComment& neverSent = store.InsertComment(NewTestComment(store, 5, 0, 30));
    store.DeleteComment(*store.FindCommentById(100), false);
    store.DeleteComment(*store.FindCommentById(101), false);
    store.DeleteComment(neverSent, false);
    ASSERT_EQ(store.GetDeletedComments().GetSize(), 3u);
    ASSERT_EQ(store.GetComments().GetSize(), 0u);

    store.DeleteComment(*store.GetFirstDeletedComment(), true);
    ASSERT_EQ(store.GetDeletedComments().GetSize(), 2u);
    EXPECT_EQ(store.GetFirstDeletedComment()->GetCommentId(), 101u);
    store.DeleteComment(*NewTestComment(store, 5, 101, 0), true);
    ASSERT_EQ(store.GetDeletedComments().GetSize(), 1u);
    EXPECT_EQ(store.GetFirstDeletedComment(), &neverSent);
    // Without an id only the record itself names it.
    store.DeleteComment(*NewTestComment(store, 5, 0, 30), true);
    EXPECT_EQ(store.GetDeletedComments().GetSize(), 1u);
    store.DeleteComment(neverSent, true);
    EXPECT_TRUE(store.GetDeletedComments().IsEmpty());
}

TEST(StoreDelete, PhotosGoWithTheirEntriesAndAFailureKeepsTheEntry)
{
    TemporaryFolder folder;
    CWinBlogStorage store(folder.Path(), "delete");
    BlogEntry& withPhoto = store.InsertEntry(NewTestEntry(store, 1, 30));
    withPhoto.SetPhotoPath(folder.File("a.jpg"));
    WriteTextFile(folder.File("a.jpg"), "jpeg");
    BlogEntry& missing = store.InsertEntry(NewTestEntry(store, 2, 20));
    missing.SetPhotoPath(folder.File("gone.jpg"));
    // A photo path that cannot be unlinked (a folder with something in it).
    BlogEntry& stuck = store.InsertEntry(NewTestEntry(store, 3, 10));
    stuck.SetPhotoPath(folder.File("stuck"));
    EXPECT_EQ(CreateFolder(folder.File("stuck")), Error::Success);
    WriteTextFile(folder.File("stuck/inside"), "x");

    EXPECT_EQ(store.DeleteEntry(withPhoto, true, true), Error::Success);
    EXPECT_FALSE(PathExists(folder.File("a.jpg")));
    EXPECT_EQ(store.DeleteEntry(missing, false, true), Error::Success);
    ASSERT_EQ(store.GetDeletedEntries().GetSize(), 1u);
    EXPECT_EQ(store.GetFirstDeletedEntry()->GetPhotoPath(), "");

    EXPECT_NE(store.DeleteEntry(stuck, true, true), Error::Success);
    EXPECT_EQ(store.FindEntryByServerId(3), &stuck);
    EXPECT_EQ(stuck.GetPhotoPath(), folder.File("stuck"));
}

TEST(StoreDelete, AsTheUserAsksHideOrQueue)
{
    TemporaryFolder folder;
    CWinBlogStorage store(folder.Path(), "delete");
    BlogEntry& kept = store.InsertEntry(NewTestEntry(store, 1, 30, true));
    kept.SetPhotoPath(folder.File("kept.jpg"));
    kept.SetThumbnail({ 1, 2 });
    WriteTextFile(folder.File("kept.jpg"), "jpeg");
    BlogEntry& queued = store.InsertEntry(NewTestEntry(store, 2, 20));

    // Only the photo choice: the entry stays, hidden, no longer pending, and
    // no sync brings it back (it is not swept and not re-added).
    EXPECT_EQ(store.DeleteEntryAsAsked(kept, false, true), Error::Success);
    EXPECT_FALSE(PathExists(folder.File("kept.jpg")));
    EXPECT_EQ(store.FindEntryByServerId(1), &kept);
    EXPECT_TRUE(kept.IsHidden());
    EXPECT_FALSE(kept.IsPending());
    EXPECT_EQ(kept.GetPhotoPath(), "");
    EXPECT_EQ(kept.GetThumbnailSize(), 0u);
    EXPECT_EQ(store.AddEntryCopy(*NewTestEntry(store, 1, 30)), nullptr);

    EXPECT_EQ(store.DeleteEntryAsAsked(queued, true, false), Error::Success);
    EXPECT_EQ(store.FindEntryByServerId(2), nullptr);
    EXPECT_EQ(store.GetFirstDeletedEntry(), &queued);
}

TEST(StoreDelete, CategoriesMoveTheirEntriesToUnfiledWithoutMarkingThem)
{
    CWinBlogStorage store("/nowhere", "delete");
    store.InsertCategory(NewTestCategory(store, 5, "Trips"));
    store.InsertCategory(NewTestCategory(store, 6, "Food"));
    auto published = NewTestEntry(store, 1, 30);
    published->SetCategoryId(5);
    store.InsertEntry(std::move(published));
    auto pending = NewTestEntry(store, 0, 20, true);
    pending->SetCategoryId(5);
    store.InsertEntry(std::move(pending));

    store.DeleteCategory(*store.FindCategoryById(5), false);
    EXPECT_EQ(store.FindCategoryById(5), nullptr);
    ASSERT_EQ(store.GetFirstDeletedCategory()->GetId(), 5u);
    EXPECT_EQ(store.GetEntries().GetAt(0)->GetCategoryId(), 0u);
    EXPECT_FALSE(store.GetEntries().GetAt(0)->IsPending());
    EXPECT_EQ(store.GetEntries().GetAt(1)->GetCategoryId(), 0u);
    EXPECT_TRUE(store.GetEntries().GetAt(1)->IsPending());

    // The service reports 5 deleted: the queued deletion is done with.
    store.DeleteCategory(*NewTestCategory(store, 5, "Trips"), true);
    EXPECT_EQ(store.GetFirstDeletedCategory(), nullptr);
    store.DeleteCategory(*store.FindCategoryById(6), true);
    EXPECT_EQ(store.GetCategoryCount(), 0u);
    EXPECT_EQ(store.GetFirstDeletedCategory(), nullptr);
}

TEST(StoreComments, CurrentEntryLocalCommentsAndDeletion)
{
    CWinBlogStorage store("/nowhere", "comments");
    store.InsertComment(NewTestComment(store, 5, 100, 10));
    store.InsertComment(NewTestComment(store, 6, 101, 20));
    BlogComment& mine = store.InsertComment(NewTestComment(store, 5, 0, 30));
    mine.SetPending(true);
    mine.SetText("Nice one");
    BlogComment& another = store.InsertComment(NewTestComment(store, 5, 0, 40));
    another.SetText("nice ONE");

    store.SetCurrentEntry(5);
    ASSERT_EQ(store.GetCurrentCommentCount(), 3u);
    EXPECT_EQ(store.GetCurrentCommentAt(1), &mine);
    EXPECT_EQ(store.GetCurrentCommentAt(3), nullptr);
    EXPECT_EQ(store.FindCommentById(101)->GetEntryId(), 6u);
    EXPECT_EQ(store.GetFirstPendingComment(), &mine);
    EXPECT_EQ(store.FindLocalComment(5, "NICE ONE", 0), &mine);
    EXPECT_EQ(store.FindLocalComment(5, "nice one", 40), &another);
    EXPECT_EQ(store.FindLocalComment(5, std::nullopt, 0), &mine);
    EXPECT_EQ(store.FindLocalComment(6, std::nullopt, 0), nullptr);

    store.DeleteComment(another, false);
    EXPECT_EQ(store.GetFirstDeletedComment(), &another);
    EXPECT_EQ(store.GetCurrentCommentCount(), 2u);
    store.DeleteComment(*NewTestComment(store, 5, 100, 10), true);
    EXPECT_EQ(store.FindCommentById(100), nullptr);
    EXPECT_EQ(store.GetFirstDeletedComment(), &another) << "a queued comment without id is another comment";
}

TEST(StoreReconcile, SweepsRemoveOnlyPublishedRecordsTheListingLacks)
{
    CWinBlogStorage store("/nowhere", "sweep");
    store.InsertEntry(NewTestEntry(store, 1, 50));       // listed
    store.InsertEntry(NewTestEntry(store, 2, 40));       // gone from the service
    store.InsertEntry(NewTestEntry(store, 3, 30, true)); // gone, but changed here
    store.InsertEntry(NewTestEntry(store, 0, 20, true)); // made here
    store.InsertEntry(NewTestEntry(store, 4, 10));       // gone
    store.SetFilters(BlogIds::AllCategories, BlogStorage::kStatusEverything);
    EXPECT_EQ(store.GetShownEntryCount(), 5u);

    store.MarkAllEntriesUnconfirmed();
    store.ConfirmEntry(*store.FindEntryByServerId(1));
    store.SweepEntries();
    EXPECT_EQ(ShownIds(store), (Ids { 1, 3, 0 }));
    for (auto& entry : store.GetEntries())
        EXPECT_FALSE(entry->IsUnconfirmed());
    EXPECT_EQ(store.FindEntryByServerId(2), nullptr);
    EXPECT_EQ(store.FindEntryByServerId(3)->GetPostDate(), 30u);

    store.InsertCategory(NewTestCategory(store, 7, "kept", false));
    store.InsertCategory(NewTestCategory(store, 8, "gone", false));
    store.InsertCategory(NewTestCategory(store, 9, "renamed here", true));
    store.InsertCategory(NewTestCategory(store, *store.NextLocalCategoryId(), "new here", true));
    store.MarkAllCategoriesUnconfirmed();
    store.ConfirmCategory(*store.FindCategoryById(7));
    store.SweepCategories();
    EXPECT_EQ(store.GetCategoryCount(), 3u);
    EXPECT_EQ(store.FindCategoryById(8), nullptr);
    EXPECT_FALSE(store.FindCategoryById(9)->IsUnconfirmed());

    store.InsertComment(NewTestComment(store, 1, 70, 1));
    store.InsertComment(NewTestComment(store, 1, 71, 2));
    store.InsertComment(NewTestComment(store, 2, 72, 3));
    store.InsertComment(NewTestComment(store, 1, 0, 4)).SetPending(true);
    store.MarkAllCommentsUnconfirmed();
    store.ConfirmCommentsOfEntry(1);
    store.SweepComments();
    Ids comments;
    for (auto& comment : store.GetComments())
        comments.push_back(comment->GetCommentId());
    EXPECT_EQ(comments, (Ids { 70, 71, 0 }));
}

TEST(StoreCategories, LocalIdsAreFreeOnesBelowTheAllCategoriesValues)
{
    CWinBlogStorage store("/nowhere", "ids");
    EXPECT_EQ(store.NextLocalCategoryId(), BlogIds::FirstLocalCategory);
    store.InsertCategory(NewTestCategory(store, BlogIds::FirstLocalCategory, "a", true));
    store.InsertCategory(NewTestCategory(store, BlogIds::FirstLocalCategory + 2, "b", true));
    EXPECT_EQ(store.NextLocalCategoryId(), BlogIds::FirstLocalCategory + 1);
    store.DeleteCategory(*store.FindCategoryById(BlogIds::FirstLocalCategory), false);
    EXPECT_EQ(store.NextLocalCategoryId(), BlogIds::FirstLocalCategory + 1) << "a queued id is still taken";
    EXPECT_EQ(store.FindLocalCategoryByName("B")->GetId(), BlogIds::FirstLocalCategory + 2);
    store.InsertCategory(NewTestCategory(store, 12, "c", true));
    EXPECT_EQ(store.FindLocalCategoryByName("c"), nullptr);
    EXPECT_EQ(store.GetFirstModifiedCategory()->GetName(), "b");

    for (std::uint32_t id = BlogIds::FirstLocalCategory; id < BlogIds::AllCategoriesLow; ++id) {
        if (!store.FindCategoryById(id))
            store.InsertCategory(NewTestCategory(store, id, "x", true));
    }
    EXPECT_EQ(store.NextLocalCategoryId(), std::nullopt);
}

TEST(StorePermissions, EntriesBlogAndComments)
{
    CWinBlogStorage store("/nowhere", "perm");
    CBlogInfo& blog = store.GetBlogInfo();
    auto own = NewTestEntry(store, 1, 1);
    own->SetPosterId(42);
    auto others = NewTestEntry(store, 2, 1);
    others->SetPosterId(43);
    auto unsent = NewTestEntry(store, 0, 1, true);
    unsent->SetPosterId(43);

    EXPECT_TRUE(store.IsReadOnly(nullptr)) << "no user id";
    store.SetUserId(42);
    EXPECT_FALSE(store.IsReadOnly(nullptr));
    EXPECT_FALSE(store.IsReadOnly(others.get())) << "the user's own blog";
    blog.SetReadOnly(true);
    EXPECT_TRUE(store.IsReadOnly(own.get()));
    blog.SetReadOnly(false);

    // Someone else's group blog.
    blog.SetGroupBlog(1);
    blog.SetOwnerId(7);
    EXPECT_TRUE(store.IsReadOnly(nullptr));
    EXPECT_FALSE(store.IsReadOnly(own.get()));
    EXPECT_TRUE(store.IsReadOnly(others.get()));
    EXPECT_FALSE(store.IsReadOnly(unsent.get()));
    blog.SetOwnerId(42);
    EXPECT_FALSE(store.IsReadOnly(others.get()));
    blog.SetOwnerId(7);

    auto comment = NewTestComment(store, 1, 80, 1);
    comment->SetAuthorId(43);
    EXPECT_TRUE(store.IsCommentReadOnly(nullptr)) << "comments not allowed";
    blog.SetCommentsAllowed(true);
    EXPECT_FALSE(store.IsCommentReadOnly(nullptr));
    EXPECT_TRUE(store.IsCommentReadOnly(comment.get()));
    comment->SetAuthorId(42);
    EXPECT_FALSE(store.IsCommentReadOnly(comment.get()));
    comment->SetAuthorId(43);
    blog.SetOwnerId(42);
    EXPECT_FALSE(store.IsCommentReadOnly(comment.get())) << "the owner changes others' comments";
    comment->SetCommentId(0);
    blog.SetOwnerId(7);
    EXPECT_FALSE(store.IsCommentReadOnly(comment.get()));
    store.SetUserId(0);
    EXPECT_TRUE(store.IsCommentReadOnly(comment.get()));
    EXPECT_TRUE(store.IsBeyondPending(2));
    EXPECT_FALSE(store.IsBeyondPending(1));
}
