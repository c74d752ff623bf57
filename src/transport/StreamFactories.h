#pragma once

#include "transport/LargeStream.h"
#include "transport/SmallStream.h"

#include <memory>

// A new, empty memory stream; its first write allocates the block. Null only
// when memory is exhausted.
std::unique_ptr<SmallStream> CreateMemoryStream();

// A new stream on a new temporary file, opened and empty; the file is gone
// once the stream is deleted (or the program ends, however it ends). Null
// when the file cannot be made.
std::unique_ptr<LargeStream> CreateTempStream();
