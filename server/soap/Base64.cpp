#include "server/soap/Base64.h"

#include <cstdint>

namespace {

constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int ValueOf(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

}

std::optional<std::string> DecodeBase64(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() / 4 * 3);
    std::uint32_t group = 0;
    int filled = 0;  // sextets in the group
    int padding = 0; // "=" seen
    for (char c : text) {
        if (IsSpace(c))
            continue;
        if (c == '=') {
            // Padding completes a group of 2 or 3 sextets, and nothing but
            // more padding (or space) may follow.
            if (filled + padding < 2)
                return std::nullopt;
            ++padding;
            if (filled + padding > 4)
                return std::nullopt;
            continue;
        }
        int value = ValueOf(c);
        if (value < 0 || padding > 0)
            return std::nullopt;
        group = (group << 6) | static_cast<std::uint32_t>(value);
        if (++filled == 4) {
            bytes += static_cast<char>(group >> 16);
            bytes += static_cast<char>(group >> 8);
            bytes += static_cast<char>(group);
            group = 0;
            filled = 0;
        }
    }
    if (padding > 0 && filled + padding != 4)
        return std::nullopt;
    switch (filled) {
    case 0:
        break;
    case 2:
        if (group & 0xF)
            return std::nullopt;
        bytes += static_cast<char>(group >> 4);
        break;
    case 3:
        if (group & 0x3)
            return std::nullopt;
        bytes += static_cast<char>(group >> 10);
        bytes += static_cast<char>(group >> 2);
        break;
    default:
        return std::nullopt; // a single sextet holds no whole byte
    }
    return bytes;
}

std::string EncodeBase64(std::string_view bytes)
{
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        std::uint32_t group = (static_cast<std::uint8_t>(bytes[i]) << 16) | (static_cast<std::uint8_t>(bytes[i + 1]) << 8) | static_cast<std::uint8_t>(bytes[i + 2]);
        text += Alphabet[group >> 18];
        text += Alphabet[(group >> 12) & 63];
        text += Alphabet[(group >> 6) & 63];
        text += Alphabet[group & 63];
    }
    size_t rest = bytes.size() - i;
    if (rest > 0) {
        std::uint32_t group = static_cast<std::uint8_t>(bytes[i]) << 16;
        if (rest == 2)
            group |= static_cast<std::uint8_t>(bytes[i + 1]) << 8;
        text += Alphabet[group >> 18];
        text += Alphabet[(group >> 12) & 63];
        text += rest == 2 ? Alphabet[(group >> 6) & 63] : '=';
        text += '=';
    }
    return text;
}
