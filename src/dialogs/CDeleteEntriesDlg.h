#pragma once

#include "dialogs/CHandheldDialog.h"

class DeleteEntriesWorkflow;
class QCheckBox;
class QLabel;

// "Delete Entries": the question with the web and photo choices; "Yes"
// closes with OK, "No" with Cancel. The workflow then holds the choices.
class CDeleteEntriesDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CDeleteEntriesDlg(DeleteEntriesWorkflow& workflow, QWidget* parent = nullptr);

private:
    DeleteEntriesWorkflow& m_workflow;
    QCheckBox* m_onWeb;
    QCheckBox* m_deletePhotos;
};
