#pragma once

#include <string>

// The camera's capture dialog: takes one photo into a folder. Answers
// DialogResults::CameraNotUsable, CameraNothingTaken or CameraPhotoTaken,
// the last with the photo's path.
class CameraCaptureWorkflow {
public:
    explicit CameraCaptureWorkflow(std::string folder)
        : m_folder(std::move(folder))
    {
    }

    const std::string& GetFolder() const { return m_folder; }
    const std::string& GetPhotoPath() const { return m_photoPath; }
    void SetPhotoPath(std::string path) { m_photoPath = std::move(path); }

private:
    std::string m_folder;
    std::string m_photoPath;
};
