#include "StoreTestHelpers.h"

#include "support/TemporaryFolder.h"

#include <algorithm>
#include <gtest/gtest.h>

using Ids = std::vector<std::uint32_t>;

TEST(StoreOrder, EntriesNewestFirstAndEqualDatesAfterTheOthers)
{
    CWinBlogStorage store("/nowhere", "order");
    store.InsertEntry(NewTestEntry(store, 1, 10));
    store.InsertEntry(NewTestEntry(store, 2, 30));
    BlogEntry& first20 = store.InsertEntry(NewTestEntry(store, 3, 20));
    BlogEntry& second20 = store.InsertEntry(NewTestEntry(store, 4, 20));
    EXPECT_EQ(PostDates(store), (Ids { 30, 20, 20, 10 }));
    EXPECT_EQ(store.GetEntries().GetAt(1), &first20);
    EXPECT_EQ(store.GetEntries().GetAt(2), &second20);

    // A new date moves the entry to its place.
    store.SetEntryPostDate(first20, 40);
    EXPECT_EQ(PostDates(store), (Ids { 40, 30, 20, 10 }));
    EXPECT_EQ(store.GetEntries().GetAt(0), &first20);
}

// The sync's merge finds an entry by its id and copies the service's
// fields into it, post date included; the entry itself knows no store, so
// the order must follow whichever way the date changed.
TEST(StoreOrder, PostDatesChangedByAMergeKeepTheDateOrder)
{
    TemporaryFolder folder;
    CWinBlogStorage store(folder.Path(), "order");
    for (std::uint32_t id = 1; id <= 5; ++id)
        store.InsertEntry(NewTestEntry(store, id, id * 10)); // dates 10..50
    store.InsertEntry(NewTestEntry(store, 6, 30));
    EXPECT_EQ(PostDates(store), (Ids { 50, 40, 30, 30, 20, 10 }));

    // Merged: the service's copy of entry 1 was posted later than all.
    auto fromService = NewTestEntry(store, 1, 60);
    BlogEntry* known = store.FindEntryByServerId(1);
    known->CopyFrom(*fromService);
    EXPECT_EQ(ShownIds(store), (Ids { 1, 5, 4, 3, 6, 2 }));

    // Through the entry's own setter, onto an equal date: after the others.
    store.FindEntryByServerId(5)->SetPostDate(30);
    EXPECT_EQ(ShownIds(store), (Ids { 1, 4, 3, 6, 5, 2 }));
    EXPECT_EQ(store.GetShownIndexOf(*store.FindEntryByServerId(2)), 5u);

    // Several changes between two reads, one of them twice.
    store.FindEntryByServerId(2)->SetPostDate(70);
    store.FindEntryByServerId(3)->SetPostDate(5);
    store.FindEntryByServerId(2)->SetPostDate(55);
    EXPECT_EQ(PostDates(store), (Ids { 60, 55, 40, 30, 30, 5 }));
    EXPECT_EQ(ShownIds(store), (Ids { 1, 2, 4, 6, 5, 3 }));

    // The file holds the new order, and so does the store read back.
    ASSERT_EQ(store.Save(), Error::Success);
    CWinBlogStorage reread;
    reread.SetFilePath(store.GetFilePath());
    ASSERT_EQ(reread.Load(), Error::Success);
    EXPECT_EQ(ShownIds(reread), (Ids { 1, 2, 4, 6, 5, 3 }));
}

TEST(StoreOrder, CategoriesByNameInAnyCaseAndCommentsOldestFirst)
{
    CWinBlogStorage store("/nowhere", "order");
    store.InsertCategory(NewTestCategory(store, 1, "beta"));
    store.InsertCategory(NewTestCategory(store, 2, "Alpha"));
    store.InsertCategory(NewTestCategory(store, 3, "ALPHA"));
    store.InsertCategory(NewTestCategory(store, 4, "gamma"));
    std::vector<std::uint32_t> ids;
    for (size_t i = 0; i < store.GetCategoryCount(); ++i)
        ids.push_back(store.GetCategoryAt(i)->GetId());
    EXPECT_EQ(ids, (Ids { 2, 3, 1, 4 }));
    EXPECT_EQ(store.GetCategoryAt(4), nullptr);
    EXPECT_EQ(store.FindCategoryByName("GAMMA")->GetId(), 4u);

    store.InsertComment(NewTestComment(store, 5, 100, 300));
    store.InsertComment(NewTestComment(store, 5, 101, 100));
    store.InsertComment(NewTestComment(store, 6, 102, 300));
    std::vector<std::uint32_t> comments;
    for (auto& comment : store.GetComments())
        comments.push_back(comment->GetCommentId());
    EXPECT_EQ(comments, (Ids { 101, 100, 102 }));
}

