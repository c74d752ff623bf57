#pragma once

#include <optional>
#include <string>
#include <string_view>

// Standard base64 ("A-Za-z0-9+/", "=" padding). Decoding skips ASCII white
// space (XML writers may wrap long runs) and fails on any other stray
// character, on misplaced padding and on leftover bits.
std::optional<std::string> DecodeBase64(std::string_view text);
std::string EncodeBase64(std::string_view bytes);
