#pragma once

#include "dialogs/CHandheldDialog.h"

class QRadioButton;
class WelcomeWorkflow;

// "Welcome to Vellumbrix": a new user creates an account, an existing one
// enters the login. "Next" closes with DialogResults::WelcomeNext and the
// choice in the workflow.
class CWelcomeDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CWelcomeDlg(WelcomeWorkflow& workflow, QWidget* parent = nullptr);

private:
    WelcomeWorkflow& m_workflow;
    QRadioButton* m_create;
    QRadioButton* m_login;
};
