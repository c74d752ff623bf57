#pragma once

#include <cstddef>
#include <cstdint>

// The samples of one MCU after the inverse DCTs: luma up to 16x16, one
// block of each chroma component.
struct McuPlanes {
    alignas(16) uint8_t luma[16 * 16];
    alignas(16) uint8_t blue[8 * 8];
    alignas(16) uint8_t red[8 * 8];

    uint8_t* Plane(int index) { return index == 0 ? luma : (index == 1 ? blue : red); }
    static int Stride(int index) { return index == 0 ? 16 : 8; }
};

// Writes an MCU as RGB565 pixels: blockSize is the samples per block side
// at the decode scale; out points at the MCU's top-left pixel, stride in
// pixels. Chroma is widened by repetition.
using McuConverter = void (*)(const McuPlanes& planes, int blockSize, uint16_t* out, size_t stride);

McuConverter SelectMcuConverter(bool grey, int lumaHorizontal, int lumaVertical);
