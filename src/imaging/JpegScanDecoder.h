#pragma once

#include <cstdint>

class Dib;
class HuffmanTable;
class JpegBitReader;

// Everything the MCU loop needs about one component of the scan.
struct ScanComponentSetup {
    const HuffmanTable* dcTable { nullptr };
    const HuffmanTable* acTable { nullptr };
    int32_t quant[80] {}; // coding order, scaled for the decode scale
    int plane { 0 };      // 0 luma, 1 blue chroma, 2 red chroma
    int blocksWide { 1 }; // blocks of this component in one MCU
    int blocksHigh { 1 };
};

struct ScanSetup {
    int componentCount { 0 };
    ScanComponentSetup components[3];
    bool grey { false };
    int lumaHorizontal { 1 }; // the MCU is 8 * these pixels of the picture
    int lumaVertical { 1 };
    int mcuColumns { 0 };
    int mcuRows { 0 };
    int scale { 0 }; // samples come out at 1/2^scale
    uint16_t restartInterval { 0 };
};

// Decodes the scan's MCUs, row by row, straight into the RGB565 bitmap,
// which must hold mcuColumns x mcuRows MCUs at the scale. Always runs to the
// last MCU row, whatever the data holds.
void DecodeScan(const ScanSetup& setup, JpegBitReader& reader, Dib& bitmap);
