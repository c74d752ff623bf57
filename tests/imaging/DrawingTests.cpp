#include "ImagingTestHelpers.h"
#include "imaging/DrawBitmap.h"
#include "imaging/LoadFlags.h"
#include "imaging/MemoryDeviceContext.h"
#include "imaging/Rgb565.h"

#include <gtest/gtest.h>

TEST(Dib, RowsArePaddedToFourBytesAndBadShapesRefused)
{
    auto dib = CreateDib(3, 2, 16);
    ASSERT_FALSE(dib.IsError());
    EXPECT_EQ(dib->Stride(), 8u);
    EXPECT_EQ(CreateDib(3, 2, 24)->Stride(), 12u);
    EXPECT_EQ(CreateDib(0, 2, 16).GetError(), Error::InvalidParameter);
    EXPECT_EQ(CreateDib(2, 2, 8).GetError(), Error::InvalidParameter);
    EXPECT_EQ(CreateDib(60000, 60000, 32).GetError(), Error::NotEnoughMemory);
}

TEST(Drawing, CopiesAreClippedAndConverted)
{
    Dib source = CreateDib(4, 4, 16).ReleaseValue();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            source.Row16(y)[x] = Pack565(x * 64, y * 64, 200);
    Dib target = CreateDib(5, 5, 32).ReleaseValue();
    MemoryDeviceContext context(target);
    context.CopyBitmap(-1, 3, 4, 4, source, 0, 0);
    // Source (1, 0) lands at (0, 3); rows past the target's bottom are cut.
    const uint8_t* pixel = target.Row(3);
    EXPECT_EQ(pixel[2], 64); // red
    EXPECT_EQ(pixel[1], 0);  // green
    EXPECT_EQ(pixel[0], 200 & 0xF8);
    EXPECT_EQ(target.Row(2)[0], 0);
    EXPECT_EQ(target.Row(4)[2 * 4 + 2], 192);

    Dib centred = CreateDib(8, 8, 16).ReleaseValue();
    MemoryDeviceContext centredContext(centred);
    DrawBitmap(centredContext, { 0, 0, 8, 8 }, source, true);
    EXPECT_EQ(centred.Row16(2)[2], source.Row16(0)[0]);
    EXPECT_EQ(centred.Row16(1)[1], 0);
}

TEST(Drawing, DrawPutsThePictureAtTheResultRectangle)
{
    std::vector<uint8_t> jpeg = SmallJpeg({}, 64, 32);
    Dib canvas = CreateDib(100, 100, 16).ReleaseValue();
    MemoryDeviceContext context(canvas);
    JpegImage image(jpeg.data(), jpeg.size());
    Rect rect { 10, 10, 90, 90 };
    ASSERT_EQ(image.Draw(context, rect, LoadFlags::NoRotate), Error::Success);
    EXPECT_EQ(rect, (Rect { 10, 30, 90, 70 }));

    Dib expected;
    Rect again { 10, 10, 90, 90 };
    ASSERT_EQ(image.LoadBitmap(again, LoadFlags::NoRotate, expected), Error::Success);
    EXPECT_EQ(canvas.Row16(30)[10], expected.Row16(0)[0]);
    EXPECT_EQ(canvas.Row16(69)[89], expected.Row16(39)[79]);
    EXPECT_EQ(canvas.Row16(29)[50], 0);
    EXPECT_EQ(canvas.Row16(70)[50], 0);
}
