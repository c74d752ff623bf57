#include "dialogs/CCategoryNameDlg.h"

#include "dialogs/DialogControls.h"
#include "dialogs/LimitedLineEdit.h"
#include "dialogs/QtText.h"

#include "workflows/CategoryNameWorkflow.h"

#include <QPushButton>

CCategoryNameDlg::CCategoryNameDlg(CategoryNameWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(CategoryNameWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    AddLabel(this, CategoryNameWorkflow::kPrompt, { 6, 8, 228, 14 });
    m_name = AddEdit(this, CategoryNameWorkflow::kNameLimit, { 6, 26, 228, 20 });
    m_name->setObjectName("nameField");
    m_name->SetText(ToQString(workflow.Opening()));
    m_name->selectAll();
    m_name->setFocus();

    auto buttons = AddButtonPair();
    connect(buttons.accept, &QPushButton::clicked, this, [this] {
        Finish(m_workflow.Ok(m_name->Text()), [this](int) { return m_name; });
    });
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
}
