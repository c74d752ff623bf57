#include "ImagingTestHelpers.h"
#include "imaging/ExifReader.h"
#include "imaging/LoadFlags.h"
#include "platform/File.h"
#include "support/TemporaryFolder.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> Thumbnail()
{
    JpegOptions options;
    options.quality = 70;
    return EncodeJpeg(MakePhotoLikePicture(160, 120, 21), options);
}

std::vector<uint8_t> PhotoWithExif(bool bigEndian, const std::string& date, const std::string& description,
    const std::vector<uint8_t>& thumbnail)
{
    JpegOptions options;
    options.app1 = MakeExifBlock(bigEndian, date, description, thumbnail);
    return EncodeJpeg(MakePhotoLikePicture(640, 480, 22), options);
}

}

TEST(Exif, ReadsThumbnailDateAndDescriptionInBothByteOrders)
{
    std::vector<uint8_t> thumbnail = Thumbnail();
    auto standalone = DecodeOurs(thumbnail, 0);
    ASSERT_FALSE(standalone.IsError());
    for (bool bigEndian : { false, true }) {
        std::vector<uint8_t> photo = PhotoWithExif(bigEndian, "2023:07:14 18:30:05", "Harbour at dusk", thumbnail);
        JpegImage image(photo.data(), photo.size());
        JpegInfo info;
        ASSERT_EQ(image.ReadInfo(info), Error::Success);
        EXPECT_EQ(info.width, 640);
        EXPECT_EQ(info.height, 480);
        EXPECT_TRUE(info.hasExifThumbnail);
        EXPECT_STREQ(info.dateTaken, "2023:07:14 18:30:05");
        EXPECT_STREQ(info.description, "Harbour at dusk");

        auto decoded = image.Decode(0, true);
        ASSERT_FALSE(decoded.IsError());
        EXPECT_TRUE(SamePixels(*decoded, *standalone)) << (bigEndian ? "MM" : "II");
    }
}

TEST(Exif, TextsAreCutToTheirRoomAndShortOnesIgnored)
{
    std::string longText(300, 'd');
    std::vector<uint8_t> photo = PhotoWithExif(false, "2023:07:14 18:30:05 extra", longText, {});
    JpegImage image(photo.data(), photo.size());
    JpegInfo info;
    ASSERT_EQ(image.ReadInfo(info), Error::Success);
    EXPECT_FALSE(info.hasExifThumbnail);
    EXPECT_EQ(std::strlen(info.dateTaken), 19u);
    EXPECT_EQ(std::string(info.description), std::string(199, 'd'));

    // Four bytes or fewer are kept inside the entry and not taken.
    std::vector<uint8_t> block = MakeExifBlock(true, "2023:07:14 18:30:05", "abc", {});
    ExifInfo exif = ReadExif(block.data() + 6, block.size() - 6);
    EXPECT_EQ(exif.description, "");
    EXPECT_EQ(exif.dateTaken, "2023:07:14 18:30:05");
}

// Damaged blocks must be read safely, whatever their offsets say.
TEST(Exif, DamagedBlocksAreReadSafely)
{
    std::vector<uint8_t> block = MakeExifBlock(false, "2023:07:14 18:30:05", "Harbour at dusk", Thumbnail());
    std::vector<uint8_t> tiff(block.begin() + 6, block.end());
    ExifInfo whole = ReadExif(tiff.data(), tiff.size());
    EXPECT_TRUE(whole.hasThumbnail);
    // The thumbnail's IFD ends at byte 98 of the block the kit makes.
    for (size_t length = 0; length < 98; ++length) {
        std::vector<uint8_t> cut(tiff.begin(), tiff.begin() + static_cast<long>(length));
        ExifInfo info = ReadExif(cut.data(), cut.size());
        EXPECT_FALSE(info.hasThumbnail) << length;
    }
    for (size_t at = 0; at < 120; ++at) {
        std::vector<uint8_t> damaged = tiff;
        damaged[at] = 0xFF;
        (void)ReadExif(damaged.data(), damaged.size());
    }
    // A thumbnail that isn't JPEG-compressed doesn't count.
    std::vector<uint8_t> uncompressed = tiff;
    for (size_t at = 0; at + 10 < uncompressed.size(); ++at) {
        if (uncompressed[at] == 0x03 && uncompressed[at + 1] == 0x01 && uncompressed[at + 8] == 6) {
            uncompressed[at + 8] = 1;
            break;
        }
    }
    EXPECT_FALSE(ReadExif(uncompressed.data(), uncompressed.size()).hasThumbnail);
}

TEST(Exif, SmallTargetsUseTheThumbnailUnlessTold)
{
    std::vector<uint8_t> thumbnail = Thumbnail();
    std::vector<uint8_t> photo = PhotoWithExif(false, "2023:07:14 18:30:05", "x", thumbnail);
    auto fromThumbnail = DecodeOurs(thumbnail, 0);
    ASSERT_FALSE(fromThumbnail.IsError());

    JpegImage image(photo.data(), photo.size());
    Rect cell { 0, 0, 160, 120 };
    Dib bitmap;
    ASSERT_EQ(image.LoadBitmap(cell, LoadFlags::NoRotate, bitmap), Error::Success);
    EXPECT_EQ(cell, (Rect { 0, 0, 160, 120 }));
    EXPECT_TRUE(SamePixels(bitmap, *fromThumbnail));

    Rect again { 0, 0, 160, 120 };
    ASSERT_EQ(image.LoadBitmap(again, LoadFlags::NoRotate | LoadFlags::NeverUseExifThumbnail, bitmap), Error::Success);
    EXPECT_FALSE(SamePixels(bitmap, *fromThumbnail));

    // A damaged thumbnail falls back to the main picture.
    std::vector<uint8_t> broken = photo;
    size_t soi = FindSegment(broken, 0xE1) + 30;
    while (!(broken[soi] == 0xFF && broken[soi + 1] == 0xD8))
        ++soi;
    broken[soi + 1] = 0x00;
    JpegImage brokenImage(broken.data(), broken.size());
    Rect third { 0, 0, 160, 120 };
    EXPECT_EQ(brokenImage.LoadBitmap(third, LoadFlags::NoRotate, bitmap), Error::Success);
    EXPECT_EQ(bitmap.Width(), 160);
}

// EXIF blocks bigger than the file buffer are read too (the block is copied
// out rather than read in place).
TEST(Exif, BlockLargerThanTheFileBufferIsRead)
{
    JpegOptions big;
    big.quality = 98;
    std::vector<uint8_t> thumbnail = EncodeJpeg(MakePhotoLikePicture(320, 240, 23), big);
    ASSERT_GT(thumbnail.size(), 40000u);
    std::vector<uint8_t> photo = PhotoWithExif(true, "2023:07:14 18:30:05", "Harbour", thumbnail);
    TemporaryFolder folder;
    WriteTextFile(folder.File("p.jpg"), std::string(photo.begin(), photo.end()));
    auto file = File::Open(folder.File("p.jpg"), File::Mode::Read);
    ASSERT_FALSE(file.IsError());
    JpegImage image(*file);
    JpegInfo info;
    ASSERT_EQ(image.ReadInfo(info), Error::Success);
    EXPECT_TRUE(info.hasExifThumbnail);
    EXPECT_STREQ(info.description, "Harbour");
    auto decoded = image.Decode(0, true);
    ASSERT_FALSE(decoded.IsError());
    EXPECT_EQ(decoded->Width(), 320);
}
