#pragma once

#include "transport/Stream.h"

#include <string_view>

// Writes the bytes of a text (no terminating NUL).
bool WriteText(Stream& stream, std::string_view text);

// Copies the source from its position to its end, chunk by chunk; false as
// soon as a write fails.
bool CopyStream(Stream& destination, Stream& source);
