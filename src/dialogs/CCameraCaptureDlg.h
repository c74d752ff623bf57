#pragma once

#include "dialogs/CHandheldDialog.h"

#include <QImage>
#include <string>

class CameraCaptureWorkflow;
class CameraProvider;
class QPushButton;

// The viewfinder: the camera's latest frame, fitted into the widget on
// black, or a line saying the camera is starting.
class CameraViewfinder : public QWidget {
    Q_OBJECT

public:
    explicit CameraViewfinder(QWidget* parent = nullptr);
    void ShowFrame(const QImage& frame);
    bool HasFrame() const { return !m_frame.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_frame;
};

// "Vellumbrix Camera": the viewfinder of the device's camera and a Capture
// button that writes a photo into the workflow's folder. It closes with
// DialogResults::CameraPhotoTaken (the photo's path in the workflow),
// CameraNothingTaken when cancelled, or CameraNotUsable when the camera
// cannot be started or stops working.
class CCameraCaptureDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CCameraCaptureDlg(CameraCaptureWorkflow& workflow, CameraProvider& camera, QWidget* parent = nullptr);

    // Starts the viewfinder; false when there is no usable camera (the
    // dialog is then not to be shown).
    bool StartCamera();
    CameraViewfinder& GetViewfinder() const { return *m_viewfinder; }

    // A photo being written cannot be cancelled: it would be left in the
    // folder without an entry.
    void reject() override;

private:
    void Capture();
    void PhotoWritten(const QString& path);
    void CaptureFailed(std::uint32_t code);
    void SetCapturing(bool capturing);

    CameraCaptureWorkflow& m_workflow;
    CameraProvider& m_camera;
    CameraViewfinder* m_viewfinder;
    QPushButton* m_capture;
    QPushButton* m_cancel;
    std::string m_pendingPath;
};
