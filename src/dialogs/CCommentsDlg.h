#pragma once

#include "dialogs/CHandheldDialog.h"

#include <optional>

class CCommentsListBox;
class CommentsWorkflow;
class QPushButton;

// "Comments": the entry's comments in an owner-drawn list that grows with
// the dialog, with "Add...", "Delete...", "View..." (where the list shows
// texts alone) and "Done".
class CCommentsDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CCommentsDlg(CommentsWorkflow& workflow, QWidget* parent = nullptr);

private:
    void Fill(std::optional<size_t> selected);
    std::optional<size_t> Selected() const;

    CommentsWorkflow& m_workflow;
    CCommentsListBox* m_list;
};
