#pragma once

#include "platform/ErrorOr.h"

#include <cstdint>
#include <functional>
#include <string_view>

// The segments of a JPEG file before its first scan (JPEG, ITU T.81,
// B.1.1.2): each a marker with, for all but the standalone markers, a
// length and a payload.
struct JpegSegment {
    std::uint8_t marker { 0 };
    std::string_view bytes;   // the whole segment, fill bytes and marker included
    std::string_view payload; // after the length; empty for standalone markers
};

// Visits every segment after SOI up to the first scan (or EOI) and answers
// the offset where that scan's marker begins. Fails with InvalidData when
// the bytes are not a JPEG's segment structure.
ErrorOr<size_t> WalkJpegHeaders(std::string_view jpeg, const std::function<void(const JpegSegment&)>& visit);

// Whether the picture's compressed data is followed by its end marker, so
// the file was not cut short (inside compressed data a 0xFF byte is always
// followed by 0x00 or a restart marker, never by 0xD9).
bool HasEndOfImage(std::string_view jpeg, size_t firstScan);
