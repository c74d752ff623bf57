#include "dialogs/CConfirmDeleteBlogDlg.h"

#include "dialogs/DialogControls.h"

#include "workflows/ConfirmDeleteBlogWorkflow.h"

#include <QCheckBox>
#include <QPushButton>

CConfirmDeleteBlogDlg::CConfirmDeleteBlogDlg(ConfirmDeleteBlogWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(ConfirmDeleteBlogWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    AddLabel(this, ConfirmDeleteBlogWorkflow::kQuestion, { 6, 6, 228, 56 }, true);
    m_deletePhotos = AddCheckBox(this, ConfirmDeleteBlogWorkflow::kDeletePhotosBox, { 6, 70, 228, 16 });
    m_deletePhotos->setObjectName("deletePhotosBox");
    m_deletePhotos->setChecked(workflow.GetDeletePhotos());

    auto buttons = AddButtonPair("Yes", "No");
    connect(buttons.accept, &QPushButton::clicked, this, [this] {
        m_workflow.SetDeletePhotos(m_deletePhotos->isChecked());
        done(DialogResults::Ok);
    });
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
}
