#pragma once

#include "transport/Stream.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The text of a response's message element ("<MS", at most 99 bytes), with
// which the service reports an error; none when the body has no such
// element. The stream then stands after the element.
std::optional<std::string> ReadServerErrorText(Stream& body);

// The suggestions that come with "Error: BlogURL already used": up to four
// "Alternate" elements of the "Alternates" element that follows the message,
// in order, each cut to `size` - 1 bytes; the ones missing stay empty.
using BlogUrlAlternates = std::array<std::string, 4>;
BlogUrlAlternates ReadBlogUrlAlternates(Stream& body, std::uint32_t size);
