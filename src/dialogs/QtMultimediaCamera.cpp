#include "dialogs/QtMultimediaCamera.h"

#include "imaging/Dib.h"
#include "imaging/SaveDibAsJpeg.h"
#include "workflows/CameraCaptureWorkflow.h"

#include <QCamera>
#include <QMediaDevices>
#include <QVideoFrame>
#include <bit>
#include <cstring>

QtMultimediaCamera::QtMultimediaCamera()
{
    connect(&m_sink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
        QImage image = frame.toImage();
        if (!image.isNull())
            emit frameReady(image);
    });
    connect(&m_still, &QImageCapture::imageAvailable, this, &QtMultimediaCamera::StillArrived);
    connect(&m_still, &QImageCapture::errorOccurred, this, [this](int id, QImageCapture::Error, const QString& reason) { StillFailed(id, reason); });
}

QtMultimediaCamera::~QtMultimediaCamera()
{
    if (m_camera)
        m_camera->stop();
}

bool QtMultimediaCamera::HasCamera()
{
    return !QMediaDevices::videoInputs().isEmpty();
}

bool QtMultimediaCamera::Start()
{
    const QList<QCameraDevice> inputs = QMediaDevices::videoInputs();
    if (inputs.isEmpty())
        return false;
    m_camera = std::make_unique<QCamera>(inputs.first());
    connect(m_camera.get(), &QCamera::errorOccurred, this, [this](QCamera::Error error, const QString&) {
        if (error != QCamera::NoError)
            emit cameraFailed();
    });
    m_session.setCamera(m_camera.get());
    m_session.setImageCapture(&m_still);
    m_session.setVideoSink(&m_sink);
    m_camera->start();
    return m_camera->error() == QCamera::NoError;
}

void QtMultimediaCamera::Capture(const std::string& path)
{
    if (!m_camera || !m_camera->isActive() || !m_still.isReadyForCapture() || m_pendingId >= 0) {
        emit captureFailed(Error::SharingViolation);
        return;
    }
    m_pendingPath = path;
    m_pendingId = m_still.capture();
    if (m_pendingId < 0) {
        m_pendingId = -1;
        emit captureFailed(Error::GeneralFailure);
    }
}

void QtMultimediaCamera::StillArrived(int id, const QVideoFrame& frame)
{
    if (id != m_pendingId)
        return;
    m_pendingId = -1;
    QImage image = frame.toImage();
    if (image.isNull()) {
        emit captureFailed(Error::GeneralFailure);
        return;
    }
    if (std::uint32_t error = SaveImageAsJpeg(image, m_pendingPath, CameraCaptureWorkflow::kPhotoQuality)) {
        emit captureFailed(error);
        return;
    }
    emit photoWritten(QString::fromStdString(m_pendingPath));
}

void QtMultimediaCamera::StillFailed(int id, const QString&)
{
    if (id != m_pendingId)
        return;
    m_pendingId = -1;
    emit captureFailed(Error::GeneralFailure);
}

std::uint32_t SaveImageAsJpeg(const QImage& image, const std::string& path, int quality)
{
    // RGB32 rows hold blue, green, red and an unused byte in that order on
    // a little-endian machine: the program's 32-bit bitmap rows.
    static_assert(std::endian::native == std::endian::little);
    QImage rows = image.convertToFormat(QImage::Format_RGB32);
    auto bitmap = CreateDibForOverwrite(rows.width(), rows.height(), 32);
    if (bitmap.IsError())
        return bitmap.GetError();
    for (int y = 0; y < rows.height(); ++y)
        std::memcpy(bitmap->Row(y), rows.constScanLine(y), static_cast<size_t>(rows.width()) * 4);
    return SaveDibAsJpeg(*bitmap, path, quality);
}
