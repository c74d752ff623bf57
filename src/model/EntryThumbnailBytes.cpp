#include "model/EntryThumbnailBytes.h"

#include "imaging/EntryThumbnail.h"
#include "imaging/SaveDibAsJpeg.h"
#include "platform/DeviceFolders.h"
#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <cerrno>
#include <cstdlib>
#include <unistd.h>

using Bytes = std::vector<std::uint8_t>;

// A name of its own in the temporary folder, so that two programs making
// thumbnails at once do not share a file.
static ErrorOr<std::string> ReserveTemporaryName()
{
    std::string pattern = JoinPath(DeviceFolders::Current().TemporaryFolder(), "thumbnail-XXXXXX.jpg");
    int fd = ::mkstemps(pattern.data(), 4);
    if (fd < 0)
        return ErrorOr<std::string>::FromError(ErrorCodeFromErrno(errno));
    ::close(fd);
    return pattern;
}

static ErrorOr<Bytes> EncodeThumbnail(const ErrorOr<Dib>& bitmap)
{
    if (bitmap.IsError())
        return ErrorOr<Bytes>::FromError(bitmap.GetError());
    auto path = ReserveTemporaryName();
    if (path.IsError())
        return ErrorOr<Bytes>::FromError(path.GetError());
    ErrorCode error = SaveDibAsJpeg(*bitmap, *path, EntryThumbnailQuality);
    auto contents = error ? ErrorOr<std::string>::FromError(error) : ReadWholeFile(*path);
    // The thumbnail's bytes are read; a temporary file that cannot be
    // deleted is no reason to lose them.
    (void)DeleteFileIfExists(*path);
    if (contents.IsError())
        return ErrorOr<Bytes>::FromError(contents.GetError());
    return Bytes(contents->begin(), contents->end());
}

ErrorOr<Bytes> MakeEntryThumbnailBytes(File& photo)
{
    return EncodeThumbnail(MakeEntryThumbnail(photo));
}

ErrorOr<Bytes> MakeEntryThumbnailBytes(const std::uint8_t* data, size_t size)
{
    return EncodeThumbnail(MakeEntryThumbnail(data, size));
}