namespace {

// One entry of each kind: published by the user (1), published by someone
// else (2), pending (3), hidden (4), in category 7 (5, published by the
// user), published with poster 0 (6).
void FillFilterStore(CWinBlogStorage& store)
{
    auto add = [&](std::uint32_t id, bool pending, std::uint32_t poster, std::uint32_t category = 0) -> BlogEntry& {
        auto entry = NewTestEntry(store, id, 100 - id, pending);
        entry->SetPosterId(poster);
        entry->SetCategoryId(category);
        return store.InsertEntry(std::move(entry));
    };
    add(1, false, 42);
    add(2, false, 43);
    add(3, true, 42);
    add(4, false, 42).MarkPhotoGone();
    add(5, false, 42, 7);
    add(6, false, 0);
}

}

TEST(StoreFilters, StatusAndCategoryDecideWhatIsShown)
{
    CWinBlogStorage store("/nowhere", "filters");
    store.SetUserId(42);
    FillFilterStore(store);
    auto shown = [&](std::uint32_t category, std::uint16_t status) {
        store.SetFilters(category, status);
        return ShownIds(store);
    };
    EXPECT_EQ(shown(BlogIds::AllCategories, BlogStorage::kStatusAll), (Ids { 1, 2, 3, 5, 6 }));
    EXPECT_EQ(shown(BlogIds::AllCategories, BlogStorage::kStatusPending), (Ids { 3 }));
    EXPECT_EQ(shown(BlogIds::AllCategories, BlogStorage::kStatusPublished), (Ids { 1, 2, 5, 6 }));
    EXPECT_EQ(shown(BlogIds::AllCategories, BlogStorage::kStatusPublishedByMe), (Ids { 1, 5 }));
    EXPECT_EQ(shown(BlogIds::AllCategories, BlogStorage::kStatusEverything), (Ids { 1, 2, 3, 4, 5, 6 }));
    EXPECT_EQ(shown(BlogIds::AllCategoriesLow, BlogStorage::kStatusEverything), (Ids { 1, 2, 3, 4, 5, 6 }));
    EXPECT_EQ(shown(BlogIds::AllCategories, 4), Ids {}) << "an unknown status lets nothing pass";
    EXPECT_EQ(shown(7, BlogStorage::kStatusAll), (Ids { 5 }));
    EXPECT_EQ(shown(BlogIds::Unfiled, BlogStorage::kStatusPublished), (Ids { 1, 2, 6 }));
    EXPECT_EQ(shown(9, BlogStorage::kStatusEverything), Ids {});

    // Without a user id "published by me" means posted by 0.
    store.SetUserId(0);
    EXPECT_EQ(shown(BlogIds::AllCategories, BlogStorage::kStatusPublishedByMe), (Ids { 6 }));
}

