#pragma once

#include "dialogs/CHandheldDialog.h"

class AddCommentWorkflow;
class LimitedTextEdit;

// "Add Comment": one field for the comment, its text selected and
// focused. "Add", or releasing F6, closes with OK and the text.
class CAddCommentDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CAddCommentDlg(AddCommentWorkflow& workflow, QWidget* parent = nullptr);

    void accept() override;

private:
    AddCommentWorkflow& m_workflow;
    LimitedTextEdit* m_text;
};
