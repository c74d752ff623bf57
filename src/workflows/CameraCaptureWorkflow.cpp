#include "workflows/CameraCaptureWorkflow.h"

#include "platform/Clock.h"
#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <cstdio>

// Two photos of one second get "_2", "_3", ...; past this many the folder
// is not a camera's.
static constexpr int kMostPhotosPerSecond = 1000;

ErrorOr<std::string> CameraCaptureWorkflow::ReservePhotoPath() const
{
    WallClock now = WallClockFromProgramTime(GetCurrentSeconds());
    char stem[32];
    std::snprintf(stem, sizeof stem, "IMG_%04d%02d%02d_%02d%02d%02d", now.year, now.month, now.day, now.hour, now.minute, now.second);
    for (int number = 1; number <= kMostPhotosPerSecond; ++number) {
        std::string name = number == 1 ? std::string(stem) + ".jpg" : std::string(stem) + "_" + std::to_string(number) + ".jpg";
        std::string path = JoinPath(m_folder, name);
        auto file = File::Open(path, File::Mode::CreateNew);
        if (!file.IsError())
            return path;
        if (file.GetError() != Error::AlreadyExists)
            return file.GetError();
    }
    return Error::AlreadyExists;
}

void CameraCaptureWorkflow::ReleasePhotoPath(const std::string& path)
{
    // Only the empty file made by the reservation is there to remove; a
    // file that cannot be removed stays empty and harms nothing.
    (void)DeleteFileIfExists(path);
}
