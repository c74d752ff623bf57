#pragma once

#include "dialogs/CHandheldDialog.h"

class CImageGridCtrl;
class ImageSelectWorkflow;

// The photo picker ("Add Photos..."): opening it searches the device's
// photos under a progress window; the grid shows what was found, newest
// first, and each tap ticks or unticks a photo. OK closes with the ticked
// photos in the workflow, in ticking order.
class CImageSelectDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CImageSelectDlg(ImageSelectWorkflow& workflow, QWidget* parent = nullptr);

    CImageGridCtrl& GetGrid() const { return *m_grid; }

private:
    CImageGridCtrl* m_grid;
};
