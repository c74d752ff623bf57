#include "RecordingPaintContext.h"
#include "support/BlogFixtures.h"
#include "support/SandboxDevice.h"

#include "model/CWinBlogUser.h"
#include "ui/BitmapResources.h"
#include "ui/BlogRowPainter.h"
#include "ui/EntryCellPainter.h"
#include "ui/ProgressPainter.h"
#include "ui/QtPaintContext.h"
#include "ui/SystemFont.h"
#include "ui/TextFitting.h"
#include "ui/ViewStyle.h"

#include <gtest/gtest.h>

namespace {

Dib WhiteBitmap(int width, int height)
{
    Dib bitmap = CreateDib(width, height, 16).ReleaseValue();
    QtPaintContext(bitmap).FillRect({ 0, 0, width, height }, Colors::White);
    return bitmap;
}

std::uint16_t Pixel(const Dib& bitmap, int x, int y)
{
    return bitmap.Row16(y)[x];
}

class PaintingTest : public testing::Test {
protected:
    void SetUp() override
    {
        style.normalFont = SystemFont(style.scale);
        style.boldFont = BoldFontOf(style.normalFont);
        style.markers = CIconList(LoadBitmapResource(Bitmaps::Markers), 16);
        style.placeholder = &placeholder;
        style.groupBadge = &badge;
    }

    CWinBlogStorage& Blog(BlogSpec spec) { return AddBlog(user, spec); }

    SandboxDevice device;
    CWinBlogUser user;
    Dib placeholder = LoadBitmapResource(Bitmaps::Placeholder);
    Dib badge = LoadBitmapResource(Bitmaps::GroupBadge);
    ViewStyle style;
    // A home row of a 240 x 320 screen.
    Rect row { 0, 0, 234, 61 };
};

}

TEST_F(PaintingTest, ABlogRowShowsItsNameSubtitleAndPhotoCount)
{
    CWinBlogStorage& trips = Blog({ "trips", "Trips", "Where we went" });
    AddEntry(trips, { .title = "One", .postDate = 2 });
    AddEntry(trips, { .title = "Gone", .postDate = 1 }).MarkPhotoGone();
    RecordingPaintContext context;
    DrawBlogRow(context, row, trips, false, style);
    EXPECT_EQ(context.TextStrings(), (std::vector<std::string> { "Trips", "Where we went", "1 Photo" })) << "a hidden entry does not count";
    ASSERT_EQ(context.texts.size(), 3u);
    EXPECT_TRUE(context.texts[0].bold);
    EXPECT_EQ(context.texts[0].y, 3);
    EXPECT_EQ(context.texts[1].y, 3 + 14);
    EXPECT_EQ(context.texts[2].y, 3 + 14 + 12);
    // The box is the cell inset by 4 on the left, top and bottom, square.
    EXPECT_EQ(context.texts[0].x, 4 + 53 + 4);
    EXPECT_EQ(context.texts[0].color, Colors::Black);
}

TEST_F(PaintingTest, ABlogWithoutEntriesShowsThePlaceholderAndZeroPhotos)
{
    CWinBlogStorage& empty = Blog({ "empty-blog", "", "" });
    RecordingPaintContext context;
    DrawBlogRow(context, row, empty, true, style);
    EXPECT_EQ(context.TextStrings(), (std::vector<std::string> { "empty-blog", "", "0 Photos" })) << "no title: the URL name";
    EXPECT_EQ(context.texts[0].color, Colors::White) << "selected";
    ASSERT_EQ(context.copies.size(), 1u);
    EXPECT_EQ(context.copies[0].bitmap, &placeholder);
    // Centred in the box (5, 5) to (56, 56).
    EXPECT_EQ(context.copies[0].x, 5 + (51 - placeholder.Width()) / 2);
}

