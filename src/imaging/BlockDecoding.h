#pragma once

#include "imaging/HuffmanTable.h"
#include "imaging/JpegBitReader.h"
#include "imaging/JpegFrame.h"

#include <algorithm>
#include <cstdint>

// The entropy decoding of one 8x8 block. These are inline because they run
// once per block of the picture.

// Dequantised coefficients are kept within 16 bits; real pictures never come
// near the limits, damaged ones must not overflow the inverse DCT.
inline int16_t SaturateCoefficient(int32_t value)
{
    return static_cast<int16_t>(std::clamp(value, -32768, 32767));
}

// Decodes a DC difference and moves the component's predictor by it. The
// predictor is held to a range no real picture leaves.
inline int32_t DecodeDc(BitWindow& reader, const HuffmanTable& table, int32_t& predictor)
{
    reader.Ensure32();
    int32_t entry = table.Fast(reader.Peek(HuffmanTable::LookaheadBits));
    int32_t difference;
    if (entry & 0xFF) {
        reader.Consume(entry & 0xFF);
        difference = entry >> 16;
    } else {
        int length = 0;
        int symbol;
        if (uint16_t code = table.Lookup(reader.Peek(HuffmanTable::LookaheadBits))) {
            length = code >> 8;
            symbol = code & 0xFF;
        } else {
            symbol = table.DecodeSymbol(reader.Peek(16), length);
        }
        int size = std::min(symbol, 16);
        reader.Consume(length);
        difference = size ? ExtendValue(reader.Take(size), size) : 0;
    }
    predictor = std::clamp(predictor + difference, -65536, 65535);
    return predictor;
}

// Decodes the AC coefficients of a block into block (zeroed beforehand) at
// the positions order gives (80 entries), multiplied by quant (in coding
// order, 80 entries). Returns the coding position after the last
// coefficient: 1 when there were none.
inline int DecodeAc(BitWindow& reader, const HuffmanTable& table, const int32_t* quant, const uint8_t* order, int16_t* block)
{
    int k = 1;
    while (k < 64) {
        reader.Ensure32();
        int32_t entry = table.Fast(reader.Peek(HuffmanTable::LookaheadBits));
        int step;
        int32_t value;
        if (entry & 0xFF) {
            reader.Consume(entry & 0xFF);
            step = (entry >> 8) & 0xFF;
            if (step == 0)
                break;
            value = entry >> 16;
        } else {
            int length = 0;
            int symbol;
            if (uint16_t code = table.Lookup(reader.Peek(HuffmanTable::LookaheadBits))) {
                length = code >> 8;
                symbol = code & 0xFF;
            } else {
                symbol = table.DecodeSymbol(reader.Peek(16), length);
            }
            reader.Consume(length);
            int size = symbol & 15;
            if (size == 0) {
                if ((symbol >> 4) != 15)
                    break;
                k += 16;
                continue;
            }
            step = (symbol >> 4) + 1;
            value = ExtendValue(reader.Take(size), size);
        }
        k += step;
        block[order[k - 1]] = SaturateCoefficient(value * quant[k - 1]);
    }
    return std::min(k, 64);
}

// Reads past the AC coefficients of a block without keeping them.
inline void SkipAc(BitWindow& reader, const HuffmanTable& table)
{
    int k = 1;
    while (k < 64) {
        reader.Ensure32();
        uint16_t entry = table.Skip(reader.Peek(HuffmanTable::LookaheadBits));
        if (entry) {
            reader.Consume(entry & 0xFF);
            int step = entry >> 8;
            if (step == 0)
                return;
            k += step;
            continue;
        }
        int length = 0;
        int symbol = table.DecodeSymbol(reader.Peek(16), length);
        reader.Consume(length);
        int size = symbol & 15;
        if (size == 0) {
            if ((symbol >> 4) != 15)
                return;
            k += 16;
            continue;
        }
        reader.Consume(size);
        k += (symbol >> 4) + 1;
    }
}
