#pragma once

#include "platform/ErrorOr.h"

#include <string>
#include <string_view>

// The camera's capture dialog, "Vellumbrix Camera": takes one photo into a
// folder (the blog's photo folder). Answers DialogResults::CameraNotUsable,
// CameraNothingTaken or CameraPhotoTaken, the last with the photo's path.
class CameraCaptureWorkflow {
public:
    static constexpr std::string_view kTitle = "Vellumbrix Camera";
    // The quality of the photos the camera writes.
    static constexpr int kPhotoQuality = 90;

    explicit CameraCaptureWorkflow(std::string folder)
        : m_folder(std::move(folder))
    {
    }

    const std::string& GetFolder() const { return m_folder; }
    const std::string& GetPhotoPath() const { return m_photoPath; }
    void SetPhotoPath(std::string path) { m_photoPath = std::move(path); }

    // A name for the next photo in the folder, after the moment it is
    // taken ("IMG_20240131_142501.jpg", then "..._2.jpg" and so on when
    // taken): an empty file is made under it at once, so that no other
    // photo can take the name, and the photo replaces it once written.
    ErrorOr<std::string> ReservePhotoPath() const;
    // Gives a reserved name back when its photo could not be written.
    static void ReleasePhotoPath(const std::string& path);

private:
    std::string m_folder;
    std::string m_photoPath;
};
