#pragma once

#include "dialogs/CameraProvider.h"

#include <deque>
#include <memory>
#include <string>

// A camera for machines without one: each capture hands back the next of
// some prepared JPEG files (copied to where the photo goes), and the
// viewfinder shows the first of them. The photos are shared by every
// provider the factory makes, as each run of the camera dialog makes its
// own.
class PreparedPhotoCamera : public CameraProvider {
    Q_OBJECT

public:
    struct Photos {
        std::deque<std::string> files;
        bool hasCamera { true };
        bool starts { true };
        int captures { 0 };
        QImage frame;
    };

    explicit PreparedPhotoCamera(std::shared_ptr<Photos> photos);
    static CameraProviderFactory Factory(std::shared_ptr<Photos> photos);

    bool HasCamera() override { return m_photos->hasCamera; }
    bool Start() override;
    void Capture(const std::string& path) override;

private:
    std::shared_ptr<Photos> m_photos;
};
