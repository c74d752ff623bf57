#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// A font as the platform's logical-font record describes it; stored in the
// registry as exactly these 92 bytes: five 32-bit fields, eight bytes, and
// the face name as 32 UTF-16 units.
struct LogicalFont {
    static constexpr std::uint32_t kRecordSize = 92;

    std::int32_t height { 0 };
    std::int32_t width { 0 };
    std::int32_t escapement { 0 };
    std::int32_t orientation { 0 };
    std::int32_t weight { 0 };
    std::uint8_t italic { 0 };
    std::uint8_t underline { 0 };
    std::uint8_t strikeOut { 0 };
    std::uint8_t charSet { 0 };
    std::uint8_t outPrecision { 0 };
    std::uint8_t clipPrecision { 0 };
    std::uint8_t quality { 0 };
    std::uint8_t pitchAndFamily { 0 };
    std::u16string faceName; // at most 31 units

    std::array<std::uint8_t, kRecordSize> ToBytes() const;
    static LogicalFont FromBytes(std::span<const std::uint8_t, kRecordSize> bytes);

    bool operator==(const LogicalFont&) const = default;
};
