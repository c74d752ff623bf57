#pragma once

#include "JpegTestKit.h"
#include "support/TemporaryFolder.h"

#include "imaging/JpegImage.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <ctime>
#include <fcntl.h>
#include <span>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

// Photo files for the store tests: real JPEG files of a given size.

inline std::vector<std::uint8_t> PhotoJpeg(int width, int height, bool progressive = false, std::uint32_t seed = 1)
{
    JpegOptions options;
    options.progressive = progressive;
    return EncodeJpeg(MakePhotoLikePicture(width, height, seed), options);
}

inline std::string WritePhoto(const std::string& path, int width = 320, int height = 240, bool progressive = false)
{
    EXPECT_EQ(CreateFolderWithParents(ParentPath(path)), Error::Success);
    auto bytes = PhotoJpeg(width, height, progressive);
    WriteTextFile(path, std::string(bytes.begin(), bytes.end()));
    return path;
}

inline void SetModificationTime(const std::string& path, std::time_t moment)
{
    struct timespec times[2] = { { moment, 0 }, { moment, 0 } };
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

// Width and height of a JPEG held in memory; 0 x 0 when it is none.
inline std::pair<int, int> JpegSize(std::span<const std::uint8_t> bytes)
{
    JpegImage image(bytes.data(), bytes.size());
    JpegInfo info;
    if (image.ReadInfo(info))
        return { 0, 0 };
    return { info.width, info.height };
}

// Every regular file under a folder, as paths relative to it.
inline std::vector<std::string> FilesUnder(const std::string& folder, const std::string& prefix = {})
{
    std::vector<std::string> files;
    auto entries = ListFolder(folder);
    if (entries.IsError())
        return files;
    for (auto& entry : *entries) {
        std::string relative = prefix.empty() ? entry.name : prefix + "/" + entry.name;
        if (entry.isDirectory) {
            auto inner = FilesUnder(JoinPath(folder, entry.name), relative);
            files.insert(files.end(), inner.begin(), inner.end());
        } else {
            files.push_back(relative);
        }
    }
    return files;
}
