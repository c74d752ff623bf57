#pragma once

#include "dialogs/CHandheldDialog.h"

class NewBlogFieldsPanel;
class NewBlogWorkflow;

// "Create Blog": a new blog's Blog URL, title and subtitle, made on the
// service by "Create Blog".
class CNewBlogDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CNewBlogDlg(NewBlogWorkflow& workflow, QWidget* parent = nullptr);

private:
    NewBlogWorkflow& m_workflow;
    NewBlogFieldsPanel* m_fields;
};
