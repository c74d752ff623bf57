#pragma once

#include "dialogs/CHandheldDialog.h"

class PurgePhotosWorkflow;

// "Delete Photos": asks whether the photos of the shown entries go; "Yes"
// deletes them (the entries keep their thumbnails), "No" cancels.
class CPurgePhotosDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CPurgePhotosDlg(PurgePhotosWorkflow& workflow, QWidget* parent = nullptr);
};
