#include "model/EntryThumbnailBytes.h"

#include "imaging/EntryThumbnail.h"
#include "imaging/SaveDibAsJpeg.h"
#include "platform/File.h"

using Bytes = std::vector<std::uint8_t>;

static ErrorOr<Bytes> EncodeThumbnail(const ErrorOr<Dib>& bitmap)
{
    if (bitmap.IsError())
        return ErrorOr<Bytes>::FromError(bitmap.GetError());
    // The same bytes a temporary file would hold, without the file: the
    // thumbnail lives in the entry.
    return EncodeDibAsJpeg(*bitmap, EntryThumbnailQuality);
}

ErrorOr<Bytes> MakeEntryThumbnailBytes(File& photo)
{
    return EncodeThumbnail(MakeEntryThumbnail(photo));
}

ErrorOr<Bytes> MakeEntryThumbnailBytes(const std::uint8_t* data, size_t size)
{
    return EncodeThumbnail(MakeEntryThumbnail(data, size));
}
