#pragma once

#include "transport/Stream.h"

#include <string_view>

// Writes text with the characters of the entity table replaced by their
// entities; every other byte, UTF-8 sequences included, goes out unchanged.
// The text ends at its first NUL. False when a write fails.
bool WriteEscaped(Stream& stream, std::string_view text);

// Writes the source's bytes from its position to its end in base64 (standard
// alphabet, "=" padding, no line breaks), one character per one-byte write.
// An empty source writes nothing and succeeds. False at the first failed
// write.
bool WriteBase64(Stream& destination, Stream& source);
