#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text as the devices read it back. They scan answers instead of parsing
// them and know eight entities only: the five of XML and the character
// references of TAB, LF and CR. Everything the service writes inside an
// element or attribute goes through EscapeWireText, and no other character
// reference (nor CDATA) is ever written.
std::string EscapeWireText(std::string_view text);

// The longest start of text, cut at a character boundary, whose escaped form
// fits in maxEscapedBytes: the devices read each value into a fixed buffer,
// so a stored value must fit there whole to come back unchanged.
std::string FitEscaped(std::string_view text, size_t maxEscapedBytes);

// Whether text is well-formed UTF-8 without NUL bytes.
bool IsValidUtf8(std::string_view text);
