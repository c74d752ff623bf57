#pragma once

#include "dialogs/CHandheldDialog.h"

class ViewCommentWorkflow;

// "View Comment": one comment, its author and age above its text, to read
// in a field that fills the dialog. OK, or releasing F6, closes it.
class CViewCommentDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CViewCommentDlg(const ViewCommentWorkflow& workflow, QWidget* parent = nullptr);
};
