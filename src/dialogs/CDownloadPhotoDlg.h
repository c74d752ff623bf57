#pragma once

#include "dialogs/CHandheldDialog.h"

class DownloadPhotoWorkflow;
class QComboBox;
class QPushButton;

// "Download Photo": the size at which to fetch an entry's photo, "Now"
// (closing with OK) or at the "Next Sync" (DialogResults::DownloadNextSync). The
// opener then asks the workflow what to do. "Now" is enabled only when the
// workflow offers it (the opener can download the photo at once).
class CDownloadPhotoDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CDownloadPhotoDlg(DownloadPhotoWorkflow& workflow, QWidget* parent = nullptr);

private:
    DownloadPhotoWorkflow& m_workflow;
    QComboBox* m_size;
};
