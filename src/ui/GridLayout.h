#pragma once

#include "imaging/Rect.h"

#include <optional>

// The arithmetic of the scrolling cell grid: where each cell lies, which
// item it shows, how far the grid scrolls, which cell a point hits and where
// the arrow keys move the selection. Sizes are in device pixels; all
// divisions are integer divisions.
class GridLayout {
public:
    // A fixed number of rows and columns; the cells follow from the area.
    void SetFixedCountLayout(const Rect& area, int rows, int columns, int marginX, int marginY, int spacingX, int spacingY);
    // A fixed cell size: the numbers of columns and rows follow from it
    // (at least 1 each; one row when the cell height is -1), then the cells
    // are widened to fill the area.
    void SetFixedCellLayout(const Rect& area, int cellWidth, int cellHeight, int marginX, int marginY, int spacingX, int spacingY);
    // Changes the count; the cells and the scroll range follow, and a first
    // row past the range is pulled back.
    void SetItemCount(int count);
    void SetScrollBarWidth(int width);

    int GetItemCount() const { return m_itemCount; }
    int GetColumns() const { return m_columns; }
    int GetRows() const { return m_rows; }
    int GetCellWidth() const { return m_cellWidth; }
    int GetCellHeight() const { return m_cellHeight; }
    const Rect& GetArea() const { return m_area; }
    int GetScrollBarWidth() const { return m_scrollBarWidth; }

    // The last first row: ceil(count / columns) - rows, at least 0. The
    // scroll bar is shown only when it is above 0.
    int GetScrollRange() const;
    bool NeedsScrollBar() const { return GetScrollRange() > 0; }
    int GetFirstRow() const { return m_firstRow; }
    // Clamped to 0 and the scroll range.
    void SetFirstRow(int row);

    // The cell at a visible row and column.
    Rect CellRect(int row, int column) const;
    // The item a visible cell shows, or -1 past the end.
    int ItemAt(int row, int column) const;
    // The index of the visible item whose cell contains the point, or -1.
    int HitTest(int x, int y) const;
    bool IsVisible(int index) const;
    // The cell of a visible item.
    std::optional<Rect> ItemRect(int index) const;

    // Scrolls so that the item is visible: when it lies below the page its
    // row becomes the last visible one, when above, the first.
    void ScrollIntoView(int index);

    enum class Move {
        Left,
        Right,
        Up,
        Down,
    };
    // The item an arrow key moves the selection to; none when the target
    // is outside the items. Brings the target into view: moving down or
    // right puts its row at the bottom of the page, up or left at the top.
    std::optional<int> MoveSelection(int selected, Move move);
    // One page (the visible rows) up or down.
    void ScrollPage(bool down);
    // The first visible item, or -1 when there is none.
    int FirstVisibleItem() const;

private:
    void ComputeCells();

    Rect m_area;
    int m_itemCount { 0 };
    bool m_fixedCells { false };
    int m_requestedCellWidth { -1 };
    int m_requestedCellHeight { -1 };
    int m_cellWidth { 0 };
    int m_cellHeight { 0 };
    int m_marginX { 0 };
    int m_marginY { 0 };
    int m_spacingX { 0 };
    int m_spacingY { 0 };
    int m_columns { 1 };
    int m_rows { 1 };
    int m_firstRow { 0 };
    int m_scrollBarWidth { 0 };
};
