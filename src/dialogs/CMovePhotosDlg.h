#pragma once

#include "dialogs/CHandheldDialog.h"

class MovePhotosWorkflow;
class QComboBox;

// "Move Photos": where the shown entries' photos are now and where they
// go. After OK the opener has the workflow move them.
class CMovePhotosDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CMovePhotosDlg(MovePhotosWorkflow& workflow, QWidget* parent = nullptr);

private:
    MovePhotosWorkflow& m_workflow;
    QComboBox* m_source;
    QComboBox* m_destination;
};
