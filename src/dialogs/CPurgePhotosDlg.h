#pragma once

#include "dialogs/CHandheldDialog.h"

class PurgePhotosWorkflow;

// "Delete Photos": asks whether the photos of the shown entries go; "Yes"
// closes with OK, "No" cancels.
class CPurgePhotosDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CPurgePhotosDlg(PurgePhotosWorkflow& workflow, QWidget* parent = nullptr);
};
