#include "dialogs/CCreateAccountDlg.h"

#include "dialogs/AccountControls.h"
#include "dialogs/DialogControls.h"
#include "dialogs/LimitedLineEdit.h"
#include "dialogs/QtText.h"

#include "workflows/AccountFields.h"
#include "workflows/CreateAccountWorkflow.h"

#include <QPushButton>

static const QRect kPageArea { 0, 0, 240, 140 };

CCreateAccountDlg::CCreateAccountDlg(CreateAccountWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(CreateAccountWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    QWidget* account = Place(new QWidget(this), kPageArea);
    AddLabel(account, CreateAccountWorkflow::kAccountPrompt, { 6, 6, 228, 42 }, true);
    m_email = AddLabelledEdit(account, "E-Mail:", AccountFields::kEmailLimit, 52);
    m_email->setObjectName("emailField");
    m_password = AddLabelledEdit(account, "Password:", AccountFields::kPasswordLimit, 78, true);
    m_password->setObjectName("passwordField");

    QWidget* names = Place(new QWidget(this), kPageArea);
    AddLabel(names, CreateAccountWorkflow::kNamePrompt, { 6, 6, 228, 28 }, true);
    m_firstName = AddLabelledEdit(names, "First:", AccountFields::kNameLimit, 40);
    m_firstName->setObjectName("firstNameField");
    m_lastName = AddLabelledEdit(names, "Last:", AccountFields::kNameLimit, 66);
    m_lastName->setObjectName("lastNameField");

    m_blog = Place(new NewBlogFieldsPanel(this), kPageArea);
    m_pages = { account, names, m_blog };

    auto buttons = AddButtonPair("Next", "Cancel");
    connect(buttons.accept, &QPushButton::clicked, this, &CCreateAccountDlg::Next);
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
    ShowPage(workflow.GetPage());
    m_email->setFocus();
}

void CCreateAccountDlg::ShowPage(int page)
{
    m_shownPage = page;
    for (size_t i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setVisible(static_cast<int>(i) == page);
}

void CCreateAccountDlg::Next()
{
    CreateAccountWorkflow::Fields fields { m_email->Text(), m_password->Text(), m_firstName->Text(), m_lastName->Text(), m_blog->Read() };
    CreateAccountWorkflow::Page before = m_workflow.GetPage();
    DialogOutcome outcome = m_workflow.Next(fields);
    if (!outcome.closes && m_workflow.GetPage() != before) {
        // The title and subtitle are filled in on the way to the last page.
        if (m_workflow.GetPage() == CreateAccountWorkflow::kBlogPage)
            m_blog->Show(m_workflow.GetFields().blog);
        ShowPage(m_workflow.GetPage());
    }
    Finish(outcome, [this](int field) { return Field(field); });
}

QWidget* CCreateAccountDlg::Field(int field) const
{
    switch (field) {
    case CreateAccountWorkflow::kEmailField:
        return m_email;
    case CreateAccountWorkflow::kPasswordField:
        return m_password;
    case CreateAccountWorkflow::kFirstNameField:
        return m_firstName;
    case CreateAccountWorkflow::kLastNameField:
        return m_lastName;
    default:
        return m_blog->Field(field - CreateAccountWorkflow::kUrlField);
    }
}
