#include "transport/XmlWriter.h"

#include "transport/XmlEntities.h"

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

bool WriteCharacter(Stream& stream, char character)
{
    return stream.Write(&character, 1);
}

}

bool WriteBase64(Stream& destination, Stream& source)
{
    std::uint8_t group[3];
    for (;;) {
        int count = 0;
        while (count < 3 && source.ReadByte(group[count]))
            ++count;
        if (count == 0)
            return true;
        for (int i = count; i < 3; ++i)
            group[i] = 0;
        std::uint32_t bits = (std::uint32_t { group[0] } << 16) | (std::uint32_t { group[1] } << 8) | group[2];
        char out[4] = {
            kAlphabet[(bits >> 18) & 63],
            kAlphabet[(bits >> 12) & 63],
            count > 1 ? kAlphabet[(bits >> 6) & 63] : '=',
            count > 2 ? kAlphabet[bits & 63] : '=',
        };
        for (char character : out) {
            if (!WriteCharacter(destination, character))
                return false;
        }
        if (count < 3)
            return true;
    }
}
