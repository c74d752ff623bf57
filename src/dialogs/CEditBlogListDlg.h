#pragma once

#include "dialogs/CHandheldDialog.h"

#include <optional>

class EditBlogListWorkflow;
class QListWidget;
class QPushButton;

// "Edit Blogs": the user's blogs, to unsubscribe or to open their
// preferences. The list grows with the dialog.
class CEditBlogListDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CEditBlogListDlg(EditBlogListWorkflow& workflow, QWidget* parent = nullptr);

private:
    void FillList(std::optional<size_t> selection);
    std::optional<size_t> Selection() const;
    void UpdateButtons();

    EditBlogListWorkflow& m_workflow;
    QListWidget* m_list;
    QPushButton* m_unsubscribe;
    QPushButton* m_blogPrefs;
};
