#pragma once

// CCameraPrefsDlg: "Show Edit Dialog" and "Stay in camera until cancel". The
// opener loads both preferences and writes them back on OK.
class CameraPrefsWorkflow {
public:
    CameraPrefsWorkflow(bool showEditDialog, bool stayInCamera)
        : m_showEditDialog(showEditDialog)
        , m_stayInCamera(stayInCamera)
    {
    }

    bool GetShowEditDialog() const { return m_showEditDialog; }
    void SetShowEditDialog(bool show) { m_showEditDialog = show; }
    bool GetStayInCamera() const { return m_stayInCamera; }
    void SetStayInCamera(bool stay) { m_stayInCamera = stay; }

private:
    bool m_showEditDialog;
    bool m_stayInCamera;
};
