#pragma once

#include "dialogs/CameraProvider.h"

#include <QImageCapture>
#include <QMediaCaptureSession>
#include <QVideoSink>
#include <memory>

class QCamera;

// The device's first video input, through Qt Multimedia: its frames go to
// the viewfinder, and a capture's still is written with the program's JPEG
// writer.
class QtMultimediaCamera : public CameraProvider {
    Q_OBJECT

public:
    QtMultimediaCamera();
    ~QtMultimediaCamera() override;

    bool HasCamera() override;
    bool Start() override;
    void Capture(const std::string& path) override;

private:
    void StillArrived(int id, const QVideoFrame& frame);
    void StillFailed(int id, const QString& reason);

    std::unique_ptr<QCamera> m_camera;
    QMediaCaptureSession m_session;
    QImageCapture m_still;
    QVideoSink m_sink;
    int m_pendingId { -1 };
    std::string m_pendingPath;
};

// Writes a picture as a JPEG file of the given quality, replacing the file
// at `path` only once the whole picture is written.
std::uint32_t SaveImageAsJpeg(const QImage& image, const std::string& path, int quality);
