#pragma once

#include "dialogs/CHandheldDialog.h"

class LimitedLineEdit;
class ViewPasswordWorkflow;

// "Password Required": the prompt for a blog's view password. After OK the
// workflow holds the password.
class CGetViewPasswordDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CGetViewPasswordDlg(ViewPasswordWorkflow& workflow, QWidget* parent = nullptr);

private:
    void Ok();

    ViewPasswordWorkflow& m_workflow;
    LimitedLineEdit* m_password;
};
