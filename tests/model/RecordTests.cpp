#include "app/ScreenSize.h"
#include "model/CBlogInfo.h"
#include "model/CWinBlogAlbum.h"
#include "model/CWinBlogComment.h"
#include "model/CWinBlogEntry.h"
#include "support/TemporaryFolder.h"

#include "platform/FileSystem.h"

#include <gtest/gtest.h>

TEST(BlogEntry, DefaultsAreANewPendingLocalEntry)
{
    CWinBlogEntry entry;
    EXPECT_EQ(entry.GetServerId(), 0u);
    EXPECT_TRUE(entry.IsPending());
    EXPECT_FALSE(entry.IsPublished());
    EXPECT_FALSE(entry.IsOnTheWeb());
    EXPECT_FALSE(entry.IsUnconfirmed());
    EXPECT_EQ(entry.GetPhotoState(), 0);
    EXPECT_FALSE(entry.IsHidden());
    EXPECT_EQ(entry.GetThumbnailSize(), 0u);
    EXPECT_TRUE(entry.HasServiceCategory());
    EXPECT_EQ(entry.GetRuntimeClass().name, "CWinBlogEntry");
    EXPECT_EQ(entry.GetRuntimeClass().schema, 0);
}

TEST(BlogEntry, CopiesOwnTheirThumbnail)
{
    CWinBlogEntry entry;
    entry.SetPhotoState(BlogEntry::kPhotoStateOnDevice);
    entry.SetTitle("Dune");
    entry.SetThumbnail({ 0xFF, 0xD8, 0xFF, 0xD9 });

    CWinBlogEntry copy(entry);
    CWinBlogEntry viaInterface;
    viaInterface.CopyFrom(entry);
    entry.ReleaseThumbnail();
    entry.SetTitle("changed");

    for (const BlogEntry* e : { static_cast<BlogEntry*>(&copy), static_cast<BlogEntry*>(&viaInterface) }) {
        EXPECT_EQ(e->GetThumbnailSize(), 4u);
        EXPECT_EQ(e->GetThumbnail()[1], 0xD8);
        EXPECT_EQ(e->GetTitle(), "Dune");
        EXPECT_EQ(e->GetPhotoState(), 7);
        EXPECT_TRUE(e->IsPending());
    }
    EXPECT_EQ(entry.GetThumbnailSize(), 0u);
}

TEST(BlogEntry, StatusBitSettersReportWhetherTheyChangedAnything)
{
    CWinBlogEntry entry;
    EXPECT_FALSE(entry.SetNewEntry(false));
    EXPECT_EQ(entry.GetStatusBits(), 0);
    EXPECT_TRUE(entry.SetNewEntry(true));
    EXPECT_FALSE(entry.SetNewEntry(true));
    EXPECT_TRUE(entry.SetNewComments(true));
    EXPECT_EQ(entry.GetStatusBits(), 3);
    EXPECT_TRUE(entry.SetNewEntry(false));
    EXPECT_FALSE(entry.IsNewEntry());
    EXPECT_TRUE(entry.HasNewComments());
    EXPECT_EQ(entry.GetStatusBits(), 2);
}

TEST(BlogEntry, DerivedStates)
{
    CWinBlogEntry entry;
    entry.SetPending(false);
    entry.SetPosterId(0);
    EXPECT_TRUE(entry.IsPublishedBy(0));
    EXPECT_FALSE(entry.IsPublishedBy(5));
    entry.SetServerId(17);
    EXPECT_TRUE(entry.IsOnTheWeb());
    entry.SetCategoryId(0xFFFFFEFF);
    EXPECT_TRUE(entry.HasServiceCategory());
    entry.SetCategoryId(0xFFFFFF00);
    EXPECT_FALSE(entry.HasServiceCategory());
    entry.SetPhotoState(254);
    EXPECT_FALSE(entry.IsHidden());
}

TEST(BlogEntry, MarkingThePhotoGoneHidesTheEntryAndDropsItsThumbnail)
{
    CWinBlogEntry entry;
    entry.SetPhotoState(7);
    entry.SetPhotoPath("/somewhere/x.jpg");
    entry.SetThumbnail(std::vector<std::uint8_t>(100, 1));
    entry.MarkPhotoGone();
    EXPECT_EQ(entry.GetPhotoState(), 255);
    EXPECT_TRUE(entry.IsHidden());
    EXPECT_EQ(entry.GetThumbnailSize(), 0u);
    EXPECT_EQ(entry.GetPhotoPath(), "/somewhere/x.jpg");
}

TEST(BlogEntry, TextAccessorsConvertBetweenUtf16AndTheRawUtf8)
{
    CWinBlogEntry entry;
    entry.SetTitleText(u"Caf\u00E9 \U0001F600");
    EXPECT_EQ(entry.GetTitle(), "Caf\xC3\xA9 \xF0\x9F\x98\x80");
    EXPECT_EQ(entry.GetTitleText(), u"Caf\u00E9 \U0001F600");
    entry.SetCaption("\xE2\x82\xAC 5");
    EXPECT_EQ(entry.GetCaptionText(), u"\u20AC 5");
    entry.SetAuthorNameText(u"\u00C5sa");
    EXPECT_EQ(entry.GetAuthorName(), "\xC3\x85sa");
}

