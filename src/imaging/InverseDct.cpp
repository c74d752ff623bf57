#include "imaging/InverseDct.h"

#include "imaging/RangeLimit.h"

#include <algorithm>
#include <cstring>

// 16384 * s(row) * s(column), s(0) = 1, s(k) = sqrt(2) * cos(k * pi / 16):
// folding these into the quantisation values leaves the AAN transform with
// five multiplications per eight points.
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

static inline int32_t Multiply(int32_t value, int32_t constant)
{
    return (value * constant + 128) >> 8;
}

// One 8-point AAN inverse transform; in and out may be the same array.
template<typename In>
static inline void Aan8(const In* in, int inStep, int32_t* out, int outStep)
{
    int32_t tmp0 = in[0 * inStep], tmp1 = in[2 * inStep], tmp2 = in[4 * inStep], tmp3 = in[6 * inStep];
    int32_t tmp10 = tmp0 + tmp2;
    int32_t tmp11 = tmp0 - tmp2;
    int32_t tmp13 = tmp1 + tmp3;
    int32_t tmp12 = Multiply(tmp1 - tmp3, Fix1_414213562) - tmp13;
    tmp0 = tmp10 + tmp13;
    tmp3 = tmp10 - tmp13;
    tmp1 = tmp11 + tmp12;
    tmp2 = tmp11 - tmp12;

    int32_t tmp4 = in[1 * inStep], tmp5 = in[3 * inStep], tmp6 = in[5 * inStep], tmp7 = in[7 * inStep];
    int32_t z13 = tmp6 + tmp5;
    int32_t z10 = tmp6 - tmp5;
    int32_t z11 = tmp4 + tmp7;
    int32_t z12 = tmp4 - tmp7;
    tmp7 = z11 + z13;
    tmp11 = Multiply(z11 - z13, Fix1_414213562);
    int32_t z5 = Multiply(z10 + z12, Fix1_847759065);
    tmp10 = Multiply(z12, Fix1_082392200) - z5;
    tmp12 = z5 - Multiply(z10, Fix2_613125930);
    tmp6 = tmp12 - tmp7;
    tmp5 = tmp11 - tmp6;
    tmp4 = tmp10 + tmp5;

    out[0 * outStep] = tmp0 + tmp7;
    out[7 * outStep] = tmp0 - tmp7;
    out[1 * outStep] = tmp1 + tmp6;
    out[6 * outStep] = tmp1 - tmp6;
    out[2 * outStep] = tmp2 + tmp5;
    out[5 * outStep] = tmp2 - tmp5;
    out[4 * outStep] = tmp3 + tmp4;
    out[3 * outStep] = tmp3 - tmp4;
}

void InverseDct8x8(const int16_t* block, uint8_t* out, int stride)
{
    int32_t work[64];
    // Columns first; most columns of a real picture carry only their DC.
    for (int column = 0; column < 8; ++column) {
        const int16_t* in = block + column;
        if ((in[8] | in[16] | in[24] | in[32] | in[40] | in[48] | in[56]) == 0) {
            int32_t dc = in[0];
            for (int row = 0; row < 8; ++row)
                work[row * 8 + column] = dc;
            continue;
        }
        Aan8(in, 8, work + column, 8);
    }
    // Rows: two fraction bits of the scaled tables and the 1/8 of the
    // transform come off at the end.
    for (int row = 0; row < 8; ++row) {
        int32_t* w = work + row * 8;
        uint8_t* o = out + row * stride;
        if ((w[1] | w[2] | w[3] | w[4] | w[5] | w[6] | w[7]) == 0) {
            std::memset(o, RangeLimit((w[0] + 16) >> 5), 8);
            continue;
        }
        int32_t result[8];
        w[0] += 16;   // rounding for the final shift rides along in the DC
        Aan8(w, 1, result, 1);
        for (int i = 0; i < 8; ++i)
            o[i] = RangeLimit(result[i] >> 5);
    }
}

void InverseDct8x8DcOnly(const int16_t* block, uint8_t* out, int stride)
{
    uint8_t value = RangeLimit((block[0] + 16) >> 5);
    for (int row = 0; row < 8; ++row)
        std::memset(out + row * stride, value, 8);
}

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
