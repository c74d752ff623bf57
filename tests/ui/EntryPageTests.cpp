#include "RecordingPaintContext.h"
#include "support/BlogFixtures.h"
#include "support/SandboxDevice.h"

#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "ui/BitmapResources.h"
#include "ui/EntryPage.h"
#include "ui/QtPaintContext.h"
#include "ui/SystemFont.h"
#include "ui/ViewStyle.h"

#include <gtest/gtest.h>

namespace {

// The entry page of a 240 x 320 screen: the view between the bars.
constexpr Rect kPage { 0, 0, 240, 268 };

class EntryPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        style.normalFont = SystemFont(style.scale);
        style.boldFont = BoldFontOf(style.normalFont);
        style.icons = CIconList(LoadBitmapResource(Bitmaps::PageIcons), 16);
    }

    std::string Photo(int width, int height)
    {
        std::string path = DeviceFolders::Current().PersonalFolder() + "/photo.jpg";
        WritePhotoFile(path, width, height);
        return path;
    }

    // The icons drawn, as "index@x,y".
    static std::vector<std::string> Icons(const RecordingPaintContext& context)
    {
        std::vector<std::string> icons;
        for (auto& copy : context.transparentCopies)
            icons.push_back(std::to_string(copy.sourceX / 16) + "@" + std::to_string(copy.x) + "," + std::to_string(copy.y));
        return icons;
    }

    SandboxDevice device;
    CWinBlogUser user;
    EntryPageStyle style;
    EntryPage page;
};

}

TEST_F(EntryPageTest, ThePhotoSpansTheWidthAndTheTextFollowsIt)
{
    CWinBlogStorage& blog = AddBlog(user, { "trips", "Trips", "" });
    BlogEntry& entry = AddEntry(blog, { .title = "Dunes", .caption = "Windy", .author = "Ann", .postDate = 1, .photoPath = Photo(640, 480) });
    page.SetEntry(&blog, &entry);
    RecordingPaintContext context;
    page.Paint(context, kPage, style);
    // 640 x 480 fitted to the width: 240 x 180, at the top.
    EXPECT_EQ(page.GetPhotoHeight(), 180);
    EXPECT_EQ(context.TextStrings(), (std::vector<std::string> { "Dunes", "Windy" })) << "no author line outside a group blog";
    EXPECT_EQ(context.texts[0].y, 180 + 3);
    EXPECT_TRUE(context.texts[0].bold);
    EXPECT_EQ(page.GetMaximumScroll(), 0);
    EXPECT_TRUE(Icons(context).empty()) << "nothing to scroll";

    Dib drawn = CreateDib(240, 268, 16).ReleaseValue();
    {
        QtPaintContext qt(drawn);
        page.Paint(qt, kPage, style);
    }
    EXPECT_NE(drawn.Row16(90)[120], ToRgb565(Colors::White)) << "the photo";
    EXPECT_EQ(drawn.Row16(260)[230], ToRgb565(Colors::White));
}

TEST_F(EntryPageTest, AGroupBlogNamesTheAuthor)
{
    CWinBlogStorage& blog = AddBlog(user, { "family", "Family", "", true });
    BlogEntry& entry = AddEntry(blog, { .title = "Dunes", .author = "Ann", .postDate = 1 });
    page.SetEntry(&blog, &entry);
    RecordingPaintContext context;
    page.Paint(context, kPage, style);
    EXPECT_EQ(context.TextStrings(), (std::vector<std::string> { "Dunes", "By Ann" }));
}

TEST_F(EntryPageTest, APurgedPhotoShowsTheThumbnailOverTheWholeArea)
{
    CWinBlogStorage& blog = AddBlog(user, { "trips", "Trips", "" });
    BlogEntry& entry = AddEntry(blog, { .title = "Gone", .postDate = 1, .thumbnailSeed = 5, .photoPath = DeviceFolders::Current().PersonalFolder() + "/purged.jpg" });
    page.SetEntry(&blog, &entry);
    RecordingPaintContext context;
    page.Paint(context, kPage, style);
    // The area: the page less one line and 3 pixels.
    EXPECT_EQ(page.GetPhotoHeight(), 268 - 12 - 3);
    ASSERT_FALSE(context.copies.empty());
    EXPECT_EQ(context.copies[0].width, 240) << "the cached picture, copied across the page";
}

TEST_F(EntryPageTest, ALongCaptionScrollsWithHints)
{
    CWinBlogStorage& blog = AddBlog(user, { "family", "Family", "", true });
    BlogEntry& entry = AddEntry(blog, { .title = "Long", .caption = std::string(2000, 'x'), .postDate = 1, .newComments = true, .photoPath = Photo(640, 480) });
    page.SetEntry(&blog, &entry);
    RecordingPaintContext first;
    page.Paint(first, kPage, style);
    // 40 characters a line: 50 lines of 12, after the title's 14.
    int end = 180 + 3 + 14 + 50 * 12 + 3;
    EXPECT_EQ(page.GetMaximumScroll(), end - 268);
    EXPECT_EQ(Icons(first), (std::vector<std::string> { "0@220,160", "1@220,248" })) << "new comments on the photo; more below";

    EXPECT_TRUE(page.ScrollDown());
    RecordingPaintContext second;
    page.Paint(second, kPage, style);
    EXPECT_EQ(page.GetScrollPosition(), 12);
    EXPECT_EQ(second.texts[0].y, 180 - 12 + 3);
    EXPECT_EQ(Icons(second), (std::vector<std::string> { "0@220,148", "2@220,3", "1@220,248" }));
    // Scrolling only copies the cached photo: the part below the scroll
    // position, to the top.
    ASSERT_FALSE(second.copies.empty());
    EXPECT_EQ(second.copies[0].height, 180 - 12);

    while (page.ScrollDown()) { }
    RecordingPaintContext last;
    page.Paint(last, kPage, style);
    EXPECT_EQ(page.GetScrollPosition(), page.GetMaximumScroll());
    EXPECT_EQ(Icons(last), (std::vector<std::string> { "2@220,3" }));
    EXPECT_TRUE(page.ScrollUp());
    page.Reload();
    EXPECT_EQ(page.GetScrollPosition(), 0);
}

TEST_F(EntryPageTest, TextEndingFewerThanFourPixelsPastThePageDoesNotScroll)
{
    CWinBlogStorage& blog = AddBlog(user, { "trips", "Trips", "" });
    // Photo 180, gap 3, title 14, six caption lines of 12, 3 after: the
    // text ends at 272.
    BlogEntry& entry = AddEntry(blog, { .title = "T", .caption = std::string(6 * 40, 'x'), .postDate = 1, .photoPath = Photo(640, 480) });
    page.SetEntry(&blog, &entry);
    RecordingPaintContext context;
    page.Paint(context, { 0, 0, 240, 269 }, style);
    EXPECT_EQ(page.GetMaximumScroll(), 0) << "3 pixels past the page";
    page.Paint(context, { 0, 0, 240, 268 }, style);
    EXPECT_EQ(page.GetMaximumScroll(), 4);
}
