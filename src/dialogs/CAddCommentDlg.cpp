#include "dialogs/CAddCommentDlg.h"

#include "dialogs/DialogControls.h"
#include "dialogs/LimitedTextEdit.h"
#include "dialogs/ReadingField.h"

#include "platform/CodePage.h"
#include "workflows/AddCommentWorkflow.h"

#include <QPushButton>
#include <limits>

CAddCommentDlg::CAddCommentDlg(AddCommentWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(AddCommentWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    m_text = AddMultiLineEdit(this, std::numeric_limits<size_t>::max(), { 6, 6, 228, 228 });
    m_text->setObjectName("commentField");
    m_text->SetText(Utf8ToUtf16(workflow.GetText()));
    m_text->selectAll();
    m_text->setFocus();
    AcceptOnCloseKey(*this, *m_text);
    auto buttons = AddButtonPair("Add", "Cancel");
    connect(buttons.accept, &QPushButton::clicked, this, &CAddCommentDlg::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
    Layout().SetGrowing(m_text);
}

void CAddCommentDlg::accept()
{
    m_workflow.SetText(Utf16ToUtf8(m_text->Text()));
    CHandheldDialog::accept();
}
