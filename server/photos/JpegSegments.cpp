#include "server/photos/JpegSegments.h"

namespace {

bool IsStandalone(std::uint8_t marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

std::uint8_t Byte(std::string_view bytes, size_t at)
{
    return static_cast<std::uint8_t>(bytes[at]);
}

}

ErrorOr<size_t> WalkJpegHeaders(std::string_view jpeg, const std::function<void(const JpegSegment&)>& visit)
{
    if (jpeg.size() < 4 || Byte(jpeg, 0) != 0xFF || Byte(jpeg, 1) != 0xD8)
        return ErrorOr<size_t>::FromError(Error::InvalidData);
    size_t position = 2;
    while (position < jpeg.size()) {
        if (Byte(jpeg, position) != 0xFF)
            return ErrorOr<size_t>::FromError(Error::InvalidData);
        size_t start = position;
        while (position < jpeg.size() && Byte(jpeg, position) == 0xFF)
            ++position; // fill bytes
        if (position >= jpeg.size())
            return ErrorOr<size_t>::FromError(Error::InvalidData);
        std::uint8_t marker = Byte(jpeg, position++);
        if (marker == 0xDA || marker == 0xD9)
            return start;
        JpegSegment segment;
        segment.marker = marker;
        if (!IsStandalone(marker)) {
            if (position + 2 > jpeg.size())
                return ErrorOr<size_t>::FromError(Error::InvalidData);
            size_t length = size_t(Byte(jpeg, position)) << 8 | Byte(jpeg, position + 1);
            if (length < 2 || position + length > jpeg.size())
                return ErrorOr<size_t>::FromError(Error::InvalidData);
            segment.payload = jpeg.substr(position + 2, length - 2);
            position += length;
        }
        segment.bytes = jpeg.substr(start, position - start);
        visit(segment);
    }
    return ErrorOr<size_t>::FromError(Error::InvalidData);
}

bool HasEndOfImage(std::string_view jpeg, size_t firstScan)
{
    return jpeg.find("\xFF\xD9", firstScan) != std::string_view::npos;
}
