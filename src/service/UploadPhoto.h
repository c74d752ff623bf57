#pragma once

#include "model/BlogEntry.h"
#include "platform/ErrorOr.h"
#include "transport/Stream.h"

#include <cstdint>
#include <memory>

// The blog's choices for the size at which new photos are uploaded.
namespace UploadSize {
constexpr std::uint16_t Fit320x240 = 0;
constexpr std::uint16_t Fit480x360 = 1;
constexpr std::uint16_t Fit640x480 = 2;
constexpr std::uint16_t FullSize = 3;
}

// The photo of an entry as it is uploaded: the file itself at full size
// (and for any code beyond), otherwise a copy scaled down to fit the
// chosen box (turned to match the photo's orientation), in a temporary file
// that disappears with the stream. A photo that already fits, or that
// cannot be decoded, goes as it is: the service judges it. 11000 when the
// entry's photo file cannot be opened.
ErrorOr<std::unique_ptr<Stream>> OpenUploadPhoto(const BlogEntry& entry, std::uint16_t uploadSizeCode);
