#include "TestBlog.h"

#include "workflows/DeleteEntriesWorkflow.h"

#include <gtest/gtest.h>

TEST(DeleteEntries, AllShownEntriesUseTheTemplatesTextsAndOneEntryItsOwn)
{
    DeleteEntriesWorkflow all(false, false, false);
    EXPECT_EQ(all.GetTexts().question, "Delete all blog entries shown?");
    EXPECT_EQ(all.GetTexts().webChoice, "Delete entries on the web");
    EXPECT_EQ(all.GetTexts().photoChoice, "Delete photos on the device");
    EXPECT_TRUE(all.GetTexts().showWebChoice);
    EXPECT_FALSE(all.GetTexts().showRemainLine);

    DeleteEntriesWorkflow one(true, false, false);
    EXPECT_EQ(one.GetTexts().question, "Delete blog entry?");
    EXPECT_EQ(one.GetTexts().webChoice, "Delete entry on web");
    EXPECT_EQ(one.GetTexts().remainLine, "The entry will remain on the web.");
    EXPECT_EQ(one.GetTexts().photoChoice, "Delete photo on device");
}

TEST(DeleteEntries, WithoutTheWebChoiceTheRemainLineShowsUnlessTheEntryWasNeverPublished)
{
    DeleteEntriesWorkflow notAllowed(false, true, false);
    EXPECT_FALSE(notAllowed.GetTexts().showWebChoice);
    EXPECT_TRUE(notAllowed.GetTexts().showRemainLine);
    EXPECT_EQ(notAllowed.GetTexts().remainLine, "The entries will remain on the web.");

    DeleteEntriesWorkflow neverPublished(true, false, true);
    EXPECT_FALSE(neverPublished.GetTexts().showWebChoice);
    EXPECT_FALSE(neverPublished.GetTexts().showRemainLine);
    // The hidden web choice cannot be ticked.
    neverPublished.Yes({ true, true });
    EXPECT_FALSE(neverPublished.GetDeleteOnWeb());
    EXPECT_TRUE(neverPublished.GetDeletePhotos());
    neverPublished.SetDeleteOnWeb(true);
    EXPECT_FALSE(neverPublished.Choices().onWeb) << "nor be set";
}

TEST(DeleteEntries, OnlyThePhotoChoiceHidesTheEntryForGoodAndDeletesItsPhoto)
{
    TestBlog blog;
    BlogEntry& entry = blog.AddEntry(5, 100);
    std::string photo = blog.AddPhoto(entry, "5.jpg");
    DeleteEntriesWorkflow dialog = DeleteEntriesWorkflow::ForEntry(*blog.store, entry);
    EXPECT_FALSE(dialog.HasNoWebChoice());
    EXPECT_FALSE(dialog.IsNotOnWeb());

    DeleteEntriesWorkflow::DeleteEntry(*blog.store, entry, { false, true });
    EXPECT_FALSE(PathExists(photo));
    auto reloaded = blog.Reloaded();
    ASSERT_EQ(reloaded->GetEntries().GetSize(), 1u);
    BlogEntry* kept = reloaded->GetEntries().GetAt(0);
    EXPECT_TRUE(kept->IsHidden());
    EXPECT_FALSE(kept->IsPending());
    EXPECT_TRUE(kept->GetPhotoPath().empty());
    EXPECT_EQ(reloaded->GetShownEntryCount(), 0u);
    EXPECT_TRUE(reloaded->GetDeletedEntries().IsEmpty());
}

TEST(DeleteEntries, ShownEntriesAreDeletedEvenWhenTheFirstEntryIsNotShown)
{
    TestBlog blog;
    blog.AddEntry(1, 400);                // published: newest, first in the store
    BlogEntry& a = blog.AddEntry(0, 300); // pending
    blog.AddEntry(2, 200);
    BlogEntry& b = blog.AddEntry(0, 100); // pending
    a.SetTitle("a");
    b.SetTitle("b");
    blog.store->SetFilters(BlogIds::AllCategories, BlogStorage::kStatusPending);
    EXPECT_FALSE(DeleteEntriesWorkflow::ForShownEntries(*blog.store).HasNoWebChoice());

    DeleteEntriesWorkflow::DeleteShownEntries(*blog.store, { true, false });
    EXPECT_EQ(blog.store->GetEntries().GetSize(), 2u);
    EXPECT_EQ(blog.store->GetShownEntryCount(), 0u);
    auto reloaded = blog.Reloaded();
    ASSERT_EQ(reloaded->GetDeletedEntries().GetSize(), 2u);
    EXPECT_EQ(reloaded->GetDeletedEntries().GetAt(0)->GetTitle(), "b") << "from the last entry to the first";
    EXPECT_EQ(reloaded->GetDeletedEntries().GetAt(1)->GetTitle(), "a");
}

TEST(DeleteEntries, AnEmptyStoreIsLeftAlone)
{
    TestBlog blog;
    DeleteEntriesWorkflow::DeleteShownEntries(*blog.store, { true, true });
    EXPECT_TRUE(blog.store->GetEntries().IsEmpty());
}

TEST(DeleteEntries, SomeoneElsesBlogOffersNoWebChoice)
{
    TestBlog blog;
    blog.store->GetBlogInfo().SetGroupBlog(1);
    blog.store->GetBlogInfo().SetOwnerId(TestBlog::kOtherUserId);
    BlogEntry& theirs = blog.AddEntry(9, 100, 0, TestBlog::kOtherUserId);
    EXPECT_TRUE(DeleteEntriesWorkflow::ForShownEntries(*blog.store).HasNoWebChoice());
    EXPECT_TRUE(DeleteEntriesWorkflow::ForEntry(*blog.store, theirs).HasNoWebChoice());
    EXPECT_FALSE(DeleteEntriesWorkflow::ForEntry(*blog.store, blog.AddEntry(0, 50)).HasNoWebChoice());
}
