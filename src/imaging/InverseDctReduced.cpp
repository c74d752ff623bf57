#include "imaging/InverseDct.h"

#include "imaging/RangeLimit.h"

// 4-point transform in 13-bit fixed point over the 4x4 lowest coefficients:
// the samples at the centres of 2x2 pixel groups.
static constexpr int32_t Fix0_541196100 = 4433;
static constexpr int32_t Fix0_765366865 = 6270;
static constexpr int32_t Fix1_847759065Wide = 15137;

template<typename In>
static inline void Idct4(const In* in, int inStep, int64_t* out, int outStep, int shift, int64_t round)
{
    int64_t even0 = (static_cast<int64_t>(in[0]) + in[2 * inStep]) << 13;
    int64_t even1 = (static_cast<int64_t>(in[0]) - in[2 * inStep]) << 13;
    int64_t z2 = in[1 * inStep], z3 = in[3 * inStep];
    int64_t z1 = (z2 + z3) * Fix0_541196100;
    int64_t odd0 = z1 + z2 * Fix0_765366865;
    int64_t odd1 = z1 - z3 * Fix1_847759065Wide;
    out[0 * outStep] = (even0 + odd0 + round) >> shift;
    out[3 * outStep] = (even0 - odd0 + round) >> shift;
    out[1 * outStep] = (even1 + odd1 + round) >> shift;
    out[2 * outStep] = (even1 - odd1 + round) >> shift;
}

void InverseDct4x4(const int16_t* block, uint8_t* out, int stride)
{
    // Columns keep two extra bits; rows take them off together with the
    // fixed point and the 1/8 of the transform.
    int64_t work[16];
    for (int column = 0; column < 4; ++column)
        Idct4(block + column, 8, work + column, 4, 11, int64_t(1) << 10);
    for (int row = 0; row < 4; ++row) {
        int64_t result[4];
        Idct4(work + row * 4, 1, result, 1, 18, int64_t(1) << 17);
        for (int i = 0; i < 4; ++i)
            out[row * stride + i] = RangeLimit(static_cast<int32_t>(result[i]));
    }
}

void InverseDct2x2(const int16_t* block, uint8_t* out, int stride)
{
    int32_t c00 = block[0], c01 = block[1], c10 = block[8], c11 = block[9];
    int32_t evenTop = c00 + c10, evenBottom = c00 - c10;
    int32_t oddTop = c01 + c11, oddBottom = c01 - c11;
    out[0] = RangeLimit((evenTop + oddTop + 4) >> 3);
    out[1] = RangeLimit((evenTop - oddTop + 4) >> 3);
    out[stride] = RangeLimit((evenBottom + oddBottom + 4) >> 3);
    out[stride + 1] = RangeLimit((evenBottom - oddBottom + 4) >> 3);
}

uint8_t InverseDct1x1(int32_t dc)
{
    return RangeLimit((dc + 4) >> 3);
}
