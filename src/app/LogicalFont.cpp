#include "app/LogicalFont.h"

static void Put32(std::uint8_t* out, std::int32_t value)
{
    auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

static std::int32_t Get32(const std::uint8_t* in)
{
    return static_cast<std::int32_t>(in[0] | (in[1] << 8) | (in[2] << 16) | (std::uint32_t(in[3]) << 24));
}

std::array<std::uint8_t, LogicalFont::kRecordSize> LogicalFont::ToBytes() const
{
    std::array<std::uint8_t, kRecordSize> bytes {};
    std::int32_t fields[] = { height, width, escapement, orientation, weight };
    for (int i = 0; i < 5; ++i)
        Put32(&bytes[4 * i], fields[i]);
    std::uint8_t flags[] = { italic, underline, strikeOut, charSet, outPrecision, clipPrecision, quality, pitchAndFamily };
    for (int i = 0; i < 8; ++i)
        bytes[20 + i] = flags[i];
    for (size_t i = 0; i < 31 && i < faceName.size(); ++i) {
        bytes[28 + 2 * i] = static_cast<std::uint8_t>(faceName[i] & 0xFF);
        bytes[29 + 2 * i] = static_cast<std::uint8_t>(faceName[i] >> 8);
    }
    return bytes;
}

LogicalFont LogicalFont::FromBytes(std::span<const std::uint8_t, kRecordSize> bytes)
{
    LogicalFont font;
    font.height = Get32(&bytes[0]);
    font.width = Get32(&bytes[4]);
    font.escapement = Get32(&bytes[8]);
    font.orientation = Get32(&bytes[12]);
    font.weight = Get32(&bytes[16]);
    font.italic = bytes[20];
    font.underline = bytes[21];
    font.strikeOut = bytes[22];
    font.charSet = bytes[23];
    font.outPrecision = bytes[24];
    font.clipPrecision = bytes[25];
    font.quality = bytes[26];
    font.pitchAndFamily = bytes[27];
    for (size_t i = 0; i < 32; ++i) {
        auto unit = static_cast<char16_t>(bytes[28 + 2 * i] | (bytes[29 + 2 * i] << 8));
        if (unit == 0)
            break;
        font.faceName.push_back(unit);
    }
    return font;
}
