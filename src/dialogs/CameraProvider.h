#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// Where the camera dialog's pictures come from: the viewfinder's frames and
// the photos it takes. The program's provider is the device's first video
// input through Qt Multimedia (QtMultimediaCamera); tests hand in one that
// gives back prepared JPEG files, as no machine here has a camera.
class CameraProvider : public QObject {
    Q_OBJECT

public:
    ~CameraProvider() override;

    // Whether the device has a camera this provider can use.
    virtual bool HasCamera() = 0;
    // Starts the viewfinder; false when there is no usable camera.
    virtual bool Start() = 0;
    // Takes a photo and writes it as a JPEG file at `path`, replacing the
    // file there. The outcome comes later, as photoWritten or
    // captureFailed.
    virtual void Capture(const std::string& path) = 0;

signals:
    // A picture for the viewfinder.
    void frameReady(const QImage& frame);
    void photoWritten(const QString& path);
    // The photo could not be taken or written; the code says why.
    void captureFailed(std::uint32_t code);
    // The camera stopped working (taken away, used by another program).
    void cameraFailed();
};

// Makes the provider of each run of the camera dialog.
using CameraProviderFactory = std::function<std::unique_ptr<CameraProvider>()>;
