#pragma once

#include "transport/Stream.h"

#include <cstdint>
#include <optional>
#include <string_view>

// Forward-only scanning of the service's responses. None of these seeks
// back; each reads only as far as it needs.

// Advances past the first occurrence of the literal; false when the stream
// ends first.
bool FindText(Stream& stream, std::string_view literal);

// Advances to the next start tag "<name" that is not empty ("<TS />") and
// comes before the end tag "</limit" (limit = name when none is given).
// True when found: the stream then stands on the first non-blank byte after
// the name, ">" or the start of an attribute. A longer name that begins with
// `name` matches too. False after the end tag (the stream stands after it),
// at an empty element, or at the end of the stream.
bool FindElement(Stream& stream, std::string_view name, std::optional<std::string_view> limit = std::nullopt);

// Reads the value of the element (or attribute) the stream stands in into
// buffer: with an open-end byte (">" for element text, "\"" for an
// attribute) first up to and including it, an empty value when a "/"
// precedes it; then the bytes up to the close-start byte ("<" or "\""),
// which is consumed. At most size - 1 bytes are kept, the rest is read and
// dropped; the value is NUL-terminated and its entities replaced. An open-end
// byte of 0 means the stream already stands on the value. True when the value
// ended at its close-start byte (or was empty by "/"), false when the stream
// ended first.
bool ReadElementValue(Stream& stream, char* buffer, std::uint32_t size, char openEnd, char closeStart);

// Reads an unsigned decimal number (modulo 2^32): digits up to the first
// non-digit, which is consumed. No digits give 0.
std::uint32_t ReadNumber(Stream& stream);

// Skips blanks (CR, LF, TAB, space), then reads a word up to a blank, or in
// line mode up to CR or LF (spaces kept). The delimiter is consumed. At most
// size - 1 bytes are kept; the buffer is always NUL-terminated. True when a
// byte was kept.
bool ReadToken(Stream& stream, char* buffer, std::uint32_t size, bool lineMode);

// Like ReadToken outside line mode, with the comma both skipped before the
// item and ending it.
bool ReadListItem(Stream& stream, char* buffer, std::uint32_t size);
