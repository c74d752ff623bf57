#include "ui/CGridCtrl.h"

#include "app/ScreenScale.h"
#include "ui/CMyScrollBar.h"
#include "ui/EntryCellPainter.h"
#include "ui/QtPaintContext.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

// The handheld's vertical scroll bar width at 96 dpi.
static constexpr int kScrollBarWidth = 13;

CGridCtrl::CGridCtrl(QWidget* parent)
    : QWidget(parent)
    , m_scrollBar(new CMyScrollBar(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_layout.SetScrollBarWidth(ScreenScale::Current().ScaleX(kScrollBarWidth));
    m_scrollBar->hide();
    connect(m_scrollBar, &QScrollBar::valueChanged, this, [this](int row) {
        if (row != m_layout.GetFirstRow())
            SetFirstRow(row);
    });
    m_holdTimer.setSingleShot(true);
    m_holdTimer.setInterval(kTapAndHoldMilliseconds);
    connect(&m_holdTimer, &QTimer::timeout, this, &CGridCtrl::HoldTimedOut);
}

CGridCtrl::~CGridCtrl() = default;

void CGridCtrl::SetFixedCountLayout(const Rect& area, int rows, int columns, int marginX, int marginY, int spacingX, int spacingY)
{
    m_layout.SetFixedCountLayout(area, rows, columns, marginX, marginY, spacingX, spacingY);
    UpdateScrollBar();
    update();
}

void CGridCtrl::SetFixedCellLayout(const Rect& area, int cellWidth, int cellHeight, int marginX, int marginY, int spacingX, int spacingY)
{
    m_layout.SetFixedCellLayout(area, cellWidth, cellHeight, marginX, marginY, spacingX, spacingY);
    UpdateScrollBar();
    update();
}

void CGridCtrl::SetItemCount(int count)
{
    m_layout.SetItemCount(count);
    if (m_selection >= count)
        m_selection = -1;
    UpdateScrollBar();
    update();
}

void CGridCtrl::UpdateScrollBar()
{
    const Rect& area = m_layout.GetArea();
    int width = m_layout.GetScrollBarWidth();
    m_scrollBar->setGeometry(area.right - width, area.top, width, area.Height());
    m_scrollBar->SetRows(m_layout.GetScrollRange(), m_layout.GetRows());
    m_scrollBar->setValue(m_layout.GetFirstRow());
    m_scrollBar->setVisible(m_layout.NeedsScrollBar());
}

void CGridCtrl::SetFirstRow(int row)
{
    m_layout.SetFirstRow(row);
    m_scrollBar->setValue(m_layout.GetFirstRow());
    update();
}

void CGridCtrl::Select(long index, bool scrollIntoView)
{
    if (index < 0 || index >= m_layout.GetItemCount()) {
        ClearSelection();
        return;
    }
    long old = m_selection;
    m_selection = index;
    if (scrollIntoView && !m_layout.IsVisible(static_cast<int>(index))) {
        m_layout.ScrollIntoView(static_cast<int>(index));
        m_scrollBar->setValue(m_layout.GetFirstRow());
        update();
        return;
    }
    RedrawItem(old);
    RedrawItem(index);
}

void CGridCtrl::ClearSelection()
{
    long old = m_selection;
    m_selection = -1;
    RedrawItem(old);
}

void CGridCtrl::RedrawItem(long index)
{
    if (auto cell = m_layout.ItemRect(static_cast<int>(index)))
        update(QRect(cell->left, cell->top, cell->Width(), cell->Height()));
}

bool CGridCtrl::ItemTapped(int)
{
    return false;
}

void CGridCtrl::OnItemActivated(int)
{
}

void CGridCtrl::DrawSelectionFrame(PaintContext& context, const Rect& cell)
{
    ::DrawSelectionFrame(context, cell, m_selectionColor, ScreenScale::Current());
}

void CGridCtrl::OnStylusDown(QPoint, int)
{
    m_held = false;
    m_holdTimer.start();
}

void CGridCtrl::OnTapAndHold(QPoint, int)
{
}

void CGridCtrl::PaintOutsideGrid(QPainter&)
{
}

void CGridCtrl::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    PaintOutsideGrid(painter);
    const Rect& area = m_layout.GetArea();
    int gridWidth = area.Width() - (m_layout.NeedsScrollBar() ? m_layout.GetScrollBarWidth() : 0);
    painter.fillRect(QRect(area.left, area.top, gridWidth, area.Height()), Qt::white);

    int cellWidth = m_layout.GetCellWidth();
    int cellHeight = m_layout.GetCellHeight();
    if (cellWidth <= 0 || cellHeight <= 0)
        return;
    // One off-screen bitmap of one cell's size for the whole paint.
    auto bitmap = CreateDibForOverwrite(cellWidth, cellHeight, 16);
    if (bitmap.IsError())
        return;
    Dib& cellBitmap = *bitmap;
    QImage cellImage = ImageOf(cellBitmap);
    Rect local { 0, 0, cellWidth, cellHeight };
    for (int row = 0; row < m_layout.GetRows(); ++row) {
        for (int column = 0; column < m_layout.GetColumns(); ++column) {
            Rect cell = m_layout.CellRect(row, column);
            QRect target(cell.left, cell.top, cellWidth, cellHeight);
            if (!event->region().intersects(target))
                continue;
            {
                QtPaintContext context(cellBitmap);
                context.FillRect(local, Colors::White);
                int index = m_layout.ItemAt(row, column);
                if (index >= 0)
                    DrawItem(context, local, index, index == m_selection);
            }
            painter.drawImage(target.topLeft(), cellImage);
        }
    }
}

