#include "server/photos/LocationRemoval.h"

#include "server/photos/JpegSegments.h"

#include <cstdint>
#include <cstring>
#include <optional>

namespace {

constexpr std::uint16_t GpsInfoTag = 0x8825;
constexpr std::string_view ExifSignature { "Exif\0\0", 6 };
constexpr std::string_view XmpSignature { "http://ns.adobe.com/xap/1.0/\0", 29 };
constexpr std::string_view ExtendedXmpSignature { "http://ns.adobe.com/xmp/extension/\0", 35 };
// Directories a chain may hold before it is taken as a loop.
constexpr int MaximumDirectories = 8;

// A TIFF structure in an EXIF block, in its own byte order; every read and
// write is checked against its end.
class TiffBlock {
public:
    explicit TiffBlock(std::string& bytes, size_t start)
        : m_bytes(bytes)
        , m_start(start)
        , m_size(bytes.size() - start)
    {
    }

    bool ReadHeader()
    {
        if (m_size < 8)
            return false;
        if (std::memcmp(Data(0), "II*\0", 4) == 0)
            m_bigEndian = false;
        else if (std::memcmp(Data(0), "MM\0*", 4) == 0)
            m_bigEndian = true;
        else
            return false;
        return true;
    }

    std::optional<std::uint32_t> U32(size_t offset) const
    {
        if (!Fits(offset, 4))
            return std::nullopt;
        const auto* p = reinterpret_cast<const std::uint8_t*>(Data(offset));
        return m_bigEndian ? (std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3])
                           : (std::uint32_t(p[3]) << 24 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0]);
    }

    std::optional<std::uint16_t> U16(size_t offset) const
    {
        if (!Fits(offset, 2))
            return std::nullopt;
        const auto* p = reinterpret_cast<const std::uint8_t*>(Data(offset));
        return static_cast<std::uint16_t>(m_bigEndian ? (p[0] << 8 | p[1]) : (p[1] << 8 | p[0]));
    }

    bool WriteU16(size_t offset, std::uint16_t value)
    {
        if (!Fits(offset, 2))
            return false;
        auto* p = reinterpret_cast<std::uint8_t*>(Data(offset));
        p[m_bigEndian ? 0 : 1] = static_cast<std::uint8_t>(value >> 8);
        p[m_bigEndian ? 1 : 0] = static_cast<std::uint8_t>(value);
        return true;
    }

    // Zeros bytes; false when they lie outside the block.
    bool Blank(size_t offset, size_t length)
    {
        if (!Fits(offset, length))
            return false;
        std::memset(Data(offset), 0, length);
        return true;
    }

    bool Move(size_t to, size_t from, size_t length)
    {
        if (!Fits(to, length) || !Fits(from, length))
            return false;
        std::memmove(Data(to), Data(from), length);
        return true;
    }

    bool Fits(size_t offset, size_t length) const { return offset <= m_size && length <= m_size - offset; }

private:
    char* Data(size_t offset) { return m_bytes.data() + m_start + offset; }
    const char* Data(size_t offset) const { return m_bytes.data() + m_start + offset; }

    std::string& m_bytes;
    size_t m_start;
    size_t m_size;
    bool m_bigEndian { false };
};

size_t TypeSize(std::uint16_t type)
{
    switch (type) {
    case 1: // BYTE
    case 2: // ASCII
    case 6: // SBYTE
    case 7: // UNDEFINED
        return 1;
    case 3: // SHORT
    case 8: // SSHORT
        return 2;
    case 4:  // LONG
    case 9:  // SLONG
    case 11: // FLOAT
        return 4;
    case 5:  // RATIONAL
    case 10: // SRATIONAL
    case 12: // DOUBLE
        return 8;
    default:
        return 0;
    }
}

// Zeros a GPS directory, every value it points to, and its entry count.
bool BlankGpsDirectory(TiffBlock& tiff, std::uint32_t directory)
{
    auto count = tiff.U16(directory);
    if (!count)
        return false;
    size_t length = 2 + size_t(*count) * 12 + 4;
    if (!tiff.Fits(directory, length))
        return false;
    for (size_t i = 0; i < *count; ++i) {
        size_t entry = directory + 2 + i * 12;
        auto type = tiff.U16(entry + 2);
        auto values = tiff.U32(entry + 4);
        auto offset = tiff.U32(entry + 8);
        if (!type || !values || !offset)
            return false;
        std::uint64_t size = std::uint64_t(TypeSize(*type)) * *values;
        if (size > 4 && !tiff.Blank(*offset, static_cast<size_t>(size)))
            return false;
    }
    return tiff.Blank(directory, length);
}

// Takes the GPS pointer out of one directory: the later entries and the
// next-directory offset move up by one entry, the freed bytes become zeros.
// Answers the next directory's offset (0 at the end), or none when the
// directory can't be walked.
std::optional<std::uint32_t> StripDirectory(TiffBlock& tiff, std::uint32_t directory)
{
    auto count = tiff.U16(directory);
    if (!count || !tiff.Fits(directory, 2 + size_t(*count) * 12 + 4))
        return std::nullopt;
    size_t entries = directory + 2;
    size_t i = 0;
    while (i < *count) {
        size_t entry = entries + i * 12;
        if (*tiff.U16(entry) != GpsInfoTag) {
            ++i;
            continue;
        }
        auto gps = tiff.U32(entry + 8);
        if (!gps || !BlankGpsDirectory(tiff, *gps))
            return std::nullopt;
        size_t tail = (*count - i - 1) * 12 + 4;
        if (!tiff.Move(entry, entry + 12, tail) || !tiff.Blank(entry + tail, 12))
            return std::nullopt;
        *count = static_cast<std::uint16_t>(*count - 1);
        if (!tiff.WriteU16(directory, *count))
            return std::nullopt;
    }
    return tiff.U32(entries + size_t(*count) * 12);
}

// Strips every directory of the chain from IFD0; false when the structure
// can't be walked.
bool StripExif(std::string& segment, size_t tiffStart)
{
    TiffBlock tiff(segment, tiffStart);
    if (!tiff.ReadHeader())
        return false;
    auto directory = tiff.U32(4);
    for (int seen = 0; directory && *directory != 0; ++seen) {
        if (seen == MaximumDirectories)
            return false;
        directory = StripDirectory(tiff, *directory);
    }
    return directory.has_value();
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

}

ErrorOr<std::string> RemoveLocation(std::string_view jpeg)
{
    std::string result(jpeg.substr(0, 2));
    result.reserve(jpeg.size());
    auto firstScan = WalkJpegHeaders(jpeg, [&](const JpegSegment& segment) {
        bool app1 = segment.marker == 0xE1;
        if (app1 && StartsWith(segment.payload, ExifSignature)) {
            std::string copy(segment.bytes);
            size_t tiffStart = copy.size() - segment.payload.size() + ExifSignature.size();
            if (StripExif(copy, tiffStart))
                result += copy;
            // else: too damaged to be sure, so dropped.
            return;
        }
        if (app1 && (StartsWith(segment.payload, XmpSignature) || StartsWith(segment.payload, ExtendedXmpSignature))
            && segment.payload.find("GPS") != std::string_view::npos)
            return;
        result += segment.bytes;
    });
    if (firstScan.IsError())
        return firstScan.GetError();
    // From the first scan on, the compressed picture (and whatever follows
    // it) is copied as it is.
    result.append(jpeg.substr(*firstScan));
    return result;
}
