#include "transport/StreamUtilities.h"

#include <cstdint>

bool WriteText(Stream& stream, std::string_view text)
{
    if (text.size() > UINT32_MAX)
        return false;
    return stream.Write(text.data(), static_cast<std::uint32_t>(text.size()));
}

bool CopyStream(Stream& destination, Stream& source)
{
    const std::uint8_t* chunk = nullptr;
    std::uint32_t length = 0;
    while (source.ReadChunk(chunk, length)) {
        if (!destination.Write(chunk, length))
            return false;
    }
    return true;
}
