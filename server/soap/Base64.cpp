#include "server/soap/Base64.h"

#include <array>
#include <cstdint>

namespace {

constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// What each byte of the text stands for: its sextet (0-63), or one of the
// marks below.
constexpr std::uint8_t Space = 64;
constexpr std::uint8_t Padding = 65;
constexpr std::uint8_t Stray = 255;

constexpr std::array<std::uint8_t, 256> MakeSextets()
{
    std::array<std::uint8_t, 256> sextets {};
    sextets.fill(Stray);
    for (std::uint8_t i = 0; i < 64; ++i)
        sextets[static_cast<unsigned char>(Alphabet[i])] = i;
    for (char c : { ' ', '\t', '\n', '\r' })
        sextets[static_cast<unsigned char>(c)] = Space;
    sextets['='] = Padding;
    return sextets;
}

constexpr std::array<std::uint8_t, 256> Sextets = MakeSextets();

}

std::optional<std::string> DecodeBase64(std::string_view text)
{
    // Every four bytes of text hold at most three bytes.
    std::string bytes(text.size() / 4 * 3 + 3, '\0');
    char* out = bytes.data();
    const auto* in = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = in + text.size();
    std::uint32_t group = 0;
    int filled = 0;  // sextets in the group
    int padding = 0; // "=" seen
    while (in != end) {
        // The usual case, a whole group of four sextets at once. An upload
        // is a few hundred kilobytes of them.
        if (filled == 0 && padding == 0 && end - in >= 4) {
            std::uint32_t a = Sextets[in[0]], b = Sextets[in[1]], c = Sextets[in[2]], d = Sextets[in[3]];
            if ((a | b | c | d) < 64) {
                std::uint32_t whole = a << 18 | b << 12 | c << 6 | d;
                out[0] = static_cast<char>(whole >> 16);
                out[1] = static_cast<char>(whole >> 8);
                out[2] = static_cast<char>(whole);
                out += 3;
                in += 4;
                continue;
            }
        }
        std::uint8_t value = Sextets[*in++];
        if (value == Space)
            continue;
        if (value == Padding) {
            // Padding completes a group of 2 or 3 sextets, and nothing but
            // more padding (or space) may follow.
            if (filled + padding < 2)
                return std::nullopt;
            ++padding;
            if (filled + padding > 4)
                return std::nullopt;
            continue;
        }
        if (value == Stray || padding > 0)
            return std::nullopt;
        group = (group << 6) | value;
        if (++filled == 4) {
            *out++ = static_cast<char>(group >> 16);
            *out++ = static_cast<char>(group >> 8);
            *out++ = static_cast<char>(group);
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
        *out++ = static_cast<char>(group >> 4);
        break;
    case 3:
        if (group & 0x3)
            return std::nullopt;
        *out++ = static_cast<char>(group >> 10);
        *out++ = static_cast<char>(group >> 2);
        break;
    default:
        return std::nullopt; // a single sextet holds no whole byte
    }
    bytes.resize(static_cast<std::size_t>(out - bytes.data()));
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
