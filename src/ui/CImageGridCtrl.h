#pragma once

#include "ui/CGridCtrl.h"
#include "ui/PhotoCellCache.h"

class ImageSelectWorkflow;

// The photo picker's grid: one cell per photo found, drawn from the photo
// file itself (decoded at the smallest scale, or from its EXIF thumbnail,
// when the cell is first drawn), with a tick on the ticked ones. The grid's
// selection is the cursor; a tap on a cell moves the cursor there and
// ticks or unticks the photo, and so does Enter on the cursor's photo.
class CImageGridCtrl : public CGridCtrl {
    Q_OBJECT

public:
    // The pictures kept for cells drawn again: some pages' worth.
    static constexpr size_t kCachedPictures = 600;

    CImageGridCtrl(ImageSelectWorkflow& workflow, QWidget* parent = nullptr);

    // The picker's cells: 50 x 50 scaled pixels, margins and spacing 5,
    // over the whole control.
    void ApplyLayout();
    const PhotoCellCache& GetCache() const { return m_cache; }

signals:
    // A photo was ticked or unticked.
    void tickChanged(int index);

protected:
    void DrawItem(PaintContext& context, const Rect& cell, int index, bool selected) override;
    bool ItemTapped(int index) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ImageSelectWorkflow& m_workflow;
    PhotoCellCache m_cache { kCachedPictures };
    Dib m_tick;
};
