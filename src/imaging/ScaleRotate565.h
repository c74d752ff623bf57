#pragma once

#include "imaging/FittingDecision.h"

#include <cstddef>
#include <cstdint>

// Scales an RGB565 picture of sourceWidth x sourceHeight to destination
// width x height, turning it by a quarter turn on request. Shrinking
// averages boxes of source pixels (the outer frame takes single pixels),
// enlarging takes the nearest pixel; all in 16.16 fixed point. Strides are
// in bytes.
void ScaleRotate565(const uint8_t* source, size_t sourceStride, int sourceWidth, int sourceHeight, Rotation rotation,
    uint8_t* destination, size_t destinationStride, int width, int height);
