#include "transport/XmlWriter.h"

#include "transport/XmlEntities.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

bool WriteEscaped(Stream& stream, std::string_view text)
{
    // The stream's text hook sees the text first; its output may be up to
    // twice as long (plus room for the terminator).
    std::string source(text);
    std::string converted(2 * (source.size() + 10), '\0');
    stream.ConvertText(source.c_str(), converted.data(), static_cast<std::uint32_t>(converted.size()), TextDirection::Outgoing);
    std::string_view remaining(converted.c_str(), std::strlen(converted.c_str()));

    // Runs of plain bytes go out in one write each.
    while (!remaining.empty()) {
        std::size_t plain = 0;
        while (plain < remaining.size() && EntityForCharacter(remaining[plain]).empty())
            ++plain;
        if (plain > 0 && !stream.Write(remaining.data(), static_cast<std::uint32_t>(plain)))
            return false;
        remaining.remove_prefix(plain);
        if (remaining.empty())
            break;
        std::string_view entity = EntityForCharacter(remaining.front());
        if (!stream.Write(entity.data(), static_cast<std::uint32_t>(entity.size())))
            return false;
        remaining.remove_prefix(1);
    }
    return true;
}

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
// Whole groups of three bytes, so that only the last block can end in a
// part of one.
constexpr std::uint32_t kSourceBlock = 3 * 1024;

// Encodes `count` bytes (1 to 3) as four characters, padded with '='.
void EncodeGroup(const std::uint8_t* group, std::uint32_t count, char* out)
{
    std::uint32_t bits = std::uint32_t { group[0] } << 16;
    if (count > 1)
        bits |= std::uint32_t { group[1] } << 8;
    if (count > 2)
        bits |= group[2];
    out[0] = kAlphabet[(bits >> 18) & 63];
    out[1] = kAlphabet[(bits >> 12) & 63];
    out[2] = count > 1 ? kAlphabet[(bits >> 6) & 63] : '=';
    out[3] = count > 2 ? kAlphabet[bits & 63] : '=';
}

}

bool WriteBase64(Stream& destination, Stream& source)
{
    // The source is read and the text written a block at a time: a photo
    // is hundreds of kilobytes, and a call for every byte and every
    // character cost more than the rest of the request.
    std::uint8_t block[kSourceBlock];
    char text[kSourceBlock / 3 * 4];
    for (;;) {
        std::uint32_t count = source.Read(block, kSourceBlock);
        std::uint32_t written = 0;
        for (std::uint32_t done = 0; done < count; done += 3) {
            EncodeGroup(block + done, std::min<std::uint32_t>(3, count - done), text + written);
            written += 4;
        }
        if (written > 0 && !destination.Write(text, written))
            return false;
        // A short block is the end of the source.
        if (count < kSourceBlock)
            return true;
    }
}
