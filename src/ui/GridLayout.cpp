#include "ui/GridLayout.h"

#include <algorithm>

void GridLayout::SetFixedCountLayout(const Rect& area, int rows, int columns, int marginX, int marginY, int spacingX, int spacingY)
{
    m_area = area;
    m_fixedCells = false;
    m_rows = std::max(rows, 1);
    m_columns = std::max(columns, 1);
    m_marginX = marginX;
    m_marginY = marginY;
    m_spacingX = spacingX;
    m_spacingY = spacingY;
    ComputeCells();
}

void GridLayout::SetFixedCellLayout(const Rect& area, int cellWidth, int cellHeight, int marginX, int marginY, int spacingX, int spacingY)
{
    m_area = area;
    m_fixedCells = true;
    m_requestedCellWidth = cellWidth;
    m_requestedCellHeight = cellHeight;
    m_marginX = marginX;
    m_marginY = marginY;
    m_spacingX = spacingX;
    m_spacingY = spacingY;
    ComputeCells();
}

void GridLayout::SetItemCount(int count)
{
    m_itemCount = std::max(count, 0);
    ComputeCells();
}

void GridLayout::SetScrollBarWidth(int width)
{
    m_scrollBarWidth = std::max(width, 0);
    ComputeCells();
}

void GridLayout::ComputeCells()
{
    int width = m_area.Width();
    int height = m_area.Height();
    if (m_fixedCells) {
        m_columns = m_requestedCellWidth < 0 ? 1 : (width - 2 * m_marginX) / std::max(m_requestedCellWidth + m_spacingX, 1);
        m_rows = m_requestedCellHeight < 0 ? 1 : (height - 2 * m_marginY) / std::max(m_requestedCellHeight + m_spacingY, 1);
        m_columns = std::max(m_columns, 1);
        m_rows = std::max(m_rows, 1);
    }
    // Room for the scroll bar when not every item fits on one page.
    int usableWidth = m_columns * m_rows < m_itemCount ? width - m_scrollBarWidth : width;
    m_cellWidth = (usableWidth - 2 * m_marginX - (m_columns - 1) * m_spacingX) / m_columns;
    m_cellHeight = (height - 2 * m_marginY - (m_rows - 1) * m_spacingY) / m_rows;
    SetFirstRow(m_firstRow);
}

int GridLayout::GetScrollRange() const
{
    int totalRows = (m_itemCount + m_columns - 1) / m_columns;
    return std::max(totalRows - m_rows, 0);
}

void GridLayout::SetFirstRow(int row)
{
    m_firstRow = std::clamp(row, 0, GetScrollRange());
}

Rect GridLayout::CellRect(int row, int column) const
{
    int x = m_area.left + m_marginX + column * (m_cellWidth + m_spacingX);
    int y = m_area.top + m_marginY + row * (m_cellHeight + m_spacingY);
    return { x, y, x + m_cellWidth, y + m_cellHeight };
}

int GridLayout::ItemAt(int row, int column) const
{
    int index = (m_firstRow + row) * m_columns + column;
    return index < m_itemCount ? index : -1;
}

int GridLayout::HitTest(int x, int y) const
{
    for (int row = 0; row < m_rows; ++row) {
        for (int column = 0; column < m_columns; ++column) {
            Rect cell = CellRect(row, column);
            if (x >= cell.left && x < cell.right && y >= cell.top && y < cell.bottom)
                return ItemAt(row, column);
        }
    }
    return -1;
}

bool GridLayout::IsVisible(int index) const
{
    if (index < 0 || index >= m_itemCount)
        return false;
    int row = index / m_columns;
    return row >= m_firstRow && row < m_firstRow + m_rows;
}

std::optional<Rect> GridLayout::ItemRect(int index) const
{
    if (!IsVisible(index))
        return std::nullopt;
    return CellRect(index / m_columns - m_firstRow, index % m_columns);
}

void GridLayout::ScrollIntoView(int index)
{
    if (index < 0 || index >= m_itemCount || IsVisible(index))
        return;
    int row = index / m_columns;
    SetFirstRow(row < m_firstRow ? row : row - m_rows + 1);
}

std::optional<int> GridLayout::MoveSelection(int selected, Move move)
{
    int target = selected;
    switch (move) {
    case Move::Left:
        target -= 1;
        break;
    case Move::Right:
        target += 1;
        break;
    case Move::Up:
        target -= m_columns;
        break;
    case Move::Down:
        target += m_columns;
        break;
    }
    if (target < 0 || target >= m_itemCount)
        return std::nullopt;
    if (!IsVisible(target)) {
        int row = target / m_columns;
        bool forward = move == Move::Down || move == Move::Right;
        SetFirstRow(forward ? row - m_rows + 1 : row);
    }
    return target;
}

void GridLayout::ScrollPage(bool down)
{
    SetFirstRow(m_firstRow + (down ? m_rows : -m_rows));
}

int GridLayout::FirstVisibleItem() const
{
    return ItemAt(0, 0);
}