TEST_F(PaintingTest, MarkersAndTheBadgeGoToTheirCorners)
{
    CWinBlogStorage& family = Blog({ "family", "Family", "", true });
    AddEntry(family, { .title = "Seen", .postDate = 2, .newComments = true });
    RecordingPaintContext context;
    DrawBlogRow(context, row, family, false, style);
    ASSERT_EQ(context.transparentCopies.size(), 2u);
    EXPECT_EQ(context.transparentCopies[0].sourceX, 16) << "icon 1: new comments";
    EXPECT_EQ(context.transparentCopies[0].x, 4 + 1);
    EXPECT_EQ(context.transparentCopies[0].y, 4 + 1);
    EXPECT_EQ(context.transparentCopies[1].bitmap, &badge);
    EXPECT_EQ(context.transparentCopies[1].x, row.right - 21);
    EXPECT_EQ(context.transparentCopies[1].y, row.bottom - 21);

    AddEntry(family, { .title = "New", .postDate = 3, .isNew = true });
    RecordingPaintContext again;
    DrawBlogRow(again, row, family, false, style);
    EXPECT_EQ(again.transparentCopies[0].sourceX, 0) << "icon 0: new entries come first";
}

TEST_F(PaintingTest, TooLongTextsAreCutWithAnEllipsis)
{
    RecordingPaintContext context;
    LogicalFont font;
    EXPECT_EQ(FitTextToWidth(context, font, "Hello\r\nworld", 72), "Hello  world") << "line breaks become spaces";
    EXPECT_EQ(FitTextToWidth(context, font, "Hello world", 60), "Hello w...");
    EXPECT_EQ(FitTextToWidth(context, font, "Hello world", 10), "...");
    // A character is never split: "é" is two bytes, measured as two here.
    EXPECT_EQ(FitTextToWidth(context, font, "\xC3\xA9t\xC3\xA9 long", 54), "\xC3\xA9t\xC3\xA9 ...");

    CWinBlogStorage& blog = Blog({ "long", "A title much too long for the width of the row", "" });
    DrawBlogRow(context, row, blog, false, style);
    std::string shown = context.texts[0].text;
    EXPECT_EQ(shown.substr(shown.size() - 3), "...");
    EXPECT_LE(static_cast<int>(shown.size()) * 6, row.right - 4 - 61);
}

TEST_F(PaintingTest, SelectionColoursTheRowAndOutlinesTheBoxInWhite)
{
    CWinBlogStorage& trips = Blog({ "trips", "Trips", "" });
    AddEntry(trips, { .title = "One", .postDate = 2, .thumbnailSeed = 3 });
    Dib plain = WhiteBitmap(row.Width(), row.Height());
    Dib selected = WhiteBitmap(row.Width(), row.Height());
    {
        QtPaintContext context(plain);
        DrawBlogRow(context, row, trips, false, style);
    }
    {
        QtPaintContext context(selected);
        DrawBlogRow(context, row, trips, true, style);
    }
    EXPECT_EQ(Pixel(plain, 0, 0), ToRgb565(Colors::Black)) << "the cell's outline";
    EXPECT_EQ(Pixel(plain, 200, 50), ToRgb565(Colors::White));
    EXPECT_EQ(Pixel(selected, 200, 50), ToRgb565(Colors::SelectedRow));
    EXPECT_EQ(Pixel(plain, 4, 30), ToRgb565(Colors::Black)) << "the box's outline";
    EXPECT_EQ(Pixel(selected, 4, 30), ToRgb565(Colors::White));
    // The thumbnail fills the box (a square thumbnail in a square box).
    int coloured = 0;
    for (int x = 6; x < 55; ++x)
        coloured += Pixel(plain, x, 30) != ToRgb565(Colors::White);
    EXPECT_GT(coloured, 40);
    // The bold name is drawn in black: some pixel of its line is.
    bool ink = false;
    for (int x = 61; x < 100 && !ink; ++x) {
        for (int y = 3; y < 15 && !ink; ++y)
            ink = Pixel(plain, x, y) == ToRgb565(Colors::Black);
    }
    EXPECT_TRUE(ink);
}

