#include "dialogs/CCameraCaptureDlg.h"

#include "dialogs/CameraProvider.h"
#include "dialogs/DialogControls.h"

#include "app/ErrorTable.h"
#include "workflows/CameraCaptureWorkflow.h"
#include "workflows/DialogHost.h"

#include <QPainter>
#include <QPushButton>

CameraViewfinder::CameraViewfinder(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CameraViewfinder::ShowFrame(const QImage& frame)
{
    m_frame = frame;
    update();
}

void CameraViewfinder::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_frame.isNull()) {
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Starting the camera..."));
        return;
    }
    QSize fitted = m_frame.size().scaled(size(), Qt::KeepAspectRatio);
    QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_frame);
}

CCameraCaptureDlg::CCameraCaptureDlg(CameraCaptureWorkflow& workflow, CameraProvider& camera, QWidget* parent)
    : CHandheldDialog(CameraCaptureWorkflow::kTitle, parent)
    , m_workflow(workflow)
    , m_camera(camera)
{
    m_viewfinder = Place(new CameraViewfinder(this), { 0, 0, 240, 236 });
    m_viewfinder->setObjectName("viewfinder");
    auto buttons = AddButtonPair("Capture", "Cancel");
    m_capture = buttons.accept;
    m_cancel = buttons.cancel;
    Layout().SetGrowing(m_viewfinder);
    connect(m_capture, &QPushButton::clicked, this, &CCameraCaptureDlg::Capture);
    connect(m_cancel, &QPushButton::clicked, this, &CCameraCaptureDlg::reject);

    connect(&camera, &CameraProvider::frameReady, m_viewfinder, &CameraViewfinder::ShowFrame);
    connect(&camera, &CameraProvider::photoWritten, this, &CCameraCaptureDlg::PhotoWritten);
    connect(&camera, &CameraProvider::captureFailed, this, &CCameraCaptureDlg::CaptureFailed);
    connect(&camera, &CameraProvider::cameraFailed, this, [this] {
        if (!m_pendingPath.empty()) {
            CameraCaptureWorkflow::ReleasePhotoPath(m_pendingPath);
            m_pendingPath.clear();
        }
        done(DialogResults::CameraNotUsable);
    });
}

bool CCameraCaptureDlg::StartCamera()
{
    return m_camera.Start();
}

void CCameraCaptureDlg::reject()
{
    if (!m_pendingPath.empty())
        return;
    done(DialogResults::CameraNothingTaken);
}

void CCameraCaptureDlg::SetCapturing(bool capturing)
{
    m_capture->setEnabled(!capturing);
    m_cancel->setEnabled(!capturing);
}

void CCameraCaptureDlg::Capture()
{
    if (!m_pendingPath.empty())
        return;
    auto path = m_workflow.ReservePhotoPath();
    if (path.IsError()) {
        ShowError(path.GetError());
        return;
    }
    m_pendingPath = *path;
    SetCapturing(true);
    m_camera.Capture(m_pendingPath);
}

void CCameraCaptureDlg::PhotoWritten(const QString&)
{
    // One photo is taken at a time: this is the one under the reserved name.
    if (m_pendingPath.empty())
        return;
    m_workflow.SetPhotoPath(std::move(m_pendingPath));
    m_pendingPath.clear();
    done(DialogResults::CameraPhotoTaken);
}

void CCameraCaptureDlg::CaptureFailed(std::uint32_t code)
{
    if (m_pendingPath.empty())
        return;
    CameraCaptureWorkflow::ReleasePhotoPath(m_pendingPath);
    m_pendingPath.clear();
    SetCapturing(false);
    ShowError(code);
}
