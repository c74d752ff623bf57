#include "TestBlog.h"

#include "workflows/CategorizeEntriesWorkflow.h"
#include "workflows/CategoryNameWorkflow.h"
#include "workflows/EditCategoriesWorkflow.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::u16string> ItemTexts(const EditCategoriesWorkflow& dialog)
{
    std::vector<std::u16string> texts;
    for (auto& item : dialog.Items())
        texts.push_back(item.text);
    return texts;
}

}

TEST(CategorizeEntries, ListsTheCategoriesThenUnfiledWithTheFirstChosen)
{
    TestBlog blog;
    blog.AddCategory(11, "Sea");
    blog.AddCategory(10, "Mountains");
    CategorizeEntriesWorkflow dialog(*blog.store);
    ASSERT_EQ(dialog.CategoryList().size(), 3u);
    EXPECT_EQ(dialog.CategoryList()[0].text, u"Mountains");
    EXPECT_EQ(dialog.CategoryList()[2].text, u"Unfiled");
    EXPECT_EQ(dialog.CategoryList()[2].id, 0u);
    EXPECT_EQ(dialog.FirstChoice(), 0u);
    EXPECT_FALSE(dialog.Ok(std::nullopt).closes);
}

TEST(CategorizeEntries, TheFilteredCategoryChangesNothingAndSaysNothing)
{
    TestBlog blog;
    blog.AddCategory(10, "Mountains");
    BlogEntry& entry = blog.AddEntry(1, 100, 10);
    blog.store->SetFilters(10, BlogStorage::kStatusAll);
    CategorizeEntriesWorkflow dialog(*blog.store);
    EXPECT_EQ(dialog.Ok(0), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(dialog.ChangedCount(), 0u);
    EXPECT_FALSE(entry.IsPending());
    EXPECT_TRUE(blog.Shown().empty());
}

TEST(CategorizeEntries, OwnEntriesChangeAndOthersAreReportedOnce)
{
    TestBlog blog;
    blog.store->GetBlogInfo().SetGroupBlog(1);
    blog.store->GetBlogInfo().SetOwnerId(TestBlog::kOtherUserId);
    blog.AddCategory(10, "Mountains");
    BlogEntry& mine = blog.AddEntry(1, 400);
    BlogEntry& theirs = blog.AddEntry(2, 300, 0, TestBlog::kOtherUserId);
    BlogEntry& alsoTheirs = blog.AddEntry(3, 200, 0, TestBlog::kOtherUserId);
    BlogEntry& already = blog.AddEntry(4, 100, 10);
    CategorizeEntriesWorkflow dialog(*blog.store);
    EXPECT_TRUE(dialog.Ok(0).closes);
    EXPECT_EQ(mine.GetCategoryId(), 10u);
    EXPECT_TRUE(mine.IsPending());
    EXPECT_EQ(theirs.GetCategoryId(), 0u);
    EXPECT_EQ(alsoTheirs.GetCategoryId(), 0u);
    EXPECT_FALSE(already.IsPending()) << "it had the category already";
    EXPECT_EQ(dialog.ChangedCount(), 1u);
    EXPECT_EQ(blog.Shown(), std::vector<std::string> { "Some entries were not categorized because you didn't have permission to edit them." });
}

TEST(CategorizeEntries, EntriesLeavingTheFilteredCategoryAreAllVisited)
{
    TestBlog blog;
    blog.AddCategory(10, "Mountains");
    for (std::uint32_t id = 1; id <= 4; ++id)
        blog.AddEntry(id, 100 + id, 10);
    blog.store->SetFilters(10, BlogStorage::kStatusAll);
    CategorizeEntriesWorkflow dialog(*blog.store);
    EXPECT_TRUE(dialog.Ok(1).closes); // "Unfiled"
    EXPECT_EQ(dialog.ChangedCount(), 4u);
    EXPECT_EQ(blog.store->GetShownEntryCount(), 0u);
}

TEST(EditCategories, ListsTheCategoriesSortedWithTheFirstChosen)
{
    TestBlog blog;
    blog.AddCategory(11, "sea");
    blog.AddCategory(10, "Mountains");
    EditCategoriesWorkflow dialog(*blog.store);
    EXPECT_EQ(ItemTexts(dialog), (std::vector<std::u16string> { u"Mountains", u"sea" }));
    EXPECT_EQ(dialog.FirstSelection(), 0u);
    EXPECT_TRUE(dialog.CanEditOrDelete(1));
    EXPECT_FALSE(dialog.CanEditOrDelete(std::nullopt));
}

TEST(EditCategories, NewCategoriesGetLocalIdsAndStayAfterCancel)
{
    TestBlog blog;
    blog.AddCategory(10, "Mountains");
    {
        EditCategoriesWorkflow dialog(*blog.store);
        EXPECT_EQ(dialog.AddCategory("Lakes"), 0u);
        EXPECT_EQ(dialog.AddCategory("Rivers"), 2u);
        // Cancel: the dialog goes without Done.
    }
    ASSERT_EQ(blog.store->GetCategoryCount(), 3u);
    BlogAlbum* lakes = blog.store->FindCategoryByName("lakes");
    ASSERT_NE(lakes, nullptr);
    EXPECT_EQ(lakes->GetId(), BlogIds::FirstLocalCategory);
    EXPECT_TRUE(lakes->IsModified());
    EXPECT_EQ(blog.store->FindCategoryByName("Rivers")->GetId(), BlogIds::FirstLocalCategory + 1);
}

TEST(EditCategories, RenamingKeepsTheStoreInNameOrderAndMarksTheCategory)
{
    TestBlog blog;
    BlogAlbum& lakes = blog.AddCategory(10, "Lakes");
    blog.AddCategory(11, "Mountains");
    EditCategoriesWorkflow dialog(*blog.store);
    BlogAlbum* edited = dialog.CategoryToEdit(0);
    ASSERT_EQ(edited, &lakes);
    EXPECT_EQ(dialog.RenameCategory(*edited, "Seas"), 1u);
    EXPECT_EQ(ItemTexts(dialog), (std::vector<std::u16string> { u"Mountains", u"Seas" }));
    EXPECT_EQ(blog.store->GetCategoryAt(1), &lakes);
    EXPECT_TRUE(lakes.IsModified());
    EXPECT_EQ(dialog.Done(), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(blog.Reloaded()->GetCategoryAt(1)->GetName(), "Seas");
}

TEST(EditCategories, DeletingAsksFirstAndMovesTheEntriesToUnfiled)
{
    TestBlog blog;
    blog.AddCategory(10, "Lakes");
    BlogEntry& entry = blog.AddEntry(1, 100, 10);
    EditCategoriesWorkflow dialog(*blog.store);

    EXPECT_EQ(dialog.CategoryToEdit(std::nullopt), nullptr);
    EXPECT_FALSE(dialog.DeleteCategory(std::nullopt));
    EXPECT_EQ(blog.Shown(), (std::vector<std::string> { "You must select an item in the list before using this command.", "You must select an item in the list before using this command." }));

    blog.Interaction().ScriptAnswer(false);
    EXPECT_FALSE(dialog.DeleteCategory(0));
    EXPECT_EQ(blog.store->GetCategoryCount(), 1u);
    EXPECT_EQ(blog.Shown().back(), "Deleting a category will cause all entries in that category to be moved to Unfiled. Do you wish to continue?");

    blog.Interaction().ScriptAnswer(true);
    EXPECT_TRUE(dialog.DeleteCategory(0));
    EXPECT_TRUE(dialog.Items().empty());
    EXPECT_FALSE(dialog.CanEditOrDelete(dialog.FirstSelection()));
    EXPECT_EQ(blog.store->GetCategoryCount(), 0u);
    EXPECT_EQ(blog.store->GetDeletedCategories().GetSize(), 1u) << "deleted on the web at the next sync";
    EXPECT_EQ(entry.GetCategoryId(), 0u);
}

TEST(CategoryName, OpensWithTheCategorysNameOrEmpty)
{
    TestBlog blog;
    BlogAlbum& lakes = blog.AddCategory(10, "Lakes");
    EXPECT_EQ(CategoryNameWorkflow(*blog.store, &lakes).Opening(), u"Lakes");
    EXPECT_EQ(CategoryNameWorkflow(*blog.store, nullptr).Opening(), u"");
}

TEST(CategoryName, RenamingToTheSameNameIsNothingAndToOtherCaseIsAccepted)
{
    TestBlog blog;
    BlogAlbum& lakes = blog.AddCategory(10, "Lakes");
    blog.AddCategory(11, "Sea");
    CategoryNameWorkflow dialog(*blog.store, &lakes);
    EXPECT_EQ(dialog.Ok(u"Lakes"), DialogOutcome::Close(DialogResults::Cancel));
    EXPECT_EQ(dialog.Ok(u"LAKES"), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(dialog.GetName(), "LAKES");
    EXPECT_TRUE(blog.Shown().empty());

    DialogOutcome taken = dialog.Ok(u"sea");
    EXPECT_FALSE(taken.closes);
    EXPECT_EQ(taken.faultyField, CategoryNameWorkflow::kNameField);
    ASSERT_EQ(blog.Shown().size(), 1u);
    EXPECT_EQ(blog.Shown()[0], "A category with that name already exists. Please use a different name.");
    EXPECT_EQ(blog.Interaction().ShownMessages()[0].icon, MessageIcon::Error);
}

TEST(CategoryName, ANewNameIsCheckedAgainstEveryCategoryAndItsLimit)
{
    TestBlog blog;
    blog.AddCategory(10, "Lakes");
    CategoryNameWorkflow dialog(*blog.store, nullptr);
    EXPECT_FALSE(dialog.Ok(u"lakes").closes);
    EXPECT_FALSE(dialog.Ok(std::u16string(100, u'n')).closes);
    EXPECT_EQ(blog.Shown().back(), "Please enter no more than 99 characters.");
    EXPECT_TRUE(dialog.Ok(std::u16string(99, u'n')).closes);
    EXPECT_EQ(dialog.Ok(u""), DialogOutcome::Close(DialogResults::Ok)) << "an empty name is accepted";
}
