#pragma once

#include "dialogs/CHandheldDialog.h"

class CameraPrefsWorkflow;
class QCheckBox;

// "Camera Preferences": whether the edit entry dialog follows each photo
// the camera takes, and whether the camera stays until cancelled. OK puts
// both boxes into the workflow, which the opener writes back.
class CCameraPrefsDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CCameraPrefsDlg(CameraPrefsWorkflow& workflow, QWidget* parent = nullptr);

private:
    QCheckBox* m_showEditDialog;
    QCheckBox* m_stayInCamera;
};
