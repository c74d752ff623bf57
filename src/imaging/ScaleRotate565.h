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

// Only a part of that result: the window of width x height pixels whose top
// left corner is (left, top) in the picture scaled to fullWidth x
// fullHeight. Each pixel is exactly the one the whole scaled picture holds
// there; pixels of the window outside it are left as they are. Fill and
// crop keeps the centre of a picture scaled up to cover its target, which
// for a tall, narrow picture can be a thousand times the target's size: it
// scales the part it keeps and no more.
void ScaleRotate565Part(const uint8_t* source, size_t sourceStride, int sourceWidth, int sourceHeight, Rotation rotation,
    int fullWidth, int fullHeight, int left, int top, uint8_t* destination, size_t destinationStride, int width, int height);
