#include "ImagingTestHelpers.h"
#include "imaging/Dib.h"
#include "imaging/MemoryDeviceContext.h"

#include <gtest/gtest.h>

TEST(DecoderErrors, RefusesProgressiveAndArithmeticFilesWithoutDrawing)
{
    JpegOptions progressive;
    progressive.progressive = true;
    std::vector<uint8_t> file = SmallJpeg(progressive);
    EXPECT_EQ(InfoError(file), Error::JpegProgressive);
    EXPECT_EQ(DecodeError(file), Error::JpegProgressive);

    auto canvas = CreateDib(64, 64, 16);
    ASSERT_FALSE(canvas.IsError());
    MemoryDeviceContext context(*canvas);
    JpegImage image(file.data(), file.size());
    Rect rect { 1, 2, 50, 40 };
    EXPECT_EQ(image.Draw(context, rect, 0), Error::JpegProgressive);
    EXPECT_EQ(rect, (Rect { 1, 2, 50, 40 }));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(canvas->Row16(y)[x], 0);

    JpegOptions arithmetic;
    arithmetic.arithmetic = true;
    EXPECT_EQ(DecodeError(SmallJpeg(arithmetic)), Error::JpegArithmetic);
}

TEST(DecoderErrors, FindsTheStartWithinTheFirst511Bytes)
{
    std::vector<uint8_t> file = SmallJpeg();
    auto plain = DecodeOurs(file, 0);
    ASSERT_FALSE(plain.IsError());

    std::vector<uint8_t> padded(511 + file.size(), 0x55);
    std::copy(file.begin(), file.end(), padded.begin() + 511);
    auto decoded = DecodeOurs(padded, 0);
    ASSERT_FALSE(decoded.IsError());
    EXPECT_TRUE(SamePixels(*plain, *decoded));

    padded.insert(padded.begin(), 0x55);
    EXPECT_EQ(DecodeError(padded), Error::JpegInvalid);

    std::vector<uint8_t> notFollowed = file;
    notFollowed[2] = 0x00;
    EXPECT_EQ(InfoError(notFollowed), Error::JpegInvalid);
    EXPECT_EQ(InfoError({}), Error::JpegInvalid);
    EXPECT_EQ(InfoError({ 0xFF, 0xD8 }), Error::JpegInvalid);
}

namespace {

struct HeaderFault {
    const char* name;
    ErrorCode expected;
    bool onlyWhenDecoding; // after the frame header (the Huffman tables follow it)
    std::vector<uint8_t> (*damage)(std::vector<uint8_t>);
};

void Put16(std::vector<uint8_t>& jpeg, size_t at, int value)
{
    jpeg[at] = static_cast<uint8_t>(value >> 8);
    jpeg[at + 1] = static_cast<uint8_t>(value);
}

const HeaderFault HeaderFaults[] = {
    { "more than 255 Huffman codes", Error::JpegHuffmanTooManyCodes, true, [](std::vector<uint8_t> j) {
         size_t at = FindSegment(j, 0xC4);
         j[at + 5 + 15] = 0xFF; // 255 more codes of length 16
         return j;
     } },
    { "Huffman class 2", Error::JpegHuffmanBadTableId, true, [](std::vector<uint8_t> j) {
         j[FindSegment(j, 0xC4) + 4] = 0x20;
         return j;
     } },
    { "Huffman table number 4", Error::JpegHuffmanBadTableId, true, [](std::vector<uint8_t> j) {
         j[FindSegment(j, 0xC4) + 4] = 0x04;
         return j;
     } },
    { "DHT shorter than its table", Error::JpegHuffmanSegmentShort, true, [](std::vector<uint8_t> j) {
         Put16(j, FindSegment(j, 0xC4) + 2, 12);
         return j;
     } },
    { "DQT length below 2", Error::JpegQuantSegmentShort, false, [](std::vector<uint8_t> j) {
         Put16(j, FindSegment(j, 0xDB) + 2, 1);
         return j;
     } },
    { "quantisation table number 4", Error::JpegQuantBadTableId, false, [](std::vector<uint8_t> j) {
         j[FindSegment(j, 0xDB) + 4] = 0x04;
         return j;
     } },
    { "DQT too short for its table", Error::JpegQuantTableShort, false, [](std::vector<uint8_t> j) {
         Put16(j, FindSegment(j, 0xDB) + 2, 40);
         return j;
     } },
    { "12-bit precision", Error::JpegBadPrecision, false, [](std::vector<uint8_t> j) {
         j[FindSegment(j, 0xC0) + 4] = 12;
         return j;
     } },
    { "five components", Error::JpegTooManyComponents, false, [](std::vector<uint8_t> j) {
         j[FindSegment(j, 0xC0) + 9] = 5;
         return j;
     } },
    { "frame length wrong", Error::JpegBadFrameLength, false, [](std::vector<uint8_t> j) {
         Put16(j, FindSegment(j, 0xC0) + 2, 18);
         return j;
     } },
    { "segment length below 2", Error::JpegBadSegmentLength, false, [](std::vector<uint8_t> j) {
         Put16(j, FindSegment(j, 0xE0) + 2, 1);
         return j;
     } },
    { "DRI length not 4", Error::JpegBadRestartLength, false, [](std::vector<uint8_t> j) {
         return WithSegmentAfterSoi(j, { 0xFF, 0xDD, 0x00, 0x05, 0x00, 0x01, 0x00 });
     } },
    { "JPG marker", Error::JpegUnexpectedMarker, false, [](std::vector<uint8_t> j) {
         return WithSegmentAfterSoi(j, { 0xFF, 0xC8, 0x00, 0x02 });
     } },
    { "lossless frame", Error::JpegUnsupportedFrame, false, [](std::vector<uint8_t> j) {
         j[FindSegment(j, 0xC0) + 1] = 0xC3;
         return j;
     } },
    { "arithmetic conditioning", Error::JpegArithmetic, false, [](std::vector<uint8_t> j) {
         return WithSegmentAfterSoi(j, { 0xFF, 0xCC, 0x00, 0x04, 0x00, 0x00 });
     } },
    { "no frame before the end", Error::JpegUnexpectedMarker, false, [](std::vector<uint8_t> j) {
         j.resize(FindSegment(j, 0xC0));
         return j;
     } },
    { "scan with no components", Error::JpegBadScanHeader, true, [](std::vector<uint8_t> j) {
         j[FindSegment(j, 0xDA) + 4] = 0;
         return j;
     } },
    { "scan naming an unknown component", Error::JpegUnknownScanComponent, true, [](std::vector<uint8_t> j) {
         j[FindSegment(j, 0xDA) + 5] = 0x77;
         return j;
     } },
    { "two components", Error::JpegBadComponentCount, true, [](std::vector<uint8_t> j) {
         size_t at = FindSegment(j, 0xC0);
         j[at + 9] = 2;
         Put16(j, at + 2, 14);
         return j;
     } },
    { "luma sampled 3x1", Error::JpegUnsupportedSampling, true, [](std::vector<uint8_t> j) {
         j[FindSegment(j, 0xC0) + 11] = 0x31;
         return j;
     } },
    { "subsampled chroma", Error::JpegUnsupportedSampling, true, [](std::vector<uint8_t> j) {
         j[FindSegment(j, 0xC0) + 14] = 0x21;
         return j;
     } },
};

}

