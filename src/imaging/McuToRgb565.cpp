#include "imaging/McuToRgb565.h"

#include "imaging/YccToRgb565.h"

namespace {

void ConvertGrey(const McuPlanes& planes, int blockSize, uint16_t* out, size_t stride)
{
    const uint16_t* grey = GetYccTables().grey;
    for (int y = 0; y < blockSize; ++y) {
        const uint8_t* luma = planes.luma + y * 16;
        uint16_t* o = out + y * stride;
        for (int x = 0; x < blockSize; ++x)
            o[x] = grey[luma[x]];
    }
}

template<int H, int V>
void ConvertColour(const McuPlanes& planes, int blockSize, uint16_t* out, size_t stride)
{
    const YccTables& t = GetYccTables();
    for (int y = 0; y < blockSize * V; ++y) {
        const uint8_t* luma = planes.luma + y * 16;
        const uint8_t* blue = planes.blue + (y / V) * 8;
        const uint8_t* red = planes.red + (y / V) * 8;
        uint16_t* o = out + y * stride;
        for (int x = 0; x < blockSize; ++x) {
            int cb = blue[x];
            int cr = red[x];
            int redTerm = t.crToRed[cr];
            int blueTerm = t.cbToBlue[cb];
            int greenTerm = (t.cbToGreen[cb] + t.crToGreen[cr]) >> 16;
            for (int h = 0; h < H; ++h)
                o[x * H + h] = YccPixel(t, luma[x * H + h], redTerm, greenTerm, blueTerm);
        }
    }
}

}

McuConverter SelectMcuConverter(bool grey, int lumaHorizontal, int lumaVertical)
{
    if (grey)
        return ConvertGrey;
    if (lumaHorizontal == 2)
        return lumaVertical == 2 ? ConvertColour<2, 2> : ConvertColour<2, 1>;
    return lumaVertical == 2 ? ConvertColour<1, 2> : ConvertColour<1, 1>;
}