TEST(BlogEntry, PurgeDeletesOnlyTheFileAndOnlyWhenAllowed)
{
    TemporaryFolder folder;
    std::string photo = folder.File("p.jpg");
    WriteTextFile(photo, "jpeg");
    CWinBlogEntry entry;
    entry.SetPhotoPath(photo);
    entry.SetPhotoState(7);

    // Not on the web: "published only" keeps it.
    EXPECT_EQ(entry.PurgePhoto(true), Error::Success);
    EXPECT_TRUE(PathExists(photo));

    entry.SetServerId(3);
    EXPECT_EQ(entry.PurgePhoto(true), Error::Success);
    EXPECT_FALSE(PathExists(photo));
    EXPECT_EQ(entry.GetPhotoPath(), photo);
    EXPECT_EQ(entry.GetPhotoState(), 7);
    EXPECT_TRUE(entry.IsPending());

    // A missing file, or no path at all, is not an error.
    EXPECT_EQ(entry.PurgePhoto(false), Error::Success);
    entry.SetPhotoPath("");
    EXPECT_EQ(entry.PurgePhoto(false), Error::Success);
}

TEST(BlogAlbum, DefaultsCopiesAndLocalIds)
{
    CWinBlogAlbum album;
    EXPECT_EQ(album.GetId(), 0u);
    EXPECT_TRUE(album.IsModified());
    EXPECT_FALSE(album.IsUnconfirmed());
    EXPECT_TRUE(album.HasServiceId());
    album.SetId(0xFFFFFF00);
    EXPECT_FALSE(album.HasServiceId());
    album.SetNameText(u"\u00DCber");
    album.SetUnconfirmed(true);
    CWinBlogAlbum copy;
    copy.CopyFrom(album);
    EXPECT_EQ(copy.GetName(), "\xC3\x9C"
                              "ber");
    EXPECT_TRUE(copy.IsUnconfirmed());
    copy.ClearUnconfirmed();
    EXPECT_FALSE(copy.IsUnconfirmed());
    EXPECT_EQ(album.GetRuntimeClass().name, "CWinBlogAlbum");
}

TEST(BlogComment, DefaultsAndTheWeb)
{
    CWinBlogComment comment;
    EXPECT_FALSE(comment.IsPending());
    EXPECT_FALSE(comment.IsOnTheWeb());
    comment.SetCommentId(9);
    EXPECT_TRUE(comment.IsOnTheWeb());
    comment.SetTextText(u"\u00A1Hola!");
    EXPECT_EQ(comment.GetText(), "\xC2\xA1Hola!");
    CWinBlogComment copy;
    copy.CopyFrom(comment);
    EXPECT_EQ(copy.GetCommentId(), 9u);
    EXPECT_EQ(copy.GetTextText(), u"\u00A1Hola!");
    EXPECT_EQ(comment.GetRuntimeClass().name, "CWinBlogComment");
}

TEST(CBlogInfo, DefaultsFollowTheScreen)
{
    CBlogInfo small;
    EXPECT_EQ(small.GetDownloadSize(), 3);
    EXPECT_EQ(small.GetUploadSize(), 3);
    EXPECT_TRUE(small.GetLimitEntries());
    EXPECT_EQ(small.GetEntryLimit(), 25);
    EXPECT_EQ(small.GetEffectiveEntryLimit(), 25u);
    EXPECT_TRUE(small.CanAddPhotos());
    EXPECT_FALSE(small.AreCommentsAllowed());

    ScreenSize::Set({ 480, 640 });
    CBlogInfo large;
    ScreenSize::Set({});
    EXPECT_EQ(large.GetDownloadSize(), 5);
    ScreenSize::Set({ 321, 240 });
    EXPECT_EQ(CBlogInfo().GetDownloadSize(), 5);
    ScreenSize::Set({ 320, 320 });
    EXPECT_EQ(CBlogInfo().GetDownloadSize(), 3);
    ScreenSize::Set({});
}

TEST(CBlogInfo, DerivedValues)
{
    CBlogInfo blog;
    blog.SetLimitEntries(false);
    EXPECT_EQ(blog.GetEffectiveEntryLimit(), 32768u);
    blog.SetCanAddPhotos(false);
    EXPECT_TRUE(blog.IsReadOnly());
    blog.SetUrlName("myblog");
    EXPECT_EQ(blog.GetDisplayName(), "myblog");
    blog.SetTitleText(u"My \u00DF Blog");
    EXPECT_EQ(blog.GetDisplayName(), "My \xC3\x9F Blog");
}