void CGridCtrl::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    QPoint point = event->position().toPoint();
    int index = HitTest(point);
    m_stylusPoint = point;
    m_stylusIndex = index;
    m_stylusDown = true;
    m_held = false;
    if (index < 0) {
        ClearSelection();
        m_stylusDown = false;
        return;
    }
    bool redraw = ItemTapped(index);
    if (index != m_selection)
        Select(index, false);
    else if (redraw)
        RedrawItem(index);
    if (event->button() == Qt::RightButton) {
        // The desktop's way of holding the stylus down.
        m_held = true;
        OnTapAndHold(point, index);
        return;
    }
    OnStylusDown(point, index);
}

void CGridCtrl::mouseMoveEvent(QMouseEvent* event)
{
    if (m_stylusDown && (event->position().toPoint() - m_stylusPoint).manhattanLength() > kHoldSlop)
        m_holdTimer.stop();
}

void CGridCtrl::HoldTimedOut()
{
    if (!m_stylusDown || m_stylusIndex < 0)
        return;
    m_held = true;
    OnTapAndHold(m_stylusPoint, m_stylusIndex);
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    m_holdTimer.stop();
    bool wasDown = m_stylusDown;
    m_stylusDown = false;
    if (!wasDown || m_held)
        return;
    int index = HitTest(event->position().toPoint());
    if (index < 0)
        return;
    Select(index, false);
    OnItemActivated(index);
}

void CGridCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double tap comes only as this event: it is a
    // stylus down like the first (which calls ItemTapped once, not twice).
    mousePressEvent(event);
}

void CGridCtrl::wheelEvent(QWheelEvent* event)
{
    int rows = event->angleDelta().y() / 120;
    if (rows != 0)
        SetFirstRow(m_layout.GetFirstRow() - rows);
}

std::optional<ViewKey> CGridCtrl::ToViewKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left:
        return ViewKey::Left;
    case Qt::Key_Right:
        return ViewKey::Right;
    case Qt::Key_Up:
        return ViewKey::Up;
    case Qt::Key_Down:
        return ViewKey::Down;
    case Qt::Key_PageUp:
        return ViewKey::PageUp;
    case Qt::Key_PageDown:
        return ViewKey::PageDown;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ViewKey::Enter;
    case Qt::Key_Escape:
        return ViewKey::Escape;
    default:
        return std::nullopt;
    }
}

bool CGridCtrl::HandleGridKey(ViewKey key)
{
    if (m_selection >= 0 && key != ViewKey::PageUp && key != ViewKey::PageDown) {
        std::optional<GridLayout::Move> move;
        switch (key) {
        case ViewKey::Left:
            move = GridLayout::Move::Left;
            break;
        case ViewKey::Right:
            move = GridLayout::Move::Right;
            break;
        case ViewKey::Up:
            move = GridLayout::Move::Up;
            break;
        case ViewKey::Down:
            move = GridLayout::Move::Down;
            break;
        case ViewKey::Enter:
            OnItemActivated(static_cast<int>(m_selection));
            return true;
        default:
            return false;
        }
        int firstRow = m_layout.GetFirstRow();
        auto target = m_layout.MoveSelection(static_cast<int>(m_selection), *move);
        if (!target)
            return true;
        long old = m_selection;
        m_selection = *target;
        if (m_layout.GetFirstRow() != firstRow) {
            m_scrollBar->setValue(m_layout.GetFirstRow());
            update();
        } else {
            RedrawItem(old);
            RedrawItem(m_selection);
        }
        return true;
    }
    switch (key) {
    case ViewKey::Down:
    case ViewKey::PageDown:
        SetFirstRow(m_layout.GetFirstRow() + m_layout.GetRows());
        return true;
    case ViewKey::Up:
    case ViewKey::PageUp:
        SetFirstRow(m_layout.GetFirstRow() - m_layout.GetRows());
        return true;
    case ViewKey::Enter:
        Select(m_layout.FirstVisibleItem(), false);
        return true;
    default:
        return false;
    }
}

void CGridCtrl::keyPressEvent(QKeyEvent* event)
{
    auto key = ToViewKey(event->key());
    if (key && HandleGridKey(*key))
        return;
    QWidget::keyPressEvent(event);
}
