#include "ui/GridLayout.h"

#include <gtest/gtest.h>

// The blog grid of a 240 x 320 screen at 96 dpi: the view is 240 x 268
// between the bars, less the 18-pixel header; 75-pixel cells, margins 3 and
// 5, spacing 3 and 4, a 13-pixel scroll bar.
static GridLayout BlogGrid(int count, int width = 240, int height = 268, int cell = 75)
{
    GridLayout grid;
    grid.SetScrollBarWidth(13);
    grid.SetFixedCellLayout({ 0, 18, width, height }, cell, cell, 3, 5, 3, 4);
    grid.SetItemCount(count);
    return grid;
}

TEST(GridLayout, CellsFollowFromTheCellSizeAndWidenToFillTheArea)
{
    GridLayout grid = BlogGrid(9);
    EXPECT_EQ(grid.GetColumns(), 3);
    EXPECT_EQ(grid.GetRows(), 3);
    EXPECT_EQ(grid.GetCellWidth(), (240 - 6 - 6) / 3);
    EXPECT_EQ(grid.GetCellHeight(), (250 - 10 - 8) / 3);
    EXPECT_FALSE(grid.NeedsScrollBar());
    // One more item than fits: room is made for the scroll bar.
    grid.SetItemCount(10);
    EXPECT_TRUE(grid.NeedsScrollBar());
    EXPECT_EQ(grid.GetCellWidth(), (240 - 13 - 6 - 6) / 3);
}

TEST(GridLayout, AtTwiceTheDensityTheCellsStayAtTheThumbnailSize)
{
    // 480 x 640 at 192 dpi asks 96 x 96 cells, not 150 x 150.
    GridLayout grid;
    grid.SetFixedCellLayout({ 0, 36, 480, 536 }, 96, 96, 6, 10, 6, 8);
    EXPECT_EQ(grid.GetColumns(), (480 - 12) / 102);
    EXPECT_EQ(grid.GetRows(), (500 - 20) / 104);
}

TEST(GridLayout, TheHomeListHasAFixedNumberOfRows)
{
    GridLayout grid;
    grid.SetScrollBarWidth(13);
    grid.SetFixedCountLayout({ 0, 0, 240, 268 }, 4, 1, 3, 5, 3, 4);
    grid.SetItemCount(2);
    EXPECT_EQ(grid.GetCellWidth(), 240 - 6);
    EXPECT_EQ(grid.GetCellHeight(), (268 - 10 - 12) / 4);
    EXPECT_EQ(grid.CellRect(1, 0), (Rect { 3, 5 + 61 + 4, 237, 5 + 61 + 4 + 61 }));
}

TEST(GridLayout, TheScrollRangeIsTheRowsThatDoNotFit)
{
    GridLayout grid;
    grid.SetFixedCountLayout({ 0, 0, 300, 200 }, 2, 3, 0, 0, 0, 0);
    grid.SetItemCount(8);
    EXPECT_EQ(grid.GetScrollRange(), 1) << "ceil(8 / 3) - 2";
    grid.SetItemCount(6);
    EXPECT_EQ(grid.GetScrollRange(), 0);
    grid.SetItemCount(100);
    grid.SetFirstRow(50);
    EXPECT_EQ(grid.GetFirstRow(), 32);
    grid.SetItemCount(9);
    EXPECT_EQ(grid.GetFirstRow(), 1) << "pulled back into the smaller range";
    grid.SetFirstRow(-3);
    EXPECT_EQ(grid.GetFirstRow(), 0);
}

TEST(GridLayout, HitTestsFindTheVisibleItemUnderAPoint)
{
    GridLayout grid = BlogGrid(20);
    Rect first = grid.CellRect(0, 0);
    EXPECT_EQ(grid.HitTest(first.left, first.top), 0);
    EXPECT_EQ(grid.HitTest(first.right, first.top), -1) << "the spacing between cells";
    EXPECT_EQ(grid.HitTest(1, 30), -1) << "the margin";
    grid.SetFirstRow(2);
    Rect cell = grid.CellRect(1, 2);
    EXPECT_EQ(grid.HitTest(cell.left + 5, cell.top + 5), (2 + 1) * 3 + 2);
    grid.SetFirstRow(grid.GetScrollRange());
    Rect last = grid.CellRect(2, 2);
    EXPECT_EQ(grid.HitTest(last.left, last.top), -1) << "past the last item";
}

TEST(GridLayout, ArrowsMoveTheSelectionAndBringItIntoView)
{
    GridLayout grid = BlogGrid(20);
    EXPECT_EQ(grid.MoveSelection(19, GridLayout::Move::Right), std::nullopt) << "Right on the last item does nothing";
    EXPECT_EQ(grid.MoveSelection(0, GridLayout::Move::Left), std::nullopt);
    EXPECT_EQ(grid.MoveSelection(1, GridLayout::Move::Up), std::nullopt);
    EXPECT_EQ(grid.MoveSelection(7, GridLayout::Move::Right), 8);
    EXPECT_EQ(grid.GetFirstRow(), 0);
    // Down from the last visible row: the target's row becomes the bottom.
    EXPECT_EQ(grid.MoveSelection(7, GridLayout::Move::Down), 10);
    EXPECT_EQ(grid.GetFirstRow(), 1);
    EXPECT_EQ(grid.MoveSelection(17, GridLayout::Move::Down), std::nullopt) << "no item below";
    grid.SetFirstRow(4);
    // Up above the page: the target's row becomes the top.
    EXPECT_EQ(grid.MoveSelection(13, GridLayout::Move::Up), 10);
    EXPECT_EQ(grid.GetFirstRow(), 3);
    EXPECT_EQ(grid.MoveSelection(9, GridLayout::Move::Left), 8);
    EXPECT_EQ(grid.GetFirstRow(), 2);
}

TEST(GridLayout, PagesScrollByTheVisibleRows)
{
    GridLayout grid = BlogGrid(20);
    grid.ScrollPage(true);
    EXPECT_EQ(grid.GetFirstRow(), 3);
    EXPECT_EQ(grid.FirstVisibleItem(), 9);
    grid.ScrollPage(true);
    EXPECT_EQ(grid.GetFirstRow(), 4) << "the last page";
    grid.ScrollPage(false);
    grid.ScrollPage(false);
    EXPECT_EQ(grid.GetFirstRow(), 0);
    EXPECT_EQ(BlogGrid(0).FirstVisibleItem(), -1);
}
