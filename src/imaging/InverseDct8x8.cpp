#include "imaging/InverseDct.h"

#include "imaging/RangeLimit.h"
#include "imaging/SimdVector.h"

#include <algorithm>
#include <cstring>

// 16384 * s(row) * s(column), s(0) = 1, s(k) = sqrt(2) * cos(k * pi / 16):
// folding these into the quantisation values leaves the AAN transform with
// five multiplications per eight points.
// Tables keep their rows as the standard prints them.
// clang-format off
static constexpr int32_t AanScales[64] = {
    16384, 22725, 21407, 19266, 16384, 12873, 8867, 4520,
    22725, 31521, 29692, 26722, 22725, 17855, 12299, 6270,
    21407, 29692, 27969, 25172, 21407, 16819, 11585, 5906,
    19266, 26722, 25172, 22654, 19266, 15137, 10426, 5315,
    16384, 22725, 21407, 19266, 16384, 12873, 8867, 4520,
    12873, 17855, 16819, 15137, 12873, 10114, 6967, 3552,
    8867, 12299, 11585, 10426, 8867, 6967, 4799, 2446,
    4520, 6270, 5906, 5315, 4520, 3552, 2446, 1247,
};
// clang-format on

int32_t AanQuantScale(int32_t quant, int naturalPosition)
{
    // The scaled values keep two fraction bits. They are capped where no real
    // table goes, so that a damaged one can't overflow the arithmetic.
    int32_t scaled = (quant * AanScales[naturalPosition] + 2048) >> 12;
    return std::min(scaled, 16383);
}

// Constants in 8-bit fixed point.
static constexpr int32_t Fix1_082392200 = 277;
static constexpr int32_t Fix1_414213562 = 362;
static constexpr int32_t Fix1_847759065 = 473;
static constexpr int32_t Fix2_613125930 = 669;

static inline Int32x4 Multiply(Int32x4 value, int32_t constant)
{
    return (value * constant + 128) >> 8;
}

// One 8-point AAN inverse transform on four lanes at once: v[0..7] are the
// eight inputs, replaced by the eight outputs.
static inline void Aan8(Int32x4* v)
{
    Int32x4 tmp10 = v[0] + v[4];
    Int32x4 tmp11 = v[0] - v[4];
    Int32x4 tmp13 = v[2] + v[6];
    Int32x4 tmp12 = Multiply(v[2] - v[6], Fix1_414213562) - tmp13;
    Int32x4 even0 = tmp10 + tmp13;
    Int32x4 even3 = tmp10 - tmp13;
    Int32x4 even1 = tmp11 + tmp12;
    Int32x4 even2 = tmp11 - tmp12;

    Int32x4 z13 = v[5] + v[3];
    Int32x4 z10 = v[5] - v[3];
    Int32x4 z11 = v[1] + v[7];
    Int32x4 z12 = v[1] - v[7];
    Int32x4 odd7 = z11 + z13;
    Int32x4 rotated = Multiply(z11 - z13, Fix1_414213562);
    Int32x4 z5 = Multiply(z10 + z12, Fix1_847759065);
    Int32x4 tmp20 = Multiply(z12, Fix1_082392200) - z5;
    Int32x4 tmp22 = z5 - Multiply(z10, Fix2_613125930);
    Int32x4 odd6 = tmp22 - odd7;
    Int32x4 odd5 = rotated - odd6;
    Int32x4 odd4 = tmp20 + odd5;

    v[0] = even0 + odd7;
    v[7] = even0 - odd7;
    v[1] = even1 + odd6;
    v[6] = even1 - odd6;
    v[2] = even2 + odd5;
    v[5] = even2 - odd5;
    v[4] = even3 + odd4;
    v[3] = even3 - odd4;
}

// The block arrives transposed (horizontal frequencies in rows), so the
// first pass, run down the columns of the stored block, transforms the
// picture's rows; one transpose then puts the picture's columns in lanes and
// the second pass yields output rows ready to store.
VBX_SIMD_CLONES
void InverseDct8x8(const int16_t* block, uint8_t* out, int stride)
{
    Int32x4 left[8], right[8]; // lanes 0-3 and 4-7 of each row
    for (int k = 0; k < 8; ++k) {
        left[k] = LoadInt16x4(block + k * 8);
        right[k] = LoadInt16x4(block + k * 8 + 4);
    }
    Aan8(left);
    Aan8(right);
    // left[x] holds picture rows 0-3 at column x, right[x] rows 4-7.
    Int32x4 top[8], bottom[8]; // top[y]: columns 0-3 ... after the transpose
    for (int x = 0; x < 8; x += 4) {
        Int32x4 a = left[x], b = left[x + 1], c = left[x + 2], d = left[x + 3];
        Transpose4x4(a, b, c, d);
        Int32x4 e = right[x], f = right[x + 1], g = right[x + 2], h = right[x + 3];
        Transpose4x4(e, f, g, h);
        Int32x4* rows = x == 0 ? top : bottom;
        rows[0] = a;
        rows[1] = b;
        rows[2] = c;
        rows[3] = d;
        rows[4] = e;
        rows[5] = f;
        rows[6] = g;
        rows[7] = h;
    }
    // top[k] now holds frequency k of picture columns 0-3, bottom[k] of 4-7.
    // Rounding for the final shift rides along in the DC term.
    top[0] += 16;
    bottom[0] += 16;
    Aan8(top);
    Aan8(bottom);
    for (int y = 0; y < 8; ++y) {
        StoreUint8x4(out + y * stride, ClampVector((top[y] >> 5) + 128, 0, 255));
        StoreUint8x4(out + y * stride + 4, ClampVector((bottom[y] >> 5) + 128, 0, 255));
    }
}

void InverseDct8x8DcOnly(const int16_t* block, uint8_t* out, int stride)
{
    uint8_t value = RangeLimit((block[0] + 16) >> 5);
    for (int row = 0; row < 8; ++row)
        std::memset(out + row * stride, value, 8);
}
