#include "PreparedPhotoCamera.h"

#include "platform/FileSystem.h"

#include <QTimer>

PreparedPhotoCamera::PreparedPhotoCamera(std::shared_ptr<Photos> photos)
    : m_photos(std::move(photos))
{
}

CameraProviderFactory PreparedPhotoCamera::Factory(std::shared_ptr<Photos> photos)
{
    return [photos] { return std::make_unique<PreparedPhotoCamera>(photos); };
}

bool PreparedPhotoCamera::Start()
{
    if (!m_photos->hasCamera || !m_photos->starts)
        return false;
    // The viewfinder shows the next photo; once all are taken, the last.
    if (!m_photos->files.empty())
        m_photos->frame = QImage(QString::fromStdString(m_photos->files.front()));
    // The first frame comes once the dialog runs, as a camera's would.
    QTimer::singleShot(0, this, [this] { emit frameReady(m_photos->frame); });
    return true;
}

void PreparedPhotoCamera::Capture(const std::string& path)
{
    ++m_photos->captures;
    // The photo comes from the event loop, later, as a camera's does.
    QTimer::singleShot(0, this, [this, path] {
        if (m_photos->files.empty()) {
            emit captureFailed(Error::FileNotFound);
            return;
        }
        std::string prepared = m_photos->files.front();
        m_photos->files.pop_front();
        if (ErrorCode error = CopyFile(prepared, path)) {
            emit captureFailed(error);
            return;
        }
        emit photoWritten(QString::fromStdString(path));
    });
}
