#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// What the program takes from an EXIF block.
struct ExifInfo {
    bool hasThumbnail { false };    // a JPEG thumbnail of non-zero length
    uint32_t thumbnailOffset { 0 }; // from the TIFF header
    uint32_t thumbnailLength { 0 };
    std::string dateTaken;   // DateTimeOriginal, "YYYY:MM:DD HH:MM:SS"
    std::string description; // ImageDescription
    std::string make;
    std::string model;
    std::string userComment;
};

// Limits of the texts kept (the room the picture information gives them).
constexpr size_t ExifDateLength = 19;
constexpr size_t ExifTextLength = 199;

// Reads the TIFF structure that follows "Exif\0\0" in an APP1 segment:
// IFD0, then the next IFD (the thumbnail's), and the Exif sub-IFD once.
// Anything pointing outside the block is ignored.
ExifInfo ReadExif(const uint8_t* tiff, size_t length);
