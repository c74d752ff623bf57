#pragma once

#include "dialogs/CHandheldDialog.h"

#include <array>

class CreateAccountWorkflow;
class LimitedLineEdit;
class NewBlogFieldsPanel;

// "Create New Account": the account wizard's three pages (e-mail and
// password; first and last name; the first blog), one shown at a time at
// the top of the dialog, moved on by "Next".
class CCreateAccountDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CCreateAccountDlg(CreateAccountWorkflow& workflow, QWidget* parent = nullptr);

    // Shows the controls of a page (0 to 2) and hides the others.
    void ShowPage(int page);
    int ShownPage() const { return m_shownPage; }

private:
    void Next();
    QWidget* Field(int field) const;

    CreateAccountWorkflow& m_workflow;
    std::array<QWidget*, 3> m_pages {};
    int m_shownPage { 0 };
    LimitedLineEdit* m_email;
    LimitedLineEdit* m_password;
    LimitedLineEdit* m_firstName;
    LimitedLineEdit* m_lastName;
    NewBlogFieldsPanel* m_blog;
};
