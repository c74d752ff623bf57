#pragma once

#include "imaging/Rect.h"

#include <cstdint>

enum class Rotation : uint8_t {
    None = 0,
    Clockwise = 1,
    CounterClockwise = 2,
};

// Which picture of a file to decode, how, and where the result goes.
struct FittingDecision {
    bool useExifThumbnail { false };
    int scale { 0 }; // decode at 1/2^scale
    Rotation rotation { Rotation::None };
    int sourceWidth { 0 }; // the picture as fitted (rotated)
    int sourceHeight { 0 };
    Rect result; // where the picture is drawn
};

// The size an EXIF thumbnail is taken to have when fitting.
constexpr int ExifThumbnailWidth = 160;
constexpr int ExifThumbnailHeight = 120;

// Decides for a picture of width x height (with or without an EXIF
// thumbnail) drawn into target with the LoadFlags. Width, height and the
// target's size must be positive.
FittingDecision DecideFitting(int width, int height, bool hasExifThumbnail, const Rect& target, uint32_t flags);
