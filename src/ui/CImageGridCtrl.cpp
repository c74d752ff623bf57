#include "ui/CImageGridCtrl.h"

#include "app/ScreenScale.h"
#include "ui/BitmapResources.h"
#include "ui/PaintContext.h"
#include "workflows/ImageSelectWorkflow.h"

#include <QKeyEvent>

namespace {

constexpr int kCellSize = 50;
constexpr int kGap = 5;
// The tick sits this many pixels in from the cell's top-left corner.
constexpr int kTickInset = 3;

}

CImageGridCtrl::CImageGridCtrl(ImageSelectWorkflow& workflow, QWidget* parent)
    : CGridCtrl(parent)
    , m_workflow(workflow)
    , m_tick(LoadBitmapResource(Bitmaps::Tick))
{
}

void CImageGridCtrl::ApplyLayout()
{
    const ScreenScale& scale = ScreenScale::Current();
    Rect area { 0, 0, width(), height() };
    SetFixedCellLayout(area, scale.ScaleX(kCellSize), scale.ScaleY(kCellSize), scale.ScaleX(kGap), scale.ScaleY(kGap), scale.ScaleX(kGap), scale.ScaleY(kGap));
}

void CImageGridCtrl::resizeEvent(QResizeEvent* event)
{
    CGridCtrl::resizeEvent(event);
    ApplyLayout();
}

void CImageGridCtrl::DrawItem(PaintContext& context, const Rect& cell, int index, bool selected)
{
    const CImageItem& item = m_workflow.GetItems()[static_cast<size_t>(index)];
    const PhotoCellCache::Picture& picture = m_cache.Get(static_cast<size_t>(index), item.path, cell.Width(), cell.Height());
    if (!picture.bitmap.IsNull()) {
        const Rect& at = picture.at;
        context.CopyBitmap(cell.left + at.left, cell.top + at.top, at.Width(), at.Height(), picture.bitmap, 0, 0);
    }
    if (m_workflow.IsTicked(static_cast<size_t>(index)) && !m_tick.IsNull())
        context.CopyBitmapTransparent(cell.left + kTickInset, cell.top + kTickInset, m_tick.Width(), m_tick.Height(), m_tick, 0, 0, Colors::Cyan);
    if (selected)
        DrawSelectionFrame(context, cell);
}

bool CImageGridCtrl::ItemTapped(int index)
{
    m_workflow.Toggle(static_cast<size_t>(index));
    emit tickChanged(index);
    return true;
}

void CImageGridCtrl::keyPressEvent(QKeyEvent* event)
{
    // Enter ticks or unticks the cursor's photo rather than opening it.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && GetSelection() >= 0) {
        ItemTapped(static_cast<int>(GetSelection()));
        RedrawItem(GetSelection());
        return;
    }
    CGridCtrl::keyPressEvent(event);
}
