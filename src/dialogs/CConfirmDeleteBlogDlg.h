#pragma once

#include "dialogs/CHandheldDialog.h"

class ConfirmDeleteBlogWorkflow;
class QCheckBox;

// "Confirm Delete": whether a blog goes from the device ("Yes", OK) and
// whether its photos go with it.
class CConfirmDeleteBlogDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CConfirmDeleteBlogDlg(ConfirmDeleteBlogWorkflow& workflow, QWidget* parent = nullptr);

private:
    ConfirmDeleteBlogWorkflow& m_workflow;
    QCheckBox* m_deletePhotos;
};
