#include "ImagingTestHelpers.h"
#include "imaging/FittingDecision.h"
#include "imaging/LoadFlags.h"
#include "imaging/ScaleRotate565.h"

#include <gtest/gtest.h>

using namespace LoadFlags;

TEST(Fitting, BigPhotoIntoACellDecodesAtOneEighth)
{
    FittingDecision d = DecideFitting(2048, 1536, false, { 0, 0, 96, 72 }, NoRotate | CallerMark);
    EXPECT_EQ(d.scale, 3);
    EXPECT_FALSE(d.useExifThumbnail);
    EXPECT_EQ(d.result, (Rect { 0, 0, 96, 72 }));

    std::vector<uint8_t> jpeg = EncodeJpeg(MakePhotoLikePicture(2048, 1536, 1), {});
    JpegImage image(jpeg.data(), jpeg.size());
    Rect cell { 0, 0, 96, 72 };
    Dib bitmap;
    ASSERT_EQ(image.LoadBitmap(cell, NoRotate | CallerMark, bitmap), Error::Success);
    EXPECT_EQ(bitmap.Width(), 96);
    EXPECT_EQ(bitmap.Height(), 72);
    // The same as scaling the 1/8 decode (256 x 192) ourselves.
    auto eighth = image.Decode(3, false);
    ASSERT_FALSE(eighth.IsError());
    ASSERT_EQ(eighth->Width(), 256);
    auto expected = CreateDib(96, 72, 16);
    ScaleRotate565(eighth->Bits(), eighth->Stride(), 256, 192, Rotation::None, expected->Bits(), expected->Stride(), 96, 72);
    EXPECT_TRUE(SamePixels(bitmap, *expected));
}

TEST(Fitting, LandscapeIntoPortraitTurnsUnlessToldNot)
{
    Rect portrait { 0, 0, 240, 320 };
    FittingDecision turned = DecideFitting(640, 480, false, portrait, 0);
    EXPECT_EQ(turned.rotation, Rotation::Clockwise);
    EXPECT_EQ(turned.scale, 1); // 240 x 320 fits exactly at 1/2
    EXPECT_EQ(turned.result, portrait);
    EXPECT_EQ(DecideFitting(640, 480, false, portrait, RotateCounterClockwise).rotation, Rotation::CounterClockwise);

    FittingDecision upright = DecideFitting(640, 480, false, portrait, NoRotate);
    EXPECT_EQ(upright.rotation, Rotation::None);
    EXPECT_EQ(upright.result, (Rect { 0, 70, 240, 250 }));
    // Squares never turn, nor does anything drawn into a square.
    EXPECT_EQ(DecideFitting(480, 480, false, portrait, 0).rotation, Rotation::None);
    EXPECT_EQ(DecideFitting(640, 480, false, { 0, 0, 100, 100 }, 0).rotation, Rotation::None);

    std::vector<uint8_t> jpeg = EncodeJpeg(MakePhotoLikePicture(640, 480, 2), {});
    JpegImage image(jpeg.data(), jpeg.size());
    auto half = image.Decode(1, false);
    ASSERT_FALSE(half.IsError());
    Rect target = portrait;
    Dib bitmap;
    ASSERT_EQ(image.LoadBitmap(target, 0, bitmap), Error::Success);
    ASSERT_EQ(bitmap.Width(), 240);
    ASSERT_EQ(bitmap.Height(), 320);
    // Clockwise: the picture's bottom-left corner comes to the top left.
    EXPECT_EQ(bitmap.Row16(0)[0], half->Row16(239)[0]);
    EXPECT_EQ(bitmap.Row16(0)[239], half->Row16(0)[0]);
    EXPECT_EQ(bitmap.Row16(319)[239], half->Row16(0)[319]);
}

TEST(Fitting, ExifThumbnailChoice)
{
    Rect cell { 0, 0, 160, 120 };
    EXPECT_TRUE(DecideFitting(640, 480, true, cell, 0).useExifThumbnail);
    EXPECT_FALSE(DecideFitting(640, 480, true, cell, NeverUseExifThumbnail).useExifThumbnail);
    EXPECT_FALSE(DecideFitting(640, 480, false, cell, AlwaysUseExifThumbnail).useExifThumbnail);
    EXPECT_FALSE(DecideFitting(640, 480, true, { 0, 0, 161, 120 }, 0).useExifThumbnail);
    EXPECT_TRUE(DecideFitting(640, 480, true, { 0, 0, 640, 480 }, AlwaysUseExifThumbnail).useExifThumbnail);
    // The thumbnail counts as 160 x 120: it is decoded whole for this cell.
    EXPECT_EQ(DecideFitting(4000, 3000, true, cell, 0).scale, 0);
    // With MinimumBox96 a tiny target decides as if it were 96 x 96.
    EXPECT_TRUE(DecideFitting(640, 480, true, { 0, 0, 40, 30 }, MinimumBox96).useExifThumbnail);
}

