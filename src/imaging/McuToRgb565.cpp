#include "imaging/McuToRgb565.h"

#include "imaging/SimdVector.h"
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

// Small blocks (1/4 and 1/8 scale): through the tables.
template<int H, int V>
void ConvertColourByTable(const McuPlanes& planes, int blockSize, uint16_t* out, size_t stride)
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

// The chroma terms of four chroma samples, in the tables' 16.16 arithmetic
// (the results equal the table entries exactly).
struct ChromaTerms {
    Int32x4 red, green, blue;
};

inline ChromaTerms ChromaTermsOf(const uint8_t* blue, const uint8_t* red)
{
    Int32x4 cb = LoadUint8x4(blue) - 128;
    Int32x4 cr = LoadUint8x4(red) - 128;
    return {
        (cr * 91881 + 32768) >> 16,
        (cb * -22554 + cr * -46802 + 32768) >> 16,
        (cb * 116130 + 32768) >> 16,
    };
}

inline void StorePixels(uint16_t* out, Int32x4 luma, Int32x4 redTerm, Int32x4 greenTerm, Int32x4 blueTerm)
{
    Int32x4 r = ClampVector(luma + redTerm, 0, 255);
    Int32x4 g = ClampVector(luma + greenTerm, 0, 255);
    Int32x4 b = ClampVector(luma + blueTerm, 0, 255);
    StoreUint16x4(out, ((r & 0xF8) << 8) | ((g & 0xFC) << 3) | (b >> 3));
}

// Whole and half blocks, four chroma samples at a time.
template<int H, int V>
VBX_SIMD_CLONES void ConvertColourWide(const McuPlanes& planes, int blockSize, uint16_t* out, size_t stride)
{
    for (int y = 0; y < blockSize * V; ++y) {
        const uint8_t* luma = planes.luma + y * 16;
        const uint8_t* blue = planes.blue + (y / V) * 8;
        const uint8_t* red = planes.red + (y / V) * 8;
        uint16_t* o = out + y * stride;
        for (int x = 0; x < blockSize; x += 4) {
            ChromaTerms terms = ChromaTermsOf(blue + x, red + x);
            if constexpr (H == 1) {
                StorePixels(o + x, LoadUint8x4(luma + x), terms.red, terms.green, terms.blue);
            } else {
                StorePixels(o + 2 * x, LoadUint8x4(luma + 2 * x), __builtin_shufflevector(terms.red, terms.red, 0, 0, 1, 1),
                    __builtin_shufflevector(terms.green, terms.green, 0, 0, 1, 1), __builtin_shufflevector(terms.blue, terms.blue, 0, 0, 1, 1));
                StorePixels(o + 2 * x + 4, LoadUint8x4(luma + 2 * x + 4), __builtin_shufflevector(terms.red, terms.red, 2, 2, 3, 3),
                    __builtin_shufflevector(terms.green, terms.green, 2, 2, 3, 3), __builtin_shufflevector(terms.blue, terms.blue, 2, 2, 3, 3));
            }
        }
    }
}

template<int H, int V>
void ConvertColour(const McuPlanes& planes, int blockSize, uint16_t* out, size_t stride)
{
    if (blockSize >= 4)
        ConvertColourWide<H, V>(planes, blockSize, out, stride);
    else
        ConvertColourByTable<H, V>(planes, blockSize, out, stride);
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
