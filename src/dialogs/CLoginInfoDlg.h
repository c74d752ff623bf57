#pragma once

#include "dialogs/CHandheldDialog.h"

class LimitedLineEdit;
class LoginInfoWorkflow;

// "Enter Login Info": an existing account's e-mail and password, taken into
// the user record by "Next".
class CLoginInfoDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CLoginInfoDlg(LoginInfoWorkflow& workflow, QWidget* parent = nullptr);

private:
    LoginInfoWorkflow& m_workflow;
    LimitedLineEdit* m_email;
    LimitedLineEdit* m_password;
};
