#include "service/UploadPhoto.h"

#include "imaging/JpegImage.h"
#include "imaging/LoadFlags.h"
#include "imaging/SaveDibAsJpeg.h"
#include "platform/DeviceFolders.h"
#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "transport/FileLargeStream.h"

#include <array>
#include <cstdlib>
#include <unistd.h>

namespace {

struct Box {
    int width;
    int height;
};

constexpr std::array<Box, 3> kUploadBoxes { { { 320, 240 }, { 480, 360 }, { 640, 480 } } };
constexpr int kScaledQuality = 90;

// The picture scaled into the box, in a file of the temporary folder whose
// name is gone as soon as the stream holds it open. None when the picture
// fits already or cannot be scaled.
std::unique_ptr<Stream> ScaledCopy(const std::string& path, Box box)
{
    auto file = File::Open(path, File::Mode::Read);
    if (file.IsError())
        return nullptr;
    JpegImage image(*file);
    JpegInfo info;
    if (image.ReadInfo(info) != Error::Success || info.width == 0 || info.height == 0)
        return nullptr;
    if (info.height > info.width)
        std::swap(box.width, box.height);
    if (info.width <= box.width && info.height <= box.height)
        return nullptr;
    Rect target { 0, 0, box.width, box.height };
    Dib bitmap;
    if (image.LoadBitmap(target, LoadFlags::ReturnBitmap | LoadFlags::NoRotate | LoadFlags::NeverUseExifThumbnail, bitmap) != Error::Success
        || bitmap.IsNull())
        return nullptr;

    std::string scaledPath = JoinPath(DeviceFolders::Current().TemporaryFolder(), "upload-XXXXXX.jpg");
    int fd = ::mkstemps(scaledPath.data(), 4);
    if (fd < 0)
        return nullptr;
    ::close(fd);
    std::unique_ptr<Stream> scaled;
    if (SaveDibAsJpeg(bitmap, scaledPath, kScaledQuality) == Error::Success)
        scaled = FileLargeStream::OpenExisting(scaledPath);
    // The open stream keeps the file's contents; a name left behind would
    // be a stray file. A failure to remove it changes nothing for the upload.
    (void)DeleteFileIfExists(scaledPath);
    return scaled;
}

}

ErrorOr<std::unique_ptr<Stream>> OpenUploadPhoto(const BlogEntry& entry, std::uint16_t uploadSizeCode)
{
    auto photo = entry.OpenPhotoStream();
    if (!photo)
        return ErrorOr<std::unique_ptr<Stream>>::FromError(Error::PendingPhotoMissing);
    if (uploadSizeCode >= UploadSize::FullSize)
        return photo;
    if (auto scaled = ScaledCopy(entry.GetPhotoPath(), kUploadBoxes[uploadSizeCode]))
        return scaled;
    return photo;
}
