#pragma once

#include <string_view>

// CCameraPrefsDlg: "Show Edit Dialog" and "Stay in camera until cancel". The
// opener loads both preferences and writes them back on OK.
class CameraPrefsWorkflow {
public:
    static constexpr std::string_view kTitle = "Camera Preferences";
    static constexpr std::string_view kShowEditDialogText = "Show Edit Dialog";
    static constexpr std::string_view kStayInCameraText = "Stay in camera until cancel";

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
