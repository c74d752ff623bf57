#pragma once

#include <cstdint>

// What the frame and scan headers of a JPEG say.

struct JpegComponent {
    uint8_t id { 0 };
    uint8_t horizontal { 1 }; // sampling factors
    uint8_t vertical { 1 };
    uint8_t quantTable { 0 };
};

struct JpegFrame {
    uint16_t width { 0 };
    uint16_t height { 0 };
    int componentCount { 0 };
    JpegComponent components[4];
};

struct JpegScanComponent {
    int frameIndex { 0 }; // which frame component
    uint8_t dcTable { 0 };
    uint8_t acTable { 0 };
};

struct JpegScan {
    int componentCount { 0 };
    JpegScanComponent components[4];
};

// Quantisation values in natural (row-major) order.
struct QuantTable {
    uint16_t values[64] {};
    bool defined { false };
};

// The order in which the coefficients of a block are coded, as positions in
// the natural order. Sixteen spare entries send the steps that a damaged
// stream makes past the last coefficient to a harmless place.
extern const uint8_t ZigZagToNatural[64 + 16];
// The same positions in a block stored transposed (column * 8 + row).
extern const uint8_t ZigZagToTransposed[64 + 16];
