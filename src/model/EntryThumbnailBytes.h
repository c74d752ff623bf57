#pragma once

#include "platform/ErrorOr.h"

#include <cstdint>
#include <string>
#include <vector>

class File;

// The thumbnail an entry keeps, as the bytes of a complete JPEG file: the
// picture fitted into 96 x 96 (filling and cropping) by the imaging layer
// and encoded at quality 80, in memory (a temporary file would only be read
// back and deleted). Fails when the picture cannot be decoded.
ErrorOr<std::vector<std::uint8_t>> MakeEntryThumbnailBytes(File& photo);
ErrorOr<std::vector<std::uint8_t>> MakeEntryThumbnailBytes(const std::uint8_t* data, size_t size);
