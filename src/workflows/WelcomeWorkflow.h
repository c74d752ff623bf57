#pragma once

// CWelcomeDlg: a user without login information chooses between creating an
// account and entering the login information of an existing one. "Next"
// closes it with DialogResults::WelcomeNext.
class WelcomeWorkflow {
public:
    enum Choice {
        CreateNewAccount = 0,
        EnterLoginInfo = 1,
    };

    Choice GetChoice() const { return m_choice; }
    void SetChoice(Choice choice) { m_choice = choice; }

private:
    Choice m_choice { CreateNewAccount };
};
