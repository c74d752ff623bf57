#include "dialogs/CAccountInfoDlg.h"

#include "dialogs/AccountControls.h"
#include "dialogs/DialogControls.h"
#include "dialogs/LimitedLineEdit.h"
#include "dialogs/QtText.h"

#include "workflows/AccountFields.h"
#include "workflows/AccountInfoWorkflow.h"

#include <QLabel>
#include <QPushButton>

CAccountInfoDlg::CAccountInfoDlg(AccountInfoWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(AccountInfoWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    AddLabel(this, AccountInfoWorkflow::kPrompt, { 6, 6, 228, 28 }, true);
    m_email = AddLabelledEdit(this, "E-Mail:", AccountFields::kEmailLimit, 40);
    m_email->setObjectName("emailField");
    m_email->SetText(ToQString(workflow.OpeningEmail()));
    m_password = AddLabelledEdit(this, "Password:", AccountFields::kPasswordLimit, 66, true);
    m_password->setObjectName("passwordField");
    m_password->SetText(ToQString(workflow.PasswordPlaceholder()));

    AccountInfoWorkflow::AccountLines lines = workflow.GetAccountLines();
    QLabel* account = AddLabel(this, AccountInfoWorkflow::kAccountLabel, { 6, 100, 62, 14 });
    QLabel* kind = AddLabel(this, lines.kind, { 68, 100, 166, 14 });
    kind->setObjectName("accountKind");
    QLabel* limit = AddLabel(this, lines.limit, { 68, 118, 166, 14 });
    limit->setObjectName("photoLimit");
    for (QLabel* label : { account, kind, limit })
        label->setVisible(lines.shown);

    auto buttons = AddButtonPair();
    connect(buttons.accept, &QPushButton::clicked, this, [this] {
        Finish(m_workflow.Ok(m_email->Text(), m_password->Text()),
            [this](int field) -> QWidget* { return field == AccountInfoWorkflow::kPasswordField ? m_password : m_email; });
    });
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
}
