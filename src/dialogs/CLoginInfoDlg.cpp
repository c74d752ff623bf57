#include "dialogs/CLoginInfoDlg.h"

#include "dialogs/AccountControls.h"
#include "dialogs/DialogControls.h"
#include "dialogs/LimitedLineEdit.h"

#include "workflows/AccountFields.h"
#include "workflows/LoginInfoWorkflow.h"

#include <QPushButton>

CLoginInfoDlg::CLoginInfoDlg(LoginInfoWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(LoginInfoWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    AddLabel(this, LoginInfoWorkflow::kPrompt, { 6, 6, 228, 28 }, true);
    m_email = AddLabelledEdit(this, "E-Mail:", AccountFields::kEmailLimit, 40);
    m_email->setObjectName("emailField");
    m_password = AddLabelledEdit(this, "Password:", AccountFields::kPasswordLimit, 66, true);
    m_password->setObjectName("passwordField");
    m_email->setFocus();

    auto buttons = AddButtonPair("Next", "Cancel");
    connect(buttons.accept, &QPushButton::clicked, this, [this] {
        Finish(m_workflow.Next(m_email->Text(), m_password->Text()),
            [this](int field) -> QWidget* { return field == LoginInfoWorkflow::kPasswordField ? m_password : m_email; });
    });
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
}
