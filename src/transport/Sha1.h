#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

using Sha1Digest = std::array<std::uint8_t, 20>;

// The SHA-1 digest (FIPS 180-1) of the bytes.
Sha1Digest Sha1(std::span<const std::uint8_t> bytes);
Sha1Digest Sha1(std::string_view text);
