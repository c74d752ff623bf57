#include "dialogs/CCameraPrefsDlg.h"

#include "dialogs/DialogControls.h"

#include "workflows/CameraPrefsWorkflow.h"

#include <QCheckBox>
#include <QPushButton>

CCameraPrefsDlg::CCameraPrefsDlg(CameraPrefsWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(CameraPrefsWorkflow::kTitle, parent)
{
    m_showEditDialog = AddCheckBox(this, CameraPrefsWorkflow::kShowEditDialogText, { 6, 8, 228, 16 });
    m_showEditDialog->setObjectName("showEditDialogBox");
    m_showEditDialog->setChecked(workflow.GetShowEditDialog());
    m_stayInCamera = AddCheckBox(this, CameraPrefsWorkflow::kStayInCameraText, { 6, 30, 228, 16 });
    m_stayInCamera->setObjectName("stayInCameraBox");
    m_stayInCamera->setChecked(workflow.GetStayInCamera());

    auto buttons = AddButtonPair();
    connect(buttons.accept, &QPushButton::clicked, this, [this, &workflow] {
        workflow.SetShowEditDialog(m_showEditDialog->isChecked());
        workflow.SetStayInCamera(m_stayInCamera->isChecked());
        accept();
    });
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
}
