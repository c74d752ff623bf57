#pragma once

#include "imaging/Dib.h"
#include "ui/ColorRef.h"
#include "ui/GridLayout.h"
#include "workflows/ViewKey.h"

#include <QTimer>
#include <QWidget>
#include <optional>

class CMyScrollBar;
class PaintContext;

// A scrolling grid of cells, each drawn by DrawItem through a one-cell
// off-screen bitmap, so that the screen never shows a half-drawn cell. A
// tap selects a cell and, when the stylus comes up on one, activates it;
// holding the stylus down (or the right mouse button) asks for the cell's
// context menu. Arrow keys move the selection, and without one scroll.
class CGridCtrl : public QWidget {
    Q_OBJECT

public:
    // How long the stylus must stay down for a tap-and-hold.
    static constexpr int kTapAndHoldMilliseconds = 600;
    // A stylus that moves further than this is no longer held.
    static constexpr int kHoldSlop = 6;

    explicit CGridCtrl(QWidget* parent = nullptr);
    ~CGridCtrl() override;

    void SetFixedCountLayout(const Rect& area, int rows, int columns, int marginX, int marginY, int spacingX, int spacingY);
    void SetFixedCellLayout(const Rect& area, int cellWidth, int cellHeight, int marginX, int marginY, int spacingX, int spacingY);
    void SetItemCount(int count);
    int GetItemCount() const { return m_layout.GetItemCount(); }
    const GridLayout& GetLayout() const { return m_layout; }

    long GetSelection() const { return m_selection; }
    void Select(long index, bool scrollIntoView);
    void ClearSelection();
    int GetFirstRow() const { return m_layout.GetFirstRow(); }
    void SetFirstRow(int row);
    int HitTest(QPoint point) const { return m_layout.HitTest(point.x(), point.y()); }

    void SetSelectionColor(ColorRef color) { m_selectionColor = color; }
    ColorRef GetSelectionColor() const { return m_selectionColor; }
    // Redraws everything.
    void Refresh() { update(); }
    void ShowGrid(bool show) { setVisible(show); }

    // The keys of the grid: false when the key means nothing to it.
    bool HandleGridKey(ViewKey key);

protected:
    // Draws one item into a cell of the off-screen bitmap, which is white.
    virtual void DrawItem(PaintContext& context, const Rect& cell, int index, bool selected) = 0;
    // A stylus down (or a double tap) on an item; true when its cell must be
    // drawn again.
    virtual bool ItemTapped(int index);
    virtual void OnItemActivated(int index);
    virtual void DrawSelectionFrame(PaintContext& context, const Rect& cell);
    // The stylus went down on an item: starts the tap-and-hold check.
    virtual void OnStylusDown(QPoint point, int index);
    // The stylus was held on an item: its context menu.
    virtual void OnTapAndHold(QPoint point, int index);
    // Drawn before the cells, for what lies outside the grid area.
    virtual void PaintOutsideGrid(QPainter& painter);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // The key a Qt key stands for.
    static std::optional<ViewKey> ToViewKey(int qtKey);
    void RedrawItem(long index);

private:
    void UpdateScrollBar();
    void HoldTimedOut();

    GridLayout m_layout;
    CMyScrollBar* m_scrollBar { nullptr };
    long m_selection { -1 };
    ColorRef m_selectionColor { Colors::Highlight };
    QTimer m_holdTimer;
    QPoint m_stylusPoint;
    int m_stylusIndex { -1 };
    bool m_stylusDown { false };
    bool m_held { false };
};
