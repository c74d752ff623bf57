#include "TestBlog.h"

#include "workflows/BlogPrefsWorkflow.h"

#include <gtest/gtest.h>

namespace {

constexpr size_t kThumbnails = 1;

struct SyncSettings {
    std::uint16_t download;
    bool limit;
    std::uint16_t entryLimit;
};

void Configure(CWinBlogStorage& store, SyncSettings settings)
{
    store.GetBlogInfo().SetDownloadSize(settings.download);
    store.GetBlogInfo().SetLimitEntries(settings.limit);
    store.GetBlogInfo().SetEntryLimit(settings.entryLimit);
    store.SetDownloadStamp(1234);
}

// The sheet with the sync page alone, closed with OK after the controls were
// changed as `change` says.
DialogOutcome OkOnSyncPage(CWinBlogStorage& store, const std::function<void(SyncPageWorkflow::Controls&)>& change)
{
    BlogPrefsWorkflow sheet(store, BlogPreferencesPages::SyncOnly);
    auto controls = sheet.SyncPage().Opening();
    change(controls);
    return sheet.Ok(controls, std::nullopt).dialog;
}

}

TEST(SyncPage, OpensWithTheDescriptorsSettingsAndBothSizeLists)
{
    TestBlog blog;
    blog.store->GetBlogInfo().SetDownloadSize(6);
    blog.store->GetBlogInfo().SetUploadSize(1);
    blog.store->GetBlogInfo().SetLimitEntries(false);
    blog.store->GetBlogInfo().SetEntryLimit(40);
    blog.store->GetBlogInfo().SetDeleteAfterUpload(true);
    BlogPrefsWorkflow sheet(*blog.store, BlogPreferencesPages::BlogAndSync);

    SyncPageWorkflow& page = sheet.SyncPage();
    ASSERT_EQ(page.DownloadList().items.size(), 8u);
    EXPECT_EQ(page.DownloadList().items.front().text, "Nothing");
    EXPECT_EQ(page.DownloadList().items.back().text, "Full size");
    ASSERT_EQ(page.UploadList().items.size(), 4u);
    EXPECT_EQ(page.UploadList().items.back().text, "Full size photos");
    auto controls = page.Opening();
    EXPECT_EQ(controls.downloadChoice, 6u);
    EXPECT_EQ(page.DownloadList().items[6].text, "640x480");
    EXPECT_EQ(controls.uploadChoice, 1u);
    EXPECT_FALSE(controls.limitEntries);
    EXPECT_EQ(controls.entryLimit, u"40");
    EXPECT_TRUE(controls.deleteAfterUpload);
    EXPECT_EQ(sheet.FirstPage(), BlogPrefsWorkflow::Page::Sync);
    EXPECT_EQ(sheet.Pages().size(), 2u);
}

TEST(SyncPage, OnlyRaisingTheLimitOfALimitedBlogMakesTheNextSyncDownloadEverything)
{
    TestBlog blog;
    Configure(*blog.store, { 5, true, 25 });
    EXPECT_TRUE(OkOnSyncPage(*blog.store, [](auto& c) { c.entryLimit = u"50"; }).closes);
    EXPECT_EQ(blog.store->GetDownloadStamp(), 0u);
    EXPECT_EQ(blog.store->GetBlogInfo().GetEntryLimit(), 50);

    Configure(*blog.store, { 5, true, 25 });
    EXPECT_TRUE(OkOnSyncPage(*blog.store, [](auto& c) { c.entryLimit = u"10"; }).closes);
    EXPECT_EQ(blog.store->GetDownloadStamp(), 1234u) << "lowering the limit";

    Configure(*blog.store, { 5, true, 25 });
    EXPECT_TRUE(OkOnSyncPage(*blog.store, [](auto& c) { c.limitEntries = false; }).closes);
    EXPECT_EQ(blog.store->GetDownloadStamp(), 1234u) << "switching the limit off without raising it";
    EXPECT_FALSE(blog.store->GetBlogInfo().GetLimitEntries());

    Configure(*blog.store, { 5, false, 25 });
    EXPECT_TRUE(OkOnSyncPage(*blog.store, [](auto& c) { c.limitEntries = true; c.entryLimit = u"60"; }).closes);
    EXPECT_EQ(blog.store->GetDownloadStamp(), 1234u) << "the old settings did not limit";
}

TEST(SyncPage, ChoosingThumbnailsAfterAPhotoSizeOffersToDeleteThePhotos)
{
    TestBlog blog;
    Configure(*blog.store, { 5, true, 25 });
    BlogEntry& published = blog.AddEntry(7, 100);
    std::string publishedPhoto = blog.AddPhoto(published, "7.jpg", 5);
    BlogEntry& unpublished = blog.AddEntry(0, 200);
    std::string unpublishedPhoto = blog.AddPhoto(unpublished, "new.jpg");

    blog.Interaction().ScriptAnswer(true);
    EXPECT_TRUE(OkOnSyncPage(*blog.store, [](auto& c) { c.downloadChoice = kThumbnails; }).closes);
    ASSERT_EQ(blog.Shown().size(), 1u);
    EXPECT_EQ(blog.Shown()[0], "You have decided to download thumbnails only. Would you like to delete the photos for existing blog entries?");
    EXPECT_FALSE(PathExists(publishedPhoto));
    EXPECT_TRUE(published.GetPhotoPath().empty());
    EXPECT_FALSE(published.GetThumbnail().empty()) << "the thumbnail stays";
    EXPECT_TRUE(PathExists(unpublishedPhoto)) << "a photo never sent has no other copy";
    EXPECT_EQ(blog.store->GetBlogInfo().GetDownloadSize(), 1);
}

