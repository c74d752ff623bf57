#pragma once

#include <cstdint>

// How JpegImage fits a picture into a target rectangle.
namespace LoadFlags {

constexpr uint32_t NoFinerScale = 0x1; // keep the coarsest scale that fits
constexpr uint32_t RotateCounterClockwise = 0x2;
constexpr uint32_t NoRotate = 0x4;
constexpr uint32_t NeverUseExifThumbnail = 0x8;
constexpr uint32_t AlwaysUseExifThumbnail = 0x10;
constexpr uint32_t CallerMark = 0x20;   // set by callers; changes nothing here
constexpr uint32_t ReturnBitmap = 0x40; // hand the bitmap back instead of drawing
constexpr uint32_t MinimumBox96 = 0x200;
constexpr uint32_t NaturalSize = 0x800;
constexpr uint32_t FillAndCrop = 0x4000;
constexpr uint32_t NoHorizontalCentre = 0x10000;
constexpr uint32_t NoVerticalCentre = 0x20000;

}
