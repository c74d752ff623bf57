#include "model/CWinBlogEntry.h"

#include "imaging/JpegImage.h"
#include "model/EntryThumbnailBytes.h"
#include "platform/File.h"
#include "transport/FileLargeStream.h"

#include <algorithm>
#include <limits>

std::unique_ptr<Stream> CWinBlogEntry::OpenPhotoStream() const
{
    if (m_photoPath.empty())
        return nullptr;
    auto file = File::Open(m_photoPath, File::Mode::Read);
    if (file.IsError())
        return nullptr;
    return FileLargeStream::OverFile(file.ReleaseValue());
}

namespace {

// A picture in memory, read through the same calls as a file.
struct MemoryPicture {
    const std::vector<std::uint8_t>& bytes;
};

JpegImage ImageOf(File& file) { return JpegImage(file); }
JpegImage ImageOf(MemoryPicture& picture) { return JpegImage(picture.bytes.data(), picture.bytes.size()); }

ErrorOr<std::vector<std::uint8_t>> ThumbnailOf(File& file) { return MakeEntryThumbnailBytes(file); }
ErrorOr<std::vector<std::uint8_t>> ThumbnailOf(MemoryPicture& picture) { return MakeEntryThumbnailBytes(picture.bytes.data(), picture.bytes.size()); }

}

template<typename Source>
ErrorCode CWinBlogEntry::TakePicture(Source& source, std::uint64_t length)
{
    JpegInfo info;
    ErrorCode header;
    {
        JpegImage image = ImageOf(source);
        header = image.ReadInfo(info);
    }
    // Without a start-of-image marker there is no picture to decode.
    auto thumbnail = header == Error::JpegInvalid ? ErrorOr<std::vector<std::uint8_t>>::FromError(header) : ThumbnailOf(source);
    // A picture without a thumbnail is attached all the same; why it has
    // none is kept for whoever tells the user.
    m_thumbnailError = thumbnail.GetError();
    if (thumbnail.IsError())
        ReleaseThumbnail();
    else
        SetThumbnail(thumbnail.ReleaseValue());
    if (!header && (m_width == 0 || m_height == 0))
        SetWidthAndHeight(info.width, info.height);
    if (m_fileSize == 0)
        m_fileSize = static_cast<std::uint32_t>(std::min<std::uint64_t>(length, std::numeric_limits<std::uint32_t>::max()));
    return header == Error::JpegInvalid ? Error::InvalidJpegPhoto : Error::Success;
}

ErrorCode CWinBlogEntry::AttachPhoto(const std::string& path, std::uint8_t state)
{
    auto file = File::Open(path, File::Mode::Read);
    if (file.IsError())
        return file.GetError();
    auto length = file->Size();
    if (length.IsError())
        return length.GetError();
    SetPhotoState(state);
    SetPhotoPath(state >= 2 ? path : std::string());
    return TakePicture(*file, *length);
}

static ErrorOr<std::vector<std::uint8_t>> ReadWholeStream(Stream& stream)
{
    std::vector<std::uint8_t> bytes;
    std::uint32_t expected = stream.GetLength();
    if (!stream.Seek(0))
        return ErrorOr<std::vector<std::uint8_t>>::FromError(Error::ReadFault);
    bytes.reserve(expected);
    const std::uint8_t* data = nullptr;
    std::uint32_t length = 0;
    while (stream.ReadChunk(data, length))
        bytes.insert(bytes.end(), data, data + length);
    if (bytes.size() != expected)
        return ErrorOr<std::vector<std::uint8_t>>::FromError(Error::ReadFault);
    return bytes;
}

ErrorCode CWinBlogEntry::AttachPhoto(Stream& picture, std::uint8_t state)
{
    if (auto* file = dynamic_cast<FileLargeStream*>(&picture); file && !file->FileName().empty())
        return AttachPhoto(file->FileName(), state);
    auto bytes = ReadWholeStream(picture);
    if (bytes.IsError())
        return bytes.GetError();
    SetPhotoState(state);
    SetPhotoPath("");
    MemoryPicture memory { *bytes };
    return TakePicture(memory, bytes->size());
}