TEST(SyncPage, AnsweringNoKeepsThePhotosAndStillStoresTheChoice)
{
    TestBlog blog;
    Configure(*blog.store, { 5, true, 25 });
    std::string photo = blog.AddPhoto(blog.AddEntry(7, 100), "7.jpg", 5);
    blog.Interaction().ScriptAnswer(false);
    EXPECT_TRUE(OkOnSyncPage(*blog.store, [](auto& c) { c.downloadChoice = kThumbnails; }).closes);
    EXPECT_EQ(blog.Shown().size(), 1u);
    EXPECT_TRUE(PathExists(photo));
    EXPECT_EQ(blog.store->GetBlogInfo().GetDownloadSize(), 1);
}

TEST(SyncPage, FromNothingToThumbnailsAsksNothing)
{
    TestBlog blog;
    Configure(*blog.store, { 0, true, 25 });
    EXPECT_TRUE(OkOnSyncPage(*blog.store, [](auto& c) { c.downloadChoice = kThumbnails; }).closes);
    EXPECT_TRUE(blog.Shown().empty());
    EXPECT_EQ(blog.store->GetBlogInfo().GetDownloadSize(), 1);
}

TEST(SyncPage, AnEntryLimitThatIsNotANumberKeepsTheSheetOpenAndChangesNothing)
{
    TestBlog blog;
    Configure(*blog.store, { 5, true, 25 });
    BlogPrefsWorkflow sheet(*blog.store, BlogPreferencesPages::SyncOnly);
    auto controls = sheet.SyncPage().Opening();
    controls.entryLimit = u"lots";
    controls.downloadChoice = 2;
    auto outcome = sheet.Ok(controls, std::nullopt);
    EXPECT_FALSE(outcome.dialog.closes);
    EXPECT_EQ(outcome.dialog.faultyField, SyncPageWorkflow::kEntryLimitField);
    EXPECT_EQ(outcome.page, BlogPrefsWorkflow::Page::Sync);
    EXPECT_EQ(blog.Shown(), std::vector<std::string> { "Please enter an integer." });
    EXPECT_EQ(blog.store->GetBlogInfo().GetDownloadSize(), 5);

    controls.entryLimit = u"30";
    EXPECT_TRUE(sheet.Ok(controls, std::nullopt).dialog.closes);
    EXPECT_EQ(blog.store->GetBlogInfo().GetDownloadSize(), 2);
    EXPECT_EQ(blog.store->GetBlogInfo().GetEntryLimit(), 30);
}

TEST(SyncPage, ASizeOutsideTheListIsKeptWhenNothingIsChosen)
{
    TestBlog blog;
    blog.store->GetBlogInfo().SetDownloadSize(12);
    BlogPrefsWorkflow sheet(*blog.store, BlogPreferencesPages::SyncOnly);
    auto controls = sheet.SyncPage().Opening();
    EXPECT_EQ(controls.downloadChoice, std::nullopt);
    EXPECT_TRUE(sheet.Ok(controls, std::nullopt).dialog.closes);
    EXPECT_EQ(blog.store->GetBlogInfo().GetDownloadSize(), 12);
}

TEST(BlogPage, OpensWithTheDescriptorsTextsAndVisibility)
{
    TestBlog blog;
    blog.store->GetBlogInfo().SetSubtitle("Along the coast");
    blog.store->GetBlogInfo().SetHidden(1);
    BlogPrefsWorkflow sheet(*blog.store, BlogPreferencesPages::BlogAndSync);
    ASSERT_NE(sheet.BlogPage(), nullptr);
    auto controls = sheet.BlogPage()->Opening();
    EXPECT_EQ(controls.url, u"trips");
    EXPECT_EQ(controls.title, u"Trips");
    EXPECT_EQ(controls.subtitle, u"Along the coast");
    EXPECT_FALSE(controls.showOnWeb);
}

TEST(BlogPage, OkWithoutChangesDoesNotMarkTheSettingsModified)
{
    TestBlog blog;
    BlogPrefsWorkflow sheet(*blog.store, BlogPreferencesPages::BlogAndSync);
    sheet.PageOpened(BlogPrefsWorkflow::Page::Blog);
    auto outcome = sheet.Ok(sheet.SyncPage().Opening(), sheet.BlogPage()->Opening());
    EXPECT_TRUE(outcome.dialog.closes);
    EXPECT_FALSE(blog.store->GetBlogInfo().IsSettingsModified());
}