TEST(DecoderErrors, EachHeaderFaultHasItsCode)
{
    std::vector<uint8_t> file = SmallJpeg();
    for (const HeaderFault& fault : HeaderFaults) {
        std::vector<uint8_t> damaged = fault.damage(file);
        EXPECT_EQ(InfoError(damaged), fault.onlyWhenDecoding ? Error::Success : fault.expected) << fault.name;
        for (int scale : { 0, 3 })
            EXPECT_EQ(DecodeError(damaged, scale), fault.expected) << fault.name << " at scale " << scale;
    }
}

TEST(DecoderErrors, FrameOfNoSizeIsReportedAndNeverDrawn)
{
    std::vector<uint8_t> file = SmallJpeg();
    size_t frame = FindSegment(file, 0xC0);
    std::fill(file.begin() + static_cast<long>(frame) + 5, file.begin() + static_cast<long>(frame) + 9, 0);
    JpegImage image(file.data(), file.size());
    JpegInfo info;
    EXPECT_EQ(image.ReadInfo(info), Error::FileNotFound);
    EXPECT_EQ(info.width, 0);
    Dib bitmap;
    Rect rect { 0, 0, 96, 96 };
    EXPECT_EQ(image.LoadBitmap(rect, 0, bitmap), Error::JpegInvalid);
    EXPECT_TRUE(bitmap.IsNull());
}

// A cut-off or damaged scan is not an error: decoding runs to the last MCU
// row without reading past the data, and what was there comes out right.
TEST(DecoderErrors, TruncatedOrDamagedScansStillDecodeToTheLastRow)
{
    JpegOptions options;
    options.restartInterval = 2;
    std::vector<uint8_t> file = SmallJpeg(options, 64, 64);
    auto whole = DecodeOurs(file, 0);
    ASSERT_FALSE(whole.IsError());
    size_t scan = FindSegment(file, 0xDA);
    for (size_t cut : { scan + 14, scan + 100, file.size() / 2, file.size() - 2 }) {
        // A copy of exactly the kept bytes, so that a read past them is caught
        // by the sanitizers.
        std::vector<uint8_t> truncated(file.begin(), file.begin() + static_cast<long>(cut));
        auto decoded = DecodeOurs(truncated, 0);
        ASSERT_FALSE(decoded.IsError()) << cut;
        EXPECT_EQ(decoded->Width(), 64);
        EXPECT_EQ(decoded->Height(), 64);
        if (cut == file.size() - 2) {
            // Only the end-of-image marker is missing.
            EXPECT_TRUE(SamePixels(*whole, *decoded));
        }
    }
    std::vector<uint8_t> damaged = file;
    for (size_t at = scan + 20; at < damaged.size() - 2; at += 37)
        damaged[at] ^= 0x5A;
    for (int scale = 0; scale < 4; ++scale)
        EXPECT_FALSE(DecodeOurs(damaged, scale).IsError());
}