TEST_F(PaintingTest, ASelectedEntryCellGetsItsFrame)
{
    CWinBlogStorage& trips = Blog({ "trips", "Trips", "" });
    BlogEntry& entry = AddEntry(trips, { .title = "One", .postDate = 2, .isNew = true, .thumbnailSeed = 4 });
    Dib cell = WhiteBitmap(71, 77);
    {
        QtPaintContext context(cell);
        DrawEntryCell(context, { 0, 0, 71, 77 }, entry, true, style);
    }
    std::uint16_t blue = ToRgb565(Colors::SelectionBlue);
    EXPECT_EQ(Pixel(cell, 0, 40), blue);
    EXPECT_EQ(Pixel(cell, 2, 40), blue);
    EXPECT_NE(Pixel(cell, 3, 40), blue);
    EXPECT_EQ(Pixel(cell, 70, 40), blue);
    EXPECT_EQ(Pixel(cell, 68, 40), blue);
    EXPECT_NE(Pixel(cell, 67, 40), blue);
    EXPECT_EQ(Pixel(cell, 35, 0), blue);
    EXPECT_EQ(Pixel(cell, 35, 76), blue);
    EXPECT_NE(Pixel(cell, 35, 1), blue) << "one pixel at the top";

    RecordingPaintContext recorded;
    DrawEntryCell(recorded, { 0, 0, 71, 77 }, entry, false, style);
    ASSERT_EQ(recorded.transparentCopies.size(), 1u);
    EXPECT_EQ(recorded.transparentCopies[0].x, 1);
    EXPECT_EQ(recorded.transparentCopies[0].y, 2);
    // The 96 x 96 thumbnail is fitted inside the 71 x 77 cell, centred.
    ASSERT_EQ(recorded.copies.size(), 1u);
    EXPECT_EQ(recorded.copies[0].width, 71);
    EXPECT_EQ(recorded.copies[0].y, (77 - 71) / 2);
}

TEST_F(PaintingTest, TheProgressPanelIsFramedLightBlueWithItsLines)
{
    ProgressStyle progress;
    progress.normalFont = SystemFont(progress.scale);
    progress.boldFont = BoldFontOf(progress.normalFont);
    progress.busyIcons = CIconList(LoadBitmapResource(Bitmaps::Busy), 16);
    Dib panel = WhiteBitmap(200, 80);
    {
        QtPaintContext context(panel);
        DrawProgressPanel(context, { 0, 0, 200, 80 }, { "trips", "Getting Entry...    2/5", "" }, 2, { 10, 50 }, progress);
    }
    EXPECT_EQ(Pixel(panel, 0, 40), ToRgb565(Colors::White)) << "one pixel in";
    EXPECT_EQ(Pixel(panel, 1, 40), ToRgb565(Colors::Black));
    EXPECT_EQ(Pixel(panel, 2, 40), ToRgb565(Colors::Black));
    EXPECT_EQ(Pixel(panel, 3, 40), ToRgb565(Colors::ProgressBackground));
    EXPECT_EQ(Pixel(panel, 190, 70), ToRgb565(Colors::ProgressBackground));

    RecordingPaintContext context;
    DrawProgressPanel(context, { 0, 0, 200, 80 }, { "trips", "Getting Entry...    2/5", "" }, 2, { 10, 50 }, progress);
    ASSERT_EQ(context.texts.size(), 2u) << "empty lines are not drawn";
    EXPECT_TRUE(context.texts[0].bold);
    EXPECT_EQ(context.texts[0].y, 1 + 1 + 4);
    EXPECT_EQ(context.texts[1].y, 1 + 1 + 4 + 12);
    ASSERT_EQ(context.transparentCopies.size(), 1u);
    EXPECT_EQ(context.transparentCopies[0].sourceX, 2 * 16) << "frame 2 of the busy icon";
}
