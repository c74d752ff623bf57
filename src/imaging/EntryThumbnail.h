#pragma once

#include "imaging/Dib.h"
#include "platform/ErrorOr.h"

#include <cstddef>
#include <cstdint>

class File;

// The thumbnail the store keeps for every entry: the photo scaled to cover
// 96 x 96 and cut to it, saved as a JPEG of quality 80.
constexpr int EntryThumbnailSize = 96;
constexpr int EntryThumbnailQuality = 80;

// Makes the thumbnail bitmap of a photo file. A big photo is decoded at a
// reduced scale (or from its EXIF thumbnail), never at full size.
ErrorOr<Dib> MakeEntryThumbnail(File& photo);
// The same for a picture held in memory (a downloaded thumbnail).
ErrorOr<Dib> MakeEntryThumbnail(const uint8_t* data, size_t size);
