#include "imaging/PixelRow.h"

#include "imaging/Rgb565.h"

#include <cstring>

static void ReadPixel(const uint8_t* source, int bits, int index, uint8_t& red, uint8_t& green, uint8_t& blue)
{
    if (bits == 16) {
        uint16_t pixel = static_cast<uint16_t>(source[index * 2] | (source[index * 2 + 1] << 8));
        red = Red565(pixel);
        green = Green565(pixel);
        blue = Blue565(pixel);
        return;
    }
    const uint8_t* p = source + index * (bits / 8);
    blue = p[0];
    green = p[1];
    red = p[2];
}

void ConvertPixelRow(const uint8_t* source, int sourceBits, uint8_t* destination, int destinationBits, int count)
{
    if (count <= 0)
        return;
    if (sourceBits == destinationBits) {
        std::memmove(destination, source, static_cast<size_t>(count) * static_cast<size_t>(sourceBits / 8));
        return;
    }
    for (int i = 0; i < count; ++i) {
        uint8_t red, green, blue;
        ReadPixel(source, sourceBits, i, red, green, blue);
        if (destinationBits == 16) {
            uint16_t pixel = Pack565(red, green, blue);
            destination[i * 2] = static_cast<uint8_t>(pixel);
            destination[i * 2 + 1] = static_cast<uint8_t>(pixel >> 8);
            continue;
        }
        uint8_t* p = destination + i * (destinationBits / 8);
        p[0] = blue;
        p[1] = green;
        p[2] = red;
        if (destinationBits == 32)
            p[3] = 0;
    }
}

void PixelRowToRgb(const uint8_t* source, int sourceBits, uint8_t* rgb, int count)
{
    for (int i = 0; i < count; ++i)
        ReadPixel(source, sourceBits, i, rgb[i * 3], rgb[i * 3 + 1], rgb[i * 3 + 2]);
}
