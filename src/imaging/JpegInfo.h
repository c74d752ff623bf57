#pragma once

#include <cstdint>

// What ReadInfo tells about a JPEG file without decoding it.
struct JpegInfo {
    uint16_t width { 0 };
    uint16_t height { 0 };
    bool hasExifThumbnail { false };
    char dateTaken[20] {};    // EXIF DateTimeOriginal, NUL-terminated
    char description[200] {}; // EXIF ImageDescription, NUL-terminated
};
