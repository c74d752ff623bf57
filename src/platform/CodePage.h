#pragma once

#include <string>
#include <string_view>

// Text conversions between the 8-bit form kept in records and on the wire
// (UTF-8, also the system code page here) and the UTF-16 form of the user
// interface. Malformed input becomes U+FFFD, as the platform converters do.

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// The system code page is UTF-8 on this platform.
inline std::u16string SystemCodePageToUtf16(std::string_view text) { return Utf8ToUtf16(text); }
inline std::string Utf16ToSystemCodePage(std::u16string_view text) { return Utf16ToUtf8(text); }
