#pragma once

#include "dialogs/CHandheldDialog.h"

class BrowseBlogsWorkflow;
class QListWidget;

// "Recommended Blogs": the service's recommended blogs by name; "Subscribe"
// hands the selected one's Blog URL to the subscribe dialog.
class CBrowseBlogsDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CBrowseBlogsDlg(BrowseBlogsWorkflow& workflow, QWidget* parent = nullptr);

private:
    BrowseBlogsWorkflow& m_workflow;
    QListWidget* m_list;
};