TEST(StoreFilters, ShownEntriesFollowChangesMadeThroughTheEntries)
{
    CWinBlogStorage store("/nowhere", "filters");
    store.SetUserId(42);
    FillFilterStore(store);
    store.SetFilters(BlogIds::AllCategories, BlogStorage::kStatusPending);
    EXPECT_EQ(ShownIds(store), (Ids { 3 }));

    // Edits that dialogs and the merge make on the records themselves.
    BlogEntry* published = store.FindEntryByServerId(1);
    published->SetPending(true);
    EXPECT_EQ(ShownIds(store), (Ids { 1, 3 }));
    store.FindEntryByServerId(3)->MarkPhotoGone();
    EXPECT_EQ(ShownIds(store), (Ids { 1 }));
    auto copy = store.NewEntry();
    copy->CopyFrom(*published);
    copy->SetPending(false);
    published->CopyFrom(*copy);
    EXPECT_EQ(ShownIds(store), Ids {});
    EXPECT_EQ(store.GetLastShownEntry(), nullptr);

    store.SetFilters(7, BlogStorage::kStatusAll);
    EXPECT_EQ(ShownIds(store), (Ids { 5 }));
    store.FindEntryByServerId(2)->SetCategoryId(7);
    EXPECT_EQ(ShownIds(store), (Ids { 2, 5 }));
    store.Recategorise(7, 0);
    EXPECT_EQ(ShownIds(store), Ids {});

    store.SetFilters(BlogIds::AllCategories, BlogStorage::kStatusPublishedByMe);
    EXPECT_EQ(ShownIds(store), (Ids { 1, 5 }));
    store.SetUserId(43);
    EXPECT_EQ(ShownIds(store), (Ids { 2 }));
    store.FindEntryByServerId(6)->SetPosterId(43);
    EXPECT_EQ(ShownIds(store), (Ids { 2, 6 }));
    EXPECT_EQ(store.GetLastShownEntry()->GetServerId(), 6u);
    EXPECT_EQ(store.GetShownEntryAt(2), nullptr);
}

TEST(StoreFilters, ShownIndexCountsTheShownEntriesBefore)
{
    CWinBlogStorage store("/nowhere", "filters");
    store.SetUserId(42);
    FillFilterStore(store);
    store.SetFilters(BlogIds::AllCategories, BlogStorage::kStatusAll);
    EXPECT_EQ(store.GetShownIndexOf(*store.FindEntryByServerId(5)), 3u);
    // Entry 4 is hidden: the shown entries before it are 1, 2 and 3.
    EXPECT_EQ(store.GetShownIndexOf(*store.FindEntryByServerId(4)), 3u);
    auto stranger = NewTestEntry(store, 1, 99);
    EXPECT_EQ(store.GetShownIndexOf(*stranger), BlogStorage::kNotInStore);
    EXPECT_EQ(BlogStorage::kNotInStore, 65535u);
}

TEST(StoreOrder, ManyEntriesAddedAtOnceEndUpAsIfInsertedOneByOne)
{
    CWinBlogStorage store("/nowhere", "order");
    std::vector<std::pair<std::uint32_t, std::uint32_t>> inserted; // date, id
    std::uint32_t seed = 12345;
    auto add = [&](std::uint32_t id) {
        seed = seed * 1103515245u + 12345u;
        std::uint32_t date = (seed >> 16) % 40;
        store.InsertEntry(NewTestEntry(store, id, date));
        inserted.push_back({ date, id });
    };
    auto expected = [&] {
        // Inserting each after the entries of its date keeps insertion order
        // among equal dates: a stable sort, newest first.
        auto sorted = inserted;
        std::stable_sort(sorted.begin(), sorted.end(), [](auto& a, auto& b) { return a.first > b.first; });
        Ids ids;
        for (auto& [date, id] : sorted)
            ids.push_back(id);
        return ids;
    };
    auto actual = [&] {
        Ids ids;
        for (auto& entry : store.GetEntries())
            ids.push_back(entry->GetServerId());
        return ids;
    };
    // A few, then a sync's worth, then a few again, with lookups between.
    for (std::uint32_t id = 1; id <= 20; ++id)
        add(id);
    EXPECT_EQ(actual(), expected());
    for (std::uint32_t id = 21; id <= 600; ++id) {
        add(id);
        ASSERT_EQ(store.FindEntryByServerId(id)->GetServerId(), id);
    }
    store.SetFilters(BlogIds::AllCategories, BlogStorage::kStatusAll);
    EXPECT_EQ(ShownIds(store), expected());
    for (std::uint32_t id = 601; id <= 610; ++id)
        add(id);
    Ids order = expected();
    EXPECT_EQ(actual(), order);
    auto position = std::find(order.begin(), order.end(), 605u) - order.begin();
    EXPECT_EQ(store.GetShownIndexOf(*store.FindEntryByServerId(605)), static_cast<std::uint32_t>(position));
}
