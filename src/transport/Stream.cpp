#include "transport/Stream.h"

#include <cstring>

void Stream::ConvertText(const char* source, char* destination, std::uint32_t destinationSize, TextDirection)
{
    if (destinationSize == 0)
        return;
    std::size_t length = source ? ::strnlen(source, destinationSize - 1) : 0;
    if (length > 0)
        std::memmove(destination, source, length);
    destination[length] = '\0';
}

std::uint32_t Stream::Read(void* buffer, std::uint32_t size)
{
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    std::uint32_t taken = 0;
    while (taken < size && ReadByte(bytes[taken]))
        ++taken;
    return taken;
}
