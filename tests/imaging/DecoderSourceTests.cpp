#include "ImagingTestHelpers.h"
#include "imaging/JpegSource.h"
#include "platform/File.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> Photo(int restartInterval, int quality = 95)
{
    JpegOptions options;
    options.quality = quality;
    options.restartInterval = restartInterval;
    return EncodeJpeg(MakePhotoLikePicture(480, 320, 5), options);
}

// Moves the byte at `at` to the last place of the file buffer's first fill
// by putting a comment segment of the right size in front of everything.
std::vector<uint8_t> ShiftToFillBoundary(const std::vector<uint8_t>& jpeg, size_t at)
{
    size_t shift = JpegSource::FileFillSize - 1 - at;
    std::vector<uint8_t> comment(shift, 'c');
    comment[0] = 0xFF;
    comment[1] = 0xFE;
    comment[2] = static_cast<uint8_t>((shift - 2) >> 8);
    comment[3] = static_cast<uint8_t>(shift - 2);
    return WithSegmentAfterSoi(jpeg, comment);
}

size_t FindInScan(const std::vector<uint8_t>& jpeg, uint8_t second)
{
    for (size_t at = FindSegment(jpeg, 0xDA); at + 1 < jpeg.size(); ++at) {
        if (jpeg[at] == 0xFF && jpeg[at + 1] == second)
            return at;
    }
    return std::string::npos;
}

ErrorOr<Dib> DecodeFromFile(const std::vector<uint8_t>& jpeg, int scale, bool thumbnail = false)
{
    TemporaryFolder folder;
    std::string path = folder.File("photo.jpg");
    WriteTextFile(path, std::string(jpeg.begin(), jpeg.end()));
    auto file = File::Open(path, File::Mode::Read);
    if (file.IsError())
        return ErrorOr<Dib>::FromError(file.GetError());
    // The image reads from the top whatever the file position.
    (void)file->Seek(1000);
    JpegImage image(*file);
    return image.Decode(scale, thumbnail);
}

}

// The file is read through a 38,912-byte buffer that keeps one byte of
// look-back: a stuffed 0xFF 0x00 or a restart marker split by a refill must
// decode exactly as from memory.
TEST(DecoderSource, FileBufferBoundariesChangeNothing)
{
    std::vector<uint8_t> plain = Photo(0);
    std::vector<uint8_t> restarts = Photo(3);
    size_t stuffed = FindInScan(plain, 0x00);
    size_t marker = FindInScan(restarts, 0xD0);
    ASSERT_NE(stuffed, std::string::npos);
    ASSERT_NE(marker, std::string::npos);
    for (const auto& jpeg : { ShiftToFillBoundary(plain, stuffed), ShiftToFillBoundary(restarts, marker), plain }) {
        ASSERT_GT(jpeg.size(), JpegSource::FileFillSize + 1000);
        for (int scale : { 0, 3 }) {
            auto fromMemory = DecodeOurs(jpeg, scale);
            auto fromFile = DecodeFromFile(jpeg, scale);
            ASSERT_FALSE(fromMemory.IsError());
            ASSERT_FALSE(fromFile.IsError());
            EXPECT_TRUE(SamePixels(*fromMemory, *fromFile));
        }
    }
    EXPECT_GE(PsnrAgainstReference(ShiftToFillBoundary(restarts, marker), 0), 40.0);
}

TEST(DecoderSource, MemoryBlockIsNeverReadPastItsLength)
{
    std::vector<uint8_t> jpeg = Photo(0, 75);
    // Exactly the bytes of the file, nothing after: the sanitizer builds
    // catch any read beyond.
    for (size_t length : { jpeg.size(), jpeg.size() - 1, jpeg.size() / 3, size_t(700) }) {
        std::vector<uint8_t> block(jpeg.begin(), jpeg.begin() + static_cast<long>(length));
        for (int scale = 0; scale < 4; ++scale)
            EXPECT_FALSE(DecodeOurs(block, scale).IsError()) << length;
    }
}

TEST(DecoderSource, MissingHuffmanTablesFallBackToTheStandardOnes)
{
    // libjpeg-turbo writes the standard tables unless told to optimise.
    std::vector<uint8_t> jpeg = Photo(0, 80);
    auto withTables = DecodeOurs(jpeg, 0);
    auto withoutTables = DecodeOurs(WithoutSegments(jpeg, 0xC4), 0);
    ASSERT_FALSE(withTables.IsError());
    ASSERT_FALSE(withoutTables.IsError());
    EXPECT_TRUE(SamePixels(*withTables, *withoutTables));
}

TEST(DecoderSource, RestartIntervalsAndOddSizesDecodeAtEveryScale)
{
    for (int interval : { 1, 5 }) {
        for (auto [horizontal, vertical] : { std::pair { 2, 2 }, std::pair { 2, 1 }, std::pair { 1, 1 } }) {
            JpegOptions options;
            options.restartInterval = interval;
            options.lumaHorizontal = horizontal;
            options.lumaVertical = vertical;
            std::vector<uint8_t> jpeg = EncodeJpeg(MakePhotoLikePicture(77, 53, 9), options);
            EXPECT_GE(PsnrAgainstReference(jpeg, 0), 40.0) << interval << " " << horizontal << "x" << vertical;
            for (int scale = 0; scale < 4; ++scale) {
                auto decoded = DecodeOurs(jpeg, scale);
                ASSERT_FALSE(decoded.IsError());
                EXPECT_EQ(decoded->Width(), std::max(77 >> scale, 1));
                EXPECT_EQ(decoded->Height(), std::max(53 >> scale, 1));
            }
        }
    }
}
