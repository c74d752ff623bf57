#pragma once

#include <cstdint>

// The inverse DCTs, one per decode scale. Each takes a block of dequantised
// coefficients in natural order and writes samples (0..255) to out, whose
// rows are stride bytes apart.

// Scale 1/1: fast AAN 8x8 transform. The coefficients must have been
// dequantised with the AAN-scaled tables of AanQuantScale() and stored
// transposed (block[column * 8 + row], see ZigZagToTransposed). Samples are
// clamped to 0..255 exactly as the range-limit table would for every value
// a real picture produces.
void InverseDct8x8(const int16_t* block, uint8_t* out, int stride);

// A block with a DC coefficient only (AAN-scaled): one flat 8x8 colour.
void InverseDct8x8DcOnly(const int16_t* block, uint8_t* out, int stride);

// Scale 1/2: a 4-point transform over the 4x4 lowest frequencies.
void InverseDct4x4(const int16_t* block, uint8_t* out, int stride);

// Scale 1/4: sums and differences of the four lowest coefficients.
void InverseDct2x2(const int16_t* block, uint8_t* out, int stride);

// Scale 1/8: the DC value alone.
uint8_t InverseDct1x1(int32_t dc);

// Multiplies a quantisation value by the AAN scale factor of its position
// (natural order), as the fast 8x8 transform expects.
int32_t AanQuantScale(int32_t quant, int naturalPosition);
