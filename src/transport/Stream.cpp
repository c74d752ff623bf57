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
