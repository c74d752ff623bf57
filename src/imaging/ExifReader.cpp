#include "imaging/ExifReader.h"

#include <algorithm>

namespace {

enum Tag : uint16_t {
    TagCompression = 259,
    TagImageDescription = 270,
    TagMake = 271,
    TagModel = 272,
    TagThumbnailOffset = 513,
    TagThumbnailLength = 514,
    TagExifIfd = 34665,
    TagDateTimeOriginal = 36867,
    TagUserComment = 37510,
};

enum Type : uint16_t {
    TypeShort = 3,
    TypeLong = 4,
};

constexpr uint16_t JpegCompression = 6;

class ExifWalker {
public:
    ExifWalker(const uint8_t* tiff, size_t length)
        : m_tiff(tiff)
        , m_length(length)
        , m_bigEndian(length >= 2 && tiff[0] == 'M' && tiff[1] == 'M')
    {
    }

    ExifInfo Walk()
    {
        if (m_length < 8)
            return m_info;
        uint32_t next = WalkIfd(Read32(4));
        WalkIfd(next);
        m_info.hasThumbnail = m_thumbnailSeen && m_info.thumbnailLength > 0 && m_info.thumbnailOffset < m_length;
        if (!m_info.hasThumbnail) {
            m_info.thumbnailOffset = 0;
            m_info.thumbnailLength = 0;
        }
        return m_info;
    }

private:
    uint16_t Read16(size_t at) const
    {
        if (at + 2 > m_length)
            return 0;
        const uint8_t* p = m_tiff + at;
        return static_cast<uint16_t>(m_bigEndian ? (p[0] << 8) | p[1] : (p[1] << 8) | p[0]);
    }

    uint32_t Read32(size_t at) const
    {
        if (at + 4 > m_length)
            return 0;
        const uint8_t* p = m_tiff + at;
        if (m_bigEndian)
            return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
        return (uint32_t(p[3]) << 24) | (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
    }

    uint32_t ReadNumber(size_t entry) const
    {
        return Read16(entry + 2) == TypeShort ? Read16(entry + 8) : Read32(entry + 8);
    }

    // Text values of five bytes or more are stored by offset; shorter ones
    // are not taken.
    std::string ReadText(size_t entry, size_t skip, size_t limit) const
    {
        uint32_t count = Read32(entry + 4);
        uint32_t offset = Read32(entry + 8);
        if (count < 5 || offset >= m_length || count > m_length - offset || count <= skip)
            return {};
        const char* text = reinterpret_cast<const char*>(m_tiff + offset + skip);
        size_t available = std::min<size_t>(count - skip, limit);
        return std::string(text, std::find(text, text + available, '\0'));
    }

    // Returns the offset of the next IFD (0 for none).
    uint32_t WalkIfd(uint32_t offset)
    {
        if (offset == 0 || offset >= m_length)
            return 0;
        uint32_t count = Read16(offset);
        for (uint32_t i = 0; i < count; ++i) {
            size_t entry = offset + 2 + static_cast<size_t>(i) * 12;
            if (entry + 12 > m_length)
                return 0;
            ReadEntry(entry);
        }
        return Read32(offset + 2 + static_cast<size_t>(count) * 12);
    }

    void ReadEntry(size_t entry)
    {
        switch (Read16(entry)) {
        case TagCompression:
            m_jpegThumbnail = ReadNumber(entry) == JpegCompression;
            break;
        case TagThumbnailOffset:
            if (m_jpegThumbnail) {
                m_info.thumbnailOffset = ReadNumber(entry);
                m_thumbnailSeen = true;
            }
            break;
        case TagThumbnailLength:
            m_info.thumbnailLength = ReadNumber(entry);
            break;
        case TagImageDescription:
            m_info.description = ReadText(entry, 0, ExifTextLength);
            break;
        case TagMake:
            m_info.make = ReadText(entry, 0, ExifTextLength);
            break;
        case TagModel:
            m_info.model = ReadText(entry, 0, ExifTextLength);
            break;
        case TagDateTimeOriginal:
            m_info.dateTaken = ReadText(entry, 0, ExifDateLength);
            break;
        case TagUserComment:
            // Eight bytes name the character code before the text.
            m_info.userComment = ReadText(entry, 8, ExifTextLength);
            break;
        case TagExifIfd:
            if (!m_exifIfdWalked) {
                m_exifIfdWalked = true;
                WalkIfd(ReadNumber(entry));
            }
            break;
        default:
            break;
        }
    }

    const uint8_t* m_tiff;
    size_t m_length;
    bool m_bigEndian;
    bool m_jpegThumbnail { false };
    bool m_thumbnailSeen { false };
    bool m_exifIfdWalked { false };
    ExifInfo m_info;
};

}

ExifInfo ReadExif(const uint8_t* tiff, size_t length)
{
    return ExifWalker(tiff, length).Walk();
}
