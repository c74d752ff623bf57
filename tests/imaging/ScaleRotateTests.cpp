#include "imaging/Dib.h"
#include "imaging/Rgb565.h"
#include "imaging/ScaleRotate565.h"

#include <gtest/gtest.h>

namespace {

Dib Numbered(int width, int height)
{
    Dib dib = CreateDib(width, height, 16).ReleaseValue();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            dib.Row16(y)[x] = static_cast<uint16_t>(y * 256 + x);
    return dib;
}

Dib ScaleInto(const Dib& source, Rotation rotation, int width, int height)
{
    Dib out = CreateDib(width, height, 16).ReleaseValue();
    ScaleRotate565(source.Bits(), source.Stride(), source.Width(), source.Height(), rotation, out.Bits(), out.Stride(), width, height);
    return out;
}

}

TEST(ScaleRotate565, QuarterTurnsMovePixelsToTheirPlaces)
{
    Dib source = Numbered(3, 2);
    Dib clockwise = ScaleInto(source, Rotation::Clockwise, 2, 3);
    Dib counter = ScaleInto(source, Rotation::CounterClockwise, 2, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 2; ++x) {
            EXPECT_EQ(clockwise.Row16(y)[x], source.Row16(2 - 1 - x)[y]);
            EXPECT_EQ(counter.Row16(y)[x], source.Row16(x)[3 - 1 - y]);
        }
    }
    Dib copy = ScaleInto(source, Rotation::None, 3, 2);
    EXPECT_EQ(copy.Row16(1)[2], source.Row16(1)[2]);
}

TEST(ScaleRotate565, ShrinkingAveragesBoxesInsideAFrameOfSinglePixels)
{
    Dib source = CreateDib(8, 8, 16).ReleaseValue();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            source.Row16(y)[x] = Pack565(x * 32, y * 32, (x + y) * 16);
    Dib out = ScaleInto(source, Rotation::None, 4, 4);
    // Step 2.0: inner pixel 1 averages source columns and rows 1 and 2.
    unsigned red = 0, green = 0, blue = 0;
    for (int y = 1; y <= 2; ++y)
        for (int x = 1; x <= 2; ++x) {
            red += Red565(source.Row16(y)[x]);
            green += Green565(source.Row16(y)[x]);
            blue += Blue565(source.Row16(y)[x]);
        }
    EXPECT_EQ(out.Row16(1)[1], Pack565(red / 4, green / 4, blue / 4));
    // The frame: first and last rows and columns take single pixels.
    EXPECT_EQ(out.Row16(0)[2], source.Row16(0)[4]);
    EXPECT_EQ(out.Row16(3)[2], source.Row16(7)[4]);
    EXPECT_EQ(out.Row16(2)[0], source.Row16(4)[0]);
    EXPECT_EQ(out.Row16(2)[3], source.Row16(4)[7]);
}

TEST(ScaleRotate565, EnlargingTakesTheNearestPixel)
{
    Dib source = Numbered(2, 2);
    Dib out = ScaleInto(source, Rotation::None, 5, 3);
    EXPECT_EQ(out.Row16(0)[0], source.Row16(0)[0]);
    EXPECT_EQ(out.Row16(0)[2], source.Row16(0)[0]); // (2 * 0.4) >> 16
    EXPECT_EQ(out.Row16(0)[3], source.Row16(0)[1]);
    EXPECT_EQ(out.Row16(2)[4], source.Row16(1)[1]);
    // Enlarging one way and shrinking the other still takes nearest pixels.
    Dib mixed = ScaleInto(Numbered(8, 2), Rotation::None, 2, 4);
    EXPECT_EQ(mixed.Row16(3)[1], static_cast<uint16_t>(256 + 4));
}

TEST(ScaleRotate565, ExtremeShapesStayInside)
{
    Dib wide = Numbered(200, 1);
    Dib out = ScaleInto(wide, Rotation::Clockwise, 3, 7);
    EXPECT_EQ(out.Width(), 3);
    Dib tall = Numbered(1, 100);
    out = ScaleInto(tall, Rotation::CounterClockwise, 1, 1);
    EXPECT_EQ(out.Row16(0)[0], tall.Row16(0)[0]);
}

// A part of the scaled picture is, pixel for pixel, the same part of the
// whole scaled picture, whatever the turn, the direction of the scaling and
// however much of the part lies outside (which stays untouched).
TEST(ScaleRotate565, APartIsExactlyThatPartOfTheWhole)
{
    struct Case {
        int sourceWidth, sourceHeight;
        Rotation rotation;
        int fullWidth, fullHeight;
    };
    const Case cases[] = {
        { 4, 500, Rotation::None, 96, 12000 },     // tall, enlarged across, shrunk down
        { 40, 30, Rotation::None, 100, 75 },       // enlarged
        { 300, 200, Rotation::Clockwise, 40, 60 }, // shrunk and turned
        { 7, 90, Rotation::CounterClockwise, 200, 16 },
    };
    const int windows[][4] = { { 0, 0, 10, 10 }, { 3, 5, 17, 9 }, { -4, -3, 12, 12 }, { 30, 50, 200, 40 } };
    for (const Case& c : cases) {
        Dib source = Numbered(c.sourceWidth, c.sourceHeight);
        Dib whole = ScaleInto(source, c.rotation, c.fullWidth, c.fullHeight);
        for (auto& w : windows) {
            int left = w[0], top = w[1], width = w[2], height = w[3];
            Dib part = CreateDib(width, height, 16).ReleaseValue();
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    part.Row16(y)[x] = 0xBEEF;
            ScaleRotate565Part(source.Bits(), source.Stride(), source.Width(), source.Height(), c.rotation, c.fullWidth, c.fullHeight, left, top,
                part.Bits(), part.Stride(), width, height);
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    int fx = left + x, fy = top + y;
                    bool inside = fx >= 0 && fy >= 0 && fx < c.fullWidth && fy < c.fullHeight;
                    ASSERT_EQ(part.Row16(y)[x], inside ? whole.Row16(fy)[fx] : 0xBEEF)
                        << c.sourceWidth << "x" << c.sourceHeight << " window " << left << "," << top << " pixel " << x << "," << y;
                }
            }
        }
    }
}