TEST(Fitting, ScaleStepsOneFinerUnlessNoFinerScale)
{
    // At 1/8 the 640 x 480 picture (80 x 60) would be enlarged into 96 x 96.
    EXPECT_EQ(DecideFitting(640, 480, false, { 0, 0, 96, 96 }, 0).scale, 2);
    EXPECT_EQ(DecideFitting(640, 480, false, { 0, 0, 96, 96 }, NoFinerScale).scale, 3);
    EXPECT_EQ(DecideFitting(4000, 3000, false, { 0, 0, 96, 96 }, FillAndCrop).scale, 3);
    EXPECT_EQ(DecideFitting(100, 80, false, { 0, 0, 320, 240 }, 0).scale, 0);
}

TEST(Fitting, ResultRectangles)
{
    FittingDecision natural = DecideFitting(300, 200, false, { 10, 20, 110, 120 }, NaturalSize | NoRotate);
    EXPECT_EQ(natural.result, (Rect { -90, -30, 210, 170 }));
    FittingDecision topAligned = DecideFitting(640, 480, false, { 10, 20, 250, 340 }, NoRotate | NoVerticalCentre);
    EXPECT_EQ(topAligned.result, (Rect { 10, 20, 250, 200 }));
    FittingDecision leftAligned = DecideFitting(480, 640, false, { 10, 20, 330, 260 }, NoRotate | NoHorizontalCentre);
    EXPECT_EQ(leftAligned.result, (Rect { 10, 20, 190, 260 }));
}

TEST(Fitting, FillAndCropTakesTheMiddle)
{
    FittingDecision d = DecideFitting(640, 480, false, { 0, 0, 96, 96 }, FillAndCrop | ReturnBitmap);
    EXPECT_EQ(d.result.Width(), 128);
    EXPECT_EQ(d.result.Height(), 96);

    std::vector<uint8_t> jpeg = EncodeJpeg(MakePhotoLikePicture(640, 480, 3), {});
    JpegImage image(jpeg.data(), jpeg.size());
    Rect target { 0, 0, 96, 96 };
    Dib bitmap;
    ASSERT_EQ(image.LoadBitmap(target, FillAndCrop, bitmap), Error::Success);
    EXPECT_EQ(target, (Rect { 0, 0, 96, 96 }));
    ASSERT_EQ(bitmap.Width(), 96);
    ASSERT_EQ(bitmap.Height(), 96);

    auto quarter = image.Decode(d.scale, false);
    ASSERT_FALSE(quarter.IsError());
    auto scaled = CreateDib(128, 96, 16);
    ScaleRotate565(quarter->Bits(), quarter->Stride(), quarter->Width(), quarter->Height(), Rotation::None, scaled->Bits(), scaled->Stride(), 128, 96);
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 96; ++x)
            ASSERT_EQ(bitmap.Row16(y)[x], scaled->Row16(y)[x + 16]) << x << "," << y;
}

// A tall, narrow picture is scaled up a thousandfold to cover the target;
// only the part kept is scaled, and it is the very middle of the whole.
TEST(Fitting, FillAndCropOfATallNarrowPictureIsTheMiddleOfTheWholeScaledPicture)
{
    for (Rect target : { Rect { 0, 0, 96, 96 }, Rect { 0, 0, 120, 40 } }) {
        std::vector<uint8_t> jpeg = EncodeJpeg(MakePhotoLikePicture(8, 3000, 5), {});
        FittingDecision d = DecideFitting(8, 3000, false, target, FillAndCrop | ReturnBitmap);
        JpegImage image(jpeg.data(), jpeg.size());
        Rect rect = target;
        Dib bitmap;
        ASSERT_EQ(image.LoadBitmap(rect, FillAndCrop, bitmap), Error::Success);
        ASSERT_EQ(bitmap.Width(), target.Width());
        ASSERT_EQ(bitmap.Height(), target.Height());

        auto decoded = image.Decode(d.scale, false);
        ASSERT_FALSE(decoded.IsError());
        auto whole = CreateDib(d.result.Width(), d.result.Height(), 16);
        ASSERT_FALSE(whole.IsError());
        ScaleRotate565(decoded->Bits(), decoded->Stride(), decoded->Width(), decoded->Height(), d.rotation, whole->Bits(), whole->Stride(),
            whole->Width(), whole->Height());
        int left = (d.result.Width() - target.Width()) / 2;
        int top = (d.result.Height() - target.Height()) / 2;
        for (int y = 0; y < target.Height(); ++y)
            for (int x = 0; x < target.Width(); ++x)
                ASSERT_EQ(bitmap.Row16(y)[x], whole->Row16(y + top)[x + left]) << x << "," << y;
    }
}

TEST(Fitting, EmptyTargetIsRefused)
{
    std::vector<uint8_t> jpeg = SmallJpeg();
    JpegImage image(jpeg.data(), jpeg.size());
    Rect empty { 5, 5, 5, 40 };
    Dib bitmap;
    EXPECT_EQ(image.LoadBitmap(empty, 0, bitmap), Error::InvalidParameter);
    EXPECT_EQ(empty, (Rect { 5, 5, 5, 40 }));
}