TEST(BlogPage, ChangedTextsAndVisibilityAreStoredAndMarkedForTheNextSync)
{
    TestBlog blog;
    BlogPrefsWorkflow sheet(*blog.store, BlogPreferencesPages::BlogAndSync);
    sheet.PageOpened(BlogPrefsWorkflow::Page::Blog);
    auto controls = sheet.BlogPage()->Opening();
    controls.title = u"Trips \u00e0 la mer";
    controls.showOnWeb = false;
    EXPECT_TRUE(sheet.Ok(sheet.SyncPage().Opening(), controls).dialog.closes);
    EXPECT_EQ(blog.store->GetBlogInfo().GetTitle(), "Trips \xc3\xa0 la mer");
    EXPECT_EQ(blog.store->GetBlogInfo().GetHidden(), 1);
    EXPECT_EQ(blog.store->GetBlogInfo().GetUrlName(), "trips");
    EXPECT_TRUE(blog.store->GetBlogInfo().IsSettingsModified());
}

TEST(BlogPage, ABadBlogUrlKeepsTheSheetOpenBeforeAnyPageChangedAnything)
{
    TestBlog blog;
    Configure(*blog.store, { 5, true, 25 });
    BlogPrefsWorkflow sheet(*blog.store, BlogPreferencesPages::BlogAndSync);
    sheet.PageOpened(BlogPrefsWorkflow::Page::Blog);
    auto sync = sheet.SyncPage().Opening();
    sync.downloadChoice = kThumbnails;
    auto controls = sheet.BlogPage()->Opening();
    controls.url = u"my trips";
    controls.title = u"New";
    auto outcome = sheet.Ok(sync, controls);
    EXPECT_FALSE(outcome.dialog.closes);
    EXPECT_EQ(outcome.page, BlogPrefsWorkflow::Page::Blog);
    EXPECT_EQ(outcome.dialog.faultyField, BlogPageWorkflow::kUrlField);
    EXPECT_EQ(blog.Shown(), std::vector<std::string> { "A Blog URL can only contain alphanumeric characters or '_' and '-'." });
    EXPECT_EQ(blog.store->GetBlogInfo().GetTitle(), "Trips");
    EXPECT_EQ(blog.store->GetBlogInfo().GetDownloadSize(), 5) << "no question 209 either";
}

TEST(BlogPage, FieldsPastTheirLimitsKeepTheSheetOpen)
{
    TestBlog blog;
    BlogPrefsWorkflow sheet(*blog.store, BlogPreferencesPages::BlogAndSync);
    sheet.PageOpened(BlogPrefsWorkflow::Page::Blog);
    auto controls = sheet.BlogPage()->Opening();
    controls.url = std::u16string(31, u'u');
    controls.title = std::u16string(47, u't');
    controls.subtitle = std::u16string(64, u's');
    auto outcome = sheet.Ok(sheet.SyncPage().Opening(), controls);
    EXPECT_EQ(outcome.dialog.faultyField, BlogPageWorkflow::kSubtitleField);
    EXPECT_EQ(blog.Shown(), std::vector<std::string> { "Please enter no more than 63 characters." });
    controls.subtitle.pop_back();
    EXPECT_TRUE(sheet.Ok(sheet.SyncPage().Opening(), controls).dialog.closes);
    EXPECT_EQ(blog.store->GetBlogInfo().GetUrlName(), std::string(31, 'u'));
}

TEST(BlogPage, APageNeverOpenedChangesNothing)
{
    TestBlog blog;
    BlogPrefsWorkflow sheet(*blog.store, BlogPreferencesPages::BlogAndSync);
    auto controls = sheet.BlogPage()->Opening();
    controls.url = u"bad url";
    controls.title = u"Other";
    EXPECT_TRUE(sheet.Ok(sheet.SyncPage().Opening(), controls).dialog.closes);
    EXPECT_EQ(blog.store->GetBlogInfo().GetTitle(), "Trips");
    EXPECT_TRUE(blog.Shown().empty());
}

TEST(BlogPage, TheSyncPageAloneNeverTouchesTheBlogsTexts)
{
    TestBlog blog;
    blog.store->GetBlogInfo().SetHidden(1);
    BlogPrefsWorkflow sheet(*blog.store, BlogPreferencesPages::SyncOnly);
    EXPECT_EQ(sheet.BlogPage(), nullptr);
    EXPECT_EQ(sheet.Pages(), std::vector<BlogPrefsWorkflow::Page> { BlogPrefsWorkflow::Page::Sync });
    sheet.PageOpened(BlogPrefsWorkflow::Page::Blog);
    BlogPageWorkflow::Controls other { u"x", u"y", u"z", true };
    EXPECT_TRUE(sheet.Ok(sheet.SyncPage().Opening(), other).dialog.closes);
    EXPECT_EQ(blog.store->GetBlogInfo().GetUrlName(), "trips");
    EXPECT_EQ(blog.store->GetBlogInfo().GetHidden(), 1);
    EXPECT_FALSE(blog.store->GetBlogInfo().IsSettingsModified());
}
