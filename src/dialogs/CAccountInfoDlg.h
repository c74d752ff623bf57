#pragma once

#include "dialogs/CHandheldDialog.h"

class AccountInfoWorkflow;
class LimitedLineEdit;

// "Account Info": the account's e-mail and password (never shown: one "*"
// per character) and, for a pro or limited account, its kind and photo
// limit.
class CAccountInfoDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CAccountInfoDlg(AccountInfoWorkflow& workflow, QWidget* parent = nullptr);

private:
    AccountInfoWorkflow& m_workflow;
    LimitedLineEdit* m_email;
    LimitedLineEdit* m_password;
};
