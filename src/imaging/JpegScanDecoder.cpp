#include "imaging/JpegScanDecoder.h"

#include "imaging/BlockDecoding.h"
#include "imaging/Dib.h"
#include "imaging/InverseDct.h"
#include "imaging/McuToRgb565.h"

#include <cstring>

namespace {

// Decodes one block and writes its samples (8 >> scale square) at out.
template<int Scale>
inline void DecodeBlock(JpegBitReader& reader, const ScanComponentSetup& component, int32_t& predictor, bool exhausted, uint8_t* out, int stride)
{
    if (exhausted) {
        // Past the end of the data: the picture goes on in the last colour.
        int16_t block[64] {};
        block[0] = SaturateCoefficient(predictor * component.quant[0]);
        if constexpr (Scale == 0)
            InverseDct8x8DcOnly(block, out, stride);
        else
            for (int y = 0; y < (8 >> Scale); ++y)
                std::memset(out + y * stride, InverseDct1x1(predictor * component.quant[0]), 8 >> Scale);
        return;
    }
    BitWindow bits(reader);
    int32_t dc = DecodeDc(bits, *component.dcTable, predictor);
    if constexpr (Scale == 3) {
        SkipAc(bits, *component.acTable);
        *out = InverseDct1x1(dc * component.quant[0]);
        return;
    }
    alignas(16) int16_t block[64];
    std::memset(block, 0, sizeof block);
    block[0] = SaturateCoefficient(dc * component.quant[0]);
    const uint8_t* order = Scale == 0 ? ZigZagToTransposed : ZigZagToNatural;
    int end = DecodeAc(bits, *component.acTable, component.quant, order, block);
    if constexpr (Scale == 0) {
        if (end == 1)
            InverseDct8x8DcOnly(block, out, stride);
        else
            InverseDct8x8(block, out, stride);
    } else if constexpr (Scale == 1) {
        InverseDct4x4(block, out, stride);
    } else {
        InverseDct2x2(block, out, stride);
    }
}

template<int Scale>
void DecodeScanAtScale(const ScanSetup& setup, JpegBitReader& reader, Dib& bitmap)
{
    constexpr int BlockSize = 8 >> Scale;
    McuPlanes planes;
    int32_t predictors[3] {};
    int restartsLeft = setup.restartInterval;
    int mcuWidth = setup.lumaHorizontal * BlockSize;
    int mcuHeight = setup.lumaVertical * BlockSize;
    McuConverter convert = SelectMcuConverter(setup.grey, setup.lumaHorizontal, setup.lumaVertical);

    for (int mcuRow = 0; mcuRow < setup.mcuRows; ++mcuRow) {
        uint16_t* rowOut = bitmap.Row16(mcuRow * mcuHeight);
        size_t stride = bitmap.Stride() / 2;
        for (int mcuColumn = 0; mcuColumn < setup.mcuColumns; ++mcuColumn) {
            if (setup.restartInterval) {
                if (restartsLeft == 0) {
                    reader.Restart();
                    predictors[0] = predictors[1] = predictors[2] = 0;
                    restartsLeft = setup.restartInterval;
                }
                --restartsLeft;
            }
            bool exhausted = reader.Exhausted();
            for (int c = 0; c < setup.componentCount; ++c) {
                const ScanComponentSetup& component = setup.components[c];
                uint8_t* plane = planes.Plane(component.plane);
                int planeStride = McuPlanes::Stride(component.plane);
                for (int by = 0; by < component.blocksHigh; ++by) {
                    for (int bx = 0; bx < component.blocksWide; ++bx) {
                        uint8_t* out = plane + by * BlockSize * planeStride + bx * BlockSize;
                        DecodeBlock<Scale>(reader, component, predictors[c], exhausted, out, planeStride);
                    }
                }
            }
            convert(planes, BlockSize, rowOut + mcuColumn * mcuWidth, stride);
        }
    }
}

}

void DecodeScan(const ScanSetup& setup, JpegBitReader& reader, Dib& bitmap)
{
    switch (setup.scale) {
    case 0:
        DecodeScanAtScale<0>(setup, reader, bitmap);
        break;
    case 1:
        DecodeScanAtScale<1>(setup, reader, bitmap);
        break;
    case 2:
        DecodeScanAtScale<2>(setup, reader, bitmap);
        break;
    default:
        DecodeScanAtScale<3>(setup, reader, bitmap);
        break;
    }
}
