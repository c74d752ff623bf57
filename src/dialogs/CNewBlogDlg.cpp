#include "dialogs/CNewBlogDlg.h"

#include "dialogs/AccountControls.h"

#include "workflows/NewBlogWorkflow.h"

#include <QPushButton>

CNewBlogDlg::CNewBlogDlg(NewBlogWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(NewBlogWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    m_fields = Place(new NewBlogFieldsPanel(this), { 0, 0, 240, 140 });
    m_fields->Field(NewBlogFields::kUrlField)->setFocus();

    auto buttons = AddButtonPair(NewBlogWorkflow::kCreateButton, "Cancel");
    connect(buttons.accept, &QPushButton::clicked, this,
        [this] { Finish(m_workflow.Create(m_fields->Read()), [this](int field) { return m_fields->Field(field); }); });
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
}
