#include "dialogs/CGetViewPasswordDlg.h"

#include "dialogs/DialogControls.h"
#include "dialogs/DialogHeading.h"
#include "dialogs/LimitedLineEdit.h"
#include "dialogs/QtText.h"

#include "workflows/ViewPasswordWorkflow.h"

#include <QPushButton>

CGetViewPasswordDlg::CGetViewPasswordDlg(ViewPasswordWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(ViewPasswordWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    AddLabel(this, ViewPasswordWorkflow::kPrompt, { 6, 8, 228, 28 }, true);
    AddHeading(this, "", { 6, 38, 228, 18 }, false)->SetText(ToQString(workflow.BlogName()));
    m_password = AddEdit(this, ViewPasswordWorkflow::kPasswordLimit, { 6, 62, 228, 20 });
    m_password->setObjectName("passwordField");
    m_password->setEchoMode(QLineEdit::Password);
    auto buttons = AddButtonPair();
    connect(buttons.accept, &QPushButton::clicked, this, &CGetViewPasswordDlg::Ok);
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
    m_password->setFocus();
}

void CGetViewPasswordDlg::Ok()
{
    Finish(m_workflow.Ok(m_password->Text()), [this](int) { return m_password; });
}
