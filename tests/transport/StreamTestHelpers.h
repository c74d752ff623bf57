#pragma once

#include "transport/Stream.h"

#include <string>

// Everything from the stream's position to its end, read byte by byte.
inline std::string ReadRest(Stream& stream)
{
    std::string text;
    std::uint8_t byte = 0;
    while (stream.ReadByte(byte))
        text.push_back(static_cast<char>(byte));
    return text;
}

// Everything from the stream's position to its end, read chunk by chunk.
inline std::string ReadChunks(Stream& stream)
{
    std::string text;
    const std::uint8_t* chunk = nullptr;
    std::uint32_t length = 0;
    while (stream.ReadChunk(chunk, length))
        text.append(reinterpret_cast<const char*>(chunk), length);
    return text;
}

// Everything from the stream's position to its end, read with Read in
// blocks of `block` bytes.
inline std::string ReadInBlocks(Stream& stream, std::uint32_t block)
{
    std::string text;
    std::string part(block, '\0');
    for (;;) {
        std::uint32_t taken = stream.Read(part.data(), block);
        text.append(part.data(), taken);
        if (taken < block)
            return text;
    }
}

// A text of the given length that does not repeat within 251 bytes.
inline std::string PatternText(std::size_t length)
{
    std::string text(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>('!' + (i * 7 + i / 251) % 90);
    return text;
}
